#pragma once
// Rectangle arithmetic of the skin library.

#include "platform/system/Geometry.h"

// Right - Left and Bottom - Top; with the clip flag a negative result is 0.
int RectWidth(const platform::RECT& rect, bool clip);
int RectHeight(const platform::RECT& rect, bool clip);
// False when b is empty or they do not overlap; touching edges do not overlap.
bool RectsOverlap(const platform::RECT& a, const platform::RECT& b);
// Both corners of inner lie in outer, its right and bottom edges included.
bool RectContains(const platform::RECT& outer, const platform::RECT& inner);
// Larger left and top, smaller right and bottom; may be empty or inverted.
platform::RECT RectsIntersection(const platform::RECT& a, const platform::RECT& b);
