#include "platform/text/Fonts.h"

#include "platform/system/LastError.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

LOGFONTA MakeLogFont(LONG height, LONG weight, BYTE pitchAndFamily, const char* face) {
    LOGFONTA font;
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfPitchAndFamily = pitchAndFamily;
    std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return font;
}

// Made when the font code is linked in, before any device context asks for
// its default font.
const bool kStockFontsRegistered = [] {
    for (int index : {OEM_FIXED_FONT, ANSI_FIXED_FONT, ANSI_VAR_FONT, SYSTEM_FONT, DEVICE_DEFAULT_FONT,
                      SYSTEM_FIXED_FONT, DEFAULT_GUI_FONT}) {
        RegisterStockObjectFactory(index, [index] { return std::make_shared<FontObject>(StockLogFont(index)); });
    }
    return true;
}();

}  // namespace

int FontObject::Describe(int size, void* buffer) const {
    if (!buffer) return sizeof(LOGFONTA);
    int written = std::min<int>(size, sizeof(LOGFONTA));
    std::memcpy(buffer, &logFont_, static_cast<std::size_t>(written));
    return written;
}

LOGFONTA StockLogFont(int index) {
    switch (index) {
        case OEM_FIXED_FONT:
            return MakeLogFont(12, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Courier New");
        case ANSI_FIXED_FONT:
            return MakeLogFont(13, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Courier New");
        case ANSI_VAR_FONT:
            return MakeLogFont(13, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif");
        case SYSTEM_FIXED_FONT:
            return MakeLogFont(15, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Fixedsys");
        case DEFAULT_GUI_FONT:
            return MakeLogFont(-11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Shell Dlg");
        default:  // SYSTEM_FONT, DEVICE_DEFAULT_FONT
            return MakeLogFont(16, FW_BOLD, VARIABLE_PITCH | FF_SWISS, "System");
    }
}

HFONT CreateFontIndirectA(const LOGFONTA* logFont) {
    if (!logFont) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    LOGFONTA copy = *logFont;
    copy.lfFaceName[LF_FACESIZE - 1] = '\0';  // an unterminated name is cut, never overrun
    return static_cast<HFONT>(RegisterGdiObject(std::make_shared<FontObject>(copy)));
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                  DWORD quality, DWORD pitchAndFamily, const char* faceName) {
    LOGFONTA font;
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfEscapement = escapement;
    font.lfOrientation = orientation;
    font.lfWeight = weight;
    font.lfItalic = static_cast<BYTE>(italic != 0);
    font.lfUnderline = static_cast<BYTE>(underline != 0);
    font.lfStrikeOut = static_cast<BYTE>(strikeOut != 0);
    font.lfCharSet = static_cast<BYTE>(charSet);
    font.lfOutPrecision = static_cast<BYTE>(outPrecision);
    font.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    font.lfQuality = static_cast<BYTE>(quality);
    font.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    if (faceName) std::strncpy(font.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirectA(&font);
}

}  // namespace platform
