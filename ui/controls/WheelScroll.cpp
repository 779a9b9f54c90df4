#include "ui/controls/WheelScroll.h"

#include "platform/window/Input.h"
#include "platform/window/SystemMetrics.h"

namespace {
constexpr platform::UINT DefaultLinesPerNotch = 3;
}  // namespace

int WheelScrollLines(int delta) {
    platform::UINT perNotch = DefaultLinesPerNotch;
    if (!platform::SystemParametersInfo(platform::SPI_GETWHEELSCROLLLINES, 0, &perNotch, 0))
        perNotch = DefaultLinesPerNotch;
    return delta / platform::WHEEL_DELTA * static_cast<int>(perNotch);
}
