#include "ControlFixture.h"

#include "ui/controls/CustomEdit.h"
#include "ui/controls/UpDown.h"

#include "platform/system/Clock.h"

namespace {

struct UpDownControl : ControlFixture {
    TUpDown* MakeUpDown() {
        auto* ud = Add<TUpDown>(100, 10, 16, 24);
        ud->OnChangingEx = [this](TObject*, bool& allow, short value, TUpDownDirection dir) {
            steps.push_back({value, dir});
            allow = !refuse;
        };
        return ud;
    }
    struct Seen {
        short value;
        TUpDownDirection dir;
        bool operator==(const Seen&) const = default;
    };
    std::vector<Seen> steps;
    bool refuse = false;
};

TEST_F(UpDownControl, ClicksOnTheHalvesStepAndTellTheDirectionEvenAtALimit) {
    auto* ud = MakeUpDown();
    ud->SetMax(2);
    ShowForm();
    using D = TUpDownDirection;
    for (int i = 0; i < 3; ++i) ClickAt(ud, 8, 4);  // the top half
    ClickAt(ud, 8, 20);
    EXPECT_EQ(ud->Position(), 1);
    EXPECT_EQ(steps, (std::vector<Seen>{{1, D::updUp}, {2, D::updUp}, {2, D::updUp}, {1, D::updDown}}));

    ud->SetWrap(true);
    ClickAt(ud, 8, 20);
    ClickAt(ud, 8, 20);  // below Min: round to Max
    EXPECT_EQ(ud->Position(), 2);

    refuse = true;
    ClickAt(ud, 8, 20);
    EXPECT_EQ(ud->Position(), 2);
}

TEST_F(UpDownControl, HoldingAHalfRepeatsAfterAPause) {
    platform::testing::VirtualClockScope clock;
    auto* ud = MakeUpDown();
    ShowForm();
    TPoint p = ud->ClientToScreen({8, 4});
    platform::testing::MoveMouse(p.X, p.Y);
    platform::testing::PressMouse(0);
    Pump();
    EXPECT_EQ(ud->Position(), 1);
    PassTime(399);
    EXPECT_EQ(ud->Position(), 1);
    PassTime(1);
    EXPECT_EQ(ud->Position(), 2);
    for (int i = 0; i < 3; ++i) PassTime(100);
    EXPECT_EQ(ud->Position(), 5);
    platform::testing::ReleaseMouse(0);
    Pump();
    PassTime(1000);
    EXPECT_EQ(ud->Position(), 5);
}

TEST_F(UpDownControl, TheAssociateShowsThePositionAndItsArrowKeysStep) {
    auto* edit = Add<TEdit>(10, 10, 80);
    auto* ud = MakeUpDown();
    ud->SetAssociate(edit);
    EXPECT_EQ(edit->Text(), "0");
    EXPECT_EQ(ud->Left(), edit->Left() + edit->Width());
    ShowForm();
    Focus(edit);
    Key(platform::VK_UP);
    Key(platform::VK_UP);
    Key(platform::VK_DOWN);
    EXPECT_EQ(ud->Position(), 1);
    EXPECT_EQ(edit->Text(), "1");
    EXPECT_EQ(steps.size(), 3u);
    delete edit;  // the up-down forgets it
    ud->SetPosition(4);
    EXPECT_EQ(ud->Associate(), nullptr);
}

}  // namespace
