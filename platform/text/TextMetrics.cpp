#include "platform/text/TextMetrics.h"

#include "platform/system/LastError.h"
#include "platform/text/Fonts.h"
#include "platform/text/Utf8Text.h"
#include "platform/text/detail/DeviceFont.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace platform {
namespace {

constexpr UINT kMaxCharWidthRange = 0x110000;

// The context's font, or null with the last error set.
std::unique_ptr<DeviceFont> FontOf(HDC hdc, std::shared_ptr<DeviceContext>* context = nullptr) {
    auto dc = DcOrFail(hdc);
    if (!dc) return nullptr;
    auto font = SelectedDeviceFont(*dc);
    if (!font) SetLastError(ERROR_GEN_FAILURE);
    if (context) *context = dc;
    return font;
}

BYTE PitchAndFamily(const RealizedFont& font) {
    const FontMetrics& m = font.Metrics();
    BYTE bits = TMPF_VECTOR | (font.FilePath().empty() ? 0 : TMPF_TRUETYPE);
    if (!m.fixedPitch) bits |= TMPF_FIXED_PITCH;
    BYTE family = font.FilePath().empty() ? FF_DECORATIVE : m.fixedPitch ? FF_MODERN : m.serif ? FF_ROMAN : FF_SWISS;
    return bits | family;
}

TEXTMETRICA MakeTextMetrics(const DeviceFont& device, const DeviceContext& dc) {
    const RealizedFont& font = *device.font;
    const FontMetrics& m = font.Metrics();
    auto object = std::dynamic_pointer_cast<FontObject>(dc.state.font.object);
    BYTE charSet = object ? object->LogFont().lfCharSet : DEFAULT_CHARSET;
    TEXTMETRICA tm;
    tm.tmHeight = device.ToLogicalY(m.height);
    tm.tmAscent = device.ToLogicalY(m.ascent);
    tm.tmDescent = tm.tmHeight - tm.tmAscent;
    tm.tmInternalLeading = device.ToLogicalY(m.internalLeading);
    tm.tmExternalLeading = device.ToLogicalY(m.externalLeading);
    tm.tmAveCharWidth = device.ToLogicalX(m.aveCharWidth);
    tm.tmMaxCharWidth = device.ToLogicalX(m.maxCharWidth);
    tm.tmWeight = m.weight;
    tm.tmDigitizedAspectX = dc.dpi;
    tm.tmDigitizedAspectY = dc.dpi;
    tm.tmFirstChar = 0x1E;
    tm.tmLastChar = 0xFF;
    tm.tmDefaultChar = 0x1F;
    tm.tmBreakChar = 0x20;
    tm.tmItalic = font.Spec().italic ? 0xFF : 0;
    tm.tmUnderlined = font.Spec().underline ? 0xFF : 0;
    tm.tmStruckOut = font.Spec().strikeOut ? 0xFF : 0;
    tm.tmPitchAndFamily = PitchAndFamily(font);
    // Text is Unicode here; the default set is reported as the system's own
    // (the Cyrillic ANSI code page).
    tm.tmCharSet = font.FilePath().empty() ? SYMBOL_CHARSET : charSet == DEFAULT_CHARSET ? RUSSIAN_CHARSET : charSet;
    return tm;
}

std::string StyleName(const RealizedFont& font) {
    bool bold = font.Metrics().weight >= FW_SEMIBOLD;
    bool italic = font.Spec().italic;
    return bold && italic ? "Bold Italic" : bold ? "Bold" : italic ? "Italic" : "Regular";
}

}  // namespace

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics) {
    std::shared_ptr<DeviceContext> dc;
    auto font = FontOf(hdc, &dc);
    if (!font) return FALSE;
    if (!metrics) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *metrics = MakeTextMetrics(*font, *dc);
    return TRUE;
}

UINT GetOutlineTextMetricsA(HDC hdc, UINT size, OUTLINETEXTMETRICA* metrics) {
    std::shared_ptr<DeviceContext> dc;
    auto font = FontOf(hdc, &dc);
    if (!font) return 0;
    const RealizedFont& realized = *font->font;
    const FontMetrics& m = realized.Metrics();
    std::string family = realized.FamilyName();
    std::string face = realized.Spec().faceName;
    std::string style = StyleName(realized);
    std::string full = family + " " + style;
    UINT needed = static_cast<UINT>(sizeof(OUTLINETEXTMETRICA) + family.size() + face.size() + style.size() +
                                    full.size() + 4);
    if (!metrics) return needed;
    if (size < sizeof(OUTLINETEXTMETRICA)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }

    OUTLINETEXTMETRICA otm;
    otm.otmSize = needed;
    otm.otmTextMetrics = MakeTextMetrics(*font, *dc);
    otm.otmfsSelection = (realized.Spec().italic ? 1u : 0u) | (m.weight >= FW_SEMIBOLD ? 0x20u : 0u);
    otm.otmsCharSlopeRise = 1;
    otm.otmItalicAngle = realized.Spec().italic ? -120 : 0;
    otm.otmEMSquare = static_cast<UINT>(m.unitsPerEm);
    otm.otmAscent = font->ToLogicalY(m.ascent);
    otm.otmDescent = -font->ToLogicalY(m.descent);
    otm.otmLineGap = static_cast<UINT>(font->ToLogicalY(m.externalLeading));
    otm.otmMacAscent = otm.otmAscent;
    otm.otmMacDescent = otm.otmDescent;
    otm.otmMacLineGap = otm.otmLineGap;
    otm.otmrcFontBox = RECT{0, otm.otmAscent, font->ToLogicalX(m.maxCharWidth), otm.otmDescent};
    otm.otmusMinimumPPEM = 1;
    otm.otmsStrikeoutSize = static_cast<UINT>(font->ToLogicalY(m.strikeoutThickness));
    otm.otmsStrikeoutPosition = font->ToLogicalY(m.strikeoutPosition);
    otm.otmsUnderscoreSize = font->ToLogicalY(m.underlineThickness);
    otm.otmsUnderscorePosition = -font->ToLogicalY(m.underlinePosition);

    // The structure, then the four names, as far as the buffer holds them.
    std::string block(reinterpret_cast<const char*>(&otm), sizeof(otm));
    auto addName = [&block](const std::string& name) {
        std::uintptr_t offset = block.size();
        block += name;
        block += '\0';
        return offset;
    };
    std::uintptr_t offsets[] = {addName(family), addName(face), addName(style), addName(full)};
    auto* stored = reinterpret_cast<OUTLINETEXTMETRICA*>(block.data());
    std::memcpy(&stored->otmpFamilyName, &offsets[0], sizeof(std::uintptr_t));
    std::memcpy(&stored->otmpFaceName, &offsets[1], sizeof(std::uintptr_t));
    std::memcpy(&stored->otmpStyleName, &offsets[2], sizeof(std::uintptr_t));
    std::memcpy(&stored->otmpFullName, &offsets[3], sizeof(std::uintptr_t));
    UINT written = std::min<UINT>(size, static_cast<UINT>(block.size()));
    std::memcpy(metrics, block.data(), written);
    return written;
}

BOOL GetTextExtentExPointA(HDC hdc, const char* text, int count, int maxExtent, int* fit, int* dx, SIZE* size) {
    auto font = FontOf(hdc);
    if (!font) return FALSE;
    if ((!text && count > 0) || count < 0 || !size) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::u32string characters = DecodeUtf8(Utf8Argument(text, count));
    int device = 0;
    int fitting = 0;
    for (std::size_t i = 0; i < characters.size(); ++i) {
        device += font->Advance(characters[i]);
        int logical = font->ToLogicalX(device);
        if (dx) dx[i] = logical;
        if (logical <= maxExtent && fitting == static_cast<int>(i)) ++fitting;
    }
    if (fit) *fit = fitting;
    size->cx = font->ToLogicalX(device);
    size->cy = font->ToLogicalY(font->font->Metrics().height);
    return TRUE;
}

BOOL GetTextExtentPoint32A(HDC hdc, const char* text, int count, SIZE* size) {
    return GetTextExtentExPointA(hdc, text, count, 0, nullptr, nullptr, size);
}

BOOL GetCharWidth32A(HDC hdc, UINT first, UINT last, INT* widths) {
    auto font = FontOf(hdc);
    if (!font) return FALSE;
    if (!widths || first > last || last - first >= kMaxCharWidthRange) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    for (UINT code = first;; ++code) {
        widths[code - first] = font->ToLogicalX(font->font->Advance(static_cast<char32_t>(code)));
        if (code == last) break;
    }
    return TRUE;
}

BOOL GetCharWidthA(HDC hdc, UINT first, UINT last, INT* widths) { return GetCharWidth32A(hdc, first, last, widths); }

int GetTextFaceA(HDC hdc, int count, char* faceName) {
    std::shared_ptr<DeviceContext> dc;
    auto font = FontOf(hdc, &dc);
    if (!font) return 0;
    auto object = std::dynamic_pointer_cast<FontObject>(dc->state.font.object);
    LOGFONTA logFont = object ? object->LogFont() : StockLogFont(SYSTEM_FONT);
    std::string name(logFont.lfFaceName, ::strnlen(logFont.lfFaceName, LF_FACESIZE));
    if (!faceName) return static_cast<int>(name.size()) + 1;
    if (count <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::size_t copied = std::min(name.size(), static_cast<std::size_t>(count - 1));
    std::memcpy(faceName, name.data(), copied);
    faceName[copied] = '\0';
    return static_cast<int>(copied) + 1;
}

}  // namespace platform
