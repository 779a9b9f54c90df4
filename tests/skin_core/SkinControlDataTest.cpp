#include "SkinControlFixtures.h"

#include "skin/core/controldata/ControlKinds.h"
#include "skin/core/controldata/SkCommonData.h"
#include "skin/core/controldata/SkinCommandHandling.h"
#include "skin/core/manager/SkinCommands.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/utils/SkinSystem.h"

#include "tests/support/TempFolder.h"

#include "ui/controls/Panels.h"
#include "ui/core/TextCase.h"
#include "ui/graphics/Bitmap.h"

#include "platform/display/Display.h"

#include <gtest/gtest.h>


TEST(ControlKinds, DefaultSectionsAndSets) {
    EXPECT_EQ(DefaultSectionOfKind(3), "EDIT");
    EXPECT_EQ(DefaultSectionOfKind(94), "BUTTON");
    EXPECT_EQ(DefaultSectionOfKind(226), "GROUPBOX");
    EXPECT_EQ(DefaultSectionOfKind(99), "");
    EXPECT_TRUE(IsEditKind(231));
    EXPECT_FALSE(IsEditKind(230));
    EXPECT_TRUE(IsContainerKind(51));
    EXPECT_FALSE(IsContainerKind(300));
    EXPECT_TRUE(IsGlowlessKind(226));
    EXPECT_FALSE(IsGlowlessKind(53));
}

TEST_F(SkinControlData, FreshDataIsDirtyAndAnswersCommandTen) {
    TSkCommonData data(&child, false);
    EXPECT_TRUE(data.BgDirty);
    EXPECT_TRUE(data.PartlyHidden);
    EXPECT_EQ(data.PaintState, kPlainUnknown);
    EXPECT_EQ(data.SectionIndex, -1);
    EXPECT_FALSE(data.CacheBitmap);
    EXPECT_EQ(Command(child, ScIsPaintDeferred), 1);
}

TEST_F(SkinControlData, SectionNamesAreUpperCasedAndEmptyIsUnknown) {
    child.Data.SetSkinSection("edit");
    EXPECT_EQ(child.Data.SkinSection(), "EDIT");
    EXPECT_EQ(child.Data.SectionIndex, manager.FindSectionIndex("EDIT"));
    EXPECT_TRUE(child.Data.HasSkin(true));
    child.Commands.clear();
    child.Data.SetSkinSection("");
    EXPECT_EQ(child.Data.SkinSection(), "UNKNOWN");
    EXPECT_EQ(child.Data.SectionIndex, -1);
    EXPECT_EQ(child.Commands, (std::vector<std::uint16_t>{ScRemoveSkin}));
    EXPECT_TRUE(child.Data.DeferPaint);
}

TEST_F(SkinControlData, TheDefaultManagerIsNeverStoredAsOwn) {
    child.Data.SetSkinManager(&manager);
    EXPECT_EQ(child.Data.SkinManager(), &manager);
    // Command 2 for another manager changes nothing.
    child.Data.SetSkinSection("BUTTON");
    TSkinManager other(nullptr);
    Command(child, ScRemoveSkin, reinterpret_cast<platform::LPARAM>(&other));
    EXPECT_GE(child.Data.SectionIndex, 0);
    Command(child, ScRemoveSkin, reinterpret_cast<platform::LPARAM>(&manager));
    EXPECT_EQ(child.Data.SectionIndex, -1);
}

TEST_F(SkinControlData, DefaultSectionsFollowTheKindOrTheClassName) {
    child.Data.ControlKind = 93;
    child.Data.ApplyDefaultSection();
    EXPECT_EQ(child.Data.SkinSection(), "BUTTON");
    TSkCommonData other(&child, false);
    other.ControlKind = 99;
    other.ApplyDefaultSection();
    EXPECT_EQ(other.SkinSection(), AnsiUpperCase(child.ClassName()));
    EXPECT_FALSE(other.SkinSection().empty());
}

TEST_F(SkinControlData, HotStateOfContainersNeedsFocus) {
    child.Data.SetSkinSection("PANEL");
    child.Data.ControlKind = 51;
    child.Data.MouseInside = true;
    EXPECT_FALSE(child.Data.InHotState());
    child.Data.HasFocus = true;
    EXPECT_TRUE(child.Data.InHotState());
    child.Data.HasFocus = false;
    child.Data.ControlKind = 93;
    EXPECT_TRUE(child.Data.InHotState());
    child.SetEnabled(false);
    EXPECT_FALSE(child.Data.InHotState());
}

TEST_F(SkinControlData, SkinUpdateBracketsSendTheirCommandsEveryTime) {
    child.Commands.clear();
    child.Data.BeginSkinUpdate();
    EXPECT_TRUE(child.Data.DeferPaint);
    EXPECT_TRUE(child.Data.PaintState & kInSkinUpdateBit);
    child.Data.EndSkinUpdate(false);
    child.Data.EndSkinUpdate(false);
    EXPECT_EQ(child.Data.UpdateDepth, -1);
    EXPECT_FALSE(child.Data.DeferPaint);
    EXPECT_EQ(child.Commands, (std::vector<std::uint16_t>{ScBeginSkinUpdate, ScEndSkinUpdate, ScEndSkinUpdate}));
}

TEST_F(SkinControlData, StateColoursComeFromTheSectionOrTheParent) {
    child.Data.SetSkinSection("BUTTON");
    const TSkGeneralData& button = manager.Skin().GeneralData[std::size_t(child.Data.SectionIndex)];
    EXPECT_EQ(child.Data.GetStateColor(0), std::uint32_t(button.Color));
    EXPECT_EQ(child.Data.GetStateColor(1), std::uint32_t(button.StateCount > 1 ? button.HotColor : button.Color));
    // A see-through group box takes its parent panel's colour.
    child.Data.SetSkinSection("GROUPBOX");
    const TSkGeneralData& panel = manager.Skin().GeneralData[std::size_t(parent.Data.SectionIndex)];
    EXPECT_EQ(child.Data.GetStateColor(0), std::uint32_t(panel.Color));
    EXPECT_EQ(Command(child, ScGetBackgroundColor), panel.Color);
}

TEST_F(SkinControlData, FlatOpaqueSectionAnswersItsColourAndStillItsCache) {
    child.Data.SetSkinSection("EDIT");
    TSkParentBgInfo info;
    EXPECT_TRUE(QueryControlBackground(info, &child, false));
    EXPECT_EQ(info.Kind, bgColor);
    EXPECT_EQ(info.Bitmap, child.Data.CacheBitmap.get());
    EXPECT_EQ(info.Color, child.Data.GetStateColor(0));
}

TEST_F(SkinControlData, GradientParentWithEmptyCacheIsNotReadyThenAnswersItsCache) {
    TSkParentBgInfo info;
    QueryControlBackground(info, &parent, false);
    EXPECT_EQ(info.Kind, bgNotReady);
    parent.Data.SizeCacheBitmap();
    ASSERT_EQ(parent.Data.CacheBitmap->Width(), 200);
    QueryControlBackground(info, &parent, false);
    EXPECT_EQ(info.Kind, bgBitmap);
    EXPECT_EQ(info.Bitmap, parent.Data.CacheBitmap.get());
}

TEST_F(SkinControlData, SeeThroughChildPassesTheQuestionOnWithItsOffset) {
    parent.Data.SizeCacheBitmap();
    child.Data.SetSkinSection("GROUPBOX");
    TSkParentBgInfo info;
    EXPECT_TRUE(QueryControlBackground(info, &child, false));
    EXPECT_EQ(info.Kind, bgBitmap);
    EXPECT_EQ(info.Bitmap, parent.Data.CacheBitmap.get());
    EXPECT_EQ(info.OffsetX, 12);
    EXPECT_EQ(info.OffsetY, 7);
    // The child's own view of what lies behind it.
    const TSkParentCache behind = child.Data.QueryParentCache();
    EXPECT_TRUE(behind.Ready);
    EXPECT_EQ(behind.Bitmap, parent.Data.CacheBitmap.get());
}

TEST_F(SkinControlData, PlainFlagOfContainersAndCommand36) {
    // The panel's gradient makes its background not plain.
    EXPECT_EQ(Command(parent, ScPlainBackground) & kPlainBackgroundBit, 0);
    // A flat colour with no frame is plain.
    child.Data.SetSkinSection("BAR");
    EXPECT_EQ(child.Data.PlainBackground(), 1);
    EXPECT_EQ(Command(child, ScPlainBackground), 1);
}

TEST_F(SkinControlData, PrintingAndSectionQueries) {
    child.Data.SetSkinSection("EDIT");
    TxSectionInfo section;
    Command(child, ScGetSectionIndex, reinterpret_cast<platform::LPARAM>(&section));
    EXPECT_EQ(section.SectionIndex, child.Data.SectionIndex);
    EXPECT_EQ(Command(child, ScGetSkinData), reinterpret_cast<platform::LRESULT>(&child.Data));
    Command(child, ScPrinting, 0x1234);
    EXPECT_TRUE(child.Data.PaintState & kPrintingBit);
    Command(child, ScPrinting, 0);
    EXPECT_FALSE(child.Data.PaintState & kPrintingBit);
    EXPECT_EQ(child.Data.PrintTarget, nullptr);
}
