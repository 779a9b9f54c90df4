#pragma once
// The X and Y extents of the visible channel series, which the chart's
// navigation zooms and scrolls within.

class TCustomAxisPanel;

struct DataExtents {
    float MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;
    bool operator==(const DataExtents&) const = default;
};

// Over the active series 4 to 24 (the accelerometer altitude and speed do
// not count); all 0 when none is active.
DataExtents ComputeDataExtents(TCustomAxisPanel& chart);
