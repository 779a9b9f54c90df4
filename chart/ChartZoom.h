#pragma once
// The mouse input a chart reacts to, and the state of a zoom or scroll drag.

#include "chart/ChartPen.h"
#include "ui/Messages.h"

#include <memory>

enum TChartZoomDirection { tzdHorizontal, tzdVertical, tzdBoth };
enum TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };

// One mouse drag: where it started and where it is now.
class TZoomPanning {
public:
    void Activate(int x, int y) {
        StartX = EndX = x;
        StartY = EndY = y;
        Dragging = true;
    }
    void Normalize();
    bool Dragging = false;
    int StartX = 0;
    int StartY = 0;
    int EndX = 0;
    int EndY = 0;
};

class TChartZoom : public TZoomPanning {
public:
    TChartZoom() = default;
    TChartZoom(const TChartZoom&) = delete;
    TChartZoom& operator=(const TChartZoom&) = delete;
    // Copies all but MinimumPixels and UpLeftZooms.
    void Assign(const TChartZoom& source);
    // The zoom rectangle's outline and fill, made on first use (a white pen;
    // a white clear brush); a rectangle without a brush is not filled.
    TChartPen& Pen();
    TChartBrush& Brush();
    bool HasBrush() const { return brush_ != nullptr; }
    void FreeBrush() { brush_.reset(); }
    bool Allow = true;
    bool Animated = false;
    int AnimatedSteps = 8;
    TChartZoomDirection Direction = tzdBoth;
    TShiftState KeyShift;
    int MinimumPixels = 16;
    TMouseButton MouseButton = TMouseButton::mbLeft;
    bool UpLeftZooms = false;

private:
    std::unique_ptr<TChartPen> pen_;
    std::unique_ptr<TChartBrush> brush_;
};
