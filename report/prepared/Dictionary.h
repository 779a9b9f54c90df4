#pragma once
// Short names of the objects on prepared pages ("m1", "b3"...), each with
// the source name ("Page0.Memo1") and the source object it stands for.

#include <map>
#include <string>
#include <vector>

class TrpComponent;

class TrpDictionary {
public:
    void Add(const std::string& name, const std::string& sourceName, TrpComponent* object);
    // prefix + the first free number found from 10000 down by halving, then up: "m1" for a new prefix.
    std::string AddUnique(const std::string& prefix, const std::string& sourceName, TrpComponent* object);
    bool Contains(const std::string& name) const { return entries_.count(name) != 0; }
    // None for a missing name.
    TrpComponent* ObjectOf(const std::string& name) const;
    // Empty for a missing name.
    std::string SourceNameOf(const std::string& name) const;
    // In sorted order.
    std::vector<std::string> Names() const;
    void Clear() { entries_.clear(); }

private:
    struct Entry {
        std::string sourceName;
        TrpComponent* object;
    };
    std::map<std::string, Entry> entries_;
};
