#include "skin/core/text/TextGlow.h"

#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/pixels/AlphaRects.h"
#include "skin/core/pixels/BitmapCopies.h"
#include "skin/core/text/SectionTextColors.h"
#include "skin/core/text/TextRoutines.h"

#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Colors.h"

#include "platform/gdi/DeviceContexts.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kKernelReach = 100;
// The tails left out may hold half a grey level of the mass.
constexpr double kTailMass = 1.0 / 510.0;
constexpr int kMargin = 4;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr int kFull = 255;

void DrawMaskText(TBitmap& bitmap, TBitmap& mask, const std::string& text, const TRect& place, unsigned thickening,
                  unsigned format) {
    TCanvas& canvas = *mask.Canvas();
    canvas.SetFont(bitmap.Canvas()->Font());
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    platform::HDC dc = CanvasTextDC(canvas);
    platform::SetBkMode(dc, platform::TRANSPARENT);
    platform::SetTextColor(dc, 0);
    static constexpr std::pair<unsigned, TPoint> kSides[] = {
        {kGlowLeft, {-1, 0}}, {kGlowUp, {0, -1}}, {kGlowRight, {1, 0}}, {kGlowDown, {0, 1}}};
    for (const auto& [flag, offset] : kSides)
        if (thickening & flag) DrawTextStr(dc, text, MovedRect(place, offset), format);
    DrawTextStr(dc, text, place, format);
}

// One line of grey levels convolved with the window; beyond the ends the end pixel.
void BlurLine(std::vector<std::uint8_t>& line, const std::vector<float>& kernel) {
    const int n = static_cast<int>(kernel.size()) / 2, count = static_cast<int>(line.size());
    const std::vector<std::uint8_t> in = line;
    for (int i = 0; i < count; ++i) {
        double sum = 0;
        for (int k = -n; k <= n; ++k)
            sum += static_cast<double>(kernel[static_cast<std::size_t>(k + n)]) * in[static_cast<std::size_t>(std::clamp(i + k, 0, count - 1))];
        line[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(std::clamp(static_cast<int>(sum), 0, kFull));
    }
}

void BlurMask(TBitmap& mask, int radius) {
    const std::vector<float> kernel = GlowKernel(radius);
    const int w = mask.Width(), h = mask.Height();
    std::vector<std::uint8_t> grey(static_cast<std::size_t>(w * h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) grey[static_cast<std::size_t>(y * w + x)] = static_cast<std::uint8_t>(ChannelOf(PixelRow(mask, y)[x], kBlueShift));
    std::vector<std::uint8_t> line;
    for (int y = 0; y < h; ++y) {
        line.assign(grey.begin() + y * w, grey.begin() + (y + 1) * w);
        BlurLine(line, kernel);
        std::copy(line.begin(), line.end(), grey.begin() + y * w);
    }
    line.resize(static_cast<std::size_t>(h));
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) line[static_cast<std::size_t>(y)] = grey[static_cast<std::size_t>(y * w + x)];
        BlurLine(line, kernel);
        for (int y = 0; y < h; ++y) grey[static_cast<std::size_t>(y * w + x)] = line[static_cast<std::size_t>(y)];
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint32_t g = grey[static_cast<std::size_t>(y * w + x)];
            PixelRow(mask, y)[x] = MakePixel(kFull, g, g, g);
        }
}

std::uint32_t GlowPixel(std::uint32_t target, std::uint32_t m, std::uint32_t glowPixel) {
    std::uint32_t out = 0;
    for (int shift : kColorShifts) {
        const int k = static_cast<int>(ChannelOf(glowPixel, shift)), c = static_cast<int>(ChannelOf(target, shift));
        out |= static_cast<std::uint32_t>(k + (c - k) * static_cast<int>(m) / kFull) << shift;
    }
    const std::uint32_t a = ChannelOf(target, kAlphaShift);
    return out | ((a + (kFull - m) * (kFull - a) / kFull) << kAlphaShift);
}

}  // namespace

std::vector<float> GlowKernel(int radius) {
    std::vector<double> wide(2 * kKernelReach + 1);
    double total = 0;
    for (int i = -kKernelReach; i <= kKernelReach; ++i) {
        const double q = static_cast<double>(i) / radius;
        total += wide[static_cast<std::size_t>(i + kKernelReach)] = std::exp(-q * q / 2);
    }
    for (double& w : wide) w = static_cast<float>(w / total);
    int n = kKernelReach;
    double tails = 0;
    while (n > 1) {
        const double next = tails + 2 * wide[static_cast<std::size_t>(n + kKernelReach)];
        if (next >= kTailMass) break;
        tails = next;
        --n;
    }
    std::vector<float> kernel(wide.begin() + (kKernelReach - n), wide.begin() + (kKernelReach + n + 1));
    float sum = 0;
    for (float w : kernel) sum += w;
    for (float& w : kernel) w /= sum;
    return kernel;
}

void DrawTextGlow(TBitmap& bitmap, const std::string& text, const TRect& rect, std::unique_ptr<TBitmap>& mask,
                  std::uint32_t glowColor, int size, unsigned thickening, unsigned format) {
    if (size <= 0 || rect.IsEmpty() || !IsBitmap32(&bitmap)) return;
    const TRect r1 = MovedRect(rect, {1, 1});
    const int grow = size + kMargin;
    const int mw = r1.Width() + 2 * grow, mh = r1.Height() + 2 * grow;
    if (!mask || mask->Width() != mw || mask->Height() != mh || !IsBitmap32(mask.get())) {
        mask = NewBitmap32(mw, mh);
        FillRectWithAlpha(*mask, TRect(0, 0, mw, mh), kWhite & 0xFFFFFF, kFull);
        DrawMaskText(bitmap, *mask, text, TRect(grow, grow, r1.Width() + grow, r1.Height() + grow), thickening, format);
        BlurMask(*mask, size);
    }
    const std::uint32_t glowPixel = ExchangeRedBlue(glowColor);
    for (int y = 0; y < mh; ++y) {
        const int ty = r1.Top - grow + y;
        if (ty < 0 || ty >= bitmap.Height()) continue;
        const std::uint32_t* in = PixelRow(*mask, y);
        std::uint32_t* out = PixelRow(bitmap, ty);
        for (int x = 0; x < mw; ++x) {
            const int tx = r1.Left - grow + x;
            const std::uint32_t m = ChannelOf(in[x], kBlueShift);
            if (m < static_cast<std::uint32_t>(kFull) && tx >= 0 && tx < bitmap.Width()) out[tx] = GlowPixel(out[tx], m, glowPixel);
        }
    }
}
