#include "script/members/LiveObjects.h"

#include "ui/core/Component.h"

#include <unordered_set>

namespace {

std::unordered_set<const TObject*>& Live() {
    static std::unordered_set<const TObject*> objects;
    return objects;
}

// Asks every remembered component to tell it of its freeing.
class TLiveObjectWatcher : public TComponent {
public:
    TLiveObjectWatcher() : TComponent(nullptr) {}
    ~TLiveObjectWatcher() override { watching_ = false; }
    void Watch(TComponent& component) {
        if (watching_) component.FreeNotification(this);
    }

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove) Live().erase(component);
    }

private:
    bool watching_ = true;
};

TLiveObjectWatcher& Watcher() {
    static TLiveObjectWatcher watcher;
    return watcher;
}

}  // namespace

void RememberLiveObject(TObject* object) {
    if (!object || !Live().insert(object).second) return;
    if (auto* component = dynamic_cast<TComponent*>(object)) Watcher().Watch(*component);
}

void ForgetLiveObject(const TObject* object) { Live().erase(object); }

bool IsLiveObject(const TObject* object) { return Live().count(object) != 0; }
