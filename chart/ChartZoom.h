#pragma once
// The mouse input a chart reacts to, and the state of a zoom or scroll drag.

#include "ui/Messages.h"

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
    // Copies all but MinimumPixels and UpLeftZooms.
    void Assign(const TChartZoom& source);
    bool Allow = true;
    bool Animated = false;
    int AnimatedSteps = 8;
    TChartZoomDirection Direction = tzdBoth;
    TShiftState KeyShift;
    int MinimumPixels = 16;
    TMouseButton MouseButton = TMouseButton::mbLeft;
    bool UpLeftZooms = false;
};
