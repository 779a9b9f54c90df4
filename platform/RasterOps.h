#pragma once
// The mix of a pen (ROP2) and the ternary raster operations of blits, on
// 0x00RRGGBB pixel values; results keep the alpha byte at 0 as the system's
// classic drawing does.

#include "platform/BitmapSurface.h"

namespace platform {

constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;
constexpr DWORD SRCAND = 0x008800C6;
constexpr DWORD SRCINVERT = 0x00660046;
constexpr DWORD SRCERASE = 0x00440328;
constexpr DWORD NOTSRCCOPY = 0x00330008;
constexpr DWORD NOTSRCERASE = 0x001100A6;
constexpr DWORD MERGECOPY = 0x00C000CA;
constexpr DWORD MERGEPAINT = 0x00BB0226;
constexpr DWORD PATCOPY = 0x00F00021;
constexpr DWORD PATPAINT = 0x00FB0A09;
constexpr DWORD PATINVERT = 0x005A0049;
constexpr DWORD DSTINVERT = 0x00550009;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;
constexpr DWORD NOMIRRORBITMAP = 0x80000000;
constexpr DWORD CAPTUREBLT = 0x40000000;

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
