#include "chart/TextRoutines.h"

std::string ReplaceChar(const std::string& text, char from, char to) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c != from)
            result += c;
        else if (to != '\0')
            result += to;
    }
    return result;
}

std::string IntToText(long long n) { return std::to_string(n); }
