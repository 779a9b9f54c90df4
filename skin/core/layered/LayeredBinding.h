#pragma once
// The drawing unit's start: the two layered-window functions bound once
// (shadows, glows, alpha hints and form animations use them only when they
// are there) and the default size of the small check boxes.

#include "platform/window/LayeredWindows.h"

using TUpdateLayeredWindowProc = decltype(&platform::UpdateLayeredWindow);
using TSetLayeredWindowAttributesProc = decltype(&platform::SetLayeredWindowAttributes);

struct TSkLayeredEntryPoints {
    TUpdateLayeredWindowProc UpdateLayeredWindow = nullptr;
    TSetLayeredWindowAttributesProc SetLayeredWindowAttributes = nullptr;
};

// Start and stop are counted: the binding is made on the first start and
// let go on the last stop. A query before any start starts the unit.
void StartDrawingUnit();
void StopDrawingUnit();
int DrawingUnitStarts();

bool LayeredWindowsAvailable();
// The bound functions; either may be null.
const TSkLayeredEntryPoints& LayeredEntryPoints();

// The default size of a small check box.
struct TSkCheckSize {
    int Width = 0;
    int Height = 0;
};
void InitSmallCheckSize();
TSkCheckSize SmallCheckSize();

namespace skin_testing {
// Stands in for a window system that offers other entry points (or none)
// until the returned binding is put back with the same call.
TSkLayeredEntryPoints ReplaceLayeredEntryPoints(const TSkLayeredEntryPoints& points);
}  // namespace skin_testing
