#pragma once
// Blending a source over a destination with a constant alpha and/or the
// source's own premultiplied per-pixel alpha, and copying all but a key
// colour.

#include "platform/gdi/GdiTypes.h"

namespace platform {

constexpr BYTE AC_SRC_OVER = 0x00;
constexpr BYTE AC_SRC_ALPHA = 0x01;

struct BLENDFUNCTION {
    BYTE BlendOp = AC_SRC_OVER;
    BYTE BlendFlags = 0;
    BYTE SourceConstantAlpha = 255;
    BYTE AlphaFormat = 0;
};

// Fails on negative sizes, a source rectangle off the source surface, or
// per-pixel alpha from a source that is not 32 bits.
BOOL AlphaBlend(HDC destination, int x, int y, int width, int height, HDC source, int xSource, int ySource,
                int sourceWidth, int sourceHeight, BLENDFUNCTION blend);
BOOL TransparentBlt(HDC destination, int x, int y, int width, int height, HDC source, int xSource, int ySource,
                    int sourceWidth, int sourceHeight, UINT transparent);

}  // namespace platform
