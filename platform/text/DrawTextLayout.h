#pragma once
// Where DrawText puts its text: prefix ("&") handling, line breaks, word
// wrapping, tab expansion, ellipses, alignment and the calculated
// rectangle, worked out against a measuring interface so the rules can be
// followed (and tested) apart from fonts and devices.

#include "platform/text/DrawText.h"

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// What the layout needs to know of the selected font, in logical units.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // The advance of one character, character extra included.
    virtual int Advance(char32_t code) const = 0;
    virtual int LineHeight() const = 0;  // the cell height
    virtual int ExternalLeading() const = 0;
    virtual int AverageCharWidth() const = 0;
};

// A run of text between tabs; x is relative to the line's left edge.
struct DrawTextSegment {
    std::u32string text;
    std::vector<std::size_t> underlined;  // indexes into text
    int x = 0;
};

struct DrawTextLine {
    std::vector<DrawTextSegment> segments;
    int left = 0;  // where the line starts, after alignment
    int top = 0;
    int width = 0;
};

struct DrawTextPlan {
    std::vector<DrawTextLine> lines;  // the lines to draw (DT_EDITCONTROL drops cut-off ones)
    int lineHeight = 0;
    RECT calcRect{};  // what DT_CALCRECT answers
    int result = 0;   // what DrawText returns
};

DrawTextPlan LayOutDrawText(std::u32string_view text, const RECT& rect, UINT format, const TextMeasurer& measurer);

}  // namespace platform
