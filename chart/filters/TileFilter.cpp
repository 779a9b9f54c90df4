#include "chart/filters/TileFilter.h"

#include "chart/core/ChartConst.h"
#include "chart/effects/BitmapResampling.h"

#include "ui/core/PublishedProperties.h"
#include "ui/graphics/Bitmap.h"

#include <algorithm>

namespace {

constexpr int kMostTiles = 1000;

}  // namespace

const TClassInfo& TTileFilter::StaticClass() {
    static const TClassInfo info = TPublished<TTileFilter>("TTileFilter", TChartFilter::StaticClass())
                                       .Integer("NumCols", &TTileFilter::NumCols, &TTileFilter::SetNumCols, 3)
                                       .Integer("NumRows", &TTileFilter::NumRows, &TTileFilter::SetNumRows, 3)
                                       .Build();
    return info;
}

void TTileFilter::Apply(TBitmap& bitmap, const TRect& rect) {
    TChartFilter::Apply(bitmap, rect);
    numCols_ = std::max(numCols_, 1);
    numRows_ = std::max(numRows_, 1);
    if (lines_.empty()) return;
    const TRect r = InsideBitmap(rect, bitmap.Width(), bitmap.Height());
    const int a = (r.Right - r.Left) / numCols_, b = (r.Bottom - r.Top) / numRows_;
    if (a < 1 || b < 1) return;
    const auto tile = ResampledCopy(bitmap, a, b);
    for (int row = 0; row < numRows_; ++row)
        for (int y = 0; y < b; ++y) {
            const auto* source = static_cast<const TRGBTriple*>(tile->ScanLine(y));
            TRGBTriple* target = lines_[static_cast<std::size_t>(b * row + y)];
            for (int column = 0; column < numCols_; ++column) std::copy_n(source, a, target + a * column);
        }
}

void TTileFilter::AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed) {
    TChartFilter::AddEditorControls(creator, std::move(changed));
    creator.AddIntegerField(ChartConst::CaptionColumns, 1, kMostTiles, [this] { return numCols_; },
                            [this](int v) { numCols_ = v; });
    creator.AddIntegerField(ChartConst::CaptionRows, 1, kMostTiles, [this] { return numRows_; },
                            [this](int v) { numRows_ = v; });
}

std::string TTileFilter::DisplayName() const { return ChartConst::FilterTile; }
