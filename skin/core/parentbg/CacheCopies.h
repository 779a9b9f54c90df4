#pragma once
// A parent's cache copied into its window around its children, so that a
// parent's repaint never paints over what its children show.

#include "ui/core/Types.h"

#include "platform/gdi/GdiTypes.h"
#include "platform/window/WindowMessages.h"

class TSkCommonData;
class TWinControl;

// Repairs the corners of a control's cache where its border mask is
// transparent (corner bits 1 top-left, 2 bottom-left, 4 top-right, 8
// bottom-right); given by the alpha painting, none until it is registered.
using TSkCornerRepair = void (*)(TSkCommonData& data, int state, int corners);
void SetCornerRepair(TSkCornerRepair repair);

// The cache's area at `source` to `target` of `dc`, leaving out visible
// graphic, opaque or designed child controls overlapping it (moved by dx, dy).
void CopyCacheExceptChildren(TWinControl& control, TSkCommonData& data, const TRect& source, int dy, int dx,
                             bool corners, platform::HDC dc, const TRect& target);
// The same around the visible child windows of `window`; a group box
// leaves out only its frame, so the parent shows through its middle.
void CopyCacheExceptChildWindows(platform::HWND window, TSkCommonData& data, const TRect& source, int dy, int dx,
                                 bool corners, platform::HDC dc, const TRect& target);
