// module: platform
// Fifty A4 pages at 300 dots per inch printed into a PDF file: memory should
// stay about one page's raster, since each page goes into the document as it
// ends. Counters: the raster of one page and the growth of the process's
// peak resident memory while printing, both in MiB.
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/RectFills.h"
#include "platform/print/PrintJobs.h"
#include "platform/print/PrinterContexts.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>

namespace {

constexpr int Pages = 50;
constexpr int Dpi = 300;
constexpr double MiB = 1024.0 * 1024.0;

double PeakResidentMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss * 1024.0 / MiB;  // kilobytes
}

void PrintFiftyPages(benchmark::State& state) {
    std::string file = (std::filesystem::temp_directory_path() / "velzar-bench-print.pdf").string();
    platform::DEVMODEA mode;
    mode.dmFields = platform::DM_PAPERSIZE | platform::DM_PRINTQUALITY;
    mode.dmPaperSize = platform::DMPAPER_A4;
    mode.dmPrintQuality = Dpi;
    double before = PeakResidentMiB();
    double raster = 0;
    for (auto _ : state) {
        platform::HDC dc = platform::CreateDCA(nullptr, platform::FILE_ONLY_PRINTER, nullptr, &mode);
        raster = 4.0 * platform::GetDeviceCaps(dc, platform::HORZRES) * platform::GetDeviceCaps(dc, platform::VERTRES) / MiB;
        platform::DOCINFOA info;
        info.lpszOutput = file.c_str();
        platform::StartDocA(dc, &info);
        for (int page = 0; page < Pages; ++page) {
            platform::StartPage(dc);
            platform::RECT box{100 + page * 40, 100 + page * 60, 600 + page * 40, 400 + page * 60};
            platform::FillRect(dc, &box, static_cast<platform::HBRUSH>(platform::GetStockObject(platform::BLACK_BRUSH)));
            platform::EndPage(dc);
        }
        if (platform::EndDoc(dc) <= 0) state.SkipWithError("the document was not written");
        platform::DeleteDC(dc);
    }
    state.counters["page_raster_MiB"] = raster;
    state.counters["peak_rss_growth_MiB"] = PeakResidentMiB() - before;
    std::filesystem::remove(file);
}

}  // namespace

BENCHMARK(PrintFiftyPages)->Iterations(1)->Unit(benchmark::kMillisecond);
