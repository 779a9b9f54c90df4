#pragma once
// Measuring text in the font selected into a device context, in logical
// units: extents, character widths and the font's metrics. Text is UTF-8;
// counts are in bytes, and per-character answers come one per character.

#include "platform/gdi/GdiTypes.h"

namespace platform {

struct TEXTMETRICA {
    LONG tmHeight = 0;
    LONG tmAscent = 0;
    LONG tmDescent = 0;
    LONG tmInternalLeading = 0;
    LONG tmExternalLeading = 0;
    LONG tmAveCharWidth = 0;
    LONG tmMaxCharWidth = 0;
    LONG tmWeight = 0;
    LONG tmOverhang = 0;
    LONG tmDigitizedAspectX = 0;
    LONG tmDigitizedAspectY = 0;
    BYTE tmFirstChar = 0;
    BYTE tmLastChar = 0;
    BYTE tmDefaultChar = 0;
    BYTE tmBreakChar = 0;
    BYTE tmItalic = 0;
    BYTE tmUnderlined = 0;
    BYTE tmStruckOut = 0;
    BYTE tmPitchAndFamily = 0;
    BYTE tmCharSet = 0;
};
using TEXTMETRIC = TEXTMETRICA;

// tmPitchAndFamily bits; TMPF_FIXED_PITCH set means a variable pitch.
constexpr BYTE TMPF_FIXED_PITCH = 0x01;
constexpr BYTE TMPF_VECTOR = 0x02;
constexpr BYTE TMPF_TRUETYPE = 0x04;
constexpr BYTE TMPF_DEVICE = 0x08;

struct PANOSE {
    BYTE bytes[10] = {};
};

// Name fields hold byte offsets from the start of the structure to
// zero-terminated UTF-8 names stored after it.
struct OUTLINETEXTMETRICA {
    UINT otmSize = 0;
    TEXTMETRICA otmTextMetrics;
    BYTE otmFiller = 0;
    PANOSE otmPanoseNumber;
    UINT otmfsSelection = 0;
    UINT otmfsType = 0;
    int otmsCharSlopeRise = 0;
    int otmsCharSlopeRun = 0;
    int otmItalicAngle = 0;
    UINT otmEMSquare = 0;
    int otmAscent = 0;
    int otmDescent = 0;
    UINT otmLineGap = 0;
    UINT otmsCapEmHeight = 0;
    UINT otmsXHeight = 0;
    RECT otmrcFontBox;
    int otmMacAscent = 0;
    int otmMacDescent = 0;
    UINT otmMacLineGap = 0;
    UINT otmusMinimumPPEM = 0;
    POINT otmptSubscriptSize;
    POINT otmptSubscriptOffset;
    POINT otmptSuperscriptSize;
    POINT otmptSuperscriptOffset;
    UINT otmsStrikeoutSize = 0;
    int otmsStrikeoutPosition = 0;
    int otmsUnderscoreSize = 0;
    int otmsUnderscorePosition = 0;
    std::uintptr_t otmpFamilyName = 0;
    std::uintptr_t otmpFaceName = 0;
    std::uintptr_t otmpStyleName = 0;
    std::uintptr_t otmpFullName = 0;
};

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics);

// With a null buffer: the size needed. Otherwise the bytes written (at most
// size), or 0 when size cannot hold the structure.
UINT GetOutlineTextMetricsA(HDC hdc, UINT size, OUTLINETEXTMETRICA* metrics);

// Width of the text (character extra included) and the cell height.
BOOL GetTextExtentPoint32A(HDC hdc, const char* text, int count, SIZE* size);

// As GetTextExtentPoint32A, and: dx[i] is the extent of the first i + 1
// characters; fit (when given) counts the characters whose extent stays
// within maxExtent. count ints always hold dx for count bytes of text.
BOOL GetTextExtentExPointA(HDC hdc, const char* text, int count, int maxExtent, int* fit, int* dx, SIZE* size);

// Advance widths of the characters first..last (code points).
BOOL GetCharWidth32A(HDC hdc, UINT first, UINT last, INT* widths);
BOOL GetCharWidthA(HDC hdc, UINT first, UINT last, INT* widths);

// The face name of the selected font; with a null buffer, the size needed.
int GetTextFaceA(HDC hdc, int count, char* faceName);

}  // namespace platform
