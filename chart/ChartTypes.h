#pragma once
// Colours, points and rectangles as the chart engine passes them around:
// the class library's own.

#include "ui/Colors.h"
#include "ui/Types.h"
