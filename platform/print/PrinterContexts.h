#pragma once
// Device contexts of printers: one to print on, one only to measure with (an
// information context, which has no pages), and a new mode for either
// between pages. Drawing on a printer DC is the drawing layer's own, at the
// printer's resolution; GetDeviceCaps answers the page's sizes (HORZRES,
// VERTRES, PHYSICALWIDTH/HEIGHT, PHYSICALOFFSETX/Y, LOGPIXELSX/Y).

#include "platform/gdi/GdiObjects.h"
#include "platform/print/DeviceMode.h"

namespace platform {

// The device name of the printer that only prints to files, for printing
// when the system has no printer: A4 at 300 dots per inch and no margins
// unless the mode says otherwise.
inline constexpr const char* FILE_ONLY_PRINTER = "";

// device: a printer's name, or FILE_ONLY_PRINTER; the driver and output are
// not used. A null mode takes the printer's defaults. Null, with the last
// error set, for a printer the system does not know (ERROR_INVALID_PRINTER_NAME)
// or a mode it cannot print (ERROR_INVALID_PARAMETER).
HDC CreateDCA(const char* driver, const char* device, const char* output, const DEVMODEA* mode);
HDC CreateICA(const char* driver, const char* device, const char* output, const DEVMODEA* mode);
// A new mode for the pages to come: not inside a page. Answers the DC, or
// null with the last error set (the DC keeps its mode).
HDC ResetDCA(HDC hdc, const DEVMODEA* mode);

}  // namespace platform
