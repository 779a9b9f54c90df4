#include "skin/core/gradients/Gradients.h"

#include "skin/core/pixels/AlphaPixels.h"

#include "ui/core/Rounding.h"
#include "ui/graphics/Bitmap.h"

#include "platform/gdi/Gradients.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr int kFullPercent = 100;
constexpr std::uint32_t kOpaque = 0xFF000000u;
constexpr int kTriangleVertices = 5;
constexpr platform::COLOR16 kOpaque16 = 0xFF00;

std::uint32_t Channel(std::int32_t color, int shift) { return (static_cast<std::uint32_t>(color) >> shift) & 0xFFu; }

// The step colour as a pixel: red of the colour value into the red byte.
std::uint32_t StepPixel(std::int32_t color) {
    return kOpaque | (Channel(color, 0) << 16) | (Channel(color, 8) << 8) | Channel(color, 16);
}

// The rectangle cut to the bitmap; empty when nothing is left.
TRect ClipGradientRect(const TRect& rect, const TBitmap& bitmap) {
    if (rect.IsEmpty()) return TRect();
    return ClipToBitmap(rect, bitmap);
}

// Walks the steps' bands over lines first..last (rows or columns). `endOf`
// gives a step's end line from its start; `paint(line, pixel)` paints one
// line. Colours run in single-precision floats as the band rules want.
template <class EndOf, class Paint>
void WalkBands(const TSkGradArray& steps, int first, int last, EndOf endOf, Paint paint) {
    int start = first;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const TSkGradStep& step = steps[i];
        int end = i + 1 == steps.size() ? last : std::min(endOf(step, start), last);
        if (end - start <= 0) continue;
        if (step.Color1 == step.Color2) {
            std::uint32_t pixel = StepPixel(step.Color1);
            for (int line = start; line <= end; ++line) paint(line, pixel);
        } else {
            int n = end - start;
            std::array<float, 3> value{}, delta{};
            for (int c = 0; c < 3; ++c) {
                int shift = c * 8;
                value[c] = static_cast<float>(Channel(step.Color1, shift));
                delta[c] = static_cast<float>((double(Channel(step.Color2, shift)) - Channel(step.Color1, shift)) / n);
            }
            for (int line = start; line <= end; ++line) {
                std::uint32_t r = static_cast<std::uint32_t>(std::clamp<std::int64_t>(Round(value[0]), 0, 255));
                std::uint32_t g = static_cast<std::uint32_t>(std::clamp<std::int64_t>(Round(value[1]), 0, 255));
                std::uint32_t b = static_cast<std::uint32_t>(std::clamp<std::int64_t>(Round(value[2]), 0, 255));
                paint(line, kOpaque | (r << 16) | (g << 8) | b);
                for (int c = 0; c < 3; ++c) value[c] = static_cast<float>(double(value[c]) + delta[c]);
            }
        }
        start = end;
    }
}

auto VerticalEnd(int height) {
    return [height](const TSkGradStep& step, int start) { return start + (height * step.Percent) / kFullPercent; };
}

auto HorizontalEnd(int width) {
    return [width](const TSkGradStep& step, int start) {
        return static_cast<int>(Round(step.Percent * double(width) / kFullPercent + start));
    };
}

// The gradient colour of every column of the rectangle's top row.
void HorizontalRow(const TSkGradArray& steps, const TRect& r, std::uint32_t* row) {
    WalkBands(steps, r.Left, r.Right - 1, HorizontalEnd(r.Width()), [row](int x, std::uint32_t p) { row[x] = p; });
}

void PaintTriangles(TBitmap& bitmap, const TRect& r, const TSkGradArray& steps) {
    std::array<platform::TRIVERTEX, kTriangleVertices> v{};
    const std::array<platform::POINT, kTriangleVertices> corners{{{r.Left, r.Top},
                                                                   {r.Left + r.Width() / 2, r.Top + r.Height() / 2},
                                                                   {r.Right, r.Top},
                                                                   {r.Right, r.Bottom},
                                                                   {r.Left, r.Bottom}}};
    std::int32_t color = 0;
    for (int i = 0; i < kTriangleVertices; ++i) {
        if (i < static_cast<int>(steps.size())) color = steps[i].Color1;
        v[i].x = corners[i].x;
        v[i].y = corners[i].y;
        v[i].Red = static_cast<platform::COLOR16>(Channel(color, 0) << 8);
        v[i].Green = static_cast<platform::COLOR16>(Channel(color, 8) << 8);
        v[i].Blue = static_cast<platform::COLOR16>(Channel(color, 16) << 8);
        v[i].Alpha = kOpaque16;
    }
    const platform::GRADIENT_TRIANGLE triangles[] = {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}};
    platform::GradientFill(bitmap.Canvas()->Handle(), v.data(), kTriangleVertices, triangles, 4,
                           platform::GRADIENT_FILL_TRIANGLE);
}

std::uint32_t MixTexture(std::uint32_t gradient, std::uint32_t texture, std::uint32_t weight, std::uint32_t alpha) {
    std::uint32_t out = alpha << kAlphaShift;
    for (int shift : kColorShifts) {
        int g = static_cast<int>(ChannelOf(gradient, shift)), t = static_cast<int>(ChannelOf(texture, shift));
        out |= (static_cast<std::uint32_t>(int(weight) * (t - g) + g * 256) >> 8 & 0xFFu) << shift;
    }
    return out;
}

}  // namespace

void PaintGradient(TBitmap& bitmap, const TRect& rect, const TSkGradArray& steps) {
    if (!IsBitmap32(&bitmap) || steps.empty()) return;
    TRect r = ClipGradientRect(rect, bitmap);
    if (r.IsEmpty()) return;
    switch (steps[0].Mode) {
        case gmVertical:
            WalkBands(steps, r.Top, r.Bottom - 1, VerticalEnd(r.Height()), [&](int y, std::uint32_t p) {
                FillDWords(PixelRow(bitmap, y) + r.Left, r.Width(), p);
            });
            break;
        case gmHorizontal: {
            std::uint32_t* top = PixelRow(bitmap, r.Top);
            HorizontalRow(steps, r, top);
            for (int y = r.Top + 1; y < r.Bottom; ++y)
                std::memcpy(PixelRow(bitmap, y) + r.Left, top + r.Left, sizeof(std::uint32_t) * r.Width());
            break;
        }
        case gmTriangles: PaintTriangles(bitmap, r, steps); break;
        default: break;
    }
}

void PaintGradientTextured(TBitmap& bitmap, const TRect& rect, const TSkGradArray& steps, std::uint8_t alpha,
                           int textureWeight, const TRect& textureRect, TBitmap& texture) {
    if (!IsBitmap32(&bitmap) || !IsBitmap32(&texture) || steps.empty()) return;
    TRect r = ClipGradientRect(rect, bitmap);
    TRect tile = textureRect.IsEmpty() ? TRect(0, 0, texture.Width(), texture.Height()) : textureRect;
    tile = ClipToBitmap(tile, texture);
    if (r.IsEmpty() || tile.IsEmpty()) return;
    auto weight = static_cast<std::uint32_t>(std::clamp(textureWeight, 0, 255));
    auto mixRow = [&](int y, const std::uint32_t* gradient, bool sameColour) {
        std::uint32_t* out = PixelRow(bitmap, y);
        const std::uint32_t* tex = PixelRow(texture, tile.Top + y % tile.Height());
        for (int x = r.Left; x < r.Right; ++x)
            out[x] = MixTexture(sameColour ? gradient[0] : gradient[x], tex[tile.Left + x % tile.Width()], weight, alpha);
    };
    if (steps[0].Mode == gmVertical) {
        WalkBands(steps, r.Top, r.Bottom - 1, VerticalEnd(r.Height()),
                  [&](int y, std::uint32_t p) { mixRow(y, &p, true); });
    } else if (steps[0].Mode == gmHorizontal) {
        std::vector<std::uint32_t> gradient(static_cast<std::size_t>(bitmap.Width()));
        HorizontalRow(steps, r, gradient.data());
        int block = std::min(tile.Height(), r.Height());
        for (int y = r.Top; y < r.Top + block; ++y) mixRow(y, gradient.data(), false);
        for (int y = r.Top + block; y < r.Bottom; ++y)
            std::memcpy(PixelRow(bitmap, y) + r.Left, PixelRow(bitmap, y - block) + r.Left,
                        sizeof(std::uint32_t) * r.Width());
    }
}
