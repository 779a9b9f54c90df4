#include "report/objects/Frame.h"

#include "report/xml/XmlText.h"
#include "ui/core/NumberConversion.h"
#include "ui/core/PublishedProperties.h"

#include <cmath>

namespace {

constexpr double kTolerance = 0.0001;

const TEnumInfo& FrameTypeInfo() {
    static const TEnumInfo info("TrpFrameType", {"ftLeft", "ftRight", "ftTop", "ftBottom"});
    return info;
}

bool Differs(double a, double b) { return std::fabs(a - b) > kTolerance; }

}  // namespace

const TEnumInfo& TrpFrameStyleInfo() {
    static const TEnumInfo info("TrpFrameStyle", {"fsSolid", "fsDash", "fsDot", "fsDashDot", "fsDashDotDot",
                                                  "fsDouble", "fsAltDot", "fsSquare"});
    return info;
}

const TClassInfo& TrpFrameLine::StaticClass() {
    using L = TrpFrameLine;
    static const TClassInfo info =
        TPublished<L>("TrpFrameLine", TPersistent::StaticClass())
            .Integer("Color", &L::Color, &L::SetColor)
            .Stored([](const L& l) { return l.color_ != l.frame_.Color(); })
            .Enumeration("Style", TrpFrameStyleInfo(), &L::Style, &L::SetStyle)
            .Stored([](const L& l) { return l.style_ != l.frame_.Style(); })
            .Float("Width", &L::Width, &L::SetWidth)
            .Stored([](const L& l) { return Differs(l.width_, l.frame_.Width()); })
            .Build();
    return info;
}

void TrpFrameLine::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TrpFrameLine*>(source);
    if (!other) return TPersistent::Assign(source);
    color_ = other->color_;
    style_ = other->style_;
    width_ = other->width_;
}

const TClassInfo& TrpFrame::StaticClass() {
    using F = TrpFrame;
    static const TClassInfo info =
        TPublished<F>("TrpFrame", TPersistent::StaticClass())
            .Integer("Color", &F::Color, &F::SetColor, clBlack)
            .Boolean("DropShadow", &F::DropShadow, &F::SetDropShadow, false)
            .Integer("ShadowColor", &F::ShadowColor, &F::SetShadowColor, clBlack)
            .Float("ShadowWidth", &F::ShadowWidth, &F::SetShadowWidth)
            .Stored([](const F& f) { return Differs(f.shadowWidth_, kDefaultShadowWidth); })
            .Enumeration("Style", TrpFrameStyleInfo(), &F::Style, &F::SetStyle, 0)
            .Set("Typ", FrameTypeInfo(), &F::Typ, &F::SetTyp, 0)
            .Float("Width", &F::Width, &F::SetWidth)
            .Stored([](const F& f) { return Differs(f.width_, kDefaultWidth); })
            .Object("LeftLine", &TrpFrameLine::StaticClass, [](F& f) { return f.LeftLine(); }, &F::SetLeftLine)
            .Object("TopLine", &TrpFrameLine::StaticClass, [](F& f) { return f.TopLine(); }, &F::SetTopLine)
            .Object("RightLine", &TrpFrameLine::StaticClass, [](F& f) { return f.RightLine(); }, &F::SetRightLine)
            .Object("BottomLine", &TrpFrameLine::StaticClass, [](F& f) { return f.BottomLine(); }, &F::SetBottomLine)
            .Build();
    return info;
}

TrpFrame::TrpFrame() = default;

void TrpFrame::SetColor(TColor value) {
    color_ = value;
    for (TrpFrameLine* line : {&left_, &top_, &right_, &bottom_}) line->SetColor(value);
}

void TrpFrame::SetStyle(TrpFrameStyle value) {
    style_ = value;
    for (TrpFrameLine* line : {&left_, &top_, &right_, &bottom_}) line->SetStyle(value);
}

void TrpFrame::SetWidth(double value) {
    width_ = value;
    for (TrpFrameLine* line : {&left_, &top_, &right_, &bottom_}) line->SetWidth(value);
}

void TrpFrame::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TrpFrame*>(source);
    if (!other) return TPersistent::Assign(source);
    color_ = other->color_;
    dropShadow_ = other->dropShadow_;
    shadowColor_ = other->shadowColor_;
    shadowWidth_ = other->shadowWidth_;
    style_ = other->style_;
    typ_ = other->typ_;
    width_ = other->width_;
    left_.Assign(&other->left_);
    top_.Assign(&other->top_);
    right_.Assign(&other->right_);
    bottom_.Assign(&other->bottom_);
}

std::string TrpFrame::DifferenceText(const TrpFrame& r) const {
    std::string text;
    bool colorWritten = color_ != r.color_, styleWritten = style_ != r.style_,
         widthWritten = Differs(width_, r.width_);
    if (colorWritten) text += AttributeText("Frame.Color", std::to_string(color_));
    if (dropShadow_ != r.dropShadow_) text += AttributeText("Frame.DropShadow", dropShadow_ ? "1" : "0");
    if (shadowColor_ != r.shadowColor_) text += AttributeText("Frame.ShadowColor", std::to_string(shadowColor_));
    if (Differs(shadowWidth_, r.shadowWidth_)) text += AttributeText("Frame.ShadowWidth", FloatToStr(shadowWidth_));
    if (styleWritten) text += AttributeText("Frame.Style", std::to_string(static_cast<int>(style_)));
    if (typ_ != r.typ_) text += AttributeText("Frame.Typ", std::to_string(static_cast<int>(typ_.Mask())));
    if (widthWritten) text += AttributeText("Frame.Width", FloatToStr(width_));
    // A side is compared with the frame when the frame's own value went out,
    // else with the reference's same side.
    const struct {
        const char* name;
        const TrpFrameLine& line;
        const TrpFrameLine& reference;
    } sides[] = {{"Frame.LeftLine", left_, r.left_},
                 {"Frame.TopLine", top_, r.top_},
                 {"Frame.RightLine", right_, r.right_},
                 {"Frame.BottomLine", bottom_, r.bottom_}};
    for (const auto& side : sides) {
        const std::string name = side.name;
        if (side.line.Color() != (colorWritten ? color_ : side.reference.Color()))
            text += AttributeText(name + ".Color", std::to_string(side.line.Color()));
        if (side.line.Style() != (styleWritten ? style_ : side.reference.Style()))
            text += AttributeText(name + ".Style", std::to_string(static_cast<int>(side.line.Style())));
        if (Differs(side.line.Width(), widthWritten ? width_ : side.reference.Width()))
            text += AttributeText(name + ".Width", FloatToStr(side.line.Width()));
    }
    return text;
}
