#pragma once
// Escaping of the script XML tree's attribute values: the characters that
// would break a one-line tag become "&#<code>;".

#include <string>
#include <string_view>

// Line feed, carriage return, double quote, "<", ">" and an ampersand that
// begins "&#" or "&quot;" as "&#<code>;"; every other character stays, and
// DecodeXMLText gives the value back unchanged.
std::string EncodeXMLText(std::string_view text);

// "&#<decimal>;" as the character of that code (UTF-8) and "&quot;" as a
// double quote; no other entity is known. A "&#" that is not closed by ";"
// within the text, or whose code is no decimal number of a character, raises
// an Exception naming its place.
std::string DecodeXMLText(std::string_view text);
