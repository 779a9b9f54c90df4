#pragma once
// The ordered chunks of one picture. The list owns its chunks: clearing or
// destroying it frees them.

#include "png/chunks/PngChunk.h"

#include <memory>
#include <vector>

class TPNGList {
public:
    std::size_t Count() const { return items_.size(); }
    void Add(std::unique_ptr<TChunk> chunk) { items_.push_back(std::move(chunk)); }
    // The chunk at index, or none outside 0 ... Count() - 1.
    TChunk* Item(std::size_t index) const { return index < items_.size() ? items_[index].get() : nullptr; }
    // Replaces the chunk at index (freeing the old one); ignored outside the list.
    void SetItem(std::size_t index, std::unique_ptr<TChunk> chunk);
    // Takes the chunk out at its last position and hands it back; none when absent.
    std::unique_ptr<TChunk> RemoveItem(const TChunk* chunk);
    void Clear() { items_.clear(); }

    // The first chunk of class T or of a class derived from it.
    template <class T>
    T* FindChunkOfClass() const {
        for (const auto& item : items_)
            if (auto* chunk = dynamic_cast<T*>(item.get())) return chunk;
        return nullptr;
    }

private:
    std::vector<std::unique_ptr<TChunk>> items_;
};
