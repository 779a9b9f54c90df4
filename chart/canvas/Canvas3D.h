#pragma once
// The canvas of a chart that may show depth: the chart's 3D space projected
// onto the flat drawing surface, with the solids and planes built on it.

#include "chart/canvas/ChartCanvas.h"

#include <string>
#include <vector>

class TCanvas;
class TGraphic;
class TView3DOptions;

// A point in the chart's 3D space.
struct TPoint3D {
    int X = 0, Y = 0, Z = 0;
};

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
    TPoint ChartToScreen(TPoint p, int z) { return ChartToScreen(p.X, p.Y, z); }
    // The same with fractional X and Y, for curved outlines.
    virtual TPoint ChartToScreenFloat(double x, double y, int z);
    // A screen point back to chart coordinates at depth z.
    virtual void ScreenToChart(int&, int&, int) {}
    // The rectangle between the projected top-left and bottom-right corners.
    TRect ProjectRect(const TRect& rect, int z);
    // Top-left, top-right, bottom-right, bottom-left.
    std::vector<TPoint> ProjectRectCorners(const TRect& rect, int z);
    // Bounds of the projected corners, right and bottom one larger.
    TRect ProjectedBounds(const TRect& rect, int z);
    void PolygonAtDepth(const TPoint* points, int count, int z);
    void PolylineAtDepth(const TPoint* points, int count, int z);
    TColor ReadPixelAtDepth(int x, int y, int z) {
        const TPoint p = ChartToScreen(x, y, z);
        return GetPixel(p.X, p.Y);
    }
    // Renderers that draw true 3D text scale it themselves.
    virtual bool SupportsText3D() const { return false; }
    // Named groups of output for renderers that keep them.
    virtual void BeginGroup(const std::string&) {}
    virtual void EndGroup() {}
    bool SupportsItemIds = false;
    int GradientDepth = 0;
    // The monochrome switch and the 3D options of another canvas.
    void Assign(TCanvas3D& source) {
        SetMonochrome(source.Monochrome());
        options_ = source.options_;
    }
    TView3DOptions* View3DOptions() const { return options_; }
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
    void LineAtDepth(TPoint p0, TPoint p1, int z) { LineAtDepth(p0.X, p0.Y, p1.X, p1.Y, z); }
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

    // ---- solids (projected and drawn with the pen and brush; faces turned
    // away from the viewer are left out; dark flags darken side faces) ----
    // The pixel, or a dot of the pen's width, at the projected point.
    virtual void WritePixelAtDepth(int x, int y, int z, TColor color);
    virtual void Cube(int left, int right, int top, int bottom, int z0, int z1, bool darkSides);
    void Cube(const TRect& r, int z0, int z1, bool darkSides) { Cube(r.Left, r.Right, r.Top, r.Bottom, z0, z1, darkSides); }
    // Upright along Y from `bottom` (vertical) or lying along X from `left`;
    // the far end's radii are `conePercent` of the base's.
    virtual void Cone(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool dark3D,
                      int conePercent);
    virtual void Cylinder(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool dark3D) {
        Cone(vertical, left, top, right, bottom, z0, z1, dark3D, 100);
    }
    // Apex at `top` (vertical) or `right`.
    virtual void Pyramid(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool darkSides);
    // Its top `truncX` wide either side of the middle and `truncZ` deep either side.
    virtual void TruncatedPyramid(const TRect& rect, int startZ, int endZ, int truncX, int truncZ);
    virtual void EllipseAtDepth(int x1, int y1, int x2, int y2, int z);
    void EllipseAtDepth(const TRect& r, int z) { EllipseAtDepth(r.Left, r.Top, r.Right, r.Bottom, z); }
    virtual void Sphere(int x, int y, int z, double radius);
    // From `from` to `to` at depth z; the shaft of a filled arrow is
    // `arrowPercent` of the head's width.
    virtual void Arrow(bool filled, TPoint from, TPoint to, int headWidth, int headHeight, int z, int arrowPercent = 50);
    // Drawing stays inside the projected box until RemoveClip.
    virtual void ClipToBox(const TRect& rect, int minZ, int maxZ);

    // ---- planes ----
    virtual void RectangleAtDepth(const TRect& rect, int z);
    void RectangleAtDepth(int left, int top, int right, int bottom, int z) { RectangleAtDepth(TRect{left, top, right, bottom}, z); }
    // Horizontal at y, across the depth from z0 to z1.
    virtual void HorizontalRect3D(int left, int y, int right, int z0, int z1);
    // Upright at x, across the depth from z0 to z1.
    virtual void DepthRect3D(int x, int top, int bottom, int z0, int z1);
    // The band from p1 to p2 across the depth from z0 to z1.
    virtual void Plane(TPoint p1, TPoint p2, int z0, int z1);
    virtual void QuadAtDepth(TPoint p1, TPoint p2, TPoint p3, TPoint p4, int z);
    void QuadAtDepth(const TPoint (&p)[4], int z) { QuadAtDepth(p[0], p[1], p[2], p[3], z); }
    // The first two points at z0, the last two at z1.
    virtual void QuadBetweenDepths(const TPoint (&points)[4], int z0, int z1);
    virtual void PolygonOfPoints3D(const TPoint3D* points, int count);
    // Filled in the first colour.
    virtual void ColoredTriangle3D(const TPoint3D (&points)[3], const TColor (&colors)[3]);
    virtual void TriangleAtDepth(TPoint p1, TPoint p2, TPoint p3, int z);
    // The picture laid on the plane X = position (plane 0: columns along Z),
    // Y = position (1: rows along Z) or Z = position (2), one quad a pixel.
    void PictureOnPlane(const TRect& rect, TGraphic* graphic, int position, int plane);

protected:
    // The four-sided face of a solid, in screen points.
    TPoint storedQuad_[4];
    virtual void DrawStoredQuad() { Polygon(storedQuad_, 4); }
    // Projects the four corners into the stored quad and draws it.
    void DrawQuad(const TPoint3D (&corners)[4]);
    // The face colour a solid starts from: the brush colour, or the colour
    // between hatch lines.
    TColor FaceColor();
    TView3DOptions* options_ = nullptr;

private:
    int rotationDisabled_ = 0;
};
