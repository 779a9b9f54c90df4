#include "chart/effects/ChartFilter.h"

#include "ui/core/PublishedProperties.h"
#include "ui/core/TypeInfo.h"
#include "ui/graphics/Bitmap.h"

#include <algorithm>

const TClassInfo& TChartFilter::StaticClass() {
    static const TClassInfo info =
        TPublished<TChartFilter>("TChartFilter", TCollectionItem::StaticClass())
            .Boolean("Enabled", &TChartFilter::Enabled, &TChartFilter::SetEnabled, true)
            .Object("Region", &TFilterRegion::StaticClass,
                    [](TChartFilter& f) { return &f.Region(); },
                    [](TChartFilter& f, TObject* v) { f.SetRegion(dynamic_cast<TFilterRegion*>(v)); })
            .Build();
    return info;
}

TChartFilter::TChartFilter(TCollection* collection) : TCollectionItem(collection) {}

TChartFilter::~TChartFilter() = default;

void TChartFilter::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TChartFilter*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    enabled_ = other->enabled_;
    SetRegion(other->region_.get());
    // A filter's own fields go with it, or a copied list would lose them.
    if (!other->ClassType().InheritsFrom(ClassType())) return;
    const TClassInfo& base = TChartFilter::StaticClass();
    for (const TPropInfo* p : ClassType().Properties()) {
        if (base.FindProperty(p->Name)) continue;
        if (p->SetOrd) p->SetOrd(*this, p->GetOrd(*other));
        else if (p->SetFloat) p->SetFloat(*this, p->GetFloat(*other));
        else if (p->SetStr) p->SetStr(*this, p->GetStr(*other));
    }
}

TFilterRegion& TChartFilter::Region() {
    if (!region_) region_ = std::make_unique<TFilterRegion>();
    return *region_;
}

void TChartFilter::SetRegion(const TFilterRegion* value) {
    if (!value || value->Empty()) {
        region_.reset();
        return;
    }
    Region().Assign(value);
}

void TChartFilter::BuildRowTable(TBitmap& bitmap) {
    lines_.clear();
    bitmap.SetPixelFormat(TPixelFormat::pf24bit);
    const int height = bitmap.Height();
    if (height <= 0 || bitmap.Width() <= 0) return;
    auto* first = static_cast<std::uint8_t*>(bitmap.ScanLine(0));
    const std::ptrdiff_t stride =
        height > 1 ? static_cast<std::uint8_t*>(bitmap.ScanLine(1)) - first : bitmap.BytesPerRow();
    lines_.reserve(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) lines_.push_back(reinterpret_cast<TRGBArray>(first + y * stride));
}

void TChartFilter::Apply(TBitmap& bitmap, const TRect&) {
    if (!reuseLines_) BuildRowTable(bitmap);
}

TRect FilterRect(const TFilterRegion* region, int width, int height) {
    if (!region) return TRect{0, 0, width - 1, height - 1};
    TRect r{region->Left, region->Top, 0, 0};
    r.Right = region->Width != 0 ? std::min(width - 1, region->Left + region->Width) : std::max(region->Left, width - 1);
    r.Bottom =
        region->Height != 0 ? std::min(height - 1, region->Top + region->Height) : std::max(region->Top, height - 1);
    return r;
}

TRect InsideBitmap(const TRect& r, int width, int height) {
    return TRect{std::max(0, r.Left), std::max(0, r.Top), std::min(width - 1, r.Right), std::min(height - 1, r.Bottom)};
}

void TChartFilter::ApplyToBitmap(TBitmap& bitmap) {
    Apply(bitmap, FilterRect(allowRegion_ ? region_.get() : nullptr, bitmap.Width(), bitmap.Height()));
}

void TChartFilter::AddEditorControls(TFilterEditorCreator&, TNotifyEvent changed) { changed_ = std::move(changed); }

std::string TChartFilter::DisplayName() const { return ClassName(); }

void TChartFilter::ApplyFilterClass(const TClassInfo& filterClass, TBitmap& bitmap) {
    std::unique_ptr<TPersistent> made(filterClass.Create(nullptr));
    if (auto* filter = dynamic_cast<TChartFilter*>(made.get())) filter->ApplyToBitmap(bitmap);
}
