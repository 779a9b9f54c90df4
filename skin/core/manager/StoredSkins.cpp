#include "skin/core/manager/StoredSkins.h"

void TSkStoredSkin::SetData(const std::string& bytes) {
    data_.Clear();
    data_.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    data_.SetPosition(0);
}

TSkStoredSkin& TSkStoredSkins::Add() { return *items_.emplace_back(std::make_unique<TSkStoredSkin>()); }

int TSkStoredSkins::IndexOf(const std::string& name) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i]->Name == name) return static_cast<int>(i);
    return -1;
}
