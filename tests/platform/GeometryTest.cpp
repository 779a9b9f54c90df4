#include "platform/system/Geometry.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Geometry, IntersectAndUnionTreatEmptyRectanglesAsNothing) {
    RECT a{0, 0, 10, 10}, b{5, 5, 20, 20}, empty{3, 3, 3, 9}, out{};
    EXPECT_TRUE(IntersectRect(&out, &a, &b));
    EXPECT_EQ(out, (RECT{5, 5, 10, 10}));
    RECT apart{10, 0, 20, 10};
    EXPECT_FALSE(IntersectRect(&out, &a, &apart));  // edges touch only
    EXPECT_EQ(out, RECT{});
    EXPECT_TRUE(UnionRect(&out, &a, &empty));
    EXPECT_EQ(out, a);
    EXPECT_TRUE(UnionRect(&out, &a, &b));
    EXPECT_EQ(out, (RECT{0, 0, 20, 20}));
}

TEST(Geometry, PointsOnTheRightAndBottomEdgesAreOutside) {
    RECT r{0, 0, 10, 5};
    EXPECT_TRUE(PtInRect(&r, POINT{0, 0}));
    EXPECT_TRUE(PtInRect(&r, POINT{9, 4}));
    EXPECT_FALSE(PtInRect(&r, POINT{10, 4}));
    EXPECT_FALSE(PtInRect(&r, POINT{9, 5}));
}

TEST(Geometry, SubtractShrinksOnlyWhenOneRectangleRemains) {
    struct Case {
        RECT b;
        RECT expected;
    } cases[] = {
        {{0, 0, 10, 4}, {0, 4, 10, 10}},    // top band
        {{0, 6, 10, 10}, {0, 0, 10, 6}},    // bottom band
        {{0, 0, 3, 10}, {3, 0, 10, 10}},    // left band
        {{-5, -5, 20, 20}, {0, 0, 0, 0}},   // covers everything
        {{2, 2, 4, 4}, {0, 0, 10, 10}},     // a hole: stays whole
    };
    RECT a{0, 0, 10, 10};
    for (const Case& c : cases) {
        RECT out;
        SubtractRect(&out, &a, &c.b);
        EXPECT_EQ(out, c.expected);
    }
}

TEST(Geometry, PackedCoordinatesKeepTheirSign) {
    LPARAM p = MakePointParam(-3, 70);
    EXPECT_EQ(GET_X_LPARAM(p), -3);
    EXPECT_EQ(GET_Y_LPARAM(p), 70);
    EXPECT_EQ(HIWORD(MAKEWPARAM(1, 0xA1)), 0xA1);
}
