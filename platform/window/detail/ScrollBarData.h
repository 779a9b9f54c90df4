#pragma once
// What the window system keeps for each of a window's own scroll bars.
// Only platform/ includes this header.

#include "platform/system/BasicTypes.h"

namespace platform {

struct ScrollBarData {
    int min = 0;
    int max = 0;
    UINT page = 0;
    int pos = 0;
    int trackPos = 0;
    UINT disabledArrows = 0;  // ESB_DISABLE_* bits
};

}  // namespace platform
