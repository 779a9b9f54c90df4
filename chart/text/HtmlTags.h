#pragma once
// The attribute part of the tags the chart's HTML text understands: NAME=VALUE
// pairs, colour texts, and a canvas font saved as (and restored from) a FONT tag.

#include "ui/graphics/Colors.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TFont;

// Blank-separated NAME=VALUE pairs: a value ends at the last blank before the
// next "="; names come back upper-cased, both trimmed, values without one
// pair of enclosing double quotes.
std::vector<std::pair<std::string, std::string>> HtmlAttributes(std::string_view text);

// "RED", "#FF0000", "clNavy", "255"...; raises EConvertError for anything else.
TColor HtmlColor(std::string_view text);

// The font as a FONT tag: size, name, colour and weight.
std::string SavedFontTag(const TFont& font);

// Applies a FONT tag ("<FONT " + attributes + ">") to the font. Raises
// Exception for an unknown attribute or weight, EConvertError for a size
// that is no number or a colour that is none.
void ApplyFontTag(TFont& font, std::string_view tag);
