#include "EffectsSkinFixture.h"

#include "skin/core/controldata/SkCommonData.h"
#include "skin/core/effects/FadeTimers.h"
#include "skin/core/manager/SkinCommands.h"
#include "skin/core/pixels/AlphaPixels.h"

#include "ui/controls/Panels.h"
#include "ui/forms/Form.h"

#include "platform/display/Display.h"
#include "platform/display/DisplayTesting.h"
#include "platform/system/Clock.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kOldLook = 0xFF000000u;
constexpr std::uint32_t kNewLook = 0xFFFFFFFFu;

// A skinned button as the fade timer sees it: command 23 paints its cache
// in the new state, command 24 gets each step, command 16 ends the fade.
class TFadingButton : public TPanel {
public:
    explicit TFadingButton(TComponent* owner) : TPanel(owner), data(this, true) {}
    TSkCommonData data;
    TSkFadeTimer* timer = nullptr;
    std::vector<std::uint32_t> steps;  // the centre pixel of each step
    int stops = 0, paints = 0;
    bool drawsSteps = true;
    std::uint32_t nextLook = kNewLook;
    void Fill(std::uint32_t pixel) {
        data.CacheBitmap->SetSize(20, 10);
        for (int y = 0; y < 10; ++y) FillDWords(PixelRow(*data.CacheBitmap, y), 20, pixel);
    }

protected:
    void WndProc(TMessage& message) override {
        if (message.Msg == platform::WM_PAINT) ++paints;
        if (message.Msg == SkinCommandMsg) switch (SkinCommandOf(message.WParam)) {
                case ScRebuildFrame: Fill(nextLook); return;
                case ScRegionOutOfDate:
                    steps.push_back(ReadPixel32(*reinterpret_cast<TBitmap*>(message.LParam), 10, 5));
                    message.Result = drawsSteps ? 1 : 0;
                    return;
                case ScStopFading:
                    ++stops;
                    StopFadeTimer(timer);
                    return;
                default: break;
            }
        TPanel::WndProc(message);
    }
};

class FadeTimers : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    FadeTimers() {
        form.SetBounds(0, 0, 200, 100);
        button->SetParent(&form);
        button->SetBounds(10, 10, 20, 10);
        form.Show();
        platform::testing::PumpMessages();
        Section("BUTTON");
    }
    ~FadeTimers() override {
        StopFadeTimer(button->timer);
        FadingSuspended = false;
    }
    void Section(const char* name) {
        button->data.SetSkinManager(&manager);
        button->data.SetSkinSection(name);
        button->data.SectionIndex = manager.FindSectionIndex(name);
        button->Fill(kOldLook);
        button->data.BgDirty = false;
    }
    void Tick() {
        platform::testing::AdvanceClock(kFadeIntervalMs);
        platform::testing::PumpMessages();
    }

    platform::testing::VirtualClockScope clock;
    TSkinManager manager{nullptr};
    TEffectsSkin skin{manager};
    TForm form{nullptr};
    TFadingButton* button = new TFadingButton(&form);
};

// The blue byte of each step, rising from the old look to the new one.
std::vector<std::uint32_t> Blues(const std::vector<std::uint32_t>& pixels) {
    std::vector<std::uint32_t> out;
    for (std::uint32_t p : pixels) out.push_back(p & 0xFF);
    return out;
}

struct FadeCase {
    const char* name;
    bool press;
    std::size_t steps;
};

class FadeSteps : public FadeTimers, public ::testing::WithParamInterface<FadeCase> {};

TEST_P(FadeSteps, StepsOnTheClockEndOnTheNewLookAndStopWithCommand16) {
    const FadeCase& c = GetParam();
    const int timersBefore = FadingTimerCount;
    ChangeStateWithFade(button->timer, button->data, c.press, 1, true);
    ASSERT_TRUE(button->timer);
    EXPECT_EQ(button->timer->TotalSteps, static_cast<int>(c.steps));
    EXPECT_EQ(FadingTimerCount, timersBefore + 1);
    EXPECT_TRUE(button->steps.empty()) << "nothing before the first tick";
    for (std::size_t i = 0; i < c.steps; ++i) Tick();
    ASSERT_EQ(button->steps.size(), c.steps) << c.name;
    EXPECT_EQ(button->steps.back(), kNewLook);
    const std::vector<std::uint32_t> blues = Blues(button->steps);
    EXPECT_TRUE(std::is_sorted(blues.begin(), blues.end()));
    EXPECT_LT(blues.front(), 0xFFu);
    EXPECT_EQ(button->stops, 0);
    Tick();
    EXPECT_EQ(button->stops, 1);
    EXPECT_EQ(button->timer, nullptr);
    EXPECT_EQ(FadingTimerCount, timersBefore);
    Tick();
    EXPECT_EQ(button->steps.size(), c.steps) << "no step after the end";
}

INSTANTIATE_TEST_SUITE_P(Cases, FadeSteps,
                         ::testing::Values(FadeCase{"mouse enters", false, 5}, FadeCase{"button pressed", true, 2}));

TEST_F(FadeTimers, FiveStepsBlendByAFifthEach) {
    ChangeStateWithFade(button->timer, button->data, false, 1, true);
    for (int i = 0; i < 5; ++i) Tick();
    // k = 51, 102, 153, 204, 255: the old look keeps (255 - k)/256.
    const std::vector<std::uint32_t> blues = Blues(button->steps);
    ASSERT_EQ(blues.size(), 5u);
    for (std::size_t i = 0; i + 1 < blues.size(); ++i) {
        const int k = static_cast<int>(i + 1) * 51;
        EXPECT_NEAR(static_cast<int>(blues[i]), k, 2) << i;
    }
}

TEST_F(FadeTimers, AStepTheControlDoesNotDrawGoesOntoItsWindow) {
    button->drawsSteps = false;
    ChangeStateWithFade(button->timer, button->data, true, 1, true);
    Tick();
    Tick();
    EXPECT_EQ(platform::testing::WindowPixel(button->Handle(), 3, 3) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(FadeTimers, ANewStateRestartsFromTheCurrentCache) {
    ChangeStateWithFade(button->timer, button->data, false, 1, true);
    Tick();
    Tick();
    button->data.BgDirty = false;
    button->nextLook = kOldLook;
    ChangeStateWithFade(button->timer, button->data, false, 1, true);
    EXPECT_EQ(button->timer->StepIndex, 1);
    button->steps.clear();
    for (int i = 0; i < 5; ++i) Tick();
    const std::vector<std::uint32_t> blues = Blues(button->steps);
    ASSERT_EQ(blues.size(), 5u);
    EXPECT_TRUE(std::is_sorted(blues.rbegin(), blues.rend())) << "from white back to black";
    EXPECT_EQ(blues.back(), 0u);
}

TEST_F(FadeTimers, ADisabledControlStopsFadingAndRepaints) {
    ChangeStateWithFade(button->timer, button->data, false, 1, true);
    Tick();
    button->SetEnabled(false);
    Tick();
    EXPECT_EQ(button->timer->TotalSteps, 0);
    EXPECT_FALSE(button->timer->Enabled());
    EXPECT_TRUE(button->data.BgDirty);
    for (int i = 0; i < 5; ++i) Tick();
    EXPECT_EQ(button->steps.size(), 1u);
}

TEST_F(FadeTimers, SuspendedFadingSkipsSteps) {
    ChangeStateWithFade(button->timer, button->data, false, 1, true);
    FadingSuspended = true;
    Tick();
    Tick();
    EXPECT_TRUE(button->steps.empty());
    FadingSuspended = false;
    Tick();
    EXPECT_EQ(button->steps.size(), 1u);
}

struct NoFadeCase {
    const char* name;
    const char* section;
    bool allowed;
    bool dirty;
};

class NoFade : public FadeTimers, public ::testing::WithParamInterface<NoFadeCase> {};

TEST_P(NoFade, RepaintsAtOnceWithoutATimer) {
    const NoFadeCase& c = GetParam();
    Section(c.section);
    button->data.BgDirty = c.dirty;
    button->paints = 0;
    ChangeStateWithFade(button->timer, button->data, false, 1, c.allowed);
    EXPECT_EQ(button->timer, nullptr) << c.name;
    EXPECT_GE(button->paints, 1) << c.name;
    EXPECT_TRUE(button->data.BgDirty);
}

INSTANTIATE_TEST_SUITE_P(Cases, NoFade,
                         ::testing::Values(NoFadeCase{"fading off in the skin", "NOFADE", true, false},
                                           NoFadeCase{"event not allowed", "BUTTON", false, false},
                                           NoFadeCase{"cache out of date", "BUTTON", true, true}));

TEST(AnimEvents, ControlSetOrTheManagersButtonEvents) {
    TSkinManager manager(nullptr);
    manager.AnimEffects().Buttons()->Events = {TxBtnEvent::beMouseEnter, TxBtnEvent::beMouseUp};
    using E = TxAnimatEvent;
    struct Case {
        TxAnimatEvents events;
        E event;
        bool allowed;
    };
    for (const Case& c : {Case{{E::aeMouseDown}, E::aeMouseDown, true}, Case{{E::aeMouseDown}, E::aeMouseEnter, false},
                          Case{{E::aeGlobalDef}, E::aeMouseEnter, true}, Case{{E::aeGlobalDef}, E::aeMouseLeave, false},
                          Case{{E::aeGlobalDef}, E::aeMouseUp, true}, Case{{}, E::aeMouseEnter, false},
                          Case{{}, E::aeMouseUp, false}})
        EXPECT_EQ(AnimEventAllowed(c.event, c.events, &manager), c.allowed) << static_cast<int>(c.event);
}

}  // namespace
