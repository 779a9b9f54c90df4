#include "platform/window/LayeredWindows.h"

#include <mutex>

#include "platform/display/Display.h"
#include "platform/gdi/detail/DeviceContextState.h"
#include "platform/system/LastError.h"
#include "platform/window/Painting.h"
#include "platform/window/Placement.h"
#include "platform/window/detail/WindowObject.h"
#include "platform/window/detail/WindowSurface.h"

namespace platform {
namespace {

LayeredState* LayeredOf(HWND window) {
    Window* object = FindWindowObject(window);
    if (!object || !(object->exStyle & WS_EX_LAYERED) || object->parent) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!object->layered) object->layered = std::make_unique<LayeredState>();
    return object->layered.get();
}

Pixel Scale(Pixel pixel, unsigned alpha) {
    auto channel = [&](int shift) { return ((((pixel >> shift) & 0xFF) * alpha + 127) / 255) << shift; };
    return channel(24) | channel(16) | channel(8) | channel(0);
}

}  // namespace

BOOL UpdateLayeredWindow(HWND window, HDC, const POINT* position, const SIZE* size, HDC sourceDc,
                         const POINT* source, COLORREF key, const BLENDFUNCTION* blend, DWORD flags) {
    if (!LayeredOf(window)) return FALSE;
    if (position || size) {
        RECT rect;
        GetWindowRect(window, &rect);
        int x = position ? position->x : rect.left;
        int y = position ? position->y : rect.top;
        int cx = size ? size->cx : RectWidth(rect);
        int cy = size ? size->cy : RectHeight(rect);
        SetWindowPos(window, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    }
    Window* object = FindWindowQuietly(window);
    if (!object) return FALSE;
    LayeredState& state = *object->layered;
    if (sourceDc) {
        auto dc = LookupDC(sourceDc);
        if (!dc || !dc->Surface()) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        LONG width = RectWidth(object->rect);
        LONG height = RectHeight(object->rect);
        POINT from = source ? *source : POINT{0, 0};
        from = dc->ToSurface(from);
        auto picture = width > 0 && height > 0 ? BitmapSurface::Create(width, height, 32, true) : nullptr;
        const BitmapSurface& pixels = *dc->Surface();
        bool perPixel = (flags & ULW_ALPHA) && blend && (blend->AlphaFormat & AC_SRC_ALPHA);
        for (LONG y = 0; picture && y < height; ++y) {
            Pixel* row = picture->Row32(y);
            for (LONG x = 0; x < width; ++x) {
                LONG sx = from.x + x, sy = from.y + y;
                Pixel value = 0;
                if (sx >= 0 && sy >= 0 && sx < pixels.Width() && sy < pixels.Height()) {
                    value = pixels.Get(sx, sy);
                    if (!perPixel) value |= 0xFF000000;
                    if ((flags & ULW_COLORKEY) && ColorFromPixel(value) == key) value = 0;
                }
                row[x] = value;
            }
        }
        state.picture = picture;
    }
    if (blend && (flags & ULW_ALPHA)) state.alpha = blend->SourceConstantAlpha;
    if (flags & ULW_OPAQUE) state.alpha = 255;
    DisplayWindowChanged(window);
    return TRUE;
}

BOOL SetLayeredWindowAttributes(HWND window, COLORREF key, BYTE alpha, DWORD flags) {
    LayeredState* state = LayeredOf(window);
    if (!state) return FALSE;
    state->picture.reset();
    state->attributeFlags = flags;
    state->alpha = (flags & LWA_ALPHA) ? alpha : 255;
    state->key = key;
    DisplayWindowChanged(window);
    return TRUE;
}

BOOL GetLayeredWindowAttributes(HWND window, COLORREF* key, BYTE* alpha, DWORD* flags) {
    LayeredState* state = LayeredOf(window);
    if (!state || state->picture) return FALSE;
    if (key) *key = state->key;
    if (alpha) *alpha = state->alpha;
    if (flags) *flags = state->attributeFlags;
    return TRUE;
}

void SetExtendedStyle(HWND window, DWORD exStyle) {
    Window* object = FindWindowQuietly(window);
    if (!object) return;
    bool wasLayered = (object->exStyle & WS_EX_LAYERED) != 0;
    object->exStyle = exStyle;
    bool layered = (exStyle & WS_EX_LAYERED) != 0;
    if (wasLayered == layered || object->parent) return;
    object->layered.reset();
    if (!layered) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    DisplayWindowChanged(window);
}

std::shared_ptr<BitmapSurface> ComposedPicture(HWND topLevel) {
    Window* object = FindWindowQuietly(topLevel);
    if (!object) return nullptr;
    std::shared_ptr<BitmapSurface> base;
    LayeredState* state = (object->exStyle & WS_EX_LAYERED) ? object->layered.get() : nullptr;
    if (state && state->picture) {
        base = state->picture;
    } else {
        base = SurfaceOf(*object).pixels;
    }
    if (!base) return nullptr;
    auto picture = BitmapSurface::Create(base->Width(), base->Height(), 32, true);
    if (!picture) return nullptr;
    bool painted = !(state && state->picture);
    unsigned alpha = state ? state->alpha : 255;
    bool keyed = state && painted && (state->attributeFlags & LWA_COLORKEY);
    for (LONG y = 0; y < base->Height(); ++y) {
        const Pixel* from = base->Row32(y);
        Pixel* to = picture->Row32(y);
        for (LONG x = 0; x < base->Width(); ++x) {
            Pixel value = painted ? (from[x] | 0xFF000000) : from[x];
            if (keyed && ColorFromPixel(value) == state->key) value = 0;
            to[x] = alpha == 255 ? value : Scale(value, alpha);
        }
    }
    // The window region cuts the picture too.
    if (object->shape) {
        for (LONG y = 0; y < picture->Height(); ++y) {
            Pixel* row = picture->Row32(y);
            for (LONG x = 0; x < picture->Width(); ++x)
                if (!object->shape->Contains(x, y)) row[x] = 0;
        }
    }
    return picture;
}

}  // namespace platform
