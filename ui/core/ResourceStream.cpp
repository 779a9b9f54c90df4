#include "ui/core/ResourceStream.h"

#include "ui/core/TextCase.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace {

struct Registry {
    std::mutex lock;
    std::vector<std::span<const TResourceEntry>> tables;
};

Registry& Tables() {
    static Registry registry;
    return registry;
}

}  // namespace

void RegisterResources(std::span<const TResourceEntry> entries) {
    auto& registry = Tables();
    std::lock_guard guard(registry.lock);
    bool known = std::any_of(registry.tables.begin(), registry.tables.end(),
                             [&](const auto& table) { return table.data() == entries.data(); });
    if (!known) registry.tables.push_back(entries);
}

const TResourceEntry* FindResourceEntry(std::string_view name, std::string_view type) {
    auto& registry = Tables();
    std::lock_guard guard(registry.lock);
    for (const auto& table : registry.tables)
        for (const auto& entry : table)
            if (AnsiSameText(entry.name, name) && AnsiSameText(entry.type, type)) return &entry;
    return nullptr;
}

TResourceStream::TResourceStream(std::string_view name, std::string_view type) {
    const TResourceEntry* entry = FindResourceEntry(name, type);
    if (!entry) throw EResNotFound("Resource " + std::string(name) + " not found");
    WriteBuffer(entry->bytes.data(), static_cast<std::int64_t>(entry->bytes.size()));
    SetPosition(0);
}
