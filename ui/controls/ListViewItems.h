#pragma once
// The data of a list view: columns (caption, width, alignment) and items
// with a caption, subitems for the further columns, an image, data and
// selection. The items object owns the items.

#include "ui/controls/TextAlignment.h"
#include "ui/core/Collection.h"
#include "ui/core/Events.h"
#include "ui/core/StringList.h"

#include <memory>
#include <string>
#include <vector>

class TListColumn : public TCollectionItem {
    DECLARE_CLASS_INFO
public:
    explicit TListColumn(TCollection* collection) : TCollectionItem(collection) {}
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    int Width() const { return width_; }
    void SetWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    void Assign(const TPersistent* source) override;

private:
    std::string caption_;
    int width_ = 50;
    TAlignment alignment_ = TAlignment::taLeftJustify;
};

class TListColumns : public TCollection {
    DECLARE_CLASS_INFO
public:
    explicit TListColumns(TPersistent* owner = nullptr) : TCollection(TListColumn::StaticClass(), owner) {}
    TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }
    TListColumn* Items(int index) const { return static_cast<TListColumn*>(TCollection::Items(index)); }
    TNotifyEvent OnChange;

protected:
    void Update(TCollectionItem*) override { FireEvent(OnChange, this); }
};

class TListItems;

class TListItem {
public:
    TListItems* Owner() const { return owner_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // The texts of the second and further columns.
    TStringList& SubItems() { return subItems_; }
    const TStringList& SubItems() const { return subItems_; }
    int ImageIndex = -1;
    // The image of the view's StateImages drawn before the item's own.
    int StateIndex = -1;
    void* Data = nullptr;
    // The item's check box, shown when the view has Checkboxes.
    bool Checked() const { return checked_; }
    void SetChecked(bool value);
    int Index() const;
    bool Selected() const { return selected_; }
    void SetSelected(bool value);
    // The text shown in a column: the caption in column 0, a subitem after it.
    std::string ColumnText(int column) const;
    void Delete();

private:
    friend class TListItems;
    explicit TListItem(TListItems* owner) : owner_(owner) {}
    TListItems* owner_;
    std::string caption_;
    TStringList subItems_;
    bool selected_ = false;
    bool checked_ = false;
};

class TListItems {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    TListItem* Item(int index) const { return items_.at(static_cast<std::size_t>(index)).get(); }
    TListItem* Add();
    TListItem* Insert(int index);
    void Delete(int index);
    void Clear();
    int IndexOf(const TListItem* item) const;

    // Several items may be selected only with multi-select.
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool value);
    // The first selected item, or nothing.
    TListItem* Selected() const;
    int SelCount() const;
    void ClearSelection();
    // The next selected item after `after` (from the start when nullptr).
    TListItem* NextSelected(const TListItem* after) const;

    // Told when an item's selection changes (the view's OnSelectItem) and
    // after any change of the items (the view repaints).
    std::function<void(TListItem*, bool selected)> OnSelectItem;
    std::function<void()> OnChange;
    // Told when an item's check box changes, before OnChange.
    std::function<void(TListItem*)> OnCheck;

private:
    friend class TListItem;
    void SelectionChanging(TListItem* item, bool value);
    void Changed() {
        if (OnChange) OnChange();
    }

    std::vector<std::unique_ptr<TListItem>> items_;
    bool multiSelect_ = false;
};
