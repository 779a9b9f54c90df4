#include "script/component/Script.h"

#include "script/statements/Statement.h"
#include "ui/core/TextCase.h"

#include <algorithm>

TscScript::TscScript(TComponent* owner)
    : TComponent(owner), root_(std::make_unique<TscStatement>(*this, std::string(), std::string())) {}

TscScript::~TscScript() {
    root_->Clear();
    // The newest entries first: later entries may refer to earlier ones.
    while (!items_.empty()) items_.pop_back();
}

std::vector<TscScript::Item>::const_iterator TscScript::FirstOf(const std::string& key) const {
    return std::lower_bound(items_.begin(), items_.end(), key,
                            [](const Item& item, const std::string& wanted) { return item.key < wanted; });
}

void TscScript::Insert(const std::string& name, TObject* entry, std::unique_ptr<TObject> owned) {
    if (auto* variable = dynamic_cast<TscCustomVariable*>(entry)) variable->OwnerMarker = OwnerMarker;
    std::string key = AnsiUpperCase(name);
    const auto at = FirstOf(key);
    items_.insert(at, Item{std::move(key), name, entry, std::move(owned)});
}

void TscScript::Add(const std::string& name, std::unique_ptr<TObject> entry) {
    TObject* raw = entry.get();
    Insert(name, raw, std::move(entry));
}

void TscScript::AddUnowned(const std::string& name, TObject& entry) { Insert(name, &entry, nullptr); }

std::unique_ptr<TObject> TscScript::Remove(const TObject* entry) {
    const auto found = std::find_if(items_.begin(), items_.end(), [&](const Item& item) { return item.entry == entry; });
    if (found == items_.end()) return nullptr;
    std::unique_ptr<TObject> owned = std::move(found->owned);
    items_.erase(found);
    return owned;
}

TscCustomVariable* TscScript::FindLocal(const std::string& name) const {
    const std::string key = AnsiUpperCase(name);
    const auto found = FirstOf(key);
    if (found == items_.end() || found->key != key) return nullptr;
    return dynamic_cast<TscCustomVariable*>(found->entry);
}

TscCustomVariable* TscScript::Find(const std::string& name) const {
    for (const TscScript* script = this; script; script = script->Parent)
        if (TscCustomVariable* entry = script->FindLocal(name)) return entry;
    return nullptr;
}

TscVarType TscScript::TypeCodeOf(const std::string& typeName) const {
    const TscCustomVariable* entry = Find(typeName);
    return entry ? entry->Type : fvtClass;
}

TscScript& TscScript::MainProgram() {
    for (TscScript* script = this; script; script = script->Parent)
        if (script->IsMainProgram) return *script;
    return *this;
}

void TscScript::ClearProgram() {
    root_->Clear();
    unitLines_.clear();
}

void TscScript::FreeWhere(const std::function<bool(const TObject&)>& condition) {
    for (std::size_t i = items_.size(); i-- > 0;) {
        if (!condition(*items_[i].entry)) continue;
        std::unique_ptr<TObject> owned = std::move(items_[i].owned);
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
        owned.reset();
    }
}

void TscScript::Clear() {
    // The program's statements refer to entries: they go first.
    ClearProgram();
    FreeWhere([](const TObject& entry) {
        const auto* variable = dynamic_cast<const TscCustomVariable*>(&entry);
        return variable && variable->OwnerMarker != kRTTIOwner;
    });
    compileTarget_.ErrorMessage.clear();
    compileTarget_.ErrorPosition.clear();
    compileTarget_.ErrorUnit.clear();
}

void TscScript::ClearItems(TscOwnerMarker owner) {
    ClearProgram();
    FreeWhere([owner](const TObject& entry) {
        const auto* variable = dynamic_cast<const TscCustomVariable*>(&entry);
        return variable && variable->OwnerMarker == owner;
    });
}

void TscScript::DetachRTTI() {
    if (!RTTIAttached) return;
    ClearProgram();
    FreeWhere([](const TObject& entry) {
        const auto* variable = dynamic_cast<const TscCustomVariable*>(&entry);
        return !variable || variable->OwnerMarker == kRTTIOwner;
    });
    RTTIAttached = false;
}
