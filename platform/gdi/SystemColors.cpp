#include "platform/gdi/SystemColors.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/PensBrushes.h"

#include <array>
#include <mutex>

namespace platform {
namespace {

constexpr std::array<COLORREF, COLOR_LAST + 1> kClassic = {
    RGB(212, 208, 200),  // scroll bar
    RGB(58, 110, 165),   // desktop
    RGB(10, 36, 106),    // active caption
    RGB(128, 128, 128),  // inactive caption
    RGB(212, 208, 200),  // menu
    RGB(255, 255, 255),  // window
    RGB(0, 0, 0),        // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(255, 255, 255),  // caption text
    RGB(212, 208, 200),  // active border
    RGB(212, 208, 200),  // inactive border
    RGB(128, 128, 128),  // application workspace
    RGB(10, 36, 106),    // highlight
    RGB(255, 255, 255),  // highlight text
    RGB(212, 208, 200),  // button face
    RGB(128, 128, 128),  // button shadow
    RGB(128, 128, 128),  // grey text
    RGB(0, 0, 0),        // button text
    RGB(212, 208, 200),  // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(64, 64, 64),     // 3D dark shadow
    RGB(212, 208, 200),  // 3D light
    RGB(0, 0, 0),        // info text
    RGB(255, 255, 225),  // info background
    RGB(181, 181, 181),  // (unused index 25)
    RGB(0, 0, 128),      // hot light
    RGB(166, 202, 240),  // gradient active caption
    RGB(192, 192, 192),  // gradient inactive caption
    RGB(10, 36, 106),    // menu highlight
    RGB(212, 208, 200),  // menu bar
};

bool Known(int index) { return index >= 0 && index <= COLOR_LAST && index != 25; }

}  // namespace

DWORD GetSysColor(int index) { return Known(index) ? kClassic[static_cast<std::size_t>(index)] : 0; }

HBRUSH GetSysColorBrush(int index) {
    if (!Known(index)) return nullptr;
    static std::once_flag made;
    static std::array<HBRUSH, COLOR_LAST + 1> brushes{};
    std::call_once(made, [] {
        for (int i = 0; i <= COLOR_LAST; ++i)
            if (Known(i)) {
                HBRUSH brush = CreateSolidBrush(kClassic[static_cast<std::size_t>(i)]);
                LookupGdiObject(brush)->MakePermanent();
                brushes[static_cast<std::size_t>(i)] = brush;
            }
    });
    return brushes[static_cast<std::size_t>(index)];
}

HBRUSH ResolveSysColorBrush(HBRUSH brush) {
    auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value >= 1 && value <= COLOR_LAST + 1) return GetSysColorBrush(static_cast<int>(value) - 1);
    return brush;
}

}  // namespace platform
