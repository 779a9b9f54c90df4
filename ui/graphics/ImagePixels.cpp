#include "ui/graphics/ImagePixels.h"

#include "ui/graphics/ImageStore.h"

#include "platform/gdi/AlphaBlending.h"

#include <algorithm>

namespace {

constexpr std::uint32_t AlphaMask = 0xFF000000u;

std::uint32_t Rgb(TColor color) {
    auto v = static_cast<std::uint32_t>(ColorToRGB(color));
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

}  // namespace

TPixels ReadPixels(TBitmap& bitmap, const TRect& area) {
    TPixels out(static_cast<std::size_t>(std::max(area.Width(), 0)) * std::max(area.Height(), 0), 0);
    if (bitmap.Empty() || out.empty()) return out;
    TBitmap copy;
    copy.Assign(&bitmap);
    copy.SetPixelFormat(TPixelFormat::pf32bit);
    bool hasAlpha = false;
    for (int y = 0; y < copy.Height() && !hasAlpha; ++y) {
        auto* row = static_cast<const std::uint32_t*>(copy.ScanLine(y));
        hasAlpha = std::any_of(row, row + copy.Width(), [](std::uint32_t p) { return (p & AlphaMask) != 0; });
    }
    for (int y = area.Top; y < area.Bottom; ++y) {
        if (y < 0 || y >= copy.Height()) continue;
        auto* row = static_cast<const std::uint32_t*>(copy.ScanLine(y));
        for (int x = area.Left; x < area.Right; ++x) {
            if (x < 0 || x >= copy.Width()) continue;
            std::uint32_t p = row[x];
            out[static_cast<std::size_t>((y - area.Top) * area.Width() + (x - area.Left))] =
                hasAlpha ? p : (p | AlphaMask);
        }
    }
    return out;
}

void KeyOut(TPixels& pixels, TColor key) {
    std::uint32_t rgb = Rgb(key);
    for (std::uint32_t& p : pixels)
        if ((p & AlphaMask) == AlphaMask && (p & 0xFFFFFF) == rgb) p = 0;
}

void WritePixels(TBitmap& bitmap, int width, int height, const TPixels& pixels) {
    bitmap.SetPixelFormat(TPixelFormat::pf32bit);
    bitmap.SetSize(width, height);
    for (int y = 0; y < height; ++y)
        std::copy_n(pixels.begin() + static_cast<std::ptrdiff_t>(y) * width, width,
                    static_cast<std::uint32_t*>(bitmap.ScanLine(y)));
    bitmap.Modified = true;
}

std::uint32_t PremultiplyPixel(std::uint32_t argb) { return TImageStore::Premultiply(argb); }

std::uint32_t UnpremultiplyPixel(std::uint32_t argb) {
    std::uint32_t a = argb >> 24;
    if (a == 0) return 0;
    auto channel = [a](std::uint32_t c) { return std::min<std::uint32_t>((c * 255 + a / 2) / a, 255); };
    return (a << 24) | (channel((argb >> 16) & 0xFF) << 16) | (channel((argb >> 8) & 0xFF) << 8) |
           channel(argb & 0xFF);
}

TPixels DisabledPixels(const TPixels& pixels, int width, int height) {
    TPixels out(pixels.size(), 0);
    std::uint32_t light = Rgb(clBtnHighlight), dark = Rgb(clBtnShadow);
    auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; };
    // The highlight one pixel down and right, the shadow over it.
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint32_t a = at(x, y) & AlphaMask;
            if (a && x + 1 < width && y + 1 < height) out[static_cast<std::size_t>((y + 1) * width + x + 1)] = a | light;
        }
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (std::uint32_t a = at(x, y) & AlphaMask) out[static_cast<std::size_t>(y * width + x)] = a | dark;
    return out;
}

void BlendPixels(TCanvas& canvas, int x, int y, int width, int height, const TPixels& premultiplied) {
    BlendPixels(canvas, Bounds(x, y, width, height), width, height, premultiplied);
}

void BlendPixels(TCanvas& canvas, const TRect& destination, int width, int height, const TPixels& premultiplied) {
    if (width <= 0 || height <= 0 || premultiplied.size() != static_cast<std::size_t>(width) * height) return;
    TBitmap image;
    WritePixels(image, width, height, premultiplied);
    platform::BLENDFUNCTION blend;
    blend.AlphaFormat = platform::AC_SRC_ALPHA;
    platform::AlphaBlend(canvas.Handle(), destination.Left, destination.Top, destination.Width(), destination.Height(),
                         image.Canvas()->Handle(), 0, 0, width, height, blend);
}

bool HasTransparency(const TPixels& pixels) {
    return std::any_of(pixels.begin(), pixels.end(), [](std::uint32_t p) { return (p >> 24) != 0xFF; });
}
