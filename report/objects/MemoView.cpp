#include "report/objects/MemoView.h"

#include "report/objects/Report.h"
#include "report/text/Utf16Text.h"
#include "report/xml/XmlText.h"
#include "ui/core/NumberConversion.h"
#include "ui/core/PublishedProperties.h"

#include <cmath>

namespace {

const TEnumInfo& HAlignInfo() {
    static const TEnumInfo info("TrpHAlign", {"haLeft", "haRight", "haCenter", "haBlock"});
    return info;
}

const TEnumInfo& VAlignInfo() {
    static const TEnumInfo info("TrpVAlign", {"vaTop", "vaBottom", "vaCenter"});
    return info;
}

constexpr const char* kDefaultDelimiters = "[,]";
constexpr double kDefaultGapX = 2, kDefaultGapY = 1, kDefaultLineSpacing = 2;
constexpr double kFloatTolerance = 0.0001;

// A real stored only away from its default.
template <class Builder>
Builder& FloatUnless(Builder& builder, const char* name, double TrpCustomMemoView::*field, double def) {
    return builder.Float(name, field, field).Stored([field, def](const TrpMemoView& m) { return m.*field != def; });
}

}  // namespace

const TClassInfo& TrpCustomMemoView::StaticClass() {
    static const TClassInfo info =
        TPublished<TrpCustomMemoView>("TrpCustomMemoView", TrpStretcheable::StaticClass())
            .Boolean("FirstParaBreak", &TrpCustomMemoView::FirstParaBreak, &TrpCustomMemoView::FirstParaBreak, false)
            .Boolean("LastParaBreak", &TrpCustomMemoView::LastParaBreak, &TrpCustomMemoView::LastParaBreak, false)
            .Build();
    return info;
}

TrpCustomMemoView::TrpCustomMemoView(TComponent* owner) : TrpStretcheable(owner) {
    RemoveStyleFlag(kStyleFullPreparedForm);
    SetParentFont(true);
}

const TClassInfo& TrpMemoView::StaticClass() {
    using M = TrpCustomMemoView;
    static const TClassInfo info = [] {
        TPublished<TrpMemoView> b("TrpMemoView", TrpCustomMemoView::StaticClass());
        b.Boolean("AutoWidth", &M::AutoWidth, &M::AutoWidth, false)
            .Boolean("AllowExpressions", &M::AllowExpressions, &M::AllowExpressions, true)
            .Boolean("AllowHTMLTags", &M::AllowHTMLTags, &M::AllowHTMLTags, false)
            .Enumeration("BrushStyle", BrushStyleInfo(), &TrpView::BrushStyle, &TrpView::SetBrushStyle, 0);
        FloatUnless(b, "CharSpacing", &M::CharSpacing, 0);
        b.Boolean("Clipped", &M::Clipped, &M::Clipped, true)
            .Integer("Color", &TrpView::Color, &TrpView::SetColor, clNone)
            .Object("DisplayFormat", &TrpFormat::StaticClass, [](TrpMemoView& m) { return m.DisplayFormat(); },
                    &M::SetDisplayFormat)
            .String("ExpressionDelimiters", &M::ExpressionDelimiters, &M::ExpressionDelimiters)
            .Stored([](const TrpMemoView& m) { return m.ExpressionDelimiters != kDefaultDelimiters; })
            .Object("Font", &TFont::StaticClass, [](TrpMemoView& m) { return m.Font(); }, &TrpComponent::SetFont)
            .Stored([](const TrpMemoView& m) { return !m.ParentFont(); })
            .Object("Frame", &TrpFrame::StaticClass, [](TrpMemoView& m) { return m.Frame(); }, &TrpView::SetFrame);
        FloatUnless(b, "GapX", &M::GapX, kDefaultGapX);
        FloatUnless(b, "GapY", &M::GapY, kDefaultGapY);
        b.Enumeration("HAlign", HAlignInfo(), &M::HAlign, &M::HAlign, 0)
            .Boolean("HideZeros", &M::HideZeros, &M::HideZeros, false)
            .Object("Highlight", &TrpHighlight::StaticClass, [](TrpMemoView& m) { return m.Highlight(); },
                    &M::SetHighlight)
            .Stored([](const TrpMemoView& m) {
                return !const_cast<TrpMemoView&>(m).Highlight()->Condition.empty();
            });
        FloatUnless(b, "LineSpacing", &M::LineSpacing, kDefaultLineSpacing);
        b.Object("Memo", &TWideStrings::StaticClass, [](TrpMemoView& m) { return m.Memo(); }, &M::SetMemo);
        FloatUnless(b, "ParagraphGap", &M::ParagraphGap, 0);
        b.Boolean("ParentFont", &TrpComponent::ParentFont, &TrpComponent::SetParentFont, true)
            .Integer("Rotation", &M::Rotation, &M::SetRotation, 0)
            .Boolean("RTLReading", &M::RTLReading, &M::RTLReading, false)
            .Boolean("SuppressRepeated", &M::SuppressRepeated, &M::SuppressRepeated, false)
            .Boolean("Underlines", &M::Underlines, &M::Underlines, false)
            .Boolean("UseDefaultCharset", &M::UseDefaultCharset, &M::UseDefaultCharset, false)
            .Boolean("WordBreak", &M::WordBreak, &M::WordBreak, false)
            .Boolean("WordWrap", &M::WordWrap, &M::WordWrap, true)
            .Boolean("Wysiwyg", &M::Wysiwyg, &M::Wysiwyg, true)
            .Enumeration("VAlign", VAlignInfo(), &M::VAlign, &M::VAlign, 0);
        return b.Build();
    }();
    return info;
}

std::string TrpCustomMemoView::DifferenceText(const TrpComponent& reference) const {
    std::string text = TrpStretcheable::DifferenceText(reference);
    auto* r = dynamic_cast<const TrpCustomMemoView*>(&reference);
    if (!r) return text;
    auto differs = [](double a, double b) { return std::fabs(a - b) > kFloatTolerance; };
    auto flag = [](bool value) { return value ? "1" : "0"; };
    if (AutoWidth != r->AutoWidth) text += AttributeText("AutoWidth", flag(AutoWidth));
    if (differs(CharSpacing, r->CharSpacing)) text += AttributeText("CharSpacing", FloatToStr(CharSpacing));
    if (differs(GapX, r->GapX)) text += AttributeText("GapX", FloatToStr(GapX));
    if (differs(GapY, r->GapY)) text += AttributeText("GapY", FloatToStr(GapY));
    if (HAlign != r->HAlign) text += AttributeText("HAlign", std::to_string(static_cast<int>(HAlign)));
    if (highlight_.Active != r->highlight_.Active) text += AttributeText("Highlight.Active", flag(highlight_.Active));
    if (differs(LineSpacing, r->LineSpacing)) text += AttributeText("LineSpacing", FloatToStr(LineSpacing));
    if (UseDefaultCharset != r->UseDefaultCharset)
        text += AttributeText("UseDefaultCharset", flag(UseDefaultCharset));
    std::u16string memoText;
    if (memo_.Count() == 1) memoText = memo_.Get(0);
    else if (memo_.Count() > 1) {
        memoText = memo_.Text();
        if (memoText.ends_with(u"\r\n")) memoText.resize(memoText.size() - 2);
    }
    text += AttributeText("u", EscapeAttrText(Utf16ToUtf8(memoText)));
    if (differs(ParagraphGap, r->ParagraphGap)) text += AttributeText("ParagraphGap", FloatToStr(ParagraphGap));
    if (rotation_ != r->rotation_) text += AttributeText("Rotation", std::to_string(rotation_));
    if (RTLReading != r->RTLReading) text += AttributeText("RTLReading", flag(RTLReading));
    if (Underlines != r->Underlines) text += AttributeText("Underlines", flag(Underlines));
    if (VAlign != r->VAlign) text += AttributeText("VAlign", std::to_string(static_cast<int>(VAlign)));
    if (WordWrap != r->WordWrap) text += AttributeText("WordWrap", flag(WordWrap));
    const TrpFormat& f = displayFormat_;
    const TrpFormat& rf = r->displayFormat_;
    if (f.Kind != rf.Kind) text += AttributeText("DisplayFormat.Kind", std::to_string(static_cast<int>(f.Kind)));
    if (f.DecimalSeparator != rf.DecimalSeparator)
        text += AttributeText("DisplayFormat.DecimalSeparator", EscapeAttrText(f.DecimalSeparator));
    if (f.ThousandSeparator != rf.ThousandSeparator)
        text += AttributeText("DisplayFormat.ThousandSeparator", EscapeAttrText(f.ThousandSeparator));
    if (f.FormatStr != rf.FormatStr) text += AttributeText("DisplayFormat.FormatStr", EscapeAttrText(f.FormatStr));
    if (FirstParaBreak) text += AttributeText("FirstParaBreak", "1");
    if (LastParaBreak) text += AttributeText("LastParaBreak", "1");
    // The next part of a cut memo continues the paragraph this one ended in.
    auto& self = const_cast<TrpCustomMemoView&>(*this);
    self.FirstParaBreak = LastParaBreak;
    self.LastParaBreak = false;
    return text;
}
