#pragma once
// The window-creation hook's own state: the handle its procedure passes on with.

#include "platform/window/WindowHooks.h"

void SetSkinHookHandle(platform::HHOOK hook);
