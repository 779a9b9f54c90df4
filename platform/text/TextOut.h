#pragma once
// Writing a line of text at a point: TextOutA and ExtTextOutA. The point
// means what SetTextAlign says (left, right or centre; top, bottom or
// baseline; or the current position), along the font's escapement.
// Text is UTF-8; counts are in bytes, and ExtTextOutA's advances are one
// per character.

#include "platform/gdi/GdiTypes.h"

namespace platform {

constexpr UINT ETO_OPAQUE = 0x0002;
constexpr UINT ETO_CLIPPED = 0x0004;
constexpr UINT ETO_GLYPH_INDEX = 0x0010;
constexpr UINT ETO_RTLREADING = 0x0080;  // left-to-right text reads the same
constexpr UINT ETO_NUMERICSLOCAL = 0x0400;
constexpr UINT ETO_NUMERICSLATIN = 0x0800;
constexpr UINT ETO_IGNORELANGUAGE = 0x1000;
constexpr UINT ETO_PDY = 0x2000;  // dx holds x and y advances in pairs

BOOL TextOutA(HDC hdc, int x, int y, const char* text, int count);

// ETO_OPAQUE fills rect with the background colour (text may be empty: a
// plain fill), ETO_CLIPPED keeps the text inside rect.
BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* rect, const char* text, UINT count,
                 const INT* dx);

}  // namespace platform
