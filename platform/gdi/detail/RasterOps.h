#pragma once
// The mix of a pen (ROP2) and the ternary raster operations of blits, on
// 0x00RRGGBB pixel values; results keep the alpha byte at 0 as the system's
// classic drawing does.

#include "platform/gdi/BitmapSurface.h"
#include "platform/gdi/Blits.h"

namespace platform {

// A pen colour mixed into a destination pixel by one of the sixteen R2_ modes.
inline Pixel MixRop2(int rop2, Pixel pen, Pixel dest) {
    unsigned table = static_cast<unsigned>(rop2 - 1);
    Pixel result = 0;
    if (table & 1) result |= ~pen & ~dest;
    if (table & 2) result |= ~pen & dest;
    if (table & 4) result |= pen & ~dest;
    if (table & 8) result |= pen & dest;
    return result & 0x00FFFFFF;
}

// The operation byte (bits 16-23 of a raster-operation code) applied to
// pattern, source and destination.
inline Pixel MixRop3(unsigned code, Pixel pattern, Pixel source, Pixel dest) {
    switch (code) {
        case 0xCC: return source & 0x00FFFFFF;
        case 0xF0: return pattern & 0x00FFFFFF;
        case 0x88: return (source & dest) & 0x00FFFFFF;
        case 0xEE: return (source | dest) & 0x00FFFFFF;
        case 0x66: return (source ^ dest) & 0x00FFFFFF;
        case 0x55: return ~dest & 0x00FFFFFF;
        case 0x00: return 0;
        case 0xFF: return 0x00FFFFFF;
        default: break;
    }
    Pixel result = 0;
    for (unsigned i = 0; i < 8; ++i) {
        if (!((code >> i) & 1)) continue;
        result |= ((i & 4) ? pattern : ~pattern) & ((i & 2) ? source : ~source) & ((i & 1) ? dest : ~dest);
    }
    return result & 0x00FFFFFF;
}

inline unsigned RopCode(DWORD rop) { return (rop >> 16) & 0xFF; }
inline bool RopUsesSource(unsigned code) { return ((code >> 2) & 0x33) != (code & 0x33); }
inline bool RopUsesPattern(unsigned code) { return ((code >> 4) & 0x0F) != (code & 0x0F); }

}  // namespace platform
