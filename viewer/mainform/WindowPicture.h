#pragma once
// A picture of a window as it draws itself: frame, client and children
// (floating panels included), through the window system's printing of a
// window into a bitmap. Nothing is read off the screen, so a window above
// it, the title bar's height or the menu's cannot spoil the picture.

#include "ui/forms/WinControl.h"
#include "ui/graphics/Bitmap.h"

#include <memory>

// The window's whole rectangle, 32 bits a pixel.
std::unique_ptr<TBitmap> WindowPicture(TWinControl& window);
