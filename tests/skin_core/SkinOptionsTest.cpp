#include "skin/core/data/CornerMode.h"
#include "skin/core/options/ImageValues.h"
#include "skin/core/options/SkinOptions.h"

#include "ui/core/Exceptions.h"
#include "ui/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

namespace {

void Parse(const std::string& text, TSkIniSections& ini) {
    TStringList lines;
    lines.SetText(text);
    ParseIniSections(lines, ini);
}

const char* const kFamily =
    "[GLOBALINFO]\nVERSION=7.5\n"
    "[SPEEDBUTTON]\nCOLOR=14675954\nTRANSPARENCY=100\nTCLEFT=255\nGRADIENTDATA=0;1;2;3;4\nGRADIENTPERCENT=40\n"
    "HOTCOLOR=0xFF00000F\n"
    "[SPEEDBUTTON_SMALL]\nPARENTCLASS=SPEEDBUTTON\nTCLEFT=-1\n"
    "[SPLITTER]\nPARENTCLASS=SPEEDBUTTON_SMALL\n"
    "[PANEL_LOW]\nPARENTCLASS=SPEEDBUTTON\nGRADIENTDATA=N/A\nGRADIENTPERCENT=0\n"
    "[EDIT]\nSTATES=1\nCOLOR=16777215\nHOTCOLOR=255\nHOTFONTCOLOR=9\n"
    "[LOOP_A]\nPARENTCLASS=LOOP_B\n"
    "[LOOP_B]\nPARENTCLASS=LOOP_A\n"
    "[SELF]\nPARENTCLASS=SELF\n";

}  // namespace

TEST(SkinOptions, InheritanceThroughParentsAndCycles) {
    TSkIniSections ini;
    Parse(kFamily, ini);
    TSkinContent skin;
    LoadSkinOptions(ini, skin);
    ASSERT_EQ(skin.GeneralData.size(), 9u);
    EXPECT_EQ(skin.GeneralData[3].SectionName, "SPLITTER");  // file order
    const TSkGeneralData& splitter = skin.GeneralData[skin.FindSectionIndex("SPLITTER")];
    EXPECT_EQ(splitter.ParentSection, "SPEEDBUTTON_SMALL");
    EXPECT_EQ(splitter.Color, 14675954);
    EXPECT_EQ(splitter.Transparency, 100);
    EXPECT_EQ(splitter.StateCount, 3);
    EXPECT_EQ(splitter.FontColor[1], 255);  // -1 in the parent counts as absent
    EXPECT_EQ(splitter.FontColor[2], -1);
    EXPECT_EQ(splitter.HotColor, static_cast<std::int32_t>(ColorToRGB(0xFF00000F)));  // inherited: converted
    const TSkGeneralData& low = skin.GeneralData[skin.FindSectionIndex("PANEL_LOW")];
    EXPECT_EQ(low.GradientPercent, 0);
    EXPECT_EQ(low.GradientData, "N/A");
    EXPECT_EQ(skin.GeneralData[skin.FindSectionIndex("SPEEDBUTTON")].GradientPercent, 40);
    // Loops end as if there were no parent: the defaults.
    for (const char* name : {"LOOP_A", "LOOP_B", "SELF"}) {
        const TSkGeneralData& d = skin.GeneralData[skin.FindSectionIndex(name)];
        EXPECT_EQ(d.Color, 0xFFFFFF) << name;
        EXPECT_EQ(d.StateCount, 3) << name;
    }
    EXPECT_EQ(ReadInheritedText(ini, "LOOP_A", "GRADIENTDATA", "dflt"), "dflt");
}

TEST(SkinOptions, OneStateSectionCopiesItsNormalState) {
    TSkIniSections ini;
    Parse(kFamily, ini);
    TSkinContent skin;
    LoadSkinOptions(ini, skin);
    const TSkGeneralData& edit = skin.GeneralData[skin.FindSectionIndex("EDIT")];
    EXPECT_EQ(edit.StateCount, 1);
    EXPECT_EQ(edit.StateProps[HotState], edit.StateProps[NormalState]);
    EXPECT_EQ(edit.StateProps[HotState].Color, 16777215);
    EXPECT_EQ(edit.HotColor, 0);
    EXPECT_EQ(edit.HotFontColor[0], 0);
    EXPECT_EQ(edit.HotGradientData, "");
    const TSkGeneralData& button = skin.GeneralData[skin.FindSectionIndex("SPEEDBUTTON")];
    EXPECT_EQ(button.StateProps[HotState].Color, static_cast<std::int32_t>(0xFF00000F));  // own HOTCOLOR unconverted
}

TEST(SkinOptions, GlobalInfoDefaults) {
    TSkIniSections ini;
    Parse("[GLOBALINFO]\nTITLEHEIGHT=0\n", ini);
    TSkinData d;
    ReadGlobalInfo(ini, d);
    EXPECT_EQ(d.Version, 0);
    EXPECT_EQ(d.FormBorderWidth, 4);
    EXPECT_EQ(d.TitleHeight, 30);
    EXPECT_EQ(d.MaxTitleHeight, 30);
    EXPECT_EQ(d.Shadow1Blur, -1);
    EXPECT_EQ(d.Shadow1Offset, 0);
    EXPECT_FALSE(d.AeroBlur);
    Parse("[GLOBALINFO]\nVERSION=7.45\nTITLEHEIGHT=24\nBORDERWIDTH=0x6\nAEROBLUR=2\nSHADOW1BLUR=5\nAUTHOR=Я\n", ini);
    ReadGlobalInfo(ini, d);
    EXPECT_DOUBLE_EQ(d.Version, 7.45);
    EXPECT_EQ(d.TitleHeight, 24);
    EXPECT_EQ(d.MaxTitleHeight, 24);
    EXPECT_EQ(d.FormBorderWidth, 6);
    EXPECT_TRUE(d.AeroBlur);
    EXPECT_EQ(d.Shadow1Blur, 5);
    EXPECT_EQ(d.Author, "Я");
}

TEST(SkinOptions, StrictGlobalKeysFailTheLoad) {
    for (const char* key : {"SHADOW1OFFSET", "SHADOW1BLUR", "SHADOW1TRANSPARENCY", "BICONCLOSEGLOW",
                            "BICONCLOSEGLOWMARGIN", "BICONMAXGLOW", "BICONMAXGLOWMARGIN", "BICONMINGLOW",
                            "BICONMINGLOWMARGIN"}) {
        TSkIniSections ini;
        Parse(std::string("[GLOBALINFO]\n") + key + "=x1\n", ini);
        TSkinData d;
        EXPECT_THROW(ReadGlobalInfo(ini, d), EConvertError) << key;
    }
    TSkIniSections lenient;
    Parse("[GLOBALINFO]\nBORDERWIDTH=x1\n", lenient);
    TSkinData d;
    ReadGlobalInfo(lenient, d);
    EXPECT_EQ(d.FormBorderWidth, 4);
}

TEST(SkinImageValues, EachForm) {
    auto border = ParseImageValue("BUTTON", "BORDERSMASK", "^0000^0147^0063^0189^0007^0007^0007^0007^3^1^4^1");
    ASSERT_TRUE(border);
    EXPECT_EQ(border->Form, TSkImageForm::MasterBorder);
    EXPECT_EQ(border->Record.SourceRect, (platform::RECT{0, 147, 63, 189}));
    EXPECT_EQ(border->Record.BorderLeft, 7);
    EXPECT_EQ(border->Record.BorderBottom, 7);
    EXPECT_EQ(border->Record.FrameCount, 3);
    EXPECT_EQ(border->Record.MaskMode, 1);
    EXPECT_EQ(border->Record.DrawFlags, 4);
    EXPECT_EQ(border->Record.BorderSize, 1);
    EXPECT_EQ(border->Record.ImageKind, ikBorderMask);

    auto glyph = ParseImageValue("CHECK", "GLYPHMASK", "@0147@0029@0195@0042@3@0");
    ASSERT_TRUE(glyph);
    EXPECT_EQ(glyph->Record.SourceRect, (platform::RECT{147, 29, 195, 42}));
    EXPECT_EQ(glyph->Record.FrameCount, 3);
    EXPECT_EQ(glyph->Record.ImageKind, ikGlyph);

    auto texture = ParseImageValue("FORM", "PATTERN", "~0121~0145~0126~0155~10~1");
    ASSERT_TRUE(texture);
    EXPECT_EQ(texture->Record.DrawFlags, 10);
    EXPECT_EQ(texture->Record.MaskMode, 1);
    EXPECT_EQ(texture->Record.FrameCount, 1);
    EXPECT_EQ(texture->Record.ImageKind, ikTexture);
    EXPECT_EQ(ParseImageValue("FORM", "PATTERN", "~0121~0145~0126~0155~10")->Record.MaskMode, 0);

    auto own = ParseImageValue("BUTTON_HUGE", "BORDERSMASK", "!BUTTONHUGE.BMP!3!1!0!0032!0032!0032!0032!0");
    ASSERT_TRUE(own);
    EXPECT_EQ(own->FileName, "BUTTONHUGE.BMP");
    EXPECT_EQ(own->Record.BorderTop, 32);
    EXPECT_EQ(own->Record.DrawFlags, 0);
    EXPECT_FALSE(own->BordersFromPicture);
    EXPECT_FALSE(ParseImageValue("BUTTON_HUGE", "BORDERSMASK", "!buttonhuge.bmp!3!1!0!0032!0032!0032!0032!0"));
    auto shortOwn = ParseImageValue("X", "K", "!A.PNG!x!1!9");
    ASSERT_TRUE(shortOwn);
    EXPECT_EQ(shortOwn->Record.FrameCount, 0);  // a letter counts as 0
    EXPECT_EQ(shortOwn->Record.ImageKind, 4);   // limited to 4
    EXPECT_EQ(shortOwn->Record.DrawFlags, 1);   // absent
    EXPECT_TRUE(shortOwn->BordersFromPicture);

    auto older = ParseImageValue("Edit", "BordersMask", "#(0,10,30,40)(3,1,2)");
    ASSERT_TRUE(older);
    EXPECT_EQ(older->Form, TSkImageForm::OlderMaster);
    EXPECT_EQ(older->Record.Section, "EDIT");
    EXPECT_EQ(older->Record.Key, "BORDERSMASK");
    EXPECT_EQ(older->Record.SourceRect, (platform::RECT{0, 10, 30, 40}));
    EXPECT_EQ(older->Record.FrameCount, 3);
    EXPECT_EQ(older->Record.MaskMode, 1);
    EXPECT_EQ(older->Record.BorderSize, 2);
    EXPECT_EQ(older->Record.DrawFlags, 1);

    auto olderOwn = ParseImageValue("Edit", "Pic", "frame.bmp");
    ASSERT_TRUE(olderOwn);
    EXPECT_EQ(olderOwn->FileName, "FRAME.BMP");
    EXPECT_EQ(olderOwn->Record.FrameCount, 3);
    EXPECT_EQ(olderOwn->Record.MaskMode, 1);

    for (const char* none : {"N/A", "12", "#", "", "wood.jpg"}) EXPECT_FALSE(ParseImageValue("S", "K", none)) << none;
    EXPECT_EQ(ImageFormOf("wood.JPEG"), TSkImageForm::Jpeg);
}

TEST(SkinImageValues, PositionalFieldsAreStrict) {
    EXPECT_THROW(ParseImageValue("B", "K", "^0000^01A7^0063^0189^0007^0007^0007^0007^3^1^4^1"), EConvertError);
    EXPECT_THROW(ParseImageValue("B", "K", "@0147@0029@0195"), EConvertError);  // cut short
    EXPECT_THROW(ParseImageValue("B", "K", "~0121~0145~0126~0155~x0"), EConvertError);
}

TEST(SkinImageValues, GeometryRepairs) {
    // Zero borders with a border size take the size; without one a third of a frame.
    TSkMaskData sized = ParseImageValue("B", "K", "^0000^0000^0060^0040^0000^0000^0000^0000^2^1^0^5")->Record;
    CompleteBorderGeometry(TSkImageForm::MasterBorder, sized, 8);
    EXPECT_EQ(sized.BorderLeft, 5);
    EXPECT_EQ(sized.BorderBottom, 5);
    TSkMaskData thirds = ParseImageValue("B", "K", "^0000^0000^0060^0040^0000^0000^0000^0000^2^1^0^0")->Record;
    CompleteBorderGeometry(TSkImageForm::MasterBorder, thirds, 8);
    EXPECT_EQ(thirds.BorderLeft, 10);  // 60 / (2 * 3)
    EXPECT_EQ(thirds.BorderTop, 6);    // 40 / (2 * 3)
    // Skins before 7.4: a one-pixel centre stretches, any other tiles.
    TSkMaskData onePixel = ParseImageValue("B", "K", "^0000^0000^0030^0022^0007^0005^0007^0005^2^1^0^0")->Record;
    CompleteBorderGeometry(TSkImageForm::MasterBorder, onePixel, 7.3);
    EXPECT_EQ(onePixel.DrawFlags & 1, 1);
    TSkMaskData wide = ParseImageValue("B", "K", "^0000^0000^0040^0022^0007^0005^0007^0005^2^1^1^0")->Record;
    CompleteBorderGeometry(TSkImageForm::MasterBorder, wide, 7.3);
    EXPECT_EQ(wide.DrawFlags & 1, 0);
    TSkMaskData newer = ParseImageValue("B", "K", "^0000^0000^0040^0022^0007^0005^0007^0005^2^1^1^0")->Record;
    CompleteBorderGeometry(TSkImageForm::MasterBorder, newer, 7.4);
    EXPECT_EQ(newer.DrawFlags & 1, 1);
}

namespace {

std::shared_ptr<TBitmap> Picture(int w, int h, std::uint32_t fill) {
    auto bitmap = std::make_shared<TBitmap>(w, h, TPixelFormat::pf32bit);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) std::memcpy(static_cast<std::uint8_t*>(bitmap->ScanLine(y)) + x * 4, &fill, 4);
    return bitmap;
}

void PutPixel(TBitmap& bitmap, int x, int y, std::uint32_t value) {
    std::memcpy(static_cast<std::uint8_t*>(bitmap.ScanLine(y)) + x * 4, &value, 4);
}

}  // namespace

TEST(SkinCorners, CornerModeTable) {
    TSkMaskData mask;
    mask.SourceRect = {0, 0, 30, 20};
    mask.FrameCount = 2;
    mask.MaskMode = 0;
    mask.BorderLeft = mask.BorderTop = mask.BorderRight = mask.BorderBottom = 3;
    mask.Section = "BUTTON";
    mask.Key = "BORDERSMASK";
    struct Case {
        int x, y;
        std::int16_t expected;
    } cases[] = {
        {-1, -1, 0},  // no key pixel
        {14, 19, 1},  // bottom-right corner of frame 0 (frame width 15)
        {0, 0, 1},    // top-left
        {7, 10, 0},   // the centre
        {20, 0, 0},   // frame 1
    };
    for (const Case& c : cases) {
        auto picture = Picture(40, 30, 0xFF808080);
        if (c.x >= 0) PutPixel(*picture, c.x, c.y, 0x00FF00FF);
        EXPECT_EQ(ClassifyCorners(mask, picture.get()), c.expected) << c.x << "," << c.y;
    }
    // The picture's last column is never scanned.
    auto edge = Picture(15, 30, 0xFF808080);
    PutPixel(*edge, 14, 0, 0x00FF00FF);
    mask.FrameCount = 1;
    mask.SourceRect = {0, 0, 15, 20};
    EXPECT_EQ(ClassifyCorners(mask, edge.get()), 0);
    TSkMaskData huge = mask;
    huge.Section = "BUTTON_HUGE";
    EXPECT_EQ(ClassifyCorners(huge, Picture(40, 30, 0xFF808080).get()), 2);
}

TEST(SkinImages, LoadedFromMasterAndOwnPicturesInFileOrder) {
    TSkIniSections ini;
    Parse("[GLOBALINFO]\nVERSION=8\nMASTERBITMAP=MASTER.BMP\n"
          "[BUTTON]\nBORDERSMASK=^0000^0000^0030^0020^0003^0003^0003^0003^1^0^0^0\nCOLOR=5\n"
          "[BUTTON_HUGE]\nBORDERSMASK=!HUGE.BMP!3!1\nGLYPH=!MISSING.PNG!1!0!2\n"
          "[SPLITTER]\nPARENTCLASS=BUTTON\nBORDERSMASK=^0000^0000^0030^0020^0003^0003^0003^0003^1^0^0^0\n"
          "BORDERSMASK=^0000^0000^0010^0010^0003^0003^0003^0003^1^0^0^0\n",
          ini);
    auto master = Picture(40, 30, 0xFF808080);
    PutPixel(*master, 1, 1, 0x00FF00FF);
    std::map<std::string, std::shared_ptr<TBitmap>> files{{"MASTER.BMP", master}, {"HUGE.BMP", Picture(90, 60, 0)}};
    TSkPictureSource source = [&](const std::string& name) {
        auto found = files.find(name);
        return found == files.end() ? nullptr : found->second;
    };
    TSkinContent skin;
    LoadSkinImages(ini, 8, source, skin, nullptr);
    LoadSkinOptions(ini, skin);
    // The missing picture makes no record; a repeated key counts once.
    ASSERT_EQ(skin.Masks.size(), 3u);
    EXPECT_EQ(skin.Masks[2].SourceRect, (platform::RECT{0, 0, 30, 20}));
    EXPECT_EQ(skin.Masks[0].Section, "BUTTON");
    EXPECT_EQ(skin.Masks[0].CornerMode, 1);
    EXPECT_EQ(skin.Masks[0].Image, nullptr);
    EXPECT_EQ(skin.Masks[1].Image, files["HUGE.BMP"]);
    EXPECT_EQ(skin.Masks[1].SourceRect, (platform::RECT{0, 0, 90, 60}));
    EXPECT_EQ(skin.Masks[1].BorderLeft, 10);  // 90 / (3 * 3)
    EXPECT_EQ(skin.Masks[1].BorderTop, 10);   // 60 / (2 * 3)
    EXPECT_EQ(skin.Masks[1].CornerMode, 2);
    int splitter = skin.FindSectionIndex("SPLITTER");
    EXPECT_EQ(skin.GeneralData[splitter].BorderMaskIndex, 2);
    EXPECT_EQ(skin.GeneralData[skin.FindSectionIndex("BUTTON_HUGE")].BorderMaskIndex, 1);
    EXPECT_EQ(skin.GeneralData[skin.FindSectionIndex("GLOBALINFO")].BorderMaskIndex, -1);
}

TEST(SkinOptions, VersionNotices) {
    EXPECT_NE(SkinVersionNotice(9, "A", false).find("have not complete support"), std::string::npos);
    EXPECT_EQ(SkinVersionNotice(8.99, "A", true), "");
    EXPECT_EQ(SkinVersionNotice(7, "A", true), "");
    EXPECT_EQ(SkinVersionNotice(6.5, "A", false), "");
    EXPECT_NE(SkinVersionNotice(6.5, "Old", true).find("the \"Old\" skin."), std::string::npos);
}
