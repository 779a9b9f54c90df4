#pragma once
// Hands a finished document to a print-server queue with the mode's options.

#include "platform/print/DeviceMode.h"
#include "platform/print/detail/PrinterPageLayout.h"

#include <string>

namespace platform {

// False, with ERROR_NOT_READY and the server's own words in `message`, when
// the server refuses the job or cannot be reached.
bool SubmitToQueue(const std::string& queue, const std::string& file, const std::string& title,
                   const DEVMODEA& mode, const PrinterCapabilities& capabilities,
                   const PrinterPageLayout& firstPage, std::string& message);

}  // namespace platform
