#include <cstring>

#include "platform/system/LastError.h"
#include "platform/system/PlatformVersion.h"
#include "platform/system/ThreadId.h"
#include "platform/window/WindowHooks.h"
#include "tests/platform/WindowFixture.h"

using namespace windowtest;

namespace {

struct HookRecord {
    int code;
    HWND window;
    std::string className;
    LONG style;
};
std::vector<HookRecord> hookLog;
HHOOK hook;
int moveNewWindowsTo = -1;

LRESULT CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    HookRecord record{code, window, "", 0};
    if (code == HCBT_CREATEWND) {
        auto* cbt = reinterpret_cast<CBT_CREATEWND*>(lParam);
        record.className = IS_INTRESOURCE(cbt->lpcs->lpszClass) ? "#atom" : cbt->lpcs->lpszClass;
        record.style = cbt->lpcs->style;
        if (moveNewWindowsTo >= 0) cbt->lpcs->x = cbt->lpcs->y = moveNewWindowsTo;
    }
    hookLog.push_back(record);
    // The hook marks its place in the window's message log too.
    Log().push_back({window, 0x7000u + static_cast<UINT>(code), 0, 0});
    return CallNextHookEx(hook, code, wParam, lParam);
}

class Lifecycle : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        hookLog.clear();
        moveNewWindowsTo = -1;
        hook = SetWindowsHookEx(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
    }
    void TearDown() override {
        UnhookWindowsHookEx(hook);
        WindowTest::TearDown();
    }
};

}  // namespace

constexpr UINT CbtCreate = 0x7000 + HCBT_CREATEWND;
constexpr UINT CbtDestroy = 0x7000 + HCBT_DESTROYWND;
constexpr UINT CbtActivate = 0x7000 + HCBT_ACTIVATE;

TEST_F(Lifecycle, AVisibleTopLevelWindowIsMadeInThePlatformsOrder) {
    HWND window = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 60, 300, 200);
    ASSERT_NE(window, nullptr);
    std::vector<UINT> expected = {CbtCreate,         WM_GETMINMAXINFO,     WM_NCCREATE,   WM_NCCALCSIZE,
                                  WM_CREATE,         WM_SIZE,              WM_MOVE,       WM_SHOWWINDOW,
                                  WM_WINDOWPOSCHANGING, CbtActivate,       WM_ACTIVATEAPP, WM_NCACTIVATE,
                                  WM_ACTIVATE,       WM_SETFOCUS,          WM_WINDOWPOSCHANGED};
    EXPECT_EQ(MessagesOf(window, expected), expected);
    EXPECT_EQ(GetActiveWindow(), window);
    EXPECT_EQ(GetFocus(), window);
    // The hook saw the class and style as the caller gave them.
    ASSERT_FALSE(hookLog.empty());
    EXPECT_EQ(hookLog.front().className, RecordingClass);
    EXPECT_EQ(hookLog.front().style & WS_VISIBLE, static_cast<LONG>(WS_VISIBLE));
}

TEST_F(Lifecycle, TheCreationHookCanPlaceTheWindowBeforeItHearsOfItself) {
    moveNewWindowsTo = 222;
    RECT seenAtCreate{};
    CurrentHandler() = [&](HWND w, UINT message, WPARAM, LPARAM, bool&) -> LRESULT {
        if (message == WM_CREATE) GetWindowRect(w, &seenAtCreate);
        return 0;
    };
    HWND window = Make(WS_POPUP, 10, 10, 40, 30);
    EXPECT_EQ(seenAtCreate, (RECT{222, 222, 262, 252}));
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 222);
}

TEST_F(Lifecycle, DestroyingTakesOwnedWindowsFirstThenTheTreeParentsBeforeChildren) {
    HWND owner = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200);
    HWND child = Make(WS_CHILD | WS_VISIBLE, 5, 5, 50, 50, owner);
    HWND grandchild = Make(WS_CHILD | WS_VISIBLE, 1, 1, 10, 10, child);
    HWND owned = Make(WS_POPUP | WS_VISIBLE, 20, 20, 50, 50, owner);
    Log().clear();
    ASSERT_TRUE(DestroyWindow(owner));
    std::vector<std::pair<HWND, UINT>> expected = {
        {owner, CbtDestroy},        {owned, CbtDestroy},      {owned, WM_DESTROY},
        {owned, WM_NCDESTROY},      {owner, WM_DESTROY},      {child, CbtDestroy},
        {child, WM_DESTROY},        {grandchild, CbtDestroy}, {grandchild, WM_DESTROY},
        {grandchild, WM_NCDESTROY}, {child, WM_NCDESTROY},    {owner, WM_NCDESTROY}};
    EXPECT_EQ(Sequence({CbtDestroy, WM_DESTROY, WM_NCDESTROY}), expected);
    for (HWND gone : {owner, child, grandchild, owned}) EXPECT_FALSE(IsWindow(gone));
    // A handle is never handed out again.
    HWND fresh = Make(WS_POPUP, 0, 0, 1, 1);
    for (HWND gone : {owner, child, grandchild, owned}) EXPECT_NE(fresh, gone);
}

TEST_F(Lifecycle, AChildGoingTellsItsParentAndHidesFirst) {
    HWND parent = Make(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND child = Make(WS_CHILD | WS_VISIBLE, 5, 5, 50, 50, parent, 0, 42);
    Log().clear();
    DestroyWindow(child);
    auto sequence = Sequence({WM_PARENTNOTIFY, WM_WINDOWPOSCHANGED, WM_DESTROY});
    ASSERT_EQ(sequence.size(), 3u);
    EXPECT_EQ(sequence[0], std::make_pair(parent, WM_PARENTNOTIFY));
    EXPECT_EQ(sequence[1], std::make_pair(child, WM_WINDOWPOSCHANGED));
    EXPECT_EQ(sequence[2], std::make_pair(child, WM_DESTROY));
    const Logged* notice = nullptr;
    for (const Logged& entry : Log())
        if (entry.message == WM_PARENTNOTIFY) notice = &entry;
    EXPECT_EQ(LOWORD(notice->wParam), WM_DESTROY);
    EXPECT_EQ(HIWORD(notice->wParam), 42);
    EXPECT_EQ(reinterpret_cast<HWND>(notice->lParam), child);
}

TEST_F(Lifecycle, RefusingCreationLeavesNoWindowBehind) {
    struct Case {
        UINT message;
        LRESULT answer;
    } cases[] = {{WM_NCCREATE, FALSE}, {WM_CREATE, -1}};
    for (const Case& c : cases) {
        Log().clear();
        CurrentHandler() = [&](HWND, UINT message, WPARAM, LPARAM, bool& handled) -> LRESULT {
            handled = message == c.message;
            return c.answer;
        };
        EXPECT_EQ(Make(WS_POPUP | WS_VISIBLE, 0, 0, 10, 10), nullptr);
        ASSERT_FALSE(Log().empty());
        HWND attempted = Log().front().window;
        EXPECT_FALSE(IsWindow(attempted));
        EXPECT_EQ(MessagesOf(attempted, {WM_NCDESTROY}).size(), 1u);
    }
}

TEST_F(Lifecycle, ClassesCompareNamesWithoutCaseAndKeepTheirWindowsCounted) {
    WNDCLASS windowClass;
    windowClass.lpfnWndProc = DefWindowProc;
    windowClass.lpszClassName = "Lifecycle.Counted";
    windowClass.cbWndExtra = 16;
    ATOM atom = RegisterClass(&windowClass);
    ASSERT_NE(atom, 0);
    EXPECT_EQ(RegisterClass(&windowClass), 0);
    EXPECT_EQ(GetLastError(), ERROR_CLASS_ALREADY_EXISTS);
    HWND window = CreateWindowEx(0, "lifecycle.COUNTED", "", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    char name[64];
    EXPECT_EQ(GetClassName(window, name, sizeof name), 17);
    EXPECT_STREQ(name, "Lifecycle.Counted");
    EXPECT_EQ(GetClassLongPtr(window, GCW_ATOM), atom);
    EXPECT_FALSE(UnregisterClass("Lifecycle.Counted", nullptr));
    EXPECT_EQ(GetLastError(), ERROR_CLASS_HAS_WINDOWS);
    // Extra bytes start at zero and hold what is put there.
    EXPECT_EQ(GetWindowLongPtr(window, 8), 0);
    SetWindowLongPtr(window, 8, 1234);
    EXPECT_EQ(GetWindowLongPtr(window, 8), 1234);
    EXPECT_EQ(GetWindowLongPtr(window, 16), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX);
    DestroyWindow(window);
    EXPECT_TRUE(UnregisterClass("Lifecycle.Counted", nullptr));
    // The system's dialog class answers to its atom and its name.
    HWND dialog = CreateWindowEx(0, MAKEINTATOM(DialogClassAtom), "", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr,
                                 nullptr);
    ASSERT_NE(dialog, nullptr);
    GetClassName(dialog, name, sizeof name);
    EXPECT_STREQ(name, "#32770");
    DestroyWindow(dialog);
}

TEST_F(Lifecycle, ParentOwnerAndZOrderAnswers) {
    HWND form = Make(WS_OVERLAPPEDWINDOW, 0, 0, 300, 200);
    HWND first = Make(WS_CHILD, 0, 0, 10, 10, form, 0, 1);
    HWND second = Make(WS_CHILD, 0, 0, 10, 10, form, 0, 2);
    HWND inner = Make(WS_CHILD, 0, 0, 5, 5, first, 0, 3);
    HWND popup = Make(WS_POPUP, 0, 0, 10, 10, first);
    HWND tool = Make(WS_OVERLAPPED, 0, 0, 10, 10, form);
    struct Case {
        HWND window;
        HWND parent;
    } cases[] = {{first, form}, {inner, first}, {popup, form}, {tool, nullptr}, {form, nullptr}};
    for (const Case& c : cases) EXPECT_EQ(GetParent(c.window), c.parent);
    EXPECT_EQ(GetWindow(popup, GW_OWNER), form);  // owners are top-level windows
    EXPECT_EQ(GetAncestor(inner, GA_ROOT), form);
    EXPECT_EQ(GetAncestor(form, GA_PARENT), GetDesktopWindow());
    // Children stand in creation order, which dialogs use as tab order.
    EXPECT_EQ(GetWindow(form, GW_CHILD), first);
    EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), second);
    EXPECT_EQ(GetWindow(second, GW_HWNDNEXT), nullptr);
    EXPECT_EQ(GetDlgItem(form, 2), second);
    SetWindowPos(second, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetTopWindow(form), second);
    std::vector<HWND> visited;
    EnumChildWindows(
        form,
        [](HWND w, LPARAM p) {
            reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&visited));
    EXPECT_EQ(visited, (std::vector<HWND>{second, first, inner}));
    EXPECT_EQ(FindWindowEx(form, nullptr, RecordingClass, nullptr), second);
    EXPECT_EQ(FindWindowEx(form, second, RecordingClass, nullptr), first);
    EXPECT_TRUE(IsChild(form, inner));
    EXPECT_FALSE(IsChild(form, popup));
}

TEST_F(Lifecycle, TopmostWindowsStayAboveTheRest) {
    HWND topmost = Make(WS_POPUP, 0, 0, 10, 10, nullptr, WS_EX_TOPMOST);
    HWND plain = Make(WS_POPUP, 0, 0, 10, 10);
    HWND newer = Make(WS_POPUP, 0, 0, 10, 10);
    EXPECT_EQ(GetTopWindow(nullptr), topmost);
    EXPECT_EQ(GetWindow(topmost, GW_HWNDNEXT), newer);
    EXPECT_EQ(GetWindow(newer, GW_HWNDNEXT), plain);
    SetWindowPos(plain, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetTopWindow(nullptr), plain);
    EXPECT_TRUE(GetWindowLongPtr(plain, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(Lifecycle, StyleChangesAreAnnouncedAndPropertiesIgnoreCase) {
    HWND window = Make(WS_POPUP, 0, 0, 10, 10);
    CurrentHandler() = [](HWND, UINT message, WPARAM, LPARAM lParam, bool&) -> LRESULT {
        if (message == WM_STYLECHANGING) reinterpret_cast<STYLESTRUCT*>(lParam)->styleNew |= WS_BORDER;
        return 0;
    };
    Log().clear();
    LONG old = SetWindowLong(window, GWL_STYLE, static_cast<LONG>(WS_POPUP | WS_CAPTION));
    EXPECT_EQ(static_cast<DWORD>(old), WS_POPUP);
    EXPECT_EQ(MessagesOf(window), (std::vector<UINT>{WM_STYLECHANGING, WM_STYLECHANGED}));
    EXPECT_EQ(static_cast<DWORD>(GetWindowLong(window, GWL_STYLE)), WS_POPUP | WS_CAPTION | WS_BORDER);

    int cookie = 7;
    EXPECT_TRUE(SetProp(window, "ACSBSC", &cookie));
    EXPECT_EQ(GetProp(window, "acsbsc"), &cookie);
    EXPECT_EQ(RemoveProp(window, "AcSbSc"), &cookie);
    EXPECT_EQ(GetProp(window, "ACSBSC"), nullptr);
}

TEST_F(Lifecycle, WindowTextTravelsInUtf8) {
    HWND window = Make(WS_POPUP, 0, 0, 10, 10);
    EXPECT_TRUE(SetWindowText(window, "Велзар"));
    EXPECT_EQ(GetWindowTextLength(window), 12);
    char buffer[8];
    EXPECT_EQ(GetWindowText(window, buffer, sizeof buffer), 7);  // cut to the buffer, always terminated
    EXPECT_EQ(std::strlen(buffer), 7u);
    char whole[32];
    GetWindowText(window, whole, sizeof whole);
    EXPECT_STREQ(whole, "Велзар");
}

TEST_F(Lifecycle, RegisteredMessagesAndTheFixedPlatformAnswers) {
    UINT first = RegisterWindowMessage("Velzar.Lifecycle");
    EXPECT_GE(first, 0xC000u);
    EXPECT_EQ(RegisterWindowMessage("VELZAR.lifecycle"), first);
    EXPECT_NE(RegisterWindowMessage("Velzar.Other"), first);
    OSVERSIONINFO version;
    ASSERT_TRUE(GetVersionEx(&version));
    EXPECT_EQ(version.dwMajorVersion, 6u);
    EXPECT_EQ(version.dwMinorVersion, 1u);
    EXPECT_EQ(version.dwPlatformId, VER_PLATFORM_WIN32_NT);
    BOOL wow = TRUE;
    EXPECT_TRUE(IsWow64Process(nullptr, &wow));
    EXPECT_FALSE(wow);
    EXPECT_FALSE(IsDebuggerPresent());
    BOOL composition = TRUE;
    EXPECT_EQ(DwmIsCompositionEnabled(&composition), 0);
    EXPECT_FALSE(composition);
}
