#include "chart/effects/ChartShadowBlur.h"

#include "ui/core/Rounding.h"
#include "ui/graphics/Bitmap.h"

#include "platform/gdi/Clipping.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

std::vector<int> ShadowBlurWeights(int size, int smoothBlur) {
    std::vector<int> weights(static_cast<std::size_t>(2 * size + 1), 100000);
    if (size == 0) return weights;
    const double base = ((smoothBlur + 180) * 0.01 + 180) * 0.01;
    for (int k = -size; k <= size; ++k)
        weights[static_cast<std::size_t>(k + size)] =
            static_cast<int>(Round(100000 * std::pow(base, -static_cast<double>(k * k) / size)));
    return weights;
}

namespace {

int BytesPerPixel(const TBitmap& bitmap) { return bitmap.PixelFormat() == TPixelFormat::pf24bit ? 3 : 4; }

}  // namespace

void BlurShadowMask(TBitmap& mask, TBitmap& dest, TPoint position, const TShadowBlur& blur) {
    mask.SetPixelFormat(TPixelFormat::pf24bit);
    const int h = std::abs(blur.HorizSize), v = std::abs(blur.VertSize);
    bool whole = blur.Whole;
    // a shadow cast left or up lies before the shape: all of it is blurred
    if (blur.HorizSize < 0) {
        position.X -= 2 * h;
        whole = true;
    }
    if (blur.VertSize < 0) {
        position.Y -= 2 * v;
        whole = true;
    }
    const int width = mask.Width(), height = mask.Height();
    const int destWidth = dest.Width(), destHeight = dest.Height();
    // the mask's columns and rows that land on the destination
    const int x0 = std::max(0, -position.X), x1 = std::min(width, destWidth - position.X);
    const int y0 = std::max(0, -position.Y), y1 = std::min(height, destHeight - position.Y);
    if (x0 >= x1 || y0 >= y1) return;
    const std::vector<int> wh = ShadowBlurWeights(h, blur.SmoothBlur);
    const std::vector<int> wv = ShadowBlurWeights(v, blur.SmoothBlur);
    const int bandTop = height - (2 * v + 1), bandLeft = width - (2 * h + 1);
    auto processed = [&](int x, int y) { return whole || y >= bandTop || x >= bandLeft; };

    // Horizontal pass over every row the vertical pass reads.
    const std::size_t columns = static_cast<std::size_t>(x1 - x0);
    std::vector<std::int64_t> across(columns * static_cast<std::size_t>(height) * 3);
    for (int y = 0; y < height; ++y) {
        const auto* row = static_cast<const std::uint8_t*>(mask.ScanLine(y));
        for (int x = x0; x < x1; ++x) {
            std::int64_t sum[3] = {0, 0, 0}, weight = 0;
            for (int k = -h; k <= h; ++k) {
                const int sx = x + k;
                if (sx < 0 || sx >= width) continue;
                const int w = wh[static_cast<std::size_t>(k + h)];
                for (int c = 0; c < 3; ++c) sum[c] += static_cast<std::int64_t>(w) * row[3 * sx + c];
                weight += w;
            }
            std::int64_t* out = &across[(static_cast<std::size_t>(y) * columns + static_cast<std::size_t>(x - x0)) * 3];
            for (int c = 0; c < 3; ++c) out[c] = sum[c] / weight;
        }
    }

    // Vertical pass, multiplied into the destination.
    const int bytes = BytesPerPixel(dest);
    for (int y = y0; y < y1; ++y) {
        auto* row = static_cast<std::uint8_t*>(dest.ScanLine(position.Y + y));
        for (int x = x0; x < x1; ++x) {
            if (!processed(x, y)) continue;
            if (blur.ClipDc && !platform::PtVisible(blur.ClipDc, position.X + x, position.Y + y)) continue;
            std::int64_t sum[3] = {0, 0, 0}, weight = 0;
            for (int k = -v; k <= v; ++k) {
                const int sy = y + k;
                if (sy < 0 || sy >= height) continue;
                const int w = wv[static_cast<std::size_t>(k + v)];
                const std::int64_t* in =
                    &across[(static_cast<std::size_t>(sy) * columns + static_cast<std::size_t>(x - x0)) * 3];
                for (int c = 0; c < 3; ++c) sum[c] += w * in[c];
                weight += w;
            }
            std::uint8_t* pixel = row + static_cast<std::ptrdiff_t>(position.X + x) * bytes;
            for (int c = 0; c < 3; ++c) {
                const double factor = static_cast<double>(sum[c]) / 255 / static_cast<double>(weight);
                pixel[c] = static_cast<std::uint8_t>(std::min<double>(255, Round(pixel[c] * factor)));
            }
        }
    }
}
