#include "platform/gdi/DeviceContexts.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/detail/DeviceContextState.h"
#include "platform/system/LastError.h"

namespace platform {
namespace {

// Sets one attribute and answers the previous value, or `failure` on a bad
// handle or value.
template <class T, class Check>
T Exchange(HDC hdc, T DeviceContextAttributes::*field, T value, T failure, Check valid) {
    auto dc = DcOrFail(hdc);
    if (!dc) return failure;
    if (!valid(value)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return failure;
    }
    T previous = dc->state.*field;
    dc->state.*field = value;
    return previous;
}

template <class T>
T Read(HDC hdc, T DeviceContextAttributes::*field, T failure) {
    auto dc = DcOrFail(hdc);
    return dc ? dc->state.*field : failure;
}

auto InRange(int low, int high) {
    return [low, high](int value) { return value >= low && value <= high; };
}

void SetBitmapOwner(const Selection& selection, const DeviceContext* owner) {
    if (auto bitmap = std::dynamic_pointer_cast<BitmapObject>(selection.object)) {
        if (!IsStockObject(selection.handle)) bitmap->SetSelectedInto(owner);
    }
}

HGDIOBJ SelectBitmap(DeviceContext& dc, HGDIOBJ handle, const std::shared_ptr<GdiObject>& object) {
    auto bitmap = std::static_pointer_cast<BitmapObject>(object);
    if (!dc.IsMemory() || (bitmap->SelectedInto() && bitmap->SelectedInto() != &dc)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    SetBitmapOwner(dc.state.bitmap, nullptr);
    HGDIOBJ previous = dc.Select(dc.state.bitmap, handle, object);
    SetBitmapOwner(dc.state.bitmap, &dc);
    dc.SetSurface(bitmap->Surface());
    return previous;
}

}  // namespace

HDC CreateCompatibleDC(HDC hdc) {
    if (hdc && !DcOrFail(hdc)) return nullptr;
    auto dc = std::make_shared<DeviceContext>(true);
    if (auto reference = LookupDC(hdc)) dc->dpi = reference->dpi;
    return RegisterDC(std::move(dc));
}

BOOL DeleteDC(HDC hdc) {
    if (!DcOrFail(hdc)) return FALSE;
    return UnregisterGdiObject(hdc) ? TRUE : FALSE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ handle) {
    auto dc = DcOrFail(hdc);
    auto object = LookupGdiObject(handle);
    if (!object) SetLastError(ERROR_INVALID_HANDLE);
    if (!dc || !object) return nullptr;
    switch (object->Slot()) {
        case SelectionSlot::Pen: return dc->Select(dc->state.pen, handle, object);
        case SelectionSlot::Brush: return dc->Select(dc->state.brush, handle, object);
        case SelectionSlot::Font: return dc->Select(dc->state.font, handle, object);
        case SelectionSlot::Bitmap: return SelectBitmap(*dc, handle, object);
        case SelectionSlot::Region: {
            int result = SelectClipRgn(hdc, static_cast<HRGN>(handle));
            return result == ERROR ? HGDI_ERROR : reinterpret_cast<HGDIOBJ>(static_cast<std::intptr_t>(result));
        }
        default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
    }
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    auto dc = DcOrFail(hdc);
    if (!dc) return nullptr;
    switch (type) {
        case OBJ_PEN:
        case OBJ_EXTPEN: return dc->state.pen.handle;
        case OBJ_BRUSH: return dc->state.brush.handle;
        case OBJ_FONT: return dc->state.font.handle;
        case OBJ_BITMAP: return dc->state.bitmap.handle;
        default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
    }
}

int SaveDC(HDC hdc) {
    auto dc = DcOrFail(hdc);
    if (!dc) return 0;
    dc->saved.push_back(dc->state);
    return static_cast<int>(dc->saved.size());
}

BOOL RestoreDC(HDC hdc, int level) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    int depth = static_cast<int>(dc->saved.size());
    int target = level < 0 ? depth + level + 1 : level;
    if (level == 0 || target < 1 || target > depth) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    SetBitmapOwner(dc->state.bitmap, nullptr);
    dc->state = std::move(dc->saved[static_cast<std::size_t>(target - 1)]);
    dc->saved.resize(static_cast<std::size_t>(target - 1));
    SetBitmapOwner(dc->state.bitmap, dc.get());
    if (dc->IsMemory()) {
        if (auto bitmap = std::dynamic_pointer_cast<BitmapObject>(dc->state.bitmap.object))
            dc->SetSurface(bitmap->Surface());
    }
    return TRUE;
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    return Exchange(hdc, &DeviceContextAttributes::textColor, color, CLR_INVALID, [](COLORREF) { return true; });
}
COLORREF GetTextColor(HDC hdc) { return Read(hdc, &DeviceContextAttributes::textColor, CLR_INVALID); }
COLORREF SetBkColor(HDC hdc, COLORREF color) {
    return Exchange(hdc, &DeviceContextAttributes::bkColor, color, CLR_INVALID, [](COLORREF) { return true; });
}
COLORREF GetBkColor(HDC hdc) { return Read(hdc, &DeviceContextAttributes::bkColor, CLR_INVALID); }
int SetBkMode(HDC hdc, int mode) {
    return Exchange(hdc, &DeviceContextAttributes::bkMode, mode, 0, InRange(TRANSPARENT, OPAQUE));
}
int GetBkMode(HDC hdc) { return Read(hdc, &DeviceContextAttributes::bkMode, 0); }
int SetROP2(HDC hdc, int mode) {
    return Exchange(hdc, &DeviceContextAttributes::rop2, mode, 0, InRange(R2_BLACK, R2_WHITE));
}
int GetROP2(HDC hdc) { return Read(hdc, &DeviceContextAttributes::rop2, 0); }
int SetStretchBltMode(HDC hdc, int mode) {
    return Exchange(hdc, &DeviceContextAttributes::stretchMode, mode, 0, InRange(BLACKONWHITE, HALFTONE));
}
int GetStretchBltMode(HDC hdc) { return Read(hdc, &DeviceContextAttributes::stretchMode, 0); }
int SetPolyFillMode(HDC hdc, int mode) {
    return Exchange(hdc, &DeviceContextAttributes::polyFillMode, mode, 0, InRange(ALTERNATE, WINDING));
}
int GetPolyFillMode(HDC hdc) { return Read(hdc, &DeviceContextAttributes::polyFillMode, 0); }
int SetArcDirection(HDC hdc, int direction) {
    return Exchange(hdc, &DeviceContextAttributes::arcDirection, direction, 0,
                    InRange(AD_COUNTERCLOCKWISE, AD_CLOCKWISE));
}
int GetArcDirection(HDC hdc) { return Read(hdc, &DeviceContextAttributes::arcDirection, 0); }

UINT SetTextAlign(HDC hdc, UINT align) {
    return Exchange(hdc, &DeviceContextAttributes::textAlign, align, GDI_ERROR, [](UINT) { return true; });
}
UINT GetTextAlign(HDC hdc) { return Read(hdc, &DeviceContextAttributes::textAlign, GDI_ERROR); }
int SetTextCharacterExtra(HDC hdc, int extra) {
    return Exchange(hdc, &DeviceContextAttributes::textCharacterExtra, extra, static_cast<int>(0x80000000),
                    [](int) { return true; });
}
int GetTextCharacterExtra(HDC hdc) {
    return Read(hdc, &DeviceContextAttributes::textCharacterExtra, static_cast<int>(0x80000000));
}

BOOL SetBrushOrgEx(HDC hdc, int x, int y, POINT* previous) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    if (previous) *previous = dc->state.brushOrigin;
    dc->state.brushOrigin = {x, y};
    return TRUE;
}

BOOL GetBrushOrgEx(HDC hdc, POINT* origin) {
    auto dc = DcOrFail(hdc);
    if (!dc || !origin) return FALSE;
    *origin = dc->state.brushOrigin;
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC hdc, POINT* position) {
    auto dc = DcOrFail(hdc);
    if (!dc || !position) return FALSE;
    *position = dc->state.currentPosition;
    return TRUE;
}

int GetDeviceCaps(HDC hdc, int index) {
    auto dc = DcOrFail(hdc);
    if (!dc) return 0;
    LONG width = dc->Surface() ? dc->Surface()->Width() : 0;
    LONG height = dc->Surface() ? dc->Surface()->Height() : 0;
    if (dc->printerPage) {
        const auto& page = *dc->printerPage;
        width = page.printable.cx;
        height = page.printable.cy;
        switch (index) {
            case PHYSICALWIDTH: return page.physical.cx;
            case PHYSICALHEIGHT: return page.physical.cy;
            case PHYSICALOFFSETX: return page.offset.x;
            case PHYSICALOFFSETY: return page.offset.y;
            default: break;
        }
    }
    switch (index) {
        case HORZRES:
        case PHYSICALWIDTH: return width;
        case VERTRES:
        case PHYSICALHEIGHT: return height;
        case HORZSIZE: return MulDiv(width, 254, dc->dpi * 10);
        case VERTSIZE: return MulDiv(height, 254, dc->dpi * 10);
        case BITSPIXEL: return dc->Surface() ? dc->Surface()->BitCount() : 32;
        case PLANES: return 1;
        case NUMCOLORS: return -1;
        case SIZEPALETTE: return 0;
        case LOGPIXELSX:
        case LOGPIXELSY: return dc->dpi;
        case PHYSICALOFFSETX:
        case PHYSICALOFFSETY: return 0;
        case RASTERCAPS: return RC_BITBLT | RC_STRETCHBLT | RC_STRETCHDIB | RC_DI_BITMAP | RC_DIBTODEV;
        case SHADEBLENDCAPS: return SB_CONST_ALPHA | SB_PIXEL_ALPHA;
        default: return 0;
    }
}

}  // namespace platform
