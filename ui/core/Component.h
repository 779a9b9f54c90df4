#pragma once
// Components: owned by an owner component that frees them with itself,
// named uniquely among their owner's components, and told when a component
// they refer to goes away.

#include "ui/core/Persistent.h"
#include "ui/core/Set.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TReader;
class TWriter;

enum class TComponentStateItem { csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor, csUpdating, csFixups };
using TComponentState = TSet<TComponentStateItem>;

enum class TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
    DECLARE_CLASS_INFO
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    // Raises EComponentError for a name that is not an identifier or that
    // another component of the same owner has (compared without regard to case).
    virtual void SetName(const std::string& name);
    std::intptr_t Tag() const { return tag_; }
    void SetTag(std::intptr_t tag) { tag_ = tag; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    // Raises EListError for an index out of range.
    TComponent* Components(int index) const;
    // The position among the owner's components, -1 without owner.
    int ComponentIndex() const;
    void SetComponentIndex(int index);
    // Nothing when no owned component has the name (compared without regard to case).
    TComponent* FindComponent(std::string_view name) const;

    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    // Frees every owned component, the last first.
    void DestroyComponents();
    // Marks the component as being destroyed, and its owned components too.
    void Destroying();

    // Both components learn when the other is freed.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    TComponentState ComponentState() const { return state_; }
    void SetComponentStateItem(TComponentStateItem item, bool on);
    bool IsLoading() const { return state_.Contains(TComponentStateItem::csLoading); }
    bool IsDestroying() const { return state_.Contains(TComponentStateItem::csDestroying); }

    // Streaming: the components stored inside this one, and the parent a
    // read child is placed in.
    virtual void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root);
    virtual TComponent* GetChildOwner() { return nullptr; }
    virtual TComponent* GetChildParent() { return this; }
    virtual bool HasParent() const { return false; }
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent*) {}
    virtual void ReadState(TReader& reader);
    virtual void WriteState(TWriter& writer);
    // After reading: every read component in turn, once all are read.
    virtual void Loaded();

    TPersistent* GetOwner() const override { return owner_; }
    std::string GetNamePath() const override { return name_; }

    // Told of components inserted into or removed from the owner, and of the
    // freeing of components that asked FreeNotification; forwards to the
    // owned components.
    virtual void Notification(TComponent* component, TOperation operation);

private:
    void ValidateRename(TComponent* component, std::string_view oldName, std::string_view newName) const;
    void Insert(TComponent* component);
    void Remove(TComponent* component);
    void RemoveNotification(TComponent* component);

    TComponent* owner_ = nullptr;
    std::string name_;
    std::intptr_t tag_ = 0;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    TComponentState state_;
};

// Letters, digits and '_', not starting with a digit.
bool IsValidIdent(std::string_view text);
