#pragma once
// The one drawing surface every chart element draws through. A concrete
// canvas supplies the primitive operations (the current position, lines,
// text); the composite operations are built from them here. The canvas
// keeps its own pen and brush, which the concrete canvas realises.

#include "chart/ChartPen.h"
#include "chart/ChartTypes.h"

#include <string>
#include <vector>

class TCanvas;
class TView3DOptions;

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
    // The picture held is no longer current. A canvas without a buffer
    // draws straight onto its destination and holds no picture.
    virtual void Invalidate() {}
    virtual bool GetBuffered() const { return false; }
    virtual void SetBuffered(bool) {}
    // Set while drawing into a metafile: no blending, no smoothing.
    bool MetafileOutput = false;
    // With the brush, no outline.
    virtual void FillRect(const TRect& rect) = 0;
    // Outlined with the pen, filled with the brush; right and bottom outside.
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    // Outlined with the pen, filled with the brush.
    virtual void Polygon(const TPoint* points, int count) = 0;
    // (x3, y3): the corner ellipse.
    virtual void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) = 0;
    void RoundRect(const TRect& r, int x, int y) { RoundRect(r.Left, r.Top, r.Right, r.Bottom, x, y); }
    virtual void Polyline(const std::vector<TPoint>& points) = 0;
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
    // A raised frame `width` pixels wide inside `rect`, which comes back
    // shrunk by `width` on every side; the pen is left solid, one pixel wide.
    void BevelFrame(TRect& rect, TColor topColor, TColor bottomColor, int width);

    // ---- tools ----
    TChartPen& Pen() { return pen_; }
    TChartBrush& Brush() { return brush_; }
    bool Monochrome() const { return monochrome_; }
    void SetMonochrome(bool value) { monochrome_ = value; }
    // The canvas pen takes the pen's settings in `color`; a hidden chart pen
    // clears the canvas pen so the next outline is invisible.
    void SelectPenColor(const TChartPen& pen, TColor color);
    void SelectPen(const TChartPen& pen) { SelectPenColor(pen, pen.Color()); }
    // Fills in `color` with the brush's style; `backColor` shows between
    // hatch lines (clNone: the background).
    void SelectBrushColor(const TChartBrush& brush, TColor color, TColor backColor);
    void SelectBrush(const TChartBrush& brush, TColor color) { SelectBrushColor(brush, color, brush.Color()); }
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
    // Prepares a frame onto `destination` within `userRect` and answers the
    // rectangle to draw in (at 0, 0 of a buffer, or `userRect` itself).
    virtual TRect PrepareDrawing(TCanvas*, TView3DOptions*, TColor, bool, const TRect& userRect) { return userRect; }
    // Copies the finished frame to `destination`; `defaultCanvas` is drawn on afterwards.
    virtual void PresentBuffer(TCanvas*, TCanvas*, const TRect&) {}
    // Shows the last frame again while it is current; false when it must be drawn.
    virtual bool RepaintFromBuffer() { return false; }
    // Pairs nest; only the outermost pair switches the 3D projection off and on.
    void SuspendRotation() {
        if (rotationDisabled_ == 0) RotationOff();
        ++rotationDisabled_;
    }
    void ResumeRotation() {
        if (--rotationDisabled_ == 0) RotationOn();
    }
    int RotationDisabled() const { return rotationDisabled_; }
    virtual void RotationOff() {}
    virtual void RotationOn() {}
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

private:
    int rotationDisabled_ = 0;
};
