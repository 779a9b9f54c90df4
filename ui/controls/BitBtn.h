#pragma once
// The bit button: a push button with a glyph beside its caption. A Kind
// other than bkCustom gives it a stock caption, glyph and modal result;
// OK and Yes answer Enter, Cancel and No Escape, Close closes its form.

#include "ui/controls/Button.h"
#include "ui/controls/ButtonGlyph.h"

enum class TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

class TBitBtn : public TButton {
    DECLARE_CLASS_INFO
public:
    explicit TBitBtn(TComponent* owner);

    TBitBtnKind Kind() const { return kind_; }
    void SetKind(TBitBtnKind kind);
    TBitmap* Glyph() { return glyph_.Glyph(); }
    // A glyph of one's own makes the button a custom one.
    void SetGlyph(const TBitmap* glyph);
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    void SetNumGlyphs(int value) { glyph_.SetNumGlyphs(value); }
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout value);
    int Margin() const { return margin_; }
    void SetMargin(int value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);

    void Click() override;

protected:
    void PaintContent(const TRect& r) override;

private:
    TButtonGlyph glyph_;
    TBitBtnKind kind_ = TBitBtnKind::bkCustom;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    bool wordWrap_ = false;
};
