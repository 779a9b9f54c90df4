#include "ChartShowcase.h"

#include <cmath>

TChartShowcase::~TChartShowcase() {
    for (auto& s : LeftSeries)
        if (s) s->SetParentChart(nullptr);
    if (VoltageSeries) VoltageSeries->SetParentChart(nullptr);
}

TChartShowcase BuildChartShowcase() {
    TChartShowcase show;
    show.Form = std::make_unique<TForm>(nullptr);
    show.Form->SetCaption("Полёт");
    show.Form->SetBounds(60, 60, 820, 560);
    TChart* chart = new TChart(show.Form.get());
    show.Chart = chart;
    chart->SetParent(show.Form.get());
    chart->SetAlign(TAlign::alClient);
    chart->SetView3D(false);
    chart->Legend().SetVisible(false);  // as the viewer's chart
    chart->SetMarginUnits(muPixels);
    chart->SetMarginLeft(5);
    chart->SetMarginTop(10);
    chart->SetMarginRight(60);  // the custom axis' labels stand right of the plot
    chart->SetMarginBottom(10);
    chart->Title().SetText({"Полёт № 3"});
    chart->BottomAxis()->Title().SetCaption("t, s");
    chart->LeftAxis()->Title().SetCaption("h, m / v, m/s / a, g");

    show.VoltageAxis = chart->CustomAxes().Add();
    show.VoltageAxis->SetOtherSide(true);
    show.VoltageAxis->Title().SetCaption("U, V");

    const char* const names[] = {"Altitude", "Speed", "AccelX", "AccelY"};
    for (int i = 0; i < 4; ++i) {
        show.LeftSeries[i] = std::make_unique<TLineSeries>();
        show.LeftSeries[i]->SetName(names[i]);
        show.LeftSeries[i]->SetParentChart(chart);
    }
    show.VoltageSeries = std::make_unique<TLineSeries>();
    show.VoltageSeries->SetName("Voltage");
    show.VoltageSeries->SetSeriesColor(clPurple);
    show.VoltageSeries->SetParentChart(chart);
    show.VoltageSeries->SetCustomVertAxis(show.VoltageAxis);

    for (int i = 0; i <= 200; ++i) {
        const double t = i * 0.1;
        // a climb under thrust to 2 s, a coast to the apex near 9 s, a fall under the parachute
        const double altitude = t < 9 ? 240 * std::sin(t / 9 * 1.5707963) : std::max(0.0, 240 - 21 * (t - 9));
        const double speed = t < 9 ? 42 * std::cos(t / 9 * 1.5707963) : -21;
        show.LeftSeries[0]->AddPointXY(t, altitude);
        show.LeftSeries[1]->AddPointXY(t, speed);
        show.LeftSeries[2]->AddPointXY(t, t < 2 ? 60 * t / 2 : 8 * std::exp(-(t - 2)) - 10);
        show.LeftSeries[3]->AddPointXY(t, 15 * std::sin(t * 3) * std::exp(-t / 6));
        show.VoltageSeries->AddPointXY(t, 8.4 - 0.02 * t - (t < 2 ? 0.6 : 0));
    }
    return show;
}
