#include "platform/print/detail/CupsJobs.h"

#include "platform/system/LastError.h"

#include <cups/cups.h>
#include <cups/pwg.h>

#include <algorithm>

namespace platform {
namespace {

constexpr int HundredthsPerTenth = 10;

// The options a job carries, freed with the holder.
class JobOptions {
public:
    ~JobOptions() { cupsFreeOptions(count_, options_); }
    void Add(const char* name, const std::string& value) {
        count_ = cupsAddOption(name, value.c_str(), count_, &options_);
    }
    int Count() const { return count_; }
    cups_option_t* Options() const { return options_; }

private:
    int count_ = 0;
    cups_option_t* options_ = nullptr;
};

std::string MediaOf(const PrinterPageLayout& page) {
    if (!page.media.empty()) return page.media;
    // The paper as it lies in the printer: portrait.
    LONG across = std::min(page.paperWidth, page.paperHeight), down = std::max(page.paperWidth, page.paperHeight);
    const pwg_media_t* media = pwgMediaForSize(across * HundredthsPerTenth, down * HundredthsPerTenth);
    return media && media->pwg ? media->pwg : std::string();
}

const char* SidesOf(short duplex) {
    switch (duplex) {
        case DMDUP_VERTICAL: return CUPS_SIDES_TWO_SIDED_PORTRAIT;
        case DMDUP_HORIZONTAL: return CUPS_SIDES_TWO_SIDED_LANDSCAPE;
        default: return CUPS_SIDES_ONE_SIDED;
    }
}

void AddModeOptions(const DEVMODEA& mode, const PrinterCapabilities& caps, const PrinterPageLayout& page,
                    JobOptions& options) {
    options.Add("document-format", CUPS_FORMAT_PDF);
    std::string media = MediaOf(page);
    if (!media.empty()) options.Add(CUPS_MEDIA, media);
    // The pages' own shape tells the server how each lies; naming the
    // orientation as well would make it turn landscape pages a second time.
    int copies = (mode.dmFields & DM_COPIES) ? std::max<int>(mode.dmCopies, 1) : 1;
    options.Add(CUPS_COPIES, std::to_string(copies));
    if (copies > 1 && (mode.dmFields & DM_COLLATE))
        options.Add("multiple-document-handling", mode.dmCollate == DMCOLLATE_TRUE
                                                      ? "separate-documents-collated-copies"
                                                      : "separate-documents-uncollated-copies");
    if (mode.dmFields & DM_DUPLEX) options.Add(CUPS_SIDES, SidesOf(mode.dmDuplex));
    if ((mode.dmFields & DM_DEFAULTSOURCE) && mode.dmDefaultSource != DMBIN_AUTO) {
        auto tray = std::find_if(caps.trays.begin(), caps.trays.end(),
                                 [&](const PrinterTray& t) { return t.code == mode.dmDefaultSource; });
        if (tray != caps.trays.end() && !tray->keyword.empty()) options.Add(CUPS_MEDIA_SOURCE, tray->keyword);
    }
    if (mode.dmFields & DM_COLOR)
        options.Add("print-color-mode", mode.dmColor == DMCOLOR_MONOCHROME ? "monochrome" : "color");
}

}  // namespace

bool SubmitToQueue(const std::string& queue, const std::string& file, const std::string& title,
                   const DEVMODEA& mode, const PrinterCapabilities& capabilities,
                   const PrinterPageLayout& firstPage, std::string& message) {
    JobOptions options;
    AddModeOptions(mode, capabilities, firstPage, options);
    int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, queue.c_str(), file.c_str(), title.c_str(), options.Count(),
                             options.Options());
    if (job > 0) return true;
    message = cupsLastErrorString() ? cupsLastErrorString() : "";
    SetLastError(ERROR_NOT_READY);
    return false;
}

}  // namespace platform
