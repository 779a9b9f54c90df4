#pragma once
// The picture fonts the program draws caption buttons, arrows and check
// marks with ("Marlett", "Webdings", "Wingdings") are not installed here:
// their glyphs are our own vector shapes, drawn like any glyph.

#include "platform/text/detail/CoverageMask.h"

#include <string_view>
#include <vector>

namespace platform {

enum class SymbolGlyphSet {
    None,
    CaptionAndArrows,  // "Marlett", "Webdings": 0 1 2 r caption buttons, 3 4 5 6 t u arrows, a check mark
    Wingdings,         // U+00FC check mark, U+00FB cross
};

SymbolGlyphSet SymbolGlyphSetFor(std::string_view faceName);

// Symbol glyphs sit in a square cell one em wide and high; the baseline is
// this far down the cell.
constexpr double kSymbolAscent = 0.8;

// The glyph's polygons in cell units (x right, y down from the cell's top);
// empty for a code the set has no picture for (drawn as a blank).
std::vector<std::vector<PointF>> SymbolGlyphShape(SymbolGlyphSet set, char32_t code);

}  // namespace platform
