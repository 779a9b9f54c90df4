#pragma once
// Where DrawText puts its text: prefix ("&") handling, line breaks, word
// wrapping, tab expansion, ellipses, alignment and the calculated
// rectangle, worked out against a measuring interface so the rules can be
// followed (and tested) apart from fonts and devices.

#include "platform/BasicTypes.h"
#include "platform/Geometry.h"

#include <string>
#include <string_view>
#include <vector>

namespace platform {

constexpr UINT DT_TOP = 0x00000000;
constexpr UINT DT_LEFT = 0x00000000;
constexpr UINT DT_CENTER = 0x00000001;
constexpr UINT DT_RIGHT = 0x00000002;
constexpr UINT DT_VCENTER = 0x00000004;
constexpr UINT DT_BOTTOM = 0x00000008;
constexpr UINT DT_WORDBREAK = 0x00000010;
constexpr UINT DT_SINGLELINE = 0x00000020;
constexpr UINT DT_EXPANDTABS = 0x00000040;
constexpr UINT DT_TABSTOP = 0x00000080;
constexpr UINT DT_NOCLIP = 0x00000100;
constexpr UINT DT_EXTERNALLEADING = 0x00000200;
constexpr UINT DT_CALCRECT = 0x00000400;
constexpr UINT DT_NOPREFIX = 0x00000800;
constexpr UINT DT_INTERNAL = 0x00001000;
constexpr UINT DT_EDITCONTROL = 0x00002000;
constexpr UINT DT_PATH_ELLIPSIS = 0x00004000;
constexpr UINT DT_END_ELLIPSIS = 0x00008000;
constexpr UINT DT_MODIFYSTRING = 0x00010000;
constexpr UINT DT_RTLREADING = 0x00020000;
constexpr UINT DT_WORD_ELLIPSIS = 0x00040000;
constexpr UINT DT_NOFULLWIDTHCHARBREAK = 0x00080000;
constexpr UINT DT_HIDEPREFIX = 0x00100000;
constexpr UINT DT_PREFIXONLY = 0x00200000;

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
