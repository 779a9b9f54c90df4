#pragma once
// Drawing objects of the report views' own in a canvas's context, and the
// rounding and hatch codes their drawing shares.

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/LinesShapes.h"
#include "platform/gdi/PensBrushes.h"
#include "ui/core/Rounding.h"
#include "ui/graphics/GraphicsObjects.h"

namespace report_detail {

// An object selected for one scope (freed after it when `owned`); what was
// selected before comes back after it.
class Selection {
public:
    Selection(platform::HDC dc, platform::HGDIOBJ object, bool owned)
        : dc_(dc), object_(object), owned_(owned), old_(object ? platform::SelectObject(dc, object) : nullptr) {}
    ~Selection() {
        if (!object_) return;
        platform::SelectObject(dc_, old_);
        if (owned_) platform::DeleteObject(object_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    explicit operator bool() const { return object_ != nullptr; }

private:
    platform::HDC dc_;
    platform::HGDIOBJ object_;
    bool owned_;
    platform::HGDIOBJ old_;
};

// To the nearest integer, halves to the even neighbour.
inline int Rnd(double value) { return static_cast<int>(Round(value)); }

inline bool IsHatch(TBrushStyle style) { return style != TBrushStyle::bsSolid && style != TBrushStyle::bsClear; }

inline int HatchOf(TBrushStyle style) {
    switch (style) {
        case TBrushStyle::bsHorizontal: return platform::HS_HORIZONTAL;
        case TBrushStyle::bsVertical: return platform::HS_VERTICAL;
        case TBrushStyle::bsFDiagonal: return platform::HS_FDIAGONAL;
        case TBrushStyle::bsBDiagonal: return platform::HS_BDIAGONAL;
        case TBrushStyle::bsCross: return platform::HS_CROSS;
        default: return platform::HS_DIAGCROSS;
    }
}

inline void DeviceLine(platform::HDC dc, int x, int y, int x1, int y1) {
    platform::MoveToEx(dc, x, y, nullptr);
    platform::LineTo(dc, x1, y1);
}

}  // namespace report_detail
