#include "TextFixtures.h"

#include "tools/skingen/InternalSkin.h"

#include "skin/core/colors/ColorOps.h"
#include "skin/core/controldata/SkCommonData.h"
#include "skin/core/data/SkinColors.h"
#include "skin/core/glyphs/SmallShapes.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/text/SectionText.h"
#include "skin/core/utils/SkinSystem.h"

#include "tests/support/TempFolder.h"

#include "ui/controls/Label.h"
#include "ui/controls/Panels.h"

#include "platform/display/Display.h"
#include "platform/gdi/Clipping.h"
#include "platform/text/DrawText.h"

#include <gtest/gtest.h>

namespace {

constexpr unsigned kFormat = platform::DT_SINGLELINE | platform::DT_NOPREFIX;
constexpr std::uint32_t kBack = 0x00405060;

class SkinControlText : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    void SetUp() override {
        SetSkinMessageBoxFunction([](const std::string&, bool) {});
        manager.SetSkinDirectory(folder.Path().string());
        AddClassicInternalSkin(manager);
        manager.SetSkinName("Classic (внутренний)");
        panel.SetBounds(0, 0, 200, 100);
        data.SetSkinSection("BUTTON");
        ASSERT_TRUE(data.HasSkin());
    }
    void TearDown() override { SetSkinMessageBoxFunction(nullptr); }
    // The colour values drawn (red in the low byte).
    std::set<std::uint32_t> Drawn(bool enabled, bool hot) {
        auto bitmap = SolidBitmap32(60, 24, kBack);
        UseFixedFont(*bitmap->Canvas(), 14);
        DrawControlText(*bitmap->Canvas(), "ЖШ", enabled, hot, data, kFormat, TRect(2, 2, 58, 22));
        std::set<std::uint32_t> colors;
        for (std::uint32_t p : InkOf(*bitmap, kBack)) colors.insert(ExchangeRedBlue(p & 0xFFFFFF));
        return colors;
    }
    std::uint32_t FontColor(int state) const {
        const TSkGeneralData& s = manager.Skin().GeneralData[std::size_t(data.SectionIndex)];
        return ColorToRGB(static_cast<TColor>(s.StateProps[std::size_t(state)].FontColor[0]));
    }
    TempFolder folder;
    TSkinManager manager{nullptr};
    TPanel panel{nullptr};
    TSkCommonData data{&panel, false};
};

TEST_F(SkinControlText, ColoursOfTheControlsSection) {
    EXPECT_EQ(Drawn(true, false), std::set<std::uint32_t>{FontColor(0)});
    EXPECT_EQ(Drawn(true, true), std::set<std::uint32_t>{FontColor(1)});
    EXPECT_NE(FontColor(0), FontColor(1));
    const std::uint32_t pale = MixTwoColors(FontColor(0), GlobalBackColor(manager.Skin()), 0.4);
    EXPECT_EQ(Drawn(false, false), std::set<std::uint32_t>{pale});
}

TEST_F(SkinControlText, HueOffsetTurnsTheTextColour) {
    data.HUEOffset = 120;
    EXPECT_EQ(Drawn(true, true), std::set<std::uint32_t>{ShiftColorHue(120, FontColor(1))});
}

// Graphic children are cut out of the clipping unless the library option keeps them.
TEST_F(SkinControlText, GraphicControlsLeaveTheClipping) {
    TLabel label(nullptr);
    label.SetParent(&panel);
    label.SetBounds(10, 10, 20, 20);
    label.SetVisible(true);
    auto bitmap = SolidBitmap32(60, 40, kBack);
    platform::HDC dc = bitmap->Canvas()->Handle();
    ExcludeGraphicControls(dc, panel, 2, 5);
    EXPECT_EQ(platform::PtVisible(dc, 16, 13), 0);
    EXPECT_NE(platform::PtVisible(dc, 14, 13), 0);
    EXPECT_NE(platform::PtVisible(dc, 35, 13), 0);
    KeepGraphicControlsClipped = true;
    auto other = SolidBitmap32(60, 40, kBack);
    platform::HDC kept = other->Canvas()->Handle();
    ExcludeGraphicControls(kept, panel, 2, 5);
    KeepGraphicControlsClipped = false;
    EXPECT_NE(platform::PtVisible(kept, 16, 13), 0);
}

}  // namespace
