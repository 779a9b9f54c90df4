#include "platform/window/WindowProcedures.h"
#include "tests/platform/WindowFixture.h"

using namespace windowtest;

namespace {

// Two subclassing procedures that note their turn and pass the message on
// to the procedure they replaced, as the skin's wrappers do.
std::vector<std::string> calls;
WNDPROC beforeOuter = nullptr;
WNDPROC beforeInner = nullptr;

LRESULT InnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER + 1) calls.push_back("inner");
    if (message == WM_USER + 2) return 77;  // answered here, never passed on
    return CallWindowProc(beforeInner, window, message, wParam, lParam);
}

LRESULT OuterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER + 1) calls.push_back("outer");
    return CallWindowProc(beforeOuter, window, message, wParam, lParam);
}

// A wrapper object found through a window property.
struct Wrapper {
    WNDPROC saved = nullptr;
    int seen = 0;
};

LRESULT PropertyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* wrapper = static_cast<Wrapper*>(GetProp(window, "ACSBSC"));
    ++wrapper->seen;
    WNDPROC saved = wrapper->saved;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtr(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(saved));
        RemoveProp(window, "ACSBSC");
    }
    return CallWindowProc(saved, window, message, wParam, lParam);
}

class Subclassing : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        calls.clear();
    }
};

}  // namespace

TEST_F(Subclassing, MessagesRunDownTheChainFromTheNewestProcedure) {
    HWND window = Make(WS_POPUP, 0, 0, 10, 10);
    beforeInner = reinterpret_cast<WNDPROC>(SetWindowLongPtr(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(InnerProc)));
    beforeOuter = reinterpret_cast<WNDPROC>(SetWindowLongPtr(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OuterProc)));
    EXPECT_EQ(beforeInner, CALLBACK_Record);
    EXPECT_EQ(beforeOuter, InnerProc);
    EXPECT_EQ(GetWindowLongPtr(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(OuterProc));

    Log().clear();
    SendMessage(window, WM_USER + 1, 0, 0);
    EXPECT_EQ(calls, (std::vector<std::string>{"outer", "inner"}));
    EXPECT_EQ(MessagesOf(window), std::vector<UINT>{WM_USER + 1});  // the class procedure last

    Log().clear();
    EXPECT_EQ(SendMessage(window, WM_USER + 2, 0, 0), 77);
    EXPECT_TRUE(MessagesOf(window).empty());

    // Posted messages go through the same chain.
    calls.clear();
    PostMessage(window, WM_USER + 1, 0, 0);
    platform::testing::PumpMessages();
    EXPECT_EQ(calls, (std::vector<std::string>{"outer", "inner"}));
}

TEST_F(Subclassing, TheProcedureReadBackIsExactlyTheLastOneSet) {
    HWND window = Make(WS_POPUP, 0, 0, 10, 10);
    beforeInner = reinterpret_cast<WNDPROC>(SetWindowLongPtr(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(InnerProc)));
    beforeOuter = reinterpret_cast<WNDPROC>(SetWindowLongPtr(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OuterProc)));
    // The inner wrapper may only give its procedure back while it is on top;
    // it sees it is not and leaves the chain alone.
    bool innerOnTop = GetWindowLongPtr(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(InnerProc);
    EXPECT_FALSE(innerOnTop);
    // The outer one is on top and restores.
    SetWindowLongPtr(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(beforeOuter));
    EXPECT_EQ(GetWindowLongPtr(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(InnerProc));
    SendMessage(window, WM_USER + 1, 0, 0);
    EXPECT_EQ(calls, std::vector<std::string>{"inner"});
}

TEST_F(Subclassing, AWrapperFoundThroughAPropertySeesTheWindowToItsEnd) {
    HWND window = Make(WS_POPUP, 0, 0, 10, 10);
    Wrapper wrapper;
    SetProp(window, "ACSBSC", &wrapper);
    wrapper.saved = reinterpret_cast<WNDPROC>(SetWindowLongPtr(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PropertyProc)));
    Log().clear();
    DestroyWindow(window);
    EXPECT_GE(wrapper.seen, 2);  // WM_DESTROY and WM_NCDESTROY at least
    // The class procedure still got the last messages after the wrapper let go.
    EXPECT_EQ(MessagesOf(window, {WM_DESTROY, WM_NCDESTROY}), (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));
}

TEST_F(Subclassing, CallingAnEmptyProcedureIsTheDefaultHandling) {
    HWND window = Make(WS_POPUP, 0, 0, 10, 10);
    SetWindowText(window, "abc");
    EXPECT_EQ(CallWindowProc(nullptr, window, WM_GETTEXTLENGTH, 0, 0), 3);
}
