#include "skin/core/resample/SkinResample.h"

#include "ui/core/Exceptions.h"
#include "ui/core/Rounding.h"
#include "ui/graphics/Bitmap.h"

#include <cmath>
#include <cstring>
#include <numbers>

namespace {

constexpr double kFixedOne = 65536.0;
constexpr std::int64_t kSaturatedSum = 0xFF0001;

std::uint8_t ChannelFromSum(std::int64_t sum) {
    if (sum < 0) return 0;
    if (sum < kSaturatedSum) return static_cast<std::uint8_t>(sum >> 16);
    return 255;
}

int MirroredIndex(int j, int size) {
    if (j < 0) return -j;
    if (j >= size) return 2 * size - 1 - j;
    return j;
}

// Sums each byte channel of the contributors; `at(i)` gives the source bytes of pixel i.
template <typename SourceAt>
void ApplyContributors(std::uint8_t* dst, int bytesPerPixel, const std::vector<TSkContributor>& list, SourceAt at) {
    for (int k = 0; k < bytesPerPixel; ++k) {
        std::int64_t sum = 0;
        for (const TSkContributor& c : list) sum += static_cast<std::int64_t>(c.Weight) * at(c.SourceIndex)[k];
        dst[k] = ChannelFromSum(sum);
    }
}

}  // namespace

double FilterRadius(TSkResampleFilter filter) {
    switch (filter) {
    case rfBox: return 0.51;
    case rfTriangle:
    case rfHermite: return 1;
    case rfBell: return 1.5;
    case rfBSpline:
    case rfMitchell: return 2;
    case rfSinc: return 3;
    }
    return 1;
}

double FilterWeight(TSkResampleFilter filter, double signedX) {
    const double x = std::abs(signedX);
    switch (filter) {
    case rfBox: return (x <= 0.5 && signedX != -0.5) ? 1 : 0;
    case rfTriangle: return x < 1 ? 1 - x : 0;
    case rfHermite: return x < 1 ? x * x * (2 * x - 3) + 1 : 0;
    case rfBell:
        if (x < 0.5) return 0.75 - x * x;
        if (x < 1.5) return 0.5 * (x - 1.5) * (x - 1.5);
        return 0;
    case rfBSpline:
        if (x < 1) return x * x * (x / 2 - 1) + 2.0 / 3;
        if (x < 2) return (2 - x) * (2 - x) * (2 - x) / 6;
        return 0;
    case rfSinc:
        if (x == 0) return 1;
        if (x < 3) return std::sin(std::numbers::pi * x) * std::sin(x) / (std::numbers::pi * x * x);
        return 0;
    case rfMitchell:
        if (x < 1) return x * x * (7.0 / 6 * x - 2) + 8.0 / 9;
        if (x < 2) return x * x * (-7.0 / 18 * x + 2) - 10.0 / 3 * x + 16.0 / 9;
        return 0;
    }
    return 0;
}

TSkContributorList BuildContributors(int newSize, int oldSize, TSkResampleFilter filter) {
    const double scale = newSize < oldSize ? static_cast<double>(newSize) / oldSize : 1.0;
    const double radius = FilterRadius(filter);
    const double support = radius / scale;
    TSkContributorList list(static_cast<std::size_t>(newSize));
    for (int i = 0; i < newSize; ++i) {
        const double centre = static_cast<double>(oldSize) * i / newSize;
        const int first = static_cast<int>(std::floor(centre - support));
        const int last = static_cast<int>(std::ceil(centre + support));
        for (int j = first; j <= last; ++j) {
            const double signedX = (centre - j) * scale;
            if (std::abs(signedX) >= radius) continue;
            const double w = FilterWeight(filter, signedX);
            if (w == 0) continue;
            const int index = MirroredIndex(j, oldSize);
            // Far-reaching filters on tiny sources mirror past the other end; those pixels do not exist.
            if (index < 0 || index >= oldSize) continue;
            list[static_cast<std::size_t>(i)].push_back({index, static_cast<int>(Round(w * scale * kFixedOne))});
        }
    }
    return list;
}

void ResampleBitmap(TBitmap& source, TBitmap& destination, int newWidth, TSkResampleFilter filter, int newHeight) {
    if (newHeight == 0) return;
    const bool wide = source.PixelFormat() == TPixelFormat::pf32bit;
    if (!wide) source.SetPixelFormat(TPixelFormat::pf24bit);
    const TPixelFormat format = wide ? TPixelFormat::pf32bit : TPixelFormat::pf24bit;
    const int bpp = wide ? 4 : 3;
    const int oldWidth = source.Width(), oldHeight = source.Height();
    if (oldWidth < 2 || oldHeight < 2) throw Exception("Source bitmap is too small");
    if (newWidth <= 0 || newHeight < 0) return;
    if (newWidth == oldWidth && newHeight == oldHeight) {
        if (&source != &destination) destination.Assign(&source);
        return;
    }
    TBitmap rows(newWidth, oldHeight, format);
    const TSkContributorList across = BuildContributors(newWidth, oldWidth, filter);
    for (int y = 0; y < oldHeight; ++y) {
        const auto* src = static_cast<const std::uint8_t*>(source.ScanLine(y));
        auto* dst = static_cast<std::uint8_t*>(rows.ScanLine(y));
        for (int x = 0; x < newWidth; ++x)
            ApplyContributors(dst + x * bpp, bpp, across[static_cast<std::size_t>(x)],
                              [&](int i) { return src + i * bpp; });
    }
    destination.SetPixelFormat(format);
    destination.SetSize(newWidth, newHeight);
    const TSkContributorList down = BuildContributors(newHeight, oldHeight, filter);
    std::vector<const std::uint8_t*> rowStarts(static_cast<std::size_t>(oldHeight));
    for (int y = 0; y < oldHeight; ++y) rowStarts[static_cast<std::size_t>(y)] = static_cast<const std::uint8_t*>(rows.ScanLine(y));
    for (int y = 0; y < newHeight; ++y) {
        auto* dst = static_cast<std::uint8_t*>(destination.ScanLine(y));
        for (int x = 0; x < newWidth; ++x)
            ApplyContributors(dst + x * bpp, bpp, down[static_cast<std::size_t>(y)],
                              [&](int i) { return rowStarts[static_cast<std::size_t>(i)] + x * bpp; });
    }
}
