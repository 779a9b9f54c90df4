#pragma once
// The one drawing surface every chart element draws through. A concrete
// canvas supplies the primitive operations (the current position, lines,
// text); the composite operations are built from them here. The canvas
// keeps its own pen and brush, which the concrete canvas realises.

#include "chart/canvas/ChartBrush.h"
#include "chart/canvas/ChartPen.h"
#include "chart/core/ChartTypes.h"

#include "platform/gdi/GdiTypes.h"

#include <memory>
#include <string>
#include <vector>

class TCanvas;
class TChartBlend;
class TChartFont;
class TCustomChartGradient;
class TGraphic;
class TView3DOptions;

enum TGradientDirection {
    gdTopBottom, gdBottomTop, gdLeftRight, gdRightLeft, gdFromCenter, gdFromTopLeft, gdFromBottomLeft, gdRadial,
    gdDiagonalUp, gdDiagonalDown
};

// The system's background modes.
constexpr int TRANSPARENT_MODE = 1;
constexpr int OPAQUE_MODE = 2;

class TChartCanvas {
public:
    virtual ~TChartCanvas() = default;

    // ---- primitives ----
    // The device context drawn on; none for a canvas that draws without one.
    virtual platform::HDC Handle() { return nullptr; }
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    void MoveTo(TPoint p) { MoveTo(p.X, p.Y); }
    void LineTo(TPoint p) { LineTo(p.X, p.Y); }
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    // With `allowHtml` the text's tags set fonts and lines (chart/HtmlText).
    void TextOut(int x, int y, const std::string& text, bool allowHtml);
    // Counter-clockwise, in degrees, about (x, y).
    virtual void TextOutRotated(int x, int y, const std::string& text, int angle) = 0;
    // The system's text-alignment flags (TA_LEFT 0, TA_RIGHT 2, TA_CENTER 6,
    // TA_TOP 0, TA_BOTTOM 8, TA_BASELINE 24).
    virtual void SetTextAlign(unsigned align) { textAlign_ = align; }
    unsigned TextAlign() const { return textAlign_; }
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;
    // The same for text of wide characters.
    int TextWidthW(const std::wstring& text);
    int TextHeightW(const std::wstring& text);
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
    void Polygon(const std::vector<TPoint>& points) { Polygon(points.data(), static_cast<int>(points.size())); }
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    // Counter-clockwise from (x3, y3) to (x4, y4) on the ellipse in the box.
    virtual void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    virtual void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    // Angles in degrees, counter-clockwise from three o'clock.
    void ArcAngles(int left, int top, int right, int bottom, double startAngle, double endAngle);
    virtual void ClearRect(const TRect& rect) { FillRect(rect); }
    // A graphic at its own size, or stretched; nothing for none or an empty one.
    virtual void Draw(int x, int y, TGraphic* graphic) = 0;
    virtual void StretchDraw(const TRect& rect, TGraphic* graphic) = 0;
    virtual TColor GetPixel(int x, int y) = 0;
    virtual void SetPixel(int x, int y, TColor color) = 0;
    virtual TColor QueryBackColor() = 0;
    virtual void AssignBackColor(TColor color) = 0;
    // TRANSPARENT_MODE or OPAQUE_MODE.
    virtual int QueryBackMode() = 0;
    virtual void AssignBackMode(int mode) = 0;
    // Colour bands from `startColor` to `endColor`.
    virtual void FillGradient(const TRect& rect, TColor startColor, TColor endColor, TGradientDirection direction,
                              int balance, int radialX, int radialY) = 0;
    void FillPolygonGradient(const TPoint* points, int count, TCustomChartGradient& gradient);

    // Drawing stays inside the shape until RemoveClip (one level).
    virtual void ClipToRect(const TRect& rect) = 0;
    virtual void ClipToRoundRect(const TRect& rect, int size) = 0;
    // Inverted: everything but the ellipse.
    virtual void ClipToEllipse(const TRect& rect, bool inverted) = 0;
    virtual void ClipToPolygon(const TPoint* points, int count, bool inverted) = 0;
    virtual void RemoveClip() = 0;

    // Whatever is drawn between these two shows the background through by
    // `transparency` per cent.
    virtual std::unique_ptr<TChartBlend> StartTransparency(const TRect& rect, int transparency);
    virtual void FinishTransparency(std::unique_ptr<TChartBlend> blend);

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
    virtual void SetMonochrome(bool value) { monochrome_ = value; }
    // The canvas pen takes the pen's settings in `color`; a hidden chart pen
    // clears the canvas pen so the next outline is invisible.
    void SelectPenColor(const TChartPen& pen, TColor color);
    void SelectPen(const TChartPen& pen) { SelectPenColor(pen, pen.Color()); }
    // Fills in `color` with the brush's style; `backColor` shows between
    // hatch lines (clNone: the background).
    void SelectBrushColor(const TChartBrush& brush, TColor color, TColor backColor);
    void SelectBrush(const TChartBrush& brush, TColor color) { SelectBrushColor(brush, color, brush.Color()); }
    // The canvas font copies `font` (scaled by FontScale) and text output
    // takes its shadow, outline and fill.
    virtual void SelectChartFont(TChartFont& font);
    TChartFont* ChartFont() const { return chartFont_; }
    TFont& Font() { return font_; }
    // Percent applied to every selected font's size.
    double FontScale = 100;
    // The darker colour fills a solid brush, or shows between hatch lines.
    void DarkenBrush(TColor color, int amount);
    // Black solid pen of width 1, white solid brush, the default chart font
    // without effects, transparent background, left-top text.
    virtual void SetDefaultTools();

protected:
    // The extra pixels between characters, as the concrete canvas keeps them.
    virtual void SetInterCharSize(int) {}
    int blendTransparency_ = 0;
    TChartFont* chartFont_ = nullptr;

private:
    unsigned textAlign_ = 0;
    TFont font_;
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
