#pragma once
// The chart's canvas over the platform's device contexts: the projection of
// 3D chart coordinates to screen pixels (flat, oblique, rotated with
// perspective) and its reverse.

#include "chart/canvas/Canvas3D.h"
#include "chart/canvas/ChartFont.h"
#include "chart/canvas/View3DOptions.h"

#include "ui/graphics/Bitmap.h"

#include "platform/gdi/GdiTypes.h"

#include <functional>
#include <memory>
#include <string>

class TChartCanvas3D : public TCanvas3D {
public:
    TChartCanvas3D();
    ~TChartCanvas3D() override;
    TChartCanvas3D(const TChartCanvas3D&) = delete;
    TChartCanvas3D& operator=(const TChartCanvas3D&) = delete;

    // ---- where drawing goes ----
    // With the buffer on, into an off-screen bitmap the size of `userRect`,
    // whose rectangle (at 0, 0) is answered; else straight onto `destination`.
    TRect PrepareDrawing(TCanvas* destination, TView3DOptions* options, TColor backColor, bool view3D,
                         const TRect& userRect) override;
    void PresentBuffer(TCanvas* destination, TCanvas* defaultCanvas, const TRect& userRect) override;
    bool RepaintFromBuffer() override;
    void Invalidate() override { bufferStale_ = true; }
    bool GetBuffered() const override { return buffered_; }
    void SetBuffered(bool value) override;
    // Makes `bitmap` the buffer (the canvas does not own it from then on).
    void SetBuffer(TBitmap* bitmap);
    void ReleaseBuffer();
    // The whole buffer onto `destination` at (x, y).
    void CopyBufferTo(int x, int y, TCanvas& destination);
    TBitmap* BufferBitmap() const { return buffer_; }
    // Switching the buffer off keeps it (a frame drawn elsewhere meanwhile).
    bool KeepBuffer = false;
    // The rectangle the chart takes on its destination.
    const TRect& CanvasBounds() const { return canvasBounds_; }
    bool BufferStale() const { return bufferStale_; }
    // The picture held is stale and the panel repaints.
    void SetMonochrome(bool value) override;
    // The platform canvas drawn on now.
    TCanvas* TargetCanvas() const { return target_; }
    void SetTargetCanvas(TCanvas* canvas);
    platform::HDC Handle() override;

    // ---- primitives on the device context ----
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    using TCanvas3D::LineTo;
    using TCanvas3D::MoveTo;
    // With the current chart font's shadow, outline, gradient or picture.
    void TextOut(int x, int y, const std::string& text) override;
    using TChartCanvas::TextOut;
    // Counter-clockwise by `angle` degrees; angles above 360 come down by turns.
    void TextOutRotated(int x, int y, const std::string& text, int angle) override;
    // Scaled with the 3D zoom when ZoomText is on.
    void TextOutAtDepth(int x, int y, int z, const std::string& text) override;
    // Including a visible shadow of the current chart font.
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void FillRect(const TRect& rect) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Polygon(const TPoint* points, int count) override;
    void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) override;
    void Polyline(const std::vector<TPoint>& points) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void Draw(int x, int y, TGraphic* graphic) override;
    void StretchDraw(const TRect& rect, TGraphic* graphic) override;
    TColor GetPixel(int x, int y) override;
    void SetPixel(int x, int y, TColor color) override;
    TColor QueryBackColor() override;
    void AssignBackColor(TColor color) override;
    int QueryBackMode() override;
    void AssignBackMode(int mode) override;
    void SetTextAlign(unsigned align) override;
    void FillGradient(const TRect& rect, TColor startColor, TColor endColor, TGradientDirection direction, int balance,
                      int radialX, int radialY) override;
    void ClipToRect(const TRect& rect) override;
    void ClipToRoundRect(const TRect& rect, int size) override;
    void ClipToEllipse(const TRect& rect, bool inverted) override;
    void ClipToPolygon(const TPoint* points, int count, bool inverted) override;
    void RemoveClip() override;
    void SelectChartFont(TChartFont& font) override;
    void SetDefaultTools() override;
    // The DC's text alignment as drawing left it.
    unsigned QueryTextAlign();

    // Sets the projection up for a drawing: the view's options (or none) and
    // whether the chart is shown in 3D.
    void PrepareProjection(TView3DOptions* options, bool view3D);
    // The projection centre and zoom once the chart rectangle is known.
    void SetupProjection(int maxDepth, const TRect& rect) override;
    TPoint ChartToScreen(int x, int y, int z) override { return ChartToScreenFloat(x, y, z); }
    TPoint ChartToScreenFloat(double x, double y, int z) override;
    void ScreenToChart(int& x, int& y, int z) override;
    // Titles and the legend are drawn flat inside a 3D view.
    void RotationOff() override;
    void RotationOn() override;

    // ---- solids that need the projection's mode or the device context ----
    // Oblique: the platform ellipse between the projected corners; rotated:
    // a fan of triangles; flat: one pixel larger to the right and bottom.
    void EllipseAtDepth(int x1, int y1, int x2, int y2, int z) override;
    using TCanvas3D::EllipseAtDepth;
    void ClipToBox(const TRect& rect, int minZ, int maxZ) override;
    // A flat ring sector; angles in radians, counter-clockwise from three o'clock.
    void Donut(int centreX, int centreY, int xRadius, int yRadius, double startAngle, double endAngle,
               double holePercent);
    // A pie slice with depth (angles in radians); with `donutPercent` a ring
    // sector, with `gradient` a gradient face.
    void PieSliceAtDepth(int centreX, int centreY, int xRadius, int yRadius, int z0, int z1, double startAngle,
                         double endAngle, bool darkSides, bool drawSides, int donutPercent,
                         TCustomChartGradient* gradient);

    bool Active3D() const { return active3D_; }
    bool ObliqueMode() const { return obliqueMode_; }
    double ZoomFactor() const { return zoomFactor_; }
    bool ZoomText() const { return zoomText_; }
    // The projection centre SetupProjection found.
    int CentreX() const { return centreX_; }
    int CentreY() const { return centreY_; }
    int CentreZ() const { return centreZ_; }

protected:
    void RealizePen();
    // Runs `shape` with the pen and the brush selected.
    void WithTools(const std::function<void(platform::HDC)>& shape);
    platform::HBRUSH MakeBrush(platform::HDC dc);
    // The canvas font into `dc`: a copy turned by textEscapement_ tenths of a
    // degree, or textHeight_ pixels high, while either is set.
    void RealizeFont(platform::HDC dc);
    platform::HDC MeasureHandle();
    // The text's extent in the selected font, with room for a visible font shadow.
    platform::SIZE TextExtent(const std::string& text);
    void ReleaseTools();
    void SetInterCharSize(int size) override;
    // The current clip region kept in the one saved region, `region`
    // combined in, then deleted.
    void SaveClipAndCombine(platform::HRGN region, int mode);
    // Text with the chart font's outline, gradient or picture; false when it has none.
    bool TextOutWithEffects(int x, int y, const std::string& text);
    void PlainTextOut(int x, int y, const std::string& text);
    // A smooth text shadow at (sx, sy) blurred in the buffer `steps` times.
    void BlurTextShadow(int sx, int sy, const std::string& text, int steps);
    // The text's box at (x, y) as the text alignment places it.
    TRect TextRect(int x, int y, const std::string& text);
    // The font's height zoomed for 3D, or 0 when it stays as it is.
    int ZoomedFontHeight();

    TCanvas* target_ = nullptr;
    TRect canvasBounds_;
    platform::HDC dc_ = nullptr;
    TBitmap* buffer_ = nullptr;
    std::unique_ptr<TBitmap> ownBuffer_;
    bool buffered_ = true;
    bool bufferStale_ = true;
    platform::HPEN pen_ = nullptr;
    bool penDirty_ = true;
    // What pen_ was made from: a series assigns its pen and then its colour
    // for every line, which marks the pen changed though it is the same.
    struct PenLook {
        platform::COLORREF color;
        int width;
        TPenStyle style;
        bool smallDots;
        int smallSpace;
        TPenEndStyle endStyle;
        TPenMode mode;
        bool operator==(const PenLook&) const = default;
    };
    PenLook penLook_{};
    platform::HFONT font_ = nullptr;  // a turned or zoomed copy of the canvas font
    platform::HFONT fontSource_ = nullptr;
    int fontEscapement_ = 0;
    int fontHeight_ = 0;
    int textEscapement_ = 0;
    int textHeight_ = 0;
    std::unique_ptr<TCanvas> measure_;
    int interCharSize_ = 0;
    bool active3D_ = false;
    bool active3DBeforeRotationOff_ = false;
    bool obliqueMode_ = false;
    bool zoomText_ = true;
    double zoomFactor_ = 1;
    bool perspective_ = false;
    double perspectiveFactor_ = 0;
    bool tilt_ = false;
    long double sinE_ = 0, cosE_ = 1, sinR_ = 0, cosR_ = 1, sinT_ = 0, cosT_ = 1;
    double k1_ = 0, k2_ = 1, k3_ = 1, k4_ = 0, k5_ = 0, k6_ = 0;
    int obliqueX_ = 1;
    double obliqueY_ = 1;
    int centreX_ = 0, centreY_ = 0, centreZ_ = 0;
    int xOffset_ = 0, yOffset_ = 0;
};
