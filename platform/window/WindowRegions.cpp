#include "platform/window/WindowRegions.h"

#include <mutex>

#include "platform/display/Display.h"
#include "platform/gdi/Regions.h"
#include "platform/system/LastError.h"
#include "platform/window/Painting.h"
#include "platform/window/Placement.h"
#include "platform/window/detail/WindowObject.h"

namespace platform {

int SetWindowRgn(HWND window, HRGN region, BOOL redraw) {
    Window* object = FindWindowObject(window);
    if (!object) return 0;
    std::optional<Region> shape;
    if (region) {
        auto given = LookupGdiObjectAs<RegionObject>(region);
        if (!given) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        shape = given->region;
        DeleteObject(region);
    }
    {
        std::lock_guard lock(WindowSystemLock());
        object->shape = std::move(shape);
    }
    // The shape changes the frame too; the window hears of it as of a frame change.
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED |
                     (redraw ? 0 : SWP_NOREDRAW));
    if (redraw) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return 1;
}

int GetWindowRgn(HWND window, HRGN region) {
    std::lock_guard lock(WindowSystemLock());
    Window* object = FindWindowObject(window);
    auto target = LookupGdiObjectAs<RegionObject>(region);
    if (!object || !target || !object->shape) return ERROR;
    target->region = *object->shape;
    return target->region.Complexity();
}

int GetWindowRgnBox(HWND window, RECT* box) {
    std::lock_guard lock(WindowSystemLock());
    Window* object = FindWindowObject(window);
    if (!object || !box || !object->shape) return ERROR;
    *box = object->shape->Bounds();
    return object->shape->Complexity();
}

bool WindowShapeContains(HWND window, POINT point) {
    std::lock_guard lock(WindowSystemLock());
    Window* object = FindWindowQuietly(window);
    if (!object) return false;
    return !object->shape || object->shape->Contains(point.x, point.y);
}

}  // namespace platform
