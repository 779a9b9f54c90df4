#include "platform/print/detail/PdfDocument.h"

#include "platform/system/LastError.h"

#include <cairo-pdf.h>

#include <cerrno>
#include <unistd.h>

namespace platform {
namespace {

constexpr double PointsPerInch = 72.0;
// The first page's size is set again before anything is drawn on it.
constexpr double AnyPageSize = 1.0;

}  // namespace

PdfDocument::PdfDocument(int fd) : fd_(fd) {
    surface_ = cairo_pdf_surface_create_for_stream(&PdfDocument::Write, this, AnyPageSize, AnyPageSize);
}

PdfDocument::~PdfDocument() { cairo_surface_destroy(surface_); }

cairo_status_t PdfDocument::Write(void* closure, const unsigned char* data, unsigned int length) {
    auto* self = static_cast<PdfDocument*>(closure);
    while (length > 0) {
        ssize_t written = ::write(self->fd_, data, length);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            self->writeErrno_ = written < 0 ? errno : ENOSPC;
            return CAIRO_STATUS_WRITE_ERROR;
        }
        data += written;
        length -= static_cast<unsigned int>(written);
    }
    return CAIRO_STATUS_SUCCESS;
}

bool PdfDocument::Failed() {
    SetLastError(writeErrno_ ? ErrorFromErrno(writeErrno_) : ERROR_NOT_ENOUGH_MEMORY);
    return false;
}

bool PdfDocument::AddPage(const BitmapSurface& raster, const PrinterPageLayout& layout) {
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) return Failed();
    cairo_pdf_surface_set_size(surface_, layout.WidthPoints(), layout.HeightPoints());
    // The raster's rows are 0x00RRGGBB words as cairo's own, so it is read
    // where it lies rather than copied.
    cairo_surface_t* image = cairo_image_surface_create_for_data(
        const_cast<unsigned char*>(raster.Bits()), CAIRO_FORMAT_RGB24, raster.Width(), raster.Height(), raster.Stride());
    cairo_t* cr = cairo_create(surface_);
    DeviceContext::PrinterPage pixels = layout.Pixels();
    double scale = PointsPerInch / layout.dpi;
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, image, pixels.offset.x, pixels.offset.y);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_show_page(cr);
    cairo_status_t status = cairo_status(cr);
    cairo_destroy(cr);
    // Nothing may read the raster once the page is out: it is drawn over next.
    cairo_surface_finish(image);
    cairo_surface_destroy(image);
    if (status != CAIRO_STATUS_SUCCESS || cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) return Failed();
    return true;
}

bool PdfDocument::Finish() {
    cairo_surface_finish(surface_);
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) return Failed();
    return true;
}

}  // namespace platform
