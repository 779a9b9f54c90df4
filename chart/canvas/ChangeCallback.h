#pragma once

#include "ui/graphics/GraphicsObjects.h"

#include <functional>

using TChangeEvent = std::function<void()>;

// A change callback that takes no sender, as the chart's parts give them.
TNotifyEvent ChangeCallback(TChangeEvent onChange);
