// Spin edits: the limits a value is kept in, keys that step or are refused
// with a beep, the wheel, and the decimal edit's fixed text.

#include "tests/ui/ControlFixture.h"
#include "ui/controls/SpinEdit.h"

#include "platform/window/MessageBeep.h"

namespace {

class SpinEditTest : public ControlFixture {
protected:
    unsigned BeepsSince(unsigned before) const { return platform::testing::MessageBeepCount() - before; }
};

}  // namespace

TEST(SpinEditLimits, CheckValueKeepsTheLimitsAndTheirZeroMeaning) {
    struct Case {
        int min, max;
        bool allowNegative;
        int value, checked;
    };
    const Case cases[] = {
        {0, 0, true, -50, -50},   // no limits
        {0, 0, true, 99999, 99999},
        {1, 3, true, 0, 1},       // below the minimum
        {1, 3, true, 5, 3},       // above the maximum
        {1, 3, true, 2, 2},
        {5, 0, true, 100, 100},   // no upper limit
        {5, 0, true, 4, 5},
        {0, 0, false, -7, 0},     // negatives not allowed
        {2, 0, false, -7, 2},     // the limit compares the value as given
    };
    TSpinEdit spin(nullptr);
    for (const Case& c : cases) {
        spin.MinValue = c.min;
        spin.MaxValue = c.max;
        spin.AllowNegative = c.allowNegative;
        EXPECT_EQ(spin.CheckValue(c.value), c.checked) << c.min << ".." << c.max << " " << c.value;
        spin.SetValue(c.value);
        EXPECT_EQ(spin.Text(), std::to_string(c.checked));
    }
}

TEST(SpinEditLimits, TheValueOfATextThatIsNoNumber) {
    TSpinEdit spin(nullptr);
    spin.MinValue = 4;
    const struct {
        const char* text;
        int value;
    } cases[] = {{"", 0}, {"12", 12}, {"-3", -3}, {"x1", 4}, {"1,5", 4}};
    for (const auto& c : cases) {
        spin.SetText(c.text);
        EXPECT_EQ(spin.Value(), c.value) << c.text;
    }
}

TEST_F(SpinEditTest, ArrowKeysAndTheWheelStepAndAStepPastTheLimitBeeps) {
    auto* spin = Add<TSpinEdit>(10, 10, 80, 22);
    spin->MinValue = 1;
    spin->MaxValue = 3;
    spin->SetValue(2);
    ShowForm();
    Focus(spin);
    Key(platform::VK_UP);
    EXPECT_EQ(spin->Value(), 3);
    unsigned before = platform::testing::MessageBeepCount();
    Key(platform::VK_UP);
    EXPECT_EQ(spin->Value(), 3);
    EXPECT_EQ(BeepsSince(before), 1u);
    Key(platform::VK_DOWN);
    Key(platform::VK_DOWN);
    EXPECT_EQ(spin->Value(), 1);
    platform::testing::TurnWheel(240);
    Pump();
    EXPECT_EQ(spin->Value(), 3);

    spin->SetReadOnly(true);
    before = platform::testing::MessageBeepCount();
    Key(platform::VK_DOWN);
    EXPECT_EQ(spin->Value(), 3);
    EXPECT_EQ(BeepsSince(before), 1u);
}

TEST_F(SpinEditTest, OnlyDigitsAndALeadingMinusAreTyped) {
    auto* spin = Add<TSpinEdit>(10, 10, 80, 22);
    ShowForm();
    Focus(spin);
    spin->SelectAll();
    const unsigned before = platform::testing::MessageBeepCount();
    Type("-1a2,3");
    EXPECT_EQ(spin->Text(), "-123");
    EXPECT_EQ(BeepsSince(before), 2u);  // "a" and ","
    spin->AllowNegative = false;
    spin->SelectAll();
    Type("-5");
    EXPECT_EQ(spin->Text(), "5");
}

TEST_F(SpinEditTest, LeavingTheFieldPutsTheValueWithinTheLimits) {
    auto* spin = Add<TSpinEdit>(10, 10, 80, 22);
    auto* other = Add<TSpinEdit>(10, 40, 80, 22);
    spin->MinValue = 1;
    spin->MaxValue = 3;
    ShowForm();
    Focus(spin);
    spin->SelectAll();
    Type("9");
    EXPECT_EQ(spin->Text(), "9");
    Focus(other);
    EXPECT_EQ(spin->Text(), "3");
}

TEST(DecimalSpinEdit, TheTextHasItsDecimalsAndTheValueItsLimits) {
    TDecimalSpinEdit spin(nullptr);
    EXPECT_EQ(spin.Text(), "0,00");
    spin.MinValue = 0.5;
    spin.MaxValue = 9.9;
    const struct {
        double value, stored;
        const char* text;
    } cases[] = {{1.234, 1.234, "1,23"}, {12, 9.9, "9,90"}, {0.1, 0.5, "0,50"}, {2.005, 2.005, "2,00"}};
    for (const auto& c : cases) {
        spin.SetValue(c.value);
        EXPECT_DOUBLE_EQ(spin.Value(), c.stored) << c.value;
        EXPECT_EQ(spin.Text(), c.text) << c.value;
    }
    spin.SetDecimalPlaces(1);
    EXPECT_EQ(spin.Text(), "2,0");
    // Typed text becomes the value, kept within the limits.
    spin.SetText("7,25");
    EXPECT_DOUBLE_EQ(spin.Value(), 7.25);
    spin.SetText("20");
    EXPECT_DOUBLE_EQ(spin.Value(), 9.9);
}
