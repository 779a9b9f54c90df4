#include "platform/print/PrinterContexts.h"

#include "platform/print/Printers.h"
#include "platform/print/detail/PrinterDeviceContext.h"
#include "platform/system/LastError.h"

#include <cstring>

namespace platform {
namespace {

HDC CreatePrinterContext(const char* device, const DEVMODEA* mode, bool information) {
    if (!device) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::string printer = device;
    std::optional<PrinterCapabilities> capabilities;
    DEVMODEA defaults;
    if (!printer.empty()) {
        capabilities.emplace();
        if (!GetPrinterCapabilities(printer, *capabilities) || !GetPrinterDefaultMode(printer, defaults))
            return nullptr;
    }
    auto dc = std::make_shared<PrinterDeviceContext>(printer, std::move(capabilities), information);
    if (!dc->ApplyMode(mode ? *mode : defaults)) return nullptr;
    return RegisterDC(std::move(dc));
}

}  // namespace

HDC CreateDCA(const char*, const char* device, const char*, const DEVMODEA* mode) {
    return CreatePrinterContext(device, mode, false);
}

HDC CreateICA(const char*, const char* device, const char*, const DEVMODEA* mode) {
    return CreatePrinterContext(device, mode, true);
}

HDC ResetDCA(HDC hdc, const DEVMODEA* mode) {
    auto dc = PrinterDcOrFail(hdc);
    if (!dc) return nullptr;
    if (!mode || (dc->job && dc->job->PageOpen())) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!dc->ApplyMode(*mode)) return nullptr;
    return hdc;
}

}  // namespace platform
