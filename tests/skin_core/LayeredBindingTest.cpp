#include "skin/core/layered/LayeredBinding.h"

#include "skin/core/manager/SkinManager.h"

#include "platform/window/SystemMetrics.h"

#include <gtest/gtest.h>

namespace {

// Puts the real binding back whatever a test replaced.
class LayeredBinding : public ::testing::Test {
protected:
    LayeredBinding() : saved_(skin_testing::ReplaceLayeredEntryPoints(LayeredEntryPoints())) {}
    ~LayeredBinding() override { skin_testing::ReplaceLayeredEntryPoints(saved_); }
    TSkLayeredEntryPoints saved_;
};

TEST_F(LayeredBinding, BindsTheWindowSystemsFunctions) {
    EXPECT_TRUE(LayeredWindowsAvailable());
    EXPECT_EQ(LayeredEntryPoints().UpdateLayeredWindow, &platform::UpdateLayeredWindow);
    EXPECT_EQ(LayeredEntryPoints().SetLayeredWindowAttributes, &platform::SetLayeredWindowAttributes);
    EXPECT_EQ(SmallCheckSize().Width, platform::GetSystemMetrics(platform::SM_CXMENUCHECK));
    EXPECT_GT(SmallCheckSize().Height, 0);
}

TEST_F(LayeredBinding, StartingAgainKeepsTheFirstBindingAndOnlyTheLastStopLetsGo) {
    const int before = DrawingUnitStarts();
    skin_testing::ReplaceLayeredEntryPoints({nullptr, &platform::SetLayeredWindowAttributes});
    StartDrawingUnit();
    EXPECT_EQ(DrawingUnitStarts(), before + 1);
    EXPECT_EQ(LayeredEntryPoints().UpdateLayeredWindow, nullptr) << "bound a second time";
    StopDrawingUnit();
    EXPECT_EQ(DrawingUnitStarts(), before);
    EXPECT_EQ(LayeredEntryPoints().SetLayeredWindowAttributes, &platform::SetLayeredWindowAttributes);
}

TEST_F(LayeredBinding, WithoutUpdateLayeredWindowGlowingIsNotAllowedEvenWhenSwitchedOn) {
    TSkinManager manager(nullptr);
    manager.Effects().Manager = &manager;
    manager.Effects().SetAllowGlowing(true);
    ASSERT_TRUE(manager.Effects().AllowGlowing());
    skin_testing::ReplaceLayeredEntryPoints({nullptr, nullptr});
    EXPECT_FALSE(LayeredWindowsAvailable());
    EXPECT_FALSE(manager.Effects().AllowGlowing());
    manager.Effects().SetAllowGlowing(false);
    skin_testing::ReplaceLayeredEntryPoints(saved_);
    EXPECT_FALSE(manager.Effects().AllowGlowing());
}

}  // namespace
