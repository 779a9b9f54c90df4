#include "SkinnedTestWindows.h"

#include "skin/core/animation/CoverWindows.h"
#include "skin/core/broadcast/SkinnedForms.h"
#include "skin/core/ctrlutils/ControlUtilities.h"
#include "skin/core/manager/SkinManager.h"

#include "ui/core/Exceptions.h"
#include "ui/forms/Application.h"

#include "platform/display/Display.h"
#include "platform/display/DisplayTesting.h"
#include "platform/window/Painting.h"
#include "platform/window/Placement.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A skinned form holding an unskinned panel, in it a skinned panel and a
// graphic control, and in the skinned panel one more panel.
class SkinBroadcast : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    SkinBroadcast() {
        form->Manager = &manager;
        form->SetBounds(40, 40, 300, 200);
        outer->SetParent(form.get());
        outer->SetBounds(10, 10, 200, 150);
        inner->SetParent(outer);
        inner->SetBounds(5, 5, 120, 90);
        innermost->SetParent(inner);
        innermost->SetBounds(5, 5, 40, 30);
        graphic->SetParent(outer);
        graphic->SetBounds(130, 5, 20, 20);
        form->Show();
        AddSkinnedForm(form.get());
        platform::testing::PumpMessages();
    }
    ~SkinBroadcast() override {
        ClearSkinnedForms();
        SkinChangeAnimating = false;
    }
    // Every window of the form paints once more after an invalidation.
    void ExpectAllRepaint() {
        for (TReceived* r : {&form->got, &outer->got, &inner->got, &innermost->got}) r->paints = 0;
        platform::RedrawWindow(form->Handle(), nullptr, nullptr,
                               platform::RDW_INVALIDATE | platform::RDW_ALLCHILDREN | platform::RDW_ERASE);
        platform::testing::PumpMessages();
        EXPECT_TRUE(platform::IsWindowVisible(form->Handle()));
        EXPECT_GE(form->got.paints, 1);
        EXPECT_GE(outer->got.paints, 1);
        EXPECT_GE(inner->got.paints, 1);
        EXPECT_GE(innermost->got.paints, 1);
    }

    TSkinManager manager{nullptr};
    std::unique_ptr<TSkinnedTestForm> form = std::make_unique<TSkinnedTestForm>(Application);
    TRecordingPanel* outer = new TRecordingPanel(form.get(), false);
    TRecordingPanel* inner = new TRecordingPanel(form.get(), true);
    TRecordingPanel* innermost = new TRecordingPanel(form.get(), false);
    TRecordingGraphic* graphic = new TRecordingGraphic(form.get());
};

TEST_F(SkinBroadcast, ReachesEveryFormOnceAndSkinnedControlsByTheirWindow) {
    TForm plain(Application);
    auto* plainChild = new TRecordingGraphic(&plain);
    plainChild->SetParent(&plain);
    plain.HandleNeeded();
    TMessage message{SkinCommandMsg, MakeSkinWParam(ScNewSkin), reinterpret_cast<platform::LPARAM>(&manager), 0};
    SendToAllForms(message);
    EXPECT_EQ(form->got.Count(ScNewSkin), 1) << "a skinned form is reached through the list only";
    EXPECT_EQ(inner->got.Count(ScNewSkin), 1);
    EXPECT_EQ(graphic->got.Count(ScNewSkin), 1);
    EXPECT_EQ(plainChild->got.Count(ScNewSkin), 1);
    // An unskinned windowed control passes the message to its children only;
    // a skinned one takes it for its own children.
    EXPECT_EQ(outer->got.Count(ScNewSkin), 0);
    EXPECT_EQ(innermost->got.Count(ScNewSkin), 0);
}

TEST_F(SkinBroadcast, RemovalMovesTheLastFormIntoThePlace) {
    TSkinnedTestForm second(nullptr), third(nullptr);
    AddSkinnedForm(&second);
    AddSkinnedForm(&third);
    RemoveSkinnedForm(form.get());
    EXPECT_EQ(SkinnedForms(), (std::vector<TCustomForm*>{&third, &second}));
    RemoveSkinnedForm(form.get());
    EXPECT_EQ(SkinnedForms().size(), 2u);
}

struct BracketCase {
    const char* name;
    bool animate;
    bool throwInside;
};

class FreezeBracket : public SkinBroadcast, public ::testing::WithParamInterface<BracketCase> {};

TEST_P(FreezeBracket, EveryFrozenFormPaintsAgainAfterTheChange) {
    const BracketCase& c = GetParam();
    manager.AnimEffects().SkinChanging()->Time = 24;
    int pauses = 0;
    TAnimationPause old = SetAnimationPause([&](unsigned) { ++pauses; });
    try {
        TSkFreezeScope frozen(manager, c.animate);
        EXPECT_TRUE(form->Frozen);
        EXPECT_TRUE(SkinChangeAnimating);
        EXPECT_FALSE(platform::IsWindowVisible(form->Handle())) << "frozen forms do not paint";
        form->got.paints = 0;
        platform::InvalidateRect(form->Handle(), nullptr, 1);
        platform::testing::PumpMessages();
        EXPECT_EQ(form->got.paints, 0);
        TMessage message{SkinCommandMsg, MakeSkinWParam(ScNewSkin), reinterpret_cast<platform::LPARAM>(&manager), 0};
        SendToAllForms(message);
        if (c.throwInside) throw Exception("Скин не прочитан");
    } catch (const Exception&) {
    }
    SetAnimationPause(std::move(old));
    EXPECT_FALSE(form->Frozen) << c.name;
    EXPECT_FALSE(form->InAnimation);
    EXPECT_FALSE(SkinChangeAnimating);
    EXPECT_EQ(inner->got.Count(ScNewSkin), 1);
    // Animated only when asked for and nothing went wrong: 2 steps, 3 passes.
    EXPECT_EQ(pauses, c.animate && !c.throwInside ? 3 : 0) << c.name;
    ExpectAllRepaint();
}

INSTANTIATE_TEST_SUITE_P(Cases, FreezeBracket,
                         ::testing::Values(BracketCase{"plain", false, false},
                                           BracketCase{"animated", true, false},
                                           BracketCase{"failed load", true, true}));

TEST_F(SkinBroadcast, AMinimizedFormIsUnfrozenWithoutAnimation) {
    manager.AnimEffects().SkinChanging()->Time = 120;
    int pauses = 0;
    TAnimationPause old = SetAnimationPause([&](unsigned) { ++pauses; });
    FreezeForms(manager);
    ASSERT_TRUE(form->Frozen);
    form->SetWindowState(TWindowState::wsMinimized);
    UnfreezeForms(manager, true);
    SetAnimationPause(std::move(old));
    EXPECT_FALSE(form->Frozen);
    EXPECT_EQ(pauses, 0);
    form->SetWindowState(TWindowState::wsNormal);
    ExpectAllRepaint();
}

TEST_F(SkinBroadcast, AFormLeavingTheListWhileFrozenPaintsAgain) {
    FreezeForms(manager);
    ASSERT_FALSE(platform::IsWindowVisible(form->Handle()));
    RemoveSkinnedForm(form.get());
    EXPECT_FALSE(form->Frozen);
    ExpectAllRepaint();
}

TEST_F(SkinBroadcast, FormsOfAnotherManagerStayAsTheyAre) {
    TSkinManager other(nullptr);
    FreezeForms(other);
    EXPECT_FALSE(form->Frozen);
    EXPECT_TRUE(platform::IsWindowVisible(form->Handle()));
}

}  // namespace
