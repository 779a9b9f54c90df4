#include "chart/effects/ConvolveFilter.h"

#include "ui/core/PublishedProperties.h"
#include "ui/core/Rounding.h"
#include "ui/graphics/Bitmap.h"

#include <algorithm>
#include <vector>

const TClassInfo& TConvolveFilter::StaticClass() {
    static const TClassInfo info =
        TPublished<TConvolveFilter>("TConvolveFilter", TChartFilter::StaticClass()).Build();
    return info;
}

TConvolveFilter::TConvolveFilter(TCollection* collection) : TChartFilter(collection) {}

namespace {

std::uint8_t Clamped(double value) { return static_cast<std::uint8_t>(std::clamp<double>(Round(value), 0, 255)); }

}  // namespace

void TConvolveFilter::Apply(TBitmap& bitmap, const TRect& rect) {
    TChartFilter::Apply(bitmap, rect);
    if (lines_.empty()) return;
    float sum = 0;
    for (const auto& row : weights_)
        for (float w : row) sum += w;
    // a kernel that sums to 0 keeps its weights as they are
    inverseSum_ = sum != 0 ? 1 / sum : 1;
    const int width = bitmap.Width(), height = bitmap.Height();
    const int left = std::max(0, rect.Left), top = std::max(0, rect.Top);
    const int right = std::min(width - 1, rect.Right), bottom = std::min(height - 1, rect.Bottom);
    if (right - left < 2 || bottom - top < 2) return;
    // results go aside so that every pixel reads the unchanged neighbours
    const int inner = right - left - 1;
    std::vector<TRGBTriple> result(static_cast<std::size_t>(inner) * (bottom - top - 1));
    for (int y = top + 1; y < bottom; ++y) {
        TRGBTriple* out = &result[static_cast<std::size_t>(y - top - 1) * inner];
        for (int x = left + 1; x < right; ++x) {
            double b = 0, g = 0, r = 0;
            for (int j = 0; j < 3; ++j) {
                const TRGBTriple* row = lines_[y - 1 + j];
                for (int i = 0; i < 3; ++i) {
                    const TRGBTriple& p = row[x - 1 + i];
                    const float w = weights_[j][i];
                    b += w * p.Blue;
                    g += w * p.Green;
                    r += w * p.Red;
                }
            }
            out[x - left - 1] = {Clamped(b * inverseSum_), Clamped(g * inverseSum_), Clamped(r * inverseSum_)};
        }
    }
    for (int y = top + 1; y < bottom; ++y)
        std::copy_n(&result[static_cast<std::size_t>(y - top - 1) * inner], inner, lines_[y] + left + 1);
}
