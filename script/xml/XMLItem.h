#pragma once
// One element of the script engine's XML tree: a name, the raw attribute
// text (values escaped), an owned list of children and a word for the host.
// Attributes are found by searching the text, never parsed into a list.

#include "ui/core/Object.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TscXMLItem : public TObject {
public:
    TscXMLItem() = default;
    // Frees the children, then leaves the parent's list.
    ~TscXMLItem() override;

    int Count() const { return static_cast<int>(children_.size()); }
    TscXMLItem* Items(int index) const;

    // A new empty child at the end.
    TscXMLItem* Add();
    // Takes the item from its old parent and appends it.
    void AddItem(TscXMLItem* item);
    void InsertItem(int index, TscXMLItem* item);
    // Index of the first child of that name (case ignored), or -1.
    int Find(std::string_view name) const;
    // The first child of that name, added at the end when there is none.
    TscXMLItem* FindItem(std::string_view name);
    TscXMLItem* Root();

    // The unescaped value, empty when the attribute is absent; names match
    // without regard to case and only at the start of an attribute.
    std::string Prop(std::string_view name) const;
    void SetProp(std::string_view name, std::string_view value);

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    const std::string& Text() const { return text_; }
    void SetText(std::string text) { text_ = std::move(text); }
    TscXMLItem* Parent() const { return parent_; }
    std::int32_t Data() const { return data_; }
    void SetData(std::int32_t data) { data_ = data; }

    // Own children freed, then name, text, data and copies of the children
    // taken from `item`; nullptr only clears.
    void CopyFrom(const TscXMLItem* item);
    void Clear();

private:
    void Detach(TscXMLItem* child);

    std::string name_;
    std::string text_;
    TscXMLItem* parent_ = nullptr;
    std::vector<TscXMLItem*> children_;  // owned
    std::int32_t data_ = 0;
};
