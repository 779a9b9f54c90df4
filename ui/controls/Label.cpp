#include "ui/controls/Label.h"

#include "ui/core/PublishedProperties.h"

#include "platform/gdi/DeviceContexts.h"
#include "platform/text/DrawText.h"

const TClassInfo& TLabel::StaticClass() {
    static const TClassInfo info = TPublished<TLabel>("TLabel", TGraphicControl::StaticClass())
                                       .Boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize, true)
                                       .Boolean("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap, false)
                                       .Build();
    return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(Left(), Top(), 65, 17);
    SetColor(clBtnFace);
    ControlStyle.Include(TControlStyleItem::csSetCaption);
}

void TLabel::SetAutoSize(bool value) {
    autoSize_ = value;
    AdjustBounds();
}

void TLabel::SetWordWrap(bool value) {
    wordWrap_ = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetAlignment(TAlignment value) {
    alignment_ = value;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout value) {
    layout_ = value;
    Invalidate();
}

void TLabel::SetShowAccelChar(bool value) {
    showAccelChar_ = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetTransparent(bool value) {
    transparent_ = value;
    Invalidate();
}

unsigned TLabel::DrawFlags() const {
    unsigned flags = platform::DT_EXPANDTABS;
    if (wordWrap_) flags |= platform::DT_WORDBREAK;
    if (!showAccelChar_) flags |= platform::DT_NOPREFIX;
    if (alignment_ == TAlignment::taRightJustify) flags |= platform::DT_RIGHT;
    if (alignment_ == TAlignment::taCenter) flags |= platform::DT_CENTER;
    return flags;
}

void TLabel::AdjustBounds() {
    if (!autoSize_) return;
    measure_.SetFont(Font());
    measure_.TextExtent("");  // the font into the context
    std::string text = Caption().empty() ? std::string(" ") : Caption();
    platform::RECT r{0, 0, wordWrap_ ? Width() : 0, 0};
    platform::DrawTextA(measure_.Handle(), text.c_str(), static_cast<int>(text.size()), &r,
                        DrawFlags() | platform::DT_CALCRECT);
    int width = wordWrap_ ? Width() : r.right - r.left;
    int left = Left();
    if (alignment_ == TAlignment::taRightJustify && !wordWrap_) left = Left() + Width() - width;
    SetBounds(left, Top(), width, r.bottom - r.top);
}

void TLabel::Dispatch(TMessage& m) {
    switch (m.Msg) {
        case CM_TEXTCHANGED:
        case CM_FONTCHANGED:
            TGraphicControl::Dispatch(m);
            AdjustBounds();
            return;
        case CM_DIALOGCHAR: {
            if (showAccelChar_ && IsAccel(static_cast<char32_t>(m.WParam), Caption()) && FocusControl &&
                FocusControl->CanFocus()) {
                FocusControl->SetFocus();
                m.Result = 1;
                return;
            }
            break;
        }
        default: break;
    }
    TGraphicControl::Dispatch(m);
}

void TLabel::Paint() {
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    if (!transparent_) {
        c.Brush()->SetStyle(TBrushStyle::bsSolid);
        c.Brush()->SetColor(Color());
        c.FillRect(r);
    }
    c.SetFont(Font());
    c.TextExtent("");  // the font into the context
    platform::HDC dc = c.Handle();
    std::string text = Caption();
    platform::RECT rect = r;
    unsigned flags = DrawFlags();
    if (layout_ != TTextLayout::tlTop) {
        platform::RECT calc = rect;
        platform::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &calc, flags | platform::DT_CALCRECT);
        int h = calc.bottom - calc.top;
        rect.top += layout_ == TTextLayout::tlCenter ? (r.Height() - h) / 2 : r.Height() - h;
    }
    platform::SetBkMode(dc, platform::TRANSPARENT);
    platform::SetTextColor(dc, ColorToRGB(Enabled() ? Font()->Color() : clGrayText));
    platform::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
}
