#include "chart/effects/BitmapResampling.h"

#include "ui/core/Rounding.h"
#include "ui/graphics/Bitmap.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace {

double Sinc(double t) { return t == 0 ? 1 : std::sin(t) / t; }

double Lanczos3(double x) {
    x = std::abs(x);
    if (x == 0) return 1;
    if (x >= 3) return 0;
    return Sinc(std::numbers::pi * x) * Sinc(std::numbers::pi * x / 3);
}

double Triangle(double x) { return std::max(0.0, 1 - std::abs(x)); }

struct Contribution {
    int index;
    int weight;
};

// Weights that sum to 1024, so a flat area keeps its colour: a window cut
// short (enlarging) or rounding would otherwise darken or lighten it.
void Normalise(std::vector<Contribution>& weights) {
    int sum = 0;
    for (const Contribution& c : weights) sum += c.weight;
    if (sum == 0 || sum == 1024) return;
    int total = 0;
    for (Contribution& c : weights) {
        c.weight = static_cast<int>(Round(c.weight * 1024.0 / sum));
        total += c.weight;
    }
    // what rounding left over goes to the heaviest weight
    auto heaviest = std::max_element(weights.begin(), weights.end(),
                                     [](const Contribution& a, const Contribution& b) { return a.weight < b.weight; });
    heaviest->weight += 1024 - total;
}

// Per destination index, the source indexes and weights (scaled by 1024).
std::vector<std::vector<Contribution>> Weights(int sourceSize, int destSize, bool fast) {
    const double support = fast ? 1 : 3;
    const double scale = (destSize - 1.0) / (sourceSize - 1.0);
    const double inv = (sourceSize - 1.0) / (destSize - 1.0);
    const double halfWidth = support * inv;
    const double weightScale = scale >= 1 ? 1 : scale;
    std::vector<std::vector<Contribution>> out(static_cast<std::size_t>(destSize));
    for (int i = 0; i < destSize; ++i) {
        const double c = i * inv;
        for (int j = static_cast<int>(std::floor(c - halfWidth)); j <= static_cast<int>(std::ceil(c + halfWidth)); ++j) {
            const double f = fast ? Triangle((c - j) * weightScale) : Lanczos3((c - j) * weightScale);
            const int w = static_cast<int>(Round(f * 1024 * weightScale));
            if (w == 0) continue;
            const int k = j < 0 ? -j : j >= sourceSize ? 2 * sourceSize - 1 - j : j;
            out[static_cast<std::size_t>(i)].push_back({std::clamp(k, 0, sourceSize - 1), w});
        }
        Normalise(out[static_cast<std::size_t>(i)]);
    }
    return out;
}

std::uint8_t Limit(long long sum) { return static_cast<std::uint8_t>(std::clamp<long long>(sum >> 10, 0, 255)); }

}  // namespace

void StretchFiltered(TBitmap& source, TBitmap& dest, bool fast) {
    if (source.Width() <= 1 || source.Height() <= 1 || dest.Width() <= 1 || dest.Height() <= 1) return;
    source.SetPixelFormat(TPixelFormat::pf24bit);
    dest.SetPixelFormat(TPixelFormat::pf24bit);
    const int sw = source.Width(), sh = source.Height(), dw = dest.Width(), dh = dest.Height();
    TBitmap rows(dw, sh, TPixelFormat::pf24bit);
    const auto across = Weights(sw, dw, fast);
    for (int y = 0; y < sh; ++y) {
        const auto* s = static_cast<const std::uint8_t*>(source.ScanLine(y));
        auto* d = static_cast<std::uint8_t*>(rows.ScanLine(y));
        for (int x = 0; x < dw; ++x)
            for (int k = 0; k < 3; ++k) {
                long long sum = 0;
                for (const auto& c : across[static_cast<std::size_t>(x)]) sum += 1LL * c.weight * s[3 * c.index + k];
                d[3 * x + k] = Limit(sum);
            }
    }
    const auto down = Weights(sh, dh, fast);
    for (int y = 0; y < dh; ++y) {
        auto* d = static_cast<std::uint8_t*>(dest.ScanLine(y));
        for (int x = 0; x < dw; ++x)
            for (int k = 0; k < 3; ++k) {
                long long sum = 0;
                for (const auto& c : down[static_cast<std::size_t>(y)])
                    sum += 1LL * c.weight * static_cast<const std::uint8_t*>(rows.ScanLine(c.index))[3 * x + k];
                d[3 * x + k] = Limit(sum);
            }
    }
}

std::unique_ptr<TBitmap> ResampledCopy(TBitmap& source, int width, int height) {
    auto copy = std::make_unique<TBitmap>(width, height, TPixelFormat::pf24bit);
    if (source.Width() > 1 && source.Height() > 1 && width > 1 && height > 1)
        StretchFiltered(source, *copy);
    else if (!source.Empty() && !copy->Empty())
        copy->Canvas()->StretchDraw(TRect{0, 0, width, height}, &source);
    return copy;
}
