#include "platform/gdi/PensBrushes.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/detail/DeviceContextState.h"
#include "platform/system/LastError.h"

#include <cstring>

namespace platform {
namespace {

template <class T>
int CopyOut(const T& value, int size, void* buffer) {
    if (!buffer) return static_cast<int>(sizeof(T));
    int bytes = size < static_cast<int>(sizeof(T)) ? size : static_cast<int>(sizeof(T));
    std::memcpy(buffer, &value, static_cast<std::size_t>(bytes));
    return bytes;
}

bool ValidPenStyle(int style) { return style >= PS_SOLID && style <= PS_INSIDEFRAME; }

}  // namespace

int PenObject::Describe(int size, void* buffer) const {
    if (!extended_) return CopyOut(LOGPEN{style_, {width_, 0}, color_}, size, buffer);
    EXTLOGPEN pen;
    pen.elpPenStyle = style_;
    pen.elpWidth = static_cast<DWORD>(width_);
    pen.elpBrushStyle = BS_SOLID;
    pen.elpColor = color_;
    pen.elpNumEntries = static_cast<DWORD>(userStyle_.size());
    return CopyOut(pen, size, buffer);
}

int BrushObject::Describe(int size, void* buffer) const {
    return CopyOut(LOGBRUSH{style_, color_, static_cast<std::uintptr_t>(hatch_)}, size, buffer);
}

std::shared_ptr<GdiObject> MakeBuiltInStockObject(int index) {
    switch (index) {
        case WHITE_BRUSH: return std::make_shared<BrushObject>(BS_SOLID, RGB(255, 255, 255), 0);
        case LTGRAY_BRUSH: return std::make_shared<BrushObject>(BS_SOLID, RGB(192, 192, 192), 0);
        case GRAY_BRUSH: return std::make_shared<BrushObject>(BS_SOLID, RGB(128, 128, 128), 0);
        case DKGRAY_BRUSH: return std::make_shared<BrushObject>(BS_SOLID, RGB(64, 64, 64), 0);
        case BLACK_BRUSH: return std::make_shared<BrushObject>(BS_SOLID, RGB(0, 0, 0), 0);
        case NULL_BRUSH: return std::make_shared<BrushObject>(BS_NULL, 0, 0);
        case WHITE_PEN: return std::make_shared<PenObject>(PS_SOLID, 0, RGB(255, 255, 255), false);
        case BLACK_PEN: return std::make_shared<PenObject>(PS_SOLID, 0, RGB(0, 0, 0), false);
        case NULL_PEN: return std::make_shared<PenObject>(PS_NULL, 0, 0, false);
        // DC_BRUSH and DC_PEN take the DC's SetDCBrushColor/SetDCPenColor.
        case DC_BRUSH: return std::make_shared<BrushObject>(BS_SOLID, RGB(255, 255, 255), 0);
        case DC_PEN: return std::make_shared<PenObject>(PS_SOLID, 0, RGB(0, 0, 0), false);
        case DEFAULT_BITMAP_STOCK:
            return std::make_shared<BitmapObject>(BitmapSurface::Create(1, 1, 1, true), false);
        default: return nullptr;
    }
}

HPEN CreatePen(int style, int width, COLORREF color) {
    if (!ValidPenStyle(style)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    // Wide cosmetic pens draw solid, whatever style was asked.
    if (width > 1 && style >= PS_DASH && style <= PS_DASHDOTDOT) style = PS_SOLID;
    return static_cast<HPEN>(RegisterGdiObject(std::make_shared<PenObject>(style, width < 0 ? 0 : width, color, false)));
}

HPEN CreatePenIndirect(const LOGPEN* pen) {
    if (!pen) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return CreatePen(static_cast<int>(pen->lopnStyle), pen->lopnWidth.x, pen->lopnColor);
}

HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH* brush, DWORD styleCount, const DWORD* styles) {
    int kind = static_cast<int>(style & PS_STYLE_MASK);
    bool geometric = (style & PS_TYPE_MASK) == PS_GEOMETRIC;
    bool valid = brush && (kind <= PS_INSIDEFRAME || kind == PS_USERSTYLE || (kind == PS_ALTERNATE && !geometric)) &&
                 (geometric || width == 1) && width <= 0x7FFFFFFF;
    if (kind == PS_USERSTYLE) valid = valid && styleCount > 0 && styleCount <= 16 && styles;
    else valid = valid && styleCount == 0;
    if (valid && brush->lbStyle != BS_SOLID && brush->lbStyle != BS_NULL && brush->lbStyle != BS_HATCHED) valid = false;
    if (!valid) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (brush->lbStyle == BS_NULL) style = (style & ~static_cast<DWORD>(PS_STYLE_MASK)) | PS_NULL;
    std::vector<DWORD> user(styles, styles + (kind == PS_USERSTYLE ? styleCount : 0));
    return static_cast<HPEN>(RegisterGdiObject(
        std::make_shared<PenObject>(style, static_cast<LONG>(width), brush->lbColor, true, std::move(user))));
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return static_cast<HBRUSH>(RegisterGdiObject(std::make_shared<BrushObject>(BS_SOLID, color & 0x00FFFFFF, 0)));
}

HBRUSH CreateHatchBrush(int hatch, COLORREF color) {
    if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return static_cast<HBRUSH>(RegisterGdiObject(std::make_shared<BrushObject>(BS_HATCHED, color & 0x00FFFFFF, hatch)));
}

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
    auto object = LookupGdiObjectAs<BitmapObject>(bitmap);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    const BitmapSurface& source = *object->Surface();
    auto copy = BitmapSurface::Create(source.Width(), source.Height(), source.BitCount(), true, source.Colors());
    if (!copy) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    for (LONG y = 0; y < source.Height(); ++y)
        std::memcpy(copy->Row(y), source.Row(y), static_cast<std::size_t>(source.Stride()));
    return static_cast<HBRUSH>(RegisterGdiObject(std::make_shared<BrushObject>(std::move(copy))));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* brush) {
    if (!brush) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    switch (brush->lbStyle) {
        case BS_SOLID: return CreateSolidBrush(brush->lbColor);
        case BS_NULL: return static_cast<HBRUSH>(RegisterGdiObject(std::make_shared<BrushObject>(BS_NULL, 0, 0)));
        case BS_HATCHED: return CreateHatchBrush(static_cast<int>(brush->lbHatch), brush->lbColor);
        case BS_PATTERN: return CreatePatternBrush(reinterpret_cast<HBITMAP>(brush->lbHatch));
        default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
    }
}

COLORREF SetDCBrushColor(HDC hdc, COLORREF color) {
    auto dc = LookupDC(hdc);
    if (!dc) return CLR_INVALID;
    COLORREF previous = dc->state.dcBrushColor;
    dc->state.dcBrushColor = color & 0x00FFFFFF;
    return previous;
}

COLORREF GetDCBrushColor(HDC hdc) {
    auto dc = LookupDC(hdc);
    return dc ? dc->state.dcBrushColor : CLR_INVALID;
}

COLORREF SetDCPenColor(HDC hdc, COLORREF color) {
    auto dc = LookupDC(hdc);
    if (!dc) return CLR_INVALID;
    COLORREF previous = dc->state.dcPenColor;
    dc->state.dcPenColor = color & 0x00FFFFFF;
    return previous;
}

COLORREF GetDCPenColor(HDC hdc) {
    auto dc = LookupDC(hdc);
    return dc ? dc->state.dcPenColor : CLR_INVALID;
}

}  // namespace platform
