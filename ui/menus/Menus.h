#pragma once
// Menus: items in a tree (caption, shortcut, check and radio marks, enabled,
// visible, default, break, bitmap, owner drawing), menus that find an item
// by its shortcut, and the main menu, shown as the bar of the form whose
// Menu it is. Each menu keeps a menu of the window system in step with its
// items (an item's Command is its identifier there); the messages the menu
// loop sends (WM_COMMAND, WM_INITMENUPOPUP, WM_MEASUREITEM, WM_DRAWITEM)
// come back to the items through DispatchMenuMessage.

#include "ui/core/Component.h"
#include "ui/core/Events.h"
#include "ui/core/Types.h"
#include "ui/forms/Messages.h"
#include "ui/menus/OwnerDrawState.h"
#include "ui/menus/ShortCuts.h"

#include "platform/menus/Menus.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TCanvas;
class TCustomImageList;
class TCustomForm;
class TMenu;
class TMenuItem;

enum class TMenuBreak { mbNone, mbBreak, mbBarBreak };

using TMenuDrawItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, bool Selected)>;
using TAdvancedMenuDrawItemEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, TOwnerDrawState State)>;
using TMenuMeasureItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;

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
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool value);
    int GroupIndex = 0;
    // Shown bold; Enter on its popup's parent chooses nothing else.
    bool Default() const { return default_; }
    void SetDefault(bool value);
    // Starts a new column of its popup (a new row of the bar).
    TMenuBreak Break() const { return break_; }
    void SetBreak(TMenuBreak value);
    // Clicking toggles Checked (a radio item: checks it).
    bool AutoCheck = false;
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut value);
    std::string Hint;
    // Its glyph in the images of its menu (SubMenuImages of its parent first).
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    // Glyphs of this item's own items, in place of the menu's Images.
    TCustomImageList* SubMenuImages() const { return subMenuImages_; }
    void SetSubMenuImages(TCustomImageList* images);
    // The list its ImageIndex draws from, or nothing.
    TCustomImageList* ImagesOf() const;
    int HelpContext = 0;
    // The glyph beside the caption; the item owns it.
    TBitmap* Bitmap();
    bool HasBitmap() const;

    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    TMenuItem* Parent() const { return parent_; }
    int IndexOf(const TMenuItem* item) const;
    int MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }
    // The item with this caption ('&' ignored, case too), or nothing.
    TMenuItem* Find(const std::string& caption) const;
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

    // Its identifier in the window system's menu; unique in the program.
    platform::UINT Command() const { return command_; }
    // The window system's menu of its items (made on first asking).
    platform::HMENU Handle();

    // Runs OnClick (after AutoCheck).
    virtual void Click();
    TNotifyEvent OnClick;
    // Owner drawing: measuring starts from the plain item's size.
    TMenuDrawItemEvent OnDrawItem;
    TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;
    TMenuMeasureItemEvent OnMeasureItem;
    virtual void MeasureItem(TCanvas* canvas, int& width, int& height);
    // Runs OnAdvancedDrawItem, else OnDrawItem, else draws the plain item.
    virtual void AdvancedDrawItem(TCanvas* canvas, const TRect& rect, TOwnerDrawState state, bool topLevel);
    bool IsOwnerDraw() const;

    // Told when the item or its items change (the menu is built again).
    TMenu* Menu() const;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TMenu;
    void Changed();
    // Fills the window system's menu from the visible items.
    void Rebuild();
    void DrawPlain(TCanvas* canvas, const TRect& rect, TOwnerDrawState state, bool topLevel);

    std::string caption_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool radioItem_ = false;
    bool default_ = false;
    TMenuBreak break_ = TMenuBreak::mbNone;
    TShortCut shortCut_ = scNone;
    std::unique_ptr<TBitmap> bitmap_;
    int imageIndex_ = -1;
    TCustomImageList* subMenuImages_ = nullptr;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;  // set on the root item
    platform::UINT command_ = 0;
    platform::HMENU handle_ = nullptr;
};

class TMenu : public TComponent {
    DECLARE_CLASS_INFO
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;
    TMenuItem* Items() const { return items_; }
    platform::HMENU Handle() const { return items_->Handle(); }
    // Every item drawn by its owner (WM_MEASUREITEM/WM_DRAWITEM); items
    // with a glyph from an image list are drawn so too.
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool value);
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* images);
    // The window a popup was shown for, while it is shown.
    platform::HWND WindowHandle = nullptr;
    // The item a shortcut chooses, searched depth first; nothing when none can be chosen.
    TMenuItem* FindItem(TShortCut shortCut) const;
    // Clicks the item of the key; true when there was one.
    bool IsShortCut(platform::WORD key, TShiftState shift);
    std::function<void()> OnChange;

protected:
    friend class TMenuItem;
    // A main menu's items make a bar, a popup menu's a popup.
    virtual bool IsPopup() const { return true; }
    virtual void MenuChanged();
    void Notification(TComponent* component, TOperation operation) override;

private:
    TMenuItem* items_;
    bool ownerDraw_ = false;
    TCustomImageList* images_ = nullptr;
};

// The main menu: the form whose Menu it is shows it as its bar.
class TMainMenu : public TMenu {
    DECLARE_CLASS_INFO
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;
    TCustomForm* Form() const { return form_; }
    // Makes it the form's Menu; nullptr detaches it.
    void AttachToForm(TCustomForm* form);
    // The bar's height in the form's frame (0 unless shown), and a
    // top-level item's place in window coordinates.
    int BarHeight() const;
    platform::RECT ItemRect(int index) const;

protected:
    friend class TCustomForm;
    bool IsPopup() const override { return false; }
    void MenuChanged() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TCustomForm* form_ = nullptr;
};

// The messages of the menu loop for our items, from any window: a chosen
// command clicks its item, a popup about to open runs its parent item's
// OnClick, owner-drawn items are measured and drawn. True when handled.
bool DispatchMenuMessage(TMessage& message);
// The item of a command identifier, or nothing.
TMenuItem* FindMenuCommand(platform::UINT command);
