#include "platform/gdi/RectFills.h"

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/SystemColors.h"
#include "platform/gdi/detail/Raster.h"
#include "platform/system/LastError.h"

namespace platform {
namespace {

// The calls that take a rectangle fail on a missing one as on a bad handle.
std::shared_ptr<DeviceContext> DcWithRectOrFail(HDC hdc, const RECT* rect) {
    auto dc = DcOrFail(hdc);
    if (dc && !rect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return dc;
}

// A logical rectangle in surface pixels, sides in order.
RECT SurfaceRect(const DeviceContext& dc, const RECT& rect) {
    POINT a = dc.ToSurface({rect.left, rect.top});
    POINT b = dc.ToSurface({rect.right, rect.bottom});
    return NormalizedRect({a.x, a.y, b.x, b.y});
}

// A region handle's pixels in surface coordinates (regions are logical
// units of an unscaled DC, device units otherwise, as the system has it).
Region SurfaceRegion(const DeviceContext& dc, const Region& region) {
    Region out = region;
    POINT shift = dc.ToSurface({0, 0});
    out.Offset(shift.x, shift.y);
    return out;
}

// The brush as a paint in copy mode: these calls ignore the DC's ROP2.
bool BrushPaintOf(Raster& raster, HBRUSH brush, Paint& paint) {
    brush = ResolveSysColorBrush(brush);
    auto object = LookupGdiObject(brush);
    if (!object || object->ObjectType() != OBJ_BRUSH) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    paint = raster.BrushPaint(object, brush == StockHandle(DC_BRUSH));
    paint.rop2 = R2_COPYPEN;
    return true;
}

Region Frame(const RECT& r, LONG w, LONG h) {
    Region frame(r);
    frame.Subtract(Region(RECT{r.left + w, r.top + h, r.right - w, r.bottom - h}));
    return frame;
}

Paint Inverting() {
    Paint paint;
    paint.kind = Paint::Kind::Solid;
    paint.rop2 = R2_NOT;
    return paint;
}

}  // namespace

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    auto dc = DcWithRectOrFail(hdc, rect);
    if (!dc) return FALSE;
    Raster raster(*dc);
    Paint paint;
    if (!BrushPaintOf(raster, brush, paint)) return FALSE;
    if (raster.Drawable()) raster.FillRect(SurfaceRect(*dc, *rect), paint);
    return TRUE;
}

int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    auto dc = DcWithRectOrFail(hdc, rect);
    if (!dc) return FALSE;
    Raster raster(*dc);
    Paint paint;
    if (!BrushPaintOf(raster, brush, paint)) return FALSE;
    RECT r = SurfaceRect(*dc, *rect);
    LONG w = std::max<LONG>(1, dc->state.mapping.WidthToDevice(1)), h = std::max<LONG>(1, dc->state.mapping.HeightToDevice(1));
    if (raster.Drawable() && !RectIsEmpty(r)) raster.Fill(Frame(r, w, h), paint);
    return TRUE;
}

BOOL InvertRect(HDC hdc, const RECT* rect) {
    auto dc = DcWithRectOrFail(hdc, rect);
    if (!dc) return FALSE;
    Raster raster(*dc);
    if (raster.Drawable()) raster.FillRect(SurfaceRect(*dc, *rect), Inverting());
    return TRUE;
}

BOOL DrawFocusRect(HDC hdc, const RECT* rect) {
    auto dc = DcWithRectOrFail(hdc, rect);
    if (!dc) return FALSE;
    Raster raster(*dc);
    RECT r = SurfaceRect(*dc, *rect);
    if (!raster.Drawable() || RectIsEmpty(r)) return TRUE;
    // Every other pixel of the one-pixel frame, counted from the corner.
    std::vector<RECT> dots;
    auto dot = [&](LONG x, LONG y) {
        if (((x - r.left) + (y - r.top)) % 2 == 0) dots.push_back({x, y, x + 1, y + 1});
    };
    for (LONG x = r.left; x < r.right; ++x) {
        dot(x, r.top);
        if (r.bottom - 1 > r.top) dot(x, r.bottom - 1);
    }
    for (LONG y = r.top + 1; y < r.bottom - 1; ++y) {
        dot(r.left, y);
        if (r.right - 1 > r.left) dot(r.right - 1, y);
    }
    Paint invert;
    invert.kind = Paint::Kind::Solid;
    invert.color = 0x00FFFFFF;
    invert.rop2 = R2_XORPEN;
    raster.Fill(Region::FromRects(dots), invert);
    return TRUE;
}

BOOL FillRgn(HDC hdc, HRGN region, HBRUSH brush) {
    auto dc = DcOrFail(hdc);
    auto object = LookupGdiObjectAs<RegionObject>(region);
    if (!dc) return FALSE;
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    Raster raster(*dc);
    Paint paint;
    if (!BrushPaintOf(raster, brush, paint)) return FALSE;
    if (raster.Drawable()) raster.Fill(SurfaceRegion(*dc, object->region), paint);
    return TRUE;
}

BOOL PaintRgn(HDC hdc, HRGN region) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    return FillRgn(hdc, region, static_cast<HBRUSH>(dc->state.brush.handle));
}

BOOL FrameRgn(HDC hdc, HRGN region, HBRUSH brush, int width, int height) {
    auto dc = DcOrFail(hdc);
    auto object = LookupGdiObjectAs<RegionObject>(region);
    if (!dc) return FALSE;
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (width <= 0 || height <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    Raster raster(*dc);
    Paint paint;
    if (!BrushPaintOf(raster, brush, paint)) return FALSE;
    // The frame is what the region loses when shrunk by the widths.
    Region inner = object->region;
    for (LONG dx : {-width, width}) {
        Region moved = object->region;
        moved.Offset(dx, 0);
        inner.Intersect(moved);
    }
    for (LONG dy : {-height, height}) {
        Region moved = object->region;
        moved.Offset(0, dy);
        inner.Intersect(moved);
    }
    Region frame = object->region;
    frame.Subtract(inner);
    if (raster.Drawable()) raster.Fill(SurfaceRegion(*dc, frame), paint);
    return TRUE;
}

BOOL InvertRgn(HDC hdc, HRGN region) {
    auto dc = DcOrFail(hdc);
    auto object = LookupGdiObjectAs<RegionObject>(region);
    if (!dc) return FALSE;
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    Raster raster(*dc);
    if (raster.Drawable()) raster.Fill(SurfaceRegion(*dc, object->region), Inverting());
    return TRUE;
}

}  // namespace platform
