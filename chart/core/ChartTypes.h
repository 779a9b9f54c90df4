#pragma once
// Colours, points and rectangles as the chart engine passes them around:
// the class library's own.

#include "ui/core/Types.h"
#include "ui/graphics/Colors.h"
