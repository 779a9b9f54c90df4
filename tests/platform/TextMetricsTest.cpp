#include "platform/system/LastError.h"
#include "platform/text/TextMetrics.h"
#include "tests/platform/TextTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace platform {
namespace {

using text_test::SelectedFont;

int Bytes(const char* text) { return static_cast<int>(std::strlen(text)); }

TEST(TextMetrics, MetricsAgreeWithExtents) {
    PixelCanvas canvas(10, 10);
    for (const char* face : {"Arial", "Tahoma", "Courier New", "Times New Roman", "Marlett"}) {
        SelectedFont font(canvas.Dc(), face, -13);
        TEXTMETRICA tm;
        ASSERT_TRUE(GetTextMetricsA(canvas.Dc(), &tm));
        EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent) << face;
        EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 13) << face;
        EXPECT_GT(tm.tmAveCharWidth, 0);
        EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth);
        EXPECT_EQ(tm.tmWeight, FW_NORMAL);
        SIZE size;
        ASSERT_TRUE(GetTextExtentPoint32A(canvas.Dc(), "W", 1, &size));
        EXPECT_EQ(size.cy, tm.tmHeight) << face;
    }
    SelectedFont mono(canvas.Dc(), "Courier New", -13);
    TEXTMETRICA tm;
    GetTextMetricsA(canvas.Dc(), &tm);
    EXPECT_EQ(tm.tmPitchAndFamily & TMPF_FIXED_PITCH, 0);  // the bit means a variable pitch
    EXPECT_EQ(tm.tmPitchAndFamily & 0xF0, 0x30);
}

TEST(TextMetrics, ExtentExPointGivesRunningExtentsAndTheFit) {
    PixelCanvas canvas(10, 10);
    SelectedFont font(canvas.Dc(), "Arial", -13);
    const char* text = "Апогей 1250 м";
    std::vector<int> dx(std::strlen(text), -1);
    int fit = -1;
    SIZE size;
    ASSERT_TRUE(GetTextExtentExPointA(canvas.Dc(), text, Bytes(text), 40, &fit, dx.data(), &size));
    const std::size_t characters = 13;
    EXPECT_EQ(dx[characters - 1], size.cx);
    for (std::size_t i = 1; i < characters; ++i) EXPECT_GT(dx[i], dx[i - 1]) << i;
    EXPECT_EQ(dx[characters], -1);  // one entry per character, no more
    ASSERT_GT(fit, 0);
    EXPECT_LE(dx[fit - 1], 40);
    EXPECT_GT(dx[fit], 40);
    // Each running extent equals the extent of that many characters alone.
    SIZE part;
    GetTextExtentPoint32A(canvas.Dc(), "Апогей", Bytes("Апогей"), &part);
    EXPECT_EQ(dx[5], part.cx);
    // Nothing fits in a negative room; everything fits in a huge one.
    GetTextExtentExPointA(canvas.Dc(), text, Bytes(text), -1, &fit, nullptr, &size);
    EXPECT_EQ(fit, 0);
    GetTextExtentExPointA(canvas.Dc(), text, Bytes(text), 100000, &fit, nullptr, &size);
    EXPECT_EQ(fit, static_cast<int>(characters));
}

TEST(TextMetrics, CharWidthsAreTheSingleCharacterExtents) {
    PixelCanvas canvas(10, 10);
    SelectedFont font(canvas.Dc(), "Tahoma", -11);
    INT widths[3];
    ASSERT_TRUE(GetCharWidth32A(canvas.Dc(), U'Ю', U'Я', widths + 1));
    SIZE size;
    GetTextExtentPoint32A(canvas.Dc(), "Я", Bytes("Я"), &size);
    EXPECT_EQ(widths[2], size.cx);
    ASSERT_TRUE(GetCharWidthA(canvas.Dc(), 'i', 'i', widths));
    EXPECT_LT(widths[0], widths[2]);
    EXPECT_FALSE(GetCharWidth32A(canvas.Dc(), 'b', 'a', widths));
    EXPECT_FALSE(GetCharWidth32A(canvas.Dc(), 'a', 'b', nullptr));
}

TEST(TextMetrics, OutlineMetricsFitTheBufferTheyAskFor) {
    PixelCanvas canvas(10, 10);
    SelectedFont font(canvas.Dc(), "Times New Roman", -20, FW_BOLD);
    UINT needed = GetOutlineTextMetricsA(canvas.Dc(), 0, nullptr);
    ASSERT_GT(needed, sizeof(OUTLINETEXTMETRICA));
    std::vector<char> buffer(needed);
    auto* otm = reinterpret_cast<OUTLINETEXTMETRICA*>(buffer.data());
    ASSERT_EQ(GetOutlineTextMetricsA(canvas.Dc(), needed, otm), needed);
    EXPECT_EQ(otm->otmSize, needed);
    EXPECT_EQ(otm->otmTextMetrics.tmWeight, FW_BOLD);
    EXPECT_EQ(otm->otmEMSquare, 2048u);
    EXPECT_GT(otm->otmAscent, 0);
    EXPECT_LT(otm->otmDescent, 0);
    EXPECT_STREQ(buffer.data() + otm->otmpFamilyName, "Liberation Serif");
    EXPECT_STREQ(buffer.data() + otm->otmpFaceName, "Times New Roman");
    EXPECT_STREQ(buffer.data() + otm->otmpStyleName, "Bold");
    EXPECT_EQ(GetOutlineTextMetricsA(canvas.Dc(), 8, otm), 0u);  // too small for the structure
}

TEST(Fonts, ObjectsDescribeThemselvesAndStockFontsExist) {
    LOGFONTA asked;
    asked.lfHeight = -11;
    asked.lfEscapement = 2700;
    asked.lfWeight = FW_BOLD;
    asked.lfCharSet = RUSSIAN_CHARSET;
    std::strcpy(asked.lfFaceName, "Tahoma");
    HFONT font = CreateFontIndirectA(&asked);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(GetObjectType(font), OBJ_FONT);
    LOGFONTA back;
    EXPECT_EQ(GetObject(font, sizeof(back), &back), static_cast<int>(sizeof(LOGFONTA)));
    EXPECT_EQ(std::memcmp(&back, &asked, sizeof(LOGFONTA)), 0);
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_EQ(GetObjectType(font), 0u);

    for (int index : {SYSTEM_FONT, DEFAULT_GUI_FONT, ANSI_VAR_FONT, ANSI_FIXED_FONT, OEM_FIXED_FONT}) {
        HGDIOBJ stock = GetStockObject(index);
        ASSERT_NE(stock, nullptr) << index;
        EXPECT_EQ(GetObjectType(stock), OBJ_FONT);
    }
    LOGFONTA gui;
    GetObject(GetStockObject(DEFAULT_GUI_FONT), sizeof(gui), &gui);
    EXPECT_STREQ(gui.lfFaceName, "MS Shell Dlg");

    // A face name that fills the field without a terminator is cut, not overrun.
    LOGFONTA longName;
    std::memset(longName.lfFaceName, 'x', sizeof(longName.lfFaceName));
    HFONT cut = CreateFontIndirectA(&longName);
    ASSERT_NE(cut, nullptr);
    GetObject(cut, sizeof(back), &back);
    EXPECT_EQ(std::strlen(back.lfFaceName), static_cast<std::size_t>(LF_FACESIZE - 1));
    DeleteObject(cut);
    EXPECT_EQ(CreateFontIndirectA(nullptr), nullptr);
}

TEST(Fonts, NewContextsWriteWithTheSystemFontAndNameTheirFace) {
    PixelCanvas canvas(10, 10);
    char name[LF_FACESIZE];
    EXPECT_EQ(GetTextFaceA(canvas.Dc(), sizeof(name), name), 7);
    EXPECT_STREQ(name, "System");
    TEXTMETRICA tm;
    ASSERT_TRUE(GetTextMetricsA(canvas.Dc(), &tm));
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
    SelectedFont font(canvas.Dc(), "Courier New", -12);
    EXPECT_EQ(GetTextFaceA(canvas.Dc(), 0, nullptr), 12);
    EXPECT_EQ(GetTextFaceA(canvas.Dc(), 4, name), 4);
    EXPECT_STREQ(name, "Cou");
}

TEST(TextMetrics, BadHandlesFail) {
    TEXTMETRICA tm;
    SetLastError(0);
    EXPECT_FALSE(GetTextMetricsA(nullptr, &tm));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    EXPECT_FALSE(GetTextMetricsA(reinterpret_cast<HDC>(font), &tm));  // a font is no DC
    DeleteObject(font);
    SIZE size;
    EXPECT_FALSE(GetTextExtentExPointA(nullptr, "a", 1, 0, nullptr, nullptr, &size));
    EXPECT_EQ(GetOutlineTextMetricsA(nullptr, 0, nullptr), 0u);
    INT width;
    EXPECT_FALSE(GetCharWidth32A(nullptr, 'a', 'a', &width));
}

}  // namespace
}  // namespace platform
