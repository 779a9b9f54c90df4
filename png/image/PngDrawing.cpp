#include "png/image/PngDrawing.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Blits.h"
#include "platform/gdi/DeviceContexts.h"
#include "png/PngPicture.h"
#include "png/chunks/PngHeaderChunk.h"
#include "png/chunks/PngPaletteChunk.h"
#include "png/chunks/PngTransparencyChunk.h"
#include "png/codec/PngExceptions.h"

#include <algorithm>

namespace {

// Source column or row of target position c when `target` positions show `source` ones.
int SourceIndex(int c, int target, int source) {
    return int(std::min<std::int64_t>(std::int64_t(c) * source / target, source - 1));
}

// The colour the DIB shows at (x, y), as 0x00RRGGBB.
std::uint32_t ShownColor(const TChunkIHDR& header, int x, int y) {
    const std::uint8_t* row = header.Image.Row(y);
    const int bits = header.Image.BitsPerPixel();
    if (bits == 24) {
        const std::uint8_t* px = row + 3 * x;
        return (std::uint32_t(px[2]) << 16) | (std::uint32_t(px[1]) << 8) | px[0];
    }
    const TRgbQuad& q = header.Image.ColourTable[TPngDib::PixelBits(row, x, bits)];
    return (std::uint32_t(q.Red) << 16) | (std::uint32_t(q.Green) << 8) | q.Blue;
}

std::uint32_t Blend(std::uint32_t source, unsigned alpha, std::uint32_t target) {
    std::uint32_t result = target & 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        unsigned s = (source >> shift) & 0xFF, t = (target >> shift) & 0xFF;
        result |= std::uint32_t((s * alpha + (255 - alpha) * t + 255) >> 8) << shift;
    }
    return result;
}

std::uint32_t WithColor(std::uint32_t target, std::uint32_t color) { return (target & 0xFF000000u) | color; }

template <class PutPixel>
void ForEachTargetPixel(const TChunkIHDR& header, const TPixelTarget& target, PutPixel put) {
    for (int r = 0; r < target.Height; ++r) {
        const int y = SourceIndex(r, target.Height, header.Height);
        std::uint32_t* out = target.Row(r);
        for (int c = 0; c < target.Width; ++c) put(out[c], SourceIndex(c, target.Width, header.Width), y);
    }
}

}  // namespace

void StretchPictureOnto(const TPngPicture& picture, const TPixelTarget& target) {
    if (picture.Empty()) return;
    const TChunkIHDR& header = picture.HeaderChunk();
    ForEachTargetPixel(header, target, [&](std::uint32_t& t, int x, int y) { t = WithColor(t, ShownColor(header, x, y)); });
}

void DrawColorKeyedOnto(const TPngPicture& picture, const TPixelTarget& target) {
    if (picture.Empty()) return;
    const TChunkIHDR& header = picture.HeaderChunk();
    const TPngColor keyColor = picture.TransparentColorValue();
    const std::uint32_t shownKey =
        (std::uint32_t(RedOf(keyColor)) << 16) | (std::uint32_t(GreenOf(keyColor)) << 8) | BlueOf(keyColor);
    ForEachTargetPixel(header, target, [&](std::uint32_t& t, int x, int y) {
        std::uint32_t shown = ShownColor(header, x, y);
        const bool keyed = header.HasColorKeyMask() ? header.ColorKeyRow(y)[x] != 0 : shown == shownKey;
        if (!keyed) t = WithColor(t, shown);
    });
}

void BlendPictureOnto(const TPngPicture& picture, const TPixelTarget& target) {
    const TChunkIHDR& header = picture.HeaderChunk();
    if (target.Width <= 0 || target.Height <= 0) return;
    if (header.HasAlpha() || header.Image.BitsPerPixel() == 24) {
        // Grey with alpha shows through its grey palette, gamma included, like grey without.
        const bool hasAlpha = header.HasAlpha();
        ForEachTargetPixel(header, target, [&](std::uint32_t& t, int x, int y) {
            unsigned a = hasAlpha ? header.AlphaRow(y)[x] : 255;
            if (a == 0) return;
            std::uint32_t s = ShownColor(header, x, y);
            t = a == 255 ? WithColor(t, s) : Blend(s, a, t);
        });
    } else {
        const int bits = header.Image.BitsPerPixel();
        auto* transparency = picture.ChunkList.FindChunkOfClass<TChunktRNS>();
        auto* palette = picture.ChunkList.FindChunkOfClass<TChunkPLTE>();
        ForEachTargetPixel(header, target, [&](std::uint32_t& t, int x, int y) {
            unsigned i = TPngDib::PixelBits(header.Image.Row(y), x, bits);
            if (!palette) throw EPngError(PngNoSuchPaletteEntryText);
            unsigned a = transparency ? transparency->AlphaValues[i] : 255;
            t = Blend(palette->EntryColor(int(i)), a, t);
        });
    }
}

void DrawThroughPixels(platform::HDC dc, TRect rect, const std::function<void(const TPixelTarget&)>& paint) {
    if (rect.Left > rect.Right) std::swap(rect.Left, rect.Right);
    if (rect.Top > rect.Bottom) std::swap(rect.Top, rect.Bottom);
    const int w = rect.Width(), h = rect.Height();
    if (w == 0 || h == 0) return;
    platform::BITMAPINFO info{};
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = platform::BI_RGB;
    void* bits = nullptr;
    platform::HDC memory = platform::CreateCompatibleDC(dc);
    platform::HBITMAP section =
        memory ? platform::CreateDIBSection(memory, &info, platform::DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    if (!section || !bits) {
        if (section) platform::DeleteObject(section);
        if (memory) platform::DeleteDC(memory);
        throw EPNGOutMemory();
    }
    platform::HGDIOBJ previous = platform::SelectObject(memory, section);
    struct Release {
        platform::HDC memory;
        platform::HBITMAP section;
        platform::HGDIOBJ previous;
        ~Release() {
            platform::SelectObject(memory, previous);
            platform::DeleteObject(section);
            platform::DeleteDC(memory);
        }
    } release{memory, section, previous};
    platform::BitBlt(memory, 0, 0, w, h, dc, rect.Left, rect.Top, platform::SRCCOPY);
    paint({static_cast<std::uint32_t*>(bits), w, h, std::size_t(w)});
    platform::BitBlt(dc, rect.Left, rect.Top, w, h, memory, 0, 0, platform::SRCCOPY);
}
