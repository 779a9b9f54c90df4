#include "platform/gdi/FrameDrawing.h"

#include "platform/gdi/SystemColors.h"
#include "platform/gdi/detail/Raster.h"
#include "platform/gdi/detail/ScanConvert.h"
#include "platform/system/LastError.h"

#include <algorithm>

namespace platform {
namespace {

struct Ring {
    int topLeft;
    int bottomRight;
};

RECT SurfaceRect(const DeviceContext& dc, const RECT& rect) {
    POINT a = dc.ToSurface({rect.left, rect.top});
    POINT b = dc.ToSurface({rect.right, rect.bottom});
    return NormalizedRect({a.x, a.y, b.x, b.y});
}

void Put(Raster& raster, const RECT& r, int colorIndex) {
    Paint paint = raster.SolidPaint(GetSysColor(colorIndex));
    paint.rop2 = R2_COPYPEN;
    raster.FillRect(r, paint);
}

// One ring of an edge on the chosen sides; answers the rectangle inside it.
RECT DrawRing(Raster& raster, RECT r, Ring ring, UINT sides) {
    if (RectIsEmpty(r)) return r;
    if (sides & BF_LEFT) Put(raster, {r.left, r.top, r.left + 1, r.bottom - 1}, ring.topLeft);
    if (sides & BF_TOP) Put(raster, {r.left, r.top, r.right - 1, r.top + 1}, ring.topLeft);
    if (sides & BF_RIGHT) Put(raster, {r.right - 1, r.top, r.right, r.bottom}, ring.bottomRight);
    if (sides & BF_BOTTOM) Put(raster, {r.left, r.bottom - 1, r.right, r.bottom}, ring.bottomRight);
    if (sides & BF_LEFT) ++r.left;
    if (sides & BF_TOP) ++r.top;
    if (sides & BF_RIGHT) --r.right;
    if (sides & BF_BOTTOM) --r.bottom;
    return r;
}

// Draws an edge in surface pixels; answers the rectangle inside it.
RECT Edge(Raster& raster, RECT r, UINT edge, UINT flags) {
    std::optional<Ring> outer, inner;
    if (flags & BF_MONO) {
        if (edge & BDR_OUTER) outer = Ring{COLOR_WINDOWFRAME, COLOR_WINDOWFRAME};
        if (edge & BDR_INNER) inner = Ring{COLOR_WINDOW, COLOR_WINDOW};
    } else if (flags & BF_FLAT) {
        if (edge & BDR_OUTER) outer = Ring{COLOR_3DSHADOW, COLOR_3DSHADOW};
        if (edge & BDR_INNER) inner = Ring{COLOR_3DFACE, COLOR_3DFACE};
    } else {
        if (edge & BDR_RAISEDOUTER) outer = Ring{COLOR_3DLIGHT, COLOR_3DDKSHADOW};
        else if (edge & BDR_SUNKENOUTER) outer = Ring{COLOR_3DSHADOW, COLOR_3DHILIGHT};
        if (edge & BDR_RAISEDINNER) inner = Ring{COLOR_3DHILIGHT, COLOR_3DSHADOW};
        else if (edge & BDR_SUNKENINNER) inner = Ring{COLOR_3DDKSHADOW, COLOR_3DLIGHT};
        // A soft raised button shows its brightest colour outside.
        if ((flags & BF_SOFT) && outer && inner && (edge & BDR_RAISEDOUTER)) std::swap(outer->topLeft, inner->topLeft);
    }
    if (outer) r = DrawRing(raster, r, *outer, flags);
    if (inner) r = DrawRing(raster, r, *inner, flags);
    if ((flags & BF_MIDDLE) && !RectIsEmpty(r)) Put(raster, r, (flags & BF_MONO) ? COLOR_WINDOW : COLOR_3DFACE);
    return r;
}

RECT CentredSquare(const RECT& r) {
    LONG side = std::min(r.right - r.left, r.bottom - r.top);
    LONG left = r.left + (r.right - r.left - side) / 2, top = r.top + (r.bottom - r.top - side) / 2;
    return {left, top, left + side, top + side};
}

// The check mark: seven columns three pixels tall in a V, scaled to the box.
void CheckMark(Raster& raster, const RECT& inside, int colorIndex) {
    static constexpr int kDrop[7] = {2, 3, 4, 3, 2, 1, 0};
    LONG size = std::min(inside.right - inside.left, inside.bottom - inside.top);
    LONG unit = std::max<LONG>(1, size / 9);
    LONG left = inside.left + (inside.right - inside.left - 7 * unit) / 2;
    LONG top = inside.top + (inside.bottom - inside.top - 7 * unit) / 2;
    for (int k = 0; k < 7; ++k)
        Put(raster, {left + k * unit, top + kDrop[k] * unit, left + (k + 1) * unit, top + (kDrop[k] + 3) * unit},
            colorIndex);
}

void CheckBox(Raster& raster, const RECT& r, UINT state) {
    RECT box = CentredSquare(r);
    UINT flags = BF_RECT | ((state & DFCS_FLAT) ? BF_FLAT : 0) | ((state & DFCS_MONO) ? BF_MONO : 0);
    RECT inside = Edge(raster, box, EDGE_SUNKEN, flags);
    bool dim = (state & (DFCS_INACTIVE | DFCS_PUSHED)) || ((state & DFCS_BUTTON3STATE) && (state & DFCS_CHECKED));
    if (!(state & DFCS_TRANSPARENT)) Put(raster, inside, dim ? COLOR_3DFACE : COLOR_WINDOW);
    if (state & DFCS_CHECKED) {
        int ink = (state & DFCS_INACTIVE) ? COLOR_GRAYTEXT
                  : (state & DFCS_BUTTON3STATE) ? COLOR_3DSHADOW
                                                : COLOR_WINDOWTEXT;
        CheckMark(raster, inside, ink);
    }
}

void RadioButton(Raster& raster, const RECT& r, UINT state) {
    RECT box = CentredSquare(r);
    RowRange rows{box.top, box.bottom};
    double cx = (box.left + box.right) / 2.0, cy = (box.top + box.bottom) / 2.0;
    auto disc = [&](double inset) {
        BoxF b{box.left + inset, box.top + inset, box.right - inset, box.bottom - inset};
        return RoundedBoxSpans(b, (b.right - b.left) / 2, (b.bottom - b.top) / 2, rows);
    };
    // A ring's upper-left half in one colour, lower-right in the other.
    auto ring = [&](double inset, int upperLeft, int lowerRight) {
        std::vector<Span> outline, interior;
        SplitOutline(disc(inset), outline, interior);
        for (const Span& s : outline)
            for (LONG x = s.x0; x < s.x1; ++x)
                Put(raster, {x, s.y, x + 1, s.y + 1}, (x + 0.5 - cx) + (s.y + 0.5 - cy) < 0 ? upperLeft : lowerRight);
    };
    ring(0, COLOR_3DSHADOW, COLOR_3DHILIGHT);
    ring(1, COLOR_3DDKSHADOW, COLOR_3DLIGHT);
    bool dim = state & (DFCS_INACTIVE | DFCS_PUSHED);
    if (!(state & DFCS_TRANSPARENT)) {
        std::vector<Span> outline, interior;
        SplitOutline(disc(1), outline, interior);
        Paint paint = raster.SolidPaint(GetSysColor(dim ? COLOR_3DFACE : COLOR_WINDOW));
        paint.rop2 = R2_COPYPEN;
        raster.Fill(RegionFromSpans(interior), paint);
    }
    if (state & DFCS_CHECKED) {
        double side = box.right - box.left;
        double dot = std::max(2.0, side / 3);
        Paint paint = raster.SolidPaint(GetSysColor((state & DFCS_INACTIVE) ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
        paint.rop2 = R2_COPYPEN;
        raster.Fill(RegionFromSpans(DiscSpans({cx, cy}, dot, rows)), paint);
    }
}

}  // namespace

BOOL DrawEdge(HDC hdc, RECT* rect, UINT edge, UINT flags) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    if (!rect || (flags & BF_DIAGONAL)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    Raster raster(*dc);
    RECT surface = SurfaceRect(*dc, *rect);
    RECT inside = Edge(raster, surface, edge, flags);
    if (flags & BF_ADJUST) {
        rect->left += inside.left - surface.left;
        rect->top += inside.top - surface.top;
        rect->right -= surface.right - inside.right;
        rect->bottom -= surface.bottom - inside.bottom;
    }
    return TRUE;
}

BOOL DrawFrameControl(HDC hdc, RECT* rect, UINT type, UINT state) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    if (!rect || type != DFC_BUTTON) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    Raster raster(*dc);
    RECT surface = SurfaceRect(*dc, *rect);
    UINT kind = state & 0xFF;
    if (kind & DFCS_BUTTONPUSH) {
        UINT edge = (state & (DFCS_PUSHED | DFCS_CHECKED)) ? EDGE_SUNKEN : EDGE_RAISED;
        UINT flags = BF_RECT | BF_SOFT | BF_MIDDLE | ((state & DFCS_FLAT) ? BF_FLAT : 0) | ((state & DFCS_MONO) ? BF_MONO : 0);
        RECT inside = Edge(raster, surface, edge, flags);
        if (state & DFCS_ADJUSTRECT) {
            rect->left += inside.left - surface.left;
            rect->top += inside.top - surface.top;
            rect->right -= surface.right - inside.right;
            rect->bottom -= surface.bottom - inside.bottom;
        }
    } else if (kind & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE | DFCS_BUTTONRADIOMASK)) {
        RadioButton(raster, surface, state);
    } else {
        CheckBox(raster, surface, state);
    }
    return TRUE;
}

}  // namespace platform
