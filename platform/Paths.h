#pragma once
// Paths: between BeginPath and EndPath the line and shape calls record
// figures instead of drawing; the path is then stroked, filled, widened into
// the outline of the pen or made the clip.

#include "platform/ScanConvert.h"

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

BOOL BeginPath(HDC hdc);
BOOL EndPath(HDC hdc);
BOOL AbortPath(HDC hdc);
BOOL CloseFigure(HDC hdc);
BOOL StrokePath(HDC hdc);
BOOL FillPath(HDC hdc);
BOOL StrokeAndFillPath(HDC hdc);
BOOL WidenPath(HDC hdc);
BOOL FlattenPath(HDC hdc);
BOOL SelectClipPath(HDC hdc, int mode);
HRGN PathToRegion(HDC hdc);

}  // namespace platform
