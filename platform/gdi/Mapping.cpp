#include "platform/gdi/Mapping.h"

#include "platform/gdi/detail/DeviceContextState.h"
#include "platform/system/LastError.h"

#include <climits>
#include <cstdlib>

namespace platform {
namespace {

// Rounds half away from zero, as the system's coordinate scaling does.
long long ScaleRounded(long long value, long long numerator, long long denominator) {
    if (denominator == 0) return value;
    long long product = value * numerator;
    bool negative = (product < 0) != (denominator < 0);
    long long magnitude = (std::llabs(product) * 2 + std::llabs(denominator)) / (std::llabs(denominator) * 2);
    return negative ? -magnitude : magnitude;
}

LONG Clamp(long long value) {
    return static_cast<LONG>(value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value);
}

// Logical units per inch of the fixed metric and English modes.
int UnitsPerInch(int mode) {
    switch (mode) {
        case MM_LOMETRIC: return 254;
        case MM_HIMETRIC: return 2540;
        case MM_LOENGLISH: return 100;
        case MM_HIENGLISH: return 1000;
        case MM_TWIPS: return 1440;
        default: return 0;
    }
}

template <class Change>
BOOL WithMapping(HDC hdc, Change change) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    return change(*dc, dc->state.mapping) ? TRUE : FALSE;
}

}  // namespace

POINT Mapping::ToDevice(POINT logical) const {
    if (mode == MM_TEXT) return {Clamp(static_cast<long long>(logical.x) - windowOrg.x + viewportOrg.x),
                                 Clamp(static_cast<long long>(logical.y) - windowOrg.y + viewportOrg.y)};
    return {Clamp(ScaleRounded(static_cast<long long>(logical.x) - windowOrg.x, viewportExt.cx, windowExt.cx) +
                  viewportOrg.x),
            Clamp(ScaleRounded(static_cast<long long>(logical.y) - windowOrg.y, viewportExt.cy, windowExt.cy) +
                  viewportOrg.y)};
}

POINT Mapping::ToLogical(POINT device) const {
    if (mode == MM_TEXT) return {Clamp(static_cast<long long>(device.x) - viewportOrg.x + windowOrg.x),
                                 Clamp(static_cast<long long>(device.y) - viewportOrg.y + windowOrg.y)};
    return {Clamp(ScaleRounded(static_cast<long long>(device.x) - viewportOrg.x, windowExt.cx, viewportExt.cx) +
                  windowOrg.x),
            Clamp(ScaleRounded(static_cast<long long>(device.y) - viewportOrg.y, windowExt.cy, viewportExt.cy) +
                  windowOrg.y)};
}

LONG Mapping::WidthToDevice(LONG logical) const {
    if (mode == MM_TEXT) return std::abs(logical);
    return Clamp(std::llabs(ScaleRounded(logical, viewportExt.cx, windowExt.cx)));
}

LONG Mapping::HeightToDevice(LONG logical) const {
    if (mode == MM_TEXT) return std::abs(logical);
    return Clamp(std::llabs(ScaleRounded(logical, viewportExt.cy, windowExt.cy)));
}

void Mapping::AdjustIsotropic() {
    if (mode != MM_ISOTROPIC || windowExt.cx == 0 || windowExt.cy == 0) return;
    // Compare |vx/wx| with |vy/wy| and shrink the larger to the smaller.
    long long sx = std::llabs(static_cast<long long>(viewportExt.cx)) * std::llabs(static_cast<long long>(windowExt.cy));
    long long sy = std::llabs(static_cast<long long>(viewportExt.cy)) * std::llabs(static_cast<long long>(windowExt.cx));
    if (sx > sy) {
        long long cx = ScaleRounded(std::llabs(static_cast<long long>(viewportExt.cy)), std::llabs(windowExt.cx),
                                    std::llabs(windowExt.cy));
        viewportExt.cx = Clamp(viewportExt.cx < 0 ? -cx : cx);
    } else if (sy > sx) {
        long long cy = ScaleRounded(std::llabs(static_cast<long long>(viewportExt.cx)), std::llabs(windowExt.cy),
                                    std::llabs(windowExt.cx));
        viewportExt.cy = Clamp(viewportExt.cy < 0 ? -cy : cy);
    }
}

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    long long result = ScaleRounded(number, numerator, denominator);
    if (result > INT_MAX || result < INT_MIN) return -1;
    return static_cast<int>(result);
}

int SetMapMode(HDC hdc, int mode) {
    auto dc = LookupDC(hdc);
    if (!dc || mode < MM_TEXT || mode > MM_ANISOTROPIC) {
        SetLastError(dc ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return 0;
    }
    Mapping& mapping = dc->state.mapping;
    int previous = mapping.mode;
    if (mode == previous) return previous;
    mapping.mode = mode;
    if (int units = UnitsPerInch(mode)) {
        mapping.windowExt = {units, units};
        mapping.viewportExt = {dc->dpi, -dc->dpi};
    } else if (mode == MM_TEXT) {
        mapping.windowExt = {1, 1};
        mapping.viewportExt = {1, 1};
    } else if (previous == MM_TEXT) {
        // Entering the free modes from text mode keeps one unit per pixel.
        mapping.windowExt = {1, 1};
        mapping.viewportExt = {1, 1};
    }
    mapping.AdjustIsotropic();
    return previous;
}

int GetMapMode(HDC hdc) {
    auto dc = DcOrFail(hdc);
    if (!dc) return 0;
    return dc->state.mapping.mode;
}

BOOL SetWindowOrgEx(HDC hdc, int x, int y, POINT* previous) {
    return WithMapping(hdc, [&](DeviceContext&, Mapping& m) {
        if (previous) *previous = m.windowOrg;
        m.windowOrg = {x, y};
        return true;
    });
}

BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* previous) {
    return WithMapping(hdc, [&](DeviceContext&, Mapping& m) {
        if (previous) *previous = m.viewportOrg;
        m.viewportOrg = {x, y};
        return true;
    });
}

BOOL OffsetWindowOrgEx(HDC hdc, int dx, int dy, POINT* previous) {
    return WithMapping(hdc, [&](DeviceContext&, Mapping& m) {
        if (previous) *previous = m.windowOrg;
        m.windowOrg = {Clamp(static_cast<long long>(m.windowOrg.x) + dx), Clamp(static_cast<long long>(m.windowOrg.y) + dy)};
        return true;
    });
}

BOOL OffsetViewportOrgEx(HDC hdc, int dx, int dy, POINT* previous) {
    return WithMapping(hdc, [&](DeviceContext&, Mapping& m) {
        if (previous) *previous = m.viewportOrg;
        m.viewportOrg = {Clamp(static_cast<long long>(m.viewportOrg.x) + dx),
                         Clamp(static_cast<long long>(m.viewportOrg.y) + dy)};
        return true;
    });
}

// Extents change only in the isotropic and anisotropic modes, and never to 0.
BOOL SetWindowExtEx(HDC hdc, int x, int y, SIZE* previous) {
    return WithMapping(hdc, [&](DeviceContext&, Mapping& m) {
        if (previous) *previous = m.windowExt;
        if (m.mode != MM_ISOTROPIC && m.mode != MM_ANISOTROPIC) return true;
        if (x == 0 || y == 0) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return false;
        }
        m.windowExt = {x, y};
        m.AdjustIsotropic();
        return true;
    });
}

BOOL SetViewportExtEx(HDC hdc, int x, int y, SIZE* previous) {
    return WithMapping(hdc, [&](DeviceContext&, Mapping& m) {
        if (previous) *previous = m.viewportExt;
        if (m.mode != MM_ISOTROPIC && m.mode != MM_ANISOTROPIC) return true;
        if (x == 0 || y == 0) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return false;
        }
        m.viewportExt = {x, y};
        m.AdjustIsotropic();
        return true;
    });
}

BOOL GetWindowOrgEx(HDC hdc, POINT* origin) {
    return WithMapping(hdc, [&](DeviceContext&, Mapping& m) { return origin && (*origin = m.windowOrg, true); });
}

BOOL GetViewportOrgEx(HDC hdc, POINT* origin) {
    return WithMapping(hdc, [&](DeviceContext&, Mapping& m) { return origin && (*origin = m.viewportOrg, true); });
}

BOOL GetWindowExtEx(HDC hdc, SIZE* extent) {
    return WithMapping(hdc, [&](DeviceContext&, Mapping& m) { return extent && (*extent = m.windowExt, true); });
}

BOOL GetViewportExtEx(HDC hdc, SIZE* extent) {
    return WithMapping(hdc, [&](DeviceContext&, Mapping& m) { return extent && (*extent = m.viewportExt, true); });
}

BOOL LPtoDP(HDC hdc, POINT* points, int count) {
    return WithMapping(hdc, [&](DeviceContext&, Mapping& m) {
        if (count < 0 || (count > 0 && !points)) return false;
        for (int i = 0; i < count; ++i) points[i] = m.ToDevice(points[i]);
        return true;
    });
}

BOOL DPtoLP(HDC hdc, POINT* points, int count) {
    return WithMapping(hdc, [&](DeviceContext&, Mapping& m) {
        if (count < 0 || (count > 0 && !points)) return false;
        for (int i = 0; i < count; ++i) points[i] = m.ToLogical(points[i]);
        return true;
    });
}

}  // namespace platform
