#include "platform/gdi/FrameDrawing.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/SystemColors.h"
#include "tests/support/PixelCanvas.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(SystemColors, ClassicValuesAndPermanentBrushes) {
    struct Case {
        int index;
        COLORREF color;
    } cases[] = {{COLOR_BTNFACE, RGB(212, 208, 200)},   {COLOR_BTNSHADOW, RGB(128, 128, 128)},
                 {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)}, {COLOR_3DDKSHADOW, RGB(64, 64, 64)},
                 {COLOR_WINDOW, RGB(255, 255, 255)},       {COLOR_WINDOWTEXT, RGB(0, 0, 0)},
                 {COLOR_HIGHLIGHT, RGB(10, 36, 106)},      {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)}};
    for (const Case& c : cases) {
        EXPECT_EQ(GetSysColor(c.index), c.color) << c.index;
        HBRUSH brush = GetSysColorBrush(c.index);
        ASSERT_NE(brush, nullptr);
        EXPECT_TRUE(DeleteObject(brush));
        EXPECT_EQ(GetObjectType(brush), OBJ_BRUSH) << "system colour brushes outlive DeleteObject";
    }
    EXPECT_EQ(GetSysColorBrush(-1), nullptr);
    EXPECT_EQ(GetSysColorBrush(COLOR_LAST + 1), nullptr);
    EXPECT_EQ(GetSysColor(99), 0u);
    // FillRect takes a colour index + 1 for a brush.
    PixelCanvas canvas(2, 2);
    RECT all{0, 0, 2, 2};
    EXPECT_TRUE(FillRect(canvas.Dc(), &all, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)));
    EXPECT_EQ(canvas.At(1, 1), RGB(212, 208, 200));
}

TEST(FrameDrawing, EdgesPutTheirColoursOnTheirSides) {
    const COLORREF light = GetSysColor(COLOR_3DLIGHT), dark = GetSysColor(COLOR_3DDKSHADOW);
    const COLORREF hilight = GetSysColor(COLOR_3DHILIGHT), shadow = GetSysColor(COLOR_3DSHADOW);
    struct Case {
        UINT edge;
        COLORREF outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
    } cases[] = {
        {EDGE_RAISED, light, dark, hilight, shadow},
        {EDGE_SUNKEN, shadow, hilight, dark, light},
        {EDGE_ETCHED, shadow, hilight, hilight, shadow},
        {BDR_SUNKENOUTER, shadow, hilight, RGB(1, 2, 3), RGB(1, 2, 3)},
    };
    for (const Case& c : cases) {
        PixelCanvas canvas(8, 8, RGB(1, 2, 3));
        RECT r{0, 0, 8, 8};
        ASSERT_TRUE(DrawEdge(canvas.Dc(), &r, c.edge, BF_RECT | BF_ADJUST));
        EXPECT_EQ(canvas.At(0, 3), c.outerTopLeft) << c.edge;
        EXPECT_EQ(canvas.At(3, 0), c.outerTopLeft) << c.edge;
        EXPECT_EQ(canvas.At(7, 3), c.outerBottomRight) << c.edge;
        EXPECT_EQ(canvas.At(7, 0), c.outerBottomRight) << c.edge << ": the far corners are the dark lines'";
        EXPECT_EQ(canvas.At(0, 7), c.outerBottomRight) << c.edge;
        EXPECT_EQ(canvas.At(1, 3), c.innerTopLeft) << c.edge;
        EXPECT_EQ(canvas.At(6, 3), c.innerBottomRight) << c.edge;
        LONG width = (c.edge & BDR_INNER) ? 2 : 1;
        EXPECT_EQ(r, (RECT{width, width, 8 - width, 8 - width})) << c.edge;
    }
    PixelCanvas canvas(8, 8);
    RECT r{0, 0, 8, 8};
    EXPECT_FALSE(DrawEdge(canvas.Dc(), &r, EDGE_RAISED, BF_DIAGONAL));
    EXPECT_FALSE(DrawEdge(canvas.Dc(), nullptr, EDGE_RAISED, BF_RECT));
    EXPECT_FALSE(DrawEdge(reinterpret_cast<HDC>(0x7FFF0004), &r, EDGE_RAISED, BF_RECT));
}

TEST(FrameDrawing, ButtonGlyphs) {
    const COLORREF face = GetSysColor(COLOR_3DFACE), window = GetSysColor(COLOR_WINDOW);
    struct Case {
        UINT state;
        COLORREF background;  // what the box shows inside the edge
        bool mark;
    } cases[] = {
        {DFCS_BUTTONCHECK, window, false},
        {DFCS_BUTTONCHECK | DFCS_CHECKED, window, true},
        {DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE, face, true},
        {DFCS_BUTTONCHECK | DFCS_PUSHED, face, false},
        {DFCS_BUTTON3STATE | DFCS_CHECKED, face, true},
    };
    for (const Case& c : cases) {
        PixelCanvas canvas(13, 13, RGB(1, 2, 3));
        RECT r{0, 0, 13, 13};
        ASSERT_TRUE(DrawFrameControl(canvas.Dc(), &r, DFC_BUTTON, c.state));
        EXPECT_EQ(canvas.At(0, 0), GetSysColor(COLOR_3DSHADOW)) << c.state << ": sunken edge";
        EXPECT_EQ(canvas.At(2, 2), c.background) << c.state;
        EXPECT_EQ(canvas.At(6, 6) != c.background, c.mark) << c.state << ": the middle of the mark";
        EXPECT_EQ(canvas.Count(RGB(1, 2, 3)), 0) << c.state;
    }
    // Radio: round, so the corners stay as they were.
    PixelCanvas radio(13, 13, RGB(1, 2, 3));
    RECT r{0, 0, 13, 13};
    ASSERT_TRUE(DrawFrameControl(radio.Dc(), &r, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED));
    EXPECT_EQ(radio.At(0, 0), RGB(1, 2, 3));
    EXPECT_EQ(radio.At(6, 6), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(radio.At(6, 3), window);
    radio.Dump("radio");
    // Push buttons move the rectangle inside their edge on request.
    PixelCanvas push(20, 10);
    RECT button{0, 0, 20, 10};
    ASSERT_TRUE(DrawFrameControl(push.Dc(), &button, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT));
    EXPECT_EQ(button, (RECT{2, 2, 18, 8}));
    EXPECT_EQ(push.At(10, 5), face);
    EXPECT_EQ(push.At(19, 9), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_FALSE(DrawFrameControl(push.Dc(), &button, DFC_CAPTION, 0));
}
