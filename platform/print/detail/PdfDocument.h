#pragma once
// A PDF document written page by page to an open file: each page is one
// raster placed on its paper, written out when the page is added, so the
// document never stays in memory.

#include "platform/gdi/BitmapSurface.h"
#include "platform/print/detail/PrinterPageLayout.h"

#include <cairo.h>

namespace platform {

class PdfDocument {
public:
    // The descriptor stays the caller's to close.
    explicit PdfDocument(int fd);
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    // The raster (32-bit, the printable area) at the layout's resolution and
    // offset on a paper of the layout's size. False, with the last error
    // set, when the document cannot be written.
    bool AddPage(const BitmapSurface& raster, const PrinterPageLayout& layout);
    // Writes the end of the document; false, with the last error set, when
    // any of it could not be written.
    bool Finish();

private:
    static cairo_status_t Write(void* closure, const unsigned char* data, unsigned int length);
    bool Failed();

    int fd_;
    int writeErrno_ = 0;
    cairo_surface_t* surface_ = nullptr;
};

}  // namespace platform
