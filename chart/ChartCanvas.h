#pragma once
// The one drawing surface every chart element draws through. A concrete
// canvas supplies the primitive operations (the current position, lines,
// text); the composite operations are built from them here. The canvas
// keeps its own pen and brush, which the concrete canvas realises.

#include "chart/ChartPen.h"
#include "chart/ChartTypes.h"

#include <string>

class TChartCanvas {
public:
    virtual ~TChartCanvas() = default;

    // ---- primitives ----
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;
    virtual bool SupportsRotation3D() const { return false; }

    // ---- composites ----
    void Line(int x0, int y0, int x1, int y1) {
        MoveTo(x0, y0);
        LineTo(x1, y1);
    }
    void Line(TPoint p0, TPoint p1) { Line(p0.X, p0.Y, p1.X, p1.Y); }
    void HorizontalLine(int x0, int x1, int y) {
        MoveTo(x0, y);
        LineTo(x1, y);
    }
    void VerticalLine(int x, int y0, int y1) {
        MoveTo(x, y0);
        LineTo(x, y1);
    }
    int FontLineHeight() { return TextHeight("W"); }

    // ---- tools ----
    TChartPen& Pen() { return pen_; }
    TChartBrush& Brush() { return brush_; }
    bool Monochrome() const { return monochrome_; }
    void SetMonochrome(bool value) { monochrome_ = value; }
    // The canvas pen takes the pen's settings in `color`; a hidden chart pen
    // clears the canvas pen so the next outline is invisible.
    void SelectPenColor(const TChartPen& pen, TColor color);
    void SelectPen(const TChartPen& pen) { SelectPenColor(pen, pen.Color()); }

private:
    TChartPen pen_;
    TChartBrush brush_;
    bool monochrome_ = false;
};

class TCanvas3D : public TChartCanvas {};
