#include "ui/graphics/ImageList.h"

#include "platform/display/Display.h"
#include "platform/display/DisplayTesting.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct ImageListTest : ::testing::Test {
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    TImageList list{nullptr};
    void SetUp() override { list.SetSize(4, 4); }
};

// A width x 4 bitmap: 24-bit, filled with `color`, its bottom-left pixel `corner`.
void Filled(TBitmap& b, int width, TColor color, TColor corner) {
    b.SetPixelFormat(TPixelFormat::pf24bit);
    b.SetSize(width, 4);
    b.Canvas()->Brush()->SetColor(color);
    b.Canvas()->FillRect({0, 0, width, 4});
    b.Canvas()->SetPixel(0, 3, corner);
}

TEST_F(ImageListTest, AddingCutsStripsAndMasks) {
    TBitmap strip;
    Filled(strip, 12, clRed, clFuchsia);
    EXPECT_EQ(list.Add(&strip, nullptr), 0);
    EXPECT_EQ(list.Count(), 3);
    // Opaque without a mask: the corner stays.
    EXPECT_EQ(list.Pixels(0)[12], 0xFFFF00FFu);
    // Masked by the corner colour: the corner is gone, the red stays.
    EXPECT_EQ(list.AddMasked(&strip, clDefault), 3);
    EXPECT_EQ(list.Pixels(3)[12], 0u);
    EXPECT_EQ(list.Pixels(3)[0], 0xFFFF0000u);
    // The mask's white pixels are cut out.
    TBitmap one, mask;
    Filled(one, 4, clBlue, clBlue);
    Filled(mask, 4, clBlack, clWhite);
    EXPECT_EQ(list.Add(&one, &mask), 6);
    EXPECT_EQ(list.Pixels(6)[12], 0u);
    EXPECT_EQ(list.Pixels(6)[13], 0xFF0000FFu);
    // Pictures of another height, or not a whole number of images, are refused.
    TBitmap wrong;
    Filled(wrong, 6, clRed, clRed);
    EXPECT_EQ(list.Add(&wrong, nullptr), -1);
    wrong.SetSize(4, 5);
    EXPECT_EQ(list.AddMasked(&wrong, clRed), -1);
    EXPECT_EQ(list.Count(), 7);
    // A new size empties the list.
    list.SetSize(8, 8);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(ImageListTest, AlphaSurvivesAddAndGetBitmap) {
    TPixels pixels(16, 0x80FF0000u);  // half-transparent red
    pixels[5] = 0x00000000u;
    pixels[6] = 0xFF00FF00u;
    ASSERT_EQ(list.AddPixels(pixels), 0);
    EXPECT_EQ(list.Pixels(0)[0], 0x80800000u);  // kept premultiplied
    TBitmap out;
    ASSERT_TRUE(list.GetBitmap(0, &out));
    EXPECT_EQ(out.PixelFormat(), TPixelFormat::pf32bit);
    EXPECT_EQ(out.Width(), 4);
    TPixels back = ReadPixels(out, {0, 0, 4, 4});
    EXPECT_EQ(back[5], 0u);
    EXPECT_EQ(back[6], 0xFF00FF00u);
    EXPECT_EQ(back[0], 0x80FF0000u);
    // A 32-bit bitmap added back keeps the same alpha.
    EXPECT_EQ(list.Add(&out, nullptr), 1);
    EXPECT_EQ(list.Pixels(1), list.Pixels(0));
    EXPECT_FALSE(list.GetBitmap(2, &out));
    EXPECT_FALSE(list.GetBitmap(-1, &out));
}

TEST_F(ImageListTest, DrawBlendsOverTheCanvas) {
    TPixels pixels(16, 0x80FF0000u);
    pixels[0] = 0;
    list.AddPixels(pixels);
    TBitmap target;
    target.SetPixelFormat(TPixelFormat::pf24bit);
    target.SetSize(10, 10);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect({0, 0, 10, 10});
    list.Draw(target.Canvas(), 2, 2, 0);
    list.Draw(target.Canvas(), 6, 6, 5);  // out of range: nothing
    TPixels seen = ReadPixels(target, {0, 0, 10, 10});
    auto at = [&](int x, int y) { return seen[static_cast<std::size_t>(y * 10 + x)] & 0xFFFFFF; };
    EXPECT_EQ(at(2, 2), 0xFFFFFFu);  // transparent corner
    std::uint32_t pink = at(3, 3);
    EXPECT_EQ(pink >> 16, 0xFFu);
    EXPECT_NEAR(static_cast<int>(pink & 0xFF), 0x7F, 1);
    EXPECT_EQ(at(7, 7), 0xFFFFFFu);
    // Disabled: grey, never the image's red.
    target.Canvas()->FillRect({0, 0, 10, 10});
    list.Draw(target.Canvas(), 2, 2, 0, false);
    seen = ReadPixels(target, {0, 0, 10, 10});
    std::uint32_t grey = at(3, 3);
    EXPECT_EQ(grey >> 16, grey & 0xFF) << std::hex << grey;
}

TEST_F(ImageListTest, ChangeLinksHearOfChangesAndOutliveTheList) {
    int heard = 0;
    auto link = std::make_unique<TChangeLink>();
    link->OnChange = [&](TObject*) { ++heard; };
    list.RegisterChanges(link.get());
    EXPECT_EQ(link->Sender, &list);
    TPixels pixels(16, 0xFF000000u);
    list.AddPixels(pixels);
    list.BeginUpdate();
    list.AddPixels(pixels);
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(heard, 2);  // one for the add, one for the batch
    list.Delete(7);       // nothing to delete: no notice
    EXPECT_EQ(heard, 2);
    link.reset();  // unregisters
    list.Clear();
    EXPECT_EQ(heard, 2);

    TChangeLink outliving;
    {
        TImageList gone(nullptr);
        gone.RegisterChanges(&outliving);
    }
    EXPECT_EQ(outliving.Sender, nullptr);
}

}  // namespace
