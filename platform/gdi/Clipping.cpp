#include "platform/gdi/Clipping.h"

#include "platform/gdi/Regions.h"
#include "platform/gdi/detail/DeviceContextState.h"
#include "platform/system/LastError.h"

namespace platform {
namespace {

// A logical rectangle in device coordinates, sides in order.
RECT DeviceRect(const DeviceContext& dc, int left, int top, int right, int bottom) {
    POINT a = dc.state.mapping.ToDevice({left, top});
    POINT b = dc.state.mapping.ToDevice({right, bottom});
    return NormalizedRect({a.x, a.y, b.x, b.y});
}

int ClipComplexity(const DeviceContext& dc) { return dc.DeviceClip().Complexity(); }

// The caller's clip as a region to combine with; no clip means "everything".
Region CurrentClipOrAll(const DeviceContext& dc) {
    if (dc.state.clip) return *dc.state.clip;
    return dc.DeviceClip();
}

}  // namespace

int SelectClipRgn(HDC hdc, HRGN region) { return ExtSelectClipRgn(hdc, region, RGN_COPY); }

int ExtSelectClipRgn(HDC hdc, HRGN region, int mode) {
    auto dc = DcOrFail(hdc);
    if (!dc) return ERROR;
    if (!region) {
        if (mode != RGN_COPY) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return ERROR;
        }
        dc->state.clip.reset();
        return ClipComplexity(*dc);
    }
    auto object = LookupGdiObjectAs<RegionObject>(region);
    if (!object || mode < RGN_AND || mode > RGN_COPY) {
        SetLastError(object ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return ERROR;
    }
    Region clip = CurrentClipOrAll(*dc);
    switch (mode) {
        case RGN_AND: clip.Intersect(object->region); break;
        case RGN_OR: clip.Unite(object->region); break;
        case RGN_XOR: clip.Xor(object->region); break;
        case RGN_DIFF: clip.Subtract(object->region); break;
        default: clip = object->region; break;
    }
    dc->state.clip = std::move(clip);
    return ClipComplexity(*dc);
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    auto dc = DcOrFail(hdc);
    if (!dc) return ERROR;
    Region clip = CurrentClipOrAll(*dc);
    clip.IntersectRect(DeviceRect(*dc, left, top, right, bottom));
    dc->state.clip = std::move(clip);
    return ClipComplexity(*dc);
}

int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
    auto dc = DcOrFail(hdc);
    if (!dc) return ERROR;
    Region clip = CurrentClipOrAll(*dc);
    clip.Subtract(Region(DeviceRect(*dc, left, top, right, bottom)));
    dc->state.clip = std::move(clip);
    return ClipComplexity(*dc);
}

int OffsetClipRgn(HDC hdc, int dx, int dy) {
    auto dc = DcOrFail(hdc);
    if (!dc) return ERROR;
    if (dc->state.clip) {
        POINT a = dc->state.mapping.ToDevice({0, 0});
        POINT b = dc->state.mapping.ToDevice({dx, dy});
        dc->state.clip->Offset(b.x - a.x, b.y - a.y);
    }
    return ClipComplexity(*dc);
}

int GetClipBox(HDC hdc, RECT* box) {
    auto dc = LookupDC(hdc);
    if (!dc || !box) {
        SetLastError(dc ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return ERROR;
    }
    Region clip = dc->DeviceClip();
    RECT bounds = clip.Bounds();
    POINT a = dc->state.mapping.ToLogical({bounds.left, bounds.top});
    POINT b = dc->state.mapping.ToLogical({bounds.right, bounds.bottom});
    *box = clip.IsEmpty() ? RECT{} : NormalizedRect({a.x, a.y, b.x, b.y});
    return clip.Complexity();
}

int GetClipRgn(HDC hdc, HRGN region) {
    auto dc = LookupDC(hdc);
    auto object = LookupGdiObjectAs<RegionObject>(region);
    if (!dc || !object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return -1;
    }
    if (!dc->state.clip) return 0;
    object->region = *dc->state.clip;
    return 1;
}

BOOL PtVisible(HDC hdc, int x, int y) {
    auto dc = DcOrFail(hdc);
    if (!dc) return -1;
    POINT p = dc->ToSurface({x, y});
    return dc->SurfaceClip().Contains(p.x, p.y) ? TRUE : FALSE;
}

BOOL RectVisible(HDC hdc, const RECT* rect) {
    auto dc = LookupDC(hdc);
    if (!dc || !rect) {
        SetLastError(dc ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return dc->DeviceClip().Overlaps(DeviceRect(*dc, rect->left, rect->top, rect->right, rect->bottom)) ? TRUE : FALSE;
}

}  // namespace platform
