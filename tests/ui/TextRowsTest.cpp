#include "ui/controls/TextRows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Every character 10 pixels wide.
int TenPixels(char32_t) { return 10; }

std::vector<std::u32string> RowTexts(const std::u32string& text, int wrapWidth) {
    TTextRows rows;
    rows.LayOut(text, wrapWidth, TenPixels);
    std::vector<std::u32string> texts;
    for (int i = 0; i < rows.Count(); ++i)
        texts.push_back(text.substr(static_cast<std::size_t>(rows.Row(i).start),
                                    static_cast<std::size_t>(rows.Row(i).end - rows.Row(i).start)));
    return texts;
}

TEST(TextRows, LinesWrapAfterTheLastSpaceThatFits) {
    struct Case {
        std::u32string text;
        int width;
        std::vector<std::u32string> rows;
    } cases[] = {
        {U"one two three", 0, {U"one two three"}},                      // no wrapping
        {U"one two three", 130, {U"one two three"}},                    // fits exactly
        {U"one two three", 100, {U"one two ", U"three"}},
        {U"one two three", 60, {U"one ", U"two ", U"three"}},
        {U"abcdefghij xy", 40, {U"abcd", U"efgh", U"ij ", U"xy"}},     // a word wider than the row
        {U"ab   cd", 30, {U"ab   ", U"cd"}},                           // spaces hang past the edge
        {U"ab\n\ncd ef\n", 30, {U"ab", U"", U"cd ", U"ef", U""}},      // empty lines and a final break
        {U"", 30, {U""}},
    };
    for (const Case& c : cases) EXPECT_EQ(RowTexts(c.text, c.width), c.rows) << c.width;
}

TEST(TextRows, ACaretAtAWrapPointStandsInTheRowItStarts) {
    TTextRows rows;
    std::u32string text = U"one two\nthree";
    rows.LayOut(text, 50, TenPixels);  // "one ", "two", "three"
    ASSERT_EQ(rows.Count(), 3);
    struct Case {
        int position, row;
    } cases[] = {{0, 0}, {3, 0}, {4, 1}, {7, 1}, {8, 2}, {13, 2}};
    for (const Case& c : cases) EXPECT_EQ(rows.RowOf(c.position), c.row) << c.position;
    EXPECT_EQ(rows.WidestRow(), 50);
    EXPECT_EQ(rows.ScrollCount(), 3);
    rows.LayOut(U"a\n", 0, TenPixels);
    EXPECT_EQ(rows.Count(), 2);
    EXPECT_EQ(rows.ScrollCount(), 1);
}

}  // namespace
