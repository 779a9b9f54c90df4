#include "png/chunks/PngChunkList.h"

void TPNGList::SetItem(std::size_t index, std::unique_ptr<TChunk> chunk) {
    if (index < items_.size()) items_[index] = std::move(chunk);
}

std::unique_ptr<TChunk> TPNGList::RemoveItem(const TChunk* chunk) {
    for (std::size_t i = items_.size(); i-- > 0;) {
        if (items_[i].get() != chunk) continue;
        std::unique_ptr<TChunk> taken = std::move(items_[i]);
        items_.erase(items_.begin() + std::ptrdiff_t(i));
        return taken;
    }
    return nullptr;
}
