#include "platform/window/Painting.h"

#include <map>
#include <mutex>

#include "platform/display/Display.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/detail/DeviceContextState.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/Placement.h"
#include "platform/window/SystemMetrics.h"
#include "platform/window/WindowStyles.h"
#include "platform/window/WindowTree.h"
#include "platform/window/detail/PaintState.h"
#include "platform/window/detail/WindowObject.h"
#include "platform/window/detail/WindowSurface.h"

namespace platform {
namespace {

struct DcTable {
    std::mutex lock;
    std::map<HDC, HWND> windows;
};

DcTable& Dcs() {
    static DcTable table;
    return table;
}

RECT WindowBounds(const Window& window) {
    return RECT{0, 0, RectWidth(window.rect), RectHeight(window.rect)};
}

// The window's own shape in screen coordinates, or none.
Region ScreenShape(const Window& window) {
    RECT screen = ScreenWindowRect(window);
    Region shape(screen);
    if (window.shape) {
        Region own = *window.shape;
        own.Offset(screen.left, screen.top);
        shape.Intersect(own);
    }
    return shape;
}

std::vector<HWND> Children(const Window& window) {
    std::lock_guard lock(WindowSystemLock());
    return window.children;
}

// Adds (or takes away) area, in window coordinates, and passes it on to the
// children that lie under it when asked to.
void ChangeUpdate(Window& window, const Region& area, UINT flags) {
    if (!IsVisibleChain(window)) return;
    WindowPaintState& state = PaintStateOf(window);
    Region clipped = area;
    clipped.IntersectRect(WindowBounds(window));
    Region clientPart = clipped;
    clientPart.IntersectRect(window.client);
    if (flags & RDW_INVALIDATE) {
        state.update.Unite((flags & RDW_FRAME) ? clipped : clientPart);
        if ((flags & RDW_FRAME) && !(clipped == clientPart)) state.frame = true;
        if (flags & RDW_ERASE) state.erase = true;
        if (flags & RDW_INTERNALPAINT) state.internalPaint = true;
        WakeThread(window.thread);
    } else if (flags & RDW_VALIDATE) {
        state.update.Subtract((flags & RDW_NOFRAME) ? clientPart : clipped);
        if (!(flags & RDW_NOFRAME) && (flags & RDW_FRAME)) state.frame = false;
        if (flags & RDW_NOERASE) state.erase = false;
        if (flags & RDW_NOINTERNALPAINT) state.internalPaint = false;
        if (state.update.IsEmpty()) state.erase = false;
    }
    bool toChildren = (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(window.style & WS_CLIPCHILDREN));
    if (!toChildren) return;
    for (HWND childHandle : Children(window)) {
        Window* child = FindWindowQuietly(childHandle);
        if (!child || !(child->style & WS_VISIBLE)) continue;
        Region childArea = clientPart;
        childArea.Offset(-(window.client.left + child->rect.left), -(window.client.top + child->rect.top));
        childArea.IntersectRect(WindowBounds(*child));
        if (childArea.IsEmpty()) continue;
        ChangeUpdate(*child, childArea, (flags & ~RDW_NOCHILDREN) | RDW_FRAME);
    }
}

bool NeedsPaint(Window& window) {
    if (!window.paint) return false;
    return !window.paint->update.IsEmpty() || window.paint->internalPaint || window.paint->frame;
}

// Parents before their children, so that a parent without WS_CLIPCHILDREN
// does not paint over a child that has just painted.
HWND FirstToPaint(const std::vector<HWND>& windows, DWORD thread, HWND filter) {
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        Window* object = FindWindowQuietly(*it);
        if (!object || !(object->style & WS_VISIBLE)) continue;
        if (object->thread == thread && NeedsPaint(*object) &&
            (!filter || *it == filter || IsChild(filter, *it)))
            return *it;
        if (HWND child = FirstToPaint(Children(*object), thread, filter)) return child;
    }
    return nullptr;
}

void PaintNow(HWND window, bool children) {
    Window* object = FindWindowQuietly(window);
    if (!object) return;
    if (NeedsPaint(*object)) {
        SendNcPaintIfOwed(window);
        SendMessage(window, WM_PAINT, 0, 0);
        ValidateAfterPaint(window);
    }
    if (!children) return;
    object = FindWindowQuietly(window);
    if (!object) return;
    for (auto it = object->children.rbegin(); it != object->children.rend(); ++it) PaintNow(*it, true);
}

Region RegionFromHandle(HRGN region) {
    auto object = LookupGdiObjectAs<RegionObject>(region);
    return object ? object->region : Region();
}

}  // namespace

void SendNcPaintIfOwed(HWND window) {
    Window* object = FindWindowQuietly(window);
    if (!object || !object->paint || !object->paint->frame) return;
    object->paint->frame = false;
    Region frame(WindowBounds(*object));
    Region client(object->client);
    frame.Subtract(client);
    object->paint->update.Subtract(frame);
    SendMessage(window, WM_NCPAINT, 1, 0);
}


WindowPaintState& PaintStateOf(Window& window) {
    if (!window.paint) window.paint = std::make_unique<WindowPaintState>();
    return *window.paint;
}

WindowSurface& SurfaceOf(Window& topLevel) {
    if (!topLevel.surface) topLevel.surface = std::make_unique<WindowSurface>();
    WindowSurface& surface = *topLevel.surface;
    LONG width = RectWidth(topLevel.rect);
    LONG height = RectHeight(topLevel.rect);
    if (!surface.pixels || surface.pixels->Width() != width || surface.pixels->Height() != height) {
        surface.pixels = width > 0 && height > 0 ? BitmapSurface::Create(width, height, 32, true) : nullptr;
        surface.dirty = true;
    }
    return surface;
}

Region VisibleRegion(Window& window, bool clientOnly, bool clipChildren) {
    std::lock_guard lock(WindowSystemLock());
    RECT screen = ScreenWindowRect(window);
    Region visible(clientOnly ? ScreenClientRect(window) : screen);
    Window* current = &window;
    while (current) {
        visible.Intersect(ScreenShape(*current));
        if (!current->parent) break;
        Window* parent = FindWindowQuietly(current->parent);
        if (!parent) break;
        visible.Intersect(Region(ScreenClientRect(*parent)));
        if (current->style & WS_CLIPSIBLINGS) {
            for (HWND sibling : parent->children) {
                if (sibling == current->handle) break;
                Window* above = FindWindowQuietly(sibling);
                if (above && (above->style & WS_VISIBLE)) visible.Subtract(ScreenShape(*above));
            }
        }
        current = parent;
    }
    if (clipChildren) {
        for (HWND child : window.children) {
            Window* below = FindWindowQuietly(child);
            if (below && (below->style & WS_VISIBLE)) visible.Subtract(ScreenShape(*below));
        }
    }
    visible.Offset(-screen.left, -screen.top);
    return visible;
}

bool TakePaintMessage(DWORD thread, HWND filter, UINT filterMin, UINT filterMax, MSG* message) {
    if (!(filterMin == 0 && filterMax == 0) && !(WM_PAINT >= filterMin && WM_PAINT <= filterMax)) return false;
    HWND window = FirstToPaint(TopLevelWindows(), thread, filter);
    if (!window) return false;
    *message = MSG{window, WM_PAINT, 0, 0, 0, {}};
    return true;
}

bool HasPendingPaint(DWORD thread) {
    return FirstToPaint(TopLevelWindows(), thread, nullptr) != nullptr;
}

void ValidateAfterPaint(HWND window) {
    Window* object = FindWindowQuietly(window);
    if (!object || !object->paint) return;
    object->paint->update = Region();
    object->paint->erase = false;
    object->paint->frame = false;
    object->paint->internalPaint = false;
}

void InvalidateFrame(HWND window) {
    Window* object = FindWindowQuietly(window);
    if (!object) return;
    Region frame(WindowBounds(*object));
    frame.Subtract(Region(object->client));
    if (!frame.IsEmpty()) ChangeUpdate(*object, frame, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
}

void RedrawAfterPlacement(HWND window, const RECT& oldScreenRect, bool wasVisible, bool resized, bool frameChanged) {
    Window* object = FindWindowQuietly(window);
    if (!object) return;
    bool visible = (object->style & WS_VISIBLE) != 0;
    bool topLevel = object->parent == nullptr;
    if (visible && (!wasVisible || resized || !topLevel)) {
        ChangeUpdate(*object, Region(WindowBounds(*object)),
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    } else if (visible && frameChanged) {
        InvalidateFrame(window);
    }
    if (!topLevel && wasVisible) {
        Window* parent = FindWindowQuietly(object->parent);
        if (!parent) return;
        RECT parentScreen = ScreenWindowRect(*parent);
        Region exposed(oldScreenRect);
        exposed.Offset(-parentScreen.left, -parentScreen.top);
        ChangeUpdate(*parent, exposed, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}

BOOL RedrawWindow(HWND window, const RECT* rect, HRGN region, UINT flags) {
    if (!window) {
        for (HWND topLevel : TopLevelWindows()) RedrawWindow(topLevel, rect, region, flags);
        return TRUE;
    }
    Window* object = FindWindowObject(window);
    if (!object) return FALSE;
    return static_cast<BOOL>(RunOnWindowThread(window, [&]() -> LRESULT {
        Window* w = FindWindowQuietly(window);
        if (!w) return FALSE;
        Region area;
        if (region) {
            area = RegionFromHandle(region);
            area.Offset(w->client.left, w->client.top);
        } else if (rect) {
            RECT r = *rect;
            OffsetRect(&r, w->client.left, w->client.top);
            area = Region(r);
        } else {
            area = Region((flags & RDW_FRAME) ? WindowBounds(*w) : w->client);
        }
        if (flags & (RDW_INVALIDATE | RDW_VALIDATE)) ChangeUpdate(*w, area, flags);
        if (flags & RDW_ERASENOW) {
            SendNcPaintIfOwed(window);
            w = FindWindowQuietly(window);
            if (w && w->paint && w->paint->erase) {
                w->paint->erase = false;
                if (HDC hdc = GetDCEx(window, nullptr, DCX_CACHE)) {
                    SendMessage(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
                    ReleaseDC(window, hdc);
                }
            }
        }
        if (flags & RDW_UPDATENOW) PaintNow(window, (flags & RDW_ALLCHILDREN) || !(flags & RDW_NOCHILDREN));
        return TRUE;
    }));
}

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
    return RedrawWindow(window, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL InvalidateRgn(HWND window, HRGN region, BOOL erase) {
    return RedrawWindow(window, nullptr, region, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL ValidateRect(HWND window, const RECT* rect) {
    return RedrawWindow(window, rect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL ValidateRgn(HWND window, HRGN region) {
    return RedrawWindow(window, nullptr, region, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL UpdateWindow(HWND window) {
    if (!FindWindowObject(window)) return FALSE;
    RunOnWindowThread(window, [&]() -> LRESULT {
        PaintNow(window, false);
        return TRUE;
    });
    return TRUE;
}

BOOL GetUpdateRect(HWND window, RECT* rect, BOOL) {
    Window* object = FindWindowObject(window);
    if (!object) return FALSE;
    RECT bounds{};
    if (object->paint) {
        Region client = object->paint->update;
        client.IntersectRect(object->client);
        bounds = client.Bounds();
        if (!IsRectEmpty(&bounds)) OffsetRect(&bounds, -object->client.left, -object->client.top);
    }
    if (rect) *rect = bounds;
    return !IsRectEmpty(&bounds);
}

int GetUpdateRgn(HWND window, HRGN region, BOOL) {
    Window* object = FindWindowObject(window);
    auto target = LookupGdiObjectAs<RegionObject>(region);
    if (!object || !target) return ERROR;
    Region client = object->paint ? object->paint->update : Region();
    client.IntersectRect(object->client);
    client.Offset(-object->client.left, -object->client.top);
    target->region = client;
    return client.Complexity();
}

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
    Window* object = FindWindowObject(window);
    if (!object || !paint) return nullptr;
    SendNcPaintIfOwed(window);
    object = FindWindowQuietly(window);
    if (!object) return nullptr;
    WindowPaintState& state = PaintStateOf(*object);
    Region area = state.update;
    area.IntersectRect(object->client);
    bool erase = state.erase;
    state.update = Region();
    state.erase = false;
    state.internalPaint = false;
    area.Offset(-object->client.left, -object->client.top);
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    if (auto holder = LookupGdiObjectAs<RegionObject>(clip)) holder->region = area;
    HDC hdc = GetDCEx(window, clip, DCX_INTERSECTRGN);
    DeleteObject(clip);
    *paint = PAINTSTRUCT{};
    paint->hdc = hdc;
    paint->rcPaint = area.Bounds();
    paint->fErase = erase ? TRUE : FALSE;
    if (erase && hdc) paint->fErase = SendMessage(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0) ? FALSE : TRUE;
    return hdc;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
    if (!paint) return FALSE;
    ReleaseDC(window, paint->hdc);
    return TRUE;
}

HDC GetDC(HWND window) {
    return GetDCEx(window, nullptr, DCX_CACHE);
}

HDC GetWindowDC(HWND window) {
    return GetDCEx(window, nullptr, DCX_CACHE | DCX_WINDOW);
}

HDC GetDCEx(HWND window, HRGN region, DWORD flags) {
    if (!window || window == GetDesktopWindow()) {
        static std::shared_ptr<BitmapSurface> screen;
        RECT size = ScreenRect();
        if (!screen || screen->Width() != size.right || screen->Height() != size.bottom)
            screen = BitmapSurface::Create(size.right, size.bottom, 32, true);
        return CreateSurfaceDC(screen, POINT{0, 0}, nullptr);
    }
    Window* object = FindWindowObject(window);
    if (!object) return nullptr;
    bool windowDc = (flags & DCX_WINDOW) != 0;
    bool clipChildren = (flags & DCX_CLIPCHILDREN) || (object->style & WS_CLIPCHILDREN);
    Region visible = VisibleRegion(*object, !windowDc, clipChildren);
    POINT device = windowDc ? POINT{0, 0} : POINT{object->client.left, object->client.top};
    if (region && (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN))) {
        Region given = RegionFromHandle(region);
        given.Offset(device.x, device.y);
        if (flags & DCX_INTERSECTRGN)
            visible.Intersect(given);
        else
            visible.Subtract(given);
    }
    visible.Offset(-device.x, -device.y);
    Window* top = TopLevelOf(*object);
    WindowSurface& surface = SurfaceOf(*top);
    HDC hdc;
    if (!surface.pixels) {
        hdc = CreateCompatibleDC(nullptr);
    } else {
        RECT topScreen = ScreenWindowRect(*top);
        RECT own = ScreenWindowRect(*object);
        POINT origin{own.left - topScreen.left + device.x, own.top - topScreen.top + device.y};
        hdc = CreateSurfaceDC(surface.pixels, origin, &visible);
    }
    if (hdc) {
        std::lock_guard lock(Dcs().lock);
        Dcs().windows[hdc] = window;
    }
    return hdc;
}

int ReleaseDC(HWND, HDC hdc) {
    HWND owner = nullptr;
    {
        std::lock_guard lock(Dcs().lock);
        auto found = Dcs().windows.find(hdc);
        if (found != Dcs().windows.end()) {
            owner = found->second;
            Dcs().windows.erase(found);
        }
    }
    if (!DeleteDC(hdc)) return 0;
    if (owner) {
        if (Window* object = FindWindowQuietly(owner)) {
            Window* top = TopLevelOf(*object);
            if (top->surface) top->surface->dirty = true;
            DisplaySurfaceChanged(top->handle);
        }
    }
    return 1;
}

int ScrollWindowEx(HWND window, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN updateRegion,
                   RECT* update, UINT flags) {
    Window* object = FindWindowObject(window);
    if (!object) return ERROR;
    RECT clientBounds{0, 0, RectWidth(object->client), RectHeight(object->client)};
    RECT area = scroll ? *scroll : clientBounds;
    IntersectRect(&area, &area, &clientBounds);
    RECT limit = clip ? *clip : clientBounds;
    IntersectRect(&limit, &limit, &clientBounds);
    // Pixels move only where they show before and after the move; the
    // children's pixels move along when the children do.
    bool clipChildren = !(flags & SW_SCROLLCHILDREN) && (object->style & WS_CLIPCHILDREN);
    Region visible = VisibleRegion(*object, true, clipChildren);
    visible.Offset(-object->client.left, -object->client.top);
    Region source = visible;
    source.IntersectRect(area);
    Region moved = source;
    moved.Offset(dx, dy);
    moved.Intersect(visible);
    moved.IntersectRect(limit);
    Window* top = TopLevelOf(*object);
    WindowSurface& surface = SurfaceOf(*top);
    if (surface.pixels && !moved.IsEmpty()) {
        RECT topScreen = ScreenWindowRect(*top);
        RECT client = ScreenClientRect(*object);
        POINT origin{client.left - topScreen.left, client.top - topScreen.top};
        BitmapSurface& pixels = *surface.pixels;
        std::vector<Pixel> copy(static_cast<size_t>(pixels.Width()) * static_cast<size_t>(pixels.Height()));
        for (LONG y = 0; y < pixels.Height(); ++y)
            std::copy(pixels.Row32(y), pixels.Row32(y) + pixels.Width(), copy.begin() + y * pixels.Width());
        for (const RECT& part : moved.Rects())
            for (LONG y = part.top; y < part.bottom; ++y)
                for (LONG x = part.left; x < part.right; ++x) {
                    LONG sx = origin.x + x - dx, sy = origin.y + y - dy;
                    LONG tx = origin.x + x, ty = origin.y + y;
                    if (sx < 0 || sy < 0 || sx >= pixels.Width() || sy >= pixels.Height()) continue;
                    if (tx < 0 || ty < 0 || tx >= pixels.Width() || ty >= pixels.Height()) continue;
                    pixels.Row32(ty)[tx] = copy[static_cast<size_t>(sy) * pixels.Width() + sx];
                }
        surface.dirty = true;
        DisplaySurfaceChanged(top->handle);
    }
    Region uncovered(area);
    uncovered.IntersectRect(limit);
    uncovered.Subtract(moved);
    // What was still to be painted moves with the pixels.
    WindowPaintState& state = PaintStateOf(*object);
    if (!state.update.IsEmpty()) {
        Region pending = state.update;
        Region inside = pending;
        Region areaInWindow(area);
        areaInWindow.Offset(object->client.left, object->client.top);
        inside.Intersect(areaInWindow);
        pending.Subtract(inside);
        inside.Offset(dx, dy);
        pending.Unite(inside);
        state.update = pending;
    }
    if (flags & SW_SCROLLCHILDREN) {
        for (HWND child : Children(*object)) {
            Window* c = FindWindowQuietly(child);
            if (!c) continue;
            SetWindowPos(child, nullptr, c->rect.left + dx, c->rect.top + dy, 0, 0,
                         SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
        }
    }
    if (auto target = LookupGdiObjectAs<RegionObject>(updateRegion)) target->region = uncovered;
    if (update) *update = uncovered.Bounds();
    if (flags & SW_INVALIDATE) {
        Region inWindow = uncovered;
        inWindow.Offset(object->client.left, object->client.top);
        ChangeUpdate(*object, inWindow, RDW_INVALIDATE | ((flags & SW_ERASE) ? RDW_ERASE : 0) |
                                            ((flags & SW_SCROLLCHILDREN) ? RDW_ALLCHILDREN : 0));
    }
    return uncovered.Complexity();
}

BOOL ScrollWindow(HWND window, int dx, int dy, const RECT* scroll, const RECT* clip) {
    return ScrollWindowEx(window, dx, dy, scroll, clip, nullptr, nullptr,
                          SW_INVALIDATE | SW_ERASE | (scroll ? 0 : SW_SCROLLCHILDREN)) != ERROR;
}

HWND WindowFromDC(HDC hdc) {
    std::lock_guard lock(Dcs().lock);
    auto found = Dcs().windows.find(hdc);
    return found == Dcs().windows.end() ? nullptr : found->second;
}

}  // namespace platform
