#include "platform/window/MessageQueue.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <map>

#include "platform/display/Display.h"
#include "platform/system/Clock.h"
#include "platform/system/LastError.h"
#include "platform/system/ThreadId.h"
#include "platform/window/DefaultWindowProcedure.h"
#include "platform/window/Input.h"
#include "platform/window/Timers.h"
#include "platform/window/WindowProcedures.h"
#include "platform/window/WindowStyles.h"
#include "platform/window/detail/PaintState.h"
#include "platform/window/detail/WindowObject.h"

namespace platform {
namespace {

struct SentMessage {
    HWND window = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    std::function<LRESULT()> call;
    DWORD sender = 0;
    LRESULT result = 0;
    bool done = false;
    bool abandoned = false;
    std::exception_ptr error;
};

struct ThreadQueue {
    DWORD thread = 0;
    std::deque<MSG> posted;
    std::deque<std::shared_ptr<SentMessage>> sent;
    bool quit = false;
    int quitCode = 0;
    std::condition_variable wake;
    std::uint64_t wakeCount = 0;
    DWORD lastTime = 0;
    POINT lastPos;
    int servingSent = 0;
    UINT reportedStatus = 0;
};

std::mutex& QueueLock() {
    static std::mutex lock;
    return lock;
}

std::map<DWORD, std::unique_ptr<ThreadQueue>>& Queues() {
    static std::map<DWORD, std::unique_ptr<ThreadQueue>> queues;
    return queues;
}

// Callers hold QueueLock.
ThreadQueue& QueueOf(DWORD thread) {
    auto& slot = Queues()[thread];
    if (!slot) {
        slot = std::make_unique<ThreadQueue>();
        slot->thread = thread;
    }
    return *slot;
}

void Notify(ThreadQueue& queue) {
    ++queue.wakeCount;
    queue.wake.notify_all();
    // The thread may be asleep on the desktop's events instead.
    WakeDisplay(queue.thread);
}

bool InFilter(const MSG& message, HWND filter, UINT filterMin, UINT filterMax) {
    if (filter && message.hwnd != filter) {
        // A filter window takes its children's messages too.
        Window* object = FindWindowQuietly(message.hwnd);
        bool isChild = false;
        while (object && object->parent) {
            if (object->parent == filter) {
                isChild = true;
                break;
            }
            object = FindWindowQuietly(object->parent);
        }
        if (!isChild) return false;
    }
    if (filterMin == 0 && filterMax == 0) return true;
    return message.message >= filterMin && message.message <= filterMax;
}

void Serve(const std::shared_ptr<SentMessage>& item) {
    DWORD self = GetCurrentThreadId();
    {
        std::lock_guard lock(QueueLock());
        ++QueueOf(self).servingSent;
    }
    try {
        if (item->call)
            item->result = item->call();
        else if (FindWindowQuietly(item->window))
            item->result = CallWindowProcedure(item->window, item->message, item->wParam, item->lParam);
    } catch (...) {
        item->error = std::current_exception();
    }
    std::lock_guard lock(QueueLock());
    --QueueOf(self).servingSent;
    item->done = true;
    Notify(QueueOf(item->sender));
}

// Runs every message other threads have sent to this thread.
void ServeSentMessages() {
    DWORD self = GetCurrentThreadId();
    for (;;) {
        std::shared_ptr<SentMessage> item;
        {
            std::lock_guard lock(QueueLock());
            ThreadQueue& queue = QueueOf(self);
            while (!queue.sent.empty() && !item) {
                item = queue.sent.front();
                queue.sent.pop_front();
                if (item->abandoned) item.reset();
            }
        }
        if (!item) return;
        Serve(item);
    }
}

DWORD WindowThread(HWND window) {
    std::lock_guard lock(WindowSystemLock());
    Window* object = FindWindowObject(window);
    return object ? object->thread : 0;
}

LRESULT WaitForAnswer(const std::shared_ptr<SentMessage>& item, DWORD thread, DWORD timeout, bool* timedOut) {
    DWORD self = GetCurrentThreadId();
    item->sender = self;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout);
    std::unique_lock lock(QueueLock());
    ThreadQueue& target = QueueOf(thread);
    target.sent.push_back(item);
    Notify(target);
    ThreadQueue& mine = QueueOf(self);
    while (!item->done) {
        if (!mine.sent.empty()) {
            lock.unlock();
            ServeSentMessages();
            lock.lock();
            continue;
        }
        if (timeout == INFINITE) {
            mine.wake.wait(lock);
        } else if (mine.wake.wait_until(lock, deadline) == std::cv_status::timeout && !item->done) {
            item->abandoned = true;
            *timedOut = true;
            return 0;
        }
    }
    lock.unlock();
    if (item->error) std::rethrow_exception(item->error);
    return item->result;
}

LRESULT SendAcrossThreads(HWND window, DWORD thread, UINT message, WPARAM wParam, LPARAM lParam, DWORD timeout,
                          bool* timedOut) {
    auto item = std::make_shared<SentMessage>();
    item->window = window;
    item->message = message;
    item->wParam = wParam;
    item->lParam = lParam;
    return WaitForAnswer(item, thread, timeout, timedOut);
}

bool TakePosted(ThreadQueue& queue, HWND filter, UINT filterMin, UINT filterMax, bool remove, MSG* message) {
    for (auto it = queue.posted.begin(); it != queue.posted.end(); ++it) {
        if (!InFilter(*it, filter, filterMin, filterMax)) continue;
        *message = *it;
        if (remove) queue.posted.erase(it);
        return true;
    }
    return false;
}

// One look at the queue in the system's order: sent messages are served,
// then posted ones, WM_QUIT, WM_PAINT and last WM_TIMER.
bool LookOnce(MSG* message, HWND filter, UINT filterMin, UINT filterMax, bool remove) {
    ServeSentMessages();
    PumpDisplay();
    CheckMouseHover();
    DWORD self = GetCurrentThreadId();
    {
        std::lock_guard lock(QueueLock());
        ThreadQueue& queue = QueueOf(self);
        if (TakePosted(queue, filter, filterMin, filterMax, remove, message)) {
            queue.lastTime = message->time;
            queue.lastPos = message->pt;
            return true;
        }
        if (queue.quit && ((filterMin == 0 && filterMax == 0) || (WM_QUIT >= filterMin && WM_QUIT <= filterMax))) {
            *message = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(queue.quitCode), 0, GetTickCount(), {}};
            if (remove) queue.quit = false;
            return true;
        }
    }
    // Input from the devices is routed now, behind what was posted.
    while (RouteNextInput()) {
        std::lock_guard lock(QueueLock());
        ThreadQueue& queue = QueueOf(self);
        if (TakePosted(queue, filter, filterMin, filterMax, remove, message)) {
            queue.lastTime = message->time;
            queue.lastPos = message->pt;
            return true;
        }
    }
    if (TakePaintMessage(self, filter, filterMin, filterMax, message)) return true;
    if (TakeDueTimer(self, filter, filterMin, filterMax, remove, message)) return true;
    return false;
}

std::uint64_t WakeCount() {
    std::lock_guard lock(QueueLock());
    return QueueOf(GetCurrentThreadId()).wakeCount;
}

// Sleeps until something reaches the queue after the count seen was read.
// Time-outs are the next timer's, which a virtual clock steps instead of time.
void WaitForChange(std::uint64_t seen, DWORD timeout) {
    DWORD self = GetCurrentThreadId();
    if (testing::VirtualClockInUse()) timeout = INFINITE;
    {
        std::lock_guard lock(QueueLock());
        ThreadQueue& queue = QueueOf(self);
        if (!queue.sent.empty() || queue.wakeCount != seen) return;
    }
    // A Notify from now on wakes the display's wait, so none is lost.
    if (WaitForDisplay(timeout)) return;
    std::unique_lock lock(QueueLock());
    ThreadQueue& queue = QueueOf(self);
    if (!queue.sent.empty()) return;
    auto changed = [&] { return queue.wakeCount != seen; };
    if (timeout == INFINITE)
        queue.wake.wait(lock, changed);
    else
        queue.wake.wait_for(lock, std::chrono::milliseconds(timeout), changed);
}

}  // namespace

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window == HWND_BROADCAST) {
        for (HWND topLevel : TopLevelWindows()) SendMessage(topLevel, message, wParam, lParam);
        return 0;
    }
    DWORD thread = WindowThread(window);
    if (!thread) return 0;
    if (thread == GetCurrentThreadId()) return CallWindowProcedure(window, message, wParam, lParam);
    bool timedOut = false;
    return SendAcrossThreads(window, thread, message, wParam, lParam, INFINITE, &timedOut);
}

LRESULT SendMessageTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT, UINT timeout,
                           DWORD_PTR* result) {
    DWORD thread = WindowThread(window);
    if (!thread) return 0;
    LRESULT answer;
    if (thread == GetCurrentThreadId()) {
        answer = CallWindowProcedure(window, message, wParam, lParam);
    } else {
        bool timedOut = false;
        answer = SendAcrossThreads(window, thread, message, wParam, lParam, timeout, &timedOut);
        if (timedOut) {
            SetLastError(ERROR_TIMEOUT);
            return 0;
        }
    }
    if (result) *result = static_cast<DWORD_PTR>(answer);
    return 1;
}

BOOL PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD thread = GetCurrentThreadId();
    if (window == HWND_BROADCAST) {
        for (HWND topLevel : TopLevelWindows()) PostMessage(topLevel, message, wParam, lParam);
        return TRUE;
    }
    if (window) {
        thread = WindowThread(window);
        if (!thread) return FALSE;
    }
    std::lock_guard lock(QueueLock());
    ThreadQueue& queue = QueueOf(thread);
    queue.posted.push_back(MSG{window, message, wParam, lParam, GetTickCount(), queue.lastPos});
    Notify(queue);
    return TRUE;
}

BOOL PostThreadMessage(DWORD thread, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!thread) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::lock_guard lock(QueueLock());
    ThreadQueue& queue = QueueOf(thread);
    queue.posted.push_back(MSG{nullptr, message, wParam, lParam, GetTickCount(), queue.lastPos});
    Notify(queue);
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    std::lock_guard lock(QueueLock());
    ThreadQueue& queue = QueueOf(GetCurrentThreadId());
    queue.quit = true;
    queue.quitCode = exitCode;
    Notify(queue);
}

BOOL GetMessage(MSG* message, HWND window, UINT filterMin, UINT filterMax) {
    if (!message) return -1;
    if (window && !FindWindowObject(window)) return -1;
    for (;;) {
        std::uint64_t seen = WakeCount();
        if (LookOnce(message, window, filterMin, filterMax, true)) return message->message != WM_QUIT;
        WaitForChange(seen, std::min(TimeToNextTimer(GetCurrentThreadId()), TimeToMouseHover()));
    }
}

BOOL PeekMessage(MSG* message, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags) {
    if (!message) return FALSE;
    return LookOnce(message, window, filterMin, filterMax, (removeFlags & PM_REMOVE) != 0) ? TRUE : FALSE;
}

LRESULT DispatchMessage(const MSG* message) {
    if (!message) return 0;
    if (message->message == WM_TIMER && message->lParam) {
        auto procedure = reinterpret_cast<TIMERPROC>(message->lParam);
        procedure(message->hwnd, WM_TIMER, message->wParam, static_cast<DWORD>(message->time));
        return 0;
    }
    if (!message->hwnd) return 0;
    if (!FindWindowObject(message->hwnd)) return 0;
    if (message->message == WM_PAINT) SendNcPaintIfOwed(message->hwnd);
    LRESULT result = CallWindowProcedure(message->hwnd, message->message, message->wParam, message->lParam);
    // A WM_PAINT that did not validate would come back at once; the system
    // validates for a procedure that ignored it.
    if (message->message == WM_PAINT) ValidateAfterPaint(message->hwnd);
    return result;
}

BOOL WaitMessage() {
    MSG message;
    std::uint64_t seen = WakeCount();
    if (PeekMessage(&message, nullptr, 0, 0, PM_NOREMOVE)) return TRUE;
    WaitForChange(seen, std::min(TimeToNextTimer(GetCurrentThreadId()), TimeToMouseHover()));
    return TRUE;
}

DWORD GetQueueStatus(UINT flags) {
    DWORD self = GetCurrentThreadId();
    UINT status = 0;
    {
        std::lock_guard lock(QueueLock());
        ThreadQueue& queue = QueueOf(self);
        if (!queue.sent.empty()) status |= QS_SENDMESSAGE;
        for (const MSG& message : queue.posted) {
            if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST)
                status |= QS_KEY;
            else if (message.message == WM_MOUSEMOVE)
                status |= QS_MOUSEMOVE;
            else if (message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST)
                status |= QS_MOUSEBUTTON;
            else
                status |= QS_POSTMESSAGE;
        }
    }
    if (HasPendingPaint(self)) status |= QS_PAINT;
    if (TimeToNextTimer(self) == 0) status |= QS_TIMER;
    status &= flags;
    std::lock_guard lock(QueueLock());
    ThreadQueue& queue = QueueOf(self);
    UINT fresh = status & ~queue.reportedStatus;
    queue.reportedStatus = status;
    return (static_cast<DWORD>(fresh) << 16) | status;
}

bool HasPostedMessage(UINT first, UINT last) {
    std::lock_guard lock(QueueLock());
    for (const MSG& message : QueueOf(GetCurrentThreadId()).posted)
        if (message.message >= first && message.message <= last) return true;
    return false;
}

DWORD GetMessageTime() {
    std::lock_guard lock(QueueLock());
    return QueueOf(GetCurrentThreadId()).lastTime;
}

DWORD GetMessagePos() {
    std::lock_guard lock(QueueLock());
    POINT pt = QueueOf(GetCurrentThreadId()).lastPos;
    return static_cast<DWORD>(MAKELONG(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y)));
}

BOOL InSendMessage() {
    std::lock_guard lock(QueueLock());
    return QueueOf(GetCurrentThreadId()).servingSent > 0;
}

bool WaitServingSentMessages(const std::function<bool()>& ready, DWORD timeout) {
    auto start = std::chrono::steady_clock::now();
    for (;;) {
        ServeSentMessages();
        if (ready()) return true;
        DWORD slice = 5;
        if (timeout != INFINITE) {
            auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
            if (spent.count() >= timeout) return false;
            slice = std::min<DWORD>(slice, timeout - static_cast<DWORD>(spent.count()));
        }
        // A send to this thread wakes the wait at once; ready() is looked at
        // every few milliseconds since it may change without a wake.
        DWORD self = GetCurrentThreadId();
        std::unique_lock lock(QueueLock());
        ThreadQueue& queue = QueueOf(self);
        if (queue.sent.empty()) queue.wake.wait_for(lock, std::chrono::milliseconds(slice));
    }
}

LRESULT RunOnWindowThread(HWND window, const std::function<LRESULT()>& call) {
    DWORD thread = WindowThread(window);
    if (!thread) return 0;
    if (thread == GetCurrentThreadId()) return call();
    auto item = std::make_shared<SentMessage>();
    item->window = window;
    item->call = call;
    bool timedOut = false;
    return WaitForAnswer(item, thread, INFINITE, &timedOut);
}

void PostInputMessage(const MSG& message) {
    DWORD thread = WindowThread(message.hwnd);
    if (!thread) return;
    std::lock_guard lock(QueueLock());
    ThreadQueue& queue = QueueOf(thread);
    queue.posted.push_back(message);
    Notify(queue);
}

bool IsWindowThread(HWND window) {
    return WindowThread(window) == GetCurrentThreadId();
}

void WakeThread(DWORD thread) {
    std::lock_guard lock(QueueLock());
    Notify(QueueOf(thread));
}

void WakeAllThreads() {
    std::lock_guard lock(QueueLock());
    for (auto& [thread, queue] : Queues()) Notify(*queue);
}

}  // namespace platform
