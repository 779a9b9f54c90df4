#include "ui/controls/ToolBar.h"

#include "ui/controls/ControlFrames.h"
#include "ui/core/PublishedProperties.h"

#include "platform/window/ControlMessages.h"

#include <algorithm>

const TClassInfo& TToolButton::StaticClass() {
    static const TClassInfo info = TPublished<TToolButton>("TToolButton", TGraphicControl::StaticClass())
                                       .Boolean("Down", &TToolButton::Down, &TToolButton::SetDown, false)
                                       .Integer("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex, -1)
                                       .Build();
    return info;
}

const TClassInfo& TToolBar::StaticClass() {
    static const TClassInfo info =
        TPublished<TToolBar>("TToolBar", TCustomControl::StaticClass())
            .Integer("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth, 23)
            .Integer("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight, 22)
            .Boolean("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions, false)
            .Boolean("Flat", &TToolBar::Flat, &TToolBar::SetFlat, false)
            .Build();
    return info;
}

namespace {
constexpr int SpacerWidth = 8;
}  // namespace

// Buttons

TToolButton::TToolButton(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(Left(), Top(), 23, 22);
    ControlStyle.Exclude(TControlStyleItem::csDoubleClicks);  // a quick second click is another click
}

TToolBar* TToolButton::ToolBar() const { return dynamic_cast<TToolBar*>(Parent()); }

void TToolButton::SetStyle(TToolButtonStyle value) {
    if (value == style_) return;
    style_ = value;
    if (IsSpacer()) SetWidth(SpacerWidth);
    if (TToolBar* bar = ToolBar()) bar->ArrangeButtons();
    Invalidate();
}

void TToolButton::SetImageIndex(int value) {
    imageIndex_ = value;
    Invalidate();
}

void TToolButton::SetIndeterminate(bool value) {
    indeterminate_ = value;
    Invalidate();
}

std::vector<TToolButton*> TToolButton::Group() const {
    std::vector<TToolButton*> group;
    TToolBar* bar = ToolBar();
    if (!bar || !Grouped || style_ != TToolButtonStyle::tbsCheck) return group;
    auto& all = bar->buttons_;
    auto me = std::find(all.begin(), all.end(), this);
    auto member = [](TToolButton* b) { return b->Grouped && b->style_ == TToolButtonStyle::tbsCheck; };
    auto first = me, last = me;
    while (first != all.begin() && member(*(first - 1))) --first;
    while (last + 1 != all.end() && member(*(last + 1))) ++last;
    group.assign(first, last + 1);
    return group;
}

void TToolButton::SetDown(bool value) {
    if (value == down_) return;
    if (!value && Grouped && !AllowAllUp && style_ == TToolButtonStyle::tbsCheck) return;  // one of the group stays down
    down_ = value;
    if (value)
        for (TToolButton* other : Group())
            if (other != this && other->down_) {
                other->down_ = false;
                other->Invalidate();
            }
    Invalidate();
}

void TToolButton::Click() {
    if (style_ == TToolButtonStyle::tbsCheck) {
        bool wasDown = down_;
        SetDown(!down_);
        // A group's only down button stays down unless all may be up.
        if (wasDown && down_) return;
    }
    TGraphicControl::Click();
}

void TToolButton::SetDropdownMenu(TPopupMenu* menu) {
    if (dropdownMenu_) dropdownMenu_->RemoveFreeNotification(this);
    dropdownMenu_ = menu;
    if (menu) menu->FreeNotification(this);
}

void TToolButton::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == dropdownMenu_) dropdownMenu_ = nullptr;
}

bool TToolButton::CheckMenuDropdown() {
    if (!dropdownMenu_) return false;
    TPoint below = ClientToScreen({0, Height()});
    dropdownMenu_->PopupComponent = this;
    dropped_ = true;
    Repaint();
    dropdownMenu_->Popup(below.X, below.Y);
    dropped_ = false;
    Invalidate();
    return true;
}

void TToolButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !Enabled() || IsSpacer()) return;
    bool onArrow = style_ == TToolButtonStyle::tbsDropDown && (x >= Width() - 12 || !OnClick);
    if (onArrow && dropdownMenu_) {
        // The menu takes the mouse from here: the press makes no click.
        ControlState.Exclude(TControlStateItem::csClicked);
        CheckMenuDropdown();
        return;
    }
    pressed_ = true;
    Invalidate();
}

void TToolButton::MouseMove(TShiftState shift, int x, int y) {
    if (ControlState.Contains(TControlStateItem::csLButtonDown)) {
        bool inside = ClientRect().Contains({x, y});
        if (inside != pressed_) {
            pressed_ = inside;
            Invalidate();
        }
    }
    TGraphicControl::MouseMove(shift, x, y);
}

void TToolButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft && pressed_) {
        pressed_ = false;
        Invalidate();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
}

void TToolButton::Dispatch(TMessage& m) {
    if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) {
        hot_ = m.Msg == CM_MOUSEENTER;
        Invalidate();
    }
    if (m.Msg == CM_TEXTCHANGED)
        if (TToolBar* bar = ToolBar()) bar->ArrangeButtons();
    TGraphicControl::Dispatch(m);
}

void TToolButton::Paint() {
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    TToolBar* bar = ToolBar();
    if (style_ == TToolButtonStyle::tbsSeparator) return;
    if (style_ == TToolButtonStyle::tbsDivider) {
        int x = r.Width() / 2 - 1;
        c.Pen()->SetColor(clBtnShadow);
        c.MoveTo(x, r.Top + 2);
        c.LineTo(x, r.Bottom - 2);
        c.Pen()->SetColor(clBtnHighlight);
        c.MoveTo(x + 1, r.Top + 2);
        c.LineTo(x + 1, r.Bottom - 2);
        return;
    }
    bool flat = bar && bar->Flat();
    bool sunk = pressed_ || down_ || dropped_;
    if (down_ && !pressed_) {
        // A button held down shows a lighter face.
        c.Brush()->SetStyle(TBrushStyle::bsSolid);
        c.Brush()->SetColor(clBtnHighlight);
        c.FillRect(r);
    }
    TRect face = r;
    if (sunk || !flat || (hot_ && Enabled())) {
        if (flat && !sunk) {
            c.Pen()->SetColor(clBtnHighlight);
            c.MoveTo(r.Left, r.Bottom - 1);
            c.LineTo(r.Left, r.Top);
            c.LineTo(r.Right - 1, r.Top);
            c.Pen()->SetColor(clBtnShadow);
            c.LineTo(r.Right - 1, r.Bottom - 1);
            c.LineTo(r.Left - 1, r.Bottom - 1);
        } else {
            DrawRaisedFrame(c, face, sunk);
        }
    }
    int shift = sunk ? 1 : 0;
    int arrow = style_ == TToolButtonStyle::tbsDropDown ? 12 : 0;
    TCustomImageList* images = bar ? bar->Images() : nullptr;
    bool captions = bar && bar->ShowCaptions();
    int textHeight = captions ? c.TextHeight("Ay") : 0;
    if (images && imageIndex_ >= 0 && imageIndex_ < images->Count()) {
        int x = (r.Width() - arrow - images->Width()) / 2 + shift;
        int y = (r.Height() - images->Height() - (captions ? textHeight + 2 : 0)) / 2 + shift;
        images->Draw(&c, x, y, imageIndex_, Enabled() && !indeterminate_);
    }
    if (captions) {
        c.SetFont(Font());
        c.Font()->SetColor(Enabled() ? clBtnText : clGrayText);
        c.Brush()->SetStyle(TBrushStyle::bsClear);
        std::string text = Caption();
        int x = (r.Width() - arrow - c.TextWidth(text)) / 2 + shift;
        int y = (images ? r.Bottom - textHeight - 3 : (r.Height() - textHeight) / 2) + shift;
        c.TextRect(r, x, y, text);
    }
    if (arrow) {
        int cx = r.Right - arrow / 2 - 2 + shift, cy = r.Height() / 2 + shift;
        c.Pen()->SetColor(Enabled() ? clBtnText : clGrayText);
        for (int k = 0; k < 3; ++k) {
            c.MoveTo(cx - 2 + k, cy - 1 + k);
            c.LineTo(cx + 3 - k, cy - 1 + k);
        }
    }
}

// The bar

TToolBar::TToolBar(TComponent* owner) : TCustomControl(owner) {
    SetBounds(Left(), Top(), 150, 29);
    SetColor(clBtnFace);
    SetAlign(TAlign::alTop);
    ControlStyle.Include(TControlStyleItem::csAcceptsControls);
    ControlStyle.Exclude(TControlStyleItem::csSetCaption);
    imagesLink_.OnChange = [this](TObject*) { Invalidate(); };
}

void TToolBar::SetImages(TCustomImageList* images) {
    if (images == imagesLink_.Sender) return;
    if (imagesLink_.Sender) imagesLink_.Sender->UnRegisterChanges(&imagesLink_);
    if (images) images->RegisterChanges(&imagesLink_);
    Invalidate();
}

void TToolBar::SetButtonWidth(int value) {
    buttonWidth_ = std::max(value, 0);
    ArrangeButtons();
}

void TToolBar::SetButtonHeight(int value) {
    buttonHeight_ = std::max(value, 0);
    ArrangeButtons();
}

void TToolBar::SetShowCaptions(bool value) {
    showCaptions_ = value;
    ArrangeButtons();
}

void TToolBar::SetFlat(bool value) {
    flat_ = value;
    if (HandleAllocated()) RecreateWnd();
    Invalidate();
}

void TToolBar::SetWrapable(bool value) {
    wrapable_ = value;
    if (HandleAllocated()) RecreateWnd();
    ArrangeButtons();
}

void TToolBar::SetIndent(int value) {
    indent_ = std::max(value, 0);
    ArrangeButtons();
}

void TToolBar::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (wrapable_) params.Style |= platform::TBSTYLE_WRAPABLE;
    if (flat_) params.Style |= platform::TBSTYLE_FLAT;
}

void TToolBar::Dispatch(TMessage& m) {
    if (m.Msg == platform::TB_BUTTONCOUNT) {
        m.Result = ButtonCount();
        return;
    }
    if (m.Msg == platform::TB_GETITEMRECT) {
        auto index = static_cast<int>(m.WParam);
        auto* out = reinterpret_cast<platform::RECT*>(m.LParam);
        if (index < 0 || index >= ButtonCount() || !out) return;
        *out = Buttons(index)->BoundsRect();
        m.Result = 1;
        return;
    }
    if (m.Msg == CM_CONTROLLISTCHANGE) {
        // A button leaving may be half destroyed already: only its address is used then.
        auto* control = reinterpret_cast<TControl*>(m.WParam);
        if (m.LParam == 0)
            std::erase(buttons_, static_cast<TControl*>(control));
        else if (auto* button = dynamic_cast<TToolButton*>(control))
            buttons_.push_back(button);
    }
    TCustomControl::Dispatch(m);
}

void TToolBar::AlignControls() {
    TCustomControl::AlignControls();
    ArrangeButtons();
}

void TToolBar::ArrangeButtons() {
    if (arranging_) return;
    arranging_ = true;
    int x = indent_, y = 2, row = 1;
    int right = ClientWidth();
    int buttonWidth = buttonWidth_;
    if (showCaptions_) {
        measure_.SetFont(Font());
        for (TToolButton* b : buttons_) buttonWidth = std::max(buttonWidth, measure_.TextWidth(b->Caption()) + 8);
    }
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        TToolButton* b = buttons_[i];
        if (!b->Visible()) continue;
        bool spacer = b->Style() == TToolButtonStyle::tbsSeparator || b->Style() == TToolButtonStyle::tbsDivider;
        int width = spacer ? b->Width() : buttonWidth;
        if (b->Style() == TToolButtonStyle::tbsDropDown) width += 12;
        if (wrapable_ && x > indent_ && x + width > right) {
            x = indent_;
            y += buttonHeight_;
            ++row;
        }
        b->SetBounds(x, y, width, buttonHeight_);
        x += width;
        if (b->Wrap && wrapable_) {
            x = indent_;
            y += buttonHeight_;
            ++row;
        }
    }
    rows_ = row;
    arranging_ = false;
}
