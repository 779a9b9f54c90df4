#include "tools/skingen/InternalSkin.h"

#include "skin/core/manager/SkinManager.h"
#include "skin/core/package/SkinPackage.h"
#include "skin/core/utils/SkinSystem.h"

#include "tests/support/TempFolder.h"

#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Colors.h"

#include "platform/display/Display.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class InternalSkin : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    void SetUp() override {
        SetSkinMessageBoxFunction([this](const std::string& text, bool) { shown.push_back(text); });
        manager.SetSkinDirectory(folder.Path().string());
        AddClassicInternalSkin(manager);
        manager.SetSkinName("Graphite");  // no such folder or package here
    }
    void TearDown() override { SetSkinMessageBoxFunction(nullptr); }
    const TSkGeneralData& Section(const char* name) {
        int index = manager.FindSectionIndex(name);
        EXPECT_GE(index, 0) << name;
        return manager.Skin().GeneralData.at(static_cast<std::size_t>(index));
    }

    TempFolder folder;
    TSkinManager manager{nullptr};
    std::vector<std::string> shown;
};

}  // namespace

TEST_F(InternalSkin, PackageHoldsOptionsAndTwoBitmapsInOrder) {
    std::string bytes(ClassicInternalSkinPackage());
    TMemoryStream source;
    source.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    auto reader = std::make_unique<TxSkinConvertor>();
    reader->SourceStream = &source;
    ReadSkinPackage(reader);
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->ItemCount, 2);
    ASSERT_EQ(reader->ImageItems.size(), 2u);
    EXPECT_EQ(reader->ImageItems[0].FileName, "ButtonHuge.bmp");
    EXPECT_EQ(reader->ImageItems[1].FileName, "Master.bmp");
    EXPECT_TRUE(reader->ImageItems[0].IsBitmap && reader->ImageItems[1].IsBitmap);
    EXPECT_EQ(source.Position(), source.Size());
}

TEST_F(InternalSkin, LoadsWithItsPinnedValues) {
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(manager.SkinName(), "Classic (внутренний)");
    EXPECT_EQ(manager.SkinInfo(), "8");
    EXPECT_EQ(manager.Skin().GeneralData.size(), 61u);
    EXPECT_EQ(manager.Skin().GeneralData[1].SectionName, "TOOLBUTTON");
    EXPECT_EQ(manager.Skin().GeneralData[60].SectionName, "RIBBONTAB");
    EXPECT_EQ(manager.Skin().MasterBitmap->Width(), 255);
    EXPECT_EQ(manager.Skin().MasterBitmap->Height(), 231);
    const TSkinData& global = manager.SkinData();
    EXPECT_EQ(global.Shadow1Offset, 1);
    EXPECT_EQ(global.Shadow1Blur, 1);
    EXPECT_EQ(global.BorderColor, 14518133);
    EXPECT_EQ(global.TitleIconSpacing, 2);
    EXPECT_EQ(global.TitleIconKeepHue, 2);
    EXPECT_EQ(global.Description, "");
    EXPECT_EQ(Section("GLOBALINFO").Color, 14675954);

    const TSkGeneralData& splitter = Section("SPLITTER");
    EXPECT_EQ(splitter.Color, 14675954);
    EXPECT_EQ(splitter.Transparency, 100);
    EXPECT_EQ(splitter.StateCount, 3);
    int splitterIndex = manager.FindSectionIndex("SPLITTER");
    EXPECT_EQ(manager.FindSectionIndex("splitter"), -1);
    int small = manager.FindMaskIndex(splitterIndex, "SPLITTER", "BORDERSMASK");
    ASSERT_GE(small, 0);
    EXPECT_EQ(manager.Skin().Masks[small].Section, "SPEEDBUTTON");

    const TSkGeneralData& edit = Section("EDIT");
    EXPECT_EQ(edit.StateCount, 1);
    EXPECT_EQ(edit.Color, 16777215);
    EXPECT_EQ(edit.StateProps[HotState].Color, 16777215);
    EXPECT_EQ(edit.HotColor, 0);
    EXPECT_TRUE(edit.FadingEnabled);

    EXPECT_EQ(Section("PANEL_LOW").GradientPercent, 0);
    EXPECT_EQ(Section("PANEL").GradientPercent, 100);
    EXPECT_EQ(Section("GAUGE").Transparency, 0);
    EXPECT_EQ(Section("GAUGE").Color, Section("PANEL").Color);

    const TSkGeneralData& button = Section("BUTTON");
    EXPECT_EQ(button.Color, 16772574);
    EXPECT_EQ(button.HotColor, 16777215);
    EXPECT_TRUE(button.FadingEnabled);
    EXPECT_EQ(button.FadingIterations, 5);
    EXPECT_EQ(button.GradientPercent, 100);
    const TSkMaskData& buttonMask = manager.Skin().Masks.at(button.BorderMaskIndex);
    EXPECT_EQ(buttonMask.FrameCount, 3);
    EXPECT_EQ(buttonMask.MaskMode, 1);
    EXPECT_EQ(Section("BUTTON_BIG").BorderMaskIndex, button.BorderMaskIndex);

    const TSkGeneralData& huge = Section("BUTTON_HUGE");
    const TSkMaskData& hugeMask = manager.Skin().Masks.at(huge.BorderMaskIndex);
    ASSERT_TRUE(hugeMask.Image);
    EXPECT_EQ(hugeMask.Image->Width(), 288);
    EXPECT_EQ(hugeMask.Image->Height(), 192);
    EXPECT_EQ(hugeMask.BorderLeft, 32);
    EXPECT_EQ(hugeMask.CornerMode, 2);

    const TSkGeneralData& grip = Section("GRIPH");
    EXPECT_EQ(grip.BorderMaskIndex, -1);
    ASSERT_GE(grip.TextureIndex, 0);
    EXPECT_EQ(manager.Skin().Masks[grip.TextureIndex].DrawFlags, 10);

    const TSkStdIndexes& std = manager.Skin().StdIndexes;
    EXPECT_EQ(std.GlobalInfo, 0);
    EXPECT_GE(std.GlobalMask("BOXCHECKED"), 0);
    EXPECT_GE(std.GlobalMask("BICONCLOSE"), 0);
    for (const TSkStdPart& button : std.ScrollButtons) {
        EXPECT_GE(button.BorderMask, 0);
        EXPECT_GE(button.Glyph, 0);
    }
    EXPECT_GE(std.ComboGlyph, 0);
    EXPECT_GE(std.Tabs[0].BorderMask, 0);
    EXPECT_GE(std.WebButton, 0);

    const TSkGeneralData& form = Section("FORM");
    EXPECT_EQ(manager.Skin().Masks.at(form.BorderMaskIndex).FrameCount, 2);
    EXPECT_GE(manager.Skin().FindOwnMaskIndex("FORM", "BICONCLOSE"), 0);

    for (const char* one : {"EDIT", "GAUGE", "ALPHAEDIT", "MAINMENU", "ALPHACOMBOBOX", "TOOLBAR"})
        EXPECT_EQ(Section(one).StateCount, 1) << one;
    for (const char* glyph : {"GRIPIMAGE", "BOXCHECKED", "BOXUNCHECKED", "BOXGRAYED", "RADIOCHECKED",
                              "RADIOUNCHECKED", "SMALLCHECKED", "SMALLUNCHECKED", "SMALLGRAYED", "BICONCLOSE",
                              "BICONHELP", "BICONMAX", "BICONMIN", "BICONNORM", "TITLEBUTTON"}) {
        int index = manager.Skin().FindOwnMaskIndex("GLOBALINFO", glyph);
        ASSERT_GE(index, 0) << glyph;
        EXPECT_EQ(manager.Skin().Masks[index].ImageKind, ikGlyph) << glyph;
    }
}

TEST_F(InternalSkin, ParentLinks) {
    struct Link {
        const char* child;
        const char* parent;
    } links[] = {{"TOOLBUTTON", "SPEEDBUTTON"},     {"SPLITTER", "SPEEDBUTTON_SMALL"},
                 {"SPEEDBUTTON_SMALL", "SPEEDBUTTON"}, {"PANEL_LOW", "PANEL"},
                 {"DRAGBAR", "PANEL"},              {"GAUGE", "PANEL"},
                 {"DIALOG", "FORM"},                {"PAGECONTROLBOTTOM", "PAGECONTROL"},
                 {"PAGECONTROLRIGHT", "PAGECONTROL"}, {"PAGECONTROLLEFT", "PAGECONTROL"},
                 {"COMBOBOX", "EDIT"},              {"BUTTON_BIG", "BUTTON"},
                 {"BUTTON_HUGE", "BUTTON_BIG"}};
    for (const Link& l : links) EXPECT_EQ(Section(l.child).ParentSection, l.parent) << l.child;
}

// Every section a control of the program paints has a border mask whose
// frames lie in its picture and whose borders leave a middle, and the
// pieces that carry glyphs have them.
TEST_F(InternalSkin, SectionsThatControlsUseHaveCompleteMasksAndGlyphs) {
    const TSkinContent& skin = manager.Skin();
    auto checkMask = [&](int index, const std::string& what) {
        ASSERT_GE(index, 0) << what;
        const TSkMaskData& m = skin.Masks.at(static_cast<std::size_t>(index));
        const TBitmap& picture = m.Image ? *m.Image : *skin.MasterBitmap;
        EXPECT_GE(m.FrameCount, 1) << what;
        EXPECT_GE(m.SourceRect.left, 0) << what;
        EXPECT_GE(m.SourceRect.top, 0) << what;
        EXPECT_LE(m.SourceRect.right, picture.Width()) << what;
        EXPECT_LE(m.SourceRect.bottom, picture.Height()) << what;
        int frameWidth = (m.SourceRect.right - m.SourceRect.left) / std::max<int>(1, m.FrameCount);
        int frameHeight = (m.SourceRect.bottom - m.SourceRect.top) / (m.MaskMode + 1);
        EXPECT_LT(m.BorderLeft + m.BorderRight, frameWidth) << what;
        EXPECT_LT(m.BorderTop + m.BorderBottom, frameHeight) << what;
    };
    for (const char* name : {"BUTTON", "BUTTON_BIG", "BUTTON_HUGE", "EDIT", "COMBOBOX", "ALPHAEDIT", "ALPHACOMBOBOX",
                             "SPEEDBUTTON", "SPEEDBUTTON_SMALL", "TOOLBUTTON", "PANEL", "PANEL_LOW", "DRAGBAR", "GAUGE",
                             "GROUPBOX", "FORM", "DIALOG", "MENUITEM", "HINT", "STATUSBAR", "PROGRESSH", "PROGRESSV",
                             "PAGECONTROL", "TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT", "SCROLLBAR1H", "SCROLLBAR2H",
                             "SCROLLBAR1V", "SCROLLBAR2V", "SCROLLSLIDERH", "SCROLLSLIDERV", "SCROLLBTNLEFT",
                             "SCROLLBTNRIGHT", "SCROLLBTNTOP", "SCROLLBTNBOTTOM"})
        checkMask(Section(name).BorderMaskIndex, name);
    int track = manager.FindSectionIndex("TRACKBAR");
    for (const char* key : {"SLIDERCHANNEL", "SLIDERMASK", "SLIDERVMASK"})
        checkMask(manager.FindMaskIndex(track, "TRACKBAR", key), key);
    for (const char* name : {"COMBOBOX", "SCROLLBTNLEFT", "SCROLLBTNRIGHT", "SCROLLBTNTOP", "SCROLLBTNBOTTOM"}) {
        int glyph = manager.FindMaskIndex(manager.FindSectionIndex(name), name, "GLYPHMASK");
        ASSERT_GE(glyph, 0) << name;
        EXPECT_EQ(skin.Masks.at(static_cast<std::size_t>(glyph)).FrameCount, 3) << name;
    }
}
