#include "ControlFixture.h"
#include "gallery/ControlGallery.h"

#include "tests/support/PngDump.h"

#include "ui/controls/BitBtn.h"
#include "ui/controls/CheckBox.h"
#include "ui/controls/Image.h"
#include "ui/controls/ProgressBar.h"
#include "ui/controls/Shape.h"
#include "ui/controls/SpeedButton.h"
#include "ui/controls/StatusBar.h"
#include "ui/menus/Menus.h"

#include <cstdlib>

namespace {

struct ControlGallery : ::testing::Test {
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    static void Pump() { platform::testing::PumpMessages(); }
};

// A pixel of a control drawn in the form's window, 0x00RRGGBB.
std::uint32_t FormPixel(TForm* form, TControl* c, int x, int y) {
    TPoint p = c->ClientToScreen({x, y});
    p = {p.X - form->Left(), p.Y - form->Top()};
    return platform::testing::WindowPixel(form->Handle(), p.X, p.Y) & 0xFFFFFF;
}

std::uint32_t PixelAt(TWinControl* c, int x, int y) { return platform::testing::WindowPixel(c->Handle(), x, y) & 0xFFFFFF; }

// A colour as the pixels hold it, 0x00RRGGBB.
std::uint32_t Rgb(TColor color) {
    std::uint32_t v = ColorToRGB(color);
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

TEST_F(ControlGallery, EveryControlPaintsItsState) {
    TControlGallery g = BuildControlGallery();
    TForm* form = g.Form.get();
    form->Show();
    Pump();

    // The bar under the caption, the status bar at the bottom of the client.
    EXPECT_EQ(g.Status->Top() + g.Status->Height(), form->ClientHeight());
    // Every control fits in the client area, none under the status bar.
    for (int i = 0; i < form->ControlCount(); ++i) {
        TControl* c = form->Controls(i);
        if (c == g.Status) continue;
        EXPECT_GE(c->Left(), 0) << c->ClassName();
        EXPECT_LE(c->Left() + c->Width(), form->ClientWidth()) << c->ClassName();
        EXPECT_LE(c->Top() + c->Height(), g.Status->Top()) << c->ClassName();
    }
    // Half the smooth bar is filled with the highlight.
    TRect filled = g.Progress->FilledRect();
    EXPECT_EQ(filled.Width(), (g.Progress->Width() - 4) / 2);
    EXPECT_EQ(PixelAt(g.Progress, filled.Left + 5, 8), Rgb(clHighlight));
    EXPECT_EQ(PixelAt(g.Progress, filled.Right + 5, 8), Rgb(clBtnFace));
    // A checked box has dark pixels in its box; an unchecked one has none.
    auto darkIn = [](TWinControl* c) {
        int dark = 0;
        for (int y = 4; y < 13; ++y)
            for (int x = 3; x < 11; ++x)
                if (PixelAt(c, x, y) == 0) ++dark;
        return dark;
    };
    EXPECT_GT(darkIn(g.Check), 5);
    g.Check->SetChecked(false);
    Pump();
    EXPECT_EQ(darkIn(g.Check), 0);
    g.Check->SetChecked(true);
    Pump();

    // The down button of the group shows the held-down check pattern, its neighbours a plain face.
    auto highlightsIn = [&](TControl* c) {
        int n = 0;
        for (int y = 4; y < 8; ++y)
            for (int x = 3; x < 7; ++x)
                if (FormPixel(form, c, x, y) == Rgb(clBtnHighlight)) ++n;
        return n;
    };
    EXPECT_GT(highlightsIn(g.Speed[1]), 4);
    EXPECT_EQ(highlightsIn(g.Speed[0]), 0);
    // The flat button shows no edge until the mouse is over it.
    EXPECT_EQ(FormPixel(form, g.FlatSpeed, 0, 0), Rgb(clBtnFace));
    // The OK button's stock glyph is green; the circle is yellow in its middle, the form's colour in its corner.
    int green = 0;
    for (int y = 0; y < g.Ok->Height(); ++y)
        for (int x = 0; x < g.Ok->Width() / 2; ++x)
            if (PixelAt(g.Ok, x, y) == Rgb(clGreen)) ++green;
    EXPECT_GT(green, 10);
    EXPECT_EQ(FormPixel(form, g.Circle, 24, 24), Rgb(clYellow));
    EXPECT_EQ(FormPixel(form, g.Circle, 1, 1), Rgb(clBtnFace));
    // The stretched disc with alpha: blue in the middle, the form's colour where it is transparent.
    std::uint32_t middle = FormPixel(form, g.Picture, 24, 24);
    EXPECT_GT(middle & 0xFF, 0xC0u) << std::hex << middle;
    EXPECT_EQ(FormPixel(form, g.Picture, 1, 1), Rgb(clBtnFace));

    // For a person to look at: VELZAR_DUMP_DIR=/some/folder.
    if (const char* dir = std::getenv("VELZAR_DUMP_DIR")) {
        auto surface = platform::testing::WindowPixels(form->Handle());
        ASSERT_TRUE(surface);
        std::vector<std::uint32_t> rows;
        for (int y = 0; y < surface->Height(); ++y)
            for (int x = 0; x < surface->Width(); ++x) rows.push_back(surface->Get(x, y));
        png_dump::WritePng(std::string(dir) + "/ui-controls.png", rows.data(), surface->Width(), surface->Height(),
                           surface->Width());
    }
    g.Form.reset();
    Pump();
}

}  // namespace
