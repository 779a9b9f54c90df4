#pragma once
// Text crosses the layer's interface as UTF-8; the text code works on code points.

#include <string>
#include <string_view>

namespace platform {

// Malformed or truncated sequences become U+FFFD, one per bad byte, so a
// broken string still measures and draws.
std::u32string DecodeUtf8(std::string_view text);

std::string EncodeUtf8(std::u32string_view text);

// The UTF-8 text of count bytes, or up to the terminating zero when count is
// negative (the system's convention for text lengths).
std::string_view Utf8Argument(const char* text, int count);

}  // namespace platform
