#include "chart/core/ColorPalette.h"

namespace {

const TColorArray BuiltInPalette = {
    0x0000FF, 0x008000, 0x00FFFF, 0xFF0000, 0xFFFFFF, 0x808080, 0xFF00FF, 0x808000, 0x800000, 0x000080,
    0x00FF00, 0x008080, 0x800080, 0xC0C0C0, 0xFFFF00, 0x000000, 0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0};

}  // namespace

TColorArray DefaultColorPalette = BuiltInPalette;

TColor DefaultColorAt(int index) {
    if (DefaultColorPalette.empty()) return clDefault;
    return DefaultColorPalette[static_cast<std::size_t>(index) % DefaultColorPalette.size()];
}

void LoadColorPalette(const TColor* colors, int high) {
    if (high == 0 || !colors)
        DefaultColorPalette = BuiltInPalette;
    else
        DefaultColorPalette.assign(colors, colors + high + 1);
}
