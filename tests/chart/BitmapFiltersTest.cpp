// The bitmap filters on small pictures: expected pixels, sizes and the
// fields each filter changes.

#include "chart/effects/BitmapResampling.h"
#include "chart/effects/RotateFilter.h"
#include "chart/filters/BevelFilter.h"
#include "chart/filters/BrightnessFilter.h"
#include "chart/filters/ColorFilter.h"
#include "chart/filters/ContrastFilter.h"
#include "chart/filters/CropFilter.h"
#include "chart/filters/GammaCorrectionFilter.h"
#include "chart/filters/GrayScaleFilter.h"
#include "chart/filters/HlsColor.h"
#include "chart/filters/HueLumSatFilter.h"
#include "chart/filters/InvertFilter.h"
#include "chart/filters/KernelFilters.h"
#include "chart/filters/MirrorFilter.h"
#include "chart/filters/MosaicFilter.h"
#include "chart/filters/ResizeFilter.h"
#include "chart/filters/TileFilter.h"
#include "chart/filters/ZoomFilter.h"

#include "ui/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <limits>
#include <memory>
#include <vector>

// Where the pixel type lives, so that the test macros find them.
static bool operator==(const TRGBTriple& a, const TRGBTriple& b) {
    return a.Blue == b.Blue && a.Green == b.Green && a.Red == b.Red;
}

static std::ostream& operator<<(std::ostream& out, const TRGBTriple& p) {
    return out << "(b " << int(p.Blue) << ", g " << int(p.Green) << ", r " << int(p.Red) << ")";
}

namespace {

TRGBTriple& Pixel(TBitmap& bitmap, int x, int y) { return static_cast<TRGBTriple*>(bitmap.ScanLine(y))[x]; }
int Grey(TBitmap& bitmap, int x, int y) { return Pixel(bitmap, x, y).Green; }

// A 24-bit bitmap whose pixels are grey values from `value(x, y)`.
std::unique_ptr<TBitmap> GreyBitmap(int width, int height, const std::function<int(int, int)>& value) {
    auto bitmap = std::make_unique<TBitmap>(width, height, TPixelFormat::pf24bit);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto v = static_cast<std::uint8_t>(value(x, y));
            Pixel(*bitmap, x, y) = {v, v, v};
        }
    return bitmap;
}

constexpr int most = std::numeric_limits<int>::max();
constexpr int least = std::numeric_limits<int>::min();

// The filtered colour of one pixel.
TRGBTriple FilteredPixel(TChartFilter& filter, TRGBTriple pixel) {
    TBitmap bitmap(1, 1, TPixelFormat::pf24bit);
    Pixel(bitmap, 0, 0) = pixel;
    filter.ApplyToBitmap(bitmap);
    return Pixel(bitmap, 0, 0);
}

template <class F, class S>
std::function<std::unique_ptr<TChartFilter>()> Made(S settings) {
    return [settings] {
        auto filter = std::make_unique<F>();
        settings(*filter);
        return std::unique_ptr<TChartFilter>(std::move(filter));
    };
}

}  // namespace

TEST(BitmapFilters, ColourOperationsPixelByPixel) {
    const TRGBTriple warm{10, 200, 255};  // blue, green, red
    const struct Case {
        const char* what;
        std::function<std::unique_ptr<TChartFilter>()> make;
        TRGBTriple in, out;
    } cases[] = {
        {"invert", Made<TInvertFilter>([](auto&) {}), warm, {245, 55, 0}},
        {"grey simple", Made<TGrayScaleFilter>([](auto&) {}), warm, {155, 155, 155}},
        {"grey eye", Made<TGrayScaleFilter>([](auto& f) { f.SetMethod(TGrayMethod::gmEye); }), warm, {196, 196, 196}},
        {"grey eye 2", Made<TGrayScaleFilter>([](auto& f) { f.SetMethod(TGrayMethod::gmEye2); }), warm,
         {189, 189, 189}},
        {"grey eye 2 of red", Made<TGrayScaleFilter>([](auto& f) { f.SetMethod(TGrayMethod::gmEye2); }),
         {0, 0, 255}, {87, 87, 87}},
        // 20 % of 255 is 51
        {"brightness percent", Made<TBrightnessFilter>([](auto& f) { f.SetAmount(20); }), warm, {61, 251, 255}},
        {"brightness steps", Made<TBrightnessFilter>([](auto& f) {
             f.SetAmount(-30);
             f.SetPercent(false);
         }),
         warm, {0, 170, 225}},
        // 10 + (5 * -118) div 256, 200 + (100 * 72) div 256, 255 + (128 * 127) div 256
        {"contrast percent", Made<TContrastFilter>([](auto& f) { f.SetAmount(50); }), warm, {8, 228, 255}},
        {"contrast steps", Made<TContrastFilter>([](auto& f) {
             f.SetAmount(100);
             f.SetPercent(false);
         }),
         warm, {0, 228, 255}},
        {"colour", Made<TColorFilter>([](auto& f) {
             f.SetRed(10);
             f.SetGreen(-20);
             f.SetBlue(300);
         }),
         warm, {255, 180, 255}},
        {"gamma 1", Made<TGammaCorrectionFilter>([](auto& f) { f.SetAmount(100); }), warm, warm},
        // 255 * (v / 255) ^ (1 / 0.7)
        {"gamma 0.7", Made<TGammaCorrectionFilter>([](auto&) {}), {10, 200, 128}, {2, 180, 95}},
        // the exponent becomes 1000: only the top values keep anything
        {"gamma 0", Made<TGammaCorrectionFilter>([](auto& f) { f.SetAmount(0); }), {253, 254, 255}, {0, 5, 255}},
        {"hue a third round", Made<THueLumSatFilter>([](auto& f) { f.SetHue(80); }), {0, 0, 255}, {0, 255, 0}},
        {"no saturation", Made<THueLumSatFilter>([](auto& f) { f.SetSaturation(-240); }), {0, 0, 255},
         {128, 128, 128}},
        {"darker grey", Made<THueLumSatFilter>([](auto& f) { f.SetLuminance(-60); }), {128, 128, 128},
         {65, 65, 65}},
    };
    for (const Case& c : cases) {
        auto filter = c.make();
        EXPECT_EQ(FilteredPixel(*filter, c.in), c.out) << c.what;
    }
}

TEST(BitmapFilters, AmountsThatMeanNothingChangeNothing) {
    const TRGBTriple warm{10, 200, 255};
    TBrightnessFilter brightness;
    brightness.SetAmount(0);
    TContrastFilter contrast;
    contrast.SetAmount(0);
    TColorFilter colour;
    THueLumSatFilter hls;
    TMosaicFilter mosaic;
    mosaic.SetAmount(0);
    for (TChartFilter* f : std::vector<TChartFilter*>{&brightness, &contrast, &colour, &hls, &mosaic})
        EXPECT_EQ(FilteredPixel(*f, warm), warm) << f->ClassName();
}

TEST(BitmapFilters, WildAmountsStayWithinAByte) {
    // amounts from damaged form data must not wrap around on the way
    const TRGBTriple warm{10, 200, 255};
    const struct Case {
        const char* what;
        std::function<std::unique_ptr<TChartFilter>()> make;
        TRGBTriple out;
    } cases[] = {
        {"brightness", Made<TBrightnessFilter>([](auto& f) {
             f.SetAmount(most);
             f.SetPercent(false);
         }),
         {255, 255, 255}},
        {"brightness percent", Made<TBrightnessFilter>([](auto& f) { f.SetAmount(least); }), {0, 0, 0}},
        {"contrast", Made<TContrastFilter>([](auto& f) {
             f.SetAmount(most);
             f.SetPercent(false);
         }),
         {0, 255, 255}},
        {"contrast percent", Made<TContrastFilter>([](auto& f) { f.SetAmount(most); }), {0, 255, 255}},
        {"colour", Made<TColorFilter>([](auto& f) {
             f.SetRed(least);
             f.SetBlue(most);
         }),
         {255, 200, 0}},
        {"hue, lum, sat", Made<THueLumSatFilter>([](auto& f) { f.SetLuminance(most); }), {255, 255, 255}},
        {"gamma", Made<TGammaCorrectionFilter>([](auto& f) { f.SetAmount(least); }), {255, 255, 255}},
    };
    for (const Case& c : cases) {
        auto filter = c.make();
        EXPECT_EQ(FilteredPixel(*filter, warm), c.out) << c.what;
    }
    auto bitmap = GreyBitmap(4, 4, [](int, int) { return 100; });
    TBevelFilter bevel;
    bevel.SetBright(least);
    bevel.ApplyToBitmap(*bitmap);
    EXPECT_EQ(Grey(*bitmap, 1, 0), 0);    // lit by the least integer: dark
    EXPECT_EQ(Grey(*bitmap, 1, 3), 255);  // shaded by it: bright
}

TEST(BitmapFilters, HueLuminanceSaturationBothWays) {
    const struct {
        TRGBTriple rgb;
        THlsColor hls;
    } cases[] = {
        {{0, 0, 255}, {0, 120, 240}},      // red
        {{0, 255, 0}, {80, 120, 240}},     // green
        {{255, 0, 0}, {160, 120, 240}},    // blue
        {{128, 128, 128}, {160, 121, 0}},  // grey: no hue, no saturation
        {{255, 255, 255}, {160, 240, 0}},
        {{0, 0, 0}, {160, 0, 0}},
    };
    for (const auto& c : cases) {
        const THlsColor hls = RgbToHls(c.rgb);
        EXPECT_EQ(hls.Hue, c.hls.Hue) << c.rgb;
        EXPECT_EQ(hls.Luminance, c.hls.Luminance) << c.rgb;
        EXPECT_EQ(hls.Saturation, c.hls.Saturation) << c.rgb;
    }
    // the pure colours and the extremes come back as they were
    for (const auto& c : cases) {
        if (c.hls.Saturation != 0 || c.rgb.Red % 255 == 0) {
            EXPECT_EQ(HlsToRgb(RgbToHls(c.rgb)), c.rgb) << c.rgb;
        }
    }
    // an orange goes round within one step per channel
    const TRGBTriple orange{40, 150, 230};
    const TRGBTriple back = HlsToRgb(RgbToHls(orange));
    // the scale of 240 loses a little: the darkest channel comes back 43
    EXPECT_NEAR(back.Red, orange.Red, 3);
    EXPECT_NEAR(back.Green, orange.Green, 3);
    EXPECT_NEAR(back.Blue, orange.Blue, 3);
}

TEST(BitmapFilters, KernelsOnOneNeighbourhood) {
    const int grid[3][3] = {{10, 40, 20}, {60, 100, 80}, {30, 120, 50}};
    const struct {
        std::function<std::unique_ptr<TChartFilter>()> make;
        int centre;
    } cases[] = {
        {Made<TSharpenFilter>([](auto&) {}), 149},  // 2 x 100 - 410 / 8
        {Made<TEmbossFilter>([](auto&) {}), 40},    // -(-40 - 60 + 100 + 80 - 120)
        {Made<TSoftenFilter>([](auto&) {}), 88},    // (100 + 80 + 120 + 50) / 4, half to even
    };
    for (const auto& c : cases) {
        auto bitmap = GreyBitmap(3, 3, [&grid](int x, int y) { return grid[y][x]; });
        auto filter = c.make();
        filter->ApplyToBitmap(*bitmap);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(Grey(*bitmap, x, y), x == 1 && y == 1 ? c.centre : grid[y][x])
                    << filter->ClassName() << " at " << x << "," << y;
    }
}

TEST(BitmapFilters, MosaicBlocksFromTheTopLeftCorner) {
    auto bitmap = GreyBitmap(10, 10, [](int x, int y) { return x + 10 * y; });
    TMosaicFilter mosaic;
    mosaic.SetAmount(4);
    mosaic.ApplyToBitmap(*bitmap);
    // blocks of 4, 4 and 2 each way; a block's value is the rounded mean of x + 10 y
    const struct {
        int x, y, value;
    } cases[] = {
        {0, 0, 16}, {3, 3, 16},  // 1.5 + 15 = 16.5, half to even
        {4, 0, 20}, {7, 3, 20},  // 5.5 + 15
        {8, 0, 24}, {9, 3, 24},  // 8.5 + 15 = 23.5
        {0, 8, 86}, {5, 9, 90},  // 1.5 + 85, 5.5 + 85 = 90.5
        {9, 9, 94},              // 8.5 + 85 = 93.5
    };
    for (const auto& c : cases) EXPECT_EQ(Grey(*bitmap, c.x, c.y), c.value) << c.x << "," << c.y;
}

TEST(BitmapFilters, BevelRingsLightTopLeftAndShadeBottomRight) {
    auto bitmap = GreyBitmap(10, 6, [](int, int) { return 100; });
    TBevelFilter bevel;
    bevel.SetBright(50);
    bevel.SetSize(2);
    bevel.ApplyToBitmap(*bitmap);
    const int expected[6][10] = {
        {150, 150, 150, 150, 150, 150, 150, 150, 150, 150},
        {150, 150, 150, 150, 150, 150, 150, 150, 150, 50},
        {150, 150, 100, 100, 100, 100, 100, 100, 50, 50},
        {150, 150, 100, 100, 100, 100, 100, 100, 50, 50},
        {150, 100, 50, 50, 50, 50, 50, 50, 0, 50},
        {100, 50, 50, 50, 50, 50, 50, 50, 50, 0},
    };
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x) EXPECT_EQ(Grey(*bitmap, x, y), expected[y][x]) << x << "," << y;
}

TEST(BitmapFilters, MirrorDoublesThePictureEachWay) {
    // 2 x 2: values 1 2 / 3 4
    auto value = [](int x, int y) { return 1 + x + 2 * y; };
    const struct {
        TMirrorDirection direction;
        int width, height;
        std::vector<int> rows;  // row by row
    } cases[] = {
        {TMirrorDirection::mdDown, 2, 4, {1, 2, 3, 4, 3, 4, 1, 2}},
        {TMirrorDirection::mdUp, 2, 4, {3, 4, 1, 2, 1, 2, 3, 4}},
        {TMirrorDirection::mdRight, 4, 2, {1, 2, 2, 1, 3, 4, 4, 3}},
        {TMirrorDirection::mdLeft, 4, 2, {2, 1, 1, 2, 4, 3, 3, 4}},
    };
    for (const auto& c : cases) {
        auto bitmap = GreyBitmap(2, 2, value);
        TMirrorFilter mirror;
        mirror.Region().Left = 1;  // a mirror takes no region
        mirror.SetDirection(c.direction);
        mirror.ApplyToBitmap(*bitmap);
        ASSERT_EQ(bitmap->Width(), c.width);
        ASSERT_EQ(bitmap->Height(), c.height);
        std::vector<int> rows;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) rows.push_back(Grey(*bitmap, x, y));
        EXPECT_EQ(rows, c.rows) << static_cast<int>(c.direction);
    }
}

TEST(BitmapFilters, ResizeResamplesToTheNewSize) {
    // left half black, right half white; flat columns stay flat between the
    // source rows (the weights of a short window are made to add up)
    auto bitmap = GreyBitmap(4, 2, [](int x, int) { return x < 2 ? 0 : 255; });
    TResizeFilter resize;
    resize.SetWidth(8);
    resize.ApplyToBitmap(*bitmap);  // no height: nothing
    EXPECT_EQ(bitmap->Width(), 4);
    resize.SetHeight(3);
    resize.ApplyToBitmap(*bitmap);
    ASSERT_EQ(bitmap->Width(), 8);
    ASSERT_EQ(bitmap->Height(), 3);
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ(Grey(*bitmap, 0, y), 0);
        EXPECT_EQ(Grey(*bitmap, 7, y), 255);
    }
}

TEST(BitmapFilters, CropEnlargesItsAreaOverTheWholePicture) {
    auto value = [](int x, int y) { return (x * 7 + y * 13) % 256; };
    auto bitmap = GreyBitmap(100, 100, value);
    TCropFilter crop;
    crop.SetLeft(5);
    crop.SetTop(5);
    crop.SetWidth(10);
    crop.SetHeight(10);
    crop.ApplyToBitmap(*bitmap);
    ASSERT_EQ(bitmap->Width(), 100);
    ASSERT_EQ(bitmap->Height(), 100);
    // every source pixel of the area becomes a block of 10 x 10
    for (int y = 0; y < 100; y += 3)
        for (int x = 0; x < 100; x += 3) ASSERT_EQ(Grey(*bitmap, x, y), value(5 + x / 10, 5 + y / 10)) << x << "," << y;

    auto smooth = GreyBitmap(100, 100, value);
    crop.SetSmooth(true);
    crop.ApplyToBitmap(*smooth);
    // resampled: the area's corners land on the picture's corners
    EXPECT_EQ(Grey(*smooth, 0, 0), value(5, 5));
    EXPECT_EQ(Grey(*smooth, 99, 99), value(14, 14));
}

TEST(BitmapFilters, ZoomCropsTheCentreOfItsRectangle) {
    auto value = [](int x, int y) { return x + 10 * y; };
    auto whole = GreyBitmap(10, 10, value);
    TZoomFilter zoom;
    zoom.SetPercent(20);  // one pixel off each side of 10
    zoom.ApplyToBitmap(*whole);
    EXPECT_EQ(Grey(*whole, 0, 0), value(1, 1));
    EXPECT_EQ(Grey(*whole, 9, 9), value(8, 8));

    auto part = GreyBitmap(10, 10, value);
    zoom.Region().Left = 5;  // columns 5..9, every row
    zoom.ApplyToBitmap(*part);
    EXPECT_EQ(Grey(*part, 4, 4), value(4, 4));  // outside the region
    // 5 wide: half a pixel rounds to none off; 10 high: one row off at the top and the bottom
    EXPECT_EQ(Grey(*part, 5, 0), value(5, 1));
    EXPECT_EQ(Grey(*part, 9, 9), value(9, 8));
}

TEST(BitmapFilters, TileRepeatsTheWholePictureSmaller) {
    auto bitmap = GreyBitmap(7, 7, [](int x, int y) { return x * 30 + y; });
    TTileFilter tile;
    tile.SetNumCols(0);
    tile.SetNumRows(3);
    tile.ApplyToBitmap(*bitmap);
    EXPECT_EQ(tile.NumCols(), 1);  // set to 1 in the filter

    auto tiles = GreyBitmap(7, 7, [](int x, int y) { return x * 30 + y; });
    tile.SetNumCols(3);
    tile.ApplyToBitmap(*tiles);
    // tiles of (6 div 3) x (6 div 3) = 2 x 2 from the top-left corner; column and row 6 stay
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 2; ++x)
                    EXPECT_EQ(Grey(*tiles, 2 * column + x, 2 * row + y), Grey(*tiles, x, y))
                        << "tile " << column << "," << row;
    EXPECT_LT(Grey(*tiles, 0, 0), Grey(*tiles, 1, 0));  // each tile keeps the rise to the right
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(Grey(*tiles, 6, i), 180 + i);
        EXPECT_EQ(Grey(*tiles, i, 6), i * 30 + 6);
    }
}

TEST(BitmapFilters, ResampledCopyOfAThinPicture) {
    // a one-pixel-high picture has nothing to weigh across its height: it is stretched plainly
    TBitmap line(4, 1, TPixelFormat::pf24bit);
    for (int x = 0; x < 4; ++x) Pixel(line, x, 0) = {0, 0, 200};
    const auto copy = ResampledCopy(line, 8, 3);
    ASSERT_EQ(copy->Width(), 8);
    ASSERT_EQ(copy->Height(), 3);
    EXPECT_EQ(Pixel(*copy, 7, 2), (TRGBTriple{0, 0, 200}));

    auto wide = GreyBitmap(6, 4, [](int x, int) { return x * 40; });
    const auto resampled = ResampledCopy(*wide, 11, 7);
    EXPECT_EQ(resampled->PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(Grey(*resampled, 0, 0), 0);
    EXPECT_EQ(Grey(*resampled, 10, 6), 200);
}

TEST(BitmapFilters, AWildAngleEndsAtOnce) {
    // repeated subtraction of a full turn from this would not end in any time
    auto bitmap = GreyBitmap(4, 2, [](int x, int) { return x; });
    TRotateFilter turn;
    turn.SetAngle(1e300);
    turn.ApplyToBitmap(*bitmap);
    EXPECT_GT(turn.Angle(), 0);
    EXPECT_LE(turn.Angle(), 360);
    turn.SetAngle(720);  // whole turns come to 360, as subtracting would leave them
    turn.ApplyToBitmap(*bitmap);
    EXPECT_EQ(turn.Angle(), 360);
    turn.SetAngle(std::numeric_limits<double>::quiet_NaN());
    auto still = GreyBitmap(4, 2, [](int x, int) { return x; });
    turn.ApplyToBitmap(*still);
    EXPECT_EQ(still->Width(), 4);
    EXPECT_EQ(Grey(*still, 3, 0), 3);
}
