// The marks of a series in the chart's drawing pass, and the room their
// texts need.

#include "chart/series/ChartSeries.h"

#include "chart/canvas/ChartCanvas.h"
#include "chart/panel/CustomAxisPanel.h"

#include <algorithm>

void TChartSeries::DrawAllMarks() {
    // a step below one would divide by zero; it draws every mark
    const int every = std::max(1, marks_.DrawEvery());
    TSeriesMarkPosition position;
    for (int i = firstVisible_; i <= lastVisible_ && i >= 0; ++i) {
        if (i % every != 0 || PointIsNull(i)) continue;
        const std::string text = GetMarkText(i);
        if (text.empty()) continue;
        TChartCustomShape& item = marks_.ItemFor(i);
        if (!item.Visible()) continue;
        marks_.PlaceMark(item, text, PointScreenX(i), PointScreenY(i), position);
        DrawPointMark(i, text, position);
    }
}

void TChartSeries::DrawPointMark(int index, const std::string& text, TSeriesMarkPosition& position) {
    marks_.DrawMark(index, PointColorAt(index), text, position);
}

int TChartSeries::MarkTextWidth(int index) {
    if (!parentChart_) return 0;
    int lines = 0;
    return parentChart_->WidestLineWidth(GetMarkText(index), lines);
}

int TChartSeries::WidestMarkWidth() {
    int widest = 0;
    for (int i = 0; i < Count(); ++i)
        if (marks_.ItemFor(i).Visible()) widest = std::max(widest, MarkTextWidth(i));
    return widest;
}
