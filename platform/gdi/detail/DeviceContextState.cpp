#include "platform/gdi/detail/DeviceContextState.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/system/LastError.h"

namespace platform {

DeviceContext::DeviceContext(bool isMemory) : isMemory_(isMemory) {
    state.pen = {StockHandle(BLACK_PEN), LookupGdiObject(StockHandle(BLACK_PEN))};
    state.brush = {StockHandle(WHITE_BRUSH), LookupGdiObject(StockHandle(WHITE_BRUSH))};
    HGDIOBJ font = StockHandle(SYSTEM_FONT);
    state.font = {font, LookupGdiObject(font)};
    if (isMemory_) {
        HGDIOBJ bitmap = StockHandle(DEFAULT_BITMAP_STOCK);
        auto object = LookupGdiObjectAs<BitmapObject>(bitmap);
        state.bitmap = {bitmap, object};
        if (object) surface_ = object->Surface();
    }
}

DeviceContext::~DeviceContext() {
    // Selected bitmaps become free for other DCs.
    auto release = [this](const Selection& selection) {
        auto bitmap = std::dynamic_pointer_cast<BitmapObject>(selection.object);
        if (bitmap && bitmap->SelectedInto() == this) bitmap->SetSelectedInto(nullptr);
    };
    release(state.bitmap);
    for (const auto& level : saved) release(level.bitmap);
}

Region DeviceContext::SurfaceClip() const {
    if (!surface_) return {};
    Region clip(surface_->Bounds());
    if (visibleRegion) {
        Region visible = *visibleRegion;
        visible.Offset(origin.x, origin.y);
        clip.Intersect(visible);
    }
    if (state.clip) {
        Region own = *state.clip;
        own.Offset(origin.x, origin.y);
        clip.Intersect(own);
    }
    return clip;
}

Region DeviceContext::DeviceClip() const {
    Region clip = SurfaceClip();
    clip.Offset(-origin.x, -origin.y);
    return clip;
}

POINT DeviceContext::ToSurface(POINT logical) const {
    POINT device = state.mapping.ToDevice(logical);
    return {device.x + origin.x, device.y + origin.y};
}

HGDIOBJ DeviceContext::Select(Selection& slot, HGDIOBJ handle, std::shared_ptr<GdiObject> object) {
    HGDIOBJ previous = slot.handle;
    slot = {handle, std::move(object)};
    return previous;
}

std::shared_ptr<DeviceContext> LookupDC(HDC hdc) { return LookupGdiObjectAs<DeviceContext>(hdc); }

std::shared_ptr<DeviceContext> DcOrFail(HDC hdc) {
    auto dc = LookupDC(hdc);
    if (!dc) SetLastError(ERROR_INVALID_HANDLE);
    return dc;
}

HDC RegisterDC(std::shared_ptr<DeviceContext> dc) { return static_cast<HDC>(RegisterGdiObject(std::move(dc))); }

HDC CreateSurfaceDC(std::shared_ptr<BitmapSurface> surface, POINT origin, const Region* visible) {
    if (!surface || surface->BitCount() != 32) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto dc = std::make_shared<DeviceContext>(false);
    dc->SetSurface(std::move(surface));
    dc->origin = origin;
    if (visible) dc->visibleRegion = *visible;
    return RegisterDC(std::move(dc));
}

}  // namespace platform
