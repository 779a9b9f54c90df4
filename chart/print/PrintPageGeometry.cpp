#include "chart/print/PrintPageGeometry.h"

#include "platform/gdi/Mapping.h"
#include "ui/core/Rounding.h"

#include <algorithm>

namespace {

// The longer side of the chart takes 70 % of the page, 15 % on each side.
constexpr int kLongSideMargin = 15;
constexpr double kLongSideShare = 0.7;
constexpr int kPercent = 100;

int CentredMargin(int pageSide, double chartSide) {
    return static_cast<int>(Round((pageSide - chartSide) * kPercent / pageSide)) / 2;
}

}  // namespace

TRect ProportionalPrintMargins(int panelWidth, int panelHeight, int pageWidth, int pageHeight,
                               double resolutionRatio) {
    if (panelWidth <= 0 || panelHeight <= 0 || pageWidth <= 0 || pageHeight <= 0)
        return TRect{kLongSideMargin, kLongSideMargin, kLongSideMargin, kLongSideMargin};
    const double aspect = static_cast<double>(panelHeight) / panelWidth;
    if (panelWidth > panelHeight) {
        int topBottom = CentredMargin(pageHeight, kLongSideShare * pageWidth * aspect * resolutionRatio);
        return TRect{kLongSideMargin, topBottom, kLongSideMargin, topBottom};
    }
    int leftRight = CentredMargin(pageWidth, kLongSideShare * pageHeight / aspect * resolutionRatio);
    return TRect{leftRight, kLongSideMargin, leftRight, kLongSideMargin};
}

TRect PrintRectOnPage(const TRect& m, int pageWidth, int pageHeight) {
    auto part = [](int percent, int side) { return static_cast<int>(Round(double(percent) * side / kPercent)); };
    return TRect{part(m.Left, pageWidth), part(m.Top, pageHeight), pageWidth - part(m.Right, pageWidth),
                 pageHeight - part(m.Bottom, pageHeight)};
}

TPrintScale ScaleToLogical(const TRect& r, int panelWidth, int panelHeight, int printScale) {
    TPrintScale s;
    s.DeviceWidth = r.Width();
    s.DeviceHeight = r.Height();
    s.LogicalWidth = panelWidth - platform::MulDiv(panelWidth, printScale, kPercent);
    s.LogicalHeight = panelHeight - platform::MulDiv(panelHeight, printScale, kPercent);
    s.Logical = TRect{platform::MulDiv(r.Left, s.LogicalWidth, s.DeviceWidth),
                      platform::MulDiv(r.Top, s.LogicalHeight, s.DeviceHeight),
                      platform::MulDiv(r.Right, s.LogicalWidth, s.DeviceWidth),
                      platform::MulDiv(r.Bottom, s.LogicalHeight, s.DeviceHeight)};
    return s;
}

TRect OrderedRect(const TRect& r) {
    return TRect{std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
                 std::max(r.Top, r.Bottom)};
}
