// The icon at every theme size: a badge with clear corners, the rocket still
// there at the smallest size, and the PNG file holding exactly the drawn pixels.
#include "packaging/icon/IconArt.h"

#include "png/PngPicture.h"
#include "tests/support/TempFolder.h"
#include "ui/core/HandleStream.h"

#include <gtest/gtest.h>

namespace {

bool NearlyWhite(const TIconPixel& p) { return p.Alpha == 255 && p.Red > 220 && p.Green > 220 && p.Blue > 220; }
bool Orange(const TIconPixel& p) { return p.Alpha == 255 && p.Red > 200 && p.Green > 100 && p.Green < 190 && p.Blue < 80; }

class IconSizes : public testing::TestWithParam<int> {};

TEST_P(IconSizes, ClearCornersOpaqueMiddleAndTheArtPresent) {
    const int size = GetParam();
    const TIconImage icon = DrawVelzarIcon(size);
    ASSERT_EQ(icon.Size, size);
    ASSERT_EQ(icon.Pixels.size(), std::size_t(size) * std::size_t(size));
    for (auto [x, y] : {std::pair{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}})
        EXPECT_EQ(icon.At(x, y).Alpha, 0) << x << "," << y;
    EXPECT_EQ(icon.At(size / 2, size / 2).Alpha, 255);
    EXPECT_LT(icon.At(size / 2, size - 1).Alpha, 255) << "the badge is cut off at the picture's edge";
    int hull = 0, curve = 0, partial = 0;
    for (const auto& p : icon.Pixels) {
        hull += NearlyWhite(p);
        curve += Orange(p);
        partial += p.Alpha > 0 && p.Alpha < 255;
    }
    EXPECT_GT(hull, 0) << "the rocket vanished";
    EXPECT_GT(curve, 0) << "the climb curve vanished";
    EXPECT_GT(partial, 0) << "edges are not smoothed";
}

INSTANTIATE_TEST_SUITE_P(ThemeSizes, IconSizes, testing::ValuesIn(kIconSizes));

TEST(IconPng, ReadsBackAsTheDrawnPixelsWithAlpha) {
    TempFolder folder;
    const std::string file = (folder.Path() / "velzar.png").string();
    const TIconImage icon = DrawVelzarIcon(48);
    WriteIconPng(icon, file);

    TPngPicture picture;
    TFileStream stream(file, fmOpenRead);
    picture.LoadFromStream(stream);
    ASSERT_EQ(picture.Width(), 48);
    ASSERT_EQ(picture.Height(), 48);
    ASSERT_EQ(picture.TransparencyKind(), 2);
    for (int y = 0; y < icon.Size; ++y)
        for (int x = 0; x < icon.Size; ++x) {
            const TPngColor colour = picture.ReadPixelColor(x, y);
            const TIconPixel read{RedOf(colour), GreenOf(colour), BlueOf(colour), picture.AlphaRowAddress(y)[x]};
            ASSERT_EQ(read, icon.At(x, y)) << x << "," << y;
        }
}

TEST(IconPng, AFolderThatDoesNotExistIsAnError) {
    TempFolder folder;
    EXPECT_ANY_THROW(WriteIconPng(DrawVelzarIcon(16), (folder.Path() / "missing" / "velzar.png").string()));
}

}  // namespace
