#pragma once
// A grammar, document or unit file read whole, with a clear message when it
// cannot be: missing, not a regular file, unreadable, too large.

#include <cstddef>
#include <string>

// Larger files are refused rather than read into memory.
inline constexpr std::size_t kLargestScriptFile = 64u * 1024 * 1024;

// Raises EFOpenError naming the file and the reason.
std::string ReadWholeFile(const std::string& fileName);
