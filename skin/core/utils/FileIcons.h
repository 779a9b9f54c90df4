#pragma once
// Icons of files. The platform has no shell that knows a file's own icon,
// so every existing file gets the library's generic program icon (a page
// with a folded corner) in the size the flags ask for.

#include <memory>
#include <string>

class TIcon;

constexpr unsigned SHGFI_LARGEICON = 0x0;
constexpr unsigned SHGFI_SMALLICON = 0x1;

// nullptr when the file does not exist.
std::unique_ptr<TIcon> GetFileIcon(const std::string& fileName, unsigned flags);
