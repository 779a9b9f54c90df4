// Turning and mirroring pictures: the filters the turned gradient uses.

#include "chart/effects/FilterItems.h"
#include "chart/effects/FlipFilter.h"
#include "chart/effects/RotateFilter.h"

#include "ui/graphics/Bitmap.h"

#include <gtest/gtest.h>

namespace {

// Every pixel's blue byte numbers it: 10 * row + column.
std::unique_ptr<TBitmap> Numbered(int width, int height) {
    auto bitmap = std::make_unique<TBitmap>(width, height, TPixelFormat::pf24bit);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            static_cast<TRGBTriple*>(bitmap->ScanLine(y))[x] = {static_cast<std::uint8_t>(10 * y + x), 0, 0};
    return bitmap;
}

int At(TBitmap& bitmap, int x, int y) { return static_cast<TRGBTriple*>(bitmap.ScanLine(y))[x].Blue; }

}  // namespace

TEST(RotateFilter, QuarterAndHalfTurns) {
    auto bitmap = Numbered(4, 2);
    TRotateFilter turn;
    turn.SetAngle(450);
    turn.ApplyToBitmap(*bitmap);
    EXPECT_EQ(turn.Angle(), 90);
    ASSERT_EQ(bitmap->Width(), 2);
    ASSERT_EQ(bitmap->Height(), 4);
    EXPECT_EQ(At(*bitmap, 1, 0), 0);   // the source's top-left at the top right
    EXPECT_EQ(At(*bitmap, 0, 0), 10);  // its bottom-left beside it
    EXPECT_EQ(At(*bitmap, 0, 3), 13);

    auto other = Numbered(4, 2);
    turn.SetAngle(270);
    turn.ApplyToBitmap(*other);
    ASSERT_EQ(other->Width(), 2);
    EXPECT_EQ(At(*other, 0, 3), 0);  // the top-left goes to the bottom-left
    EXPECT_EQ(At(*other, 1, 0), 13);

    auto half = Numbered(3, 3);
    turn.SetAngle(180);
    turn.ApplyToBitmap(*half);
    EXPECT_EQ(At(*half, 0, 0), 22);
    EXPECT_EQ(At(*half, 2, 2), 0);
    EXPECT_EQ(At(*half, 2, 1), 10);
}

TEST(RotateFilter, AnyAngleSizesAndBackground) {
    struct Case {
        double angle;
        bool autoSize;
        int width, height;
    };
    const Case cases[] = {{45, true, 14, 14}, {45, false, 10, 10}, {30, true, 14, 14}, {0, true, 10, 10}};
    for (const Case& c : cases) {
        auto bitmap = Numbered(10, 10);
        TRotateFilter turn;
        turn.SetAngle(c.angle);
        turn.SetAutoSize(c.autoSize);
        turn.SetBackColor(clRed);
        turn.ApplyToBitmap(*bitmap);
        EXPECT_EQ(bitmap->Width(), c.width) << c.angle;
        EXPECT_EQ(bitmap->Height(), c.height) << c.angle;
    }
    // the corners a slanted picture leaves uncovered take the back colour
    auto bitmap = Numbered(10, 10);
    TRotateFilter turn;
    turn.SetAngle(45);
    turn.SetBackColor(clRed);
    turn.ApplyToBitmap(*bitmap);
    const TRGBTriple corner = static_cast<TRGBTriple*>(bitmap->ScanLine(0))[0];
    EXPECT_EQ(corner.Red, 255);
    EXPECT_EQ(corner.Blue, 0);
    // the centre stays where it was
    EXPECT_EQ(At(*bitmap, 7, 7), 55);

    auto thin = Numbered(1, 5);
    turn.ApplyToBitmap(*thin);
    EXPECT_EQ(thin->Width(), 1);
    EXPECT_EQ(At(*thin, 0, 4), 40);
}

TEST(FlipFilter, RowsAndColumnsWithinTheRegion) {
    auto even = Numbered(2, 4);
    TFlipFilter flip;
    flip.ApplyToBitmap(*even);
    for (int y = 0; y < 4; ++y) EXPECT_EQ(At(*even, 1, y), 10 * (3 - y) + 1);

    auto tall = std::make_unique<TBitmap>(1, 20, TPixelFormat::pf24bit);
    for (int y = 0; y < 20; ++y) static_cast<TRGBTriple*>(tall->ScanLine(y))[0] = {static_cast<std::uint8_t>(y), 0, 0};
    TFlipFilter part;
    part.Region().Top = 10;
    part.Region().Height = 5;  // rows 10..15
    part.ApplyToBitmap(*tall);
    const int expected[20] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 15, 14, 13, 12, 11, 10, 16, 17, 18, 19};
    for (int y = 0; y < 20; ++y) EXPECT_EQ(At(*tall, 0, y), expected[y]) << y;

    auto wide = Numbered(5, 2);
    TReverseFilter reverse;
    reverse.ApplyToBitmap(*wide);
    for (int x = 0; x < 5; ++x) EXPECT_EQ(At(*wide, x, 1), 10 + 4 - x);
}

TEST(FilterItems, TurnAndMirrorListsReadBack) {
    TFilterItems items;
    static_cast<TRotateFilter*>(items.Add(TRotateFilter::StaticClass()))->SetAngle(33.5);
    items.Add(TReverseFilter::StaticClass());
    TFilterItems copy;
    copy.Assign(&items);
    ASSERT_EQ(copy.Count(), 2);
    auto* turn = dynamic_cast<TRotateFilter*>(copy.Items(0));
    ASSERT_NE(turn, nullptr);
    EXPECT_EQ(turn->Angle(), 33.5);
    EXPECT_NE(dynamic_cast<TReverseFilter*>(copy.Items(1)), nullptr);
    EXPECT_EQ(copy.Items(1)->DisplayName(), "Reverse");
}
