#pragma once
// A line of characters placed along the baseline in device pixels, and its
// painting: background cell, glyphs, underline and strike-out, turned by the
// font's escapement.

#include "platform/text/detail/DeviceFont.h"
#include "platform/text/detail/TextPainter.h"

#include <optional>
#include <string>
#include <vector>

namespace platform {

struct GlyphRun {
    std::u32string text;
    std::vector<int> offsets;  // where each character's pen starts, from the run's start
    int width = 0;             // where the pen ends
};

// Advances from the font (with the character extra), or from dx: one
// logical advance per character, as ExtTextOut takes them.
GlyphRun MakeGlyphRun(const DeviceFont& font, std::u32string text, const int* dx = nullptr);

struct RunStyle {
    COLORREF color = 0;
    std::optional<COLORREF> background;  // fills the cell behind the run
    bool glyphs = true;                  // false: only the lines are drawn
    std::vector<std::size_t> underlinedChars;  // "&" prefixes: lines under single characters
};

// origin: surface coordinates of the run's start on the baseline.
void PaintGlyphRun(TextPainter& painter, const DeviceFont& font, const GlyphRun& run, PointF origin,
                   const RunStyle& style);

}  // namespace platform
