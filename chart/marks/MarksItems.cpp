#include "chart/marks/MarksItems.h"

#include "chart/core/ChartCustomShapePosition.h"
#include "chart/marks/SeriesMarks.h"
#include "chart/marks/detail/ShapeLook.h"
#include "ui/core/PublishedProperties.h"
#include "ui/graphics/Picture.h"

#include <algorithm>

TMarksItem::TMarksItem(TCustomChartPanel* panel) : TChartCustomShape(panel) {
    SetColor(clInfoBk);
    Shadow().SetDefaults(clGray, 3);
}

TStrings& TMarksItem::Lines() {
    if (!text_) {
        text_ = std::make_unique<TStringList>();
        text_->OnChange = [this](TObject*) { RepaintParent(); };
    }
    return *text_;
}

void TMarksItem::SetText(const TStrings* lines) {
    if (!lines)
        text_.reset();
    else
        Lines().Assign(lines);
    RepaintParent();
}

void TMarksItem::Assign(const TPersistent* source) {
    const auto* item = dynamic_cast<const TMarksItem*>(source);
    if (!item) {
        TPersistent::Assign(source);
        return;
    }
    TChartCustomShape::Assign(*item);
    SetText(item->text_.get());
}

TMarksItem* TMarksItems::At(int index) const {
    return index >= 0 && index < Count() ? items_[index].get() : nullptr;
}

TMarksItem& TMarksItems::Get(int index) {
    if (index >= Count()) items_.resize(index + 1);
    if (!items_[index]) items_[index] = std::make_unique<TMarksItem>(marks_.ParentPanel());
    return *items_[index];
}

void TMarksItems::Clear() {
    items_.clear();
    marks_.RepaintParent();
}

void TMarksItems::Delete(int index) {
    if (index >= 0 && index < Count()) items_.erase(items_.begin() + index);
}

void TMarksItems::DeleteRange(int first, int count) {
    if (first < 0 || first >= Count() || count < 1) return;
    items_.erase(items_.begin() + first, items_.begin() + std::min(first + count, Count()));
}

const TClassInfo& TMarksItem::StaticClass() {
    using I = TMarksItem;
    TPublished<I> p("TMarksItem", TPersistent::StaticClass());
    static const TClassInfo info =
        ShapeLook(p)
            .Integer("Color", &I::Color, &I::SetColor, clInfoBk)
            .Object("Font", &TFont::StaticClass, [](I& i) { return &i.Font(); }, nullptr)
            .Object("Gradient", &TChartGradient::StaticClass,
                    [](I& i) { return &i.Gradient(); }, nullptr)
            .Stored([](const I& i) { return i.HasGradient(); })
            .Object("Picture", &TPicture::StaticClass, [](I& i) { return &i.Picture(); }, nullptr)
            .Stored([](const I& i) { return i.HasPicture(); })
            .Object("Shadow", &TChartShadow::StaticClass, [](I& i) { return &i.Shadow(); },
                    nullptr)
            .Enumeration("ShapeStyle", ChartObjectShapeStyleInfo(), &I::ShapeStyle, &I::SetShapeStyle, fosRectangle)
            .Object("Text", &TStrings::StaticClass, [](I& i) { return &i.Lines(); }, nullptr)
            .Stored([](const I& i) { return i.Text() != nullptr; })
            .Integer("Transparency", &I::Transparency, &I::SetTransparency, 0)
            .Boolean("Transparent", &I::Transparent, &I::SetTransparent, false)
            .Build();
    return info;
}
