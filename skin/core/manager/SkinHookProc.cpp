#include "skin/core/manager/SkinHookProc.h"

#include "skin/core/controldata/GlowLink.h"
#include "skin/core/manager/SkinCommands.h"
#include "skin/core/manager/SkinManager.h"

#include "ui/forms/Application.h"
#include "ui/forms/Form.h"

#include "platform/window/MessageQueue.h"
#include "platform/window/WindowClasses.h"
#include "platform/window/WindowTree.h"

#include <cstdint>
#include <cstring>

namespace {

// Class atoms of the system's own windows.
constexpr std::uintptr_t kPopupMenuAtom = 0x8000;
constexpr std::uintptr_t kDialogAtom = 0x8002;
constexpr std::uintptr_t kFirstClassNamePointer = 0x10000;
constexpr int kClassNameLength = 128;
// The class library's hidden helper window is never skinned.
const char* const kUtilityWindowClass = "TUtilityWindow";

platform::HHOOK& HookHandle() {
    static platform::HHOOK hook = nullptr;
    return hook;
}

bool ApplicationEnding() {
    return Application && Application->ComponentState().Contains(TComponentStateItem::csDestroying);
}

bool AnswersSkinned(platform::HWND window) {
    return platform::SendMessage(window, SkinCommandMsg, MakeSkinWParam(ScIsSkinned), 0) == 1;
}

void Offer(platform::HWND window) {
    if (auto tryHook = SkinDialogHook().TryHookWindow) tryHook(window);
}

// A named class: every top-level window but the class library's helper, the
// main form and windows made before the main form has its own.
void WindowOfNamedClass(platform::HWND window, const platform::CREATESTRUCT& cs) {
    char name[kClassNameLength] = {};
    platform::GetClassName(window, name, kClassNameLength);
    if (std::strcmp(name, kUtilityWindowClass) == 0 || cs.dwExStyle == 0 || cs.style == 0) return;
    if (TCustomForm* main = Application ? Application->MainForm() : nullptr) {
        if (!main->HandleAllocated() || main->Handle() == window) return;
    }
    if (!platform::GetParent(window)) Offer(window);
}

void WindowCreated(platform::HWND window, platform::LPARAM lParam) {
    const auto* cbt = reinterpret_cast<const platform::CBT_CREATEWND*>(lParam);
    if (!window || !cbt || !cbt->lpcs) return;
    const auto cls = reinterpret_cast<std::uintptr_t>(cbt->lpcs->lpszClass);
    if (cls == kDialogAtom) {
        Offer(window);
    } else if (cls == kPopupMenuAtom) {
        TSkinManager* m = DefaultSkinManager;
        if (m && m->SkinnedPopups() && !AnswersSkinned(window))
            if (auto wrap = SkinDialogHook().WrapPopupMenu) wrap(window);
    } else if (cls >= kFirstClassNamePointer) {
        WindowOfNamedClass(window, *cbt->lpcs);
    }
}

}  // namespace

void SetSkinHookHandle(platform::HHOOK hook) { HookHandle() = hook; }

platform::LRESULT SkinHookProc(int code, platform::WPARAM wParam, platform::LPARAM lParam) {
    const platform::LRESULT result = platform::CallNextHookEx(HookHandle(), code, wParam, lParam);
    if (ApplicationEnding()) return result;
    const auto window = reinterpret_cast<platform::HWND>(wParam);
    switch (code) {
    case platform::HCBT_CREATEWND: WindowCreated(window, lParam); break;
    case platform::HCBT_DESTROYWND: {
        auto destroying = SkinGlowFunctions().Destroying;
        if (!(destroying && destroying()))
            if (auto freeClosed = SkinDialogHook().FreeClosedDialogs) freeClosed();
        break;
    }
    case platform::HCBT_ACTIVATE: Offer(window); break;
    default: break;
    }
    return result;
}
