#include "viewer/navigation/TimeAxisLabels.h"

#include "common/FlightTime.h"
#include "ui/core/NumberConversion.h"

#include <cstdint>

namespace {

constexpr std::int64_t kTicksPerSecond = 100;

}  // namespace

std::string TimeAxisLabel(const std::string& valueText, int startSecond) {
    // A label that is not a whole number is left as the axis wrote it.
    const std::int64_t tick = StrToIntDef(valueText, INT32_MIN);
    if (tick == INT32_MIN) return valueText;
    if (tick < 0) return "";
    return HundredthsToTimeText(kTicksPerSecond * startSecond + tick);
}
