#include "png/image/PngRowLayout.h"

#include "png/chunks/PngHeaderChunk.h"

std::size_t PngRowLength(int colorType, int bitDepth, std::size_t width) {
    std::size_t d = std::size_t(bitDepth);
    switch (colorType) {
        case ctGrey:
        case ctPalette: return (width * d + 7) / 8;
        case ctRgb: return width * d * 3 / 8;
        case ctGreyAlpha: return width * d * 2 / 8;
        case ctRgbAlpha: return width * d * 4 / 8;
        default: return 0;
    }
}

std::size_t PngPixelStride(int colorType, int bitDepth) {
    std::size_t d = std::size_t(bitDepth);
    switch (colorType) {
        case ctGrey: return d == 16 ? 2 : 1;
        case ctPalette: return 1;
        case ctRgb: return d * 3 / 8;
        case ctGreyAlpha: return d / 4;
        case ctRgbAlpha: return d / 2;
        default: return 0;
    }
}
