#include "skin/core/pixels/BitmapCopies.h"

#include "skin/core/pixels/AlphaPixels.h"

#include "ui/graphics/Bitmap.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;
constexpr std::uint32_t kColorBits = 0x00FFFFFFu;

// The 24-bit colour bytes of pixel x of a 24-bit row, as 0x00RRGGBB.
std::uint32_t Pixel24(const std::uint8_t* row, int x) {
    const std::uint8_t* p = row + x * 3;
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16);
}

}  // namespace

std::unique_ptr<TBitmap> NewBitmap32(int width, int height) {
    return std::make_unique<TBitmap>(std::max(width, 0), std::max(height, 0), TPixelFormat::pf32bit);
}

std::unique_ptr<TBitmap> NewBitmapSameFormat(const TBitmap& bitmap) {
    return std::make_unique<TBitmap>(bitmap.Width(), bitmap.Height(), bitmap.PixelFormat());
}

std::unique_ptr<TBitmap> RotateBitmap90(const TBitmap& constSource, bool clockwise) {
    if (!IsBitmap32(&constSource)) return nullptr;
    TBitmap& source = const_cast<TBitmap&>(constSource);  // ScanLine is the only row access
    int w = source.Width(), h = source.Height();
    auto result = NewBitmap32(h, w);
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* row = PixelRow(source, y);
        for (int x = 0; x < w; ++x) {
            if (clockwise)
                PixelRow(*result, x)[h - 1 - y] = row[x];
            else
                PixelRow(*result, w - 1 - x)[y] = row[x];
        }
    }
    return result;
}

std::unique_ptr<TBitmap> BitmapFromMaskPair(TBitmap& bitmap, const TRect& rect) {
    int w = rect.Width(), half = rect.Height() / 2;
    if (w <= 0 || half <= 0 || !IsBitmap32(&bitmap)) return nullptr;
    if (rect.Left < 0 || rect.Top < 0 || rect.Right > bitmap.Width() || rect.Top + 2 * half > bitmap.Height())
        return nullptr;
    auto result = NewBitmap32(w, half);
    for (int y = 0; y < half; ++y) {
        const std::uint32_t* image = PixelRow(bitmap, rect.Top + y) + rect.Left;
        const std::uint32_t* mask = PixelRow(bitmap, rect.Top + half + y) + rect.Left;
        std::uint32_t* out = PixelRow(*result, y);
        for (int x = 0; x < w; ++x)
            out[x] = (image[x] & kColorBits) | ((255 - ChannelOf(mask[x], kRedShift)) << kAlphaShift);
    }
    return result;
}

void CopyByteChannel(TBitmap& bitmap32, TBitmap& bitmap8, int channel, bool toByteBitmap) {
    if (!IsBitmap32(&bitmap32) || bitmap8.PixelFormat() != TPixelFormat::pf8bit || channel < 0 || channel > 3) return;
    int w = std::min(bitmap32.Width(), bitmap8.Width()), h = std::min(bitmap32.Height(), bitmap8.Height());
    for (int y = 0; y < h; ++y) {
        auto* wide = static_cast<std::uint8_t*>(bitmap32.ScanLine(y));
        auto* narrow = static_cast<std::uint8_t*>(bitmap8.ScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (toByteBitmap)
                narrow[x] = wide[x * 4 + channel];
            else
                wide[x * 4 + channel] = narrow[x];
        }
    }
}

void PutBitmapKeyed(TBitmap& destination, TBitmap& source, int x, std::uint32_t key, int y) {
    if (!IsBitmap32(&destination)) return;
    bool wide = IsBitmap32(&source);
    // Another format is read through a 24-bit copy; the caller's bitmap stays as it is.
    TBitmap converted;
    TBitmap* from = &source;
    if (!wide && source.PixelFormat() != TPixelFormat::pf24bit) {
        converted.Assign(&source);
        converted.SetPixelFormat(TPixelFormat::pf24bit);
        from = &converted;
    }
    std::uint32_t pixelKey = ColorToPixel32(key);
    TRect target = ClipToBitmap(Bounds(x, y, source.Width(), source.Height()), destination);
    for (int ty = target.Top; ty < target.Bottom; ++ty) {
        auto* in = static_cast<const std::uint8_t*>(from->ScanLine(ty - y));
        std::uint32_t* out = PixelRow(destination, ty);
        for (int tx = target.Left; tx < target.Right; ++tx) {
            std::uint32_t p = wide ? reinterpret_cast<const std::uint32_t*>(in)[tx - x] : Pixel24(in, tx - x);
            bool isKey = wide ? p == pixelKey : p == (pixelKey & kColorBits);
            if (!isKey) out[tx] = (p & kColorBits) | kOpaque;
        }
    }
}

void CopyRectKeyed(TBitmap& destination, TBitmap& source, int x, std::uint32_t key, const TRect& sourceRect, int y) {
    if (!IsBitmap32(&destination) || !IsBitmap32(&source)) return;
    std::uint32_t pixelKey = ColorToPixel32(key);
    for (int sy = std::max(sourceRect.Top, 0); sy <= sourceRect.Bottom && sy < source.Height(); ++sy) {
        int ty = y + sy - sourceRect.Top;
        if (ty < 0) continue;
        if (ty >= destination.Height()) break;
        const std::uint32_t* in = PixelRow(source, sy);
        std::uint32_t* out = PixelRow(destination, ty);
        for (int sx = std::max(sourceRect.Left, 0); sx <= sourceRect.Right && sx < source.Width(); ++sx) {
            int tx = x + sx - sourceRect.Left;
            if (tx < 0) continue;
            if (tx >= destination.Width()) break;
            if (in[sx] != pixelKey) out[tx] = in[sx];
        }
    }
}
