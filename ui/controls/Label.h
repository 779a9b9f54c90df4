#pragma once
// The label: a caption painted in its parent, sized to its text with
// AutoSize (wrapped at its width with WordWrap), "&" marking the
// accelerator that focuses FocusControl.

#include "ui/controls/TextAlignment.h"
#include "ui/forms/CustomControl.h"
#include "ui/graphics/MeasureCanvas.h"

enum class TTextLayout { tlTop, tlCenter, tlBottom };

class TLabel : public TGraphicControl {
    DECLARE_CLASS_INFO
public:
    explicit TLabel(TComponent* owner);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout value);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    TWinControl* FocusControl = nullptr;

    // Fits the bounds to the text (AutoSize does it on every change).
    void AdjustBounds();
    void Dispatch(TMessage& message) override;

protected:
    void Paint() override;

private:
    unsigned DrawFlags() const;

    bool autoSize_ = true;
    bool wordWrap_ = false;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    TTextLayout layout_ = TTextLayout::tlTop;
    bool showAccelChar_ = true;
    bool transparent_ = false;
    TMeasureCanvas measure_;
};
