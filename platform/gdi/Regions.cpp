#include "platform/gdi/Regions.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/detail/ScanConvert.h"
#include "platform/system/LastError.h"

#include <cstring>

namespace platform {
namespace {

HRGN Register(Region region) {
    return static_cast<HRGN>(RegisterGdiObject(std::make_shared<RegionObject>(std::move(region))));
}

std::shared_ptr<RegionObject> RegionOrFail(HRGN region) {
    auto object = LookupGdiObjectAs<RegionObject>(region);
    if (!object) SetLastError(ERROR_INVALID_HANDLE);
    return object;
}

}  // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) { return Register(Region(RECT{left, top, right, bottom})); }

HRGN CreateRectRgnIndirect(const RECT* rect) {
    if (!rect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

// Shapes made by region calls cover every row they span.
constexpr RowRange kAllRows{-(1 << 28), 1 << 28};
constexpr long long kMaxPoints = 1 << 24;

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int widthEllipse, int heightEllipse) {
    RECT box = NormalizedRect({left, top, right, bottom});
    BoxF f{double(box.left), double(box.top), double(box.right), double(box.bottom)};
    return Register(RegionFromSpans(RoundedBoxSpans(f, std::abs(widthEllipse) / 2.0, std::abs(heightEllipse) / 2.0, kAllRows)));
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
    RECT box = NormalizedRect({left, top, right, bottom});
    BoxF f{double(box.left), double(box.top), double(box.right), double(box.bottom)};
    return Register(RegionFromSpans(RoundedBoxSpans(f, (f.right - f.left) / 2, (f.bottom - f.top) / 2, kAllRows)));
}

HRGN CreateEllipticRgnIndirect(const RECT* rect) {
    if (!rect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return CreateEllipticRgn(rect->left, rect->top, rect->right, rect->bottom);
}

HRGN CreatePolyPolygonRgn(const POINT* points, const INT* counts, int polygons, int fillMode) {
    if (!points || !counts || polygons <= 0 || (fillMode != ALTERNATE && fillMode != WINDING)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::vector<std::vector<PointF>> shapes;
    long long total = 0;
    for (int i = 0; i < polygons; ++i) {
        total += counts[i];
        if (counts[i] < 2 || total > kMaxPoints) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        std::vector<PointF> shape;
        for (int k = 0; k < counts[i]; ++k) shape.push_back({double(points->x), double(points->y)}), ++points;
        shapes.push_back(std::move(shape));
    }
    return Register(RegionFromSpans(PolygonSpans(shapes, fillMode, kAllRows)));
}

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    INT counts[1] = {count};
    return CreatePolyPolygonRgn(points, counts, 1, fillMode);
}

HRGN CreateRegionFromBitmap(HBITMAP bitmap, COLORREF key, bool matching) {
    auto object = LookupGdiObjectAs<BitmapObject>(bitmap);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    const BitmapSurface& surface = *object->Surface();
    Pixel wanted = PixelFromColor(key);
    std::vector<RECT> rects;
    for (LONG y = 0; y < surface.Height(); ++y) {
        LONG x = 0;
        while (x < surface.Width()) {
            while (x < surface.Width() && (((surface.Get(x, y) & 0x00FFFFFF) == wanted) != matching)) ++x;
            LONG start = x;
            while (x < surface.Width() && (((surface.Get(x, y) & 0x00FFFFFF) == wanted) == matching)) ++x;
            if (x > start) rects.push_back({start, y, x, y + 1});
        }
    }
    return Register(Region::FromRects(rects));
}

int CombineRgn(HRGN destination, HRGN first, HRGN second, int mode) {
    auto target = RegionOrFail(destination);
    auto a = RegionOrFail(first);
    auto b = mode == RGN_COPY ? a : RegionOrFail(second);
    if (!target || !a || !b) return ERROR;
    Region result = a->region;
    switch (mode) {
        case RGN_AND: result.Intersect(b->region); break;
        case RGN_OR: result.Unite(b->region); break;
        case RGN_XOR: result.Xor(b->region); break;
        case RGN_DIFF: result.Subtract(b->region); break;
        case RGN_COPY: break;
        default: SetLastError(ERROR_INVALID_PARAMETER); return ERROR;
    }
    target->region = std::move(result);
    return target->region.Complexity();
}

int OffsetRgn(HRGN region, int dx, int dy) {
    auto object = RegionOrFail(region);
    if (!object) return ERROR;
    object->region.Offset(dx, dy);
    return object->region.Complexity();
}

BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom) {
    auto object = RegionOrFail(region);
    if (!object) return FALSE;
    object->region = Region(RECT{left, top, right, bottom});
    return TRUE;
}

BOOL PtInRegion(HRGN region, int x, int y) {
    auto object = RegionOrFail(region);
    return object && object->region.Contains(x, y) ? TRUE : FALSE;
}

BOOL RectInRegion(HRGN region, const RECT* rect) {
    auto object = RegionOrFail(region);
    return object && rect && object->region.Overlaps(*rect) ? TRUE : FALSE;
}

BOOL EqualRgn(HRGN first, HRGN second) {
    auto a = RegionOrFail(first);
    auto b = RegionOrFail(second);
    if (!a || !b) return ERROR;
    return a->region == b->region ? TRUE : FALSE;
}

int GetRgnBox(HRGN region, RECT* box) {
    auto object = RegionOrFail(region);
    if (!object || !box) return ERROR;
    *box = object->region.Bounds();
    return object->region.Complexity();
}

DWORD GetRegionData(HRGN region, DWORD size, RGNDATA* data) {
    auto object = RegionOrFail(region);
    if (!object) return 0;
    std::vector<RECT> rects = object->region.Rects();
    DWORD needed = static_cast<DWORD>(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    if (!data) return needed;
    if (size < needed) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    data->rdh = {};
    data->rdh.nCount = static_cast<DWORD>(rects.size());
    data->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
    data->rdh.rcBound = object->region.Bounds();
    if (!rects.empty()) std::memcpy(data->Buffer, rects.data(), rects.size() * sizeof(RECT));
    return needed;
}

HRGN ExtCreateRegion(const void* transform, DWORD size, const RGNDATA* data) {
    if (transform || !data || size < sizeof(RGNDATAHEADER) || data->rdh.iType != RDH_RECTANGLES ||
        data->rdh.nCount > (size - sizeof(RGNDATAHEADER)) / sizeof(RECT)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::vector<RECT> rects(data->rdh.nCount);
    if (!rects.empty()) std::memcpy(rects.data(), data->Buffer, rects.size() * sizeof(RECT));
    return Register(Region::FromRects(rects));
}

}  // namespace platform
