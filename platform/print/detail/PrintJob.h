#pragma once
// One document being printed: the page being drawn (the only raster held)
// and the PDF its finished pages went into. The PDF is written to a
// temporary file beside the chosen output file (renamed over it at the end,
// so a failed job never spoils a file that was there) or, for a queue, in
// the temporary folder (removed once the server has it).

#include "platform/gdi/BitmapSurface.h"
#include "platform/print/detail/PdfDocument.h"
#include "platform/print/detail/PrinterPageLayout.h"

#include <memory>
#include <string>

namespace platform {

class PrintJob {
public:
    PrintJob() = default;
    // An unfinished job leaves nothing behind.
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // False, with the last error set, when the file cannot be made.
    // An empty output file: a temporary file for a queue.
    bool Open(const std::string& title, const std::string& outputFile);
    const std::string& Title() const { return title_; }
    const std::string& OutputFile() const { return outputFile_; }
    const std::string& DocumentFile() const { return documentFile_; }

    // The page's raster, white, of the layout's printable size; null, with
    // the last error set, when it does not fit in memory.
    std::shared_ptr<BitmapSurface> BeginPage(const PrinterPageLayout& layout);
    bool PageOpen() const { return pageOpen_; }
    bool EndPage();
    int Pages() const { return pages_; }
    // The layout of the first page, for the job's paper.
    const PrinterPageLayout& FirstPage() const { return firstPage_; }

    // Ends the document: an output file takes its place. False, with the
    // last error set, when it cannot be written.
    bool Finish();
    // Removes the document; the output file, if any, stays as it was.
    void Discard();

private:
    std::string title_;
    std::string outputFile_;
    std::string documentFile_;
    int fd_ = -1;
    std::unique_ptr<PdfDocument> pdf_;
    std::shared_ptr<BitmapSurface> raster_;
    PrinterPageLayout page_;
    PrinterPageLayout firstPage_;
    bool pageOpen_ = false;
    int pages_ = 0;
};

}  // namespace platform
