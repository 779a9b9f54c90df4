#include "platform/window/DefaultWindowProcedure.h"

#include <algorithm>
#include <cstring>

#include "platform/menus/MenuBar.h"
#include "platform/menus/MenuTracking.h"
#include "platform/menus/SystemMenu.h"
#include "platform/menus/detail/MenuObject.h"
#include "platform/text/LetterCase.h"
#include "platform/window/Cursors.h"
#include "platform/window/Focus.h"
#include "platform/window/FramePainting.h"
#include "platform/window/Input.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/MoveSizeLoop.h"
#include "platform/window/NonClient.h"
#include "platform/window/Painting.h"
#include "platform/window/Placement.h"
#include "platform/window/ScrollBars.h"
#include "platform/window/WindowPrinting.h"
#include "platform/window/WindowTree.h"
#include "platform/window/detail/PaintState.h"
#include "platform/window/detail/WindowObject.h"

namespace platform {
namespace {

LRESULT SetText(HWND window, const char* text) {
    Window* object = FindWindowQuietly(window);
    if (!object) return FALSE;
    object->text = text ? text : "";
    if ((object->style & WS_CAPTION) == WS_CAPTION) InvalidateFrame(window);
    return TRUE;
}

LRESULT GetText(HWND window, WPARAM size, char* buffer) {
    Window* object = FindWindowQuietly(window);
    if (!object || !buffer || size == 0) return 0;
    size_t count = std::min(object->text.size(), static_cast<size_t>(size) - 1);
    std::memcpy(buffer, object->text.data(), count);
    buffer[count] = '\0';
    return static_cast<LRESULT>(count);
}

// The last key pressed, so that Alt or F10 let go with no key between
// enters the menu bar.
thread_local WPARAM lastKeyDown = 0;

// Alt and a letter: the bar's item marked with it, its popup opened (an
// item without one is chosen at once); Alt and Space: the system menu.
void KeyMenu(HWND window, char32_t letter) {
    if (letter == ' ') {
        TrackSystemMenu(window, SystemMenuPoint(window));
        return;
    }
    HMENU bar = GetMenu(window);
    Menu* menu = FindMenuObject(bar);
    if (!menu) return;
    if (letter == 0) {
        TrackMenuBarByKeyboard(window, 0, false);
        return;
    }
    letter = LowerLetter(letter);
    for (std::size_t i = 0; i < menu->items.size(); ++i) {
        const MenuItem& item = menu->items[i];
        if (IsSeparator(item) || ItemMnemonic(item) != letter) continue;
        if (item.submenu)
            TrackMenuBarByKeyboard(window, static_cast<int>(i), true);
        else if (!IsDisabled(item))
            PostMessage(window, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(item.id), 0), 0);
        return;
    }
}

WPARAM SizeCommandFor(LRESULT hit) {
    return SC_SIZE + static_cast<WPARAM>(hit - HTLEFT) + WMSZ_LEFT;
}

LRESULT SystemCommand(HWND window, WPARAM command, LPARAM lParam) {
    Window* object = FindWindowQuietly(window);
    if (!object) return 0;
    POINT start{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (command & 0xFFF0) {
        case SC_MOVE:
        case SC_SIZE:
            RunMoveSizeLoop(window, command, lParam ? &start : nullptr);
            return 0;
        case SC_MINIMIZE: ShowWindow(window, SW_MINIMIZE); return 0;
        case SC_MAXIMIZE: ShowWindow(window, SW_MAXIMIZE); return 0;
        case SC_RESTORE: ShowWindow(window, SW_RESTORE); return 0;
        case SC_CLOSE:
            if (!(object->windowClass->style & CS_NOCLOSE)) SendMessage(window, WM_CLOSE, 0, 0);
            return 0;
        case SC_KEYMENU: KeyMenu(window, static_cast<char32_t>(lParam)); return 0;
        case SC_MOUSEMENU:
            if (static_cast<LRESULT>(command & 0x000F) == HTSYSMENU)
                TrackSystemMenu(window, SystemMenuPoint(window));
            else
                TrackMenuBarByMouse(window, start);
            return 0;
        default: return 0;  // SC_CONTEXTHELP and the rest do nothing here
    }
}

LRESULT NonClientPress(HWND window, LRESULT hit, LPARAM lParam) {
    Window* object = FindWindowQuietly(window);
    if (!object) return 0;
    switch (hit) {
        case HTCAPTION:
            SendMessage(window, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lParam);
            return 0;
        case HTLEFT:
        case HTRIGHT:
        case HTTOP:
        case HTTOPLEFT:
        case HTTOPRIGHT:
        case HTBOTTOM:
        case HTBOTTOMLEFT:
        case HTBOTTOMRIGHT:
            if (object->style & WS_THICKFRAME) SendMessage(window, WM_SYSCOMMAND, SizeCommandFor(hit), lParam);
            return 0;
        case HTMENU:
        case HTSYSMENU:
            SendMessage(window, WM_SYSCOMMAND, SC_MOUSEMENU | static_cast<WPARAM>(hit), lParam);
            return 0;
        case HTVSCROLL:
        case HTHSCROLL:
            TrackScrollBar(window, hit == HTVSCROLL ? SB_VERT : SB_HORZ, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case HTCLOSE:
        case HTMINBUTTON:
        case HTMAXBUTTON:
        case HTHELP: {
            PressedCaptionButton pressed(window, hit);
            if (!TrackCaptionButton(window, hit)) return 0;
            WPARAM command = hit == HTCLOSE       ? SC_CLOSE
                             : hit == HTMINBUTTON ? SC_MINIMIZE
                             : hit == HTHELP      ? SC_CONTEXTHELP
                             : IsZoomed(window)   ? SC_RESTORE
                                                  : SC_MAXIMIZE;
            SendMessage(window, WM_SYSCOMMAND, command, lParam);
            return 0;
        }
        default: return 0;
    }
}

LRESULT DefaultSetCursor(HWND window, WPARAM wParam, LPARAM lParam) {
    HWND parent = GetAncestor(window, GA_PARENT);
    if (parent && parent != GetDesktopWindow() && (GetWindowLongPtr(window, GWL_STYLE) & WS_CHILD) &&
        SendMessage(parent, WM_SETCURSOR, wParam, lParam))
        return TRUE;
    LRESULT hit = static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lParam)));
    switch (hit) {
        case HTLEFT:
        case HTRIGHT: SetCursor(LoadCursor(nullptr, IDC_SIZEWE)); return TRUE;
        case HTTOP:
        case HTBOTTOM: SetCursor(LoadCursor(nullptr, IDC_SIZENS)); return TRUE;
        case HTTOPLEFT:
        case HTBOTTOMRIGHT: SetCursor(LoadCursor(nullptr, IDC_SIZENWSE)); return TRUE;
        case HTTOPRIGHT:
        case HTBOTTOMLEFT: SetCursor(LoadCursor(nullptr, IDC_SIZENESW)); return TRUE;
        case HTCLIENT: {
            Window* object = FindWindowQuietly(window);
            if (object && object->windowClass->cursor) SetCursor(object->windowClass->cursor);
            return FALSE;
        }
        default: SetCursor(LoadCursor(nullptr, IDC_ARROW)); return FALSE;
    }
}

}  // namespace

LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE: {
            auto* create = reinterpret_cast<CREATESTRUCT*>(lParam);
            if (create && create->lpszName && !IS_INTRESOURCE(create->lpszName)) SetText(window, create->lpszName);
            return TRUE;
        }
        case WM_NCCALCSIZE:
            DefaultCalcSize(window, reinterpret_cast<RECT*>(lParam));
            return 0;
        case WM_NCHITTEST: return DefaultHitTest(window, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        case WM_NCPAINT: PaintDefaultFrame(window); return 0;
        case WM_NCACTIVATE:
            SetFrameActive(window, wParam != 0);
            InvalidateFrame(window);
            return TRUE;
        case WM_ERASEBKGND: return EraseWithClassBackground(window, reinterpret_cast<HDC>(wParam)) ? 1 : 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(window, &paint);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_PRINT: PrintWindowInto(window, reinterpret_cast<HDC>(wParam), static_cast<DWORD>(lParam)); return 0;
        case WM_PRINTCLIENT: return 0;
        case WM_SETREDRAW: {
            // Painting stops for the window and its children by taking the
            // visible bit away, without the messages of hiding.
            Window* object = FindWindowQuietly(window);
            if (!object) return 0;
            if (wParam)
                object->style |= WS_VISIBLE;
            else
                object->style &= ~WS_VISIBLE;
            return 0;
        }
        case WM_SETTEXT: return SetText(window, reinterpret_cast<const char*>(lParam));
        case WM_GETTEXT: return GetText(window, wParam, reinterpret_cast<char*>(lParam));
        case WM_GETTEXTLENGTH: {
            Window* object = FindWindowQuietly(window);
            return object ? static_cast<LRESULT>(object->text.size()) : 0;
        }
        case WM_SETFONT: {
            Window* object = FindWindowQuietly(window);
            if (object) object->font = reinterpret_cast<void*>(wParam);
            if (lParam) InvalidateRect(window, nullptr, TRUE);
            return 0;
        }
        case WM_GETFONT: {
            Window* object = FindWindowQuietly(window);
            return object ? reinterpret_cast<LRESULT>(object->font) : 0;
        }
        case WM_SETICON: {
            Window* object = FindWindowQuietly(window);
            if (!object) return 0;
            HICON& slot = wParam == ICON_BIG ? object->bigIcon : object->smallIcon;
            HICON old = slot;
            slot = reinterpret_cast<HICON>(lParam);
            return reinterpret_cast<LRESULT>(old);
        }
        case WM_GETICON: {
            Window* object = FindWindowQuietly(window);
            if (!object) return 0;
            return reinterpret_cast<LRESULT>(wParam == ICON_BIG ? object->bigIcon : object->smallIcon);
        }
        case WM_CLOSE: DestroyWindow(window); return 0;
        case WM_QUERYENDSESSION: return TRUE;
        case WM_SYSCOMMAND: return SystemCommand(window, wParam, lParam);
        case WM_NCLBUTTONDOWN: return NonClientPress(window, static_cast<LRESULT>(wParam), lParam);
        case WM_NCLBUTTONDBLCLK:
            if (wParam == static_cast<WPARAM>(HTCAPTION) && (GetWindowLongPtr(window, GWL_STYLE) & WS_MAXIMIZEBOX))
                SendMessage(window, WM_SYSCOMMAND, IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE, lParam);
            else if (wParam == static_cast<WPARAM>(HTSYSMENU))
                SendMessage(window, WM_SYSCOMMAND, SC_CLOSE, lParam);
            return 0;
        case WM_SYSKEYDOWN:
            if (!(lParam & (1 << 30))) lastKeyDown = wParam;
            if (wParam == VK_F4 && (GetKeyState(VK_MENU) & 0x8000))
                SendMessage(GetAncestor(window, GA_ROOT), WM_SYSCOMMAND, SC_CLOSE, 0);
            return 0;
        case WM_KEYDOWN:
            lastKeyDown = wParam;
            // The menu key and Shift+F10 ask for the context menu at the focus.
            if (wParam == VK_APPS || (wParam == VK_F10 && (GetKeyState(VK_SHIFT) & 0x8000)))
                SendMessage(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), MakePointParam(-1, -1));
            return 0;
        case WM_RBUTTONUP: {
            POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(window, &at);
            SendMessage(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), MakePointParam(at.x, at.y));
            return 0;
        }
        case WM_SYSKEYUP:
        case WM_KEYUP:
            if ((wParam == VK_MENU || wParam == VK_F10) && lastKeyDown == wParam) {
                lastKeyDown = 0;
                SendMessage(GetAncestor(window, GA_ROOT), WM_SYSCOMMAND, SC_KEYMENU, 0);
            }
            return 0;
        case WM_SYSCHAR:
            lastKeyDown = 0;
            SendMessage(GetAncestor(window, GA_ROOT), WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(wParam));
            return 0;
        case WM_CONTEXTMENU: {
            HWND parent = GetAncestor(window, GA_PARENT);
            if ((GetWindowLongPtr(window, GWL_STYLE) & WS_CHILD) && parent && parent != GetDesktopWindow())
                return SendMessage(parent, message, wParam, lParam);
            POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (at.x == -1 && at.y == -1) return 0;
            LRESULT hit = DefaultHitTest(window, at);
            if (hit == HTCAPTION || hit == HTSYSMENU) TrackSystemMenu(window, at);
            return 0;
        }
        case WM_NCRBUTTONUP:
            if (wParam == static_cast<WPARAM>(HTCAPTION) || wParam == static_cast<WPARAM>(HTSYSMENU))
                SendMessage(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), lParam);
            return 0;
        case WM_POPUPSYSTEMMENU:
            TrackSystemMenu(window, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_SETCURSOR: return DefaultSetCursor(window, wParam, lParam);
        case WM_MOUSEACTIVATE: {
            HWND parent = GetAncestor(window, GA_PARENT);
            if ((GetWindowLongPtr(window, GWL_STYLE) & WS_CHILD) && parent && parent != GetDesktopWindow()) {
                LRESULT answer = SendMessage(parent, WM_MOUSEACTIVATE, wParam, lParam);
                if (answer) return answer;
            }
            return MA_ACTIVATE;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) SetFocus(window);
            return 0;
        case WM_MOUSEWHEEL: {
            HWND parent = GetAncestor(window, GA_PARENT);
            if ((GetWindowLongPtr(window, GWL_STYLE) & WS_CHILD) && parent && parent != GetDesktopWindow())
                return SendMessage(parent, message, wParam, lParam);
            return 0;
        }
        case WM_WINDOWPOSCHANGED: {
            auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
            if (!position) return 0;
            if (!(position->flags & SWP_NOMOVE)) SendMove(window);
            if (!(position->flags & SWP_NOSIZE) || (position->flags & SWP_FRAMECHANGED)) SendSize(window);
            return 0;
        }
        default: return 0;
    }
}

}  // namespace platform
