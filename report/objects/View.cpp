#include "report/objects/View.h"

#include "report/xml/XmlText.h"
#include "ui/core/PublishedProperties.h"

namespace {

const TEnumInfo& ShiftModeInfo() {
    static const TEnumInfo info("TrpShiftMode", {"smDontShift", "smAlways", "smWhenOverlapped"});
    return info;
}

const TEnumInfo& StretchModeInfo() {
    static const TEnumInfo info("TrpStretchMode", {"smDontStretch", "smActualHeight", "smMaxHeight"});
    return info;
}

}  // namespace

const TEnumInfo& TrpAlignInfo() {
    static const TEnumInfo info("TrpAlign", {"baNone", "baLeft", "baRight", "baCenter", "baWidth", "baBottom", "baClient"});
    return info;
}

const TClassInfo& TrpView::StaticClass() {
    static const TClassInfo info =
        TPublished<TrpView>("TrpView", TrpReportComponent::StaticClass())
            .Enumeration("Align", TrpAlignInfo(), &TrpView::Align, &TrpView::SetAlign, 0)
            .Boolean("Printable", &TrpView::Printable, &TrpView::SetPrintable, true)
            .Enumeration("ShiftMode", ShiftModeInfo(), &TrpView::ShiftMode, &TrpView::SetShiftMode, 1)
            .Float("Left", &TrpComponent::Left, &TrpComponent::SetLeft)
            .Float("Top", &TrpComponent::Top, &TrpComponent::SetTop)
            .Float("Width", &TrpComponent::Width, &TrpComponent::SetWidth)
            .Float("Height", &TrpComponent::Height, &TrpComponent::SetHeight)
            .Integer("GroupIndex", &TrpComponent::GroupIndex, &TrpComponent::SetGroupIndex, 0)
            .Set("Restrictions", TrpRestrictionInfo(), &TrpComponent::Restrictions, &TrpComponent::SetRestrictions, 0)
            .Boolean("Visible", &TrpComponent::Visible, &TrpComponent::SetVisible, true)
            .Build();
    return info;
}

TrpView::TrpView(TComponent* owner) : TrpReportComponent(owner) { AddStyleFlag(kStyleFullPreparedForm); }

std::string TrpView::DifferenceText(const TrpComponent& reference) const {
    std::string text = TrpReportComponent::DifferenceText(reference);
    auto* r = dynamic_cast<const TrpView*>(&reference);
    if (!r) return text;
    if (brushStyle_ != r->brushStyle_)
        text += AttributeText("BrushStyle", std::to_string(static_cast<int>(brushStyle_)));
    if (align_ != r->align_) text += AttributeText("Align", std::to_string(static_cast<int>(align_)));
    if (color_ != r->color_) text += AttributeText("Color", std::to_string(color_));
    text += frame_.DifferenceText(r->frame_);
    if (printable_ != r->printable_) text += AttributeText("Printable", printable_ ? "1" : "0");
    return text;
}

const TClassInfo& TrpStretcheable::StaticClass() {
    static const TClassInfo info =
        TPublished<TrpStretcheable>("TrpStretcheable", TrpView::StaticClass())
            .Enumeration("StretchMode", StretchModeInfo(), &TrpStretcheable::StretchMode,
                         &TrpStretcheable::SetStretchMode, 0)
            .Build();
    return info;
}
