#pragma once
// The font selected into a device context made real at the context's
// mapping: logical heights become device pixels, and device measurements go
// back to logical units for the measuring calls.

#include "platform/gdi/detail/DeviceContextState.h"
#include "platform/text/detail/RealizedFont.h"

#include <memory>
#include <string_view>

namespace platform {

struct DeviceFont {
    std::shared_ptr<const RealizedFont> font;
    double scaleX = 1;  // device pixels per logical unit
    double scaleY = 1;
    int extra = 0;      // SetTextCharacterExtra, device pixels

    int ToLogicalX(double device) const;
    int ToLogicalY(double device) const;
    int ToDeviceX(double logical) const;

    // Device pixels along the baseline after each character (extra included).
    int Advance(char32_t code) const { return font->Advance(code) + extra; }
    int Width(std::u32string_view text) const;
};

// Null only when no font at all can be loaded.
std::unique_ptr<DeviceFont> SelectedDeviceFont(const DeviceContext& dc);

}  // namespace platform
