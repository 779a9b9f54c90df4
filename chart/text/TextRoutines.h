#pragma once
// Small text routines of the chart engine.

#include <string>
#include <vector>

class TStrings;

// Every `from` replaced by `to`, or removed when `to` is the character 0.
std::string ReplaceChar(const std::string& text, char from, char to);
std::string IntToText(long long n);
// Puts `lines` into `text` in one update, only when they differ from what it holds.
void ReplaceLines(TStrings& text, const std::vector<std::string>& lines);
