#include "ui/Menus.h"

#include "ui/Colors.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/PublishedProperties.h"
#include "ui/TextCase.h"

#include "platform/DeviceContextState.h"
#include "platform/DeviceContexts.h"
#include "platform/DrawText.h"
#include "platform/Fonts.h"
#include "platform/Input.h"
#include "platform/NonClient.h"
#include "platform/Painting.h"
#include "platform/PensBrushes.h"
#include "platform/Placement.h"
#include "platform/RectFills.h"
#include "platform/TextMetrics.h"
#include "platform/SystemMetrics.h"
#include "platform/WindowStyles.h"

#include <algorithm>

const TClassInfo& TMenuItem::StaticClass() {
    static const TClassInfo info = TPublished<TMenuItem>("TMenuItem", TComponent::StaticClass())
                                       .String("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
                                       .Boolean("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked, false)
                                       .Boolean("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled, true)
                                       .Boolean("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible, true)
                                       .Build();
    return info;
}

const TClassInfo& TMenu::StaticClass() {
    static const TClassInfo info = TPublished<TMenu>("TMenu", TComponent::StaticClass()).Build();
    return info;
}

const TClassInfo& TMainMenu::StaticClass() {
    static const TClassInfo info = TPublished<TMainMenu>("TMainMenu", TMenu::StaticClass()).Build();
    return info;
}

// Shortcuts

namespace {

struct KeyName {
    platform::WORD key;
    const char* name;
};

const KeyName KeyNames[] = {
    {platform::VK_BACK, "BkSp"},   {platform::VK_TAB, "Tab"},     {platform::VK_RETURN, "Enter"},
    {platform::VK_ESCAPE, "Esc"},  {platform::VK_SPACE, "Space"}, {platform::VK_PRIOR, "PgUp"},
    {platform::VK_NEXT, "PgDn"},   {platform::VK_END, "End"},     {platform::VK_HOME, "Home"},
    {platform::VK_LEFT, "Left"},   {platform::VK_UP, "Up"},       {platform::VK_RIGHT, "Right"},
    {platform::VK_DOWN, "Down"},   {platform::VK_INSERT, "Ins"},  {platform::VK_DELETE, "Del"},
};

std::string KeyText(platform::WORD key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
    if (key >= platform::VK_F1 && key <= platform::VK_F1 + 11) return "F" + std::to_string(key - platform::VK_F1 + 1);
    for (const KeyName& k : KeyNames)
        if (k.key == key) return k.name;
    return {};
}

}  // namespace

TShortCut ShortCut(platform::WORD key, TShiftState shift) {
    TShortCut s = key & 0xFF;
    if (shift.Contains(TShiftStateItem::ssShift)) s |= scShift;
    if (shift.Contains(TShiftStateItem::ssCtrl)) s |= scCtrl;
    if (shift.Contains(TShiftStateItem::ssAlt)) s |= scAlt;
    return s;
}

std::string ShortCutToText(TShortCut shortCut) {
    std::string key = KeyText(static_cast<platform::WORD>(shortCut & 0xFF));
    if (key.empty()) return {};
    std::string text;
    if (shortCut & scShift) text += "Shift+";
    if (shortCut & scCtrl) text += "Ctrl+";
    if (shortCut & scAlt) text += "Alt+";
    return text + key;
}

TShortCut TextToShortCut(const std::string& text) {
    TShortCut shift = 0;
    std::string rest = text;
    for (auto [prefix, bit] : {std::pair{"shift+", scShift}, std::pair{"ctrl+", scCtrl}, std::pair{"alt+", scAlt}}) {
        std::string p = prefix;
        if (rest.size() > p.size() && AnsiSameText(rest.substr(0, p.size()), p)) {
            shift |= bit;
            rest = rest.substr(p.size());
        }
    }
    for (int key = 1; key < 256; ++key) {
        std::string name = KeyText(static_cast<platform::WORD>(key));
        if (!name.empty() && AnsiSameText(name, rest)) return static_cast<TShortCut>(shift | key);
    }
    return 0;
}

// Items

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
    Clear();
    if (parent_) parent_->Remove(this);
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
    if (value && RadioItem && parent_)
        for (TMenuItem* sibling : parent_->items_)
            if (sibling != this && sibling->RadioItem && sibling->GroupIndex == GroupIndex) sibling->checked_ = false;
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

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
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

void TMenuItem::Click() {
    if (AutoCheck) SetChecked(RadioItem ? true : !checked_);
    FireEvent(OnClick, this);
}

// Menus

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) { items_->menu_ = this; }

TMenu::~TMenu() {
    items_->menu_ = nullptr;
    delete items_;
}

TMenuItem* TMenu::FindItem(TShortCut shortCut) const {
    if (shortCut == scNone) return nullptr;
    std::vector<TMenuItem*> stack{items_};
    while (!stack.empty()) {
        TMenuItem* item = stack.back();
        stack.pop_back();
        if (item != items_ && item->ShortCut == shortCut && item->CanBeChosen()) return item;
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

// The main menu's bar

namespace {
constexpr int ItemPadding = 6;

std::string Plain(const std::string& caption) {
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        out += caption[i];
    }
    return out;
}
}  // namespace

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

TMainMenu::~TMainMenu() { AttachToForm(nullptr); }

void TMainMenu::AttachToForm(TCustomForm* form) {
    if (form == form_) return;
    if (form_) {
        form_->WindowProc = formProc_;
        form_->RemoveFreeNotification(this);
        TCustomForm* old = form_;
        form_ = nullptr;
        formProc_ = nullptr;
        if (old->HandleAllocated())
            platform::SetWindowPos(old->Handle(), nullptr, 0, 0, 0, 0,
                                   platform::SWP_NOMOVE | platform::SWP_NOSIZE | platform::SWP_NOZORDER |
                                       platform::SWP_NOACTIVATE | platform::SWP_FRAMECHANGED);
    }
    if (!form) return;
    form_ = form;
    form_->FreeNotification(this);
    formProc_ = form->WindowProc;
    form->WindowProc = [this](TMessage& m) { FormMessage(m); };
    FrameChanged();
}

void TMainMenu::Notification(TComponent* component, TOperation operation) {
    TMenu::Notification(component, operation);
    if (operation == TOperation::opRemove && component == form_) {
        form_ = nullptr;
        formProc_ = nullptr;
    }
}

void TMainMenu::FrameChanged() {
    if (form_ && form_->HandleAllocated())
        platform::SetWindowPos(form_->Handle(), nullptr, 0, 0, 0, 0,
                               platform::SWP_NOMOVE | platform::SWP_NOSIZE | platform::SWP_NOZORDER |
                                   platform::SWP_NOACTIVATE | platform::SWP_FRAMECHANGED);
}

void TMainMenu::MenuChanged() {
    TMenu::MenuChanged();
    if (form_ && form_->HandleAllocated()) PaintBar();
}

int TMainMenu::BarHeight() const { return platform::GetSystemMetrics(platform::SM_CYMENU); }

platform::RECT TMainMenu::BarRect() const {
    platform::RECT window{}, client{};
    platform::HWND h = form_->Handle();
    platform::GetWindowRect(h, &window);
    platform::GetClientRect(h, &client);
    platform::POINT origin{0, 0};
    platform::ClientToScreen(h, &origin);
    int left = origin.x - window.left, top = origin.y - window.top;
    return {left, top - BarHeight(), left + client.right, top};
}

platform::RECT TMainMenu::ItemRect(int index) const {
    platform::RECT bar = BarRect();
    platform::HDC dc = platform::GetWindowDC(form_->Handle());
    platform::HGDIOBJ old = platform::SelectObject(dc, platform::GetStockObject(platform::DEFAULT_GUI_FONT));
    int x = bar.left;
    platform::RECT found{};
    for (int i = 0; i < Items()->Count(); ++i) {
        TMenuItem* item = Items()->Items(i);
        if (!item->Visible()) continue;
        std::string text = Plain(item->Caption());
        platform::SIZE size{};
        platform::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        int width = size.cx + 2 * ItemPadding;
        if (i == index) found = {x, bar.top, x + width, bar.bottom};
        x += width;
    }
    platform::SelectObject(dc, old);
    platform::ReleaseDC(form_->Handle(), dc);
    return found;
}

TMenuItem* TMainMenu::ItemAtScreen(int x, int y) const {
    if (!form_ || !form_->HandleAllocated()) return nullptr;
    platform::RECT window{};
    platform::GetWindowRect(form_->Handle(), &window);
    int wx = x - window.left, wy = y - window.top;
    for (int i = 0; i < Items()->Count(); ++i) {
        platform::RECT r = ItemRect(i);
        if (wx >= r.left && wx < r.right && wy >= r.top && wy < r.bottom) return Items()->Items(i);
    }
    return nullptr;
}

void TMainMenu::PaintBar() {
    platform::HWND h = form_->Handle();
    platform::HDC dc = platform::GetWindowDC(h);
    platform::RECT bar = BarRect();
    platform::HBRUSH face = platform::CreateSolidBrush(ColorToRGB(clMenu));
    platform::FillRect(dc, &bar, face);
    platform::DeleteObject(face);
    platform::HGDIOBJ old = platform::SelectObject(dc, platform::GetStockObject(platform::DEFAULT_GUI_FONT));
    platform::SetBkMode(dc, platform::TRANSPARENT);
    for (int i = 0; i < Items()->Count(); ++i) {
        TMenuItem* item = Items()->Items(i);
        if (!item->Visible()) continue;
        platform::RECT r = ItemRect(i);
        platform::SetTextColor(dc, ColorToRGB(item->Enabled() ? clMenuText : clGrayText));
        std::string caption = item->Caption();
        platform::DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &r,
                            platform::DT_CENTER | platform::DT_VCENTER | platform::DT_SINGLELINE);
    }
    platform::SelectObject(dc, old);
    platform::ReleaseDC(h, dc);
}

void TMainMenu::FormMessage(TMessage& m) {
    auto inner = formProc_;  // the form may detach the menu while it runs
    switch (m.Msg) {
        case platform::WM_NCCALCSIZE: {
            inner(m);
            auto* r = m.WParam ? &reinterpret_cast<platform::NCCALCSIZE_PARAMS*>(m.LParam)->rgrc[0]
                               : reinterpret_cast<platform::RECT*>(m.LParam);
            r->top = std::min(r->top + BarHeight(), r->bottom);
            return;
        }
        case platform::WM_NCPAINT:
            inner(m);
            PaintBar();
            return;
        case platform::WM_NCHITTEST: {
            inner(m);
            int x = platform::GET_X_LPARAM(m.LParam), y = platform::GET_Y_LPARAM(m.LParam);
            platform::RECT window{};
            platform::GetWindowRect(form_->Handle(), &window);
            platform::RECT bar = BarRect();
            int wx = x - window.left, wy = y - window.top;
            if (wx >= bar.left && wx < bar.right && wy >= bar.top && wy < bar.bottom) m.Result = platform::HTMENU;
            return;
        }
        case platform::WM_NCLBUTTONDOWN:
            if (m.WParam == static_cast<platform::WPARAM>(platform::HTMENU)) {
                TMenuItem* item = ItemAtScreen(platform::GET_X_LPARAM(m.LParam), platform::GET_Y_LPARAM(m.LParam));
                if (item && item->CanBeChosen()) item->Click();
                return;
            }
            break;
        case CM_DIALOGCHAR:
            // Alt and the marked letter of a top-level item.
            for (int i = 0; i < Items()->Count(); ++i) {
                TMenuItem* item = Items()->Items(i);
                if (item->CanBeChosen() && IsAccel(static_cast<char32_t>(m.WParam), item->Caption())) {
                    item->Click();
                    m.Result = 1;
                    return;
                }
            }
            break;
        default: break;
    }
    inner(m);
}
