#pragma once
// The path a device context records between BeginPath and EndPath.

#include "platform/gdi/Region.h"
#include "platform/gdi/detail/ScanConvert.h"

#include <optional>
#include <vector>

namespace platform {

// Figures are in device coordinates on the pixel grid: a vertex (x, y) is the
// pixel's corner for filling and its centre (x + 0.5, y + 0.5) for strokes.
struct PathFigure {
    std::vector<PointF> points;
    bool closed = false;
};

struct PathState {
    bool recording = true;
    std::vector<PathFigure> figures;
    // After WidenPath: the pixels of the pen's outline (device coordinates).
    std::optional<Region> widened;
    PointF position;       // where the next line starts
    bool figureOpen = false;

    // Starts a figure at p unless the open one already ends there.
    void MoveTo(PointF p);
    void LineTo(PointF p);
    void AddClosedFigure(std::vector<PointF> points);
};

// The DC's path while it records, or null: drawing calls add to it instead.
PathState* RecordingPath(DeviceContext& dc);

}  // namespace platform
