#include "skin/core/data/SkinColors.h"

#include "ui/graphics/Colors.h"

#include <gtest/gtest.h>

namespace {

TSkGeneralData& AddSection(TSkinContent& skin, const char* name, int states = 3) {
    TSkGeneralData d;
    d.SectionName = name;
    d.StateCount = states;
    skin.GeneralData.push_back(d);
    return skin.GeneralData.back();
}

}  // namespace

TEST(SkinColors, FallbacksWithoutSections) {
    TSkinContent none;
    EXPECT_EQ(GlobalBackColor(none), ColorToRGB(static_cast<TColor>(0xFF00000F)));
    EXPECT_EQ(GlobalFontColor(none), 0xFF00FFu);
    EXPECT_EQ(GlobalHotColor(none), ColorToRGB(static_cast<TColor>(0xFF000005)));
    EXPECT_EQ(EditFontColor(none), 0xFF000008u);
    EXPECT_EQ(SelectionColor(none, false), 0xFF00000Du);
    EXPECT_EQ(SelectionFontColor(none, true), 0xFF00000Eu);
}

TEST(SkinColors, SkinValues) {
    TSkinContent skin;
    TSkGeneralData& global = AddSection(skin, "GLOBALINFO");
    global.Color = 0x123456;
    global.FontColor[0] = 0x010203;
    global.HotColor = static_cast<std::int32_t>(0xFF000005);  // a system colour goes through ColorToRGB
    TSkGeneralData& edit = AddSection(skin, "EDIT", 1);
    edit.StateProps[NormalState].FontColor[0] = 0x0A0B0C;
    TSkGeneralData& selection = AddSection(skin, "SELECTION");
    selection.StateProps[NormalState].Color = 0x111111;
    selection.StateProps[HotState].Color = 0x222222;
    selection.StateProps[NormalState].FontColor[0] = static_cast<std::int32_t>(0xFF000008);
    EXPECT_EQ(GlobalBackColor(skin), 0x123456u);
    EXPECT_EQ(GlobalFontColor(skin), 0x010203u);
    EXPECT_EQ(GlobalHotColor(skin), ColorToRGB(static_cast<TColor>(0xFF000005)));
    EXPECT_EQ(EditFontColor(skin), 0x0A0B0Cu);
    EXPECT_EQ(SelectionColor(skin, false), 0x111111u);
    EXPECT_EQ(SelectionColor(skin, true), 0x222222u);
    EXPECT_EQ(SelectionFontColor(skin, false), 0xFF000008u);  // returned unconverted
    selection.StateCount = 1;
    EXPECT_EQ(SelectionColor(skin, true), 0x111111u);  // one state: the normal one
}

TEST(SkinColors, SelectionFallsBackOnTheMenuItem) {
    struct Case {
        std::int32_t selection, menuHot;
        std::uint32_t expected;
    } cases[] = {
        {0xFF00FF, 0xFFFFFF, 0xFF00000D},  // both count as missing
        {-1, 0x00AA00, 0x00AA00},
        {0xFF00FF, -1, 0xFF00000D},
        {0xFF00FF, 0xFF00FF, 0xFF00000D},
        {0x000001, 0x00AA00, 0x000001},
    };
    for (const Case& c : cases) {
        TSkinContent skin;
        AddSection(skin, "SELECTION").StateProps[NormalState].Color = c.selection;
        AddSection(skin, "MENUITEM").HotColor = c.menuHot;
        EXPECT_EQ(SelectionColor(skin, false), c.expected) << std::hex << c.selection << " " << c.menuHot;
    }
    TSkinContent menuOnly;
    TSkGeneralData& item = AddSection(menuOnly, "MENUITEM");
    item.HotFontColor[0] = 0x00BB00;
    EXPECT_EQ(SelectionFontColor(menuOnly, false), 0x00BB00u);
    item.HotFontColor[0] = -1;
    EXPECT_EQ(SelectionFontColor(menuOnly, false), 0xFF00000Eu);
}
