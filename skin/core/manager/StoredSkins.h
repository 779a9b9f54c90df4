#pragma once
// Skins that travel inside the program: each a name and a packed skin.

#include "ui/core/MemoryStream.h"

#include <memory>
#include <string>
#include <vector>

class TSkStoredSkin {
public:
    std::string Name;
    // The packed skin, in the package layout.
    TMemoryStream& Data() { return data_; }
    void SetData(const std::string& bytes);

private:
    TMemoryStream data_;
};

class TSkStoredSkins {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    TSkStoredSkin& Items(int index) { return *items_.at(static_cast<std::size_t>(index)); }
    TSkStoredSkin& Add();
    // The first item whose name equals `name` exactly; -1 when none.
    int IndexOf(const std::string& name) const;

private:
    std::vector<std::unique_ptr<TSkStoredSkin>> items_;
};
