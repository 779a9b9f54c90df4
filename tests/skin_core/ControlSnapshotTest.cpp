#include "SkinnedTestWindows.h"

#include "skin/core/ctrlutils/ControlSnapshot.h"
#include "skin/core/parentbg/ParentCache.h"

#include "tests/skin_core/PixelFixtures.h"

#include "ui/graphics/Colors.h"

#include "platform/display/Display.h"
#include "platform/display/DisplayTesting.h"

#include <gtest/gtest.h>

namespace {

// A skinned panel that answers the background question with its own picture.
class TBackgroundPanel : public TPanel {
public:
    using TPanel::TPanel;
    std::unique_ptr<TBitmap> picture;

protected:
    void WndProc(TMessage& message) override {
        if (message.Msg == SkinCommandMsg && SkinCommandOf(message.WParam) == ScGetParentBackground) {
            auto* info = reinterpret_cast<TSkParentBgInfo*>(message.LParam);
            info->Kind = bgBitmap;
            info->Bitmap = picture.get();
            info->OffsetX = 3;
            info->OffsetY = 2;
            return;
        }
        TPanel::WndProc(message);
    }
};

class ControlSnapshot : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    ControlSnapshot() {
        form.SetBounds(0, 0, 200, 150);
        form.SetColor(clWhite);
        outer->SetParent(&form);
        outer->SetBounds(10, 20, 100, 80);
        outer->SetColor(clRed);
        outer->SetBevelOuter(TPanelBevel::bvNone);
        inner->SetParent(outer);
        inner->SetBounds(30, 25, 40, 30);
        inner->SetColor(clBlue);
        inner->SetBevelOuter(TPanelBevel::bvNone);
        form.Show();
        platform::testing::PumpMessages();
    }
    TForm form{nullptr};
    TBackgroundPanel* outer = new TBackgroundPanel(&form);
    TPanel* inner = new TPanel(&form);
};

TEST_F(ControlSnapshot, PaintsTheControlWithItsWindowedChildrenAtTheirPlaces) {
    auto bitmap = SolidBitmap32(100, 80, 0);
    SnapshotControl(*bitmap, outer, 0, nullptr, 0);
    EXPECT_EQ(ReadPixel32(*bitmap, 5, 5) & 0xFFFFFF, 0xFF0000u) << "the panel's red";
    EXPECT_EQ(ReadPixel32(*bitmap, 45, 35) & 0xFFFFFF, 0x0000FFu) << "the child's blue at (30, 25)";
    EXPECT_EQ(ReadPixel32(*bitmap, 29, 24) & 0xFFFFFF, 0xFF0000u);
}

TEST_F(ControlSnapshot, AHiddenControlGivesItsParentsBackground) {
    outer->picture = MakeBitmap32(80, 60, std::vector<std::uint32_t>(80 * 60, 0xFF00FF00u));
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x) PixelRow(*outer->picture, y)[x] = 0xFF000000u | std::uint32_t(x << 8) | std::uint32_t(y);
    inner->Hide();
    auto bitmap = SolidBitmap32(60, 50, 0);
    SnapshotControl(*bitmap, inner, 5, nullptr, 4);
    // From (3 + 30, 2 + 25) of the parent's picture, put at (5, 4).
    EXPECT_EQ(ReadPixel32(*bitmap, 5, 4) & 0xFFFFFF, (33u << 8) | 27u);
    EXPECT_EQ(ReadPixel32(*bitmap, 5 + 39, 4 + 29) & 0xFFFFFF, (72u << 8) | 56u);
    EXPECT_EQ(ReadPixel32(*bitmap, 4, 4), 0u) << "nothing outside the control's place";
}

}  // namespace
