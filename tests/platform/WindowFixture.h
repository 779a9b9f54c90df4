#pragma once
// A class of windows that write down every message they get, for tests of
// message order; a test may answer messages itself through Handler.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/display/Display.h"
#include "platform/display/DisplayTesting.h"
#include "platform/window/DefaultWindowProcedure.h"
#include "platform/window/Focus.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/Placement.h"
#include "platform/window/WindowClasses.h"
#include "platform/window/WindowTree.h"

namespace windowtest {

using namespace platform;

struct Logged {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

inline std::vector<Logged>& Log() {
    static std::vector<Logged> log;
    return log;
}

// Answers a message instead of DefWindowProc when it sets handled.
using Handler = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM, bool& handled)>;
inline Handler& CurrentHandler() {
    static Handler handler;
    return handler;
}

inline std::mutex& LogLock() {
    static std::mutex lock;
    return lock;
}

inline LRESULT CALLBACK_Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    {
        std::lock_guard lock(LogLock());
        Log().push_back({window, message, wParam, lParam});
    }
    if (CurrentHandler()) {
        bool handled = false;
        LRESULT result = CurrentHandler()(window, message, wParam, lParam, handled);
        if (handled) return result;
    }
    return DefWindowProc(window, message, wParam, lParam);
}

constexpr const char* RecordingClass = "VelzarRecordingWindow";

// Messages of one window, in order, with the noise of painting left out
// unless asked for.
inline std::vector<UINT> MessagesOf(HWND window, const std::vector<UINT>& only = {}) {
    std::vector<UINT> result;
    for (const Logged& entry : Log()) {
        if (entry.window != window) continue;
        if (!only.empty() && std::find(only.begin(), only.end(), entry.message) == only.end()) continue;
        result.push_back(entry.message);
    }
    return result;
}

// The messages of several windows, in the order they came, as (window, message).
inline std::vector<std::pair<HWND, UINT>> Sequence(const std::vector<UINT>& only) {
    std::vector<std::pair<HWND, UINT>> result;
    for (const Logged& entry : Log())
        if (std::find(only.begin(), only.end(), entry.message) != only.end())
            result.emplace_back(entry.window, entry.message);
    return result;
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::testing::UseHeadlessDisplay();
        WNDCLASS windowClass;
        windowClass.lpfnWndProc = CALLBACK_Record;
        windowClass.lpszClassName = RecordingClass;
        windowClass.style = CS_DBLCLKS;
        RegisterClass(&windowClass);
        Log().clear();
        CurrentHandler() = nullptr;
    }

    void TearDown() override {
        CurrentHandler() = nullptr;
        for (HWND window : made_)
            if (IsWindow(window)) DestroyWindow(window);
        platform::testing::PumpMessages();
        Log().clear();
    }

    HWND Make(DWORD style, int x, int y, int width, int height, HWND parent = nullptr, DWORD exStyle = 0,
              UINT_PTR id = 0) {
        HWND window = CreateWindowEx(exStyle, RecordingClass, "test", style, x, y, width, height, parent,
                                     reinterpret_cast<HMENU>(id), nullptr, nullptr);
        made_.push_back(window);
        return window;
    }

    std::vector<HWND> made_;
};

}  // namespace windowtest
