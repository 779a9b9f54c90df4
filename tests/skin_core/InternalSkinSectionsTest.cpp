#include "PixelFixtures.h"

#include "tools/skingen/InternalSkin.h"

#include "skin/core/manager/SkinManager.h"
#include "skin/core/parentbg/ParentCache.h"
#include "skin/core/sections/SectionPaint.h"
#include "skin/core/utils/SkinSystem.h"

#include "tests/support/TempFolder.h"

#include "png/PngPicture.h"
#include "ui/core/MemoryStream.h"

#include "platform/display/Display.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

// Two greys in 8-pixel squares, so what shows through a control is plain to see.
constexpr std::uint32_t kCheckerLight = 0xFFE0E4EA, kCheckerDark = 0xFFB8BEC8;
constexpr int kSquare = 8;

std::unique_ptr<TBitmap> Checker(int w, int h) {
    auto bitmap = SolidBitmap32(w, h, kCheckerLight);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((x / kSquare + y / kSquare) % 2) WritePixel32(*bitmap, x, y, kCheckerDark);
    return bitmap;
}

struct Placed {
    const char* section;
    int state;
    TRect rect;
};

class InternalSkinSections : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    void SetUp() override {
        SetSkinMessageBoxFunction([](const std::string&, bool) {});
        manager.SetSkinDirectory(folder.Path().string());
        AddClassicInternalSkin(manager);
        manager.SetSkinName("Classic (внутренний)");
        ASSERT_GE(manager.FindSectionIndex("BUTTON"), 0);
    }
    void TearDown() override { SetSkinMessageBoxFunction(nullptr); }

    // Every control painted into one sheet over a checkered parent.
    std::unique_ptr<TBitmap> Sheet(const std::vector<Placed>& placed, int w, int h) {
        auto sheet = Checker(w, h);
        background = Checker(w, h);
        for (const Placed& p : placed)
            PaintSection(manager.FindSectionIndex(p.section), p.section, MakeParentCache(background.get(), 0, 0), -1,
                         -1, &manager, *sheet, TPoint{0, 0}, p.rect, p.state, true);
        return sheet;
    }
    // With VELZAR_SKIN_PICTURES set, the sheet is written there as a PNG to be looked at.
    static void Keep(TBitmap& sheet, const std::string& name) {
        const char* folder = std::getenv("VELZAR_SKIN_PICTURES");
        if (!folder) return;
        TBitmap opaque;
        opaque.Assign(&sheet);
        opaque.SetPixelFormat(TPixelFormat::pf24bit);
        TPngPicture picture;
        picture.AssignBitmapHandle(opaque.Handle(), false, 0);
        TMemoryStream stream;
        picture.SaveToStream(stream);
        std::ofstream(std::filesystem::path(folder) / (name + ".png"), std::ios::binary)
            .write(stream.Memory(), static_cast<std::streamsize>(stream.Size()));
    }
    // How many pixels of the rectangle differ from the parent.
    int Changed(TBitmap& sheet, const TRect& r) {
        int count = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) count += ReadPixel32(sheet, x, y) != ReadPixel32(*background, x, y);
        return count;
    }

    TempFolder folder;
    TSkinManager manager{nullptr};
    std::unique_ptr<TBitmap> background;
};

}  // namespace

TEST_F(InternalSkinSections, ButtonsInEachStateAndSize) {
    std::vector<Placed> placed;
    for (int state = 0; state < 3; ++state) {
        placed.push_back({"BUTTON", state, TRect(10, 10 + 50 * state, 85, 35 + 50 * state)});
        placed.push_back({"BUTTON", state, TRect(100, 10 + 50 * state, 300, 40 + 50 * state)});
        placed.push_back({"BUTTON", state, TRect(320, 5 + 50 * state, 340, 15 + 50 * state)});
    }
    auto sheet = Sheet(placed, 360, 160);
    Keep(*sheet, "button");
    for (const Placed& p : placed) {
        EXPECT_GT(Changed(*sheet, p.rect), p.rect.Width() * p.rect.Height() / 2);
        // The rounded corners show the checkered parent.
        EXPECT_EQ(Changed(*sheet, TRect(p.rect.Left, p.rect.Top, p.rect.Left + 1, p.rect.Top + 1)), 0);
        EXPECT_EQ(Changed(*sheet, TRect(p.rect.Right - 1, p.rect.Bottom - 1, p.rect.Right, p.rect.Bottom)), 0);
    }
}

TEST_F(InternalSkinSections, EditPanelAndGroupBox) {
    const std::vector<Placed> placed{{"EDIT", 0, TRect(10, 10, 130, 32)},    {"EDIT", 1, TRect(150, 10, 270, 32)},
                                     {"EDIT", 0, TRect(290, 10, 300, 60)},   {"PANEL", 0, TRect(10, 50, 170, 110)},
                                     {"PANEL", 1, TRect(190, 50, 260, 150)}, {"GROUPBOX", 0, TRect(10, 130, 170, 210)},
                                     {"GROUPBOX", 0, TRect(190, 170, 240, 190)}};
    auto sheet = Sheet(placed, 320, 220);
    Keep(*sheet, "edit-panel-groupbox");
    // Every control covers its rectangle and, framed, leaves its rounded corners to the parent.
    for (const Placed& p : placed) {
        EXPECT_GT(Changed(*sheet, p.rect), p.rect.Width() * p.rect.Height() / 2) << p.section;
        EXPECT_EQ(Changed(*sheet, TRect(p.rect.Left, p.rect.Top, p.rect.Left + 1, p.rect.Top + 1)), 0) << p.section;
    }
    // Nothing is painted outside the rectangles.
    EXPECT_EQ(Changed(*sheet, TRect(0, 0, 320, 8)), 0);
    // No frame lets its key colour through.
    for (std::uint32_t pixel : PixelsOf(*sheet)) ASSERT_NE(pixel & 0xFFFFFF, 0xFF00FFu);
}
