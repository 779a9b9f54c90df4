#include "platform/window/Timers.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "platform/system/Clock.h"
#include "platform/system/LastError.h"
#include "platform/system/ThreadId.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/detail/WindowObject.h"

namespace platform {
namespace {

struct Timer {
    HWND window = nullptr;
    UINT_PTR id = 0;
    DWORD thread = 0;
    UINT interval = 0;
    std::uint64_t due = 0;
    TIMERPROC procedure = nullptr;
};

struct TimerTable {
    std::mutex lock;
    std::vector<Timer> timers;
    UINT_PTR nextThreadTimerId = 0x7FF0;
};

TimerTable& Table() {
    static TimerTable table;
    return table;
}

bool Matches(const MSG& message, HWND filter, UINT filterMin, UINT filterMax) {
    if (filter && message.hwnd != filter) return false;
    if (filterMin == 0 && filterMax == 0) return true;
    return message.message >= filterMin && message.message <= filterMax;
}

}  // namespace

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT interval, TIMERPROC procedure) {
    DWORD thread = GetCurrentThreadId();
    if (window) {
        Window* object = FindWindowObject(window);
        if (!object) return 0;
        thread = object->thread;
    }
    interval = std::clamp(interval, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
    TimerTable& table = Table();
    {
        std::lock_guard lock(table.lock);
        if (!window) {
            // Ids of window-less timers never repeat while any is alive.
            id = ++table.nextThreadTimerId;
        }
        auto existing = std::find_if(table.timers.begin(), table.timers.end(),
                                     [&](const Timer& t) { return t.window == window && t.id == id; });
        Timer timer{window, id, thread, interval, GetTickCount64() + interval, procedure};
        if (existing != table.timers.end())
            *existing = timer;
        else
            table.timers.push_back(timer);
    }
    WakeThread(thread);
    return window ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND window, UINT_PTR id) {
    TimerTable& table = Table();
    std::lock_guard lock(table.lock);
    auto found = std::find_if(table.timers.begin(), table.timers.end(),
                              [&](const Timer& t) { return t.window == window && t.id == id; });
    if (found == table.timers.end()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    table.timers.erase(found);
    return TRUE;
}

void KillWindowTimers(HWND window) {
    TimerTable& table = Table();
    std::lock_guard lock(table.lock);
    std::erase_if(table.timers, [&](const Timer& t) { return t.window == window; });
}

bool TakeDueTimer(DWORD thread, HWND filter, UINT filterMin, UINT filterMax, bool remove, MSG* message) {
    TimerTable& table = Table();
    std::lock_guard lock(table.lock);
    std::uint64_t now = GetTickCount64();
    Timer* chosen = nullptr;
    for (Timer& timer : table.timers) {
        if (timer.thread != thread || timer.due > now) continue;
        MSG candidate{timer.window, WM_TIMER, timer.id, reinterpret_cast<LPARAM>(timer.procedure),
                      static_cast<DWORD>(now), {}};
        if (!Matches(candidate, filter, filterMin, filterMax)) continue;
        if (!chosen || timer.due < chosen->due) chosen = &timer;
    }
    if (!chosen) return false;
    *message = MSG{chosen->window, WM_TIMER, chosen->id, reinterpret_cast<LPARAM>(chosen->procedure),
                   static_cast<DWORD>(now), {}};
    // A late timer fires once, not once per missed interval.
    if (remove) chosen->due = now + chosen->interval;
    return true;
}

DWORD TimeToNextTimer(DWORD thread) {
    TimerTable& table = Table();
    std::lock_guard lock(table.lock);
    std::uint64_t now = GetTickCount64();
    std::uint64_t best = INFINITE;
    for (const Timer& timer : table.timers) {
        if (timer.thread != thread) continue;
        best = std::min<std::uint64_t>(best, timer.due > now ? timer.due - now : 0);
    }
    return static_cast<DWORD>(best);
}

}  // namespace platform
