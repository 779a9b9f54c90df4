#pragma once
// The printers the system knows (the print server's queues) and what each
// offers. With no print server, or one without queues, the list is empty.

#include "platform/print/DeviceMode.h"
#include "platform/system/Geometry.h"

#include <string>
#include <vector>

namespace platform {

struct PrinterInfo {
    std::string name;
    std::string description;
    std::string location;
    bool isDefault = false;
};

// One paper a printer takes, in tenths of a millimetre, portrait; margins
// are what it cannot print on (left, top, right, bottom).
struct PrinterPaper {
    short code = 0;         // a standard code, or DMPAPER_USER + n for the printer's own
    std::string name;       // as the print server shows it
    std::string media;      // the server's keyword for it
    LONG width = 0;
    LONG height = 0;
    RECT margins;
};

struct PrinterTray {
    short code = 0;  // DMBIN_AUTO, or DMBIN_USER + n
    std::string name;
    std::string keyword;
};

struct PrinterCapabilities {
    std::vector<PrinterPaper> papers;
    short defaultPaper = DMPAPER_A4;
    std::vector<int> resolutions;  // dots per inch
    int defaultResolution = 0;
    std::vector<PrinterTray> trays;
    bool duplex = false;
    bool color = false;
};

std::vector<PrinterInfo> EnumPrinters();
// Empty when there is no printer.
std::string GetDefaultPrinterName();
// False, with ERROR_INVALID_PRINTER_NAME, for a name the server does not know.
bool GetPrinterCapabilities(const std::string& name, PrinterCapabilities& capabilities);
// The mode a job on this printer gets unless told otherwise.
bool GetPrinterDefaultMode(const std::string& name, DEVMODEA& mode);

}  // namespace platform
