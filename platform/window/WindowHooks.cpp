#include "platform/window/WindowHooks.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "platform/system/LastError.h"
#include "platform/system/ThreadId.h"
#include "platform/window/WindowClasses.h"

namespace platform {
namespace {

struct Hook {
    HHOOK handle = nullptr;
    int kind = 0;
    HOOKPROC procedure = nullptr;
    DWORD thread = 0;
};

struct HookTable {
    std::mutex lock;
    std::vector<Hook> hooks;  // newest first
    std::uintptr_t next = 0x20010;
};

HookTable& Table() {
    static HookTable table;
    return table;
}

// The hooks that a call from this thread passes through, newest first.
std::vector<Hook> ChainFor(int kind, DWORD thread) {
    HookTable& table = Table();
    std::lock_guard lock(table.lock);
    std::vector<Hook> chain;
    for (const Hook& hook : table.hooks)
        if (hook.kind == kind && (hook.thread == 0 || hook.thread == thread)) chain.push_back(hook);
    return chain;
}

}  // namespace

HHOOK SetWindowsHookEx(int kind, HOOKPROC procedure, HINSTANCE, DWORD thread) {
    if (kind != WH_CBT || !procedure) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    HookTable& table = Table();
    std::lock_guard lock(table.lock);
    Hook hook{reinterpret_cast<HHOOK>(table.next), kind, procedure, thread};
    table.next += 4;
    table.hooks.insert(table.hooks.begin(), hook);
    return hook.handle;
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
    HookTable& table = Table();
    std::lock_guard lock(table.lock);
    auto found = std::find_if(table.hooks.begin(), table.hooks.end(), [&](const Hook& h) { return h.handle == hook; });
    if (found == table.hooks.end()) {
        SetLastError(ERROR_INVALID_HOOK_HANDLE);
        return FALSE;
    }
    table.hooks.erase(found);
    return TRUE;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    int kind = WH_CBT;
    {
        HookTable& table = Table();
        std::lock_guard lock(table.lock);
        auto found =
            std::find_if(table.hooks.begin(), table.hooks.end(), [&](const Hook& h) { return h.handle == hook; });
        if (found != table.hooks.end()) kind = found->kind;
    }
    std::vector<Hook> chain = ChainFor(kind, GetCurrentThreadId());
    auto at = std::find_if(chain.begin(), chain.end(), [&](const Hook& h) { return h.handle == hook; });
    if (at == chain.end() || ++at == chain.end()) return 0;
    return at->procedure(code, wParam, lParam);
}

LRESULT CallCbtHooks(int code, WPARAM wParam, LPARAM lParam) {
    std::vector<Hook> chain = ChainFor(WH_CBT, GetCurrentThreadId());
    if (chain.empty()) return 0;
    return chain.front().procedure(code, wParam, lParam);
}

}  // namespace platform
