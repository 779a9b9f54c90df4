#pragma once

#include "ui/core/Persistent.h"

// One mouse drag: where it started and where it is now.
class TZoomPanning : public TPersistent {
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
