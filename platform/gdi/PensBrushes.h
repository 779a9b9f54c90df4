#pragma once
// Pens (cosmetic and geometric, styles, caps, joins) and brushes (solid,
// null, hatched, pattern), the objects shapes outline and fill with.

#include "platform/gdi/BitmapSurface.h"
#include "platform/gdi/GdiObjects.h"

#include <vector>

namespace platform {

constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_DASHDOT = 3;
constexpr int PS_DASHDOTDOT = 4;
constexpr int PS_NULL = 5;
constexpr int PS_INSIDEFRAME = 6;
constexpr int PS_USERSTYLE = 7;
constexpr int PS_ALTERNATE = 8;
constexpr int PS_STYLE_MASK = 0x0000000F;
constexpr int PS_ENDCAP_ROUND = 0x00000000;
constexpr int PS_ENDCAP_SQUARE = 0x00000100;
constexpr int PS_ENDCAP_FLAT = 0x00000200;
constexpr int PS_ENDCAP_MASK = 0x00000F00;
constexpr int PS_JOIN_ROUND = 0x00000000;
constexpr int PS_JOIN_BEVEL = 0x00001000;
constexpr int PS_JOIN_MITER = 0x00002000;
constexpr int PS_JOIN_MASK = 0x0000F000;
constexpr int PS_COSMETIC = 0x00000000;
constexpr int PS_GEOMETRIC = 0x00010000;
constexpr int PS_TYPE_MASK = 0x000F0000;

constexpr UINT BS_SOLID = 0;
constexpr UINT BS_NULL = 1;
constexpr UINT BS_HOLLOW = BS_NULL;
constexpr UINT BS_HATCHED = 2;
constexpr UINT BS_PATTERN = 3;
constexpr UINT BS_DIBPATTERNPT = 6;

constexpr int HS_HORIZONTAL = 0;
constexpr int HS_VERTICAL = 1;
constexpr int HS_FDIAGONAL = 2;
constexpr int HS_BDIAGONAL = 3;
constexpr int HS_CROSS = 4;
constexpr int HS_DIAGCROSS = 5;

struct LOGPEN {
    UINT lopnStyle = PS_SOLID;
    POINT lopnWidth;
    COLORREF lopnColor = 0;
};

struct LOGBRUSH {
    UINT lbStyle = BS_SOLID;
    COLORREF lbColor = 0;
    std::uintptr_t lbHatch = 0;
};

struct EXTLOGPEN {
    DWORD elpPenStyle = 0;
    DWORD elpWidth = 0;
    UINT elpBrushStyle = 0;
    COLORREF elpColor = 0;
    std::uintptr_t elpHatch = 0;
    DWORD elpNumEntries = 0;
    DWORD elpStyleEntry[1] = {0};
};

class PenObject : public GdiObject {
public:
    PenObject(DWORD style, LONG width, COLORREF color, bool extended, std::vector<DWORD> userStyle = {})
        : style_(style), width_(width), color_(color), extended_(extended), userStyle_(std::move(userStyle)) {}
    DWORD ObjectType() const override { return extended_ ? OBJ_EXTPEN : OBJ_PEN; }
    SelectionSlot Slot() const override { return SelectionSlot::Pen; }
    int Describe(int size, void* buffer) const override;

    int Style() const { return static_cast<int>(style_ & PS_STYLE_MASK); }
    DWORD FullStyle() const { return style_; }
    bool Geometric() const { return (style_ & PS_TYPE_MASK) == PS_GEOMETRIC; }
    int EndCap() const { return static_cast<int>(style_ & PS_ENDCAP_MASK); }
    int Join() const { return static_cast<int>(style_ & PS_JOIN_MASK); }
    LONG Width() const { return width_; }  // logical units; 0 = one pixel
    COLORREF Color() const { return color_; }
    const std::vector<DWORD>& UserStyle() const { return userStyle_; }

private:
    DWORD style_;
    LONG width_;
    COLORREF color_;
    bool extended_;
    std::vector<DWORD> userStyle_;
};

class BrushObject : public GdiObject {
public:
    BrushObject(UINT style, COLORREF color, int hatch) : style_(style), color_(color), hatch_(hatch) {}
    // A pattern brush keeps its own copy of the pattern's pixels.
    explicit BrushObject(std::shared_ptr<BitmapSurface> pattern)
        : style_(BS_PATTERN), pattern_(std::move(pattern)) {}
    DWORD ObjectType() const override { return OBJ_BRUSH; }
    SelectionSlot Slot() const override { return SelectionSlot::Brush; }
    int Describe(int size, void* buffer) const override;

    UINT Style() const { return style_; }
    COLORREF Color() const { return color_; }
    int Hatch() const { return hatch_; }
    const std::shared_ptr<BitmapSurface>& Pattern() const { return pattern_; }
private:
    UINT style_;
    COLORREF color_ = 0;
    int hatch_ = 0;
    std::shared_ptr<BitmapSurface> pattern_;
};

HPEN CreatePen(int style, int width, COLORREF color);
HPEN CreatePenIndirect(const LOGPEN* pen);
HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH* brush, DWORD styleCount, const DWORD* styles);
HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH CreateHatchBrush(int hatch, COLORREF color);
HBRUSH CreatePatternBrush(HBITMAP bitmap);
HBRUSH CreateBrushIndirect(const LOGBRUSH* brush);

COLORREF SetDCBrushColor(HDC hdc, COLORREF color);
COLORREF GetDCBrushColor(HDC hdc);
COLORREF SetDCPenColor(HDC hdc, COLORREF color);
COLORREF GetDCPenColor(HDC hdc);

}  // namespace platform
