#include "ui/controls/Panels.h"

#include "ui/core/PublishedProperties.h"
#include "ui/graphics/MeasureCanvas.h"

#include "platform/gdi/DeviceContexts.h"
#include "platform/text/DrawText.h"

const TClassInfo& TCustomPanel::StaticClass() {
    static const TClassInfo info = TPublished<TCustomPanel>("TCustomPanel", TCustomControl::StaticClass()).Build();
    return info;
}

const TClassInfo& TPanel::StaticClass() {
    static const TClassInfo info = TPublished<TPanel>("TPanel", TCustomPanel::StaticClass()).Build();
    return info;
}

const TClassInfo& TGroupBox::StaticClass() {
    static const TClassInfo info = TPublished<TGroupBox>("TGroupBox", TCustomControl::StaticClass()).Build();
    return info;
}

namespace {

void Bevel(TCanvas& c, TRect& r, TPanelBevel bevel, int width) {
    if (bevel == TPanelBevel::bvNone) return;
    for (int i = 0; i < width; ++i) {
        if (bevel != TPanelBevel::bvSpace) {
            c.Pen()->SetColor(bevel == TPanelBevel::bvRaised ? clBtnHighlight : clBtnShadow);
            c.MoveTo(r.Left, r.Bottom - 1);
            c.LineTo(r.Left, r.Top);
            c.LineTo(r.Right - 1, r.Top);
            c.Pen()->SetColor(bevel == TPanelBevel::bvRaised ? clBtnShadow : clBtnHighlight);
            c.LineTo(r.Right - 1, r.Bottom - 1);
            c.LineTo(r.Left - 1, r.Bottom - 1);
        }
        r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
}

// Draws `text` in `r` with DrawText flags in the font the canvas has.
void DrawCaptionText(TCanvas& c, TRect r, const std::string& text, TColor color, unsigned flags) {
    c.TextExtent("");  // the font into the context
    platform::HDC dc = c.Handle();
    platform::SetBkMode(dc, platform::TRANSPARENT);
    platform::SetTextColor(dc, ColorToRGB(color));
    platform::RECT rect = r;
    platform::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
}

}  // namespace

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
    SetBounds(Left(), Top(), 185, 41);
    SetColor(clBtnFace);
    ControlStyle.Include(TControlStyleItem::csAcceptsControls);
}

void TCustomPanel::SetBevelOuter(TPanelBevel value) {
    bevelOuter_ = value;
    AlignControls();
    Invalidate();
}

void TCustomPanel::SetBevelInner(TPanelBevel value) {
    bevelInner_ = value;
    AlignControls();
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int value) {
    bevelWidth_ = std::max(value, 1);
    AlignControls();
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment value) {
    alignment_ = value;
    Invalidate();
}

int TCustomPanel::BevelSize() const {
    return (bevelOuter_ != TPanelBevel::bvNone ? bevelWidth_ : 0) + (bevelInner_ != TPanelBevel::bvNone ? bevelWidth_ : 0);
}

TRect TCustomPanel::ClientRect() const {
    TRect r = TCustomControl::ClientRect();
    int b = BevelSize();
    return {r.Left + b, r.Top + b, r.Right - b, r.Bottom - b};
}

void TCustomPanel::Paint() {
    TCanvas& c = *Canvas();
    TRect r = TCustomControl::ClientRect();
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    Bevel(c, r, bevelOuter_, bevelWidth_);
    Bevel(c, r, bevelInner_, bevelWidth_);
    c.SetFont(Font());
    unsigned flags = platform::DT_SINGLELINE | platform::DT_VCENTER | platform::DT_NOPREFIX;
    if (alignment_ == TAlignment::taCenter) flags |= platform::DT_CENTER;
    if (alignment_ == TAlignment::taRightJustify) flags |= platform::DT_RIGHT;
    DrawCaptionText(c, r, TControl::Caption(), Enabled() ? Font()->Color() : clGrayText, flags);
}

TGroupBox::TGroupBox(TComponent* owner) : TCustomControl(owner) {
    SetBounds(Left(), Top(), 185, 105);
    SetColor(clBtnFace);
    ControlStyle.Include(TControlStyleItem::csAcceptsControls);
}

int TGroupBox::CaptionHeight() const {
    TMeasureCanvas measure;
    measure.SetFont(Font());
    return measure.TextHeight("Ay");
}

TRect TGroupBox::ClientRect() const {
    TRect r = TCustomControl::ClientRect();
    return {r.Left + 2, r.Top + CaptionHeight() + 2, r.Right - 2, r.Bottom - 2};
}

void TGroupBox::Paint() {
    TCanvas& c = *Canvas();
    TRect r = TCustomControl::ClientRect();
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    int h = CaptionHeight();
    TRect frame{r.Left, r.Top + h / 2, r.Right, r.Bottom};
    c.Brush()->SetColor(clBtnShadow);
    c.FrameRect(frame);
    c.Brush()->SetColor(clBtnHighlight);
    c.FrameRect({frame.Left + 1, frame.Top + 1, frame.Right, frame.Bottom});
    c.Brush()->SetColor(clBtnShadow);
    c.FrameRect({frame.Left, frame.Top, frame.Right - 1, frame.Bottom - 1});
    std::string caption = TControl::Caption();
    if (caption.empty()) return;
    c.SetFont(Font());
    int width = c.TextWidth(caption) + 4;
    c.Brush()->SetColor(Color());
    c.FillRect(Bounds(8, r.Top, width, h));
    // The caption's colour is the font's.
    DrawCaptionText(c, Bounds(10, r.Top, width, h), caption, Enabled() ? Font()->Color() : clGrayText,
            platform::DT_SINGLELINE | platform::DT_LEFT);
}
