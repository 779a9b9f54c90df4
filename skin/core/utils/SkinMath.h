#pragma once
// Small integer and choice routines of the skin library.

#include <string>
#include <utility>

inline const std::string& ChooseStr(bool flag, const std::string& a, const std::string& b) { return flag ? a : b; }
template <class T>
constexpr T ChooseValue(bool flag, T a, T b) {
    return flag ? a : b;
}
// Both bounds included, whichever of them is larger.
constexpr bool IsBetween(int value, int b1, int b2) {
    return b1 <= b2 ? (value >= b1 && value <= b2) : (value >= b2 && value <= b1);
}
constexpr int IntMax(int a, int b) { return a > b ? a : b; }
constexpr int IntMin(int a, int b) { return a < b ? a : b; }
constexpr int ClampInt(int value, int low, int high) { return value < low ? low : (value > high ? high : value); }
inline void SwapInts(int& a, int& b) { std::swap(a, b); }
