#pragma once
// Inside the window system: the pixels of a top-level window, which every
// window of its tree paints into and the display shows.

#include <memory>

#include "platform/gdi/BitmapSurface.h"

namespace platform {

struct Window;

struct WindowSurface {
    std::shared_ptr<BitmapSurface> pixels;  // 32-bit top-down, the window's size
    bool dirty = false;                     // painted since the display last showed it
};

// The top-level window's surface at its current size (made or remade, and
// then all invalid, when the size changed).
WindowSurface& SurfaceOf(Window& topLevel);

}  // namespace platform
