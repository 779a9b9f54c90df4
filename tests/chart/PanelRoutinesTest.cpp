#include "chart/core/ColorPalette.h"
#include "chart/geometry/PointHitTests.h"
#include "chart/series/SortRange.h"
#include "chart/text/TextRoutines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

TEST(ColorPalette, WrapsAfterTwentyColoursAndLoadsAnother) {
    EXPECT_EQ(DefaultColorAt(0), 0x0000FF);
    EXPECT_EQ(DefaultColorAt(3), 0xFF0000);
    EXPECT_EQ(DefaultColorAt(19), 0xA4A0A0);
    EXPECT_EQ(DefaultColorAt(20), 0x0000FF);
    const TColor two[] = {0x111111, 0x222222};
    LoadColorPalette(two, 1);
    EXPECT_EQ(DefaultColorPalette.size(), 2u);
    EXPECT_EQ(DefaultColorAt(3), 0x222222);
    LoadColorPalette(nullptr, 0);
    EXPECT_EQ(DefaultColorPalette.size(), 20u);
    EXPECT_EQ(DefaultColorAt(1), 0x008000);
}

TEST(PointHitTests, DistanceToASegment) {
    EXPECT_DOUBLE_EQ(PointToSegmentDistance({5, 3}, 0, 0, 10, 0), 3);
    EXPECT_DOUBLE_EQ(PointToSegmentDistance({-3, 4}, 0, 0, 10, 0), 5);  // before the start
    EXPECT_DOUBLE_EQ(PointToSegmentDistance({13, 4}, 0, 0, 10, 0), 5);  // past the end
    EXPECT_DOUBLE_EQ(PointToSegmentDistance({3, 4}, 0, 0, 0, 0), 5);    // a point segment
}

TEST(PointHitTests, PointOnLineWithinOnePixel) {
    // the segment (0, 0)-(10, 0)
    const struct {
        TPoint p;
        int tolerance;
        bool on;
    } cases[] = {{{5, 1}, 0, true},  {{5, 2}, 0, false}, {{5, 3}, 2, true},
                 {{5, 4}, 2, false}, {{0, 0}, 0, true},  {{12, 0}, 0, false}};
    for (const auto& c : cases) EXPECT_EQ(PointOnLine(c.p, 0, 0, 10, 0, c.tolerance), c.on) << c.p.X << "," << c.p.Y;
    EXPECT_TRUE(PointOnLine({10, 10}, 0, 0, 10, 10));
}

TEST(PointHitTests, PointInPolygonCountsTheLeftEdgeOnly) {
    const TPoint square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    EXPECT_TRUE(PointInPolygon({5, 5}, square, 3));
    EXPECT_TRUE(PointInPolygon({0, 5}, square, 3));
    EXPECT_FALSE(PointInPolygon({10, 5}, square, 3));
    EXPECT_FALSE(PointInPolygon({15, 5}, square, 3));
    EXPECT_FALSE(PointInPolygon({5, 5}, square, -1));
    const TPoint triangle[] = {{0, 0}, {20, 0}, {10, 20}};
    EXPECT_TRUE(PointInPolygon({10, 10}, triangle, 2));
    EXPECT_FALSE(PointInPolygon({2, 15}, triangle, 2));
}

TEST(SortRange, SortsThroughCallbacksWithDuplicates) {
    std::mt19937 random(7);
    for (int n : {0, 1, 2, 3, 10, 257}) {
        std::vector<int> items(n);
        for (int& v : items) v = static_cast<int>(random() % 20);
        std::vector<int> expected = items;
        std::sort(expected.begin(), expected.end());
        SortRange(
            0, n - 1, [&](int a, int b) { return items[a] < items[b] ? -1 : (items[a] > items[b] ? 1 : 0); },
            [&](int a, int b) { std::swap(items[a], items[b]); });
        EXPECT_EQ(items, expected) << n;
    }
}

TEST(TextRoutines, ReplaceAndRemoveCharacters) {
    EXPECT_EQ(ReplaceChar("a b c", ' ', '\r'), "a\rb\rc");
    EXPECT_EQ(ReplaceChar("a,b,,c", ',', '\0'), "abc");
    EXPECT_EQ(ReplaceChar("", ',', '.'), "");
    EXPECT_EQ(IntToText(-42), "-42");
}
