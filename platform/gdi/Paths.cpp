#include "platform/gdi/Paths.h"

#include "platform/gdi/Clipping.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/detail/PathState.h"
#include "platform/gdi/detail/Stroke.h"
#include "platform/system/LastError.h"

#include <cmath>

namespace platform {
namespace {

// Rows a path's region may reach beyond the surface (for PathToRegion).
constexpr LONG kRegionMargin = 4096;

// The closed path ready for use, or null (and the error set).
std::shared_ptr<PathState> ClosedPath(DeviceContext& dc) {
    if (!dc.path || dc.path->recording) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return dc.path;
}

RowRange DeviceRows(const DeviceContext& dc, LONG margin) {
    RECT bounds = dc.DeviceClip().Bounds();
    return {bounds.top - margin, bounds.bottom + margin};
}

// The area a path encloses (or its widened outline), device coordinates.
Region PathArea(const DeviceContext& dc, const PathState& path, LONG margin) {
    if (path.widened) return *path.widened;
    std::vector<std::vector<PointF>> polygons;
    for (const PathFigure& figure : path.figures)
        if (figure.points.size() > 2) polygons.push_back(figure.points);
    return RegionFromSpans(PolygonSpans(polygons, dc.state.polyFillMode, DeviceRows(dc, margin)));
}

bool Integral(const PathFigure& figure) {
    for (PointF p : figure.points)
        if (p.x != std::floor(p.x) || p.y != std::floor(p.y)) return false;
    return true;
}

// The pen's pixels along every figure, surface coordinates.
StrokePixels StrokeFigures(DeviceContext& dc, const PathState& path, const PenShape& pen, const RECT& bounds) {
    StrokePixels all;
    for (const PathFigure& figure : path.figures) {
        StrokePixels one;
        if (Integral(figure)) {
            std::vector<POINT> points;
            for (PointF p : figure.points)
                points.push_back({static_cast<LONG>(p.x) + dc.origin.x, static_cast<LONG>(p.y) + dc.origin.y});
            one = StrokePolyline(pen, points, figure.closed, bounds);
        } else {
            std::vector<PointF> points;
            for (PointF p : figure.points) points.push_back({p.x + dc.origin.x + 0.5, p.y + dc.origin.y + 0.5});
            one = StrokePolylineF(pen, points, figure.closed, bounds);
        }
        all.ink.insert(all.ink.end(), one.ink.begin(), one.ink.end());
        all.gaps.insert(all.gaps.end(), one.gaps.begin(), one.gaps.end());
    }
    return all;
}

void FillArea(DeviceContext& dc, const PathState& path) {
    Raster raster(dc);
    if (!raster.Drawable()) return;
    Region area = PathArea(dc, path, 1);
    area.Offset(dc.origin.x, dc.origin.y);
    raster.Fill(area, raster.BrushPaint());
}

void Stroke(DeviceContext& dc, const PathState& path) {
    Raster raster(dc);
    if (!raster.Drawable()) return;
    PenShape pen = PenShapeOf(raster);
    if (path.widened) {
        Region area = *path.widened;
        area.Offset(dc.origin.x, dc.origin.y);
        raster.Fill(area, pen.ink);
        return;
    }
    PaintStroke(raster, pen, StrokeFigures(dc, path, pen, raster.Clip().Bounds()));
}

}  // namespace

void PathState::MoveTo(PointF p) {
    position = p;
    figureOpen = false;
}

void PathState::LineTo(PointF p) {
    if (!figureOpen || figures.empty() || figures.back().closed) {
        figures.push_back({{position}, false});
        figureOpen = true;
    }
    figures.back().points.push_back(p);
    position = p;
}

void PathState::AddClosedFigure(std::vector<PointF> points) {
    if (points.empty()) return;
    position = points.front();
    figures.push_back({std::move(points), true});
    figureOpen = false;
}

PathState* RecordingPath(DeviceContext& dc) { return dc.path && dc.path->recording ? dc.path.get() : nullptr; }

BOOL BeginPath(HDC hdc) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    dc->path = std::make_shared<PathState>();
    POINT p = dc->state.mapping.ToDevice(dc->state.currentPosition);
    dc->path->position = {static_cast<double>(p.x), static_cast<double>(p.y)};
    return TRUE;
}

BOOL EndPath(HDC hdc) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    if (!RecordingPath(*dc)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    dc->path->recording = false;
    return TRUE;
}

BOOL AbortPath(HDC hdc) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    dc->path.reset();
    return TRUE;
}

BOOL CloseFigure(HDC hdc) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    PathState* path = RecordingPath(*dc);
    if (!path || !path->figureOpen || path->figures.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    path->figures.back().closed = true;
    path->figureOpen = false;
    path->position = path->figures.back().points.front();
    return TRUE;
}

BOOL StrokePath(HDC hdc) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    auto path = ClosedPath(*dc);
    if (!path) return FALSE;
    Stroke(*dc, *path);
    dc->path.reset();
    return TRUE;
}

BOOL FillPath(HDC hdc) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    auto path = ClosedPath(*dc);
    if (!path) return FALSE;
    FillArea(*dc, *path);
    dc->path.reset();
    return TRUE;
}

BOOL StrokeAndFillPath(HDC hdc) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    auto path = ClosedPath(*dc);
    if (!path) return FALSE;
    FillArea(*dc, *path);
    Stroke(*dc, *path);
    dc->path.reset();
    return TRUE;
}

BOOL WidenPath(HDC hdc) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    auto path = ClosedPath(*dc);
    if (!path) return FALSE;
    if (path->widened) return TRUE;
    Raster raster(*dc);
    PenShape pen = PenShapeOf(raster);
    pen.visible = true;
    RECT bounds = dc->SurfaceClip().Bounds();
    Region outline = RegionFromSpans(StrokeFigures(*dc, *path, pen, bounds).ink);
    outline.Offset(-dc->origin.x, -dc->origin.y);
    path->widened = std::move(outline);
    path->figures.clear();
    return TRUE;
}

BOOL FlattenPath(HDC hdc) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    return ClosedPath(*dc) ? TRUE : FALSE;  // figures are kept flat already
}

BOOL SelectClipPath(HDC hdc, int mode) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    auto path = ClosedPath(*dc);
    if (!path) return FALSE;
    if (mode < RGN_AND || mode > RGN_COPY) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    HRGN region = static_cast<HRGN>(RegisterGdiObject(std::make_shared<RegionObject>(PathArea(*dc, *path, 1))));
    int result = ExtSelectClipRgn(hdc, region, mode);
    DeleteObject(region);
    dc->path.reset();
    return result != ERROR ? TRUE : FALSE;
}

HRGN PathToRegion(HDC hdc) {
    auto dc = DcOrFail(hdc);
    if (!dc) return nullptr;
    auto path = ClosedPath(*dc);
    if (!path) return nullptr;
    Region area = PathArea(*dc, *path, kRegionMargin);
    dc->path.reset();
    return static_cast<HRGN>(RegisterGdiObject(std::make_shared<RegionObject>(std::move(area))));
}

}  // namespace platform
