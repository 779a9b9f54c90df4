#pragma once
// Small text routines of the chart engine.

#include <string>

// Every `from` replaced by `to`, or removed when `to` is the character 0.
std::string ReplaceChar(const std::string& text, char from, char to);
std::string IntToText(long long n);
