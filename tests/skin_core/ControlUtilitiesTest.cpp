#include "SkinnedTestWindows.h"

#include "skin/core/ctrlutils/ControlUtilities.h"

#include "ui/graphics/Colors.h"

#include "platform/display/Display.h"
#include "platform/display/DisplayTesting.h"
#include "platform/gdi/SystemColors.h"
#include "platform/window/Placement.h"

#include <gtest/gtest.h>

namespace {

class ControlUtilities : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    ControlUtilities() {
        form.SetBounds(0, 0, 300, 200);
        for (TControl* c : std::initializer_list<TControl*>{first, second, third}) c->SetParent(&form);
        first->SetAlign(TAlign::alTop);
        first->SetHeight(30);
        second->SetAlign(TAlign::alTop);
        second->SetHeight(20);
        third->SetAlign(TAlign::alTop);
        third->SetHeight(15);
        form.HandleNeeded();
    }
    TForm form{nullptr};
    TRecordingPanel* first = new TRecordingPanel(&form, true);
    TRecordingPanel* second = new TRecordingPanel(&form, false);
    TRecordingGraphic* third = new TRecordingGraphic(&form);
};

TEST_F(ControlUtilities, SkinCommandsReachWindowedAndGraphicControls) {
    EXPECT_EQ(SendSkinCommandNoParam(first, ScIsSkinned), 1);
    EXPECT_EQ(SendSkinCommandNoParam(second, ScIsSkinned), 0);
    EXPECT_TRUE(SkinCommandAnswered(first->Handle(), ScIsSkinned));
    EXPECT_FALSE(SkinCommandAnswered(second->Handle(), ScIsSkinned));
    SendSkinCommand(third, ScRefresh, 0);
    EXPECT_EQ(third->got.Count(ScRefresh), 1);
    EXPECT_EQ(SendSkinCommand(nullptr, ScIsSkinned, 0), 0);
}

TEST_F(ControlUtilities, ParentUpdatedGoesToShowingChildrenButNotDuringAnAnimation) {
    form.Show();
    AnimationRunning = true;
    NotifyChildrenParentUpdated(&form);
    AnimationRunning = false;
    EXPECT_EQ(first->got.Count(ScParentUpdated), 0);
    NotifyChildrenParentUpdated(&form);
    EXPECT_EQ(first->got.Count(ScParentUpdated), 1);
    EXPECT_EQ(second->got.Count(ScParentUpdated), 1);
    EXPECT_EQ(third->got.Count(ScParentUpdated), 0) << "graphic controls are skipped";
    NotifyChildWindowsParentUpdated(form.Handle());
    EXPECT_EQ(first->got.Count(ScParentUpdated), 2);
}

TEST_F(ControlUtilities, BroadcastStopsAtAChildBeingDestroyed) {
    second->SetComponentStateItem(TComponentStateItem::csDestroying, true);
    TMessage message{SkinCommandMsg, MakeSkinWParam(ScRefresh), 0, 0};
    BroadcastToChildren(&form, message);
    second->SetComponentStateItem(TComponentStateItem::csDestroying, false);
    EXPECT_EQ(first->got.Count(ScRefresh), 1);
    EXPECT_EQ(third->got.Count(ScRefresh), 0);
    BroadcastToChildWindows(form.Handle(), message);
    EXPECT_EQ(first->got.Count(ScRefresh), 2);
    EXPECT_EQ(second->got.Count(ScRefresh), 1);
}

TEST_F(ControlUtilities, SizesColoursOwnersAndAncestors) {
    struct SizeCase {
        TAlign align;
        bool graphic;
        int size;
    };
    for (const SizeCase& c : {SizeCase{TAlign::alTop, true, 65}, SizeCase{TAlign::alTop, false, 50},
                              SizeCase{TAlign::alClient, true, 0}, SizeCase{TAlign::alLeft, true, 0}})
        EXPECT_EQ(AlignedControlsSize(&form, c.align, c.graphic), c.size) << static_cast<int>(c.align);
    second->SetColor(clBtnFace);
    EXPECT_EQ(GetControlBgColor(second), platform::GetSysColor(platform::COLOR_BTNFACE));
    EXPECT_EQ(GetControlBgColor(nullptr), 0xFF00FFu);
    EXPECT_EQ(GetWindowBgColor(nullptr), 0xFF00FFu);
    EXPECT_EQ(GetOwnerForm(third), &form);
    EXPECT_EQ(TopParentWindow(first->Handle()), form.Handle());
    EXPECT_EQ(TopParentWindow(form.Handle()), form.Handle());
    EXPECT_TRUE(ControlIsReady(first));
    EXPECT_FALSE(ControlIsReady(&form)) << "no parent";
    EXPECT_FALSE(ControlIsReady(nullptr));
}

TEST_F(ControlUtilities, ClientRectInWindowCoordinates) {
    form.SetBorderStyle(TFormBorderStyle::bsSingle);
    platform::RECT client{};
    platform::GetClientRect(form.Handle(), &client);
    const TRect r = GetClientRectInWindow(form.Handle());
    EXPECT_EQ(r.Width(), client.right);
    EXPECT_GT(r.Top, 0) << "below the caption";
}

}  // namespace
