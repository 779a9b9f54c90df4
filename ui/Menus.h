#pragma once
// Menus: items in a tree (caption, shortcut, check and radio marks,
// enabled, visible, default), menus that find an item by its shortcut, and
// the main menu, whose top-level items form a bar in the frame of the form
// it is attached to (clicked with the mouse or by Alt and the letter marked
// with "&").

#include "ui/Component.h"
#include "ui/Events.h"
#include "ui/Messages.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TCustomForm;
class TMenu;

// A key with its shift keys: the virtual key in the low byte.
using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0;
TShortCut ShortCut(platform::WORD key, TShiftState shift);
// "Ctrl+O", "Shift+Ctrl+F2", "Del"; empty for none.
std::string ShortCutToText(TShortCut shortCut);
// 0 for a text that names no key.
TShortCut TextToShortCut(const std::string& text);

class TMenuItem : public TComponent {
    DECLARE_CLASS_INFO
public:
    explicit TMenuItem(TComponent* owner);
    // Frees its items.
    ~TMenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // "-": a separator line.
    bool IsLine() const { return caption_ == "-"; }
    bool Checked() const { return checked_; }
    // A radio item checked unchecks the radio items of its group beside it.
    void SetChecked(bool value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    bool RadioItem = false;
    int GroupIndex = 0;
    bool Default = false;
    // Clicking toggles Checked (a radio item: checks it).
    bool AutoCheck = false;
    TShortCut ShortCut = scNone;
    std::string Hint;
    int ImageIndex = -1;

    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    TMenuItem* Parent() const { return parent_; }
    int IndexOf(const TMenuItem* item) const;
    // The item becomes a child of this one (leaving its old parent).
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Takes the item out without freeing it.
    void Remove(TMenuItem* item);
    // Frees the item.
    void Delete(int index);
    void Clear();
    // Every parent enabled and visible too.
    bool CanBeChosen() const;

    // Runs OnClick (after AutoCheck).
    virtual void Click();
    TNotifyEvent OnClick;

    // Told when the item or its items change (the bar repaints).
    TMenu* Menu() const;

private:
    friend class TMenu;
    void Changed();

    std::string caption_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;  // set on the root item
};

class TMenu : public TComponent {
    DECLARE_CLASS_INFO
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;
    TMenuItem* Items() const { return items_; }
    // The item a shortcut chooses, searched depth first; nothing when none can be chosen.
    TMenuItem* FindItem(TShortCut shortCut) const;
    // Clicks the item of the key; true when there was one.
    bool IsShortCut(platform::WORD key, TShiftState shift);
    std::function<void()> OnChange;

protected:
    friend class TMenuItem;
    virtual void MenuChanged() {
        if (OnChange) OnChange();
    }

private:
    TMenuItem* items_;
};

// The main menu: attached to a form it draws its bar in the form's frame
// above the client area and takes clicks and Alt accelerators there.
class TMainMenu : public TMenu {
    DECLARE_CLASS_INFO
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;
    TCustomForm* Form() const { return form_; }
    // nullptr detaches.
    void AttachToForm(TCustomForm* form);
    // The bar's height in the frame, and a top-level item's place in window coordinates.
    int BarHeight() const;
    platform::RECT ItemRect(int index) const;
    // The top-level item at a screen point, or nothing.
    TMenuItem* ItemAtScreen(int x, int y) const;

protected:
    void MenuChanged() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void FormMessage(TMessage& m);
    void PaintBar();
    // Where the bar lies in the window's coordinates.
    platform::RECT BarRect() const;
    void FrameChanged();

    TCustomForm* form_ = nullptr;
    std::function<void(TMessage&)> formProc_;
};
