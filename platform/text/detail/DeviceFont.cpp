#include "platform/text/detail/DeviceFont.h"

#include "platform/text/Fonts.h"

#include <cmath>
#include <cstring>

namespace platform {
namespace {

// Device pixels per logical unit along each axis, as the mapping has it.
constexpr LONG kScaleProbe = 1 << 16;

double AxisScale(LONG deviceProbe) {
    double scale = static_cast<double>(deviceProbe) / kScaleProbe;
    return scale > 0 ? scale : 1.0;
}

}  // namespace

int DeviceFont::ToLogicalX(double device) const { return static_cast<int>(std::lround(device / scaleX)); }
int DeviceFont::ToLogicalY(double device) const { return static_cast<int>(std::lround(device / scaleY)); }
int DeviceFont::ToDeviceX(double logical) const { return static_cast<int>(std::lround(logical * scaleX)); }

int DeviceFont::Width(std::u32string_view text) const {
    int width = 0;
    for (char32_t code : text) width += Advance(code);
    return width;
}

std::unique_ptr<DeviceFont> SelectedDeviceFont(const DeviceContext& dc) {
    auto object = std::dynamic_pointer_cast<FontObject>(dc.state.font.object);
    LOGFONTA logFont = object ? object->LogFont() : StockLogFont(SYSTEM_FONT);
    auto result = std::make_unique<DeviceFont>();
    result->scaleX = AxisScale(dc.state.mapping.WidthToDevice(kScaleProbe));
    result->scaleY = AxisScale(dc.state.mapping.HeightToDevice(kScaleProbe));

    FontSpec spec;
    spec.faceName.assign(logFont.lfFaceName, ::strnlen(logFont.lfFaceName, LF_FACESIZE));
    spec.height = logFont.lfHeight * result->scaleY;
    spec.width = std::abs(logFont.lfWidth) * result->scaleX;
    spec.weight = logFont.lfWeight;
    spec.italic = logFont.lfItalic != 0;
    spec.underline = logFont.lfUnderline != 0;
    spec.strikeOut = logFont.lfStrikeOut != 0;
    spec.escapement = logFont.lfEscapement;
    spec.antialias = logFont.lfQuality != NONANTIALIASED_QUALITY;
    result->font = RealizedFont::Get(spec);
    if (!result->font) return nullptr;
    result->extra = result->ToDeviceX(dc.state.textCharacterExtra);
    return result;
}

}  // namespace platform
