#pragma once
// Logical fonts: LOGFONT descriptions behind HFONT handles, made with
// CreateFontIndirectA and selected into device contexts. Face names are
// UTF-8; the stock fonts stand for the system's own.

#include "platform/gdi/GdiObjects.h"

namespace platform {

constexpr int LF_FACESIZE = 32;

struct LOGFONTA {
    LONG lfHeight = 0;       // logical units; negative: character height, positive: cell height
    LONG lfWidth = 0;        // average character width; 0: the face's own
    LONG lfEscapement = 0;   // tenths of a degree, counter-clockwise
    LONG lfOrientation = 0;  // follows the escapement, as in the compatible graphics mode
    LONG lfWeight = 0;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;  // accepted and ignored: text is Unicode
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    char lfFaceName[LF_FACESIZE] = {};
};
using LOGFONT = LOGFONTA;
// The system's layout: five of these make the 340-byte non-client metrics record.
static_assert(sizeof(LOGFONTA) == 60);

constexpr LONG FW_DONTCARE = 0;
constexpr LONG FW_THIN = 100;
constexpr LONG FW_EXTRALIGHT = 200;
constexpr LONG FW_LIGHT = 300;
constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_REGULAR = 400;
constexpr LONG FW_MEDIUM = 500;
constexpr LONG FW_SEMIBOLD = 600;
constexpr LONG FW_BOLD = 700;
constexpr LONG FW_EXTRABOLD = 800;
constexpr LONG FW_HEAVY = 900;

constexpr BYTE ANSI_CHARSET = 0;
constexpr BYTE DEFAULT_CHARSET = 1;
constexpr BYTE SYMBOL_CHARSET = 2;
constexpr BYTE MAC_CHARSET = 77;
constexpr BYTE RUSSIAN_CHARSET = 204;
constexpr BYTE EASTEUROPE_CHARSET = 238;
constexpr BYTE OEM_CHARSET = 255;

constexpr BYTE OUT_DEFAULT_PRECIS = 0;
constexpr BYTE OUT_STRING_PRECIS = 1;
constexpr BYTE OUT_CHARACTER_PRECIS = 2;
constexpr BYTE OUT_STROKE_PRECIS = 3;
constexpr BYTE OUT_TT_PRECIS = 4;
constexpr BYTE OUT_DEVICE_PRECIS = 5;
constexpr BYTE OUT_RASTER_PRECIS = 6;
constexpr BYTE OUT_TT_ONLY_PRECIS = 7;
constexpr BYTE OUT_OUTLINE_PRECIS = 8;

constexpr BYTE CLIP_DEFAULT_PRECIS = 0;
constexpr BYTE CLIP_CHARACTER_PRECIS = 1;
constexpr BYTE CLIP_STROKE_PRECIS = 2;

constexpr BYTE DEFAULT_QUALITY = 0;
constexpr BYTE DRAFT_QUALITY = 1;
constexpr BYTE PROOF_QUALITY = 2;
constexpr BYTE NONANTIALIASED_QUALITY = 3;
constexpr BYTE ANTIALIASED_QUALITY = 4;
constexpr BYTE CLEARTYPE_QUALITY = 5;

constexpr BYTE DEFAULT_PITCH = 0;
constexpr BYTE FIXED_PITCH = 1;
constexpr BYTE VARIABLE_PITCH = 2;
constexpr BYTE FF_DONTCARE = 0x00;
constexpr BYTE FF_ROMAN = 0x10;
constexpr BYTE FF_SWISS = 0x20;
constexpr BYTE FF_MODERN = 0x30;
constexpr BYTE FF_SCRIPT = 0x40;
constexpr BYTE FF_DECORATIVE = 0x50;

class FontObject : public GdiObject {
public:
    explicit FontObject(const LOGFONTA& logFont) : logFont_(logFont) {}
    DWORD ObjectType() const override { return OBJ_FONT; }
    SelectionSlot Slot() const override { return SelectionSlot::Font; }
    // GetObject answers the LOGFONTA (cut to the buffer's size).
    int Describe(int size, void* buffer) const override;
    const LOGFONTA& LogFont() const { return logFont_; }

private:
    LOGFONTA logFont_;
};

// Null (ERROR_INVALID_PARAMETER) for a missing description. Every height,
// face and style is accepted: the nearest installed font draws it.
HFONT CreateFontIndirectA(const LOGFONTA* logFont);
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                  DWORD quality, DWORD pitchAndFamily, const char* faceName);

// The LOGFONT of a stock font (SYSTEM_FONT, DEFAULT_GUI_FONT...); the
// stock objects themselves are made on first use.
LOGFONTA StockLogFont(int index);

}  // namespace platform
