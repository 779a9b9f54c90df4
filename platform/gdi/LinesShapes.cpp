#include "platform/gdi/LinesShapes.h"

#include "platform/gdi/Paths.h"
#include "platform/gdi/detail/PathState.h"
#include "platform/gdi/detail/Stroke.h"
#include "platform/system/LastError.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace platform {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
// More points than any real figure has: a guard against bad counts.
constexpr long long kMaxPoints = 1 << 24;

BOOL BadParameter() {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}

PointF DeviceF(const DeviceContext& dc, POINT logical) {
    POINT p = dc.state.mapping.ToDevice(logical);
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

std::vector<POINT> SurfacePoints(const DeviceContext& dc, const POINT* points, std::size_t count) {
    std::vector<POINT> out;
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) out.push_back(dc.ToSurface(points[i]));
    return out;
}

void DrawPolyline(DeviceContext& dc, const std::vector<POINT>& surfacePoints, bool closed) {
    Raster raster(dc);
    if (!raster.Drawable()) return;
    PenShape pen = PenShapeOf(raster);
    if (PaintSolidThinPolyline(raster, pen, surfacePoints, closed)) return;
    PaintStroke(raster, pen, StrokePolyline(pen, surfacePoints, closed, raster.Clip().Bounds()));
}

void RecordPolyline(DeviceContext& dc, PathState& path, const POINT* points, std::size_t count, bool startNew) {
    for (std::size_t i = 0; i < count; ++i) {
        PointF p = DeviceF(dc, points[i]);
        if (i == 0 && startNew) path.MoveTo(p);
        else path.LineTo(p);
    }
}

// Fills polygons (device points on the pixel grid) with the brush, then
// outlines each with the pen.
void DrawPolygons(DeviceContext& dc, const std::vector<std::vector<POINT>>& polygons) {
    Raster raster(dc);
    if (!raster.Drawable()) return;
    RECT bounds = raster.Clip().Bounds();
    std::vector<std::vector<PointF>> shapes;
    for (const auto& polygon : polygons) {
        std::vector<PointF> shape;
        for (POINT p : polygon) shape.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
        shapes.push_back(std::move(shape));
    }
    raster.Fill(RegionFromSpans(PolygonSpans(shapes, dc.state.polyFillMode, {bounds.top, bounds.bottom})),
                raster.BrushPaint());
    PenShape pen = PenShapeOf(raster);
    for (const auto& polygon : polygons) PaintStroke(raster, pen, StrokePolyline(pen, polygon, true, bounds));
}

enum class BoxShape { Rectangle, RoundRect, Ellipse, Arc, Pie, Chord };

struct BoxRequest {
    BoxShape shape;
    RECT logical;
    POINT cornerSize;  // logical, RoundRect
    POINT start;       // logical radial points, arcs
    POINT end;
};

// Angle of a point seen from the ellipse's centre, in the ellipse's own
// normalised space, counter-clockwise on screen, in [0, 2pi).
double AngleOf(PointF p, PointF centre, double rx, double ry) {
    double a = std::atan2(-(p.y - centre.y) / std::max(ry, 1e-9), (p.x - centre.x) / std::max(rx, 1e-9));
    return a < 0 ? a + kTwoPi : a;
}

struct Sweep {
    double start = 0;
    double extent = kTwoPi;
    bool Contains(double angle) const {
        double d = angle - start;
        while (d < 0) d += kTwoPi;
        while (d >= kTwoPi) d -= kTwoPi;
        return d <= extent + 1e-9;
    }
};

// Spans cut to the columns of a box, so per-pixel work stays on the surface.
std::vector<Span> ClipSpans(const std::vector<Span>& spans, const RECT& bounds) {
    std::vector<Span> out;
    out.reserve(spans.size());
    for (Span s : spans) {
        s.x0 = std::max(s.x0, bounds.left);
        s.x1 = std::min(s.x1, bounds.right);
        if (s.x1 > s.x0 && s.y >= bounds.top && s.y < bounds.bottom) out.push_back(s);
    }
    return out;
}

// Keeps the pixels of spans that pass a test.
template <class Keep>
std::vector<Span> Filter(const std::vector<Span>& spans, Keep keep) {
    std::vector<Span> out;
    for (const Span& s : spans)
        for (LONG x = s.x0; x < s.x1; ++x)
            if (keep(x, s.y)) {
                if (!out.empty() && out.back().y == s.y && out.back().x1 == x) ++out.back().x1;
                else out.push_back({s.y, x, x + 1});
            }
    return out;
}

void RecordBoxShape(DeviceContext& dc, PathState& path, const BoxRequest& request) {
    PointF a = DeviceF(dc, {request.logical.left, request.logical.top});
    PointF b = DeviceF(dc, {request.logical.right, request.logical.bottom});
    BoxF box{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) - 1, std::max(a.y, b.y) - 1};
    if (request.shape == BoxShape::Rectangle) {
        path.AddClosedFigure({{box.left, box.top}, {box.right, box.top}, {box.right, box.bottom}, {box.left, box.bottom}});
        return;
    }
    PointF centre{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    double rx = (box.right - box.left) / 2, ry = (box.bottom - box.top) / 2;
    if (request.shape == BoxShape::Ellipse || request.shape == BoxShape::RoundRect) {
        if (request.shape == BoxShape::Ellipse) {
            path.AddClosedFigure(EllipseArcPoints(centre, rx, ry, 0, kTwoPi));
            return;
        }
        double cx = std::min(rx, std::abs(request.cornerSize.x) / 2.0);
        double cy = std::min(ry, std::abs(request.cornerSize.y) / 2.0);
        std::vector<PointF> outline;
        auto corner = [&](double x, double y, double a0) {
            auto arc = EllipseArcPoints({x, y}, cx, cy, a0, std::numbers::pi / 2);
            outline.insert(outline.end(), arc.begin(), arc.end());
        };
        corner(box.right - cx, box.top + cy, 0);
        corner(box.left + cx, box.top + cy, std::numbers::pi / 2);
        corner(box.left + cx, box.bottom - cy, std::numbers::pi);
        corner(box.right - cx, box.bottom - cy, 3 * std::numbers::pi / 2);
        path.AddClosedFigure(std::move(outline));
        return;
    }
    double s = AngleOf(DeviceF(dc, request.start), centre, rx, ry);
    double e = AngleOf(DeviceF(dc, request.end), centre, rx, ry);
    bool clockwise = dc.state.arcDirection == AD_CLOCKWISE;
    double extent = clockwise ? s - e : e - s;
    if (extent <= 0) extent += kTwoPi;
    auto arc = EllipseArcPoints(centre, rx, ry, s, clockwise ? -extent : extent);
    if (request.shape == BoxShape::Arc) {
        path.MoveTo(arc.front());
        for (PointF p : arc) path.LineTo(p);
        return;
    }
    if (request.shape == BoxShape::Pie) arc.push_back(centre);
    path.AddClosedFigure(std::move(arc));
}

void DrawBoxShape(DeviceContext& dc, const BoxRequest& request) {
    Raster raster(dc);
    if (!raster.Drawable()) return;
    POINT a = dc.ToSurface({request.logical.left, request.logical.top});
    POINT b = dc.ToSurface({request.logical.right, request.logical.bottom});
    RECT box = NormalizedRect({a.x, a.y, b.x, b.y});
    if (static_cast<long long>(box.right) - box.left < 1 || static_cast<long long>(box.bottom) - box.top < 1) return;
    RECT bounds = raster.Clip().Bounds();
    RowRange rows{bounds.top - 1, bounds.bottom + 1};
    PenShape pen = PenShapeOf(raster);

    double rx = 0, ry = 0;
    if (request.shape == BoxShape::RoundRect) {
        rx = dc.state.mapping.WidthToDevice(request.cornerSize.x) / 2.0;
        ry = dc.state.mapping.HeightToDevice(request.cornerSize.y) / 2.0;
    } else if (request.shape != BoxShape::Rectangle) {
        rx = ry = -1;  // the whole box
    }
    auto spansOf = [&](BoxF f, double grow) {
        double x = rx < 0 ? (f.right - f.left) / 2 : std::max(0.0, rx + grow);
        double y = ry < 0 ? (f.bottom - f.top) / 2 : std::max(0.0, ry + grow);
        return RoundedBoxSpans(f, x, y, rows);
    };

    std::vector<Span> outline, interior;
    if (!pen.visible) {
        interior = spansOf({double(box.left), double(box.top), double(box.right - 1), double(box.bottom - 1)}, 0);
    } else if (pen.thin) {
        SplitOutline(spansOf({double(box.left), double(box.top), double(box.right), double(box.bottom)}, 0), outline,
                     interior);
    } else {
        double w = pen.width;
        BoxF outer = pen.insideFrame ? BoxF{double(box.left), double(box.top), double(box.right), double(box.bottom)}
                                     : BoxF{box.left + 0.5 - w / 2, box.top + 0.5 - w / 2, box.right - 0.5 + w / 2,
                                            box.bottom - 0.5 + w / 2};
        BoxF inner{outer.left + w, outer.top + w, outer.right - w, outer.bottom - w};
        bool square = request.shape == BoxShape::Rectangle;
        std::vector<Span> outerSpans = square ? RoundedBoxSpans(outer, 0, 0, rows) : spansOf(outer, w / 2);
        interior = square ? RoundedBoxSpans(inner, 0, 0, rows) : spansOf(inner, -w / 2);
        Region ring = RegionFromSpans(outerSpans);
        ring.Subtract(RegionFromSpans(interior));
        outline.clear();
        for (const RECT& r : ring.Rects())
            for (LONG y = r.top; y < r.bottom; ++y) outline.push_back({y, r.left, r.right});
    }

    outline = ClipSpans(outline, bounds);
    interior = ClipSpans(interior, bounds);
    bool angular = request.shape == BoxShape::Arc || request.shape == BoxShape::Pie || request.shape == BoxShape::Chord;
    if (!angular) {
        raster.Fill(RegionFromSpans(interior), raster.BrushPaint());
        if (pen.visible) raster.Fill(RegionFromSpans(outline), pen.ink);
        return;
    }

    PointF centre{(box.left + box.right) / 2.0, (box.top + box.bottom) / 2.0};
    double ex = (box.right - box.left) / 2.0, ey = (box.bottom - box.top) / 2.0;
    POINT s = dc.ToSurface(request.start), e = dc.ToSurface(request.end);
    Sweep sweep;
    sweep.start = AngleOf({double(s.x), double(s.y)}, centre, ex, ey);
    double endAngle = AngleOf({double(e.x), double(e.y)}, centre, ex, ey);
    if (dc.state.arcDirection == AD_CLOCKWISE) std::swap(sweep.start, endAngle);
    sweep.extent = endAngle - sweep.start;
    if (sweep.extent <= 0) sweep.extent += kTwoPi;
    auto inSweep = [&](LONG x, LONG y) { return sweep.Contains(AngleOf({x + 0.5, y + 0.5}, centre, ex, ey)); };
    PointF startPoint{centre.x + ex * std::cos(sweep.start), centre.y - ey * std::sin(sweep.start)};
    PointF endPoint{centre.x + ex * std::cos(sweep.start + sweep.extent),
                    centre.y - ey * std::sin(sweep.start + sweep.extent)};

    std::vector<Span> fill;
    if (request.shape == BoxShape::Pie) {
        fill = Filter(interior, inSweep);
    } else if (request.shape == BoxShape::Chord) {
        // The side of the chord the arc bulges to.
        double mid = sweep.start + sweep.extent / 2;
        PointF bulge{centre.x + ex * std::cos(mid), centre.y - ey * std::sin(mid)};
        auto side = [&](double x, double y) {
            return (endPoint.x - startPoint.x) * (y - startPoint.y) - (endPoint.y - startPoint.y) * (x - startPoint.x);
        };
        double bulgeSide = side(bulge.x, bulge.y);
        fill = Filter(interior, [&](LONG x, LONG y) { return side(x + 0.5, y + 0.5) * bulgeSide >= 0; });
    }
    if (request.shape != BoxShape::Arc) raster.Fill(RegionFromSpans(fill), raster.BrushPaint());
    if (!pen.visible) return;
    StrokePixels lines;
    lines.ink = Filter(outline, inSweep);
    auto addLine = [&](PointF from, PointF to) {
        StrokePixels line = StrokePolylineF(pen, {from, to}, false, bounds);
        lines.ink.insert(lines.ink.end(), line.ink.begin(), line.ink.end());
    };
    if (request.shape == BoxShape::Pie) {
        addLine(centre, startPoint);
        addLine(centre, endPoint);
    } else if (request.shape == BoxShape::Chord) {
        addLine(startPoint, endPoint);
    }
    PenShape solid = pen;
    solid.gap = {};
    PaintStroke(raster, solid, lines);
}

BOOL BoxCall(HDC hdc, const BoxRequest& request) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    if (PathState* path = RecordingPath(*dc)) RecordBoxShape(*dc, *path, request);
    else DrawBoxShape(*dc, request);
    return TRUE;
}

PointF ArcEndPoint(const DeviceContext& dc, const RECT& logical, POINT radial) {
    POINT a = dc.state.mapping.ToDevice({logical.left, logical.top});
    POINT b = dc.state.mapping.ToDevice({logical.right, logical.bottom});
    RECT box = NormalizedRect({a.x, a.y, b.x, b.y});
    PointF centre{(box.left + box.right) / 2.0, (box.top + box.bottom) / 2.0};
    double rx = (box.right - box.left) / 2.0, ry = (box.bottom - box.top) / 2.0;
    double angle = AngleOf(DeviceF(dc, radial), centre, rx, ry);
    return {centre.x + rx * std::cos(angle), centre.y - ry * std::sin(angle)};
}

}  // namespace

BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    if (previous) *previous = dc->state.currentPosition;
    dc->state.currentPosition = {x, y};
    if (PathState* path = RecordingPath(*dc)) path->MoveTo(DeviceF(*dc, {x, y}));
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    POINT from = dc->state.currentPosition;
    dc->state.currentPosition = {x, y};
    if (PathState* path = RecordingPath(*dc)) {
        path->LineTo(DeviceF(*dc, {x, y}));
        return TRUE;
    }
    DrawPolyline(*dc, {dc->ToSurface(from), dc->ToSurface({x, y})}, false);
    return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* points, int count) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    if (!points || count < 2 || count > kMaxPoints) return BadParameter();
    if (PathState* path = RecordingPath(*dc)) {
        RecordPolyline(*dc, *path, points, static_cast<std::size_t>(count), true);
        return TRUE;
    }
    DrawPolyline(*dc, SurfacePoints(*dc, points, static_cast<std::size_t>(count)), false);
    return TRUE;
}

BOOL PolylineTo(HDC hdc, const POINT* points, DWORD count) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    if (!points || count > kMaxPoints) return BadParameter();
    if (count == 0) return TRUE;
    if (PathState* path = RecordingPath(*dc)) {
        RecordPolyline(*dc, *path, points, count, false);
    } else {
        std::vector<POINT> all{dc->ToSurface(dc->state.currentPosition)};
        for (DWORD i = 0; i < count; ++i) all.push_back(dc->ToSurface(points[i]));
        DrawPolyline(*dc, all, false);
    }
    dc->state.currentPosition = points[count - 1];
    return TRUE;
}

BOOL PolyPolyline(HDC hdc, const POINT* points, const DWORD* counts, DWORD polylines) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    if (!points || !counts || polylines == 0) return BadParameter();
    long long total = 0;
    for (DWORD i = 0; i < polylines; ++i) {
        if (counts[i] < 2) return BadParameter();
        total += counts[i];
        if (total > kMaxPoints) return BadParameter();
    }
    const POINT* next = points;
    for (DWORD i = 0; i < polylines; ++i) {
        if (PathState* path = RecordingPath(*dc)) RecordPolyline(*dc, *path, next, counts[i], true);
        else DrawPolyline(*dc, SurfacePoints(*dc, next, counts[i]), false);
        next += counts[i];
    }
    return TRUE;
}

BOOL PolyPolygon(HDC hdc, const POINT* points, const INT* counts, int polygons) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    if (!points || !counts || polygons <= 0) return BadParameter();
    long long total = 0;
    for (int i = 0; i < polygons; ++i) {
        if (counts[i] < 2) return BadParameter();
        total += counts[i];
        if (total > kMaxPoints) return BadParameter();
    }
    std::vector<std::vector<POINT>> shapes;
    const POINT* next = points;
    for (int i = 0; i < polygons; ++i) {
        if (PathState* path = RecordingPath(*dc)) {
            std::vector<PointF> figure;
            for (int k = 0; k < counts[i]; ++k) figure.push_back(DeviceF(*dc, next[k]));
            path->AddClosedFigure(std::move(figure));
        } else {
            shapes.push_back(SurfacePoints(*dc, next, static_cast<std::size_t>(counts[i])));
        }
        next += counts[i];
    }
    if (!shapes.empty()) DrawPolygons(*dc, shapes);
    return TRUE;
}

BOOL Polygon(HDC hdc, const POINT* points, int count) {
    INT counts[1] = {count};
    return PolyPolygon(hdc, points, counts, 1);
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    return BoxCall(hdc, {BoxShape::Rectangle, {left, top, right, bottom}, {}, {}, {}});
}

BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height) {
    return BoxCall(hdc, {BoxShape::RoundRect, {left, top, right, bottom}, {width, height}, {}, {}});
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    return BoxCall(hdc, {BoxShape::Ellipse, {left, top, right, bottom}, {}, {}, {}});
}

BOOL Arc(HDC hdc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
    return BoxCall(hdc, {BoxShape::Arc, {left, top, right, bottom}, {}, {xStart, yStart}, {xEnd, yEnd}});
}

BOOL ArcTo(HDC hdc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    RECT logical{left, top, right, bottom};
    PointF start = ArcEndPoint(*dc, logical, {xStart, yStart});
    PointF end = ArcEndPoint(*dc, logical, {xEnd, yEnd});
    POINT startLogical = dc->state.mapping.ToLogical({static_cast<LONG>(std::lround(start.x)), static_cast<LONG>(std::lround(start.y))});
    if (!LineTo(hdc, startLogical.x, startLogical.y)) return FALSE;
    if (!Arc(hdc, left, top, right, bottom, xStart, yStart, xEnd, yEnd)) return FALSE;
    dc->state.currentPosition =
        dc->state.mapping.ToLogical({static_cast<LONG>(std::lround(end.x)), static_cast<LONG>(std::lround(end.y))});
    return TRUE;
}

BOOL Pie(HDC hdc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
    return BoxCall(hdc, {BoxShape::Pie, {left, top, right, bottom}, {}, {xStart, yStart}, {xEnd, yEnd}});
}

BOOL Chord(HDC hdc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
    return BoxCall(hdc, {BoxShape::Chord, {left, top, right, bottom}, {}, {xStart, yStart}, {xEnd, yEnd}});
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    auto dc = DcOrFail(hdc);
    if (!dc || !dc->Surface()) return CLR_INVALID;
    POINT p = dc->ToSurface({x, y});
    if (!dc->SurfaceClip().Contains(p.x, p.y)) return CLR_INVALID;
    dc->Surface()->Set(p.x, p.y, PixelFromColor(color));
    return ColorFromPixel(dc->Surface()->Get(p.x, p.y));
}

BOOL SetPixelV(HDC hdc, int x, int y, COLORREF color) { return SetPixel(hdc, x, y, color) != CLR_INVALID; }

COLORREF GetPixel(HDC hdc, int x, int y) {
    auto dc = DcOrFail(hdc);
    if (!dc || !dc->Surface()) return CLR_INVALID;
    POINT p = dc->ToSurface({x, y});
    if (!dc->SurfaceClip().Contains(p.x, p.y)) return CLR_INVALID;
    return ColorFromPixel(dc->Surface()->Get(p.x, p.y));
}

}  // namespace platform
