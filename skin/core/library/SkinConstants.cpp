#include "skin/core/library/SkinConstants.h"

#include "platform/window/SystemMetrics.h"

int SystemArrowWidth() { return platform::GetSystemMetrics(platform::SM_CXHSCROLL); }
