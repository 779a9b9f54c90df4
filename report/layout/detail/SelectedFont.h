#pragma once
// The canvas's font selected into its context for the platform's text
// calls that the canvas does not wrap, and the previous font put back.

#include "ui/graphics/Canvas.h"

#include "platform/gdi/DeviceContexts.h"

class SelectedFont {
public:
    explicit SelectedFont(TCanvas& canvas)
        : dc_(canvas.Handle()), previous_(platform::SelectObject(dc_, canvas.Font()->Handle())) {}
    ~SelectedFont() { platform::SelectObject(dc_, previous_); }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

    platform::HDC Dc() const { return dc_; }

private:
    platform::HDC dc_;
    platform::HGDIOBJ previous_;
};
