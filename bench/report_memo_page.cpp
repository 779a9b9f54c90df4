// module: report
// A printed page of the settings printout holds about a hundred memos; each
// is laid out at 600 dpi and drawn at the printer's resolution. Here: a page
// of 60 memos of mixed text (short values, wrapped Russian and Latin
// paragraphs with hyphenation, justified, centred and turned), laid out only,
// and laid out and drawn at 600 dpi and on the screen at 100 %.
#include "report/layout/DrawText.h"
#include "report/objects/MemoView.h"
#include "report/objects/Page.h"
#include "report/objects/Report.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/print/PrinterContexts.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kMemos = 60;
constexpr int kColumns = 3;
constexpr double kMemoWidth = 240, kMemoHeight = 48;
constexpr double kPageWidth = 794, kPageHeight = 1123;  // A4 in report units
constexpr int kPrinterDpi = 600;

const char16_t* const kTexts[] = {
    u"Высота 1250 м",
    u"Активный участок подъёма продолжался до выгорания топлива второй ступени",
    u"The quick brown fox jumps over the lazy dog near the launch pad",
    u"Скорость, м/с: 312,5",
    u"Программирование контроллера выполнено; параметры записаны в энергонезависимую память",
    u"Apogee reached at 14,2 s; drogue deployed",
};

struct PageOfMemos {
    TrpReport report{nullptr};
    PageOfMemos() {
        auto* page = new TrpReportPage(&report);
        page->SetParent(&report);
        for (int i = 0; i < kMemos; ++i) {
            auto* memo = new TrpMemoView(&report);
            memo->SetParent(page);
            memo->SetBounds(20 + (i % kColumns) * (kMemoWidth + 10), 20 + (i / kColumns) * (kMemoHeight + 6),
                            kMemoWidth, kMemoHeight);
            memo->SetParentFont(false);
            memo->Font()->SetName(i % 4 == 3 ? "Courier New" : i % 2 ? "Tahoma" : "Arial");
            memo->Font()->SetSize(i % 5 == 0 ? 12 : 9);
            memo->WordBreak = i % 3 == 1;
            memo->HAlign = static_cast<TrpHAlign>(i % 4);
            if (i % 10 == 9) memo->SetRotation(90);
            memo->Memo()->SetText(kTexts[i % std::size(kTexts)]);
        }
    }
    void Draw(TCanvas& canvas, double scale) {
        for (int i = 0; i < report.ComponentCount(); ++i)
            if (auto* memo = dynamic_cast<TrpMemoView*>(report.Components(i))) memo->Draw(canvas, scale, scale, 0, 0);
    }
    double Heights() {
        double total = 0;
        for (int i = 0; i < report.ComponentCount(); ++i)
            if (auto* memo = dynamic_cast<TrpMemoView*>(report.Components(i))) total += memo->CalcHeight();
        return total;
    }
};

// A white A4 page at the printer's resolution, which the layout treats as the printer.
class PrinterPage {
public:
    PrinterPage() {
        platform::DEVMODEA mode;
        mode.dmFields = platform::DM_PRINTQUALITY;
        mode.dmPrintQuality = kPrinterDpi;
        info_ = platform::CreateICA(nullptr, platform::FILE_ONLY_PRINTER, nullptr, &mode);
        dc_ = platform::CreateCompatibleDC(info_);
        bitmap_ = platform::CreateBitmap(Pixels(kPageWidth), Pixels(kPageHeight), 1, 32, nullptr);
        previous_ = platform::SelectObject(dc_, bitmap_);
        canvas_.SetHandle(dc_);
        TrpDrawText::SetPrinterCanvas(&canvas_);
    }
    ~PrinterPage() {
        TrpDrawText::SetPrinterCanvas(nullptr);
        canvas_.SetHandle(nullptr);
        platform::SelectObject(dc_, previous_);
        platform::DeleteObject(bitmap_);
        platform::DeleteDC(dc_);
        platform::DeleteDC(info_);
    }
    static int Pixels(double units) { return static_cast<int>(units * kPrinterDpi / TrpDrawText::ScrPPI); }
    TCanvas& Canvas() { return canvas_; }

private:
    platform::HDC info_ = nullptr, dc_ = nullptr;
    platform::HBITMAP bitmap_ = nullptr;
    platform::HGDIOBJ previous_ = nullptr;
    TCanvas canvas_;
};

void BM_LayOutSixtyMemos(benchmark::State& state) {
    PageOfMemos page;
    for (auto _ : state) benchmark::DoNotOptimize(page.Heights());
    state.SetItemsProcessed(state.iterations() * kMemos);
}
BENCHMARK(BM_LayOutSixtyMemos)->Unit(benchmark::kMillisecond);

void BM_DrawSixtyMemosAt600Dpi(benchmark::State& state) {
    PageOfMemos page;
    PrinterPage printer;
    const double scale = static_cast<double>(kPrinterDpi) / TrpDrawText::ScrPPI;
    for (auto _ : state) page.Draw(printer.Canvas(), scale);
    state.SetItemsProcessed(state.iterations() * kMemos);
}
BENCHMARK(BM_DrawSixtyMemosAt600Dpi)->Unit(benchmark::kMillisecond);

void BM_DrawSixtyMemosOnScreen(benchmark::State& state) {
    PageOfMemos page;
    TBitmap screen(static_cast<int>(kPageWidth), static_cast<int>(kPageHeight));
    for (auto _ : state) page.Draw(*screen.Canvas(), 1);
    state.SetItemsProcessed(state.iterations() * kMemos);
}
BENCHMARK(BM_DrawSixtyMemosOnScreen)->Unit(benchmark::kMillisecond);

}  // namespace
