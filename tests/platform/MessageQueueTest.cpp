#include <atomic>
#include <stdexcept>
#include <thread>

#include "platform/system/Clock.h"
#include "platform/system/LastError.h"
#include "platform/system/ThreadId.h"
#include "tests/platform/WindowFixture.h"

using namespace windowtest;

namespace {

class MessageQueue : public WindowTest {};

}  // namespace

TEST_F(MessageQueue, PostedMessagesComeInOrderAndFiltersPickByNumber) {
    HWND window = Make(WS_POPUP, 0, 0, 10, 10);
    PostMessage(window, WM_USER + 1, 1, 0);
    PostMessage(window, WM_APP + 5, 2, 0);
    PostMessage(window, WM_USER + 2, 3, 0);
    EXPECT_TRUE(HasPostedMessage(WM_APP, WM_APP + 10));
    EXPECT_FALSE(HasPostedMessage(WM_APP + 6, WM_APP + 10));

    MSG message;
    ASSERT_TRUE(PeekMessage(&message, nullptr, WM_APP, 0xBFFF, PM_NOREMOVE));
    EXPECT_EQ(message.wParam, 2u);
    ASSERT_TRUE(PeekMessage(&message, nullptr, WM_APP, 0xBFFF, PM_REMOVE));
    EXPECT_FALSE(HasPostedMessage(WM_APP, WM_APP + 10));
    ASSERT_TRUE(PeekMessage(&message, window, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.wParam, 1u);
    ASSERT_TRUE(GetMessage(&message, nullptr, 0, 0));
    EXPECT_EQ(message.wParam, 3u);
    EXPECT_FALSE(PeekMessage(&message, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueue, QuitComesAfterWhatWasPostedBeforeIt) {
    HWND window = Make(WS_POPUP, 0, 0, 10, 10);
    PostMessage(window, WM_USER, 0, 0);
    PostQuitMessage(3);
    PostMessage(window, WM_USER + 1, 0, 0);
    MSG message;
    std::vector<UINT> order;
    while (GetMessage(&message, nullptr, 0, 0)) order.push_back(message.message);
    EXPECT_EQ(message.message, WM_QUIT);
    EXPECT_EQ(message.wParam, 3u);
    // Posted messages outrank the quit flag, as they do on the platform.
    EXPECT_EQ(order, (std::vector<UINT>{WM_USER, WM_USER + 1}));
}

TEST_F(MessageQueue, AMessageSentFromAWorkerRunsOnTheWindowsThreadWhileTheWorkerWaits) {
    HWND window = Make(WS_POPUP, 0, 0, 10, 10);
    DWORD guiThread = GetCurrentThreadId();
    std::atomic<DWORD> ranOn{0};
    CurrentHandler() = [&](HWND, UINT message, WPARAM wParam, LPARAM, bool& handled) -> LRESULT {
        if (message != WM_USER) return 0;
        handled = true;
        ranOn = GetCurrentThreadId();
        return static_cast<LRESULT>(wParam * 2);
    };
    std::atomic<LRESULT> answer{0};
    std::atomic<bool> done{false};
    std::thread worker([&] {
        answer = SendMessage(window, WM_USER, 21, 0);
        done = true;
    });
    // The GUI thread waits for the worker as a join would, serving its sends.
    EXPECT_TRUE(WaitServingSentMessages([&] { return done.load(); }, 5000));
    worker.join();
    EXPECT_EQ(answer, 42);
    EXPECT_EQ(ranOn, guiThread);
}

TEST_F(MessageQueue, TwoThreadsSendingToEachOtherAtOnceBothGetTheirAnswers) {
    HWND guiWindow = Make(WS_POPUP, 0, 0, 10, 10);
    std::atomic<HWND> workerWindow{nullptr};
    std::atomic<bool> workerDone{false};
    std::atomic<bool> workerFinished{false};
    std::atomic<LRESULT> workerGot{0};
    CurrentHandler() = [&](HWND, UINT message, WPARAM, LPARAM, bool& handled) -> LRESULT {
        handled = message == WM_USER + 7;
        return 7;
    };
    std::thread worker([&] {
        HWND own = CreateWindowEx(0, RecordingClass, "", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr, nullptr);
        workerWindow = own;
        // Sends to the GUI thread, which is itself blocked sending to us.
        workerGot = SendMessage(guiWindow, WM_USER + 7, 0, 0);
        WaitServingSentMessages([&] { return workerDone.load(); }, 5000);
        DestroyWindow(own);
        workerFinished = true;
    });
    while (!workerWindow) std::this_thread::yield();
    LRESULT guiGot = SendMessage(workerWindow, WM_USER + 7, 0, 0);
    workerDone = true;
    // The worker's own send may still wait for this thread: keep serving it.
    EXPECT_TRUE(WaitServingSentMessages([&] { return workerFinished.load(); }, 5000));
    worker.join();
    EXPECT_EQ(guiGot, 7);
    EXPECT_EQ(workerGot, 7);
}

TEST_F(MessageQueue, AnExceptionInTheHandlerReachesTheSendingWorker) {
    HWND window = Make(WS_POPUP, 0, 0, 10, 10);
    CurrentHandler() = [&](HWND, UINT message, WPARAM, LPARAM, bool&) -> LRESULT {
        if (message == WM_USER) throw std::runtime_error("handler failed");
        return 0;
    };
    std::atomic<bool> done{false};
    std::string caught;
    std::thread worker([&] {
        try {
            SendMessage(window, WM_USER, 0, 0);
        } catch (const std::runtime_error& error) {
            caught = error.what();
        }
        done = true;
    });
    WaitServingSentMessages([&] { return done.load(); }, 5000);
    worker.join();
    EXPECT_EQ(caught, "handler failed");
}

TEST_F(MessageQueue, ASendThatIsNotTakenInTimeGivesUpAndNeverRunsLater) {
    HWND window = Make(WS_POPUP, 0, 0, 10, 10);
    std::atomic<int> ran{0};
    CurrentHandler() = [&](HWND, UINT message, WPARAM, LPARAM, bool&) -> LRESULT {
        if (message == WM_USER) ++ran;
        return 0;
    };
    std::uint32_t error = 0;
    LRESULT sent = 1;
    std::thread worker([&] {
        DWORD_PTR result = 0;
        sent = SendMessageTimeout(window, WM_USER, 0, 0, SMTO_NORMAL, 30, &result);
        error = GetLastError();
    });
    worker.join();  // the GUI thread does not pump meanwhile
    EXPECT_EQ(sent, 0);
    EXPECT_EQ(error, ERROR_TIMEOUT);
    platform::testing::PumpMessages();
    EXPECT_EQ(ran, 0);
}

TEST_F(MessageQueue, PlacingAWindowFromAWorkerHappensOnTheWindowsThread) {
    HWND window = Make(WS_POPUP | WS_VISIBLE, 0, 0, 10, 10);
    DWORD guiThread = GetCurrentThreadId();
    std::atomic<DWORD> changingOn{0};
    CurrentHandler() = [&](HWND, UINT message, WPARAM, LPARAM, bool&) -> LRESULT {
        if (message == WM_WINDOWPOSCHANGING) changingOn = GetCurrentThreadId();
        return 0;
    };
    std::atomic<bool> done{false};
    std::thread worker([&] {
        MoveWindow(window, 30, 40, 50, 60, TRUE);
        SetWindowText(window, "from worker");
        done = true;
    });
    WaitServingSentMessages([&] { return done.load(); }, 5000);
    worker.join();
    EXPECT_EQ(changingOn, guiThread);
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect, (RECT{30, 40, 80, 100}));
    char text[32];
    GetWindowText(window, text, sizeof text);
    EXPECT_STREQ(text, "from worker");
}

TEST_F(MessageQueue, ThreadMessagesReachTheThreadWithoutAWindow) {
    DWORD self = GetCurrentThreadId();
    std::thread worker([&] { PostThreadMessage(self, WM_APP + 3, 9, 0); });
    worker.join();
    MSG message;
    ASSERT_TRUE(PeekMessage(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.hwnd, nullptr);
    EXPECT_EQ(message.message, WM_APP + 3);
    EXPECT_EQ(message.wParam, 9u);
}
