#include "platform/print/detail/PrintJob.h"

#include "platform/system/LastError.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr Pixel PaperWhite = 0x00FFFFFF;
// A printed document is readable by others, as files the user saves are.
constexpr mode_t DocumentPermissions = 0644;

bool Fail(int error) {
    SetLastError(ErrorFromErrno(error));
    return false;
}

std::string TemporaryNameFor(const std::string& outputFile) {
    if (!outputFile.empty()) return outputFile + ".XXXXXX";
    return (std::filesystem::temp_directory_path() / "velzar-print-XXXXXX").string();
}

}  // namespace

PrintJob::~PrintJob() { Discard(); }

bool PrintJob::Open(const std::string& title, const std::string& outputFile) {
    if (!outputFile.empty() && std::filesystem::is_directory(outputFile)) {
        SetLastError(ERROR_DIRECTORY_NOT_SUPPORTED);
        return false;
    }
    std::string name = TemporaryNameFor(outputFile);
    int fd = ::mkstemp(name.data());
    if (fd < 0 && errno == ENOENT) {
        // The file is new, so only its folder can be missing.
        SetLastError(ERROR_PATH_NOT_FOUND);
        return false;
    }
    if (fd < 0) return Fail(errno);
    ::fchmod(fd, DocumentPermissions);
    title_ = title;
    outputFile_ = outputFile;
    documentFile_ = name;
    fd_ = fd;
    pdf_ = std::make_unique<PdfDocument>(fd_);
    return true;
}

std::shared_ptr<BitmapSurface> PrintJob::BeginPage(const PrinterPageLayout& layout) {
    DeviceContext::PrinterPage pixels = layout.Pixels();
    // One raster for the whole job, made again only when the page size changes.
    if (!raster_ || raster_->Width() != pixels.printable.cx || raster_->Height() != pixels.printable.cy) {
        raster_.reset();
        raster_ = BitmapSurface::Create(pixels.printable.cx, pixels.printable.cy, 32, true);
        if (!raster_) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return nullptr;
        }
    }
    for (LONG y = 0; y < raster_->Height(); ++y) std::fill_n(raster_->Row32(y), raster_->Width(), PaperWhite);
    page_ = layout;
    if (pages_ == 0) firstPage_ = layout;
    pageOpen_ = true;
    return raster_;
}

bool PrintJob::EndPage() {
    pageOpen_ = false;
    if (!pdf_->AddPage(*raster_, page_)) return false;
    ++pages_;
    return true;
}

bool PrintJob::Finish() {
    bool written = pdf_->Finish();
    int closed = ::close(fd_);
    int closeError = errno;
    fd_ = -1;
    raster_.reset();
    if (!written) return false;
    if (closed != 0) return Fail(closeError);
    if (!outputFile_.empty()) {
        if (std::rename(documentFile_.c_str(), outputFile_.c_str()) != 0) return Fail(errno);
        documentFile_.clear();
    }
    return true;
}

void PrintJob::Discard() {
    pdf_.reset();
    raster_.reset();
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!documentFile_.empty()) ::unlink(documentFile_.c_str());
    documentFile_.clear();
    pageOpen_ = false;
}

}  // namespace platform
