#pragma once
// What parsing a script reads from the script and leaves in it: the error
// texts, where unit sources come from and the identifier character set.

#include <functional>
#include <string>
#include <vector>

struct TscCompileTarget {
    // Empty, or the last compile error, its "line:column" and the unit it
    // lies in (empty for the script's own text).
    std::string ErrorMessage;
    std::string ErrorPosition;
    std::string ErrorUnit;
    // Identifiers may hold the characters 128-255 (UTF-8 letters among them).
    bool ExtendedCharset = false;
    // Folders searched in order for unit files; "" is the current folder.
    std::vector<std::string> IncludePath{std::string()};
    // When set, gives a unit's source text instead of its file.
    std::function<void(const std::string& unitName, std::string& unitText)> OnGetUnit;
    // When set and it gives a text, the unit's intermediate form (a program
    // element) is built from that text in place of what its source gave.
    std::function<void(const std::string& unitName, std::string& unitIL)> OnGetILUnit;
};
