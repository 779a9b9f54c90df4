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
    // Counter-clockwise, in degrees, about (x, y).
    virtual void TextOutRotated(int x, int y, const std::string& text, int angle) = 0;
    // The system's text-alignment flags (TA_LEFT 0, TA_RIGHT 2, TA_CENTER 6,
    // TA_TOP 0, TA_BOTTOM 8, TA_BASELINE 24).
    virtual void SetTextAlign(unsigned align) { textAlign_ = align; }
    unsigned TextAlign() const { return textAlign_; }
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;
    virtual bool SupportsRotation3D() const { return false; }
    // With the brush, no outline.
    virtual void FillRect(const TRect& rect) = 0;
    // Outlined with the pen, filled with the brush; right and bottom outside.
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    // Outlined with the pen, filled with the brush.
    virtual void Polygon(const TPoint* points, int count) = 0;
    // Drawing stays inside the rectangle until RemoveClip (one level).
    virtual void ClipToRect(const TRect& rect) = 0;
    virtual void RemoveClip() = 0;

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
    // Black solid pen of width 1, white solid brush, left-top text.
    void SetDefaultTools();

private:
    unsigned textAlign_ = 0;
    TChartPen pen_;
    TChartBrush brush_;
    bool monochrome_ = false;
};

constexpr unsigned TA_LEFT = 0;
constexpr unsigned TA_RIGHT = 2;
constexpr unsigned TA_CENTER = 6;
constexpr unsigned TA_TOP = 0;
constexpr unsigned TA_BOTTOM = 8;
constexpr unsigned TA_BASELINE = 24;

// The canvas of a chart that may show depth: chart coordinates at depth Z
// (0 at the front) project to the screen.
class TCanvas3D : public TChartCanvas {
public:
    virtual TPoint ChartToScreen(int x, int y, int z) = 0;
    // The projection's centre once the plot rectangle and depth are known;
    // a canvas that draws flat has nothing to set up.
    virtual void SetupProjection(int, const TRect&) {}
    void MoveToAtDepth(int x, int y, int z) {
        const TPoint p = ChartToScreen(x, y, z);
        MoveTo(p.X, p.Y);
    }
    void LineToAtDepth(int x, int y, int z) {
        const TPoint p = ChartToScreen(x, y, z);
        LineTo(p.X, p.Y);
    }
    void LineAtDepth(int x0, int y0, int x1, int y1, int z) {
        MoveToAtDepth(x0, y0, z);
        LineToAtDepth(x1, y1, z);
    }
    void HorizontalLine3D(int left, int right, int y, int z) {
        MoveToAtDepth(left, y, z);
        LineToAtDepth(right, y, z);
    }
    void VerticalLine3D(int x, int top, int bottom, int z) {
        MoveToAtDepth(x, top, z);
        LineToAtDepth(x, bottom, z);
    }
    void DepthLine3D(int x, int y, int z0, int z1) {
        MoveToAtDepth(x, y, z0);
        LineToAtDepth(x, y, z1);
    }
    virtual void TextOutAtDepth(int x, int y, int z, const std::string& text) {
        const TPoint p = ChartToScreen(x, y, z);
        TextOut(p.X, p.Y, text);
    }
    virtual void TextOutRotated3D(int x, int y, int z, const std::string& text, int angle) {
        const TPoint p = ChartToScreen(x, y, z);
        TextOutRotated(p.X, p.Y, text, angle);
    }
};
