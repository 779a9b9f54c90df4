#pragma once
// Typing a marker's time "mm:ss,hh" into its masked edit.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The caret position of the seconds' tens digit.
inline constexpr int kSecondsTensPosition = 3;

// A digit above 5 typed at the seconds' tens becomes 5, so the seconds stay
// below 60; every other key is kept.
char32_t LimitSecondsTens(int caret, char32_t key);

// The ticks of a time text; nothing while a digit is still missing (the
// user is half-way through typing it).
std::optional<std::int32_t> TypedTimeTicks(std::string_view text);

// The last tick a marker may take: the time axis maximum rounded to a tick.
std::int32_t LastMarkerTick(double timeAxisMaximum);

inline constexpr const char* kBadTimeText = "Введено не допустимое значение времени";
// The balloon for a time beyond the axis, with the allowed range.
std::string TimeRangeBalloonText(std::int32_t lastTick);
