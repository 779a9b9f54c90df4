#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/Regions.h"
#include "platform/window/Painting.h"
#include "platform/window/WindowPrinting.h"
#include "platform/window/WindowRegions.h"
#include "tests/platform/WindowFixture.h"
#include "tests/support/PixelCanvas.h"

using namespace windowtest;

namespace {

constexpr COLORREF Red = RGB(200, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 200);
constexpr COLORREF Green = RGB(0, 160, 0);

// A recording class whose background (what WM_ERASEBKGND paints) is colour.
const char* ColoredClass(COLORREF color) {
    static std::map<COLORREF, std::string> names;
    auto& name = names[color];
    if (name.empty()) {
        name = "Velzar.Painting." + std::to_string(color);
        WNDCLASS windowClass;
        windowClass.lpfnWndProc = CALLBACK_Record;
        windowClass.lpszClassName = name.c_str();
        windowClass.hbrBackground = CreateSolidBrush(color);
        RegisterClass(&windowClass);
    }
    return name.c_str();
}

COLORREF AsColor(Pixel pixel) {
    return ColorFromPixel(pixel);
}

class Painting : public WindowTest {
protected:
    HWND MakeColored(COLORREF color, DWORD style, int x, int y, int width, int height, HWND parent = nullptr) {
        HWND window = CreateWindowEx(0, ColoredClass(color), "", style, x, y, width, height, parent, nullptr, nullptr,
                                     nullptr);
        made_.push_back(window);
        return window;
    }
    std::vector<HWND> Painted() {
        std::vector<HWND> order;
        for (const Logged& entry : Log())
            if (entry.message == WM_PAINT) order.push_back(entry.window);
        return order;
    }
};

}  // namespace

TEST_F(Painting, ParentsPaintBeforeChildrenAndClipChildrenKeepsChildrenOutOfTheParentsPaint) {
    HWND parent = MakeColored(Red, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 60, 40);
    HWND child = MakeColored(Blue, WS_CHILD | WS_VISIBLE, 10, 10, 20, 10, parent);
    platform::testing::PumpMessages();
    EXPECT_EQ(Painted(), (std::vector<HWND>{parent, child}));
    EXPECT_EQ(AsColor(platform::testing::WindowPixel(parent, 5, 5)), Red);
    EXPECT_EQ(AsColor(platform::testing::WindowPixel(parent, 15, 15)), Blue);
    EXPECT_EQ(AsColor(platform::testing::WindowPixel(child, 0, 0)), Blue);

    // The parent alone is invalid now, and its erase leaves the child's pixels.
    Log().clear();
    InvalidateRect(parent, nullptr, TRUE);
    platform::testing::PumpMessages();
    EXPECT_EQ(Painted(), std::vector<HWND>{parent});
    EXPECT_EQ(AsColor(platform::testing::WindowPixel(parent, 15, 15)), Blue);
}

TEST_F(Painting, WithoutClipChildrenTheInvalidationReachesTheChildrenUnderIt) {
    HWND parent = MakeColored(Red, WS_POPUP | WS_VISIBLE, 0, 0, 60, 40);
    HWND covered = MakeColored(Blue, WS_CHILD | WS_VISIBLE, 10, 10, 20, 10, parent);
    HWND elsewhere = MakeColored(Green, WS_CHILD | WS_VISIBLE, 40, 30, 10, 10, parent);
    platform::testing::PumpMessages();
    Log().clear();
    RECT part{0, 0, 35, 25};
    InvalidateRect(parent, &part, TRUE);
    platform::testing::PumpMessages();
    EXPECT_EQ(Painted(), (std::vector<HWND>{parent, covered}));
    EXPECT_EQ(AsColor(platform::testing::WindowPixel(parent, 15, 15)), Blue);
    EXPECT_EQ(AsColor(platform::testing::WindowPixel(parent, 45, 35)), Green);
    (void)elsewhere;
}

TEST_F(Painting, TheUpdateRegionIsWhatBeginPaintClipsToAndValidatingEmptiesIt) {
    HWND window = MakeColored(Red, WS_POPUP | WS_VISIBLE, 0, 0, 50, 50);
    platform::testing::PumpMessages();
    RECT part{5, 5, 15, 20};
    InvalidateRect(window, &part, FALSE);
    RECT more{30, 30, 40, 40};
    InvalidateRect(window, &more, FALSE);
    RECT update;
    EXPECT_TRUE(GetUpdateRect(window, &update, FALSE));
    EXPECT_EQ(update, (RECT{5, 5, 40, 40}));
    ValidateRect(window, &more);
    GetUpdateRect(window, &update, FALSE);
    EXPECT_EQ(update, part);

    RECT painted{};
    BOOL erase = TRUE;
    CurrentHandler() = [&](HWND w, UINT message, WPARAM, LPARAM, bool& handled) -> LRESULT {
        if (message != WM_PAINT) return 0;
        handled = true;
        PAINTSTRUCT paint;
        BeginPaint(w, &paint);
        painted = paint.rcPaint;
        erase = paint.fErase;
        EndPaint(w, &paint);
        return 0;
    };
    Log().clear();
    platform::testing::PumpMessages();
    EXPECT_EQ(painted, part);
    EXPECT_FALSE(erase);
    EXPECT_TRUE(MessagesOf(window, {WM_ERASEBKGND}).empty());  // invalidated without erasing
    EXPECT_FALSE(GetUpdateRect(window, &update, FALSE));
    ValidateRect(window, nullptr);
    Log().clear();
    platform::testing::PumpMessages();
    EXPECT_TRUE(Painted().empty());
}

TEST_F(Painting, RedrawingOffSilencesTheWindowAndItsChildrenUntilItIsOnAgain) {
    HWND parent = MakeColored(Red, WS_POPUP | WS_VISIBLE, 0, 0, 60, 40);
    HWND child = MakeColored(Blue, WS_CHILD | WS_VISIBLE, 10, 10, 20, 10, parent);
    platform::testing::PumpMessages();
    SendMessage(parent, WM_SETREDRAW, FALSE, 0);
    EXPECT_FALSE(IsWindowVisible(child));
    Log().clear();
    InvalidateRect(parent, nullptr, TRUE);
    InvalidateRect(child, nullptr, TRUE);
    platform::testing::PumpMessages();
    EXPECT_TRUE(Painted().empty());
    // Turning it on paints nothing by itself; the caller redraws.
    SendMessage(parent, WM_SETREDRAW, TRUE, 0);
    platform::testing::PumpMessages();
    EXPECT_TRUE(Painted().empty());
    RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_EQ(Painted(), (std::vector<HWND>{parent, child}));
}

TEST_F(Painting, PrintingATreeDrawsFrameBackgroundsAndVisibleChildrenAtTheirPlaces) {
    HWND parent = MakeColored(Red, WS_POPUP | WS_BORDER, 100, 100, 42, 32);  // need not show
    HWND shown = MakeColored(Blue, WS_CHILD | WS_VISIBLE, 5, 5, 10, 10, parent);
    HWND hidden = MakeColored(Green, WS_CHILD, 20, 5, 10, 10, parent);
    HWND nested = MakeColored(Green, WS_CHILD | WS_VISIBLE, 2, 2, 3, 3, shown);
    PixelCanvas canvas(42, 32, RGB(255, 255, 255));
    SendMessage(parent, WM_PRINT, reinterpret_cast<WPARAM>(canvas.Dc()),
                PRF_NONCLIENT | PRF_ERASEBKGND | PRF_CLIENT | PRF_CHILDREN);
    canvas.Dump("print-tree");
    EXPECT_EQ(canvas.At(0, 0), RGB(0, 0, 0));    // the one-pixel border
    EXPECT_EQ(canvas.At(1, 1), Red);             // client starts inside it
    EXPECT_EQ(canvas.At(1 + 5, 1 + 5), Blue);    // the child, in client coordinates
    EXPECT_EQ(canvas.At(1 + 5 + 2, 1 + 5 + 2), Green);  // and its own child
    EXPECT_EQ(canvas.At(1 + 25, 1 + 8), Red);    // the hidden child is left out
    EXPECT_EQ(canvas.Count(Blue), 10 * 10 - 3 * 3);
    (void)hidden;
    (void)nested;
}

TEST_F(Painting, AWindowRegionClipsPaintingAndWhatTheDisplayShows) {
    HWND window = MakeColored(Red, WS_POPUP | WS_VISIBLE, 0, 0, 20, 20);
    HRGN shape = CreateRectRgn(0, 0, 20, 20);
    HRGN hole = CreateRectRgn(5, 5, 15, 15);
    CombineRgn(shape, shape, hole, RGN_DIFF);
    DeleteObject(hole);
    EXPECT_TRUE(SetWindowRgn(window, shape, TRUE));
    platform::testing::PumpMessages();
    auto pixels = platform::testing::WindowPixels(window);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(pixels->Get(2, 2), 0xFF000000 | PixelFromColor(Red));
    EXPECT_EQ(pixels->Get(10, 10), 0u);  // transparent: outside the window's shape
    RECT box;
    EXPECT_EQ(GetWindowRgnBox(window, &box), COMPLEXREGION);
    EXPECT_EQ(box, (RECT{0, 0, 20, 20}));
    SetWindowRgn(window, nullptr, TRUE);
    EXPECT_EQ(GetWindowRgnBox(window, &box), ERROR);
}

TEST_F(Painting, MovingAChildRepaintsWhatItUncovered) {
    HWND parent = MakeColored(Red, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 60, 40);
    HWND child = MakeColored(Blue, WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, parent);
    platform::testing::PumpMessages();
    MoveWindow(child, 30, 20, 10, 10, TRUE);
    platform::testing::PumpMessages();
    EXPECT_EQ(AsColor(platform::testing::WindowPixel(parent, 5, 5)), Red);
    EXPECT_EQ(AsColor(platform::testing::WindowPixel(parent, 35, 25)), Blue);
}

TEST_F(Painting, ClipSiblingsKeepsALowerSiblingsPaintUnderTheUpperOne) {
    HWND parent = MakeColored(Red, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 60, 40);
    HWND upper = MakeColored(Blue, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 10, 10, 20, 20, parent);
    HWND lower = MakeColored(Green, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 20, 15, 30, 20, parent);
    platform::testing::PumpMessages();
    // The lower sibling repaints alone; where the upper one covers it, the upper one's pixels stay.
    InvalidateRect(lower, nullptr, TRUE);
    platform::testing::PumpMessages();
    EXPECT_EQ(AsColor(platform::testing::WindowPixel(parent, 25, 20)), Blue);
    EXPECT_EQ(AsColor(platform::testing::WindowPixel(parent, 40, 25)), Green);
    // Without the style the lower one paints over the overlap.
    SetWindowLong(lower, GWL_STYLE, static_cast<LONG>(WS_CHILD | WS_VISIBLE));
    InvalidateRect(lower, nullptr, TRUE);
    platform::testing::PumpMessages();
    EXPECT_EQ(AsColor(platform::testing::WindowPixel(parent, 25, 20)), Green);
    (void)upper;
}

TEST_F(Painting, ScrollingMovesPixelsAndChildrenAndInvalidatesWhatItUncovers) {
    HWND parent = MakeColored(Red, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 60, 40);
    HWND child = MakeColored(Blue, WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, parent);
    platform::testing::PumpMessages();
    Log().clear();
    RECT uncovered;
    EXPECT_EQ(ScrollWindowEx(parent, 20, 0, nullptr, nullptr, nullptr, &uncovered,
                             SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE),
              SIMPLEREGION);
    EXPECT_EQ(uncovered, (RECT{0, 0, 20, 40}));
    // The pixels moved before anyone repainted.
    EXPECT_EQ(AsColor(platform::testing::WindowPixel(parent, 25, 5)), Blue);
    RECT childRect;
    GetWindowRect(child, &childRect);
    EXPECT_EQ(childRect.left, 20);
    RECT update;
    GetUpdateRect(parent, &update, FALSE);
    EXPECT_EQ(update, uncovered);
    platform::testing::PumpMessages();
    EXPECT_EQ(AsColor(platform::testing::WindowPixel(parent, 5, 5)), Red);
    EXPECT_EQ(AsColor(platform::testing::WindowPixel(parent, 25, 5)), Blue);
    EXPECT_TRUE(MessagesOf(child, {WM_PAINT}).empty());  // moved without repainting
}
