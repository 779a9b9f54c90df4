#include "viewer/markers/MarkerTimeEntry.h"

#include "common/FlightTime.h"
#include "ui/core/Rounding.h"

#include <array>

namespace {

// Where "mm:ss,hh" keeps its digits.
constexpr std::array<std::size_t, 6> kDigitPositions = {0, 1, 3, 4, 6, 7};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

char32_t LimitSecondsTens(int caret, char32_t key) {
    return caret == kSecondsTensPosition && key > U'5' && key <= U'9' ? U'5' : key;
}

std::optional<std::int32_t> TypedTimeTicks(std::string_view text) {
    for (std::size_t position : kDigitPositions)
        if (position >= text.size() || !IsDigit(text[position])) return std::nullopt;
    return TimeTextToHundredths(text);
}

std::int32_t LastMarkerTick(double timeAxisMaximum) { return static_cast<std::int32_t>(Round(timeAxisMaximum)); }

std::string TimeRangeBalloonText(std::int32_t lastTick) {
    return std::string(kBadTimeText) + "\rдопутимое значение от 00:00,00 до " + HundredthsToTimeText(lastTick);
}
