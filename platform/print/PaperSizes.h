#pragma once
// The system's standard paper codes and their sizes.

#include "platform/system/BasicTypes.h"

#include <optional>
#include <vector>

namespace platform {

constexpr short DMPAPER_LETTER = 1;
constexpr short DMPAPER_A3 = 8;
constexpr short DMPAPER_A4 = 9;
constexpr short DMPAPER_A5 = 11;
constexpr short DMPAPER_USER = 256;

// A paper in tenths of a millimetre, portrait (width across, height down).
struct PaperSize {
    short code = 0;
    LONG width = 0;
    LONG height = 0;
};

// The 66 standard papers in code order (codes 48 and 49 have none).
const std::vector<PaperSize>& StandardPaperSizes();
// None for a code that is not one of them (DMPAPER_USER included).
std::optional<PaperSize> StandardPaperSize(short code);
// The first standard paper within a millimetre of the size (as given, not
// turned); none when no paper is that close.
std::optional<PaperSize> StandardPaperOfSize(LONG width, LONG height);

}  // namespace platform
