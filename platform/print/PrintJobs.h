#pragma once
// Print jobs on a printer DC: StartDocA, then StartPage/EndPage for each
// page, then EndDoc (or AbortDoc). Each page is drawn into one page raster
// and goes into the job's PDF document when it ends; EndDoc writes the
// document to the output file, or hands it to the printer's queue.

#include "platform/gdi/GdiObjects.h"

#include <string>

namespace platform {

constexpr int SP_ERROR = -1;

struct DOCINFOA {
    int cbSize = sizeof(DOCINFOA);
    const char* lpszDocName = nullptr;
    // A file to print to instead of the printer; null or empty: the printer.
    const char* lpszOutput = nullptr;
    const char* lpszDatatype = nullptr;
    DWORD fwType = 0;
};

// A positive job number, or SP_ERROR with the last error set: an information
// context (ERROR_INVALID_HANDLE), a job already running (ERROR_BUSY), the
// file-only printer without an output file (ERROR_INVALID_PRINTER_NAME), an
// output file that cannot be made.
int StartDocA(HDC hdc, const DOCINFOA* info);
// The page's raster, white, becomes the DC's surface until EndPage.
int StartPage(HDC hdc);
int EndPage(HDC hdc);
// Positive when the document reached its output file or the printer's queue
// took it; SP_ERROR when it did not (ERROR_NOT_READY: the print server
// refused the job or could not be reached; LastPrintServerMessage says why).
int EndDoc(HDC hdc);
// Drops the job: nothing is printed and no output file is written.
int AbortDoc(HDC hdc);

// The print server's own words for the last job it refused on this
// thread; empty when it said nothing.
std::string LastPrintServerMessage();

}  // namespace platform
