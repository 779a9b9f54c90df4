#include "common/FlightTime.h"

#include "common/TextFormatting.h"
#include "ui/core/NumberConversion.h"

namespace {

std::string_view Pair(std::string_view text, std::size_t first) {
    if (first >= text.size()) return {};
    return text.substr(first, 2);
}

}  // namespace

std::int32_t TimeTextToHundredths(std::string_view text) {
    std::int32_t minutes = StrToInt(Pair(text, 0));
    std::int32_t seconds = StrToInt(Pair(text, 3));
    std::int32_t hundredths = StrToInt(Pair(text, 6));
    return minutes * 6000 + seconds * 100 + hundredths;
}

std::string HundredthsToTimeText(std::int64_t hundredths) {
    if (hundredths < 0) hundredths = 0;
    auto minutes = static_cast<std::uint64_t>(hundredths / 6000);
    auto seconds = static_cast<std::uint64_t>((hundredths / 100) % 60);
    auto rest = static_cast<std::uint64_t>(hundredths % 100);
    return IntToZeroPaddedText(minutes, 2) + ":" + IntToZeroPaddedText(seconds, 2) + "," +
           IntToZeroPaddedText(rest, 2);
}
