#include "EffectsSkinFixture.h"

#include "skin/core/effects/GlowEffects.h"
#include "skin/core/layered/LayeredBinding.h"

#include "ui/forms/Form.h"

#include "platform/display/Display.h"
#include "platform/display/DisplayTesting.h"
#include "platform/window/LayeredWindows.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/NonClient.h"
#include "platform/window/Placement.h"
#include "platform/window/WindowStyles.h"
#include "platform/window/WindowTree.h"

#include <gtest/gtest.h>

namespace {

class GlowWindows : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    GlowWindows() {
        owner.SetBounds(150, 100, 300, 200);
        owner.Show();
    }
    ~GlowWindows() override { FreeAllGlowEffects(true); }
    int Create(const TRect& visible, const char* mask = "GLOW") {
        return CreateGlowEffect(control, visible, "BUTTON", &manager, owner.Handle(), 4, mask);
    }
    platform::HWND GlowWindow(int index) { return Glows()[std::size_t(index)]->GlowForm()->Handle(); }
    static const std::vector<std::unique_ptr<TxGlowEffect>>& Glows() { return ::GlowEffects(); }

    TSkinManager manager{nullptr};
    TEffectsSkin skin{manager};
    TForm owner{nullptr};
    const TRect control{200, 150, 300, 180};  // 100 x 30 on the screen
};

TEST_F(GlowWindows, SurroundsTheControlWithTheSkinsImageAndLetsTheMousePass) {
    ASSERT_EQ(skin.errors, "");
    const int index = Create(control);
    ASSERT_EQ(index, 0);
    const platform::HWND glow = GlowWindow(index);
    platform::RECT r{};
    platform::GetWindowRect(glow, &r);
    EXPECT_EQ(TRect(r), TRect(194, 144, 194 + 112, 144 + 42));
    EXPECT_EQ(platform::GetWindowLong(glow, platform::GWL_EXSTYLE) & 0x080800A0, 0x080800A0);
    EXPECT_TRUE(platform::IsWindowVisible(glow));
    EXPECT_EQ(platform::GetWindow(owner.Handle(), platform::GW_HWNDPREV), glow) << "just above its owner";
    auto picture = platform::ComposedPicture(glow);
    ASSERT_TRUE(picture);
    // The halo lies in the borders; the centre, where the control is, stays clear.
    for (auto [x, y] : {std::pair{0, 0}, std::pair{111, 41}, std::pair{56, 2}, std::pair{3, 21}}) {
        const platform::Pixel p = picture->Get(x, y);
        EXPECT_EQ(p >> 24, kGlowAlpha) << x << "," << y;
        EXPECT_NEAR(static_cast<int>((p >> 8) & 0xFF), static_cast<int>(kGlowAlpha), 1) << "premultiplied green";
        EXPECT_EQ(p & 0xFF00FF, 0u);
    }
    EXPECT_EQ(picture->Get(56, 21), 0u);
    EXPECT_EQ(platform::SendMessage(glow, platform::WM_NCHITTEST, 0, 0), platform::HTTRANSPARENT);
}

TEST_F(GlowWindows, CropsToTheVisiblePartOfTheControl) {
    const int index = Create(TRect(20, 0, 100, 30));
    ASSERT_GE(index, 0);
    platform::RECT r{};
    platform::GetWindowRect(GlowWindow(index), &r);
    // Left crop 10 + 20 - 4 = 26.
    EXPECT_EQ(TRect(r), TRect(220, 144, 220 + 86, 144 + 42));
}

TEST_F(GlowWindows, NoGlowWithoutItsImageOrWithoutLayeredWindows) {
    EXPECT_EQ(Create(control, "NOSUCH"), -1);
    const TSkLayeredEntryPoints saved = skin_testing::ReplaceLayeredEntryPoints({});
    EXPECT_EQ(Create(control), -1);
    skin_testing::ReplaceLayeredEntryPoints(saved);
    EXPECT_TRUE(Glows().empty());
}

TEST_F(GlowWindows, IndexesStayWhileGlowsLiveAndFreeingTwiceDoesNothing) {
    int a = Create(control), b = Create(control);
    ASSERT_EQ(a, 0);
    ASSERT_EQ(b, 1);
    const platform::HWND second = GlowWindow(b);
    FreeGlowEffect(a);
    EXPECT_EQ(a, -1);
    int again = 0;
    FreeGlowEffect(again);  // the first glow's old index: already freed
    EXPECT_EQ(again, 0);
    FreeGlowEffect(a);
    EXPECT_EQ(Create(control), 2) << "new glows go to the end";
    EXPECT_TRUE(platform::IsWindow(second));
    int outside = 7;
    FreeGlowEffect(outside);
    EXPECT_EQ(outside, 7);
    FreeAllGlowEffects(true);
    EXPECT_TRUE(Glows().empty());
    EXPECT_FALSE(platform::IsWindow(second));
}

}  // namespace
