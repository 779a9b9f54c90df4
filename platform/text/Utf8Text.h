#pragma once
// Text crosses the layers' interfaces as UTF-8; the text code and the class
// library's editing models work on code points. This is the one codec.
//
// Malformed input: each byte that does not start a well-formed sequence (a
// stray continuation byte, a lead byte cut short by the end or by a byte
// that is not a continuation, an overlong form, a surrogate, a value past
// U+10FFFF, the bytes C0, C1 and F5-FF) becomes one U+FFFD and decoding goes
// on with the next byte. So a broken string still measures and draws, a bad
// byte never hides the characters after it, and nothing is read past the end.

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The code point at `at`, advancing past it (by one byte when malformed).
char32_t NextCodePoint(std::string_view text, std::size_t& at);
std::u32string DecodeUtf8(std::string_view text);

// Well-formed UTF-8 (ASCII included).
bool IsValidUtf8(std::string_view text);

// Surrogates and values past U+10FFFF are written as U+FFFD, so what is
// encoded is always well-formed.
void AppendUtf8(std::string& out, char32_t code);
std::string EncodeUtf8(std::u32string_view text);

// The UTF-8 text of count bytes, or up to the terminating zero when count is
// negative (the system's convention for text lengths).
std::string_view Utf8Argument(const char* text, int count);

}  // namespace platform
