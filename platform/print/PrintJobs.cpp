#include "platform/print/PrintJobs.h"

#include "platform/print/detail/CupsJobs.h"
#include "platform/print/detail/PrinterDeviceContext.h"
#include "platform/system/LastError.h"

#include <atomic>

namespace platform {
namespace {

thread_local std::string lastServerMessage;
std::atomic<int> jobNumbers{0};

int Fail(std::uint32_t error) {
    SetLastError(error);
    return SP_ERROR;
}

// The DC's job with an open page, or null with the last error set.
std::shared_ptr<PrinterDeviceContext> DcWithJob(HDC hdc) {
    auto dc = PrinterDcOrFail(hdc);
    if (dc && !dc->job) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return dc;
}

void EndJob(PrinterDeviceContext& dc) {
    dc.job.reset();
    dc.SetSurface(nullptr);
}

}  // namespace

int StartDocA(HDC hdc, const DOCINFOA* info) {
    auto dc = PrinterDcOrFail(hdc);
    if (!dc) return SP_ERROR;
    if (!info) return Fail(ERROR_INVALID_PARAMETER);
    if (dc->IsInformation()) return Fail(ERROR_INVALID_HANDLE);
    if (dc->job) return Fail(ERROR_BUSY);
    std::string output = info->lpszOutput ? info->lpszOutput : "";
    if (output.empty() && dc->Printer().empty()) return Fail(ERROR_INVALID_PRINTER_NAME);
    auto job = std::make_unique<PrintJob>();
    if (!job->Open(info->lpszDocName ? info->lpszDocName : "", output)) return SP_ERROR;
    dc->job = std::move(job);
    return ++jobNumbers;
}

int StartPage(HDC hdc) {
    auto dc = DcWithJob(hdc);
    if (!dc) return SP_ERROR;
    if (dc->job->PageOpen()) return Fail(ERROR_INVALID_PARAMETER);
    auto raster = dc->job->BeginPage(dc->Layout());
    if (!raster) return SP_ERROR;
    dc->SetSurface(std::move(raster));
    return 1;
}

int EndPage(HDC hdc) {
    auto dc = DcWithJob(hdc);
    if (!dc) return SP_ERROR;
    if (!dc->job->PageOpen()) return Fail(ERROR_INVALID_PARAMETER);
    dc->SetSurface(nullptr);
    return dc->job->EndPage() ? 1 : SP_ERROR;
}

int EndDoc(HDC hdc) {
    auto dc = DcWithJob(hdc);
    if (!dc) return SP_ERROR;
    if (dc->job->PageOpen() && EndPage(hdc) == SP_ERROR) {
        EndJob(*dc);
        return SP_ERROR;
    }
    PrintJob& job = *dc->job;
    bool done = job.Finish();
    if (done && job.OutputFile().empty()) {
        lastServerMessage.clear();
        done = SubmitToQueue(dc->Printer(), job.DocumentFile(), job.Title(), dc->Mode(), *dc->Capabilities(),
                             job.FirstPage(), lastServerMessage);
    }
    EndJob(*dc);
    return done ? 1 : SP_ERROR;
}

int AbortDoc(HDC hdc) {
    auto dc = DcWithJob(hdc);
    if (!dc) return SP_ERROR;
    EndJob(*dc);
    return 1;
}

std::string LastPrintServerMessage() { return lastServerMessage; }

}  // namespace platform
