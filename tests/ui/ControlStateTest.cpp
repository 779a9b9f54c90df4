#include "ui/controls/CheckState.h"
#include "ui/controls/UpDownStepper.h"

#include <gtest/gtest.h>

namespace {

TEST(CheckStateTest, ClicksCycleTwoAndThreeStates) {
    using S = TCheckBoxState;
    EXPECT_EQ(NextCheckState(S::cbUnchecked, false), S::cbChecked);
    EXPECT_EQ(NextCheckState(S::cbChecked, false), S::cbUnchecked);
    S s = S::cbUnchecked;
    std::vector<S> seen;
    for (int i = 0; i < 4; ++i) seen.push_back(s = NextCheckState(s, true));
    EXPECT_EQ(seen, (std::vector<S>{S::cbGrayed, S::cbChecked, S::cbUnchecked, S::cbGrayed}));
    // A grayed box whose control no longer allows grayed still moves on.
    EXPECT_EQ(NextCheckState(S::cbGrayed, false), S::cbChecked);
}

TEST(CheckStateTest, ClickCountsOnlyWhenPressAndReleaseStayInside) {
    struct Case {
        bool pressInside, leftOnce, releaseInside, click;
    } cases[] = {
        {true, false, true, true},
        {true, true, true, false},  // left and came back
        {true, false, false, false},
        {false, false, true, false},
    };
    for (const Case& c : cases) {
        TClickTracker t;
        t.Press(c.pressInside);
        if (c.leftOnce) t.Move(false);
        t.Move(true);
        EXPECT_EQ(t.Release(c.releaseInside), c.click);
        EXPECT_FALSE(t.Held());
    }
    TClickTracker t;
    EXPECT_FALSE(t.Release(true));  // a release without a press
}

TEST(UpDownTest, StepsClampOrWrapAndAlwaysProposeADirection) {
    TUpDownPosition p;
    p.SetMin(0);
    p.SetMax(10);
    p.SetIncrement(4);
    p.SetPosition(8);
    EXPECT_EQ(p.Propose(TUpDownDirection::updUp).NewValue, 10);
    p.SetPosition(10);
    TUpDownStep atTop = p.Propose(TUpDownDirection::updUp);
    EXPECT_EQ(atTop.NewValue, 10);
    EXPECT_EQ(atTop.Direction, TUpDownDirection::updUp);
    EXPECT_TRUE(p.AtLimit(TUpDownDirection::updUp));
    p.SetWrap(true);
    EXPECT_EQ(p.Propose(TUpDownDirection::updUp).NewValue, 0);
    p.SetPosition(2);
    EXPECT_EQ(p.Propose(TUpDownDirection::updDown).NewValue, 10);

    p.SetPosition(99);
    EXPECT_EQ(p.Position(), 10);
    p.SetMax(5);  // a narrower range pulls the position in
    EXPECT_EQ(p.Position(), 5);
}

TEST(UpDownTest, ReversedRangeCountsDownOnUp) {
    TUpDownPosition p;
    p.SetMin(100);
    p.SetMax(0);
    p.SetPosition(50);
    EXPECT_EQ(p.Propose(TUpDownDirection::updUp).NewValue, 49);
    EXPECT_EQ(p.Propose(TUpDownDirection::updDown).NewValue, 51);
    p.SetMax(100000);  // beyond 16 bits
    EXPECT_EQ(p.Max(), 32767);
}

TEST(PositionRangeTest, PositionAndRangeAlwaysAgree) {
    TPositionRange r;
    EXPECT_TRUE(r.SetPosition(150));
    EXPECT_EQ(r.Position(), 100);
    EXPECT_FALSE(r.SetPosition(100));
    r.SetRange(10, 20);
    EXPECT_EQ(r.Position(), 20);
    r.SetMin(30);  // a minimum above the maximum lifts both
    EXPECT_EQ(r.Max(), 30);
    EXPECT_EQ(r.Position(), 30);
    EXPECT_DOUBLE_EQ(r.Fraction(), 0.0);  // empty range
    r.SetRange(0, 4);
    r.SetPosition(1);
    EXPECT_DOUBLE_EQ(r.Fraction(), 0.25);
    EXPECT_TRUE(r.StepBy(-5));
    EXPECT_EQ(r.Position(), 0);
}

}  // namespace
