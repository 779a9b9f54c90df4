// module: report
// Writing a 1,000-page prepared report from 50,000 records into the page
// store (50 banded rows of two memos a page), with and without swapping
// pages to the temporary file, then saving it. Counters: the growth of the
// process's peak resident memory in MiB and the pages still in memory.
// (The generation engine does not drive it yet: the rows are written the
// way it writes them.)

#include "report/bands/Band.h"
#include "report/engine/CustomPreviewPages.h"
#include "report/objects/MemoView.h"
#include "report/objects/Page.h"
#include "report/objects/Report.h"
#include "report/objects/ReportClasses.h"
#include "report/prepared/PreviewPages.h"
#include "ui/core/MemoryStream.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <string>

namespace {

constexpr int kRecords = 50000;
constexpr int kRowsPerPage = 50;
constexpr double kMiB = 1024.0 * 1024.0;

double PeakResidentMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss * 1024.0 / kMiB;  // kilobytes
}

std::u16string Digits(int value) {
    const std::string text = std::to_string(value);
    return std::u16string(text.begin(), text.end());
}

class BenchStore : public TrpPreviewPages {
public:
    using TrpPreviewPages::TrpPreviewPages;
    void PaintPage(int, TCanvas*, double, double, double, double) override {}
    TCursor HandlePointer(const TrpPointerInput&) override { return crDefault; }
    void AppendReport(TrpReport*) override {}
    bool Print() override { return false; }
    bool ExportTo(TrpExportFilter*) override { return false; }
    void CachePicture(TrpPictureView*) override {}
};

void BM_Write1000Pages(benchmark::State& state) {
    RegisterReportClasses();
    const bool swap = state.range(0) != 0;
    const double before = PeakResidentMiB();
    int inMemory = 0;
    for (auto _ : state) {
        TrpReport report(nullptr);
        report.EngineOptions().UseFileCache = swap;
        report.EngineOptions().MaxMemSize = 1;
        auto* page = new TrpReportPage(&report);
        page->SetName("Page1");
        auto* row = new TrpReportTitle(page);
        row->SetName("Row");
        row->SetBounds(0, 0, 700, 20);
        auto* time = new TrpMemoView(row);
        time->SetName("Time");
        time->SetBounds(0, 0, 200, 20);
        auto* altitude = new TrpMemoView(row);
        altitude->SetName("Altitude");
        altitude->SetBounds(200, 0, 200, 20);

        BenchStore store(&report);
        store.StartPreparing();
        store.RegisterSourcePage(page);
        for (int record = 0; record < kRecords; ++record) {
            if (record % kRowsPerPage == 0) store.OpenPage(page);
            row->PrintStart();
            row->SetTop((record % kRowsPerPage) * row->Height());
            time->Memo()->SetText(u"Запись " + Digits(record));
            altitude->Memo()->SetText(Digits(record * 7 % 3000) + u" м");
            store.PutOnPage(row);
            row->PrintEnd();
        }
        store.FinishPreparing();
        TMemoryStream saved;
        store.SaveToStream(&saved);
        benchmark::DoNotOptimize(saved.Size());
        inMemory = 0;
        for (int i = 0; i < store.PageCount(); ++i) inMemory += store.Pages().Items(i)->Loaded ? 1 : 0;
        if (store.PageCount() != kRecords / kRowsPerPage) state.SkipWithError("wrong page count");
    }
    state.counters["peak_rss_growth_MiB"] = PeakResidentMiB() - before;
    state.counters["pages_in_memory"] = inMemory;
}

}  // namespace

BENCHMARK(BM_Write1000Pages)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);
