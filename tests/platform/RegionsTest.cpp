#include "platform/gdi/Regions.h"

#include <gtest/gtest.h>
#include <vector>

using namespace platform;

namespace {

std::vector<RECT> RectsOf(HRGN region) {
    DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<char> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    EXPECT_EQ(GetRegionData(region, size, data), size);
    const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
    return std::vector<RECT>(rects, rects + data->rdh.nCount);
}

}  // namespace

TEST(Regions, CombineModesGiveTheExpectedBands) {
    // a = [0,10)x[0,10), b = [5,15)x[5,15)
    struct Case {
        const char* name;
        int mode;
        int complexity;
        std::vector<RECT> rects;
    } cases[] = {
        {"and", RGN_AND, SIMPLEREGION, {{5, 5, 10, 10}}},
        {"or", RGN_OR, COMPLEXREGION, {{0, 0, 10, 5}, {0, 5, 15, 10}, {5, 10, 15, 15}}},
        {"xor", RGN_XOR, COMPLEXREGION, {{0, 0, 10, 5}, {0, 5, 5, 10}, {10, 5, 15, 10}, {5, 10, 15, 15}}},
        {"diff", RGN_DIFF, COMPLEXREGION, {{0, 0, 10, 5}, {0, 5, 5, 10}}},
        {"copy", RGN_COPY, SIMPLEREGION, {{0, 0, 10, 10}}},
    };
    for (const Case& c : cases) {
        HRGN a = CreateRectRgn(0, 0, 10, 10);
        HRGN b = CreateRectRgn(5, 5, 15, 15);
        HRGN out = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(CombineRgn(out, a, b, c.mode), c.complexity) << c.name;
        std::vector<RECT> rects = RectsOf(out);
        EXPECT_EQ(rects, c.rects) << c.name;
        for (HRGN r : {a, b, out}) DeleteObject(r);
    }
}

TEST(Regions, DisjointAndEmptyResults) {
    HRGN a = CreateRectRgn(0, 0, 5, 5);
    HRGN b = CreateRectRgn(10, 10, 20, 20);
    HRGN out = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(out, a, b, RGN_AND), NULLREGION);
    RECT box{1, 1, 1, 1};
    EXPECT_EQ(GetRgnBox(out, &box), NULLREGION);
    EXPECT_EQ(box, (RECT{}));
    EXPECT_EQ(CombineRgn(out, a, a, RGN_DIFF), NULLREGION);
    EXPECT_EQ(CombineRgn(out, a, b, 0), ERROR);
    EXPECT_EQ(CombineRgn(out, a, reinterpret_cast<HRGN>(0x7FFF0004), RGN_OR), ERROR);
    // A region made inside out is normalised, not refused.
    HRGN flipped = CreateRectRgn(5, 5, 0, 0);
    EXPECT_TRUE(EqualRgn(flipped, a));
    for (HRGN r : {a, b, out, flipped}) DeleteObject(r);
}

TEST(Regions, PointAndRectangleTestsExcludeRightAndBottomEdges) {
    HRGN r = CreateRectRgn(2, 2, 6, 6);
    struct Case {
        int x, y;
        BOOL inside;
    } points[] = {{2, 2, TRUE}, {5, 5, TRUE}, {6, 5, FALSE}, {5, 6, FALSE}, {1, 3, FALSE}};
    for (const auto& p : points) EXPECT_EQ(PtInRegion(r, p.x, p.y), p.inside) << p.x << "," << p.y;
    RECT touching{6, 2, 9, 6};
    RECT overlapping{5, 5, 9, 9};
    EXPECT_FALSE(RectInRegion(r, &touching));
    EXPECT_TRUE(RectInRegion(r, &overlapping));
    EXPECT_EQ(OffsetRgn(r, 10, -2), SIMPLEREGION);
    EXPECT_TRUE(PtInRegion(r, 12, 0));
    DeleteObject(r);
}

TEST(Regions, RegionDataRoundTrip) {
    HRGN a = CreateRectRgn(0, 0, 4, 4);
    HRGN b = CreateRectRgn(2, 2, 8, 8);
    CombineRgn(a, a, b, RGN_OR);
    DWORD size = GetRegionData(a, 0, nullptr);
    std::vector<char> buffer(size);
    ASSERT_EQ(GetRegionData(a, size, reinterpret_cast<RGNDATA*>(buffer.data())), size);
    EXPECT_EQ(GetRegionData(a, size - 1, reinterpret_cast<RGNDATA*>(buffer.data())), 0u);
    HRGN copy = ExtCreateRegion(nullptr, size, reinterpret_cast<RGNDATA*>(buffer.data()));
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(EqualRgn(a, copy));
    // A header that claims more rectangles than the buffer holds is refused.
    reinterpret_cast<RGNDATA*>(buffer.data())->rdh.nCount = 1000;
    EXPECT_EQ(ExtCreateRegion(nullptr, size, reinterpret_cast<RGNDATA*>(buffer.data())), nullptr);
    for (HRGN r : {a, b, copy}) DeleteObject(r);
}
