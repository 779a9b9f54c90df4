#include "platform/gdi/AlphaBlending.h"

#include "platform/gdi/detail/BlitEngine.h"
#include "platform/system/LastError.h"

namespace platform {
namespace {

BOOL Fail(std::uint32_t code) {
    SetLastError(code);
    return FALSE;
}

// value * alpha / 255, rounded to nearest.
inline unsigned Scale(unsigned value, unsigned alpha) {
    unsigned t = value * alpha + 128;
    return (t + (t >> 8)) >> 8;
}

struct Call {
    std::shared_ptr<DeviceContext> dest;
    std::shared_ptr<DeviceContext> source;
    BlitGeometry target;
    RECT sourceRect;
};

// The checks both calls share: live handles, positive sizes, a source
// rectangle that lies on the source surface.
bool Prepare(HDC destination, int x, int y, int width, int height, HDC source, int xSource, int ySource,
             int sourceWidth, int sourceHeight, Call& call) {
    call.dest = LookupDC(destination);
    call.source = LookupDC(source);
    if (!call.dest || !call.source || !call.source->Surface()) return Fail(ERROR_INVALID_HANDLE);
    if (width < 0 || height < 0 || sourceWidth < 0 || sourceHeight < 0) return Fail(ERROR_INVALID_PARAMETER);
    POINT a = call.dest->ToSurface({x, y});
    POINT b = call.dest->ToSurface({ClampCoordinate(static_cast<long long>(x) + width),
                                    ClampCoordinate(static_cast<long long>(y) + height)});
    POINT s = call.source->ToSurface({xSource, ySource});
    POINT t = call.source->ToSurface({ClampCoordinate(static_cast<long long>(xSource) + sourceWidth),
                                      ClampCoordinate(static_cast<long long>(ySource) + sourceHeight)});
    call.sourceRect = NormalizedRect({s.x, s.y, t.x, t.y});
    RECT bounds = call.source->Surface()->Bounds();
    if (call.sourceRect.left < 0 || call.sourceRect.top < 0 || call.sourceRect.right > bounds.right ||
        call.sourceRect.bottom > bounds.bottom)
        return Fail(ERROR_INVALID_PARAMETER);
    call.target = {a.x, a.y, static_cast<long long>(b.x) - a.x, static_cast<long long>(b.y) - a.y};
    return true;
}

}  // namespace

BOOL AlphaBlend(HDC destination, int x, int y, int width, int height, HDC source, int xSource, int ySource,
                int sourceWidth, int sourceHeight, BLENDFUNCTION blend) {
    Call call;
    if (!Prepare(destination, x, y, width, height, source, xSource, ySource, sourceWidth, sourceHeight, call))
        return FALSE;
    bool perPixel = (blend.AlphaFormat & AC_SRC_ALPHA) != 0;
    if (blend.BlendOp != AC_SRC_OVER || blend.BlendFlags != 0 || (perPixel && call.source->Surface()->BitCount() != 32))
        return Fail(ERROR_INVALID_PARAMETER);
    if (call.target.width == 0 || call.target.height == 0) return TRUE;
    Raster raster(*call.dest);
    SourceColors colors;
    colors.monoUsesDcColors = false;
    BlitSource pixels(*call.source->Surface(), call.sourceRect, colors);
    unsigned constant = blend.SourceConstantAlpha;
    Transfer(raster, call.target, pixels, false, false, COLORONCOLOR, [&](Pixel s, Pixel d, LONG, LONG) {
        Pixel out = 0;
        unsigned sourceAlpha = perPixel ? Scale(s >> 24, constant) : constant;
        for (int shift = 0; shift < 32; shift += 8) {
            unsigned sc = (s >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
            unsigned value = perPixel ? Scale(sc, constant) + Scale(dc, 255 - sourceAlpha)
                                      : Scale(sc, constant) + Scale(dc, 255 - constant);
            out |= static_cast<Pixel>(value > 255 ? 255 : value) << shift;
        }
        return out;
    });
    return TRUE;
}

BOOL TransparentBlt(HDC destination, int x, int y, int width, int height, HDC source, int xSource, int ySource,
                    int sourceWidth, int sourceHeight, UINT transparent) {
    Call call;
    if (!Prepare(destination, x, y, width, height, source, xSource, ySource, sourceWidth, sourceHeight, call))
        return FALSE;
    if (call.target.width == 0 || call.target.height == 0 || sourceWidth == 0 || sourceHeight == 0) return TRUE;
    Raster raster(*call.dest);
    SourceColors colors;
    colors.text = PixelFromColor(call.dest->state.textColor);
    colors.background = PixelFromColor(call.dest->state.bkColor);
    BlitSource pixels(*call.source->Surface(), call.sourceRect, colors);
    Pixel key = PixelFromColor(transparent & 0x00FFFFFF);
    Transfer(raster, call.target, pixels, false, false, COLORONCOLOR,
             [&](Pixel s, Pixel d, LONG, LONG) { return (s & 0x00FFFFFF) == key ? d : (s & 0x00FFFFFF); });
    return TRUE;
}

}  // namespace platform
