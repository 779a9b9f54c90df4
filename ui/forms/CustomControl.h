#pragma once
// Controls that paint themselves on a canvas: TCustomControl has a window,
// TGraphicControl is painted inside its parent's window. Both draw in Paint.

#include "ui/forms/WinControl.h"
#include "ui/graphics/Canvas.h"

// A canvas over the context a control is being painted in.
class TControlCanvas : public TCanvas {
public:
    explicit TControlCanvas(TControl& control) : control_(control) {}
    TControl& Control() const { return control_; }

private:
    TControl& control_;
};

class TCustomControl : public TWinControl {
    DECLARE_CLASS_INFO
public:
    explicit TCustomControl(TComponent* owner);
    TCanvas* Canvas() { return &canvas_; }

protected:
    virtual void Paint() {}
    void PaintWindow(platform::HDC dc) override;
    void Dispatch(TMessage& message) override;

private:
    TControlCanvas canvas_;
};

class TGraphicControl : public TControl {
    DECLARE_CLASS_INFO
public:
    explicit TGraphicControl(TComponent* owner);
    TCanvas* Canvas() { return &canvas_; }

protected:
    virtual void Paint() {}
    void Dispatch(TMessage& message) override;

private:
    TControlCanvas canvas_;
};
