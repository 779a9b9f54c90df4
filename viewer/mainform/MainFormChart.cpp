// The chart of the main window: its axes, the four custom axes and the 39
// line series every other part of the viewer addresses by index.

#include "viewer/mainform/MainForm.h"


namespace {

struct SeriesDesign {
    const char* Name;
    TColor Color;  // clDefault: the chart's own
};

constexpr TColor kOrange = static_cast<TColor>(33023);
constexpr TColor kDarkGrey = static_cast<TColor>(4276545);
constexpr TColor kZeroLineGrey = static_cast<TColor>(5066061);
constexpr int kZeroLineWidth = 2;

// By chart index.
const SeriesDesign kSeriesDesign[kChartSeriesCount] = {
    {"Marker_1", kOrange}, {"Marker_2", clDefault}, {"Marker_3", kDarkGrey}, {"Marker_4", clBlue},
    {"Series1", clDefault}, {"Series2", clDefault}, {"Series3", clDefault}, {"Series4", clDefault},
    {"Series5", clDefault}, {"Series6", clDefault}, {"Series7", clDefault}, {"Series8", clDefault},
    {"Series9", clDefault}, {"Series10", clDefault}, {"Series11", clDefault}, {"Series12", clDefault},
    {"Series13", clDefault}, {"Series14", clDefault}, {"Series15", clDefault}, {"Series16", clDefault},
    {"Series17", clDefault}, {"Series18", clDefault}, {"Series19", clDefault}, {"Series20", clDefault},
    {"Series28", clDefault}, {"Series22", clDefault}, {"Series21", clDefault}, {"Series23", clDefault},
    {"Series24", clDefault}, {"Series25", clDefault}, {"Series26", clDefault}, {"Series27", kZeroLineGrey},
    {"Series29", clDefault}, {"Series30", clDefault}, {"Series31", clDefault}, {"Series32", clDefault},
    {"Series33", clDefault}, {"Series34", clDefault}, {"Series35", clDefault},
};

constexpr const char* kCustomAxisTitles[] = {"Ускорение, g", "Высота по барометру, м", "Температура барометра, град",
                                             "Температура гироскопа, мс"};
constexpr int kFirstCustomAxisPosition = 13;
constexpr int kBottomLabelAngle = 90;
constexpr int kBottomLabelSize = 50;
constexpr int kVerticalTitleAngle = 90;
constexpr double kLeftAxisIncrement = 0.05;
constexpr double kBottomAxisDesignMaximum = 24;

void MakeManual(TChartAxis& axis) {
    axis.SetAutomatic(false);
    axis.SetAutomaticMinimum(false);
    axis.SetAutomaticMaximum(false);
}

}  // namespace

void TForm1::BuildChart() {
    Chart1 = new TChart(this);
    Chart1->SetName("Chart1");
    Chart1->SetParent(this);
    Chart1->SetBounds(5, 2, 800, 560);
    Chart1->Legend().SetVisible(false);
    Chart1->Title().SetVisible(false);
    Chart1->SetView3D(false);
    Chart1->SetMarginUnits(muPixels);
    Chart1->SetMarginLeft(5);
    Chart1->SetMarginTop(0);
    Chart1->SetMarginRight(10);
    Chart1->SetMarginBottom(10);
    Chart1->Zoom().Pen().SetStyle(TPenStyle::psDash);
    Chart1->Zoom().Pen().SetWidth(2);
    Chart1->BackWall().SetTransparent(true);
    Chart1->PrintMargins = {5, 10, 5, 10};
    Chart1->PrintProportional = false;

    TChartAxis& bottom = *Chart1->BottomAxis();
    MakeManual(bottom);
    bottom.SetMaximum(kBottomAxisDesignMaximum);
    bottom.SetAxisValuesFormat("0");
    bottom.SetLabelStyle(talValue);
    bottom.SetLabelsAngle(kBottomLabelAngle);
    bottom.SetLabelsSize(kBottomLabelSize);
    bottom.Title().SetCaption("мин : сек , сотые сек");
    bottom.Title().Font().SetStyle({TFontStyle::fsBold});

    TChartAxis& left = *Chart1->LeftAxis();
    MakeManual(left);
    left.SetIncrement(kLeftAxisIncrement);
    left.Title().SetCaption("Высота, м");
    left.Title().Font().SetStyle({TFontStyle::fsUnderline});
    left.Title().Font().SetColor(clBlack);

    for (int i = 0; i < 4; ++i) {
        TChartAxis* axis = Chart1->CustomAxes().Add();
        MakeManual(*axis);
        axis->SetPositionUnits(muPixels);
        axis->Title().SetCaption(kCustomAxisTitles[i]);
        axis->Title().SetAngle(kVerticalTitleAngle);
        axis->Grid().SetVisible(i == 0);
    }
    Chart1->CustomAxes().GetAxis(0)->SetPositionPercent(kFirstCustomAxisPosition);

    for (int index = 0; index < kChartSeriesCount; ++index) {
        auto* series = new TLineSeries(this);
        series->SetName(kSeriesDesign[index].Name);
        series->Marks().SetVisible(false);
        series->Pointer().SetVisible(false);
        series->SetShowInLegend(index == kSpareSeries);
        series->XValues().SetOrder(loAscending);
        if (kSeriesDesign[index].Color != clDefault) series->SetSeriesColor(kSeriesDesign[index].Color);
        series->SetParentChart(Chart1);
        ChartSeries[index] = series;
    }
    ChartSeries[kZeroLineSeries]->LinePen().SetWidth(kZeroLineWidth);

    Chart1->OnResize = [this](TObject* s) { Chart1Resize(s); };
    Chart1->OnUndoZoom = [this](TObject* s) { Chart1UndoZoom(s); };
    Chart1->OnAfterDraw = [this](TObject* s) { Chart1AfterDraw(s); };
}
