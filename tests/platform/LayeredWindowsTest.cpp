#include "platform/gdi/PensBrushes.h"
#include "platform/system/LastError.h"
#include "platform/window/LayeredWindows.h"
#include "platform/window/Painting.h"
#include "tests/platform/WindowFixture.h"
#include "tests/support/PixelCanvas.h"

using namespace windowtest;

namespace {

class LayeredWindows : public WindowTest {};

}  // namespace

TEST_F(LayeredWindows, APictureWithPerPixelAlphaShowsScaledByTheConstantAlpha) {
    HWND window = Make(WS_POPUP | WS_VISIBLE, 0, 0, 4, 2, nullptr, WS_EX_LAYERED);
    PixelCanvas picture(4, 2);
    picture.SetRaw(0, 0, 0xFF0000FF);  // opaque blue
    picture.SetRaw(1, 0, 0x80000080);  // half-transparent blue, premultiplied
    picture.SetRaw(2, 0, 0x00000000);  // fully transparent
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 128, AC_SRC_ALPHA};
    POINT source{0, 0};
    POINT place{50, 60};
    SIZE size{4, 2};
    ASSERT_TRUE(UpdateLayeredWindow(window, nullptr, &place, &size, picture.Dc(), &source, 0, &blend, ULW_ALPHA));
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect, (RECT{50, 60, 54, 62}));
    auto shown = platform::testing::WindowPixels(window);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->Get(0, 0), 0x80000080u);
    EXPECT_EQ(shown->Get(1, 0), 0x40000040u);
    EXPECT_EQ(shown->Get(2, 0), 0u);
}

TEST_F(LayeredWindows, ConstantAlphaAndAColourKeyApplyToThePaintedPixels) {
    WNDCLASS windowClass;
    windowClass.lpfnWndProc = CALLBACK_Record;
    windowClass.lpszClassName = "Velzar.Layered.White";
    windowClass.hbrBackground = CreateSolidBrush(RGB(255, 255, 255));
    RegisterClass(&windowClass);
    HWND window = CreateWindowEx(WS_EX_LAYERED, "Velzar.Layered.White", "", WS_POPUP | WS_VISIBLE, 0, 0, 3, 3, nullptr,
                                 nullptr, nullptr, nullptr);
    made_.push_back(window);
    ASSERT_TRUE(SetLayeredWindowAttributes(window, 0, 51, LWA_ALPHA));
    platform::testing::PumpMessages();
    EXPECT_EQ(platform::testing::WindowPixels(window)->Get(1, 1), 0x33333333u);
    BYTE alpha = 0;
    DWORD flags = 0;
    EXPECT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 51);
    EXPECT_EQ(flags, LWA_ALPHA);
    SetLayeredWindowAttributes(window, RGB(255, 255, 255), 255, LWA_COLORKEY);
    EXPECT_EQ(platform::testing::WindowPixels(window)->Get(1, 1), 0u);
    // Taking the style away makes it an ordinary, opaque window again.
    SetWindowLong(window, GWL_EXSTYLE, 0);
    platform::testing::PumpMessages();
    EXPECT_EQ(platform::testing::WindowPixels(window)->Get(1, 1), 0xFFFFFFFFu);
}

TEST_F(LayeredWindows, OnlyLayeredTopLevelWindowsTakeLayeredCalls) {
    HWND plain = Make(WS_POPUP | WS_VISIBLE, 0, 0, 3, 3);
    EXPECT_FALSE(SetLayeredWindowAttributes(plain, 0, 10, LWA_ALPHA));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    HWND parent = Make(WS_POPUP | WS_VISIBLE, 0, 0, 30, 30);
    HWND child = Make(WS_CHILD | WS_VISIBLE, 0, 0, 3, 3, parent, WS_EX_LAYERED);
    EXPECT_FALSE(SetLayeredWindowAttributes(child, 0, 10, LWA_ALPHA));
}
