#pragma once
// Attribute values of the report XML form: escaping by numeric references
// and its reverse, and values as attribute text.

#include "report/variables/ReportValue.h"

#include <string>
#include <string_view>

// LF, CR, '"', '&', '<' and '>' become "&#<code>;"; an '&' that starts
// "&quot;" is written with those six characters as "&#34;".
std::string EscapeAttrText(std::string_view text);
// "&#<decimal>;" gives the byte of the code modulo 256 (EConvertError when
// it is no number); "&quot;", "&amp;", "&lt;" and "&gt;" their characters;
// any other '&', and a "&#" never closed by ';', stay as they are.
std::string UnescapeAttrText(std::string_view text);
// One attribute of prepared-page text: a blank, the name, '=' and the
// value (already in attribute form) in double quotes.
std::string AttributeText(std::string_view name, std::string_view value);
// Integers in decimal, reals with the program's decimal comma, Booleans as
// "1" or "0", texts escaped, Null as the empty text.
std::string VariantAttrText(const TrpValue& value);
