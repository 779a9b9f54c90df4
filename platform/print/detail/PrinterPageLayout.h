#pragma once
// Where a mode puts the page: the paper as it lies (turned for landscape),
// what the printer cannot print on, and the resolution; and the same in the
// device pixels a printer DC answers with.

#include "platform/gdi/detail/DeviceContextState.h"
#include "platform/print/DeviceMode.h"
#include "platform/print/Printers.h"

namespace platform {

// Without a printer (printing to a file) a page is drawn at this resolution
// unless the mode asks for another.
constexpr int FileOnlyResolution = 300;
constexpr int MinResolution = 72;
constexpr int MaxResolution = 1200;
// The largest custom paper side, tenths of a millimetre.
constexpr LONG MaxPaperSide = 20000;

struct PrinterPageLayout {
    int dpi = FileOnlyResolution;
    LONG paperWidth = 0;  // tenths of a millimetre
    LONG paperHeight = 0;
    RECT margins;  // tenths of a millimetre: left, top, right, bottom
    std::string media;  // the printer's keyword for the paper; empty when it has none

    DeviceContext::PrinterPage Pixels() const;
    // The paper in PDF points (1/72 inch).
    double WidthPoints() const;
    double HeightPoints() const;
};

// False, with ERROR_INVALID_PARAMETER, for a resolution outside
// MinResolution..MaxResolution, a paper code neither the printer nor the
// standard list knows, a custom size that is not positive or beyond
// MaxPaperSide, or an orientation that is neither portrait nor landscape. capabilities is null for the file-only printer.
bool LayoutForMode(const DEVMODEA& mode, const PrinterCapabilities* capabilities, PrinterPageLayout& layout);

}  // namespace platform
