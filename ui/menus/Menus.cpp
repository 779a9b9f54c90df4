#include "ui/menus/Menus.h"

#include "ui/core/PublishedProperties.h"
#include "ui/core/ScopeGuards.h"
#include "ui/core/TextCase.h"
#include "ui/forms/Form.h"
#include "ui/forms/Screen.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Colors.h"
#include "ui/graphics/ImageList.h"
#include "ui/graphics/MeasureCanvas.h"

#include "platform/menus/MenuBar.h"
#include "platform/menus/MenuTracking.h"
#include "platform/window/OwnerDraw.h"
#include "platform/window/Placement.h"
#include "platform/window/SystemMetrics.h"

#include <algorithm>
#include <map>

const TClassInfo& TMenuItem::StaticClass() {
    static const TClassInfo info =
        TPublished<TMenuItem>("TMenuItem", TComponent::StaticClass())
            .String("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
            .Boolean("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked, false)
            .Boolean("Default", &TMenuItem::Default, &TMenuItem::SetDefault, false)
            .Boolean("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled, true)
            .Boolean("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem, false)
            .Boolean("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible, true)
            .Build();
    return info;
}

const TClassInfo& TMenu::StaticClass() {
    static const TClassInfo info = TPublished<TMenu>("TMenu", TComponent::StaticClass())
                                       .Boolean("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw, false)
                                       .Build();
    return info;
}

const TClassInfo& TMainMenu::StaticClass() {
    static const TClassInfo info = TPublished<TMainMenu>("TMainMenu", TMenu::StaticClass()).Build();
    return info;
}

namespace {

// Every item by its command identifier; identifiers stay below the system
// commands and 0 is never one.
std::map<platform::UINT, TMenuItem*>& Commands() {
    static std::map<platform::UINT, TMenuItem*> commands;
    return commands;
}

platform::UINT NewCommand(TMenuItem* item) {
    static platform::UINT next = 0;
    auto& commands = Commands();
    do next = next % 0xEFFF + 1;
    while (commands.count(next));
    commands[next] = item;
    return next;
}

std::string Plain(const std::string& caption) {
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        out += caption[i];
    }
    return out;
}

// The window system's menu to a popup item of ours.
TMenuItem* ItemOfHandle(platform::HMENU handle) {
    for (auto& [command, item] : Commands())
        if (item->Count() > 0 && item->Handle() == handle) return item;
    return nullptr;
}

TOwnerDrawState StateOf(platform::UINT state) {
    TOwnerDrawState result;
    const std::pair<platform::UINT, TOwnerDrawStateItem> map[] = {
        {platform::ODS_SELECTED, TOwnerDrawStateItem::odSelected}, {platform::ODS_GRAYED, TOwnerDrawStateItem::odGrayed},
        {platform::ODS_DISABLED, TOwnerDrawStateItem::odDisabled}, {platform::ODS_CHECKED, TOwnerDrawStateItem::odChecked},
        {platform::ODS_FOCUS, TOwnerDrawStateItem::odFocused},     {platform::ODS_DEFAULT, TOwnerDrawStateItem::odDefault},
        {platform::ODS_HOTLIGHT, TOwnerDrawStateItem::odHotLight}, {platform::ODS_INACTIVE, TOwnerDrawStateItem::odInactive},
        {platform::ODS_NOACCEL, TOwnerDrawStateItem::odNoAccel},   {platform::ODS_NOFOCUSRECT, TOwnerDrawStateItem::odNoFocusRect},
    };
    for (auto [bit, item] : map)
        if (state & bit) result.Include(item);
    return result;
}

// A top-level item of a main menu stands on the bar.
bool OnBar(const TMenuItem* item) {
    TMenu* menu = item->Menu();
    return item->Parent() && menu && !item->Parent()->Parent() && menu->Items() == item->Parent() &&
           dynamic_cast<TMainMenu*>(menu);
}

}  // namespace

// Items

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) { command_ = NewCommand(this); }

TMenuItem::~TMenuItem() {
    Clear();
    if (parent_) parent_->Remove(this);
    Commands().erase(command_);
    if (handle_) platform::DestroyMenu(handle_);
}

TMenu* TMenuItem::Menu() const {
    const TMenuItem* root = this;
    while (root->parent_) root = root->parent_;
    return root->menu_;
}

void TMenuItem::Changed() {
    if (TMenu* menu = Menu()) menu->MenuChanged();
}

void TMenuItem::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed();
}

void TMenuItem::SetChecked(bool value) {
    if (value == checked_) return;
    checked_ = value;
    if (value && radioItem_ && parent_)
        for (TMenuItem* sibling : parent_->items_)
            if (sibling != this && sibling->radioItem_ && sibling->GroupIndex == GroupIndex) sibling->checked_ = false;
    Changed();
}

void TMenuItem::SetEnabled(bool value) {
    enabled_ = value;
    Changed();
}

void TMenuItem::SetVisible(bool value) {
    visible_ = value;
    Changed();
}

void TMenuItem::SetRadioItem(bool value) {
    radioItem_ = value;
    Changed();
}

void TMenuItem::SetDefault(bool value) {
    default_ = value;
    Changed();
}

void TMenuItem::SetBreak(TMenuBreak value) {
    break_ = value;
    Changed();
}

void TMenuItem::SetShortCut(TShortCut value) {
    shortCut_ = value;
    Changed();
}

TBitmap* TMenuItem::Bitmap() {
    if (!bitmap_) {
        bitmap_ = std::make_unique<TBitmap>();
        bitmap_->OnChange = [this](TObject*) { Changed(); };
    }
    return bitmap_.get();
}

void TMenuItem::SetImageIndex(int index) {
    imageIndex_ = index;
    Changed();
}

void TMenuItem::SetSubMenuImages(TCustomImageList* images) {
    if (subMenuImages_) subMenuImages_->RemoveFreeNotification(this);
    subMenuImages_ = images;
    if (images) images->FreeNotification(this);
    Changed();
}

void TMenuItem::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == subMenuImages_) {
        subMenuImages_ = nullptr;
        Changed();
    }
}

TCustomImageList* TMenuItem::ImagesOf() const {
    if (imageIndex_ < 0) return nullptr;
    if (parent_ && parent_->subMenuImages_) return parent_->subMenuImages_;
    TMenu* menu = Menu();
    return menu ? menu->Images() : nullptr;
}

bool TMenuItem::HasBitmap() const { return bitmap_ && !bitmap_->Empty(); }

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenuItem* TMenuItem::Find(const std::string& caption) const {
    for (TMenuItem* item : items_)
        if (AnsiSameText(Plain(item->caption_), Plain(caption))) return item;
    return nullptr;
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item || item == this) return;
    if (item->parent_) item->parent_->Remove(item);
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) return;
    items_.erase(it);
    item->parent_ = nullptr;
    Changed();
}

void TMenuItem::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    delete items_[static_cast<std::size_t>(index)];  // leaves the list itself
}

void TMenuItem::Clear() {
    while (!items_.empty()) delete items_.back();
}

bool TMenuItem::CanBeChosen() const {
    for (const TMenuItem* i = this; i && i->parent_; i = i->parent_)
        if (!i->enabled_ || !i->visible_) return false;
    return true;
}

bool TMenuItem::IsOwnerDraw() const {
    TMenu* menu = Menu();
    return (menu && menu->OwnerDraw()) || OnDrawItem || OnAdvancedDrawItem || (ImagesOf() && !OnBar(this));
}

platform::HMENU TMenuItem::Handle() {
    if (!handle_) {
        bool bar = menu_ && !menu_->IsPopup();
        handle_ = bar ? platform::CreateMenu() : platform::CreatePopupMenu();
        Rebuild();
    }
    return handle_;
}

void TMenuItem::Rebuild() {
    for (TMenuItem* item : items_) item->Rebuild();
    if (!handle_) return;
    while (platform::GetMenuItemCount(handle_) > 0) platform::RemoveMenu(handle_, 0, platform::MF_BYPOSITION);
    for (TMenuItem* item : items_) {
        if (!item->visible_) continue;
        platform::MENUITEMINFOA info;
        info.fMask = platform::MIIM_FTYPE | platform::MIIM_STATE | platform::MIIM_ID | platform::MIIM_DATA |
                     platform::MIIM_STRING | platform::MIIM_SUBMENU | platform::MIIM_BITMAP;
        if (item->IsLine())
            info.fType = platform::MFT_SEPARATOR;
        else
            info.fType = item->IsOwnerDraw() ? platform::MFT_OWNERDRAW : platform::MFT_STRING;
        if (item->radioItem_) info.fType |= platform::MFT_RADIOCHECK;
        if (item->break_ == TMenuBreak::mbBreak) info.fType |= platform::MFT_MENUBREAK;
        if (item->break_ == TMenuBreak::mbBarBreak) info.fType |= platform::MFT_MENUBARBREAK;
        info.fState = (item->checked_ ? platform::MFS_CHECKED : 0) | (item->enabled_ ? 0 : platform::MFS_GRAYED) |
                      (item->default_ ? platform::MFS_DEFAULT : 0);
        info.wID = item->command_;
        info.dwItemData = item->command_;
        info.hSubMenu = item->Count() > 0 ? item->Handle() : nullptr;
        info.hbmpItem = item->HasBitmap() ? item->bitmap_->Handle() : nullptr;
        std::string text = item->caption_;
        if (item->shortCut_ != scNone) text += "\t" + ShortCutToText(item->shortCut_);
        info.dwTypeData = text.data();
        platform::InsertMenuItemA(handle_, static_cast<platform::UINT>(platform::GetMenuItemCount(handle_)), platform::TRUE,
                                  &info);
    }
}

void TMenuItem::Click() {
    if (AutoCheck) SetChecked(radioItem_ ? true : !checked_);
    FireEvent(OnClick, this);
}

void TMenuItem::MeasureItem(TCanvas* canvas, int& width, int& height) {
    bool bar = OnBar(this);
    if (IsLine()) {
        width = 0;
        height = 8;
    } else {
        canvas->SetFont(Screen->MenuFont());
        if (default_) canvas->Font()->SetStyle({TFontStyle::fsBold});
        std::string text = Plain(caption_);
        int textHeight = canvas->TextHeight(text.empty() ? "0" : text);
        if (bar) {
            width = canvas->TextWidth(text) + 12;
            height = platform::GetSystemMetrics(platform::SM_CYMENU) - 1;
        } else {
            width = 20 + canvas->TextWidth(text) + 16;
            if (shortCut_ != scNone) width += 16 + canvas->TextWidth(ShortCutToText(shortCut_));
            height = std::max(textHeight + 5, platform::GetSystemMetrics(platform::SM_CYMENUSIZE));
        }
        if (HasBitmap()) height = std::max(height, bitmap_->Height() + 2);
        if (TCustomImageList* images = ImagesOf()) {
            height = std::max(height, images->Height() + 4);
            width += std::max(0, images->Width() + 4 - 20);
        }
    }
    FireEvent(OnMeasureItem, this, canvas, width, height);
}

void TMenuItem::AdvancedDrawItem(TCanvas* canvas, const TRect& rect, TOwnerDrawState state, bool topLevel) {
    if (OnAdvancedDrawItem)
        OnAdvancedDrawItem(this, canvas, rect, state);
    else if (OnDrawItem)
        OnDrawItem(this, canvas, rect, state.Contains(TOwnerDrawStateItem::odSelected));
    else
        DrawPlain(canvas, rect, state, topLevel);
}

void TMenuItem::DrawPlain(TCanvas* canvas, const TRect& rect, TOwnerDrawState state, bool topLevel) {
    bool selected = state.Contains(TOwnerDrawStateItem::odSelected) && !topLevel;
    canvas->Brush()->SetColor(selected ? clHighlight : clMenu);
    canvas->FillRect(rect);
    if (IsLine()) {
        int y = (rect.Top + rect.Bottom) / 2;
        canvas->Pen()->SetColor(clBtnShadow);
        canvas->MoveTo(rect.Left + 1, y);
        canvas->LineTo(rect.Right - 1, y);
        return;
    }
    canvas->SetFont(Screen->MenuFont());
    if (state.Contains(TOwnerDrawStateItem::odDefault)) canvas->Font()->SetStyle({TFontStyle::fsBold});
    bool disabled = state.Contains(TOwnerDrawStateItem::odDisabled) || state.Contains(TOwnerDrawStateItem::odGrayed);
    canvas->Font()->SetColor(disabled ? clGrayText : (selected ? clHighlightText : clMenuText));
    canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    std::string text = Plain(caption_);
    int y = rect.Top + (rect.Height() - canvas->TextHeight(text.empty() ? "0" : text)) / 2;
    int left = topLevel ? rect.Left + 6 : rect.Left + 20;
    TCustomImageList* images = ImagesOf();
    if (images && imageIndex_ < images->Count()) {
        if (state.Contains(TOwnerDrawStateItem::odChecked)) {
            TRect frame(rect.Left + 1, rect.Top + (rect.Height() - images->Height()) / 2 - 1,
                        rect.Left + images->Width() + 3, rect.Top + (rect.Height() + images->Height()) / 2 + 1);
            canvas->Brush()->SetColor(clBtnShadow);
            canvas->FrameRect(frame);
            canvas->Brush()->SetStyle(TBrushStyle::bsClear);
        }
        images->Draw(canvas, rect.Left + 2, rect.Top + (rect.Height() - images->Height()) / 2, imageIndex_, !disabled);
        left = std::max(left, rect.Left + images->Width() + 6);
    } else if (HasBitmap()) {
        canvas->Draw(rect.Left + 2, rect.Top + (rect.Height() - bitmap_->Height()) / 2, bitmap_.get());
        left = std::max(left, rect.Left + bitmap_->Width() + 4);
    } else if (state.Contains(TOwnerDrawStateItem::odChecked)) {
        canvas->TextOut(rect.Left + 4, y, radioItem_ ? "\u2022" : "\u2713");
    }
    canvas->TextOut(left, y, text);
    if (shortCut_ != scNone && !topLevel) {
        std::string shortcut = ShortCutToText(shortCut_);
        canvas->TextOut(rect.Right - 16 - canvas->TextWidth(shortcut), y, shortcut);
    }
    canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
}

// Menus

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) { items_->menu_ = this; }

TMenu::~TMenu() {
    items_->menu_ = nullptr;
    delete items_;
}

void TMenu::SetImages(TCustomImageList* images) {
    if (images_) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images) images->FreeNotification(this);
    MenuChanged();
}

void TMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == images_) {
        images_ = nullptr;
        MenuChanged();
    }
}

void TMenu::SetOwnerDraw(bool value) {
    if (value == ownerDraw_) return;
    ownerDraw_ = value;
    MenuChanged();
}

void TMenu::MenuChanged() {
    items_->Rebuild();
    if (OnChange) OnChange();
}

TMenuItem* TMenu::FindItem(TShortCut shortCut) const {
    if (shortCut == scNone) return nullptr;
    std::vector<TMenuItem*> stack{items_};
    while (!stack.empty()) {
        TMenuItem* item = stack.back();
        stack.pop_back();
        if (item != items_ && item->ShortCut() == shortCut && item->CanBeChosen()) return item;
        for (int i = item->Count() - 1; i >= 0; --i) stack.push_back(item->Items(i));
    }
    return nullptr;
}

bool TMenu::IsShortCut(platform::WORD key, TShiftState shift) {
    TMenuItem* item = FindItem(ShortCut(key, shift));
    if (!item) return false;
    item->Click();
    return true;
}

// The main menu

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

TMainMenu::~TMainMenu() { AttachToForm(nullptr); }

void TMainMenu::AttachToForm(TCustomForm* form) {
    if (form) form->SetMenu(this);
    else if (form_) form_->SetMenu(nullptr);
}

void TMainMenu::Notification(TComponent* component, TOperation operation) {
    TMenu::Notification(component, operation);
    if (operation == TOperation::opRemove && component == form_) form_ = nullptr;
}

void TMainMenu::MenuChanged() {
    TMenu::MenuChanged();
    if (form_ && form_->HandleAllocated()) platform::DrawMenuBar(form_->Handle());
}

int TMainMenu::BarHeight() const {
    if (!form_ || !form_->HandleAllocated() || Items()->Count() == 0) return 0;
    platform::RECT window{};
    platform::GetWindowRect(form_->Handle(), &window);
    return platform::MenuBarHeight(form_->Handle(), window.right - window.left);
}

platform::RECT TMainMenu::ItemRect(int index) const {
    platform::RECT r{}, window{};
    if (!form_ || !form_->HandleAllocated()) return r;
    platform::GetWindowRect(form_->Handle(), &window);
    if (!platform::GetMenuItemRect(form_->Handle(), Handle(), static_cast<platform::UINT>(index), &r)) return {};
    platform::OffsetRect(&r, -window.left, -window.top);
    return r;
}

// Messages of the menu loop

TMenuItem* FindMenuCommand(platform::UINT command) {
    auto& commands = Commands();
    auto found = commands.find(command);
    return found == commands.end() ? nullptr : found->second;
}

bool DispatchMenuMessage(TMessage& m) {
    switch (m.Msg) {
        case platform::WM_COMMAND: {
            if (m.LParam != 0 || platform::HIWORD(m.WParam) != 0) return false;
            TMenuItem* item = FindMenuCommand(platform::LOWORD(m.WParam));
            if (!item || !item->CanBeChosen()) return false;
            item->Click();
            m.Result = 0;
            return true;
        }
        case platform::WM_INITMENUPOPUP: {
            // The parent item's OnClick may fill or change its items first.
            TMenuItem* item = ItemOfHandle(reinterpret_cast<platform::HMENU>(m.WParam));
            if (!item) return false;
            FireEvent(item->OnClick, item);
            return true;
        }
        case platform::WM_MEASUREITEM: {
            auto* measure = reinterpret_cast<platform::MEASUREITEMSTRUCT*>(m.LParam);
            TMenuItem* item = measure && measure->CtlType == platform::ODT_MENU
                                  ? FindMenuCommand(static_cast<platform::UINT>(measure->itemData))
                                  : nullptr;
            if (!item) return false;
            TMeasureCanvas canvas;
            int width = static_cast<int>(measure->itemWidth), height = static_cast<int>(measure->itemHeight);
            item->MeasureItem(&canvas, width, height);
            measure->itemWidth = static_cast<platform::UINT>(std::max(width, 0));
            measure->itemHeight = static_cast<platform::UINT>(std::max(height, 0));
            m.Result = 1;
            return true;
        }
        case platform::WM_DRAWITEM: {
            auto* draw = reinterpret_cast<platform::DRAWITEMSTRUCT*>(m.LParam);
            TMenuItem* item = draw && draw->CtlType == platform::ODT_MENU
                                  ? FindMenuCommand(static_cast<platform::UINT>(draw->itemData))
                                  : nullptr;
            if (!item) return false;
            TCanvas canvas;
            canvas.SetHandle(draw->hDC);
            {
                ScopeExit release([&] { canvas.SetHandle(nullptr); });
                const platform::RECT& r = draw->rcItem;
                item->AdvancedDrawItem(&canvas, TRect(r.left, r.top, r.right, r.bottom), StateOf(draw->itemState),
                                       OnBar(item));
            }
            m.Result = 1;
            return true;
        }
        default: return false;
    }
}
