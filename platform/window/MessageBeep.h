#pragma once
// The warning sound of a refused input. There is no sound device here: the
// beep is counted, so tests can tell that one was given.

#include "platform/system/BasicTypes.h"
#include "platform/system/Handles.h"

namespace platform {

BOOL MessageBeep(UINT type);

namespace testing {
// Beeps since the program started.
unsigned MessageBeepCount();
}  // namespace testing

}  // namespace platform
