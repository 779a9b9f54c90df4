#include "PixelFixtures.h"
#include "SkinControlFixtures.h"

#include "skin/core/colors/BitmapColors.h"
#include "skin/core/masks/ControlBorder.h"
#include "skin/core/parentbg/CacheCopies.h"
#include "skin/core/parentbg/ParentCache.h"
#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/sections/ControlSkinPaint.h"
#include "skin/core/sections/SectionPaint.h"

#include "ui/core/ScopeGuards.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Colors.h"

namespace {

constexpr int kW = 50, kH = 30;

// Pixels that tell their own place: 0xFF00yyxx.
void FillWithPositions(TBitmap& bitmap) {
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            WritePixel32(bitmap, x, y, 0xFF000000u | std::uint32_t(y) << 8 | std::uint32_t(x));
}

class ControlPaint : public SkinControlData {
protected:
    void SetUp() override {
        SkinControlData::SetUp();
        parent.Data.SizeCacheBitmap();
        FillWithPositions(*parent.Data.CacheBitmap);
    }
    // The section painted the plain way over the parent's cache at the child's place.
    std::unique_ptr<TBitmap> ByPaintSection(int state) {
        auto bitmap = SolidBitmap32(kW, kH, 0xFF000000);
        PaintSection(child.Data.SectionIndex, child.Data.SkinSection(), MakeParentCache(parent.Data.CacheBitmap.get(), 0, 0),
                     child.Data.PatternIndex, child.Data.HotPatternIndex, &manager, *bitmap, TPoint{12, 7},
                     TRect(0, 0, kW, kH), state, true);
        return bitmap;
    }
    std::unique_ptr<TBitmap> ByControlSkin(int state, bool cornerFill = true) {
        auto bitmap = SolidBitmap32(kW, kH, 0xFF000000);
        PaintControlSkin(child.Data, MakeParentCache(parent.Data.CacheBitmap.get(), 0, 0), state, cornerFill, *bitmap,
                         TPoint{12, 7}, TRect(0, 0, kW, kH));
        return bitmap;
    }
};

std::uint32_t AsPixel(TColor color) { return 0xFF000000u | ExchangeRedBlue(ColorToRGB(color)); }

}  // namespace

TEST_F(ControlPaint, ControlSkinIsTheSectionWithTheControlsOwnColourChanges) {
    for (const char* section : {"BUTTON", "EDIT", "PANEL", "GROUPBOX"}) {
        SCOPED_TRACE(section);
        child.Data.SetSkinSection(section);
        child.Data.HUEOffset = 0;
        child.Data.Saturation = 0;
        for (int state : {0, 1}) {
            auto plain = ByPaintSection(state);
            EXPECT_EQ(PixelsOf(*ByControlSkin(state)), PixelsOf(*plain));
            child.Data.HUEOffset = 120;
            child.Data.Saturation = -40;
            ShiftBitmapHue(plain.get(), 120);
            ChangeBitmapSaturation(plain.get(), -40);
            EXPECT_EQ(PixelsOf(*ByControlSkin(state)), PixelsOf(*plain));
            child.Data.HUEOffset = 0;
            child.Data.Saturation = 0;
        }
    }
}

TEST_F(ControlPaint, SeeThroughSectionWithoutFrameKeepsTheParentsColours) {
    // CHECKBOX: fully transparent, no border mask: the parent's pixels must not turn.
    child.Data.SetSkinSection("CHECKBOX");
    child.Data.HUEOffset = 120;
    auto bitmap = ByControlSkin(0);
    EXPECT_EQ(ReadPixel32(*bitmap, 0, 0), 0xFF00070Cu);
    EXPECT_EQ(ReadPixel32(*bitmap, 20, 10), 0xFF001120u);
}

TEST_F(ControlPaint, CustomColourPaintsTheOwnersColourOpaque) {
    child.Data.SetSkinSection("EDIT");
    child.SetColor(static_cast<TColor>(0x2040C0));
    child.Data.SetCustomColor(true);
    auto bitmap = SolidBitmap32(kW, kH, 0xFF000000);
    PaintControlBackground(child.Data, DefaultParentCache, 0, *bitmap, TPoint{0, 0}, TRect(0, 0, kW, kH));
    EXPECT_EQ(PixelsOf(*bitmap), PixelsOf(*SolidBitmap32(kW, kH, AsPixel(child.Color()))));
}

TEST_F(ControlPaint, NormalStateLeavesOutAMaskThatOnlyDecoratesOtherStates) {
    // GROUPBOX is one-state with a centre-painting mask; SPEEDBUTTON-like masks
    // with the no-normal-state flag draw nothing in state 0.
    child.Data.SetSkinSection("BUTTON");
    const TSkMaskData& mask = manager.Skin().Masks.at(std::size_t(child.Data.BorderMaskIndex));
    auto framed = ByControlSkin(0);
    // The frame's corner pixel differs from the background of the section alone.
    auto background = SolidBitmap32(kW, kH, 0xFF000000);
    PaintControlBackground(child.Data, MakeParentCache(parent.Data.CacheBitmap.get(), 0, 0), 0, *background,
                           TPoint{12, 7}, TRect(0, 0, kW, kH));
    EXPECT_NE(PixelsOf(*framed), PixelsOf(*background));
    EXPECT_EQ(mask.DrawFlags & kMaskNoNormalState, 0);
}

TEST_F(ControlPaint, OverTheParentPaintsLikeTheSkinOrWaitsForTheParent) {
    child.Data.SetSkinSection("BUTTON");
    auto expected = ByControlSkin(0);
    auto bitmap = SolidBitmap32(kW, kH, 0xFF000000);
    EXPECT_TRUE(PaintSkinOverParent(child.Data, &parent, true, *bitmap, TPoint{12, 7}, TRect(0, 0, kW, kH), 0));
    EXPECT_EQ(PixelsOf(*bitmap), PixelsOf(*expected));
    // A parent whose cache is empty is not ready: nothing painted, painting not put off.
    parent.Data.CacheBitmap->SetSize(0, 0);
    child.Data.DeferPaint = true;
    auto untouched = SolidBitmap32(kW, kH, 0xFF000000);
    EXPECT_FALSE(PaintSkinOverParent(child.Data, &parent, true, *untouched, TPoint{12, 7}, TRect(0, 0, kW, kH), 0));
    EXPECT_FALSE(child.Data.DeferPaint);
    EXPECT_EQ(PixelsOf(*untouched), PixelsOf(*SolidBitmap32(kW, kH, 0xFF000000)));
    // A rectangle leaving the bitmap paints nothing.
    EXPECT_FALSE(PaintSkinOverParent(child.Data, &parent, true, *untouched, TPoint{12, 7}, TRect(0, 0, kW + 1, kH), 0));
}

TEST_F(ControlPaint, ParentPaintsIntoTheAskersContext) {
    auto target = SolidBitmap32(20, 10, 0xFF000000);
    TSkParentBgInfo info;
    info.DC = target->Canvas()->Handle();
    info.Rect = TRect(2, 1, 8, 5);
    info.OffsetX = 30;
    info.OffsetY = 40;
    // A gradient panel copies its cache from the asker's area.
    EXPECT_TRUE(QueryControlBackground(info, &parent, true));
    EXPECT_EQ(info.Kind, bgBitmap);
    EXPECT_EQ(ReadPixel32(*target, 2, 1) & 0xFFFFFF, 0x00281Eu);
    EXPECT_EQ(ReadPixel32(*target, 7, 4) & 0xFFFFFF, 0x002B23u);
    EXPECT_EQ(ReadPixel32(*target, 8, 4), 0xFF000000u);
    EXPECT_EQ(ReadPixel32(*target, 1, 1), 0xFF000000u);
    // A flat section fills the area with its colour.
    child.Data.SetSkinSection("PAGECONTROL");
    auto flat = SolidBitmap32(20, 10, 0xFF000000);
    info.DC = flat->Canvas()->Handle();
    EXPECT_TRUE(QueryControlBackground(info, &child, true));
    EXPECT_EQ(info.Kind, bgColor);
    const std::uint32_t colour = 0xFF000000u | ExchangeRedBlue(ColorToRGB(static_cast<TColor>(info.Color)));
    EXPECT_EQ(ReadPixel32(*flat, 2, 1) | 0xFF000000u, colour);
    EXPECT_EQ(ReadPixel32(*flat, 7, 4) | 0xFF000000u, colour);
    EXPECT_EQ(ReadPixel32(*flat, 0, 0), 0xFF000000u);
}

TEST_F(ControlPaint, BorderGoesIntoTheCacheAndWidensInTheStateColour) {
    child.Data.SetSkinSection("EDIT");
    ASSERT_TRUE(manager.Skin().MaskIndexValid(child.Data.BorderMaskIndex));
    const TSkMaskData& mask = manager.Skin().Masks.at(std::size_t(child.Data.BorderMaskIndex));
    auto screen = SolidBitmap32(kW, kH, 0xFF000000);
    TRect inner;
    constexpr int kWidth = 6;
    PaintControlBorder(screen->Canvas()->Handle(), TRect(0, 0, kW, kH), kWidth, inner, 0, child.Data);
    EXPECT_EQ(inner, TRect(kWidth, kWidth, kW - kWidth, kH - kWidth));
    TBitmap& cache = *child.Data.CacheBitmap;
    ASSERT_EQ(cache.Width(), kW);
    const std::uint32_t stateColour = 0xFF000000u | ExchangeRedBlue(ColorToRGB(static_cast<TColor>(child.Data.GetStateColor(0))));
    // Just inside the mask's own frame, up to the width, lies the state colour.
    EXPECT_EQ(ReadPixel32(cache, mask.BorderLeft, kH / 2), stateColour);
    EXPECT_EQ(ReadPixel32(cache, kWidth - 1, kH / 2), stateColour);
    EXPECT_EQ(ReadPixel32(cache, kW / 2, kWidth - 1), stateColour);
    // The strips reach the control's context; its middle is left alone.
    for (int x : {0, kWidth - 1, kW - 1})
        EXPECT_EQ(ReadPixel32(*screen, x, kH / 2), ReadPixel32(cache, x, kH / 2)) << x;
    EXPECT_EQ(ReadPixel32(*screen, kW / 2, kH / 2), 0xFF000000u);
    // Without a mask only the strips are filled on the context.
    child.Data.SetSkinSection("CHECKBOX");
    auto plain = SolidBitmap32(kW, kH, 0xFF000000);
    PaintControlBorder(plain->Canvas()->Handle(), TRect(0, 0, kW, kH), 2, inner, 0, child.Data);
    const std::uint32_t plainColour = 0xFF000000u | ExchangeRedBlue(ColorToRGB(static_cast<TColor>(child.Data.GetStateColor(0))));
    EXPECT_EQ(ReadPixel32(*plain, 1, 10) | 0xFF000000u, plainColour);
    EXPECT_EQ(ReadPixel32(*plain, 2, 10), 0xFF000000u);
}

TEST(FrameStrips, FillAndCopyTheFourStrips) {
    platform::testing::UseHeadlessDisplay();
    auto a = SolidBitmap32(8, 6, 0xFF000000);
    FillDCFrame(a->Canvas()->Handle(), TRect(1, 1, 7, 5), {1, 2, 1, 1}, 0x0000FF);
    std::vector<std::string> rows;
    for (int y = 0; y < 6; ++y) {
        std::string row;
        for (int x = 0; x < 8; ++x) row += (ReadPixel32(*a, x, y) & 0xFFFFFF) == 0xFF0000 ? 'R' : '.';
        rows.push_back(row);
    }
    EXPECT_EQ(rows, (std::vector<std::string>{"........", ".RRRRRR.", ".RRRRRR.", ".R....R.", ".RRRRRR.", "........"}));
    auto source = SolidBitmap32(6, 5, 0xFF0000FF);
    auto target = SolidBitmap32(8, 7, 0xFF000000);
    CopyBorderStrips(target->Canvas()->Handle(), TPoint{1, 1}, 2, source->Canvas()->Handle(), TPoint{0, 0}, 6, 5);
    int copied = 0;
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 8; ++x) copied += (ReadPixel32(*target, x, y) & 0xFF) == 0xFF;
    // 6 x 5 area less its 2 x 1 middle.
    EXPECT_EQ(copied, 6 * 5 - 2 * 1);
    EXPECT_EQ(ReadPixel32(*target, 3, 3) & 0xFF, 0u);
    EXPECT_EQ(ReadPixel32(*target, 0, 0) & 0xFF, 0u);
}

TEST_F(ControlPaint, CacheCopiesLeaveOutChildrenThatPaintThemselves) {
    auto screen = SolidBitmap32(200, 100, 0xFF000000);
    int repairs = 0;
    static int* counter = nullptr;
    counter = &repairs;
    SetCornerRepair([](TSkCommonData&, int, int corners) { *counter += corners; });
    // The child is opaque: its rectangle is left out.
    child.ControlStyle.Include(TControlStyleItem::csOpaque);
    CopyCacheExceptChildren(parent, parent.Data, TRect(0, 0, 200, 100), 0, 0, true, screen->Canvas()->Handle(),
                            TRect(0, 0, 200, 100));
    EXPECT_EQ(repairs, 15);
    EXPECT_EQ(ReadPixel32(*screen, 11, 6), ReadPixel32(*parent.Data.CacheBitmap, 11, 6));
    EXPECT_EQ(ReadPixel32(*screen, 62, 37), ReadPixel32(*parent.Data.CacheBitmap, 62, 37));
    EXPECT_EQ(ReadPixel32(*screen, 12, 7), 0xFF000000u);
    EXPECT_EQ(ReadPixel32(*screen, 61, 36), 0xFF000000u);
    // A windowed child that is not opaque paints over itself: no hole.
    child.ControlStyle.Exclude(TControlStyleItem::csOpaque);
    auto again = SolidBitmap32(200, 100, 0xFF000000);
    CopyCacheExceptChildren(parent, parent.Data, TRect(0, 0, 200, 100), 0, 0, false, again->Canvas()->Handle(),
                            TRect(0, 0, 200, 100));
    EXPECT_EQ(ReadPixel32(*again, 12, 7), ReadPixel32(*parent.Data.CacheBitmap, 12, 7));
    EXPECT_EQ(repairs, 15);
    SetCornerRepair(nullptr);
}

TEST_F(ControlPaint, CacheCopiesAroundChildWindows) {
    TForm form(nullptr);
    parent.SetParent(&form);
    ScopeExit leaveForm([this] { parent.SetParent(nullptr); });
    parent.HandleNeeded();
    child.HandleNeeded();
    form.Show();
    auto screen = SolidBitmap32(200, 100, 0xFF000000);
    CopyCacheExceptChildWindows(parent.Handle(), parent.Data, TRect(0, 0, 200, 100), 0, 0, false,
                                screen->Canvas()->Handle(), TRect(0, 0, 200, 100));
    EXPECT_EQ(ReadPixel32(*screen, 11, 6), ReadPixel32(*parent.Data.CacheBitmap, 11, 6));
    EXPECT_EQ(ReadPixel32(*screen, 30, 20), 0xFF000000u);
    // Without a cache nothing is copied.
    parent.Data.CacheBitmap.reset();
    auto none = SolidBitmap32(20, 20, 0xFF000000);
    CopyCacheExceptChildWindows(parent.Handle(), parent.Data, TRect(0, 0, 20, 20), 0, 0, false, none->Canvas()->Handle(),
                                TRect(0, 0, 20, 20));
    EXPECT_EQ(PixelsOf(*none), PixelsOf(*SolidBitmap32(20, 20, 0xFF000000)));
}
