#include "ui/core/Component.h"

#include "ui/core/Exceptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records what it is told, and forgets a watched component when it goes.
class Watcher : public TComponent {
public:
    using TComponent::TComponent;
    TComponent* watched = nullptr;
    std::vector<std::string> log;

    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        log.push_back((operation == TOperation::opInsert ? "insert " : "remove ") + component->Name());
        if (operation == TOperation::opRemove && component == watched) watched = nullptr;
    }
};

TComponent* Named(TComponent* owner, const std::string& name) {
    auto* c = new TComponent(owner);
    c->SetName(name);
    return c;
}

}  // namespace

TEST(Component, OwnerFreesOwnedComponentsAndTellsTheRest) {
    int freed = 0;
    struct Counted : TComponent {
        Counted(TComponent* owner, int& freed) : TComponent(owner), freed(freed) {}
        ~Counted() override { ++freed; }
        int& freed;
    };
    {
        TComponent owner(nullptr);
        auto* a = new Counted(&owner, freed);
        new Counted(a, freed);  // owned by a, freed with it
        new Counted(&owner, freed);
        EXPECT_EQ(owner.ComponentCount(), 2);
        EXPECT_EQ(a->Owner(), &owner);
        EXPECT_EQ(a->ComponentIndex(), 0);
        delete a;  // leaves its owner's list
        EXPECT_EQ(freed, 2);
        EXPECT_EQ(owner.ComponentCount(), 1);
    }
    EXPECT_EQ(freed, 3);
}

TEST(Component, SiblingsHearOfInsertAndRemove) {
    TComponent owner(nullptr);
    auto* watcher = new Watcher(&owner);
    watcher->SetName("W");
    auto* b = new TComponent(&owner);
    // Told before it is named; the watcher itself was still being made when
    // its own insertion was told, so it only hears of B.
    EXPECT_EQ(watcher->log, (std::vector<std::string>{"insert "}));
    b->SetName("B");
    delete b;
    EXPECT_EQ(watcher->log.back(), "remove B");
}

TEST(Component, FreeNotificationReachesComponentsOfOtherOwners) {
    TComponent formA(nullptr), formB(nullptr);
    auto* watcher = new Watcher(&formA);
    TComponent* target = Named(&formB, "Target");
    watcher->watched = target;
    target->FreeNotification(watcher);
    delete target;
    EXPECT_EQ(watcher->watched, nullptr);

    // After RemoveFreeNotification nothing more is told.
    TComponent* other = Named(&formB, "Other");
    other->FreeNotification(watcher);
    other->RemoveFreeNotification(watcher);
    watcher->log.clear();
    delete other;
    EXPECT_TRUE(watcher->log.empty());
}

TEST(Component, WatcherFreedFirstIsForgottenByTheWatched) {
    TComponent formA(nullptr), formB(nullptr);
    auto* gone = new Watcher(&formA);
    auto* stays = new Watcher(&formA);
    TComponent* target = Named(&formB, "Target");
    stays->watched = target;
    target->FreeNotification(gone);
    target->FreeNotification(stays);
    delete gone;
    delete target;  // tells only the watcher that is still there
    EXPECT_EQ(stays->watched, nullptr);
}

TEST(Component, NamesAreIdentifiersUniqueWithinTheOwner) {
    TComponent owner(nullptr);
    TComponent* a = Named(&owner, "Button1");
    EXPECT_EQ(owner.FindComponent("BUTTON1"), a);
    EXPECT_EQ(owner.FindComponent("Button2"), nullptr);
    auto* second = new TComponent(&owner);
    EXPECT_THROW(second->SetName("button1"), EComponentError);
    EXPECT_EQ(second->Name(), "");
    for (const char* bad : {"1st", "a b", "a-b", "Кнопка"}) EXPECT_THROW(a->SetName(bad), EComponentError) << bad;
    a->SetName("BUTTON1");  // its own name in another case
    EXPECT_EQ(a->Name(), "BUTTON1");
    a->SetName("");
    EXPECT_EQ(owner.FindComponent(""), nullptr);
    TComponent* b = Named(&owner, "_x9");
    EXPECT_EQ(owner.FindComponent("_X9"), b);
}

TEST(Component, ComponentIndexMovesWithinTheOwner) {
    TComponent owner(nullptr);
    TComponent* a = Named(&owner, "A");
    TComponent* b = Named(&owner, "B");
    TComponent* c = Named(&owner, "C");
    c->SetComponentIndex(0);
    EXPECT_EQ(owner.Components(0), c);
    EXPECT_EQ(owner.Components(1), a);
    EXPECT_EQ(owner.Components(2), b);
    EXPECT_THROW(owner.Components(3), EListError);
}

TEST(Component, DestroyingMarksOwnedComponents) {
    TComponent owner(nullptr);
    TComponent* a = Named(&owner, "A");
    owner.Destroying();
    EXPECT_TRUE(a->IsDestroying());
}
