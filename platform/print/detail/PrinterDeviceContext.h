#pragma once
// A printer's device context: a DC of the drawing layer whose surface is the
// page being printed (none outside a page, and none at all for an
// information context), at the printer's resolution, with the mode and the
// job it prints.

#include "platform/gdi/detail/DeviceContextState.h"
#include "platform/print/DeviceMode.h"
#include "platform/print/Printers.h"
#include "platform/print/detail/PrintJob.h"
#include "platform/print/detail/PrinterPageLayout.h"

#include <memory>
#include <optional>
#include <string>

namespace platform {

class PrinterDeviceContext : public DeviceContext {
public:
    // An empty printer name: the file-only printer.
    PrinterDeviceContext(std::string printer, std::optional<PrinterCapabilities> capabilities, bool information);

    const std::string& Printer() const { return printer_; }
    bool IsInformation() const { return information_; }
    const std::optional<PrinterCapabilities>& Capabilities() const { return capabilities_; }

    // Takes the mode's paper, orientation and resolution; false, with the
    // last error set, for a mode that cannot be printed (the DC keeps its
    // old one).
    bool ApplyMode(const DEVMODEA& mode);
    const DEVMODEA& Mode() const { return mode_; }
    const PrinterPageLayout& Layout() const { return layout_; }

    // The job between StartDoc and EndDoc or AbortDoc; an abandoned one
    // (the DC deleted meanwhile) leaves nothing behind.
    std::unique_ptr<PrintJob> job;

private:
    std::string printer_;
    std::optional<PrinterCapabilities> capabilities_;
    bool information_;
    DEVMODEA mode_;
    PrinterPageLayout layout_;
};

// The printer DC of a handle; null (ERROR_INVALID_HANDLE) for any other.
std::shared_ptr<PrinterDeviceContext> PrinterDcOrFail(HDC hdc);

}  // namespace platform
