#pragma once
// The standard icons of message boxes, drawn in code at 32 x 32 on a
// magenta background that is their transparent colour (the bottom-left pixel).

#include "ui/graphics/Bitmap.h"

enum class TDialogIcon { diNone, diError, diWarning, diQuestion, diInformation };

constexpr int DialogIconSize = 32;

// Leaves the bitmap empty for diNone.
void DrawDialogIcon(TDialogIcon icon, TBitmap& bitmap);
// The icon an MB_ICON* flag asks for (diNone without one).
TDialogIcon DialogIconOfFlags(unsigned flags);
