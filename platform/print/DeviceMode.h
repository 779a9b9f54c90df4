#pragma once
// The printer mode record: what a job asks of the printer (paper,
// orientation, copies, collation, tray, two-sided printing, resolution,
// colour), applied when a printer DC is made or reset. dmFields says which fields the caller set; the others take the
// printer's defaults.

#include "platform/print/PaperSizes.h"
#include "platform/system/BasicTypes.h"

#include <string>

namespace platform {

constexpr DWORD DM_ORIENTATION = 0x00000001;
constexpr DWORD DM_PAPERSIZE = 0x00000002;
constexpr DWORD DM_PAPERLENGTH = 0x00000004;
constexpr DWORD DM_PAPERWIDTH = 0x00000008;
constexpr DWORD DM_COPIES = 0x00000100;
constexpr DWORD DM_DEFAULTSOURCE = 0x00000200;
constexpr DWORD DM_PRINTQUALITY = 0x00000400;
constexpr DWORD DM_COLOR = 0x00000800;
constexpr DWORD DM_DUPLEX = 0x00001000;
constexpr DWORD DM_COLLATE = 0x00008000;

constexpr short DMORIENT_PORTRAIT = 1;
constexpr short DMORIENT_LANDSCAPE = 2;

constexpr short DMDUP_SIMPLEX = 1;
constexpr short DMDUP_VERTICAL = 2;    // turned on the long edge
constexpr short DMDUP_HORIZONTAL = 3;  // turned on the short edge

constexpr short DMBIN_AUTO = 7;
// Trays of a printer beyond the standard ones are numbered from here.
constexpr short DMBIN_USER = 256;

constexpr short DMCOLOR_MONOCHROME = 1;
constexpr short DMCOLOR_COLOR = 2;

constexpr short DMCOLLATE_FALSE = 0;
constexpr short DMCOLLATE_TRUE = 1;

struct DEVMODEA {
    std::string dmDeviceName;
    DWORD dmFields = 0;
    short dmOrientation = DMORIENT_PORTRAIT;
    short dmPaperSize = DMPAPER_A4;
    short dmPaperLength = 0;  // tenths of a millimetre, for DMPAPER_USER
    short dmPaperWidth = 0;
    short dmCopies = 1;
    short dmDefaultSource = DMBIN_AUTO;
    short dmPrintQuality = 0;  // dots per inch, the same across and down; 0: the printer's
    short dmColor = DMCOLOR_COLOR;
    short dmDuplex = DMDUP_SIMPLEX;
    short dmCollate = DMCOLLATE_TRUE;
};

}  // namespace platform
