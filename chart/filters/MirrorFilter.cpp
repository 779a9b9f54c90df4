#include "chart/filters/MirrorFilter.h"

#include "chart/core/ChartConst.h"

#include "ui/core/PublishedProperties.h"
#include "ui/core/TypeInfo.h"
#include "ui/graphics/Bitmap.h"

#include <algorithm>

namespace {

const TEnumInfo& MirrorDirectionInfo() {
    static const TEnumInfo info("TMirrorDirection", {"mdDown", "mdUp", "mdRight", "mdLeft"});
    return info;
}

}  // namespace

const TClassInfo& TMirrorFilter::StaticClass() {
    static const TClassInfo info =
        TPublished<TMirrorFilter>("TMirrorFilter", TChartFilter::StaticClass())
            .Enumeration("Direction", MirrorDirectionInfo(), &TMirrorFilter::Direction, &TMirrorFilter::SetDirection, 0)
            .Build();
    return info;
}

TMirrorFilter::TMirrorFilter(TCollection* collection) : TChartFilter(collection) { allowRegion_ = false; }

void TMirrorFilter::Apply(TBitmap& bitmap, const TRect& rect) {
    TChartFilter::Apply(bitmap, rect);
    if (lines_.empty()) return;
    const int w = bitmap.Width(), h = bitmap.Height();
    const bool vertical = direction_ == TMirrorDirection::mdDown || direction_ == TMirrorDirection::mdUp;
    TBitmap doubled(vertical ? w : 2 * w, vertical ? 2 * h : h, TPixelFormat::pf24bit);
    auto row = [&doubled](int y) { return static_cast<TRGBTriple*>(doubled.ScanLine(y)); };
    for (int y = 0; y < h; ++y) {
        const TRGBTriple* source = lines_[static_cast<std::size_t>(y)];
        switch (direction_) {
            case TMirrorDirection::mdDown:
                std::copy_n(source, w, row(y));
                std::copy_n(source, w, row(2 * h - 1 - y));
                break;
            case TMirrorDirection::mdUp:
                std::copy_n(source, w, row(h + y));
                std::copy_n(source, w, row(h - 1 - y));
                break;
            case TMirrorDirection::mdRight:
                std::copy_n(source, w, row(y));
                std::reverse_copy(source, source + w, row(y) + w);
                break;
            case TMirrorDirection::mdLeft:
                std::reverse_copy(source, source + w, row(y));
                std::copy_n(source, w, row(y) + w);
                break;
        }
    }
    bitmap.Assign(&doubled);
    lines_.clear();
}

void TMirrorFilter::AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed) {
    TChartFilter::AddEditorControls(creator, std::move(changed));
    creator.AddChoice("Direction", {"Down", "Up", "Right", "Left"}, [this] { return static_cast<int>(direction_); },
                      [this](int v) { direction_ = static_cast<TMirrorDirection>(std::clamp(v, 0, 3)); });
}

std::string TMirrorFilter::DisplayName() const { return ChartConst::FilterMirror; }
