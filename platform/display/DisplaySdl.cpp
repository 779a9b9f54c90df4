#include <SDL.h>
#include <SDL_shape.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>

#include "platform/display/Display.h"
#include "platform/window/Cursors.h"
#include "platform/window/Focus.h"
#include "platform/window/Input.h"
#include "platform/window/LayeredWindows.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/MoveSizeLoop.h"
#include "platform/window/Placement.h"
#include "platform/window/SystemMetrics.h"
#include "platform/window/WindowTree.h"
#include "platform/window/detail/WindowObject.h"
#include "platform/window/detail/WindowSurface.h"

namespace platform {
namespace {

UINT VirtualKeyOf(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return static_cast<UINT>('A' + (key - SDLK_a));
    if (key >= SDLK_0 && key <= SDLK_9) return static_cast<UINT>('0' + (key - SDLK_0));
    if (key >= SDLK_F1 && key <= SDLK_F12) return VK_F1 + static_cast<UINT>(key - SDLK_F1);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return VK_NUMPAD0 + 1 + static_cast<UINT>(key - SDLK_KP_1);
    switch (key) {
        case SDLK_KP_0: return VK_NUMPAD0;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return VK_RETURN;
        case SDLK_ESCAPE: return VK_ESCAPE;
        case SDLK_BACKSPACE: return VK_BACK;
        case SDLK_TAB: return VK_TAB;
        case SDLK_SPACE: return VK_SPACE;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT: return VK_SHIFT;
        case SDLK_LCTRL:
        case SDLK_RCTRL: return VK_CONTROL;
        case SDLK_LALT:
        case SDLK_RALT: return VK_MENU;
        case SDLK_CAPSLOCK: return VK_CAPITAL;
        case SDLK_PAGEUP: return VK_PRIOR;
        case SDLK_PAGEDOWN: return VK_NEXT;
        case SDLK_END: return VK_END;
        case SDLK_HOME: return VK_HOME;
        case SDLK_LEFT: return VK_LEFT;
        case SDLK_UP: return VK_UP;
        case SDLK_RIGHT: return VK_RIGHT;
        case SDLK_DOWN: return VK_DOWN;
        case SDLK_INSERT: return VK_INSERT;
        case SDLK_DELETE: return VK_DELETE;
        case SDLK_KP_MULTIPLY: return VK_MULTIPLY;
        case SDLK_KP_PLUS: return VK_ADD;
        case SDLK_KP_MINUS: return VK_SUBTRACT;
        case SDLK_KP_PERIOD: return VK_DECIMAL;
        case SDLK_KP_DIVIDE: return VK_DIVIDE;
        case SDLK_SEMICOLON: return VK_OEM_1;
        case SDLK_EQUALS: return VK_OEM_PLUS;
        case SDLK_COMMA: return VK_OEM_COMMA;
        case SDLK_MINUS: return VK_OEM_MINUS;
        case SDLK_PERIOD: return VK_OEM_PERIOD;
        case SDLK_SLASH: return VK_OEM_2;
        case SDLK_BACKQUOTE: return VK_OEM_3;
        case SDLK_LEFTBRACKET: return VK_OEM_4;
        case SDLK_BACKSLASH: return VK_OEM_5;
        case SDLK_RIGHTBRACKET: return VK_OEM_6;
        case SDLK_QUOTE: return VK_OEM_7;
        default: return 0;
    }
}

SDL_SystemCursor SdlCursorOf(WORD id) {
    switch (id) {
        case 32513: return SDL_SYSTEM_CURSOR_IBEAM;
        case 32514: return SDL_SYSTEM_CURSOR_WAIT;
        case 32515: return SDL_SYSTEM_CURSOR_CROSSHAIR;
        case 32642: return SDL_SYSTEM_CURSOR_SIZENWSE;
        case 32643: return SDL_SYSTEM_CURSOR_SIZENESW;
        case 32644: return SDL_SYSTEM_CURSOR_SIZEWE;
        case 32645: return SDL_SYSTEM_CURSOR_SIZENS;
        case 32646: return SDL_SYSTEM_CURSOR_SIZEALL;
        case 32648: return SDL_SYSTEM_CURSOR_NO;
        case 32649: return SDL_SYSTEM_CURSOR_HAND;
        case 32650: return SDL_SYSTEM_CURSOR_WAITARROW;
        default: return SDL_SYSTEM_CURSOR_ARROW;
    }
}

// A window whose picture has see-through parts (a window region, a colour
// key or per-pixel alpha) becomes a shaped desktop window, since the desktop
// offers no per-pixel blending of windows; its opacity stays constant.
bool NeedsShape(const Window& window) {
    if (window.shape) return true;
    if (!(window.exStyle & WS_EX_LAYERED) || !window.layered) return false;
    return window.layered->picture || (window.layered->attributeFlags & LWA_COLORKEY);
}

// Each shown top-level window is a borderless desktop window of its size;
// frames, captions and the dragging of windows are the window system's own.
class SdlDisplay final : public DisplayBackend {
public:
    SdlDisplay() {
        SDL_DisplayMode mode;
        if (SDL_GetDesktopDisplayMode(0, &mode) == 0) SetScreenSize(mode.w, mode.h);
        SDL_StartTextInput();
        wakeEvent_ = SDL_RegisterEvents(1);
    }

    ~SdlDisplay() override {
        for (auto& [window, desktop] : windows_) SDL_DestroyWindow(desktop);
        for (auto& [id, cursor] : cursors_) SDL_FreeCursor(cursor);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    const char* Name() const override { return "sdl"; }

    void WindowChanged(HWND topLevel) override {
        Window* object = FindWindowQuietly(topLevel);
        if (!object) return;
        bool show = IsWindowVisible(topLevel);
        auto found = windows_.find(topLevel);
        // A minimized window goes to the desktop's own minimized state, from
        // which the desktop may bring it back (SDL_WINDOWEVENT_RESTORED).
        if (show && (object->style & WS_MINIMIZE)) {
            if (found != windows_.end()) SDL_MinimizeWindow(found->second);
            return;
        }
        RECT rect = object->rect;
        int width = std::max<LONG>(RectWidth(rect), 1), height = std::max<LONG>(RectHeight(rect), 1);
        if (!show) {
            if (found != windows_.end()) SDL_HideWindow(found->second);
            return;
        }
        bool shaped = NeedsShape(*object);
        // The desktop learns of an owner only as a window is made: a new owner
        // makes the window anew.
        bool ownerChanged = found != windows_.end() && owners_[topLevel] != object->owner;
        if (found != windows_.end() && ((shaped_.count(topLevel) != 0) != shaped || ownerChanged)) {
            WindowDestroyed(topLevel);
            found = windows_.end();
        }
        SDL_Window* desktop;
        if (found == windows_.end()) {
            Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
            if (object->exStyle & WS_EX_TOOLWINDOW || object->style & WS_POPUP) flags |= SDL_WINDOW_SKIP_TASKBAR;
            desktop = shaped ? SDL_CreateShapedWindow(object->text.c_str(), static_cast<unsigned>(std::max<LONG>(rect.left, 0)),
                                                      static_cast<unsigned>(std::max<LONG>(rect.top, 0)),
                                                      static_cast<unsigned>(width), static_cast<unsigned>(height), flags)
                             : nullptr;
            if (shaped && desktop) {
                SDL_SetWindowPosition(desktop, rect.left, rect.top);
                shaped_.insert(topLevel);
            }
            if (!desktop) desktop = SDL_CreateWindow(object->text.c_str(), rect.left, rect.top, width, height, flags);
            if (!desktop) return;
            windows_[topLevel] = desktop;
            handles_[SDL_GetWindowID(desktop)] = topLevel;
            owners_[topLevel] = object->owner;
            // The window manager keeps an owned window (a dialog) above its owner.
            auto owner = windows_.find(object->owner);
            if (owner != windows_.end()) SDL_SetWindowModalFor(desktop, owner->second);
        } else {
            desktop = found->second;
            SDL_SetWindowPosition(desktop, rect.left, rect.top);
            int w, h;
            SDL_GetWindowSize(desktop, &w, &h);
            if (w != width || h != height) SDL_SetWindowSize(desktop, width, height);
        }
        SDL_SetWindowTitle(desktop, object->text.c_str());
        SDL_SetWindowAlwaysOnTop(desktop, (object->exStyle & WS_EX_TOPMOST) ? SDL_TRUE : SDL_FALSE);
        SDL_ShowWindow(desktop);
        dirty_.insert(topLevel);
        FollowActivation();
    }

    void SurfaceChanged(HWND topLevel) override { dirty_.insert(topLevel); }

    void WindowDestroyed(HWND topLevel) override {
        auto found = windows_.find(topLevel);
        if (found == windows_.end()) return;
        handles_.erase(SDL_GetWindowID(found->second));
        SDL_DestroyWindow(found->second);
        windows_.erase(found);
        dirty_.erase(topLevel);
        shaped_.erase(topLevel);
        owners_.erase(topLevel);
        if (keyboardWindow_ == topLevel) keyboardWindow_ = nullptr;
    }

    void Pump() override {
        Present();
        SDL_Event event;
        while (SDL_PollEvent(&event)) Handle(event);
        UpdateCursor();
    }

    // Sleeps on the desktop connection (or a wake) until the next timer is due.
    bool Wait(DWORD timeout) override {
        if (wakeEvent_ == static_cast<Uint32>(-1)) return false;
        int milliseconds = timeout == INFINITE ? -1 : static_cast<int>(std::min<DWORD>(timeout, INT32_MAX));
        SDL_WaitEventTimeout(nullptr, milliseconds);  // leaves the event for Pump
        return true;
    }

    void Wake() override {
        if (wakeEvent_ == static_cast<Uint32>(-1) || wakePending_.exchange(true)) return;
        SDL_Event event{};
        event.type = wakeEvent_;
        if (SDL_PushEvent(&event) != 1) wakePending_ = false;
    }

private:
    // The desktop's keyboard goes to the window the window system activated,
    // so that it comes back to the owner when a dialog closes.
    void FollowActivation() {
        HWND active = GetActiveWindow();
        if (active == keyboardWindow_) return;
        auto found = windows_.find(active);
        if (found == windows_.end() || !IsWindowVisible(active)) return;
        keyboardWindow_ = active;
        SDL_RaiseWindow(found->second);
        SDL_SetWindowInputFocus(found->second);
    }

    void Present() {
        for (HWND topLevel : dirty_) {
            auto found = windows_.find(topLevel);
            if (found == windows_.end()) continue;
            Window* object = FindWindowQuietly(topLevel);
            const bool shaped = shaped_.count(topLevel) != 0;
            // A window that is neither layered nor cut by a region shows its
            // own pixels, their unused top byte read as opaque, without the
            // copy composing would make.
            const bool plain = object && !(object->exStyle & WS_EX_LAYERED) && !object->shape && !shaped;
            auto picture = plain ? SurfaceOf(*object).pixels : ComposedPicture(topLevel);
            SDL_Surface* target = SDL_GetWindowSurface(found->second);
            if (!picture || !target) continue;
            int width = std::min<int>(picture->Width(), target->w);
            int height = std::min<int>(picture->Height(), target->h);
            SDL_ConvertPixels(width, height, plain ? SDL_PIXELFORMAT_RGB888 : SDL_PIXELFORMAT_ARGB8888,
                              picture->Row(0), picture->Stride(), target->format->format, target->pixels,
                              target->pitch);
            if (shaped) Shape(found->second, *picture);
            SDL_UpdateWindowSurface(found->second);
            LayeredState* layered = object && (object->exStyle & WS_EX_LAYERED) ? object->layered.get() : nullptr;
            SDL_SetWindowOpacity(found->second, layered ? layered->alpha / 255.0f : 1.0f);
        }
        dirty_.clear();
    }

    // Only the window system moves windows: a desktop window that turns up
    // elsewhere (a shaped one is mapped off screen first) goes back.
    void KeepInPlace(HWND topLevel) {
        auto found = windows_.find(topLevel);
        Window* object = FindWindowQuietly(topLevel);
        if (found == windows_.end() || !object || (object->style & WS_MINIMIZE)) return;
        int x = 0, y = 0;
        SDL_GetWindowPosition(found->second, &x, &y);
        if (x == object->rect.left && y == object->rect.top) return;
        SDL_SetWindowPosition(found->second, object->rect.left, object->rect.top);
        dirty_.insert(topLevel);
    }

    static void Shape(SDL_Window* desktop, BitmapSurface& picture) {
        SDL_Surface* mask = SDL_CreateRGBSurfaceWithFormatFrom(picture.Row(0), picture.Width(), picture.Height(), 32,
                                                               picture.Stride(), SDL_PIXELFORMAT_ARGB8888);
        if (!mask) return;
        SDL_WindowShapeMode mode;
        mode.mode = ShapeModeBinarizeAlpha;
        mode.parameters.binarizationCutoff = 1;
        SDL_SetWindowShape(desktop, mask, &mode);
        SDL_FreeSurface(mask);
    }

    void UpdateCursor() {
        WORD id = SystemCursorId(GetCursor());
        if (id == shownCursor_) return;
        shownCursor_ = id;
        SDL_Cursor*& cursor = cursors_[id];
        if (!cursor) cursor = SDL_CreateSystemCursor(SdlCursorOf(id));
        if (cursor) SDL_SetCursor(cursor);
    }

    static POINT GlobalMouse() {
        int x = 0, y = 0;
        SDL_GetGlobalMouseState(&x, &y);
        return POINT{x, y};
    }

    void Handle(const SDL_Event& event) {
        if (event.type == wakeEvent_) {
            wakePending_ = false;
            return;
        }
        switch (event.type) {
            case SDL_MOUSEMOTION: ReportMouseMove(GlobalMouse()); break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP: {
                int button = event.button.button == SDL_BUTTON_LEFT    ? 0
                             : event.button.button == SDL_BUTTON_RIGHT ? 1
                             : event.button.button == SDL_BUTTON_MIDDLE ? 2
                                                                        : -1;
                ReportMouseMove(GlobalMouse());
                if (button >= 0) ReportMouseButton(button, event.type == SDL_MOUSEBUTTONDOWN);
                break;
            }
            case SDL_MOUSEWHEEL: ReportMouseWheel(event.wheel.y * 120); break;
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                if (UINT key = VirtualKeyOf(event.key.keysym.sym)) ReportKey(key, event.type == SDL_KEYDOWN);
                break;
            case SDL_TEXTINPUT: ReportText(event.text.text); break;
            // A termination signal or the session ending: leave the message
            // loop so the program closes the ordinary way.
            case SDL_QUIT: PostQuitMessage(0); break;
            case SDL_WINDOWEVENT: {
                auto found = handles_.find(event.window.windowID);
                if (found == handles_.end()) break;
                if (event.window.event == SDL_WINDOWEVENT_CLOSE)
                    PostMessage(found->second, WM_SYSCOMMAND, SC_CLOSE, 0);
                else if (event.window.event == SDL_WINDOWEVENT_EXPOSED)
                    dirty_.insert(found->second);
                else if (event.window.event == SDL_WINDOWEVENT_MOVED || event.window.event == SDL_WINDOWEVENT_SHOWN)
                    KeepInPlace(found->second);
                else if (event.window.event == SDL_WINDOWEVENT_RESTORED && IsIconic(found->second))
                    PostMessage(found->second, WM_SYSCOMMAND, SC_RESTORE, 0);
                break;
            }
            default: break;
        }
    }

    std::map<HWND, SDL_Window*> windows_;
    std::map<Uint32, HWND> handles_;
    std::set<HWND> dirty_;
    std::set<HWND> shaped_;
    std::map<HWND, HWND> owners_;  // as each desktop window was made
    std::map<WORD, SDL_Cursor*> cursors_;
    WORD shownCursor_ = 0xFFFF;
    HWND keyboardWindow_ = nullptr;
    Uint32 wakeEvent_ = static_cast<Uint32>(-1);
    std::atomic<bool> wakePending_ = false;
};

}  // namespace

std::unique_ptr<DisplayBackend> MakeSdlDisplay() {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) return nullptr;
    // Closing the last desktop window is the window system's business (the
    // form may refuse to close), not a reason to quit.
    // The click that brings a window to the front also acts, as it does on
    // this system everywhere.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
#ifdef SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
#endif
    // Windows are painted in memory and copied whole to the desktop's own
    // framebuffer; finding out whether a GL framebuffer would be faster loads
    // a whole GL stack (memory and start-up time) only to copy the same
    // pixels. The environment's SDL_FRAMEBUFFER_ACCELERATION still decides.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return nullptr;
    return std::make_unique<SdlDisplay>();
}

}  // namespace platform
