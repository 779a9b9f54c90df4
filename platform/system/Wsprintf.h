#pragma once
// The system's small printf: %d %i %u %x %X %c %s %% with '-', '0', '#',
// width, precision and the 'l'/'h' size letters; no floating point.
// Every argument is one 32-bit value or a text pointer.

#include <cstdint>
#include <variant>

namespace platform {

using WsprintfArg = std::variant<std::int32_t, const char*>;

// Writes at most 1024 characters including the terminating zero and returns
// the count written without it. A missing or mismatched argument formats as 0
// or "(null)" rather than reading past the list.
int wvsprintfA(char* buffer, const char* format, const WsprintfArg* arguments, std::size_t count);

constexpr int WSPRINTF_BUFFER_SIZE = 1024;

}  // namespace platform
