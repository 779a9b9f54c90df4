#pragma once
// A chart whose whole background is plain white, so pixel tests can tell
// what the chart drew on it.

#include "chart/canvas/ChartCanvas.h"
#include "chart/panel/CustomChart.h"

class WhiteChart : public TCustomChart {
protected:
    void DrawPanelBackground(const TRect& r) override {
        Canvas()->Brush().SetStyle(TBrushStyle::bsSolid);
        Canvas()->Brush().SetColor(clWhite);
        Canvas()->FillRect(r);
    }
};
