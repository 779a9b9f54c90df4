#include "chart/text/TextRoutines.h"

#include "ui/core/StringList.h"

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

void ReplaceLines(TStrings& text, const std::vector<std::string>& lines) {
    std::vector<std::string> now;
    for (int i = 0; i < text.Count(); ++i) now.push_back(text.Strings(i));
    if (now == lines) return;
    text.BeginUpdate();
    text.Clear();
    for (const std::string& line : lines) text.Add(line);
    text.EndUpdate();
}
