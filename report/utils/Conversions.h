#pragma once
// Number, text, hexadecimal and checksum routines the report engine's
// units share.

#include <cstdint>
#include <string>
#include <string_view>

class TMemoryStream;
class TStrings;

// "," and "." both read as the decimal separator and blanks are dropped
// ("1 234,5" is 1234.5); EConvertError for anything else.
double rpTextToFloat(std::string_view text);
// Two decimals when the value has a fraction, else the shortest form.
std::string rpFloatToText(double value);

// From `position` up to the next delimiter character; the position moves
// past the delimiter when there was one.
std::string rpNextToken(std::string_view text, std::size_t& position, std::string_view delimiters);
// The pieces between delimiters; no empty last piece after a trailing one.
void rpSplitString(std::string_view text, TStrings& list, std::string_view delimiters);

// Two upper-case digits a byte.
std::string rpStreamToHex(TMemoryStream& stream);
// The bytes of the digits (an odd last digit is dropped) written from
// position 0. EConvertError for a character that is no hexadecimal digit.
void rpHexToStream(std::string_view hex, TMemoryStream& stream);
// CRC-32 (reflected, initial all ones, final complement) of the whole
// stream; its position stays.
std::uint32_t rpCrc32OfStream(TMemoryStream& stream);

// Bytes of 128 and above as the byte 1 and (byte - 128), and back.
std::string rpEscapeHighChars(std::string_view text, bool encode);

// Page numbers of a text such as "1,3,5-7", in the order written; a text
// ending in '-' runs to `lastPage`; empty for an empty text (all pages).
// EConvertError for a piece that is no number; EConvertError too for a
// range of more than kMaxPageRange pages, which no printout has.
inline constexpr int kMaxPageRange = 100000;
void rpParsePageList(std::string_view text, TStrings& list, int lastPage);

// The text between the bracket at `start` and its closing partner, skipping
// nested pairs and brackets inside quotes; `end` is set to the last
// character of the closing bracket. An unclosed bracket takes the rest.
std::string rpFindBracketed(std::string_view text, std::string_view open, std::string_view close,
                            std::size_t& start, std::size_t& end);
std::u16string rpFindBracketedW(std::u16string_view text, std::u16string_view open, std::u16string_view close,
                                std::size_t& start, std::size_t& end);
