#include "ui/controls/ListViewItems.h"

#include "ui/core/PublishedProperties.h"

#include <algorithm>

const TClassInfo& TListColumn::StaticClass() {
    static const TClassInfo info = TPublished<TListColumn>("TListColumn", TCollectionItem::StaticClass())
                                       .String("Caption", &TListColumn::Caption, &TListColumn::SetCaption)
                                       .Integer("Width", &TListColumn::Width, &TListColumn::SetWidth, 50)
                                       .Build();
    return info;
}

const TClassInfo& TListColumns::StaticClass() {
    static const TClassInfo info("TListColumns", &TCollection::StaticClass());
    return info;
}

void TListColumn::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed(false);
}

void TListColumn::SetWidth(int width) {
    width_ = std::max(width, 0);
    Changed(true);
}

void TListColumn::SetAlignment(TAlignment value) {
    alignment_ = value;
    Changed(false);
}

void TListColumn::Assign(const TPersistent* source) {
    if (auto* c = dynamic_cast<const TListColumn*>(source)) {
        caption_ = c->caption_;
        width_ = c->width_;
        alignment_ = c->alignment_;
        Changed(true);
        return;
    }
    TCollectionItem::Assign(source);
}

void TListItem::SetCaption(const std::string& caption) {
    caption_ = caption;
    owner_->Changed();
}

int TListItem::Index() const { return owner_->IndexOf(this); }

void TListItem::SetSelected(bool value) {
    if (value == selected_) return;
    owner_->SelectionChanging(this, value);
}

void TListItem::SetChecked(bool value) {
    if (value == checked_) return;
    checked_ = value;
    if (owner_->OnCheck) owner_->OnCheck(this);
    owner_->Changed();
}

std::string TListItem::ColumnText(int column) const {
    if (column == 0) return caption_;
    if (column - 1 < subItems_.Count()) return subItems_.Strings(column - 1);
    return {};
}

void TListItem::Delete() { owner_->Delete(Index()); }

TListItem* TListItems::Add() { return Insert(Count()); }

TListItem* TListItems::Insert(int index) {
    index = std::clamp(index, 0, Count());
    auto it = items_.insert(items_.begin() + index, std::unique_ptr<TListItem>(new TListItem(this)));
    Changed();
    return it->get();
}

void TListItems::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    items_.erase(items_.begin() + index);
    Changed();
}

void TListItems::Clear() {
    items_.clear();
    Changed();
}

int TListItems::IndexOf(const TListItem* item) const {
    for (int i = 0; i < Count(); ++i)
        if (Item(i) == item) return i;
    return -1;
}

void TListItems::SelectionChanging(TListItem* item, bool value) {
    if (value && !multiSelect_) {
        for (auto& other : items_)
            if (other.get() != item && other->selected_) {
                other->selected_ = false;
                if (OnSelectItem) OnSelectItem(other.get(), false);
            }
    }
    item->selected_ = value;
    if (OnSelectItem) OnSelectItem(item, value);
    Changed();
}

void TListItems::SetMultiSelect(bool value) {
    multiSelect_ = value;
    if (!value)
        if (TListItem* first = Selected()) SelectionChanging(first, true);
}

TListItem* TListItems::Selected() const { return NextSelected(nullptr); }

TListItem* TListItems::NextSelected(const TListItem* after) const {
    int start = after ? IndexOf(after) + 1 : 0;
    for (int i = start; i < Count(); ++i)
        if (Item(i)->Selected()) return Item(i);
    return nullptr;
}

int TListItems::SelCount() const {
    return static_cast<int>(std::count_if(items_.begin(), items_.end(), [](auto& i) { return i->Selected(); }));
}

void TListItems::ClearSelection() {
    for (auto& item : items_)
        if (item->selected_) SelectionChanging(item.get(), false);
}
