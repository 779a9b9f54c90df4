#include "ui/controls/StatusBar.h"

#include "ui/core/PublishedProperties.h"

#include "platform/gdi/DeviceContexts.h"
#include "platform/text/DrawText.h"

const TClassInfo& TStatusBar::StaticClass() {
    static const TClassInfo info = TPublished<TStatusBar>("TStatusBar", TCustomControl::StaticClass())
                                       .Boolean("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel, false)
                                       .String("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText)
                                       .Build();
    return info;
}

TStatusBar::TStatusBar(TComponent* owner) : TCustomControl(owner), panels_(this) {
    SetBounds(Left(), Top(), 200, 19);
    SetColor(clBtnFace);
    SetAlign(TAlign::alBottom);
    ControlStyle.Exclude(TControlStyleItem::csSetCaption);
    panels_.OnChange = [this](TObject*) { Invalidate(); };
}

void TStatusBar::SetSimplePanel(bool value) {
    simplePanel_ = value;
    Invalidate();
}

void TStatusBar::SetSimpleText(const std::string& text) {
    simpleText_ = text;
    Invalidate();
}

void TStatusBar::PaintText(const TRect& r, const std::string& text, TAlignment alignment) {
    TCanvas& c = *Canvas();
    c.Pen()->SetColor(clBtnShadow);
    c.MoveTo(r.Left, r.Bottom - 1);
    c.LineTo(r.Left, r.Top);
    c.LineTo(r.Right - 1, r.Top);
    c.Pen()->SetColor(clBtnHighlight);
    c.LineTo(r.Right - 1, r.Bottom - 1);
    c.LineTo(r.Left, r.Bottom - 1);
    c.SetFont(Font());
    c.TextExtent("");  // the font into the context
    platform::HDC dc = c.Handle();
    platform::SetBkMode(dc, platform::TRANSPARENT);
    platform::SetTextColor(dc, ColorToRGB(Font()->Color()));
    platform::RECT inside{r.Left + 3, r.Top + 1, r.Right - 3, r.Bottom - 1};
    unsigned flags = platform::DT_SINGLELINE | platform::DT_VCENTER | platform::DT_NOPREFIX;
    if (alignment == TAlignment::taCenter) flags |= platform::DT_CENTER;
    if (alignment == TAlignment::taRightJustify) flags |= platform::DT_RIGHT;
    platform::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &inside, flags);
}

void TStatusBar::Paint() {
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    if (simplePanel_ || panels_.Count() == 0) {
        PaintText({r.Left, r.Top + 2, r.Right, r.Bottom}, simplePanel_ ? simpleText_ : Caption(),
                  TAlignment::taLeftJustify);
        return;
    }
    for (int i = 0; i < panels_.Count(); ++i) {
        platform::RECT p = panels_.PanelRect(i, r.Width(), r.Height());
        PaintText({p.left, p.top + 2, p.right - 2, p.bottom}, panels_.Items(i)->Text(), panels_.Items(i)->Alignment());
    }
}
