#include "platform/print/detail/PrinterDeviceContext.h"

#include "platform/system/LastError.h"

namespace platform {

PrinterDeviceContext::PrinterDeviceContext(std::string printer, std::optional<PrinterCapabilities> capabilities,
                                           bool information)
    : DeviceContext(false),
      printer_(std::move(printer)),
      capabilities_(std::move(capabilities)),
      information_(information) {}

bool PrinterDeviceContext::ApplyMode(const DEVMODEA& mode) {
    PrinterPageLayout layout;
    if (!LayoutForMode(mode, capabilities_ ? &*capabilities_ : nullptr, layout)) return false;
    mode_ = mode;
    mode_.dmDeviceName = printer_;
    layout_ = layout;
    dpi = layout.dpi;
    printerPage = layout.Pixels();
    return true;
}

std::shared_ptr<PrinterDeviceContext> PrinterDcOrFail(HDC hdc) {
    auto dc = std::dynamic_pointer_cast<PrinterDeviceContext>(DcOrFail(hdc));
    if (!dc) SetLastError(ERROR_INVALID_HANDLE);
    return dc;
}

}  // namespace platform
