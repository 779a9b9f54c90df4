#pragma once
// Where a printed chart goes on the page and how its drawing is scaled:
// the arithmetic of chart printing, apart from the printer and the panel.

#include "chart/core/ChartTypes.h"

// Print margins (Left, Top, Right, Bottom in percent of the page) that give
// the chart's longer side 70 % of the matching page side and centre the
// other at the panel's proportions. `resolutionRatio` is the printer's
// horizontal resolution over its vertical one.
TRect ProportionalPrintMargins(int panelWidth, int panelHeight, int pageWidth, int pageHeight,
                               double resolutionRatio);

// The page rectangle in printer pixels inside margins given in percent.
TRect PrintRectOnPage(const TRect& marginsPercent, int pageWidth, int pageHeight);

// The print rectangle in logical units: the panel's size reduced by
// `printScale` percent is stretched over the rectangle's device size.
struct TPrintScale {
    int LogicalWidth = 0;
    int LogicalHeight = 0;
    int DeviceWidth = 0;
    int DeviceHeight = 0;
    TRect Logical;
};
TPrintScale ScaleToLogical(const TRect& deviceRect, int panelWidth, int panelHeight, int printScale);

// Left not right of Right, Top not below Bottom.
TRect OrderedRect(const TRect& rect);
