#include "platform/text/DrawTextLayout.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

// Every visible character is 10 wide, control characters take no room.
class FixedMeasurer : public TextMeasurer {
public:
    int Advance(char32_t code) const override { return code < 0x20 ? 0 : 10; }
    int LineHeight() const override { return 20; }
    int ExternalLeading() const override { return 4; }
    int AverageCharWidth() const override { return 5; }
};

struct Line {
    std::u32string text;
    int left;
    int top;
};

std::vector<Line> Lines(const DrawTextPlan& plan) {
    std::vector<Line> lines;
    for (const auto& line : plan.lines) {
        std::u32string text;
        for (const auto& segment : line.segments) text += segment.text;
        lines.push_back({text, line.left, line.top});
    }
    return lines;
}

std::vector<std::u32string> Texts(const DrawTextPlan& plan) {
    std::vector<std::u32string> texts;
    for (const auto& line : Lines(plan)) texts.push_back(line.text);
    return texts;
}

DrawTextPlan Plan(std::u32string_view text, RECT rect, UINT format) {
    return LayOutDrawText(text, rect, format, FixedMeasurer());
}

const RECT kWide{0, 0, 1000, 200};

TEST(DrawTextLayout, PrefixRules) {
    struct Case {
        std::u32string_view text;
        UINT format;
        std::u32string_view shown;
        std::vector<std::size_t> underlined;
    } cases[] = {
        {U"&File", 0, U"File", {0}},
        {U"Save &As", 0, U"Save As", {5}},
        {U"A&&B", 0, U"A&B", {}},
        {U"&&&x", 0, U"&x", {1}},
        {U"End&", 0, U"End", {}},
        {U"&Файл", 0, U"Файл", {0}},
        {U"&File", DT_NOPREFIX, U"&File", {}},
        {U"A&&B", DT_NOPREFIX, U"A&&B", {}},
        {U"&File", DT_HIDEPREFIX, U"File", {}},
        {U"A&&B", DT_HIDEPREFIX, U"A&B", {}},
    };
    for (const auto& c : cases) {
        auto plan = Plan(c.text, kWide, c.format | DT_SINGLELINE);
        ASSERT_EQ(plan.lines.size(), 1u);
        ASSERT_EQ(plan.lines[0].segments.size(), 1u);
        EXPECT_TRUE(plan.lines[0].segments[0].text == c.shown);
        EXPECT_EQ(plan.lines[0].segments[0].underlined, c.underlined);
        // The prefix takes no room.
        EXPECT_EQ(plan.calcRect.right, static_cast<int>(c.shown.size()) * 10);
    }
}

TEST(DrawTextLayout, LineBreaksAndSingleLine) {
    EXPECT_EQ(Texts(Plan(U"one\r\ntwo\nthree\rfour", kWide, 0)),
              (std::vector<std::u32string>{U"one", U"two", U"three", U"four"}));
    EXPECT_EQ(Texts(Plan(U"one\r\ntwo", kWide, DT_SINGLELINE)), (std::vector<std::u32string>{U"onetwo"}));
    // A closing line break opens an empty last line; an empty text is one empty line.
    EXPECT_EQ(Plan(U"one\n", kWide, DT_CALCRECT).calcRect, (RECT{0, 0, 30, 40}));
    EXPECT_EQ(Plan(U"", kWide, DT_CALCRECT).calcRect, (RECT{0, 0, 0, 20}));
}

TEST(DrawTextLayout, WordBreakFillsLinesGreedily) {
    RECT box{5, 7, 105, 300};  // room for 10 characters
    auto plan = Plan(U"aaaa bbbb cccc dd", box, DT_WORDBREAK);
    EXPECT_EQ(Texts(plan), (std::vector<std::u32string>{U"aaaa bbbb", U"cccc dd"}));
    EXPECT_EQ(plan.lines[1].top, 27);
    EXPECT_EQ(plan.calcRect, (RECT{5, 7, 95, 47}));
    EXPECT_EQ(plan.result, 40);
    // Blanks at a break belong to neither line.
    EXPECT_EQ(Texts(Plan(U"aaaaaaaa     bb", box, DT_WORDBREAK)), (std::vector<std::u32string>{U"aaaaaaaa", U"bb"}));
    // Exactly full lines still fit.
    EXPECT_EQ(Texts(Plan(U"aaaaaaaaaa bbbbbbbbbb", box, DT_WORDBREAK)),
              (std::vector<std::u32string>{U"aaaaaaaaaa", U"bbbbbbbbbb"}));
}

TEST(DrawTextLayout, LongWordsOverflowUnlessEditControl) {
    RECT box{0, 0, 50, 300};
    auto plain = Plan(U"abcdefghijkl xy", box, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(Texts(plain), (std::vector<std::u32string>{U"abcdefghijkl", U"xy"}));
    EXPECT_EQ(plain.calcRect, (RECT{0, 0, 120, 40}));  // widened to the long word
    auto edit = Plan(U"abcdefghijkl xy", box, DT_WORDBREAK | DT_EDITCONTROL);
    EXPECT_EQ(Texts(edit), (std::vector<std::u32string>{U"abcde", U"fghij", U"kl xy"}));
}

TEST(DrawTextLayout, EditControlDropsLinesCutOffAtTheBottom) {
    RECT box{0, 0, 50, 50};  // two and a half lines
    EXPECT_EQ(Plan(U"aaa bbb ccc", box, DT_WORDBREAK).lines.size(), 3u);
    EXPECT_EQ(Plan(U"aaa bbb ccc", box, DT_WORDBREAK | DT_EDITCONTROL).lines.size(), 2u);
}

TEST(DrawTextLayout, EllipsesShortenToFit) {
    struct Case {
        std::u32string_view text;
        int width;
        UINT format;
        std::u32string_view shown;
    } cases[] = {
        {U"abcdefghij", 100, DT_END_ELLIPSIS, U"abcdefghij"},  // fits: untouched
        {U"abcdefghij", 60, DT_END_ELLIPSIS, U"abc..."},
        {U"abcdefghij", 65, DT_END_ELLIPSIS, U"abc..."},
        {U"abc defghij", 80, DT_END_ELLIPSIS, U"abc d..."},
        {U"abc defghij", 80, DT_WORD_ELLIPSIS, U"abc..."},
        {U"abcdefghij", 60, DT_WORD_ELLIPSIS, U"abc..."},  // no word fits: cut inside it
        {U"abc    defghij", 70, DT_END_ELLIPSIS, U"abc..."},  // no blanks before the dots
        {U"abcdefghij", 20, DT_END_ELLIPSIS, U"..."},
        {U"C:\\dir\\sub\\file.txt", 190, DT_PATH_ELLIPSIS, U"C:\\dir\\sub\\file.txt"},
        {U"C:\\dir\\sub\\file.txt", 180, DT_PATH_ELLIPSIS, U"C:\\dir...\\file.txt"},
        {U"C:\\dir\\sub\\file.txt", 160, DT_PATH_ELLIPSIS, U"C:\\d...\\file.txt"},
        // The file name stays whole even when it alone is too wide.
        {U"C:\\dir\\sub\\file.txt", 80, DT_PATH_ELLIPSIS, U"...\\file.txt"},
        {U"nopathatall", 60, DT_PATH_ELLIPSIS, U"nop..."},
        {U"&Open file", 60, DT_END_ELLIPSIS, U"Ope..."},
    };
    for (const auto& c : cases) {
        auto plan = Plan(c.text, RECT{0, 0, c.width, 20}, c.format | DT_SINGLELINE);
        ASSERT_EQ(plan.lines.size(), 1u);
        EXPECT_TRUE(Texts(plan)[0] == c.shown) << c.width << " " << c.format;
        EXPECT_EQ(plan.calcRect.right, static_cast<int>(c.shown.size()) * 10);
    }
    // The underline mark survives on the part that is kept.
    EXPECT_EQ(Plan(U"&Open file", RECT{0, 0, 60, 20}, DT_END_ELLIPSIS).lines[0].segments[0].underlined,
              (std::vector<std::size_t>{0}));
}

TEST(DrawTextLayout, EllipsisOnlyOnLinesWithAWordTooWide) {
    auto plan = Plan(U"aa bb averyverylongword", RECT{0, 0, 60, 200}, DT_WORDBREAK | DT_END_ELLIPSIS);
    EXPECT_EQ(Texts(plan), (std::vector<std::u32string>{U"aa bb", U"ave..."}));
}

TEST(DrawTextLayout, Alignment) {
    RECT box{10, 10, 110, 70};
    struct Case {
        UINT format;
        int left;
        int top;
        int result;
    } cases[] = {
        {DT_SINGLELINE, 10, 10, 20},
        {DT_SINGLELINE | DT_CENTER, 40, 10, 20},
        {DT_SINGLELINE | DT_RIGHT, 70, 10, 20},
        {DT_SINGLELINE | DT_VCENTER, 10, 30, 40},
        {DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, 70, 50, 60},
        {DT_VCENTER | DT_BOTTOM, 10, 10, 20},  // vertical placement needs a single line
    };
    for (const auto& c : cases) {
        auto plan = Plan(U"abcd", box, c.format);
        EXPECT_EQ(plan.lines[0].left, c.left) << c.format;
        EXPECT_EQ(plan.lines[0].top, c.top) << c.format;
        EXPECT_EQ(plan.result, c.result) << c.format;
        // The calculated rectangle keeps the left and top edges.
        EXPECT_EQ(plan.calcRect, (RECT{10, 10, 50, 30})) << c.format;
    }
    // Centred text wider than the box overflows on both sides.
    EXPECT_EQ(Plan(U"abcdefghijkl", RECT{0, 0, 100, 20}, DT_SINGLELINE | DT_CENTER).lines[0].left, -10);
}

TEST(DrawTextLayout, TabsExpandToStopsOfEightAverageWidths) {
    auto plan = Plan(U"ab\tc\td", kWide, DT_EXPANDTABS | DT_SINGLELINE);
    const auto& segments = plan.lines[0].segments;
    ASSERT_EQ(segments.size(), 3u);
    EXPECT_EQ(segments[1].x, 40);
    EXPECT_EQ(segments[2].x, 80);
    EXPECT_EQ(plan.calcRect.right, 90);
    EXPECT_EQ(Plan(U"ab\tc", kWide, DT_SINGLELINE).calcRect.right, 30);  // unexpanded: no room
}

TEST(DrawTextLayout, ExternalLeadingAddsToEachLine) {
    EXPECT_EQ(Plan(U"a\nb", kWide, DT_CALCRECT).calcRect.bottom, 40);
    EXPECT_EQ(Plan(U"a\nb", kWide, DT_CALCRECT | DT_EXTERNALLEADING).calcRect.bottom, 48);
}

}  // namespace
}  // namespace platform
