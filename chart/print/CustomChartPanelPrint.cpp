// Chart printing: the page rectangle from the print margins, one print job
// on the program's printer, and the chart drawn into a rectangle of any
// canvas through the screen's drawing cycle with the device stretching the
// panel's pixels over it.

#include "chart/panel/CustomChartPanel.h"

#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/Regions.h"
#include "ui/core/ScopeGuards.h"
#include "ui/forms/Screen.h"
#include "ui/printers/Printer.h"

#include <optional>

namespace {

// A DC's mapping as it was, put back however the drawing ends.
class SavedMapping {
public:
    explicit SavedMapping(platform::HDC dc) : dc_(dc), mode_(platform::GetMapMode(dc)) {
        platform::GetWindowOrgEx(dc, &windowOrigin_);
        platform::GetWindowExtEx(dc, &windowExtent_);
        platform::GetViewportOrgEx(dc, &viewportOrigin_);
        platform::GetViewportExtEx(dc, &viewportExtent_);
    }
    ~SavedMapping() {
        platform::SetMapMode(dc_, mode_);
        if (mode_ == platform::MM_ANISOTROPIC || mode_ == platform::MM_ISOTROPIC) {
            platform::SetWindowExtEx(dc_, windowExtent_.cx, windowExtent_.cy, nullptr);
            platform::SetViewportExtEx(dc_, viewportExtent_.cx, viewportExtent_.cy, nullptr);
        }
        platform::SetWindowOrgEx(dc_, windowOrigin_.x, windowOrigin_.y, nullptr);
        platform::SetViewportOrgEx(dc_, viewportOrigin_.x, viewportOrigin_.y, nullptr);
    }
    SavedMapping(const SavedMapping&) = delete;
    SavedMapping& operator=(const SavedMapping&) = delete;

private:
    platform::HDC dc_;
    int mode_;
    platform::POINT windowOrigin_{}, viewportOrigin_{};
    platform::SIZE windowExtent_{}, viewportExtent_{};
};

// The DC clipped to a rectangle in logical units, intersected with the clip
// in force; that clip comes back at the end.
class ClipToLogicalRect {
public:
    ClipToLogicalRect(platform::HDC dc, const TRect& rect) : dc_(dc), previous_(platform::CreateRectRgn(0, 0, 0, 0)) {
        held_ = platform::GetClipRgn(dc, previous_) == 1;
        platform::POINT corners[2] = {{rect.Left, rect.Top}, {rect.Right, rect.Bottom}};
        platform::LPtoDP(dc, corners, 2);
        platform::HRGN region = platform::CreateRectRgn(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
        platform::ExtSelectClipRgn(dc, region, platform::RGN_AND);
        platform::DeleteObject(region);
    }
    ~ClipToLogicalRect() {
        platform::SelectClipRgn(dc_, held_ ? previous_ : nullptr);
        platform::DeleteObject(previous_);
    }
    ClipToLogicalRect(const ClipToLogicalRect&) = delete;
    ClipToLogicalRect& operator=(const ClipToLogicalRect&) = delete;

private:
    platform::HDC dc_;
    platform::HRGN previous_;
    bool held_ = false;
};

}  // namespace

void TCustomChartPanel::Print() { PrintRectangle(ComputePrintRect()); }

void TCustomChartPanel::PrintRectangle(const TRect& pageRect) {
    const bool repaint = RepaintOnChange();
    // Handlers that change the chart while it prints do not repaint the screen.
    SetRepaintOnChange(false);
    ScopeExit restoreScreen([this, repaint] {
        SetRepaintOnChange(repaint);
        Invalidate();
    });
    TPrinter* printer = Printer();
    if (!Name().empty()) printer->Title = Name();
    printer->BeginDoc();
    // A failed page drops the job; a job that failed in EndDoc has ended already.
    ScopeExit dropJob([printer] {
        if (printer->Printing()) printer->Abort();
    });
    PrintOnPrinterArea(pageRect);
    printer->EndDoc();
    dropJob.Dismiss();
}

void TCustomChartPanel::PrintOnPrinterArea(const TRect& pageRect) { PrintOnPageArea(Printer()->Canvas(), pageRect); }

void TCustomChartPanel::PrintOnPageArea(TCanvas* canvas, const TRect& rect) {
    const TRect device = OrderedRect(rect);
    const TRect panel = PanelRect();
    if (device.Width() <= 0 || device.Height() <= 0 || panel.Width() <= 0 || panel.Height() <= 0) return;
    const TPrintScale scale = ComputePrintScale(device, panel);
    if (scale.LogicalWidth <= 0 || scale.LogicalHeight <= 0) return;
    platform::HDC dc = canvas->Handle();
    SavedMapping mapping(dc);
    platform::SetMapMode(dc, platform::MM_ANISOTROPIC);
    platform::SetWindowOrgEx(dc, 0, 0, nullptr);
    platform::SetWindowExtEx(dc, scale.LogicalWidth, scale.LogicalHeight, nullptr);
    platform::SetViewportExtEx(dc, scale.DeviceWidth, scale.DeviceHeight, nullptr);
    platform::SetViewportOrgEx(dc, 0, 0, nullptr);

    IsPrinting = true;
    ScopeExit endPrinting([this] { IsPrinting = false; });
    std::optional<ClipToLogicalRect> clip;
    if (ClipAllowed()) clip.emplace(dc, scale.Logical);
    FireEvent(OnBeforePrint, this, canvas, scale.Logical);
    RenderToMetafile(canvas, scale.Logical);
}

TRect TCustomChartPanel::ComputePrintRect() {
    if (PrintProportional) PrintMargins = ComputeProportionalMargins();
    TPrinter* printer = Printer();
    return PrintRectOnPage(PrintMargins, printer->PageWidth(), printer->PageHeight());
}

TRect TCustomChartPanel::ComputeProportionalMargins() {
    const TRect panel = PanelRect();
    int pageWidth = 0, pageHeight = 0;
    double ratio = 1;
    try {
        TPrinter* printer = Printer();
        pageWidth = printer->PageWidth();
        pageHeight = printer->PageHeight();
        platform::HDC dc = printer->Handle();
        const int vertical = platform::GetDeviceCaps(dc, platform::LOGPIXELSY);
        if (vertical > 0) ratio = double(platform::GetDeviceCaps(dc, platform::LOGPIXELSX)) / vertical;
    } catch (const EPrinter&) {
        // No printer at all: the screen stands in for the page.
        pageWidth = Screen->Width();
        pageHeight = Screen->Height();
        ratio = 1;
    }
    return ProportionalPrintMargins(panel.Width(), panel.Height(), pageWidth, pageHeight, ratio);
}

TPrintScale TCustomChartPanel::ComputePrintScale(const TRect& rect, const TRect& panelRect) const {
    return ScaleToLogical(rect, panelRect.Width(), panelRect.Height(), PrintScale);
}
