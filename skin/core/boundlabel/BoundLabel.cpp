#include "skin/core/boundlabel/BoundLabel.h"

#include "skin/core/controldata/SkCommonData.h"

#include "ui/core/PublishedProperties.h"
#include "ui/forms/WinControl.h"

namespace {

// The label stands this much further left than its indent says.
constexpr int kLeftGap = 4;
constexpr int kLeftTopDrop = 3;

TAlignment AlignmentFor(TSkCaptionLayout layout) {
    switch (layout) {
        case TSkCaptionLayout::sclLeft:
        case TSkCaptionLayout::sclTopRight:
        case TSkCaptionLayout::sclBottomRight: return TAlignment::taRightJustify;
        case TSkCaptionLayout::sclTopCenter:
        case TSkCaptionLayout::sclBottomCenter: return TAlignment::taCenter;
        default: return TAlignment::taLeftJustify;
    }
}

bool Designing(const TControl* control) {
    return control->ComponentState().Contains(TComponentStateItem::csDesigning);
}

}  // namespace

const TClassInfo& TSkEditLabel::StaticClass() {
    static const TClassInfo info = TPublished<TSkEditLabel>("TSkEditLabel", TLabel::StaticClass()).Build();
    return info;
}

TSkEditLabel::~TSkEditLabel() {
    if (BoundLabel) BoundLabel->labelControl_ = nullptr;
}

const TClassInfo& TSkBoundLabel::StaticClass() {
    static const TClassInfo info = TPublished<TSkBoundLabel>("TSkBoundLabel", TPersistent::StaticClass()).Build();
    return info;
}

TSkBoundLabel::TSkBoundLabel(TSkCommonData* ownerSkinData) : ownerSkinData_(ownerSkinData) {}

TSkBoundLabel::~TSkBoundLabel() { SetActive(false); }

TControl* TSkBoundLabel::Control() const { return ownerSkinData_ ? ownerSkinData_->OwnerCtrl : nullptr; }

void TSkBoundLabel::SetActive(bool value) {
    TControl* control = Control();
    if (!value || !control) {
        if (labelControl_) labelControl_->BoundLabel = nullptr;
        delete labelControl_;
        labelControl_ = nullptr;
        return;
    }
    if (labelControl_) return;
    labelControl_ = new TSkEditLabel(control, this);
    labelControl_->Hide();
    labelControl_->SetParent(control->Parent());
    labelControl_->FocusControl = dynamic_cast<TWinControl*>(control);
    labelControl_->SetAlignment(AlignmentFor(layout_));
    labelControl_->SetName(control->Name() + "Label");
    if (caption_.empty()) caption_ = control->Name();
    labelControl_->SetCaption(caption_);
    labelControl_->SetVisible(control->Visible() || Designing(control));
    labelControl_->SetEnabled(control->Enabled());
    labelControl_->SetAutoSize(true);
    AlignLabel();
}

void TSkBoundLabel::SetCaption(const std::string& value) {
    caption_ = value;
    if (!labelControl_) return;
    labelControl_->SetCaption(value);
    AlignLabel();
}

void TSkBoundLabel::SetLayout(TSkCaptionLayout value) {
    layout_ = value;
    if (!labelControl_) return;
    labelControl_->SetAlignment(AlignmentFor(value));
    AlignLabel();
}

void TSkBoundLabel::SetIndent(int value) {
    indent_ = value;
    if (labelControl_) AlignLabel();
}

void TSkBoundLabel::SetMaxWidth(int value) {
    maxWidth_ = value;
    if (labelControl_) AlignLabel();
}

TFont* TSkBoundLabel::Font() { return labelControl_ ? labelControl_->Font() : &font_; }

void TSkBoundLabel::SetFont(const TFont* font) {
    if (!labelControl_) return;
    labelControl_->SetFont(font);
    labelControl_->SetParent(Control()->Parent());
    AlignLabel();
}

void TSkBoundLabel::SetUseSkinColor(bool value) {
    if (labelControl_) labelControl_->UseSkinColor = value;
}

void TSkBoundLabel::AlignLabel() {
    TControl* c = Control();
    TSkEditLabel* l = labelControl_;
    if (!l || !l->Visible() || !c) return;
    l->Constraints()->MaxWidth = maxWidth_;
    l->Constraints()->Changed();
    l->SetAlign(TAlign::alNone);
    const int left = c->Left() - l->Width() - indent_ - kLeftGap;
    const int centre = c->Left() + (c->Width() - l->Width()) / 2;
    const int right = c->Left() + c->Width() - l->Width();
    const int above = c->Top() - l->Height() - indent_;
    const int below = c->Top() + c->Height() + indent_;
    switch (layout_) {
        case TSkCaptionLayout::sclLeft:
            l->SetBounds(left, c->Top() + (c->Height() - l->Height()) / 2, l->Width(), l->Height());
            if (c->Align() == TAlign::alLeft) l->SetAlign(TAlign::alLeft);
            break;
        case TSkCaptionLayout::sclTopLeft: l->SetBounds(c->Left(), above, l->Width(), l->Height()); break;
        case TSkCaptionLayout::sclTopCenter: l->SetBounds(centre, above, l->Width(), l->Height()); break;
        case TSkCaptionLayout::sclTopRight: l->SetBounds(right, above, l->Width(), l->Height()); break;
        case TSkCaptionLayout::sclLeftTop: l->SetBounds(left, c->Top() + kLeftTopDrop, l->Width(), l->Height()); break;
        case TSkCaptionLayout::sclBottomLeft: l->SetBounds(c->Left(), below, l->Width(), l->Height()); break;
        case TSkCaptionLayout::sclBottomCenter: l->SetBounds(centre, below, l->Width(), l->Height()); break;
        case TSkCaptionLayout::sclBottomRight: l->SetBounds(right, below, l->Width(), l->Height()); break;
    }
    l->SetParent(c->Parent());
    if (maxWidth_ != 0) l->SetWordWrap(l->Width() >= maxWidth_ - kLeftGap);
}
