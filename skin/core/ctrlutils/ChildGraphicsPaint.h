#pragma once
// The graphic child controls of a container drawn onto a DC through one
// off-screen bitmap that starts with the container's background, so that
// they never flicker over a stale picture.

#include "ui/core/Types.h"

#include "platform/gdi/GdiTypes.h"

class TWinControl;

// Children land at their places moved by `offset`. A nested call while one
// runs returns at once.
void PaintChildGraphicControls(platform::HDC dc, TWinControl* container, bool onlyVisible, TPoint offset);
