#include "viewer/navigation/AxisGridChoice.h"

#include "chart/panel/CustomAxisPanel.h"

#include <vector>

namespace {

constexpr int kColumnWidth = 60;

void SetUnderline(TChartAxis& axis, bool underline) {
    TFont& font = axis.Title().Font();
    TFontStyles style = font.Style();
    if (underline)
        style.Include(TFontStyle::fsUnderline);
    else
        style.Exclude(TFontStyle::fsUnderline);
    font.SetStyle(style);
}

}  // namespace

int ChooseGridAxisAt(TCustomAxisPanel& chart, const AxisFlags& axisInUse, int x) {
    std::vector<int> used;
    for (int k = 0; k < kVerticalAxisCount; ++k)
        if (axisInUse[k]) used.push_back(k);
    const int column = x / kColumnWidth;
    if (x < 0 || column >= static_cast<int>(used.size())) return -1;
    const int chosen = used[used.size() - 1 - column];
    for (int k = 0; k < kVerticalAxisCount; ++k) {
        TChartAxis& axis = VerticalAxis(chart, k);
        axis.Grid().SetVisible(k == chosen);
        SetUnderline(axis, k == chosen);
    }
    return chosen;
}
