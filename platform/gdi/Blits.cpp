#include "platform/gdi/Blits.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/detail/BlitEngine.h"
#include "platform/gdi/detail/RasterOps.h"
#include "platform/system/LastError.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

BOOL BadParameter() {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}

// A logical rectangle given by corner and size, in surface pixels; the size
// keeps its sign (a mirrored request stays mirrored).
BlitGeometry SurfaceGeometry(const DeviceContext& dc, int x, int y, long long width, long long height) {
    POINT a = dc.ToSurface({x, y});
    POINT b = dc.ToSurface({ClampCoordinate(x + width), ClampCoordinate(y + height)});
    return {a.x, a.y, static_cast<long long>(b.x) - a.x, static_cast<long long>(b.y) - a.y};
}

RECT NormalRect(const BlitGeometry& g) {
    long long left = std::min(g.x, g.x + g.width), top = std::min(g.y, g.y + g.height);
    return {ClampCoordinate(left), ClampCoordinate(top), ClampCoordinate(left + std::llabs(g.width)),
            ClampCoordinate(top + std::llabs(g.height))};
}

SourceColors ColorsFor(const DeviceContext& dest, const DeviceContext* source) {
    SourceColors colors;
    colors.text = PixelFromColor(dest.state.textColor);
    colors.background = PixelFromColor(dest.state.bkColor);
    colors.toMono = dest.Surface() && dest.Surface()->BitCount() == 1;
    if (source) colors.sourceBackground = PixelFromColor(source->state.bkColor);
    return colors;
}

// Unstretched 32-bit copies go row by row.
bool CopyRows(Raster& raster, const BitmapSurface& from, const RECT& sourceRect, const BlitGeometry& dest) {
    BitmapSurface& to = raster.Surface();
    if (from.BitCount() != 32 || to.BitCount() != 32 || dest.width <= 0 || dest.height <= 0) return false;
    RECT area = NormalRect(dest);
    Region pixels(area);
    // Only where the source lies on its surface.
    Region onSource(RECT{ClampCoordinate(dest.x - sourceRect.left), ClampCoordinate(dest.y - sourceRect.top),
                         ClampCoordinate(dest.x - sourceRect.left + from.Width()),
                         ClampCoordinate(dest.y - sourceRect.top + from.Height())});
    pixels.Intersect(onSource);
    pixels.Intersect(raster.Clip());
    bool same = &from == &to;
    for (const RECT& r : pixels.Rects()) {
        LONG sx = static_cast<LONG>(r.left - dest.x + sourceRect.left);
        std::size_t bytes = static_cast<std::size_t>(r.right - r.left) * 4;
        // Overlapping copies within one surface run away from the overlap.
        bool upwards = same && dest.y > sourceRect.top;
        for (LONG k = 0; k < r.bottom - r.top; ++k) {
            LONG y = upwards ? r.bottom - 1 - k : r.top + k;
            LONG sy = static_cast<LONG>(y - dest.y + sourceRect.top);
            std::memmove(to.Row32(y) + r.left, from.Row32(sy) + sx, bytes);
        }
    }
    return true;
}

// The shared body of BitBlt and StretchBlt, in surface pixels.
BOOL Blit(DeviceContext& dest, const BlitGeometry& target, DeviceContext* source, const BlitGeometry& from,
          DWORD rop) {
    unsigned code = RopCode(rop);
    Raster raster(dest);
    if (!raster.Drawable()) return TRUE;
    Paint pattern = raster.BrushPaint();
    pattern.rop2 = R2_COPYPEN;
    auto patternAt = [&](LONG x, LONG y) {
        Pixel p = 0;
        pattern.SourceAt(x, y, p);
        return p;
    };
    if (!RopUsesSource(code)) {
        Region pixels(NormalRect(target));
        pixels.Intersect(raster.Clip());
        BitmapSurface& surface = raster.Surface();
        for (const RECT& r : pixels.Rects())
            for (LONG y = r.top; y < r.bottom; ++y) {
                Pixel* direct = surface.BitCount() == 32 ? surface.Row32(y) : nullptr;
                for (LONG x = r.left; x < r.right; ++x) {
                    if (direct) direct[x] = MixRop3(code, patternAt(x, y), 0, direct[x]);
                    else surface.Set(x, y, MixRop3(code, patternAt(x, y), 0, surface.Get(x, y)));
                }
            }
        return TRUE;
    }
    if (!source || !source->Surface()) return BadParameter();
    RECT sourceRect = NormalRect(from);
    bool stretched = std::llabs(target.width) != std::llabs(from.width) || std::llabs(target.height) != std::llabs(from.height);
    bool mirrorX = (target.width < 0) != (from.width < 0), mirrorY = (target.height < 0) != (from.height < 0);
    if (code == 0xCC && !stretched && !mirrorX && !mirrorY && !(dest.Surface()->BitCount() == 1) &&
        CopyRows(raster, *source->Surface(), sourceRect, target))
        return TRUE;
    BlitSource pixels(*source->Surface(), sourceRect, ColorsFor(dest, source));
    BlitGeometry geometry{std::min(target.x, target.x + target.width), std::min(target.y, target.y + target.height),
                          std::llabs(target.width), std::llabs(target.height)};
    Transfer(raster, geometry, pixels, mirrorX, mirrorY, dest.state.stretchMode,
             [&](Pixel s, Pixel d, LONG x, LONG y) {
                 return MixRop3(code, RopUsesPattern(code) ? patternAt(x, y) : 0, s, d);
             });
    return TRUE;
}

// A surface holding a caller's DIB rows, laid out as its header says.
std::shared_ptr<BitmapSurface> SurfaceFromDib(const BITMAPINFO& info, const void* bits, UINT firstScan, UINT scans) {
    const BITMAPINFOHEADER& h = info.bmiHeader;
    if (!SupportedDibLayout(info)) return nullptr;
    LONG height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    bool topDown = h.biHeight < 0;
    auto surface = BitmapSurface::Create(h.biWidth, height, h.biBitCount, topDown, ColorTableOf(info));
    if (!surface) return nullptr;
    surface->SetFiveSixFive(IsFiveSixFive(info));
    const BYTE* in = static_cast<const BYTE*>(bits);
    // Scan lines count from the first row in memory.
    UINT last = std::min<UINT>(firstScan + scans, static_cast<UINT>(height));
    for (UINT scan = firstScan; scan < last; ++scan) {
        LONG fromTop = topDown ? static_cast<LONG>(scan) : height - 1 - static_cast<LONG>(scan);
        std::memcpy(surface->Row(fromTop), in + static_cast<std::size_t>(scan - firstScan) * surface->Stride(),
                    static_cast<std::size_t>(surface->Stride()));
    }
    return surface;
}

int DibToDevice(DeviceContext& dc, const BlitGeometry& target, const BitmapSurface& dib, const RECT& sourceRect,
                DWORD rop) {
    Raster raster(dc);
    unsigned code = RopCode(rop);
    SourceColors colors = ColorsFor(dc, nullptr);
    colors.monoUsesDcColors = false;  // a DIB's own colour table counts
    BlitSource pixels(dib, sourceRect, colors);
    bool mirrorX = target.width < 0, mirrorY = target.height < 0;
    BlitGeometry geometry{std::min(target.x, target.x + target.width), std::min(target.y, target.y + target.height),
                          std::llabs(target.width), std::llabs(target.height)};
    Paint pattern = raster.BrushPaint();
    Transfer(raster, geometry, pixels, mirrorX, mirrorY, dc.state.stretchMode, [&](Pixel s, Pixel d, LONG x, LONG y) {
        Pixel p = 0;
        if (RopUsesPattern(code)) pattern.SourceAt(x, y, p);
        return MixRop3(code, p, s, d);
    });
    return static_cast<int>(std::llabs(static_cast<long long>(sourceRect.bottom) - sourceRect.top));
}

}  // namespace

BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int xSource, int ySource, DWORD rop) {
    auto dest = DcOrFail(destination);
    if (!dest) return FALSE;
    if (width < 0 || height < 0) return BadParameter();
    if (width == 0 || height == 0) return TRUE;
    std::shared_ptr<DeviceContext> src;
    if (RopUsesSource(RopCode(rop)) && !(src = DcOrFail(source))) return FALSE;
    BlitGeometry target = SurfaceGeometry(*dest, x, y, width, height);
    BlitGeometry from = src ? SurfaceGeometry(*src, xSource, ySource, width, height) : BlitGeometry{0, 0, 0, 0};
    return Blit(*dest, target, src.get(), from, rop);
}

BOOL StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int xSource, int ySource,
                int sourceWidth, int sourceHeight, DWORD rop) {
    auto dest = DcOrFail(destination);
    if (!dest) return FALSE;
    bool usesSource = RopUsesSource(RopCode(rop));
    if (width == 0 || height == 0 || (usesSource && (sourceWidth == 0 || sourceHeight == 0))) return BadParameter();
    std::shared_ptr<DeviceContext> src;
    if (usesSource && !(src = DcOrFail(source))) return FALSE;
    BlitGeometry target = SurfaceGeometry(*dest, x, y, width, height);
    BlitGeometry from =
        src ? SurfaceGeometry(*src, xSource, ySource, sourceWidth, sourceHeight) : BlitGeometry{0, 0, 0, 0};
    return Blit(*dest, target, src.get(), from, rop);
}

BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    if (RopUsesSource(RopCode(rop))) return BadParameter();
    if (width == 0 || height == 0) return TRUE;
    return Blit(*dc, SurfaceGeometry(*dc, x, y, width, height), nullptr, {}, rop);
}

int StretchDIBits(HDC hdc, int x, int y, int width, int height, int xSource, int ySource, int sourceWidth,
                  int sourceHeight, const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop) {
    auto dc = DcOrFail(hdc);
    if (!dc) return 0;
    if (!bits || !info || usage != DIB_RGB_COLORS || width == 0 || height == 0 || sourceWidth == 0 ||
        sourceHeight == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    LONG rows = info->bmiHeader.biHeight < 0 ? -info->bmiHeader.biHeight : info->bmiHeader.biHeight;
    auto dib = SurfaceFromDib(*info, bits, 0, static_cast<UINT>(std::max<LONG>(rows, 0)));
    if (!dib) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    long long top = dib->TopDown() ? ySource : static_cast<long long>(dib->Height()) - ySource - sourceHeight;
    RECT sourceRect{ClampCoordinate(xSource), ClampCoordinate(top), ClampCoordinate(static_cast<long long>(xSource) + sourceWidth),
                    ClampCoordinate(top + sourceHeight)};
    BlitGeometry target = SurfaceGeometry(*dc, x, y, width, height);
    if (sourceWidth < 0) {
        std::swap(sourceRect.left, sourceRect.right);
        target.width = -target.width;
    }
    if (sourceHeight < 0) target.height = -target.height;
    return DibToDevice(*dc, target, *dib, NormalizedRect(sourceRect), rop);
}

int SetDIBitsToDevice(HDC hdc, int x, int y, DWORD width, DWORD height, int xSource, int ySource, UINT startScan,
                      UINT lines, const void* bits, const BITMAPINFO* info, UINT usage) {
    auto dc = DcOrFail(hdc);
    if (!dc) return 0;
    if (!bits || !info || usage != DIB_RGB_COLORS || width > 0x7FFFFFFF || height > 0x7FFFFFFF) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    auto dib = SurfaceFromDib(*info, bits, startScan, lines);
    if (!dib) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (width == 0 || height == 0) return 0;
    long long top = dib->TopDown() ? ySource : static_cast<long long>(dib->Height()) - ySource - height;
    RECT sourceRect{ClampCoordinate(xSource), ClampCoordinate(top), ClampCoordinate(static_cast<long long>(xSource) + width),
                    ClampCoordinate(top + height)};
    POINT corner = dc->ToSurface({x, y});
    BlitGeometry target{corner.x, corner.y, static_cast<long long>(width), static_cast<long long>(height)};
    DibToDevice(*dc, target, *dib, sourceRect, SRCCOPY);
    return static_cast<int>(std::min<UINT>(lines, static_cast<UINT>(dib->Height())));
}

}  // namespace platform
