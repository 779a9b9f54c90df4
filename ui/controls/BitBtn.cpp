#include "ui/controls/BitBtn.h"

#include "ui/core/PublishedProperties.h"

#include "platform/text/DrawText.h"

#include <algorithm>

namespace {

const TEnumInfo& BitBtnKindInfo() {
    static const TEnumInfo info("TBitBtnKind", {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose",
                                                "bkAbort", "bkRetry", "bkIgnore", "bkAll"});
    return info;
}

const TEnumInfo& LayoutInfo() {
    static const TEnumInfo info("TButtonLayout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"});
    return info;
}

struct KindLook {
    const char* caption;
    TModalResult result;
};

const KindLook Looks[] = {
    {"", mrNone},       {"OK", mrOk},         {"Cancel", mrCancel}, {"&Help", mrNone},
    {"&Yes", mrYes},    {"&No", mrNo},        {"&Close", mrNone},   {"Abort", mrAbort},
    {"&Retry", mrRetry}, {"&Ignore", mrIgnore}, {"&All", mrAll},
};

constexpr int GlyphSize = 18;
constexpr TColor Background = clFuchsia;  // the bottom-left colour: transparent

void Line(TCanvas& c, std::initializer_list<TPoint> points) {
    auto it = points.begin();
    c.MoveTo(it->X, it->Y);
    for (++it; it != points.end(); ++it) c.LineTo(it->X, it->Y);
}

// The stock pictures, drawn thick enough to read at 18 pixels.
void DrawKindGlyph(TBitBtnKind kind, TBitmap& b) {
    b.SetPixelFormat(TPixelFormat::pf24bit);
    b.SetSize(GlyphSize, GlyphSize);
    TCanvas& c = *b.Canvas();
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Background);
    c.FillRect({0, 0, GlyphSize, GlyphSize});
    c.Pen()->SetWidth(3);
    switch (kind) {
        case TBitBtnKind::bkOK:
        case TBitBtnKind::bkYes:
            c.Pen()->SetColor(clGreen);
            Line(c, {{3, 9}, {7, 13}, {15, 4}});
            break;
        case TBitBtnKind::bkAll:
            c.Pen()->SetColor(clGreen);
            Line(c, {{1, 8}, {4, 11}, {10, 4}});
            Line(c, {{7, 11}, {10, 14}, {16, 7}});
            break;
        case TBitBtnKind::bkCancel:
        case TBitBtnKind::bkAbort:
            c.Pen()->SetColor(clRed);
            Line(c, {{4, 4}, {14, 14}});
            Line(c, {{14, 4}, {4, 14}});
            break;
        case TBitBtnKind::bkNo:
            c.Pen()->SetColor(clRed);
            c.Brush()->SetStyle(TBrushStyle::bsClear);
            c.Ellipse(3, 3, 15, 15);
            Line(c, {{5, 13}, {13, 5}});
            break;
        case TBitBtnKind::bkHelp:
            c.Pen()->SetColor(clNavy);
            Line(c, {{5, 6}, {6, 3}, {12, 3}, {13, 6}, {9, 9}, {9, 11}});
            Line(c, {{9, 14}, {9, 15}});
            break;
        case TBitBtnKind::bkClose:
            // A door standing open.
            c.Pen()->SetWidth(1);
            c.Pen()->SetColor(clBlack);
            c.Brush()->SetColor(clTeal);
            c.Rectangle(4, 2, 14, 16);
            c.Brush()->SetColor(clOlive);
            c.Polygon({{4, 2}, {10, 4}, {10, 17}, {4, 16}});
            break;
        case TBitBtnKind::bkRetry:
            c.Pen()->SetColor(clGreen);
            c.Brush()->SetStyle(TBrushStyle::bsClear);
            c.Arc(3, 3, 15, 15, 15, 9, 9, 3);
            c.Pen()->SetWidth(1);
            c.Brush()->SetStyle(TBrushStyle::bsSolid);
            c.Brush()->SetColor(clGreen);
            c.Polygon({{10, 0}, {10, 6}, {6, 3}});
            break;
        case TBitBtnKind::bkIgnore:
            c.Pen()->SetColor(clGray);
            Line(c, {{3, 9}, {15, 9}});
            Line(c, {{11, 5}, {15, 9}, {11, 13}});
            break;
        case TBitBtnKind::bkCustom: break;
    }
    c.Pen()->SetWidth(1);
}

}  // namespace

const TClassInfo& TBitBtn::StaticClass() {
    static const TClassInfo info =
        TPublished<TBitBtn>("TBitBtn", TButton::StaticClass())
            .Enumeration("Kind", BitBtnKindInfo(), &TBitBtn::Kind, &TBitBtn::SetKind, 0)
            .Enumeration("Layout", LayoutInfo(), &TBitBtn::Layout, &TBitBtn::SetLayout, 0)
            .Integer("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin, -1)
            .Integer("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing, 4)
            .Integer("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs, 1)
            .Boolean("WordWrap", &TBitBtn::WordWrap, &TBitBtn::SetWordWrap, false)
            .Build();
    return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {
    glyph_.OnChange = [this](TObject*) { Invalidate(); };
}

void TBitBtn::SetKind(TBitBtnKind kind) {
    if (kind == kind_) return;
    kind_ = kind;
    if (kind == TBitBtnKind::bkCustom) return;
    const KindLook& look = Looks[static_cast<int>(kind)];
    SetCaption(look.caption);
    ModalResult = look.result;
    SetDefault(kind == TBitBtnKind::bkOK || kind == TBitBtnKind::bkYes);
    Cancel = kind == TBitBtnKind::bkCancel || kind == TBitBtnKind::bkNo;
    TBitmap stock;
    DrawKindGlyph(kind, stock);
    glyph_.SetGlyph(&stock);
    glyph_.SetNumGlyphs(1);
}

void TBitBtn::SetGlyph(const TBitmap* glyph) {
    glyph_.SetGlyph(glyph);
    kind_ = TBitBtnKind::bkCustom;
}

void TBitBtn::SetLayout(TButtonLayout value) {
    layout_ = value;
    Invalidate();
}

void TBitBtn::SetMargin(int value) {
    margin_ = std::max(value, -1);
    Invalidate();
}

void TBitBtn::SetSpacing(int value) {
    spacing_ = std::max(value, -1);
    Invalidate();
}

void TBitBtn::SetWordWrap(bool value) {
    wordWrap_ = value;
    Invalidate();
}

void TBitBtn::Click() {
    if (kind_ == TBitBtnKind::bkClose) {
        if (TCustomForm* form = ParentForm()) {
            // The click handler runs first; the form closes after it.
            TButton::Click();
            form->Close();
            return;
        }
    }
    TButton::Click();
}

void TBitBtn::PaintContent(const TRect& r) {
    TCanvas& c = *Canvas();
    std::string caption = Caption();
    TPoint glyphSize = glyph_.FrameSize();
    bool horizontal = layout_ == TButtonLayout::blGlyphLeft || layout_ == TButtonLayout::blGlyphRight;
    int limit = r.Width() - 4 - (horizontal && glyphSize.X ? glyphSize.X + std::max(spacing_, 0) : 0);
    c.SetFont(Font());
    TPoint textSize = MeasureButtonCaption(c, caption, limit, wordWrap_);
    TButtonFaceLayout face = LayoutButtonFace(r, glyphSize, textSize, layout_, margin_, spacing_);
    TButtonState state = !Enabled() ? TButtonState::bsDisabled : Pushed() ? TButtonState::bsDown : TButtonState::bsUp;
    glyph_.Draw(c, face.GlyphPos.X, face.GlyphPos.Y, state);
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    unsigned flags = platform::DT_CENTER | platform::DT_VCENTER | (wordWrap_ ? platform::DT_WORDBREAK : platform::DT_SINGLELINE);
    DrawButtonCaption(c, face.TextBounds, caption, Enabled(), flags);
}
