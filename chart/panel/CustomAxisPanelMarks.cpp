// The marks pass of the panel: every series' marks drawn over the series,
// and the room the widest mark needs.

#include "chart/panel/CustomAxisPanel.h"

#include "chart/canvas/ChartCanvas.h"
#include "chart/series/ChartSeries.h"

#include <algorithm>

int TCustomAxisPanel::WidestMarkWidth() {
    int widest = 0;
    for (TChartSeries* s : series_)
        if (s->Active()) widest = std::max(widest, s->WidestMarkWidth());
    return widest;
}

void TCustomAxisPanel::DrawSeriesMarks(TChartSeries* series) {
    if (series->Count() == 0 || !series->Marks().Visible()) return;
    const bool clip = series->Marks().Clip() && canvas_;
    if (clip) ClipToChart();
    series->DrawAllMarks();
    if (clip) canvas_->RemoveClip();
}
