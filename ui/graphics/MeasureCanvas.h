#pragma once
// A canvas for measuring text outside painting (caret places, item heights):
// a memory context of its own.

#include "ui/graphics/Canvas.h"

class TMeasureCanvas : public TCanvas {
public:
    TMeasureCanvas();
    ~TMeasureCanvas() override;
    TMeasureCanvas(const TMeasureCanvas&) = delete;
    TMeasureCanvas& operator=(const TMeasureCanvas&) = delete;

private:
    platform::HDC dc_;
};
