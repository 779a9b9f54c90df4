#include "SkinnedTestWindows.h"

#include "skin/core/ctrlutils/ChildGraphicsPaint.h"

#include "tests/skin_core/PixelFixtures.h"

#include "ui/core/Exceptions.h"
#include "ui/graphics/Canvas.h"

#include "platform/display/Display.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/RectFills.h"

#include <gtest/gtest.h>

namespace {

// Fills itself with one colour value, paints only its left half, or fails.
class TBlock : public TGraphicControl {
public:
    TBlock(TComponent* owner, platform::COLORREF color) : TGraphicControl(owner), color_(color) {}
    bool fails = false;
    bool halfOnly = false;
    int paints = 0;

protected:
    void WndProc(TMessage& message) override {
        if (message.Msg != platform::WM_PAINT) return TGraphicControl::WndProc(message);
        ++paints;
        if (fails) throw Exception("Не нарисовано");
        auto dc = reinterpret_cast<platform::HDC>(message.WParam);
        platform::RECT r{0, 0, halfOnly ? Width() / 2 : Width(), Height()};
        platform::HBRUSH brush = platform::CreateSolidBrush(color_);
        platform::FillRect(dc, &r, brush);
        platform::DeleteObject(brush);
    }

private:
    platform::COLORREF color_;
};

class ChildGraphics : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    ChildGraphics() {
        host.SetBounds(0, 0, 200, 100);
        container->SetParent(&host);
        container->SetBounds(0, 0, 100, 60);
        container->SetColor(0x00FF00);  // green
        first->SetParent(container.get());
        first->SetBounds(10, 10, 20, 20);
        second->SetParent(container.get());
        second->SetBounds(50, 10, 20, 20);
        container->HandleNeeded();
    }
    TForm host{nullptr};
    std::unique_ptr<TRecordingPanel> container = std::make_unique<TRecordingPanel>(nullptr, false);
    TBlock* first = new TBlock(container.get(), 0x0000FF);   // red
    TBlock* second = new TBlock(container.get(), 0xFF0000);  // blue
    std::unique_ptr<TBitmap> target = SolidBitmap32(120, 80, 0xFF000000u);
};

TEST_F(ChildGraphics, PaintsEachChildOverTheBackgroundAtItsPlacePlusTheOffset) {
    second->halfOnly = true;
    PaintChildGraphicControls(target->Canvas()->Handle(), container.get(), false, TPoint{5, 7});
    EXPECT_EQ(ReadPixel32(*target, 15, 17) & 0xFFFFFF, 0xFF0000u) << "red at (10, 10) + (5, 7)";
    EXPECT_EQ(ReadPixel32(*target, 56, 18) & 0xFFFFFF, 0x0000FFu) << "blue half";
    EXPECT_EQ(ReadPixel32(*target, 70, 18) & 0xFFFFFF, 0x00FF00u) << "the container's green under the other half";
    EXPECT_EQ(ReadPixel32(*target, 2, 2), 0xFF000000u) << "nothing outside the children";
}

TEST_F(ChildGraphics, AFailingChildLeavesTheOthersPainted) {
    first->fails = true;
    PaintChildGraphicControls(target->Canvas()->Handle(), container.get(), false, TPoint{0, 0});
    EXPECT_EQ(first->paints, 1);
    EXPECT_EQ(ReadPixel32(*target, 55, 15) & 0xFFFFFF, 0x0000FFu);
}

TEST_F(ChildGraphics, AnEmptyClipPaintsNothingAndTellsTheContainer) {
    platform::HDC dc = target->Canvas()->Handle();
    const int saved = platform::SaveDC(dc);
    platform::IntersectClipRect(dc, 0, 0, 0, 0);
    PaintChildGraphicControls(dc, container.get(), false, TPoint{0, 0});
    platform::RestoreDC(dc, saved);
    EXPECT_EQ(first->paints + second->paints, 0);
    EXPECT_EQ(container->got.Count(ScPartlyHidden), 1);
}

TEST_F(ChildGraphics, HiddenContainerWithOnlyVisibleIsLeftAlone) {
    container->Hide();
    PaintChildGraphicControls(target->Canvas()->Handle(), container.get(), true, TPoint{0, 0});
    EXPECT_EQ(first->paints + second->paints, 0);
}

}  // namespace
