// Chart printing: where the chart goes on the page (proportional and fixed
// margins, the print scale), the chart drawn into a rectangle of any canvas
// through the screen's drawing cycle, a job on the printer object into a PDF
// file, and failures that abort the job and leave the panel as it was.

#include "showcase/ChartShowcase.h"

#include "chart/print/PrintPageGeometry.h"
#include "platform/display/Display.h"
#include "platform/display/DisplayTesting.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/GdiObjects.h"
#include "tests/support/KeptFiles.h"
#include "tests/support/PdfPages.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/PrinterFixtures.h"
#include "ui/core/Exceptions.h"
#include "ui/printers/Printer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace {

TEST(PrintPageGeometry, ProportionalMarginsKeepThePanelsShape) {
    const struct {
        int panelWidth, panelHeight, pageWidth, pageHeight;
        double ratio;
        TRect margins;
    } cases[] = {
        // Twice as wide as high: 15 at the sides; Round(74.54...) div 2 = 37 above and below.
        {800, 400, 4800, 6600, 1.0, {15, 37, 15, 37}},
        // Square: 15 above and below; Round((4800 - 0.7 * 6600) * 100 / 4800) = 4, div 2 = 2.
        {500, 500, 4800, 6600, 1.0, {2, 15, 2, 15}},
        // Twice as high as wide: Round((4800 - 0.7 * 6600 / 2) * 100 / 4800) = 52, div 2 = 26.
        {300, 600, 4800, 6600, 1.0, {26, 15, 26, 15}},
        // A printer with twice the dots across: the height it needs doubles,
        // Round((6600 - 3360) * 100 / 6600) = 49, div 2 = 24.
        {800, 400, 4800, 6600, 2.0, {15, 24, 15, 24}},
        // Wide on a landscape page: Round((4800 - 0.7 * 6600 * 0.5) * 100 / 4800) = 52, div 2 = 26.
        {800, 400, 6600, 4800, 1.0, {15, 26, 15, 26}},
    };
    for (const auto& c : cases) {
        TRect m = ProportionalPrintMargins(c.panelWidth, c.panelHeight, c.pageWidth, c.pageHeight, c.ratio);
        EXPECT_EQ(m.Left, c.margins.Left) << c.panelWidth << "x" << c.panelHeight;
        EXPECT_EQ(m.Top, c.margins.Top) << c.panelWidth << "x" << c.panelHeight;
        EXPECT_EQ(m.Right, c.margins.Right) << c.panelWidth << "x" << c.panelHeight;
        EXPECT_EQ(m.Bottom, c.margins.Bottom) << c.panelWidth << "x" << c.panelHeight;
    }
}

TEST(PrintPageGeometry, FixedMarginsAndThePrintScale) {
    EXPECT_EQ(PrintRectOnPage({5, 10, 5, 10}, 4800, 6600), (TRect{240, 660, 4560, 5940}));
    EXPECT_EQ(PrintRectOnPage({15, 15, 15, 15}, 2480, 3508), (TRect{372, 526, 2108, 2982}));

    // Scale 0: the panel's pixels over the rectangle.
    TPrintScale s = ScaleToLogical({240, 660, 4560, 5940}, 800, 560, 0);
    EXPECT_EQ(s.LogicalWidth, 800);
    EXPECT_EQ(s.LogicalHeight, 560);
    EXPECT_EQ(s.DeviceWidth, 4320);
    EXPECT_EQ(s.DeviceHeight, 5280);
    EXPECT_EQ(s.Logical, (TRect{44, 70, 844, 630}));
    EXPECT_EQ(s.Logical.Width(), 800);
    // Scale 50: half the logical extent, so everything prints twice as large.
    s = ScaleToLogical({240, 660, 4560, 5940}, 800, 560, 50);
    EXPECT_EQ(s.LogicalWidth, 400);
    EXPECT_EQ(s.LogicalHeight, 280);
    EXPECT_EQ(s.Logical, (TRect{22, 35, 422, 315}));
    // A negative scale enlarges the logical area.
    EXPECT_EQ(ScaleToLogical({0, 0, 1000, 1000}, 800, 560, -50).LogicalWidth, 1200);

    EXPECT_EQ(OrderedRect({30, 40, 10, 20}), (TRect{10, 20, 30, 40}));
}

class ChartPrinting : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    void SetUp() override {
        show = BuildChartShowcase();
        show.Form->Show();
        platform::testing::PumpMessages();
    }
    void TearDown() override {
        show = TChartShowcase();
        platform::testing::PumpMessages();
    }
    TChart& Chart() { return *show.Chart; }
    static int CountOf(TBitmap& bitmap, const TRect& area, std::uint32_t rgb) {
        int n = 0;
        for (int y = area.Top; y < area.Bottom; ++y) {
            auto* row = static_cast<std::uint32_t*>(bitmap.ScanLine(y));
            for (int x = area.Left; x < area.Right; ++x) n += (row[x] & 0xFFFFFF) == rgb;
        }
        return n;
    }
    static int NonWhiteOutside(TBitmap& bitmap, const TRect& inside) {
        int n = 0;
        for (int y = 0; y < bitmap.Height(); ++y) {
            auto* row = static_cast<std::uint32_t*>(bitmap.ScanLine(y));
            for (int x = 0; x < bitmap.Width(); ++x)
                if (x < inside.Left || x >= inside.Right || y < inside.Top || y >= inside.Bottom)
                    n += (row[x] & 0xFFFFFF) != 0xFFFFFF;
        }
        return n;
    }

    TChartShowcase show;
};

TEST_F(ChartPrinting, DrawsTheChartIntoARectangleOfAnyCanvasAtTheScreensSize) {
    const TRect panel = Chart().PanelRect();
    std::unique_ptr<TBitmap> screen = Chart().CreateBitmap();
    TBitmap page(panel.Width() + 100, panel.Height() + 80, TPixelFormat::pf32bit);
    page.Canvas()->Brush()->SetColor(clWhite);
    page.Canvas()->FillRect(TRect{0, 0, page.Width(), page.Height()});
    const TRect target{60, 50, 60 + panel.Width(), 50 + panel.Height()};

    std::optional<TRect> told;
    bool printingWhenTold = false;
    Chart().OnBeforePrint = [&](TCustomChartPanel* sender, TCanvas* canvas, const TRect& r) {
        EXPECT_EQ(sender, &Chart());
        EXPECT_EQ(canvas, page.Canvas());
        told = r;
        printingWhenTold = sender->IsPrinting;
    };
    Chart().PrintOnPageArea(page.Canvas(), target);

    ASSERT_TRUE(told.has_value());
    EXPECT_EQ(*told, target);  // one logical unit a pixel at scale 0 and the panel's size
    EXPECT_TRUE(printingWhenTold);
    EXPECT_FALSE(Chart().IsPrinting);
    EXPECT_EQ(platform::GetMapMode(page.Canvas()->Handle()), platform::MM_TEXT);
    platform::HRGN clip = platform::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(platform::GetClipRgn(page.Canvas()->Handle(), clip), 0) << "the clip was left behind";
    platform::DeleteObject(clip);
    // The same drawing as on screen: each series' line, only inside the rectangle.
    const TRect whole{0, 0, panel.Width(), panel.Height()};
    for (TColor color : {TColor(clPurple), show.LeftSeries[0]->SeriesColor(), show.LeftSeries[1]->SeriesColor()}) {
        const std::uint32_t rgb = ColorToRGB(color);
        const std::uint32_t pixel = ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
        int onScreen = CountOf(*screen, whole, pixel);
        EXPECT_GT(onScreen, 100);
        EXPECT_EQ(CountOf(page, target, pixel), onScreen) << std::hex << pixel;
    }
    EXPECT_EQ(NonWhiteOutside(page, target), 0);
}

TEST_F(ChartPrinting, TheBeforePrintEventGetsLogicalUnitsWhateverTheDeviceSize) {
    const TRect panel = Chart().PanelRect();
    TBitmap page(2 * panel.Width() + 40, 2 * panel.Height() + 40, TPixelFormat::pf32bit);
    const struct {
        int scale;
        int logicalWidth, logicalHeight;
    } cases[] = {{0, panel.Width(), panel.Height()}, {50, panel.Width() / 2, panel.Height() / 2}};
    for (const auto& c : cases) {
        Chart().PrintScale = c.scale;
        TRect told;
        Chart().OnBeforePrint = [&](TCustomChartPanel*, TCanvas*, const TRect& r) { told = r; };
        // Drawn at twice the panel's size, given right to left and bottom to top.
        const TRect device{20 + 2 * panel.Width(), 20 + 2 * panel.Height(), 20, 20};
        Chart().PrintOnPageArea(page.Canvas(), device);
        const TPrintScale expected = ScaleToLogical(OrderedRect(device), panel.Width(), panel.Height(), c.scale);
        EXPECT_EQ(expected.LogicalWidth, c.logicalWidth);
        EXPECT_EQ(expected.LogicalHeight, c.logicalHeight);
        EXPECT_EQ(told, expected.Logical) << "scale " << c.scale;
        // The rectangle covers the logical extent: the device stretches it over the drawing.
        EXPECT_NEAR(told.Width(), c.logicalWidth, 1) << "scale " << c.scale;
        EXPECT_NEAR(told.Height(), c.logicalHeight, 1) << "scale " << c.scale;
    }
}

class ChartPrintJob : public ChartPrinting {
protected:
    NoPrintServer none;
    FreshPrinter fresh;
    TempFolder folder;
    std::string file = (folder.Path() / "chart.pdf").string();
};

TEST_F(ChartPrintJob, PrintsOnePageWithTheChartInsideTheMargins) {
    Chart().SetName("FlightChart");
    Chart().PrintProportional = false;
    Chart().PrintMargins = {5, 10, 5, 10};
    // A thick black frame marks the chart's edges on paper.
    Chart().Border().SetVisible(true);
    Chart().Border().SetColor(clBlack);
    Chart().Border().SetWidth(2);
    Printer()->OutputFile = file;
    Chart().Print();
    EXPECT_EQ(Printer()->Title, "FlightChart");
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_FALSE(Chart().IsPrinting);
    EXPECT_TRUE(Chart().RepaintOnChange());

    KeepForAPerson(file);
    ASSERT_EQ(pdfpages::PageCount(file), 1);
    constexpr int dpi = 100;
    pdfpages::Pixels page = pdfpages::RenderPage(file, 1, dpi);
    // A4: 827 x 1169 pixels at 100 dpi; the chart from 5 % to 95 % across, 10 % to 90 % down.
    ASSERT_NEAR(page.width, 827, 1);
    ASSERT_NEAR(page.height, 1169, 1);
    int left = page.width, top = page.height, right = -1, bottom = -1;
    for (int y = 0; y < page.height; ++y)
        for (int x = 0; x < page.width; ++x)
            if (page.Gray(x, y) < 128) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    EXPECT_NEAR(left, 41, 2);
    EXPECT_NEAR(right, 785, 2);
    EXPECT_NEAR(top, 117, 2);
    EXPECT_NEAR(bottom, 1051, 2);
    // The series are there in their colours (the purple voltage line).
    int purple = 0;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            const unsigned char* p = &page.rgb[(static_cast<std::size_t>(y) * page.width + x) * 3];
            purple += p[0] > 90 && p[1] < 60 && p[2] > 90;
        }
    EXPECT_GT(purple, 50);
}

TEST_F(ChartPrintJob, ProportionalMarginsAreWorkedOutFromThePageAndKept) {
    Chart().PrintProportional = true;
    const TRect panel = Chart().PanelRect();
    const TRect rect = Chart().ComputePrintRect();
    const TRect expected = ProportionalPrintMargins(panel.Width(), panel.Height(), 2480, 3508, 1.0);
    EXPECT_EQ(Chart().PrintMargins, expected);
    EXPECT_EQ(Chart().PrintMargins.Left, 15);  // the panel is wider than high
    EXPECT_EQ(rect, PrintRectOnPage(expected, 2480, 3508));
}

TEST_F(ChartPrintJob, AFailedJobReachesTheCallerAndLeavesThePanelAsItWas) {
    Printer()->OutputFile = (folder.Path() / "missing" / "chart.pdf").string();
    EXPECT_THROW(Chart().Print(), EPrinter);
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_FALSE(Chart().IsPrinting);
    EXPECT_TRUE(Chart().RepaintOnChange());
}

TEST_F(ChartPrintJob, AnErrorWhileDrawingAbortsTheJobAndWritesNothing) {
    Printer()->OutputFile = file;
    bool repaintWhileDrawing = true;
    Chart().OnBeforePrint = [&](TCustomChartPanel* sender, TCanvas*, const TRect&) {
        repaintWhileDrawing = sender->RepaintOnChange();
        throw EInvalidOperation("broken");
    };
    EXPECT_THROW(Chart().Print(), EInvalidOperation);
    EXPECT_FALSE(repaintWhileDrawing);
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_TRUE(Printer()->Aborted());
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_FALSE(Chart().IsPrinting);
    EXPECT_TRUE(Chart().RepaintOnChange());
    // The printer takes the next job.
    Chart().OnBeforePrint = nullptr;
    Chart().Print();
    EXPECT_EQ(pdfpages::PageCount(file), 1);
}

}  // namespace
