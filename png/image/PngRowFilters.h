#pragma once
// The five row filters: undoing one on a decoded row, applying one to a row
// to be encoded. Rows are n data bytes (no filter-type byte); previous is the
// row above, all zero for the first row; stride is the pixel stride.

#include <cstddef>
#include <cstdint>

enum TPngFilter : std::uint8_t { pfNone = 0, pfSub = 1, pfUp = 2, pfAverage = 3, pfPaeth = 4 };

inline std::uint8_t PaethPredictor(int left, int up, int upperLeft) {
    int q = left + up - upperLeft;
    int pl = q > left ? q - left : left - q;
    int pu = q > up ? q - up : up - q;
    int pc = q > upperLeft ? q - upperLeft : upperLeft - q;
    if (pl <= pu && pl <= pc) return std::uint8_t(left);
    return pu <= pc ? std::uint8_t(up) : std::uint8_t(upperLeft);
}

// An unknown filter type leaves the row as it is.
void UndoRowFilter(std::uint8_t filterType, std::uint8_t* row, const std::uint8_t* previous, std::size_t n,
                   std::size_t stride);

void ApplyRowFilter(TPngFilter filter, const std::uint8_t* row, const std::uint8_t* previous, std::uint8_t* out,
                    std::size_t n, std::size_t stride);
