// Which vertical axis each shown quantity group is drawn on: the lowest axis
// number in use is the left axis, and a group goes on the custom axis as far
// from it as its number is; each axis takes its titles and the colour of its
// first shown series.

#include "viewer/mainform/MainForm.h"

#include "ui/dialogs/MessageDialogs.h"
#include "viewer/forms/ChartSettingsForm.h"

#include <array>
#include <string>

namespace {

void PaintAxis(TChartAxis& axis, TColor color) {
    axis.LabelsFont().SetColor(color);
    axis.Title().Font().SetColor(color);
    axis.Axis().SetColor(color);
    axis.Ticks().SetColor(color);
    axis.TicksInner().SetColor(color);
    axis.MinorTicks().SetColor(color);
}

// The group's axis number as a list index, -1 when its list has no choice.
int AxisNumberIndex(const AxisGroup& group) {
    const int index = Form2->ComboBox[group.AxisList]->ItemIndex();
    return index >= 0 && index < kVerticalAxisCount ? index : -1;
}

}  // namespace

void TForm1::AssignSeriesToAxes() {
    std::array<std::string, kVerticalAxisCount> titles;
    std::array<bool, kVerticalAxisCount> numberUsed{};
    AxisInUse.fill(false);
    auto shown = [this](int series) { return ChartSeries[series]->Active(); };

    for (const AxisGroup& group : AxisGroups())
        for (int series : group.Series)
            if (shown(series) && AxisNumberIndex(group) >= 0) numberUsed[AxisNumberIndex(group)] = true;
    int lowest = 0;
    while (lowest < kVerticalAxisCount && !numberUsed[lowest]) ++lowest;
    if (lowest == kVerticalAxisCount) ShowMessage("Не выбран не один график!!!");

    for (const AxisGroup& group : AxisGroups()) {
        if (AxisNumberIndex(group) < 0) continue;
        // Only a group with a shown series has a place: its number is then in use.
        const int position = AxisNumberIndex(group) - lowest;
        bool first = true;
        for (std::size_t i = 0; i < group.Series.size(); ++i) {
            TLineSeries& series = *ChartSeries[group.Series[i]];
            if (!series.Active()) continue;
            TChartAxis* axis = position == 0 ? Chart1->LeftAxis() : Chart1->CustomAxes().GetAxis(position - 1);
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
