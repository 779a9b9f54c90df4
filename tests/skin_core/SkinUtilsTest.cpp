#include "skin/core/utils/FileIcons.h"
#include "skin/core/utils/SkinFolders.h"
#include "skin/core/utils/SkinIni.h"
#include "skin/core/utils/SkinMath.h"
#include "skin/core/utils/SkinRects.h"
#include "skin/core/utils/SkinSystem.h"
#include "skin/core/utils/SkinText.h"

#include "tests/support/TempFolder.h"

#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Icon.h"

#include "platform/display/Display.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/text/Fonts.h"
#include "platform/window/SystemMetrics.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace {

void Parse(const std::string& text, TSkIniSections& sections) {
    TStringList lines;
    lines.SetText(text);
    ParseIniSections(lines, sections);
}

}  // namespace

TEST(SkinIni, SectionsKeepFileOrderAndDropStrayLines) {
    TSkIniSections sections;
    Parse("orphan=1\n; note\n\n[BUTTON]\nA=1\n[EDIT]\nB=x=y\n", sections);
    ASSERT_EQ(sections.Count(), 2);
    EXPECT_EQ(sections.Strings(0), "BUTTON");
    EXPECT_EQ(sections.Strings(1), "EDIT");
    EXPECT_EQ(IniReadString(sections, "EDIT", "B", "-"), "x=y");
    EXPECT_EQ(IniReadString(sections, "BUTTON", "orphan", "-"), "-");
    // Names compare exactly.
    EXPECT_EQ(IniReadString(sections, "button", "A", "-"), "-");
    EXPECT_EQ(IniReadString(sections, "BUTTON", "a", "-"), "-");
    EXPECT_EQ(IniReadString(sections, "MISSING", "A", "def"), "def");
    // Parsing again starts from nothing.
    TStringList again;
    again.SetText("[ONE]\n");
    ParseIniSections(again, sections);
    EXPECT_EQ(sections.Count(), 1);
}

TEST(SkinIni, IntegersInDecimalAndHexadecimal) {
    TSkIniSections sections;
    Parse("[S]\nHEX=0x1F\nUPPER=0X10\nSHORT=0x\nDEC=-12\nTEXT=abc\nEMPTY=\n", sections);
    struct Case {
        const char* key;
        int expected;
    } cases[] = {{"HEX", 31}, {"UPPER", 16}, {"SHORT", 7}, {"DEC", -12}, {"TEXT", 7}, {"EMPTY", 7}, {"NONE", 7}};
    for (const Case& c : cases) EXPECT_EQ(IniReadInteger(sections, "S", c.key, 7), c.expected) << c.key;
}

TEST(SkinText, HexToInt64Table) {
    struct Case {
        const char* text;
        std::int64_t expected;
    } cases[] = {{"1fH", 31}, {"1G", 0}, {"", 0}, {"FF", 255}, {"ff", 255}, {"10h", 16}, {"7FFFFFFFFF", 0x7FFFFFFFFF}, {"1 2", 0}};
    for (const Case& c : cases) EXPECT_EQ(HexToInt64(c.text), c.expected) << c.text;
}

TEST(SkinText, TextIsFloatAcceptsOnlyNumberCharacters) {
    double value = 0;
    EXPECT_TRUE(TextIsFloat("-1,5E2", value));
    EXPECT_DOUBLE_EQ(value, -150.0);
    EXPECT_TRUE(TextIsFloat("2.5", value, '.'));
    EXPECT_DOUBLE_EQ(value, 2.5);
    EXPECT_FALSE(TextIsFloat("1.5", value, ','));
    EXPECT_FALSE(TextIsFloat(" 1", value));
    EXPECT_FALSE(TextIsFloat("1-2", value));
}

TEST(SkinText, GroupThousandsKeepsSignAndFraction) {
    EXPECT_EQ(GroupThousands("-1234567.891", true, ',', '.'), "-1,234,567.891");
    EXPECT_EQ(GroupThousands("+123", true, ',', '.'), "+123");
    EXPECT_EQ(GroupThousands("1234E5", true, ' ', ','), "1 234E5");
    EXPECT_EQ(GroupThousands("1234e5", true, ' ', ','), "1 234e5");
    EXPECT_EQ(GroupThousands("1234567", false, ',', '.'), "1234567");
    EXPECT_EQ(GroupThousands("", true, ',', '.'), "");
}

TEST(SkinText, WordsAndStrings) {
    TSkCharSet blank = MakeCharSet(" ");
    TSkCharSet separators = MakeCharSet(" ,;");
    EXPECT_EQ(CountWords("  a   b  ", blank), 2);
    EXPECT_EQ(CountWords("", blank), 0);
    EXPECT_EQ(NthWordStart(2, "  a   b  ", blank), 7u);
    EXPECT_EQ(NthWordStart(3, "  a   b  ", blank), 0u);
    EXPECT_EQ(NthWord(2, "one,two;;three", separators), "two");
    EXPECT_EQ(NthWord(3, "one,two;;three", separators), "three");
    EXPECT_EQ(NthWord(4, "one,two;;three", separators), "");
    EXPECT_TRUE(CharInCharSet(';', separators));
    EXPECT_FALSE(CharInCharSet('x', separators));
    EXPECT_EQ(CharString('x', 3), "xxx");
    EXPECT_EQ(FillString('x', -1), "");
    EXPECT_EQ(TrimBlanks("  a b \t "), "a b \t");
    EXPECT_EQ(TrimLeftBlanks("  a "), "a ");
    EXPECT_EQ(TrimRightBlanks("  a "), "  a");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(RemoveChar("a-b-c", '-'), "abc");
    EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(ReplaceAll("x.y.z", ".", ""), "xyz");
    EXPECT_EQ(ReplaceAll("abc", "", "z"), "abc");
}

TEST(SkinMath, IntegerRoutines) {
    EXPECT_TRUE(IsBetween(5, 10, 1));
    EXPECT_FALSE(IsBetween(0, 1, 10));
    EXPECT_TRUE(IsBetween(1, 1, 10));
    EXPECT_TRUE(IsBetween(10, 1, 10));
    EXPECT_EQ(ClampInt(-3, 0, 9), 0);
    EXPECT_EQ(ClampInt(12, 0, 9), 9);
    EXPECT_EQ(ClampInt(4, 0, 9), 4);
    EXPECT_EQ(IntMax(3, -2), 3);
    EXPECT_EQ(IntMin(3, -2), -2);
    int a = 1, b = 2;
    SwapInts(a, b);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 1);
    EXPECT_EQ(ChooseStr(false, "a", "b"), "b");
    EXPECT_EQ(ChooseValue(true, 4, 5), 4);
}

TEST(SkinRects, Arithmetic) {
    platform::RECT inverted{10, 10, 5, 4};
    EXPECT_EQ(RectWidth(inverted, false), -5);
    EXPECT_EQ(RectWidth(inverted, true), 0);
    EXPECT_EQ(RectHeight(inverted, true), 0);
    EXPECT_EQ(RectHeight({0, 2, 0, 9}, true), 7);
    platform::RECT a{0, 0, 10, 10};
    EXPECT_TRUE(RectsOverlap(a, {9, 9, 20, 20}));
    EXPECT_FALSE(RectsOverlap(a, {10, 0, 20, 10}));  // touching edges
    EXPECT_FALSE(RectsOverlap(a, {2, 2, 2, 8}));     // empty
    EXPECT_TRUE(RectContains(a, {0, 0, 10, 10}));
    EXPECT_FALSE(RectContains(a, {0, 0, 11, 10}));
    EXPECT_EQ(RectsIntersection(a, {5, -5, 20, 3}), (platform::RECT{5, 0, 10, 3}));
    EXPECT_EQ(RectsIntersection(a, {20, 20, 30, 30}), (platform::RECT{20, 20, 10, 10}));
}

TEST(SkinFolders, NormalizeFolderPath) {
    struct Case {
        const char* path;
        const char* expected;
    } cases[] = {{"", ""}, {"skins/", "skins/"}, {"skins\\", "skins/"}, {"skins", "skins/"}, {"C", "C/"}};
    for (const Case& c : cases) EXPECT_EQ(NormalizeFolderPath(c.path), c.expected) << c.path;
}

TEST(SkinSystem, CaptionFontAndMinimizeAnimation) {
    int height = CaptionFontHeight();
    EXPECT_EQ(height, platform::NonClientMetrics().lfCaptionFont.lfHeight);
    EXPECT_NE(height, 0);
    platform::HFONT font = CreateCaptionFont();
    ASSERT_NE(font, nullptr);
    platform::DeleteObject(font);
    bool was = MinimizeAnimationOn();
    SetMinimizeAnimation(!was);
    EXPECT_EQ(MinimizeAnimationOn(), !was);
    SetMinimizeAnimation(was);
    EXPECT_EQ(MinimizeAnimationOn(), was);
    TMessage m = FillMessage(0x1234, 5, -6, 7);
    EXPECT_EQ(m.Msg, 0x1234u);
    EXPECT_EQ(m.WParam, 5u);
    EXPECT_EQ(m.LParam, -6);
    EXPECT_EQ(m.Result, 7);
    EXPECT_FALSE(EffectsDisabled());  // a native 64-bit process
}

TEST(SkinFolders, SetCurrentFolder) {
    TempFolder folder;
    std::filesystem::path before = std::filesystem::current_path();
    EXPECT_TRUE(SetCurrentFolder(folder.Path().string()));
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(folder.Path()));
    EXPECT_FALSE(SetCurrentFolder((folder.Path() / "missing").string()));
    EXPECT_TRUE(SetCurrentFolder(before.string()));
}

TEST(FileIcons, AnExistingFileGetsTheGenericPageInTheAskedSize) {
    platform::testing::UseHeadlessDisplay();
    TempFolder folder;
    const std::string file = (folder.Path() / "program").string();
    std::ofstream(file) << "x";
    EXPECT_EQ(GetFileIcon((folder.Path() / "missing").string(), SHGFI_LARGEICON), nullptr);
    EXPECT_EQ(GetFileIcon("", SHGFI_SMALLICON), nullptr);
    struct Case {
        unsigned flags;
        int size;
    };
    for (const Case c : {Case{SHGFI_LARGEICON, 32}, Case{SHGFI_SMALLICON, 16}}) {
        auto icon = GetFileIcon(file, c.flags);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->Width(), c.size);
        EXPECT_EQ(icon->Height(), c.size);
        // Drawn over red: the corners stay red, the page's middle is white.
        TBitmap canvas(c.size, c.size, TPixelFormat::pf32bit);
        canvas.Canvas()->Brush()->SetColor(clRed);
        canvas.Canvas()->FillRect(TRect(0, 0, c.size, c.size));
        canvas.Canvas()->Draw(0, 0, icon.get());
        EXPECT_EQ(canvas.Canvas()->Pixels(0, 0), clRed);
        EXPECT_EQ(canvas.Canvas()->Pixels(c.size - 1, 0), clRed);
        EXPECT_EQ(canvas.Canvas()->Pixels(c.size / 2, c.size / 2 + 2), clWhite);
    }
}
