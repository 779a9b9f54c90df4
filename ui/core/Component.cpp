#include "ui/core/Component.h"

#include "ui/core/Exceptions.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/Reader.h"
#include "ui/core/TextCase.h"
#include "ui/core/Writer.h"

#include <algorithm>

bool IsValidIdent(std::string_view text) {
    if (text.empty()) return false;
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    if (!letter(text[0])) return false;
    return std::all_of(text.begin(), text.end(), [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

const TClassInfo& TComponent::StaticClass() {
    static const TClassInfo info = TPublished<TComponent>("TComponent", TPersistent::StaticClass())
        .String("Name", &TComponent::Name, &TComponent::SetName)
        .Stored([](const TComponent&) { return false; })  // written as the component's own name
        .Integer("Tag", &TComponent::Tag, &TComponent::SetTag, 0)
        .Build();
    return info;
}

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    Destroying();
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        std::erase(other->freeNotifies_, this);
        other->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

void TComponent::SetName(const std::string& name) {
    if (name == name_) return;
    if (!name.empty() && !IsValidIdent(name)) throw EComponentError("'" + name + "' is not a valid component name");
    if (owner_) owner_->ValidateRename(this, name_, name);
    name_ = name;
}

void TComponent::ValidateRename(TComponent* component, std::string_view oldName, std::string_view newName) const {
    if (newName.empty() || AnsiSameText(oldName, newName)) return;
    TComponent* found = FindComponent(newName);
    if (found && found != component)
        throw EComponentError("A component named " + std::string(newName) + " already exists");
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return components_[static_cast<std::size_t>(index)];
}

int TComponent::ComponentIndex() const {
    if (!owner_) return -1;
    auto& list = owner_->components_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TComponent::SetComponentIndex(int index) {
    if (!owner_) return;
    auto& list = owner_->components_;
    int count = static_cast<int>(list.size());
    index = std::clamp(index, 0, count - 1);
    int current = ComponentIndex();
    list.erase(list.begin() + current);
    list.insert(list.begin() + index, this);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : components_)
        if (AnsiSameText(c->name_, name)) return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (component->owner_) component->owner_->RemoveComponent(component);
    ValidateRename(component, "", component->name_);
    Insert(component);
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    Notification(component, TOperation::opRemove);
    Remove(component);
}

void TComponent::Insert(TComponent* component) {
    components_.push_back(component);
    component->owner_ = this;
}

void TComponent::Remove(TComponent* component) {
    std::erase(components_, component);
    component->owner_ = nullptr;
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* last = components_.back();
        Remove(last);
        delete last;
    }
}

void TComponent::Destroying() {
    if (IsDestroying()) return;
    state_.Include(TComponentStateItem::csDestroying);
    for (TComponent* c : components_) c->Destroying();
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
        freeNotifies_.push_back(component);
    if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
        component->freeNotifies_.end())
        component->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component) return;
    RemoveNotification(component);
    component->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* component) { std::erase(freeNotifies_, component); }

void TComponent::SetComponentStateItem(TComponentStateItem item, bool on) {
    if (on) state_.Include(item);
    else state_.Exclude(item);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == TOperation::opRemove && component) RemoveFreeNotification(component);
    // A copy: a notified component may free or add components.
    std::vector<TComponent*> owned = components_;
    for (TComponent* c : owned)
        if (std::find(components_.begin(), components_.end(), c) != components_.end())
            c->Notification(component, operation);
}

void TComponent::GetChildren(const std::function<void(TComponent*)>&, TComponent*) {}

void TComponent::ReadState(TReader& reader) { reader.ReadData(this); }

void TComponent::WriteState(TWriter& writer) { writer.WriteData(this); }

void TComponent::Loaded() { state_.Exclude(TComponentStateItem::csLoading); }
