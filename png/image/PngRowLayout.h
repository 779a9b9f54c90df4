#pragma once
// How rows of image data are laid out: the bytes of a row, the filters' pixel
// stride, and the seven passes of an interlaced picture.

#include <array>
#include <cstddef>

// Bytes of one row of width pixels without its filter-type byte; 0 for an unknown colour type.
std::size_t PngRowLength(int colorType, int bitDepth, std::size_t width);
// The filters' distance to the corresponding byte of the pixel on the left.
std::size_t PngPixelStride(int colorType, int bitDepth);

struct TAdam7Pass {
    int FirstRow, RowStep, FirstColumn, ColumnStep;
    // Pixels of an image row of width that fall in this pass.
    std::size_t Width(std::size_t width) const {
        return (width + std::size_t(ColumnStep) - std::size_t(FirstColumn) - 1) / std::size_t(ColumnStep);
    }
};

inline constexpr std::array<TAdam7Pass, 7> Adam7Passes{{
    {0, 8, 0, 8},
    {0, 8, 4, 8},
    {4, 8, 0, 4},
    {0, 4, 2, 4},
    {2, 4, 0, 2},
    {0, 2, 1, 2},
    {1, 2, 0, 1},
}};
