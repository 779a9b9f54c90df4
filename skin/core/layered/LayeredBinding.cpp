#include "skin/core/layered/LayeredBinding.h"

#include "platform/window/SystemMetrics.h"

namespace {

TSkLayeredEntryPoints entryPoints;
bool bound = false;
int starts = 0;
TSkCheckSize smallCheck;

// The window system always has both functions; a system without them
// leaves the entry points null and every caller paints without layers.
void Bind() {
    entryPoints.UpdateLayeredWindow = &platform::UpdateLayeredWindow;
    entryPoints.SetLayeredWindowAttributes = &platform::SetLayeredWindowAttributes;
    bound = true;
}

}  // namespace

void StartDrawingUnit() {
    if (starts++ > 0) return;
    if (!bound) Bind();
    InitSmallCheckSize();
}

void StopDrawingUnit() {
    if (starts == 0 || --starts > 0) return;
    entryPoints = {};
    bound = false;
}

int DrawingUnitStarts() { return starts; }

const TSkLayeredEntryPoints& LayeredEntryPoints() {
    if (starts == 0) StartDrawingUnit();
    return entryPoints;
}

bool LayeredWindowsAvailable() { return LayeredEntryPoints().UpdateLayeredWindow != nullptr; }

// The system's check-box picture is not offered here; the menu check mark
// has the size the check boxes are drawn in.
void InitSmallCheckSize() {
    smallCheck.Width = platform::GetSystemMetrics(platform::SM_CXMENUCHECK);
    smallCheck.Height = platform::GetSystemMetrics(platform::SM_CYMENUCHECK);
}

TSkCheckSize SmallCheckSize() {
    if (starts == 0) StartDrawingUnit();
    return smallCheck;
}

namespace skin_testing {
TSkLayeredEntryPoints ReplaceLayeredEntryPoints(const TSkLayeredEntryPoints& points) {
    if (starts == 0) StartDrawingUnit();
    const TSkLayeredEntryPoints old = entryPoints;
    entryPoints = points;
    return old;
}
}  // namespace skin_testing
