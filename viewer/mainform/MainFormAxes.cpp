// The vertical axes of the main window's chart: which axis each shown
// quantity group is drawn on, and each axis' range fitted to its data; the
// time axis fitted to the data.

#include "viewer/mainform/MainForm.h"

#include "viewer/forms/ChartSettingsForm.h"
#include "viewer/navigation/AxisLayout.h"
#include "ui/dialogs/MessageDialogs.h"

#include <array>
#include <string>

namespace {

constexpr int kAxisNumbers = kVerticalAxisCount;

void PaintAxis(TChartAxis& axis, TColor color) {
    axis.LabelsFont().SetColor(color);
    axis.Title().Font().SetColor(color);
    axis.Axis().SetColor(color);
    axis.Ticks().SetColor(color);
    axis.TicksInner().SetColor(color);
    axis.MinorTicks().SetColor(color);
}

}  // namespace

void TForm1::AssignSeriesToAxes() {
    std::array<std::string, kVerticalAxisCount> titles;
    std::array<bool, kAxisNumbers> numberUsed{};
    AxisInUse.fill(false);
    auto listIndex = [](const AxisGroup& group) { return Form2->ComboBox[group.AxisList]->ItemIndex(); };
    auto isAxisNumber = [](int index) { return index >= 0 && index < kAxisNumbers; };

    for (const AxisGroup& group : AxisGroups())
        for (int series : group.Series)
            if (ChartSeries[series]->Active() && isAxisNumber(listIndex(group))) numberUsed[listIndex(group)] = true;
    int lowest = 0;
    while (lowest < kAxisNumbers && !numberUsed[lowest]) ++lowest;
    if (lowest == kAxisNumbers) ShowMessage("Не выбран не один график!!!");

    for (const AxisGroup& group : AxisGroups()) {
        if (!isAxisNumber(listIndex(group))) continue;
        const int position = listIndex(group) - lowest;
        TChartAxis* axis = position == 0 ? Chart1->LeftAxis() : Chart1->CustomAxes().GetAxis(position - 1);
        bool first = true;
        for (std::size_t i = 0; i < group.Series.size(); ++i) {
            TLineSeries& series = *ChartSeries[group.Series[i]];
            if (!series.Active()) continue;
            series.SetCustomVertAxis(position == 0 ? nullptr : axis);
            AxisInUse[position] = true;
            if (!first) continue;
            first = false;
            titles[position] += group.TitleTexts.size() > 1 ? group.TitleTexts[i] : group.TitleTexts[0];
            PaintAxis(*axis, series.SeriesColor());
        }
    }
    Chart1->LeftAxis()->Title().SetCaption(titles[0]);
    for (int k = 0; k < Chart1->CustomAxes().Count(); ++k) Chart1->CustomAxes().GetAxis(k)->Title().SetCaption(titles[k + 1]);
}

void TForm1::Chart1UndoZoom(TObject*) {
    FitTimeAxis(*Chart1->BottomAxis(), Extents);
    const auto mode = Form2->ComboBox[32]->ItemIndex() == 1 ? AxisScaling::EachOwnRange : AxisScaling::CommonZero;
    LayoutAxes(*Chart1, AxisInUse, mode);
    // A zoom too fine for this log comes back to its fit, never to an older log's range.
    ChartZoomBounds.Remember(*Chart1);
}
