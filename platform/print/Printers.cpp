#include "platform/print/Printers.h"

#include "platform/print/detail/CupsDestinations.h"
#include "platform/system/LastError.h"

#include <cups/pwg.h>

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

// The server gives sizes in hundredths of a millimetre.
constexpr LONG HundredthsPerTenth = 10;

const char* DestOption(const cups_dest_t& dest, const char* name) {
    return cupsGetOption(name, dest.num_options, dest.options);
}

std::string PaperName(cups_dest_t& dest, cups_dinfo_t* info, cups_size_t& size) {
    if (const char* shown = cupsLocalizeDestMedia(CUPS_HTTP_DEFAULT, &dest, info, 0, &size)) return shown;
    if (const pwg_media_t* known = pwgMediaForPWG(size.media); known && known->ppd) return known->ppd;
    return size.media;
}

std::vector<PrinterPaper> PapersOf(cups_dest_t& dest, cups_dinfo_t* info) {
    std::vector<PrinterPaper> papers;
    int count = cupsGetDestMediaCount(CUPS_HTTP_DEFAULT, &dest, info, 0);
    short ownCodes = 0;
    for (int i = 0; i < count; ++i) {
        cups_size_t size{};
        if (!cupsGetDestMediaByIndex(CUPS_HTTP_DEFAULT, &dest, info, i, 0, &size)) continue;
        PrinterPaper paper;
        paper.media = size.media;
        paper.name = PaperName(dest, info, size);
        paper.width = size.width / HundredthsPerTenth;
        paper.height = size.length / HundredthsPerTenth;
        paper.margins = {size.left / HundredthsPerTenth, size.top / HundredthsPerTenth,
                         size.right / HundredthsPerTenth, size.bottom / HundredthsPerTenth};
        auto standard = StandardPaperOfSize(paper.width, paper.height);
        bool codeTaken = standard && std::any_of(papers.begin(), papers.end(),
                                                 [&](const PrinterPaper& p) { return p.code == standard->code; });
        paper.code = standard && !codeTaken ? standard->code : static_cast<short>(DMPAPER_USER + ++ownCodes);
        papers.push_back(std::move(paper));
    }
    return papers;
}

bool Supports(cups_dest_t& dest, cups_dinfo_t* info, const char* option, const char* value) {
    return cupsCheckDestSupported(CUPS_HTTP_DEFAULT, &dest, info, option, value) != 0;
}

std::vector<PrinterTray> TraysOf(cups_dest_t& dest, cups_dinfo_t* info) {
    std::vector<PrinterTray> trays{{DMBIN_AUTO, "Автовыбор", ""}};
    ipp_attribute_t* sources = cupsFindDestSupported(CUPS_HTTP_DEFAULT, &dest, info, CUPS_MEDIA_SOURCE);
    for (int i = 0; sources && i < ippGetCount(sources); ++i) {
        const char* keyword = ippGetString(sources, i, nullptr);
        if (!keyword || std::strcmp(keyword, "auto") == 0) continue;
        const char* shown = cupsLocalizeDestValue(CUPS_HTTP_DEFAULT, &dest, info, CUPS_MEDIA_SOURCE, keyword);
        trays.push_back({static_cast<short>(DMBIN_USER + trays.size()), shown ? shown : keyword, keyword});
    }
    return trays;
}

void ReadResolutions(cups_dest_t& dest, cups_dinfo_t* info, PrinterCapabilities& caps) {
    ipp_attribute_t* supported = cupsFindDestSupported(CUPS_HTTP_DEFAULT, &dest, info, "printer-resolution");
    for (int i = 0; supported && i < ippGetCount(supported); ++i) {
        int down = 0;
        ipp_res_t units{};
        int across = ippGetResolution(supported, i, &down, &units);
        if (units == IPP_RES_PER_INCH && across > 0) caps.resolutions.push_back(across);
    }
    ipp_attribute_t* chosen = cupsFindDestDefault(CUPS_HTTP_DEFAULT, &dest, info, "printer-resolution");
    if (chosen) {
        int down = 0;
        ipp_res_t units{};
        int across = ippGetResolution(chosen, 0, &down, &units);
        if (units == IPP_RES_PER_INCH && across > 0) caps.defaultResolution = across;
    }
    if (caps.defaultResolution == 0 && !caps.resolutions.empty()) caps.defaultResolution = caps.resolutions.front();
}

short DefaultPaperOf(cups_dest_t& dest, cups_dinfo_t* info, const std::vector<PrinterPaper>& papers) {
    // The queue's own default first: the library's default media call
    // prefers the user's locale to it.
    std::string media;
    if (ipp_attribute_t* chosen = cupsFindDestDefault(CUPS_HTTP_DEFAULT, &dest, info, CUPS_MEDIA)) {
        if (const char* keyword = ippGetString(chosen, 0, nullptr)) media = keyword;
    }
    cups_size_t size{};
    if (media.empty() && cupsGetDestMediaDefault(CUPS_HTTP_DEFAULT, &dest, info, 0, &size)) media = size.media;
    for (const PrinterPaper& p : papers)
        if (p.media == media) return p.code;
    return papers.empty() ? DMPAPER_A4 : papers.front().code;
}

}  // namespace

std::vector<PrinterInfo> EnumPrinters() {
    CupsDestinations dests;
    std::vector<PrinterInfo> printers;
    for (int i = 0; i < dests.Count(); ++i) {
        cups_dest_t& dest = dests.At(i);
        if (dest.instance) continue;  // a saved set of options, not a printer
        PrinterInfo info;
        info.name = dest.name;
        if (const char* text = DestOption(dest, "printer-info")) info.description = text;
        if (const char* text = DestOption(dest, "printer-location")) info.location = text;
        info.isDefault = dest.is_default != 0;
        printers.push_back(std::move(info));
    }
    return printers;
}

std::string GetDefaultPrinterName() {
    for (const PrinterInfo& p : EnumPrinters())
        if (p.isDefault) return p.name;
    return {};
}

bool GetPrinterCapabilities(const std::string& name, PrinterCapabilities& capabilities) {
    CupsDestinations dests;
    cups_dest_t* dest = dests.Find(name);
    if (!dest) {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return false;
    }
    CupsDestInfo info = CopyDestInfo(*dest);
    PrinterCapabilities caps;
    caps.papers = PapersOf(*dest, info.get());
    caps.defaultPaper = DefaultPaperOf(*dest, info.get(), caps.papers);
    ReadResolutions(*dest, info.get(), caps);
    caps.trays = TraysOf(*dest, info.get());
    caps.duplex = Supports(*dest, info.get(), CUPS_SIDES, CUPS_SIDES_TWO_SIDED_PORTRAIT);
    caps.color = Supports(*dest, info.get(), "print-color-mode", "color");
    capabilities = std::move(caps);
    return true;
}

bool GetPrinterDefaultMode(const std::string& name, DEVMODEA& mode) {
    PrinterCapabilities caps;
    if (!GetPrinterCapabilities(name, caps)) return false;
    DEVMODEA defaults;
    defaults.dmDeviceName = name;
    defaults.dmPaperSize = caps.defaultPaper;
    defaults.dmPrintQuality = static_cast<short>(caps.defaultResolution);
    defaults.dmColor = caps.color ? DMCOLOR_COLOR : DMCOLOR_MONOCHROME;
    mode = defaults;
    return true;
}

}  // namespace platform
