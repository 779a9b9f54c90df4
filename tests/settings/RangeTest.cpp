// Ranges carried in spin-edit hints: parsing, the tolerant checks, the arrow
// steps that may pass an end by one increment, typed values with their red
// balloon, hover hints, and the balloon component under them.

#include "settings/ranges/ErrorBalloon.h"
#include "settings/ranges/MinMaxHint.h"
#include "settings/ranges/RangeSteps.h"
#include "settings/ranges/SettingsBalloons.h"
#include "settings/singlestage/SingleStageSettingsForm.h"
#include "skin/forms/hints/SkAlphaHints.h"
#include "ui/forms/HintWindow.h"
#include "ui/forms/Timer.h"

#include "platform/display/Display.h"
#include "platform/display/DisplayTesting.h"
#include "platform/system/Clock.h"

#include <gtest/gtest.h>

#include <memory>

TEST(MinMaxHint, ParsesCommaRangesOnly) {
    const struct {
        const char* hint;
        bool ok;
        double min, max;
        const char* minText;
        const char* maxText;
    } cases[] = {
        {"0,5/9,9", true, 0.5, 9.9, "0,5", "9,9"},
        {"5/99", true, 5, 99, "5", "99"},
        {"0,01/0,99", true, 0.01, 0.99, "0,01", "0,99"},
        {"100/999", true, 100, 999, "100", "999"},
        {"0,123/1,006", true, 0.12, 1.01, "0,123", "1,006"},  // two decimals
        {"0.5/9.9", false, 0, 0, "", ""},                    // a point is not this program's separator
        {"", false, 0, 0, "", ""},
        {"5", false, 0, 0, "", ""},                          // no slash: no maximum
        {"5/", false, 0, 0, "", ""},
        {"/5", false, 0, 0, "", ""},
        {"1/2/3", false, 0, 0, "", ""},                      // the maximum is "2/3"
        {"a/5", false, 0, 0, "", ""},
    };
    for (const auto& c : cases) {
        TMinMax range = ParseMinMaxHint(c.hint);
        EXPECT_EQ(range.Ok, c.ok) << c.hint;
        EXPECT_DOUBLE_EQ(range.Min, c.min) << c.hint;
        EXPECT_DOUBLE_EQ(range.Max, c.max) << c.hint;
        EXPECT_EQ(range.MinText, c.minText) << c.hint;
        EXPECT_EQ(range.MaxText, c.maxText) << c.hint;
    }
}

TEST(MinMaxHint, ComparisonsAllowAHundredth) {
    EXPECT_TRUE(TolerantEqual(3.0, 3.01));
    EXPECT_FALSE(TolerantEqual(3.0, 3.02));
    EXPECT_FALSE(TolerantLess(2.995, 3.0));
    EXPECT_TRUE(TolerantLess(2.98, 3.0));
    EXPECT_FALSE(TolerantGreater(3.005, 3.0));
    EXPECT_TRUE(TolerantGreater(3.02, 3.0));

    TDecimalSpinEdit edit(nullptr);
    edit.SetHint("0,5/9,9");
    const struct {
        double value;
        bool in;
    } cases[] = {{0.49, true}, {0.48, false}, {9.91, true}, {9.92, false}, {5, true}};
    for (const auto& c : cases) {
        edit.SetValue(c.value);
        EXPECT_EQ(IsInHintRange(edit), c.in) << c.value;
    }
    edit.SetHint("0.5/9.9");
    edit.SetValue(5);
    EXPECT_FALSE(IsInHintRange(edit));
}

namespace {

class RangeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    void SetUp() override {
        Application->SetMessageBoxFunction([](const std::string&, const std::string&, unsigned) { return 1; });
        form = std::make_unique<TForm14>(nullptr);
        form->SetBounds(100, 100, 845, 674);
        form->Show();
        platform::testing::PumpMessages();
    }
    void TearDown() override {
        form.reset();
        platform::testing::PumpMessages();
        Application->SetMessageBoxFunction(nullptr);
    }
    TDecimalSpinEdit* Edit(const char* name) { return form->SpinEdit(name); }
    TSkAlphaHints& Hints() { return *form->skAlphaHints1(); }
    // Puts a value in as a user types it: the text, then the key release.
    void TypeValue(TDecimalSpinEdit* edit, const std::string& text) {
        edit->SetText(text);
        platform::WORD key = '0';
        edit->OnKeyUp(edit, key, {});
    }
    std::unique_ptr<TForm14> form;
};

}  // namespace

TEST_F(RangeTest, ArrowsPassAnEndByOneIncrementAndNoFurther) {
    const struct {
        const char* name;
        const char* hint;
        double start;
        bool up;
        double first, second;
    } cases[] = {
        {"skDecimalSpinEdit14", "5/99", 99, true, 100, 100},
        {"skDecimalSpinEdit13", "0,1/2,0", 0.1, false, 0.0, 0.0},
        {"skDecimalSpinEdit12", "0,5/9,9", 9.8, true, 9.9, 10.0},
        {"skDecimalSpinEdit14", "5/99", 1, true, 5, 6},         // lifted to the minimum
        {"skDecimalSpinEdit14", "5/99", 150, false, 99, 98},    // lowered to the maximum
    };
    for (const auto& c : cases) {
        TDecimalSpinEdit* edit = Edit(c.name);
        edit->SetEnabled(true);
        edit->SetHint(c.hint);
        edit->SetValue(c.start);
        edit->SetColor(NormalEditColor);
        const double values[] = {c.first, c.second};
        for (double expected : values) {
            c.up ? edit->StepUp() : edit->StepDown();
            EXPECT_NEAR(edit->Value(), expected, 1e-9) << c.name << " " << c.start;
            const bool outside = expected > ParseMinMaxHint(c.hint).Max || expected < ParseMinMaxHint(c.hint).Min;
            EXPECT_EQ(edit->Color(), outside ? RangeMarkColor : NormalEditColor) << c.name << " " << expected;
        }
    }
}

TEST_F(RangeTest, AnEditWhoseHintIsNoRangeIsLeftAlone) {
    TDecimalSpinEdit* edit = Edit("skDecimalSpinEdit14");
    edit->SetEnabled(true);
    edit->SetHint("5.0/99.0");
    edit->SetValue(500);
    edit->StepUp();
    edit->StepDown();
    TypeValue(edit, "700");
    EXPECT_DOUBLE_EQ(edit->Value(), 700);
    EXPECT_EQ(edit->Color(), NormalEditColor);
    EXPECT_FALSE(Hints().HintShown());
}

TEST_F(RangeTest, ATypedValueOutOfRangeTurnsRedWithABalloonBesideTheEdit) {
    TDecimalSpinEdit* edit = Edit("skDecimalSpinEdit11");
    ASSERT_EQ(edit->Hint(), "0,01/0,99");
    TypeValue(edit, "0,5");
    EXPECT_EQ(edit->Color(), NormalEditColor);
    EXPECT_FALSE(Hints().HintShown());

    TypeValue(edit, "1,1");
    EXPECT_EQ(edit->Color(), RangeMarkColor);
    ASSERT_TRUE(Hints().HintShown());
    EXPECT_EQ(Hints().ShownText(), "*Введено не допустимое значение\rДопустимый диапазон от 0,01 до 0,99");
    const TPoint corner = edit->Parent()->ClientToScreen({edit->Left(), edit->Top()});
    EXPECT_EQ(Hints().ShownAt().X, corner.X - 120);
    EXPECT_EQ(Hints().ShownAt().Y, corner.Y + 20);
    EXPECT_EQ(Hints().ShownWindow()->Color(), Hints().Templates[1].Color) << "the red template";
    EXPECT_EQ(Hints().TemplateName(), "Blue");
    EXPECT_FALSE(edit->ShowHint());

    TypeValue(edit, "0,5");
    EXPECT_EQ(edit->Color(), NormalEditColor);
    EXPECT_FALSE(Hints().HintShown());
}

TEST_F(RangeTest, TheBalloonTimerHidesTheBalloonAndGivesTheHintBack) {
    TDecimalSpinEdit* edit = Edit("skDecimalSpinEdit11");
    TDecimalSpinEdit* other = Edit("skDecimalSpinEdit3");
    ShowErrorBalloon(edit, 10, 20, "первое");
    EXPECT_TRUE(form->Timer1()->Enabled());
    EXPECT_EQ(form->Timer1()->Interval(), kErrorBalloonMs);
    EXPECT_EQ(Hints().ShownText(), "*первое");
    EXPECT_FALSE(edit->ShowHint());
    // Another control's balloon takes over: the first control gets its hint back.
    ShowErrorBalloon(other, 30, 40, "второе");
    EXPECT_TRUE(edit->ShowHint());
    EXPECT_FALSE(other->ShowHint());
    EXPECT_EQ(Hints().ShownText(), "*второе");
    EXPECT_EQ(Hints().ShownAt().X, 30);
    form->Timer1()->OnTimer(form->Timer1());
    EXPECT_FALSE(Hints().HintShown());
    EXPECT_FALSE(form->Timer1()->Enabled());
    EXPECT_TRUE(other->ShowHint());
}

TEST_F(RangeTest, ABalloonControlFreedFirstIsForgotten) {
    auto* edit = new TDecimalSpinEdit(form.get());
    ShowErrorBalloon(edit, 0, 0, "текст");
    EXPECT_EQ(form->Balloons().BalloonControl(), edit);
    delete edit;
    EXPECT_EQ(form->Balloons().BalloonControl(), nullptr);
    form->Timer1()->OnTimer(form->Timer1());
    EXPECT_FALSE(Hints().HintShown());
}

TEST_F(RangeTest, StatusBalloonsStandInTheMiddleWithTheirTemplate) {
    form->ShowStatusBalloon(true, "Готово");
    EXPECT_EQ(Hints().ShownText(), "Готово");
    EXPECT_EQ(Hints().ShownAt().X, 845 / 2 + form->Left() - 100);
    EXPECT_EQ(Hints().ShownAt().Y, 674 / 2 + form->Top() - 20);
    EXPECT_EQ(form->Timer1()->Interval(), kStatusBalloonMs);
    EXPECT_TRUE(form->Timer1()->Enabled());
    EXPECT_EQ(Hints().TemplateName(), "Blue");
    form->ShowStatusBalloon(false, "*Ошибка");
    EXPECT_EQ(Hints().ShownText(), "*Ошибка") << "a balloon at a point keeps its text whole";
}

TEST_F(RangeTest, HoverHintsShowTheRangeOverSpinEditsOnly) {
    TDecimalSpinEdit* edit = Edit("skDecimalSpinEdit12");
    const struct {
        TControl* control;
        const char* hint;
        bool shown;
        const char* text;
    } cases[] = {
        {edit, "0,5/9,9", true, "Допустимое значение от 0,5 до 9,9"},
        {edit, "*Ошибка*", true, "Ошибка"},
        {edit, "0.5/9.9", false, "0.5/9.9"},
        {edit, "", false, ""},
        {form->btnReadSett, "0,5/9,9", false, "0,5/9,9"},
        {nullptr, "*текст", false, "*текст"},
    };
    for (const auto& c : cases) {
        std::string text = c.hint;
        bool canShow = true;
        THintInfo info;
        info.HintControl = c.control;
        RangeHoverHint(text, canShow, info);
        EXPECT_EQ(canShow, c.shown) << c.hint;
        EXPECT_EQ(text, c.text) << c.hint;
        if (c.shown) {
            EXPECT_EQ(info.HintColor, BalloonTextColor);
        }
    }
}

TEST_F(RangeTest, TheHintComponentDecidesTheApplicationsHoverHints) {
    ASSERT_TRUE(Application->OnShowHint);
    EXPECT_EQ(Application->HintHidePause, 3000);
    std::string text = "5/99";
    bool canShow = true;
    THintInfo info;
    info.HintControl = Edit("skDecimalSpinEdit14");
    Application->OnShowHint(text, canShow, info);
    EXPECT_TRUE(canShow);
    EXPECT_EQ(text, "Допустимое значение от 5 до 99");
    EXPECT_EQ(info.HintMaxWidth, 500);
    EXPECT_EQ(info.HintColor, Hints().Templates[0].Color) << "the plain window keeps the template's background";
}

TEST(SkAlphaHints, TemplatesAreChosenByNameWithoutRegardToCase) {
    TSkAlphaHints hints(nullptr);
    hints.Templates = {{"Blue", 1}, {"Red3", 2}};
    hints.SetTemplateName("red3");
    EXPECT_EQ(hints.TemplateName(), "Red3");
    hints.SetTemplateName("Green");
    EXPECT_EQ(hints.TemplateName(), "");
    EXPECT_EQ(hints.SelectedTemplate(), nullptr);
}

TEST(SkAlphaHints, ShowHintAtAsksTheHandlerButShowsWhateverItSays) {
    platform::testing::UseHeadlessDisplay();
    TSkAlphaHints hints(nullptr);
    int asked = 0;
    hints.OnShowHint = [&](std::string& text, bool& canShow, THintInfo& info) {
        ++asked;
        EXPECT_EQ(info.HintControl, nullptr);
        EXPECT_TRUE(canShow);
        canShow = false;
        text += "!";
        info.HintPos.X += 5;
    };
    hints.HideHint();  // nothing shown yet
    hints.ShowHintAt({10, 10}, "текст");
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(hints.HintShown());
    EXPECT_EQ(hints.ShownText(), "текст!");
    EXPECT_EQ(hints.ShownAt().X, 15);
    hints.HideHint();
    EXPECT_FALSE(hints.HintShown());
    EXPECT_EQ(hints.ShownWindow(), nullptr);
}
