#include "platform/print/detail/PrinterPageLayout.h"

#include "platform/gdi/Mapping.h"
#include "platform/system/LastError.h"

#include <algorithm>
#include <utility>

namespace platform {
namespace {

constexpr int TenthsPerInch = 254;
constexpr double PointsPerInch = 72.0;

LONG ToPixels(LONG tenths, int dpi) { return MulDiv(tenths, dpi, TenthsPerInch); }

bool Fail() {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
}

int ResolutionOf(const DEVMODEA& mode, const PrinterCapabilities* caps) {
    if ((mode.dmFields & DM_PRINTQUALITY) && mode.dmPrintQuality > 0) return mode.dmPrintQuality;
    if (caps && caps->defaultResolution > 0) return caps->defaultResolution;
    return FileOnlyResolution;
}

// The paper, portrait, with its unprintable margins.
bool PaperOf(const DEVMODEA& mode, const PrinterCapabilities* caps, PrinterPageLayout& layout) {
    short code = (mode.dmFields & DM_PAPERSIZE) ? mode.dmPaperSize : caps ? caps->defaultPaper : DMPAPER_A4;
    if (code == DMPAPER_USER) {
        if (!(mode.dmFields & DM_PAPERWIDTH) || !(mode.dmFields & DM_PAPERLENGTH)) return Fail();
        if (mode.dmPaperWidth <= 0 || mode.dmPaperLength <= 0 || mode.dmPaperWidth > MaxPaperSide ||
            mode.dmPaperLength > MaxPaperSide)
            return Fail();
        layout.paperWidth = mode.dmPaperWidth;
        layout.paperHeight = mode.dmPaperLength;
        return true;
    }
    if (caps) {
        auto found = std::find_if(caps->papers.begin(), caps->papers.end(),
                                  [code](const PrinterPaper& p) { return p.code == code; });
        if (found != caps->papers.end()) {
            layout.paperWidth = found->width;
            layout.paperHeight = found->height;
            layout.margins = found->margins;
            layout.media = found->media;
            return true;
        }
    }
    auto standard = StandardPaperSize(code);
    if (!standard) return Fail();
    layout.paperWidth = standard->width;
    layout.paperHeight = standard->height;
    return true;
}

}  // namespace

DeviceContext::PrinterPage PrinterPageLayout::Pixels() const {
    DeviceContext::PrinterPage page;
    page.physical = {ToPixels(paperWidth, dpi), ToPixels(paperHeight, dpi)};
    page.offset = {ToPixels(margins.left, dpi), ToPixels(margins.top, dpi)};
    page.printable = {std::max<LONG>(page.physical.cx - page.offset.x - ToPixels(margins.right, dpi), 1),
                      std::max<LONG>(page.physical.cy - page.offset.y - ToPixels(margins.bottom, dpi), 1)};
    return page;
}

double PrinterPageLayout::WidthPoints() const { return paperWidth * PointsPerInch / TenthsPerInch; }
double PrinterPageLayout::HeightPoints() const { return paperHeight * PointsPerInch / TenthsPerInch; }

bool LayoutForMode(const DEVMODEA& mode, const PrinterCapabilities* capabilities, PrinterPageLayout& layout) {
    PrinterPageLayout result;
    result.dpi = ResolutionOf(mode, capabilities);
    if (result.dpi < MinResolution || result.dpi > MaxResolution) return Fail();
    if (!PaperOf(mode, capabilities, result)) return Fail();
    if ((mode.dmFields & DM_ORIENTATION) && mode.dmOrientation != DMORIENT_PORTRAIT &&
        mode.dmOrientation != DMORIENT_LANDSCAPE)
        return Fail();
    if ((mode.dmFields & DM_ORIENTATION) && mode.dmOrientation == DMORIENT_LANDSCAPE) {
        // The sheet turned a quarter anticlockwise: its left edge goes to the bottom.
        std::swap(result.paperWidth, result.paperHeight);
        RECT m = result.margins;
        result.margins = {m.top, m.right, m.bottom, m.left};
    }
    layout = std::move(result);
    return true;
}

}  // namespace platform
