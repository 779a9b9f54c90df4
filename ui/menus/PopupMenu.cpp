#include "ui/menus/PopupMenu.h"

#include "ui/core/PublishedProperties.h"
#include "ui/forms/Application.h"

#include "platform/menus/MenuTracking.h"
#include "platform/window/DefaultWindowProcedure.h"
#include "platform/window/WindowClasses.h"
#include "platform/window/WindowTree.h"

const TClassInfo& TPopupMenu::StaticClass() {
    static const TClassInfo info = TPublished<TPopupMenu>("TPopupMenu", TMenu::StaticClass()).Build();
    return info;
}

namespace {

constexpr const char* kClassName = "VelzarPopupList";

platform::LRESULT PopupListProcedure(platform::HWND window, platform::UINT message, platform::WPARAM wParam,
                                     platform::LPARAM lParam) {
    TMessage m{message, wParam, lParam, 0};
    try {
        if (DispatchMenuMessage(m)) return m.Result;
    } catch (...) {
        Application->HandleException(nullptr);
        return 0;
    }
    return platform::DefWindowProc(window, message, wParam, lParam);
}

}  // namespace

platform::HWND PopupListWindow() {
    static platform::HWND window = nullptr;
    if (!platform::IsWindow(window)) {
        static bool registered = false;
        if (!registered) {
            platform::WNDCLASS wc;
            wc.lpfnWndProc = &PopupListProcedure;
            wc.lpszClassName = kClassName;
            platform::RegisterClass(&wc);
            registered = true;
        }
        window = platform::CreateWindowEx(0, kClassName, "", platform::WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                                          nullptr);
    }
    return window;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

void TPopupMenu::Popup(int x, int y) {
    popupPoint_ = TPoint{x, y};
    DoPopup();
    if (Items()->Count() == 0) return;
    static constexpr platform::UINT kAlign[] = {platform::TPM_LEFTALIGN, platform::TPM_RIGHTALIGN,
                                                platform::TPM_CENTERALIGN};
    platform::UINT flags = kAlign[static_cast<int>(Alignment)] |
                           (TrackButton == TTrackButton::tbRightButton ? platform::TPM_RIGHTBUTTON
                                                                       : platform::TPM_LEFTBUTTON);
    platform::HWND window = PopupListWindow();
    WindowHandle = window;
    platform::TrackPopupMenu(Handle(), flags, x, y, 0, window, nullptr);
    WindowHandle = nullptr;
    FireEvent(OnClose, this);
}
