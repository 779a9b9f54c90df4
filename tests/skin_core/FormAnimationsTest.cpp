#include "SkinnedTestWindows.h"

#include "skin/core/animation/CoverWindows.h"
#include "skin/core/animation/FormAnimations.h"
#include "skin/core/animation/SkinChangeFade.h"
#include "skin/core/ctrlutils/ControlUtilities.h"
#include "skin/core/layered/LayeredBinding.h"
#include "skin/core/manager/SkinManager.h"

#include "tests/skin_core/PixelFixtures.h"

#include "ui/forms/Application.h"

#include "platform/display/Display.h"
#include "platform/display/DisplayTesting.h"
#include "platform/system/Clock.h"
#include "platform/window/LayeredWindows.h"
#include "platform/window/Placement.h"
#include "platform/window/WindowStyles.h"
#include "platform/window/WindowTree.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kFormPixel = 0xFF2040A0u;

struct TCoverLook {
    std::uint32_t corner = 0;  // the cover's top-left pixel
    std::uint32_t centre = 0;
};

std::uint32_t AlphaOf(std::uint32_t pixel) { return pixel >> 24; }

class FormAnimations : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    FormAnimations() {
        form.Manager = &manager;
        form.SetBounds(100, 80, 160, 96);
        form.Show();
        platform::testing::PumpMessages();
    }
    ~FormAnimations() override { SetAnimationPause(std::move(oldPause)); }

    // What the cover above the form shows at each pause.
    void WatchCover() {
        oldPause = SetAnimationPause([this](unsigned ms) {
            EXPECT_EQ(ms, 12u);
            platform::HWND cover = platform::GetWindow(form.Handle(), platform::GW_HWNDPREV);
            ASSERT_TRUE(cover);
            ASSERT_TRUE(platform::GetWindowLong(cover, platform::GWL_EXSTYLE) & platform::WS_EX_LAYERED);
            auto picture = platform::ComposedPicture(cover);
            ASSERT_TRUE(picture);
            passes.push_back({picture->Get(0, 0), picture->Get(picture->Width() / 2, picture->Height() / 2)});
        });
    }

    TSkinManager manager{nullptr};
    TSkinnedTestForm form{nullptr, kFormPixel};
    std::vector<TCoverLook> passes;
    TAnimationPause oldPause;
};

TEST_F(FormAnimations, FadingShowRisesByAnEighthOfTheTargetPerPass) {
    WatchCover();
    AnimateFormShow(form, 100, 255, TxAnimType::atFading);
    // 100 ms: 8 steps, 9 passes, 31.875 per pass rounded half to even, capped at 255.
    const std::vector<std::uint32_t> expected{32, 64, 96, 128, 159, 191, 223, 255, 255};
    ASSERT_EQ(passes.size(), expected.size());
    for (std::size_t i = 0; i < passes.size(); ++i) {
        EXPECT_EQ(AlphaOf(passes[i].centre), expected[i]) << i;
        EXPECT_EQ(AlphaOf(passes[i].corner), expected[i]) << "fading shows the whole picture";
    }
    // Premultiplied red of the form's picture at the last pass.
    EXPECT_EQ((passes.back().centre >> 16) & 0xFF, 0x20u);
    EXPECT_EQ(form.after, std::vector<TxAnimEvent>{TxAnimEvent::aeShowing});
    EXPECT_FALSE(AnimationRunning);
    EXPECT_FALSE(platform::GetWindow(form.Handle(), platform::GW_HWNDPREV) &&
                 (platform::GetWindowLong(platform::GetWindow(form.Handle(), platform::GW_HWNDPREV),
                                          platform::GWL_EXSTYLE) & platform::WS_EX_LAYERED))
        << "the cover is gone";
}

TEST_F(FormAnimations, AeroShowGrowsFromThreeQuartersToTheWholeCover) {
    WatchCover();
    AnimateFormShow(form, 48, 200, TxAnimType::atAero);
    ASSERT_EQ(passes.size(), 5u);
    // First pass: the picture only inside (W/8, H/8) .. 3/4 of the size, black of alpha 0 around it.
    EXPECT_EQ(passes.front().corner, 0u);
    EXPECT_EQ(AlphaOf(passes.front().centre), 50u);
    EXPECT_EQ(AlphaOf(passes.back().corner), 200u);
    EXPECT_EQ(AlphaOf(passes.back().centre), 200u);
    EXPECT_EQ(form.AlphaBlendValue, 200);
}

TEST_F(FormAnimations, BelowTwelveMillisecondsNothingIsAnimated) {
    WatchCover();
    AnimateFormShow(form, 11, 255, TxAnimType::atFading);
    EXPECT_TRUE(passes.empty());
    EXPECT_EQ(form.after, std::vector<TxAnimEvent>{TxAnimEvent::aeShowing});
    form.paintable = false;
    AnimateFormShow(form, 100, 255, TxAnimType::atFading);
    EXPECT_EQ(form.after.size(), 1u) << "a form without a picture is shown without animation";
}

TEST_F(FormAnimations, HideFadesOnTheVirtualClockAndFreesItsCoverOnTheEleventhTick) {
    platform::testing::VirtualClockScope clock;
    manager.AnimEffects().FormHide()->Time = 120;
    manager.AnimEffects().FormHide()->Mode = TxAnimType::atFading;
    const platform::LONG exStyle = platform::GetWindowLong(form.Handle(), platform::GWL_EXSTYLE);
    AnimateFormHide(form);
    EXPECT_EQ(platform::GetWindowLong(form.Handle(), platform::GWL_EXSTYLE), exStyle);
    TxHideTimer& timer = HideTimer();
    ASSERT_TRUE(timer.Animating());
    const platform::HWND cover = timer.Cover()->Handle();
    // The first step runs at once: 255 - 25.5.
    EXPECT_EQ(AlphaOf(platform::ComposedPicture(cover)->Get(5, 5)), 230u);
    std::vector<std::uint32_t> alphas;
    for (int tick = 1; tick <= 10; ++tick) {
        platform::testing::AdvanceClock(12);
        platform::testing::PumpMessages();
        ASSERT_TRUE(timer.Animating()) << tick;
        alphas.push_back(timer.ConstantAlpha());
        EXPECT_EQ(AlphaOf(platform::ComposedPicture(cover)->Get(5, 5)), alphas.back());
    }
    EXPECT_TRUE(std::is_sorted(alphas.rbegin(), alphas.rend()));
    EXPECT_EQ(alphas[8], 0u) << "alpha 0 in the tenth step";
    EXPECT_TRUE(form.after.empty());
    platform::testing::AdvanceClock(12);
    platform::testing::PumpMessages();
    EXPECT_FALSE(timer.Animating());
    EXPECT_FALSE(platform::IsWindow(cover));
    EXPECT_EQ(form.after, std::vector<TxAnimEvent>{TxAnimEvent::aeHiding});
}

TEST_F(FormAnimations, ANewHideFreesTheCoverOfTheOldOne) {
    platform::testing::VirtualClockScope clock;
    manager.AnimEffects().FormHide()->Time = 240;
    AnimateFormHide(form);
    const platform::HWND first = HideTimer().Cover()->Handle();
    AnimateFormHide(form);
    EXPECT_FALSE(platform::IsWindow(first));
    EXPECT_TRUE(HideTimer().Animating());
    manager.AnimEffects().FormHide()->Time = 0;
    AnimateFormHide(form);
    EXPECT_FALSE(HideTimer().Animating()) << "no steps: the cover goes at once";
}

TEST(SkinChangeMix, MixesOldIntoNewByWeightAndRefusesOtherSizes) {
    auto fresh = SolidBitmap32(2, 1, 0xFF0000FFu);
    auto old = SolidBitmap32(2, 1, 0x00FF8000u);
    struct MixCase {
        int c;
        std::uint32_t pixel;
    };
    // Red and green rise toward the old look, blue falls; the division truncates toward zero.
    for (const MixCase& m : {MixCase{255, 0xFFFE7F01u}, MixCase{128, 0xFF7F4080u}, MixCase{0, 0xFF0000FFu},
                             MixCase{-5, 0xFF0000FFu}}) {
        auto result = SolidBitmap32(2, 1, 0x12345678u);
        ASSERT_TRUE(MixLooks(*result, *fresh, *old, m.c));
        EXPECT_EQ(PixelsOf(*result), std::vector<std::uint32_t>(2, m.pixel)) << m.c;
    }
    auto wider = SolidBitmap32(3, 1, 0);
    auto result = SolidBitmap32(2, 1, 0x12345678u);
    EXPECT_FALSE(MixLooks(*result, *fresh, *wider, 128));
    EXPECT_EQ(PixelsOf(*result), std::vector<std::uint32_t>(2, 0x12345678u));
}

class SkinChangeWithoutLayers : public FormAnimations {
protected:
    SkinChangeWithoutLayers() : saved(skin_testing::ReplaceLayeredEntryPoints({})) {}
    ~SkinChangeWithoutLayers() override { skin_testing::ReplaceLayeredEntryPoints(saved); }
    TSkLayeredEntryPoints saved;
};

TEST_F(SkinChangeWithoutLayers, CrossFadesInTheOutputWindowWhenTheLooksMatch) {
    int pauses = 0;
    oldPause = SetAnimationPause([&](unsigned) { ++pauses; });
    PrepareOutputWindow(form);
    ASSERT_TRUE(OutputWindow());
    ASSERT_TRUE(OldLookBitmap());
    AnimateSkinChange(form, 48, 255, TxAnimType::atFading);
    EXPECT_EQ(pauses, 4);
    EXPECT_FALSE(OutputWindow()) << "freed after the change";
    EXPECT_FALSE(OldLookBitmap());
    EXPECT_FALSE(AnimationRunning);
}

TEST_F(SkinChangeWithoutLayers, ALookOfAnotherSizeIsPaintedPlainly) {
    int pauses = 0;
    oldPause = SetAnimationPause([&](unsigned) { ++pauses; });
    PrepareOutputWindow(form);
    // The new skin has another border: the form is larger now.
    form.SetBounds(100, 80, 180, 110);
    AnimateSkinChange(form, 48, 255, TxAnimType::atFading);
    EXPECT_EQ(pauses, 0);
    EXPECT_FALSE(OutputWindow());
    EXPECT_TRUE(platform::IsWindowVisible(form.Handle()));
}

}  // namespace
