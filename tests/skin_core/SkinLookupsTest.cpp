#include "skin/core/data/SkinLookups.h"

#include <gtest/gtest.h>

namespace {

TSkinContent Family() {
    TSkinContent skin;
    auto section = [&](const char* name, const char* parent) {
        TSkGeneralData d;
        d.SectionName = name;
        d.ParentSection = parent;
        skin.GeneralData.push_back(d);
    };
    section("SPEEDBUTTON", "");
    section("SPEEDBUTTON_SMALL", "SPEEDBUTTON");
    section("SPLITTER", "SPEEDBUTTON_SMALL");
    section("A", "B");
    section("B", "A");
    section("SELF", "SELF");
    auto mask = [&](const char* section, const char* key, std::uint8_t kind) {
        TSkMaskData m;
        m.Section = section;
        m.Key = key;
        m.ImageKind = kind;
        skin.Masks.push_back(m);
    };
    mask("SPEEDBUTTON", "PATTERN", ikTexture);
    mask("SPEEDBUTTON_SMALL", "BORDERSMASK", ikBorderMask);
    mask("SPEEDBUTTON", "GLYPH", ikGlyph);
    return skin;
}

}  // namespace

TEST(SkinLookups, SectionsAndMasksThroughParents) {
    TSkinContent skin = Family();
    int splitter = skin.FindSectionIndex("SPLITTER");
    EXPECT_EQ(splitter, 2);
    EXPECT_EQ(skin.FindSectionIndex("splitter"), -1);
    EXPECT_EQ(skin.FindSectionIndex(""), -1);
    EXPECT_EQ(skin.FindMaskIndex(splitter, "SPLITTER", "BORDERSMASK"), 1);
    EXPECT_EQ(skin.FindMaskIndex(-1, "SPEEDBUTTON_SMALL", "BORDERSMASK"), -1);
    EXPECT_EQ(skin.FindMaskIndex(splitter, "", "BORDERSMASK"), -1);
    EXPECT_EQ(skin.FindOwnMaskIndex("SPLITTER", "BORDERSMASK"), -1);
    EXPECT_EQ(skin.FindOwnMaskIndex("SPEEDBUTTON_SMALL", "BORDERSMASK"), 1);
    EXPECT_EQ(skin.FindPatternIndex(splitter, "SPLITTER", "PATTERN"), 0);
    EXPECT_EQ(skin.FindPatternIndex(splitter, "SPLITTER", "GLYPH"), -1);  // not a texture
    EXPECT_EQ(skin.FindMaskIndex(splitter, "SPLITTER", "GLYPH"), 2);
    EXPECT_EQ(skin.FindJpegPatternIndex(splitter, "SPLITTER", "PATTERN"), -1);
}

TEST(SkinLookups, ParentCyclesEndTheSearch) {
    TSkinContent skin = Family();
    EXPECT_EQ(skin.FindMaskIndex(skin.FindSectionIndex("A"), "A", "BORDERSMASK"), -1);
    EXPECT_EQ(skin.FindMaskIndex(skin.FindSectionIndex("SELF"), "SELF", "BORDERSMASK"), -1);
    EXPECT_EQ(skin.FindPatternIndex(skin.FindSectionIndex("B"), "B", "PATTERN"), -1);
}

TEST(SkinLookups, MaskGeometry) {
    TSkinContent skin;
    TSkMaskData m;
    m.SourceRect = {0, 0, 60, 43};
    m.FrameCount = 0;
    m.MaskMode = 1;
    skin.Masks.push_back(m);
    EXPECT_EQ(MaskFrameWidth(skin.Masks[0]), 0);
    EXPECT_EQ(MaskFrameHeight(skin.Masks[0]), 21);
    EXPECT_EQ(skin.MaskLeftWidth(0), 60);  // the frame count repaired to 1 first
    EXPECT_EQ(skin.Masks[0].FrameCount, 1);
    EXPECT_EQ(skin.MaskTopWidth(0), 21);
    skin.Masks[0].BorderSize = 4;
    skin.Masks[0].BorderRight = 6;
    EXPECT_EQ(skin.MaskRightWidth(0), 6);
    EXPECT_EQ(skin.MaskBottomWidth(0), 4);
    skin.Masks[0].MaskMode = -1;
    skin.Masks[0].BorderSize = 0;
    EXPECT_EQ(skin.MaskBottomWidth(0), 0);
    EXPECT_TRUE(skin.MaskIndexValid(0));
    EXPECT_FALSE(skin.MaskIndexValid(1));
    EXPECT_FALSE(skin.MaskIndexValid(-1));
}

TEST(SkinStdIndexes, ResolvedFromTheSkinOrMinusOne) {
    TSkinContent skin;
    auto section = [&](const char* name, const char* parent) {
        TSkGeneralData d;
        d.SectionName = name;
        d.ParentSection = parent;
        skin.GeneralData.push_back(d);
    };
    auto mask = [&](const char* s, const char* key, std::uint8_t kind = ikBorderMask) {
        TSkMaskData m;
        m.Section = s;
        m.Key = key;
        m.ImageKind = kind;
        skin.Masks.push_back(m);
        return static_cast<int>(skin.Masks.size()) - 1;
    };
    section("GLOBALINFO", "");
    section("SCROLLBTNTOP", "");
    section("SCROLLBTNBOTTOM", "SCROLLBTNTOP");
    section("TABTOP", "");
    section("COMBOBTN", "");
    int check = mask("GLOBALINFO", "BOXCHECKED");
    int arrow = mask("SCROLLBTNTOP", "GLYPHMASK");
    int border = mask("SCROLLBTNTOP", "BORDERSMASK");
    int tab = mask("TABTOP", "BORDERSMASK");
    mask("TABTOP", "PATTERN", ikTexture);
    int comboPattern = mask("COMBOBTN", "PATTERN", ikTexture);
    mask("COMBOBTN", "HOTPATTERN", ikGlyph);  // not a texture
    TSkStdIndexes s = ResolveStdIndexes(skin);
    EXPECT_EQ(s.GlobalInfo, 0);
    EXPECT_EQ(s.GlobalMask("BOXCHECKED"), check);
    EXPECT_EQ(s.GlobalMask("RADIOGRAYED"), -1);
    EXPECT_EQ(s.ScrollButtons[0].Glyph, arrow);
    EXPECT_EQ(s.ScrollButtons[1].Glyph, arrow);       // through PARENTCLASS
    EXPECT_EQ(s.ScrollButtons[1].BorderMask, border);
    EXPECT_EQ(s.ScrollButtons[2].Section, -1);
    EXPECT_EQ(s.ScrollButtons[2].Glyph, -1);
    EXPECT_EQ(s.Tabs[0].BorderMask, tab);
    EXPECT_EQ(s.Tabs[0].Pattern, -1);  // tabs take only their borders
    EXPECT_EQ(s.ComboButton.Pattern, comboPattern);
    EXPECT_EQ(s.ComboButton.HotPattern, -1);
    EXPECT_EQ(s.WebButton, -1);
    skin.GeneralData.erase(skin.GeneralData.begin());  // no GLOBALINFO: its masks are -1 too
    EXPECT_EQ(ResolveStdIndexes(skin).GlobalMask("BOXCHECKED"), -1);
}
