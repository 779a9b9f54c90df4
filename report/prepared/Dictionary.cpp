#include "report/prepared/Dictionary.h"

namespace {

constexpr int kFirstProbe = 10000;

}  // namespace

void TrpDictionary::Add(const std::string& name, const std::string& sourceName, TrpComponent* object) {
    entries_[name] = {sourceName, object};
}

std::string TrpDictionary::AddUnique(const std::string& prefix, const std::string& sourceName, TrpComponent* object) {
    // Halving first keeps the search short when many names of the prefix exist.
    int n = kFirstProbe;
    while (n > 1 && !Contains(prefix + std::to_string(n))) n /= 2;
    while (Contains(prefix + std::to_string(n))) ++n;
    std::string name = prefix + std::to_string(n);
    Add(name, sourceName, object);
    return name;
}

TrpComponent* TrpDictionary::ObjectOf(const std::string& name) const {
    auto it = entries_.find(name);
    return it == entries_.end() ? nullptr : it->second.object;
}

std::string TrpDictionary::SourceNameOf(const std::string& name) const {
    auto it = entries_.find(name);
    return it == entries_.end() ? std::string() : it->second.sourceName;
}

std::vector<std::string> TrpDictionary::Names() const {
    std::vector<std::string> names;
    names.reserve(entries_.size());
    for (const auto& [name, entry] : entries_) names.push_back(name);
    return names;
}
