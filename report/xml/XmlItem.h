#pragma once
// One element of the report engine's XML tree: a name, the raw attribute
// text of its start tag (parsed on demand by Prop), owned children, and the
// swap state of elements whose children may live in the document's
// temporary file.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TrpXMLItem {
public:
    TrpXMLItem() = default;
    // Frees the children and leaves the parent's list.
    ~TrpXMLItem();
    TrpXMLItem(const TrpXMLItem&) = delete;
    TrpXMLItem& operator=(const TrpXMLItem&) = delete;

    // Frees every child; an unloadable element becomes not loaded.
    void Clear();
    int Count() const { return static_cast<int>(items_.size()); }
    TrpXMLItem* Items(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    // A new last child.
    TrpXMLItem* Add();
    // The element becomes the last child, leaving its former parent.
    void AddItem(TrpXMLItem* item);
    void InsertItem(int index, TrpXMLItem* item);
    // The first child of the name (without regard to case), else -1.
    int Find(std::string_view name) const;
    // That child, or a new one of the name added at the end.
    TrpXMLItem* FindItem(std::string_view name);
    int IndexOf(const TrpXMLItem* item) const;

    // One attribute by name (without regard to case), unescaped; empty when absent.
    std::string Prop(std::string_view name) const;
    // Replaces the attribute in place, or appends it.
    void SetProp(std::string_view name, std::string_view value);

    TrpXMLItem* Parent() const { return parent_; }

    void* Data = nullptr;
    std::int64_t Offset = 0;
    bool Loaded = true;
    bool Unloadable = false;
    std::string Name;
    std::string Text;
    std::string Value;

private:
    void Detach();
    // The start of ` name="` in Text, or npos.
    std::size_t FindAttribute(std::string_view name) const;

    TrpXMLItem* parent_ = nullptr;
    std::vector<TrpXMLItem*> items_;
};
