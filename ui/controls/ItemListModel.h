#pragma once
// The items of a list box or of a combo box's list: texts with objects,
// kept sorted when asked, the selected item (or several with multi-select),
// the first visible row, keyboard moves and type-ahead search.

#include "ui/core/StringList.h"

#include <cstdint>
#include <string>
#include <vector>

enum class TListMove { Up, Down, PageUp, PageDown, Home, End };

class TItemListModel {
public:
    int Count() const { return items_.Count(); }
    std::string Item(int index) const { return items_.Strings(index); }
    TObject* Object(int index) const { return items_.Objects(index); }
    const TStringList& Items() const { return items_; }
    bool Sorted() const { return items_.Sorted(); }
    void SetSorted(bool value);

    // The index the item lands at (its sorted place when sorted).
    int Add(const std::string& text, TObject* object = nullptr);
    void Insert(int index, const std::string& text, TObject* object = nullptr);
    void Delete(int index);
    void Clear();
    void SetItems(const TStrings& items);
    int IndexOf(const std::string& text) const { return items_.IndexOf(text); }

    // -1: nothing selected. Out-of-range values select nothing.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool value);
    bool Selected(int index) const;
    void SetSelected(int index, bool value);
    int SelCount() const;
    void SelectAll();
    void ClearSelection();

    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int index);
    // Rows that fit in the visible part; moves by page use it.
    int VisibleRows() const { return visibleRows_; }
    void SetVisibleRows(int rows);
    // Scrolls the least so the item shows.
    void EnsureVisible(int index);

    // Moves the item index (the only selection in multi-select); true when it changed.
    bool Move(TListMove move);
    // Type-ahead: characters typed within a second of each other search by
    // prefix (case ignored) from the current item; the same character
    // repeated steps through the items it starts. True when the item index changed.
    bool TypeAhead(char32_t c, std::uint64_t nowMs);
    // The first item from `start` (wrapping) whose text begins with `prefix`, or -1.
    int FindPrefix(const std::string& prefix, int start) const;

private:
    void SelectOnly(int index);
    void ItemInserted(int index);
    void ItemDeleted(int index);

    TStringList items_;
    std::vector<bool> selected_;
    int itemIndex_ = -1;
    bool multiSelect_ = false;
    int topIndex_ = 0;
    int visibleRows_ = 8;
    std::u32string typed_;
    std::uint64_t lastTypedMs_ = 0;
};
