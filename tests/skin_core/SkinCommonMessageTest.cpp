#include "SkinControlFixtures.h"

#include "skin/core/controldata/GlowLink.h"

#include "ui/core/ScopeGuards.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Bitmap.h"

namespace {

std::vector<std::int32_t> freedGlows;

// The panels inside a shown form, so that they have windows.
class CommonMessages : public SkinControlData {
protected:
    void SetUp() override {
        SkinControlData::SetUp();
        parent.SetParent(&form);
        form.Show();
        child.HandleNeeded();
        SetSkinGlowFunctions({nullptr, [](std::int32_t& index) {
                                  freedGlows.push_back(index);
                                  index = -1;
                              },
                              nullptr, nullptr});
        freedGlows.clear();
    }
    void TearDown() override {
        SetSkinGlowFunctions({});
        parent.SetParent(nullptr);
        SkinControlData::TearDown();
    }
    platform::LRESULT Send(TControl& control, platform::UINT msg, platform::WPARAM wParam = 0,
                           platform::LPARAM lParam = 0) {
        return control.Perform(msg, wParam, lParam);
    }
    TForm form{nullptr};
};

}  // namespace

TEST_F(CommonMessages, FocusIsTakenOnlyByControlsInTheTabOrder) {
    child.Data.SetSkinSection("EDIT");
    child.Data.BgDirty = false;
    child.SetTabStop(false);
    Send(child, platform::WM_SETFOCUS);
    EXPECT_FALSE(child.Data.HasFocus);
    EXPECT_FALSE(child.Data.BgDirty);
    child.SetTabStop(true);
    Send(child, platform::WM_SETFOCUS);
    EXPECT_TRUE(child.Data.HasFocus);
    EXPECT_TRUE(child.Data.BgDirty);
    Send(child, platform::WM_KILLFOCUS);
    EXPECT_FALSE(child.Data.HasFocus);
    child.Data.HasFocus = child.Data.MouseInside = true;
    Send(child, CM_ENABLEDCHANGED);
    EXPECT_FALSE(child.Data.HasFocus);
    EXPECT_FALSE(child.Data.MouseInside);
}

TEST_F(CommonMessages, MouseEnterMakesTheWindowHotUnlessItIsAContainer) {
    struct Case {
        int kind;
        bool inside;
    };
    for (const Case c : {Case{3, true}, Case{93, true}, Case{51, false}, Case{141, false}}) {
        child.Data.SetSkinSection("EDIT");
        child.Data.ControlKind = c.kind;
        child.Data.MouseInside = false;
        manager.SetHotWindow(nullptr);
        // Straight to the child's data: the class library also tells the parent.
        TMessage enter{CM_MOUSEENTER, 0, reinterpret_cast<platform::LPARAM>(&child), 0};
        EXPECT_FALSE(HandleCommonMessage(enter, &child.Data));
        EXPECT_EQ(child.Data.MouseInside, c.inside) << c.kind;
        EXPECT_EQ(manager.HotWindow(), child.Handle()) << c.kind;
        child.Data.GlowIndex = 4;
        Send(child, CM_MOUSELEAVE);
        EXPECT_FALSE(child.Data.MouseInside) << c.kind;
    }
    // Kinds 3 and 141 had their glow freed; 93 shows its own glow and 51 has none.
    EXPECT_EQ(freedGlows, (std::vector<std::int32_t>{4}));
    // An unskinned control is left alone.
    child.Data.SetSkinSection("NO SUCH SECTION");
    child.Data.ControlKind = 3;
    Send(child, CM_MOUSEENTER);
    EXPECT_FALSE(child.Data.MouseInside);
}

TEST_F(CommonMessages, HidingDropsTheCachesOfTheControlAndItsChildren) {
    parent.Data.SizeCacheBitmap();
    child.Data.SizeCacheBitmap();
    child.Commands.clear();
    parent.Data.BgDirty = false;
    Send(parent, CM_VISIBLECHANGED, 0);
    EXPECT_EQ(parent.Data.CacheBitmap->Width(), 0);
    EXPECT_TRUE(parent.Data.BgDirty);
    EXPECT_EQ(child.Commands, (std::vector<std::uint16_t>{ScDropCaches}));
    EXPECT_EQ(child.Data.CacheBitmap->Width(), 0);
    parent.Data.DeferPaint = true;
    Send(parent, CM_VISIBLECHANGED, 1);
    EXPECT_FALSE(parent.Data.DeferPaint);
}

TEST_F(CommonMessages, MovesAndSizesMarkTheLookStaleAndFreeTheGlow) {
    // A see-through child follows its parent: a move repaints it.
    child.Data.SetSkinSection("GROUPBOX");
    child.Data.BgDirty = false;
    child.Data.GlowIndex = 2;
    child.Commands.clear();
    Send(child, platform::WM_MOVE);
    EXPECT_TRUE(child.Data.BgDirty);
    EXPECT_EQ(child.Commands, (std::vector<std::uint16_t>{ScBackgroundChanged}));
    // The gradient panel tells its children that their background changed.
    child.Commands.clear();
    parent.Data.GlowIndex = 6;
    Send(parent, platform::WM_SIZE);
    EXPECT_TRUE(parent.Data.BgDirty);
    EXPECT_EQ(child.Commands, (std::vector<std::uint16_t>{ScBackgroundChanged}));
    EXPECT_EQ(freedGlows, (std::vector<std::int32_t>{2, 6}));
    EXPECT_EQ(parent.Data.GlowIndex, -1);
}

TEST_F(CommonMessages, UiStateIsConsumedOnlyWhenSkinned) {
    TMessage m{platform::WM_UPDATEUISTATE, 0, 0, 0};
    EXPECT_TRUE(HandleCommonMessage(m, &child.Data) == child.Data.HasSkin());
    child.Data.SetSkinSection("EDIT");
    EXPECT_TRUE(HandleCommonMessage(m, &child.Data));
    child.Data.SetSkinSection("NO SUCH SECTION");
    EXPECT_FALSE(HandleCommonMessage(m, &child.Data));
    EXPECT_FALSE(HandleCommonMessage(m, nullptr));
}

TEST_F(CommonMessages, FontSectionLooksThroughSeeThroughParents) {
    const int panel = manager.FindSectionIndex("PANEL");
    const int expected = manager.Skin().GeneralData.at(std::size_t(panel)).GiveOwnFont ? panel : -7;
    TSkinnedPanel label(nullptr);
    label.SetParent(&child);
    ScopeExit leave([&] { label.SetParent(nullptr); });
    // The child is see-through: its own section is passed over for the panel's.
    child.Data.SetSkinSection("GROUPBOX");
    EXPECT_EQ(FindFontSection(&label, -7, &manager, 0), expected);
    EXPECT_EQ(FindFontSection(&child, -7, &manager, 1), expected);
    // An opaque parent answers itself.
    child.Data.SetSkinSection("BUTTON");
    const int button = manager.FindSectionIndex("BUTTON");
    EXPECT_EQ(FindFontSection(&label, -7, &manager, 0),
              manager.Skin().GeneralData.at(std::size_t(button)).GiveOwnFont ? button : -7);
    // An unskinned parent, or none, gives the default.
    child.Data.SetSkinSection("NO SUCH SECTION");
    EXPECT_EQ(FindFontSection(&label, -7, &manager, 0), -7);
    EXPECT_EQ(FindFontSection(&form, -7, &manager, 0), -7);
    EXPECT_EQ(FindFontSection(nullptr, -7, &manager, 0), -7);
}
