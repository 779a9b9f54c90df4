#pragma once
// Small numbers that name threads, as the window system keys its queues by.

#include "platform/system/Handles.h"

namespace platform {

// Stable for the life of the thread and never 0.
DWORD GetCurrentThreadId();

}  // namespace platform
