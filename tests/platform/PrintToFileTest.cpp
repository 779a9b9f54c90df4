// Printing without a print server: the file-only printer's pages, their
// sizes and their pixels as a PDF reader shows them.
#include "../support/PdfPages.h"
#include "../support/TempFolder.h"

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/LinesShapes.h"
#include "platform/gdi/RectFills.h"
#include "platform/print/PrintJobs.h"
#include "platform/print/PrinterContexts.h"
#include "platform/system/LastError.h"
#include "platform/text/TextOut.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace platform;

namespace {

constexpr double A4WidthPoints = 595.276, A4HeightPoints = 841.89;
constexpr double PointTolerance = 0.5;
constexpr int RenderDpi = 100;

DEVMODEA ModeAt(int dpi, short orientation = DMORIENT_PORTRAIT) {
    DEVMODEA mode;
    mode.dmFields = DM_PAPERSIZE | DM_ORIENTATION | DM_PRINTQUALITY;
    mode.dmPaperSize = DMPAPER_A4;
    mode.dmOrientation = orientation;
    mode.dmPrintQuality = static_cast<short>(dpi);
    return mode;
}

struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using ScopedDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

ScopedDc FileDc(const DEVMODEA& mode) { return ScopedDc(CreateDCA(nullptr, FILE_ONLY_PRINTER, nullptr, &mode)); }

int StartDocTo(HDC dc, const std::string& file) {
    DOCINFOA info;
    info.lpszDocName = "Проверка";
    info.lpszOutput = file.c_str();
    return StartDocA(dc, &info);
}

void FillBlack(HDC dc, RECT r) { FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))); }

// A device pixel of the page (drawn at `dpi`) seen on the rendered page.
int GrayAt(const pdfpages::Pixels& page, int dpi, int x, int y) {
    return page.Gray(x * RenderDpi / dpi, y * RenderDpi / dpi);
}

TEST(PrinterDeviceCaps, A4AtThreeAndSixHundredDotsPerInch) {
    const struct {
        int dpi;
        short orientation;
        int width, height;  // pixels of the sheet
    } cases[] = {
        {300, DMORIENT_PORTRAIT, 2480, 3508},
        {600, DMORIENT_PORTRAIT, 4961, 7016},
        {300, DMORIENT_LANDSCAPE, 3508, 2480},
        {600, DMORIENT_LANDSCAPE, 7016, 4961},
    };
    for (const auto& c : cases) {
        ScopedDc dc = FileDc(ModeAt(c.dpi, c.orientation));
        ASSERT_TRUE(dc) << c.dpi;
        SCOPED_TRACE(std::to_string(c.dpi) + " dpi, orientation " + std::to_string(c.orientation));
        EXPECT_EQ(GetDeviceCaps(dc.get(), LOGPIXELSX), c.dpi);
        EXPECT_EQ(GetDeviceCaps(dc.get(), LOGPIXELSY), c.dpi);
        EXPECT_EQ(GetDeviceCaps(dc.get(), PHYSICALWIDTH), c.width);
        EXPECT_EQ(GetDeviceCaps(dc.get(), PHYSICALHEIGHT), c.height);
        // No margins on a file: the printable area is the whole sheet.
        EXPECT_EQ(GetDeviceCaps(dc.get(), HORZRES), c.width);
        EXPECT_EQ(GetDeviceCaps(dc.get(), VERTRES), c.height);
        EXPECT_EQ(GetDeviceCaps(dc.get(), PHYSICALOFFSETX), 0);
        EXPECT_EQ(GetDeviceCaps(dc.get(), PHYSICALOFFSETY), 0);
        bool portrait = c.orientation == DMORIENT_PORTRAIT;
        EXPECT_EQ(GetDeviceCaps(dc.get(), HORZSIZE), portrait ? 210 : 297);
        EXPECT_EQ(GetDeviceCaps(dc.get(), VERTSIZE), portrait ? 297 : 210);
    }
}

TEST(PrinterDeviceCaps, AnInformationContextAnswersTheSameAndPrintsNothing) {
    DEVMODEA mode = ModeAt(600);
    ScopedDc ic(CreateICA(nullptr, FILE_ONLY_PRINTER, nullptr, &mode));
    ASSERT_TRUE(ic);
    EXPECT_EQ(GetDeviceCaps(ic.get(), HORZRES), 4961);
    EXPECT_EQ(GetDeviceCaps(ic.get(), LOGPIXELSY), 600);
    // Drawing without a page goes nowhere and harms nothing.
    Rectangle(ic.get(), 10, 10, 100, 100);
    TextOutA(ic.get(), 10, 10, "Высота", 12);
    TempFolder folder;
    std::string file = (folder.Path() / "x.pdf").string();
    EXPECT_EQ(StartDocTo(ic.get(), file), SP_ERROR);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(PrinterDeviceCaps, ModesThatCannotBePrintedAreRefused) {
    DEVMODEA unknownPaper = ModeAt(300);
    unknownPaper.dmPaperSize = 48;  // no such standard paper
    DEVMODEA tooFine = ModeAt(4800);
    DEVMODEA noCustomSize = ModeAt(300);
    noCustomSize.dmPaperSize = DMPAPER_USER;
    DEVMODEA oddOrientation = ModeAt(300);
    oddOrientation.dmOrientation = 3;
    for (const DEVMODEA* mode : {&unknownPaper, &tooFine, &noCustomSize, &oddOrientation}) {
        SetLastError(0);
        EXPECT_EQ(CreateDCA(nullptr, FILE_ONLY_PRINTER, nullptr, mode), nullptr);
        EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    }
    DEVMODEA custom = ModeAt(100);
    custom.dmFields |= DM_PAPERWIDTH | DM_PAPERLENGTH;
    custom.dmPaperSize = DMPAPER_USER;
    custom.dmPaperWidth = 1000;  // 10 x 5 cm
    custom.dmPaperLength = 500;
    ScopedDc dc = FileDc(custom);
    ASSERT_TRUE(dc);
    EXPECT_EQ(GetDeviceCaps(dc.get(), PHYSICALWIDTH), 394);
    EXPECT_EQ(GetDeviceCaps(dc.get(), PHYSICALHEIGHT), 197);
}

struct PrintToFileTest : ::testing::Test {
    TempFolder folder;
    std::string file = (folder.Path() / "pages.pdf").string();
};

TEST_F(PrintToFileTest, TwoPagesPortraitThenLandscapeWithTheirRectangles) {
    constexpr int dpi = 300;
    ScopedDc dc = FileDc(ModeAt(dpi));
    ASSERT_TRUE(dc);
    ASSERT_GT(StartDocTo(dc.get(), file), 0);
    const RECT first{300, 600, 900, 1200};
    ASSERT_GT(StartPage(dc.get()), 0);
    FillBlack(dc.get(), first);
    ASSERT_GT(EndPage(dc.get()), 0);
    DEVMODEA landscape = ModeAt(dpi, DMORIENT_LANDSCAPE);
    ASSERT_EQ(ResetDCA(dc.get(), &landscape), dc.get());
    EXPECT_EQ(GetDeviceCaps(dc.get(), HORZRES), 3508);
    const RECT second{1500, 1500, 2100, 2100};
    ASSERT_GT(StartPage(dc.get()), 0);
    FillBlack(dc.get(), second);
    ASSERT_GT(EndPage(dc.get()), 0);
    ASSERT_GT(EndDoc(dc.get()), 0);

    ASSERT_EQ(pdfpages::PageCount(file), 2);
    auto size1 = pdfpages::PageSize(file, 1), size2 = pdfpages::PageSize(file, 2);
    EXPECT_NEAR(size1.width, A4WidthPoints, PointTolerance);
    EXPECT_NEAR(size1.height, A4HeightPoints, PointTolerance);
    EXPECT_NEAR(size2.width, A4HeightPoints, PointTolerance);
    EXPECT_NEAR(size2.height, A4WidthPoints, PointTolerance);

    auto page1 = pdfpages::RenderPage(file, 1, RenderDpi);
    auto page2 = pdfpages::RenderPage(file, 2, RenderDpi);
    EXPECT_EQ(page2.width, page1.height);
    // Inside each rectangle black, just outside it white; the first page
    // keeps its own drawing though the raster was drawn over for the second.
    EXPECT_LT(GrayAt(page1, dpi, 310, 610), 40);
    EXPECT_LT(GrayAt(page1, dpi, 890, 1190), 40);
    EXPECT_GT(GrayAt(page1, dpi, 290, 600), 215);
    EXPECT_GT(GrayAt(page1, dpi, 920, 1220), 215);
    EXPECT_GT(GrayAt(page1, dpi, 1800, 1800), 215);  // the second page's place
    EXPECT_LT(GrayAt(page2, dpi, 1510, 1510), 40);
    EXPECT_LT(GrayAt(page2, dpi, 2090, 2090), 40);
    EXPECT_GT(GrayAt(page2, dpi, 1480, 1800), 215);
    EXPECT_GT(GrayAt(page2, dpi, 600, 900), 215);  // the first page's place
}

TEST_F(PrintToFileTest, TheFileOnlyPrinterNeedsAFile) {
    ScopedDc dc = FileDc(ModeAt(300));
    DOCINFOA toPrinter;
    toPrinter.lpszDocName = "x";
    EXPECT_EQ(StartDocA(dc.get(), &toPrinter), SP_ERROR);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PRINTER_NAME);
}

TEST_F(PrintToFileTest, AnAbortedJobLeavesTheOldFileAsItWas) {
    {
        std::ofstream(file) << "kept";
    }
    ScopedDc dc = FileDc(ModeAt(300));
    ASSERT_GT(StartDocTo(dc.get(), file), 0);
    ASSERT_GT(StartPage(dc.get()), 0);
    FillBlack(dc.get(), {0, 0, 100, 100});
    ASSERT_GT(EndPage(dc.get()), 0);
    ASSERT_GT(AbortDoc(dc.get()), 0);
    std::ifstream in(file);
    std::string text;
    in >> text;
    EXPECT_EQ(text, "kept");
    // Nothing else is left in the folder either.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST_F(PrintToFileTest, ADeletedDcDropsItsJob) {
    ScopedDc dc = FileDc(ModeAt(300));
    ASSERT_GT(StartDocTo(dc.get(), file), 0);
    ASSERT_GT(StartPage(dc.get()), 0);
    dc.reset();
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST_F(PrintToFileTest, AFileThatCannotBeMadeFailsAtTheStart) {
    ScopedDc dc = FileDc(ModeAt(300));
    const struct {
        std::string file;
        std::uint32_t error;
    } cases[] = {
        {(folder.Path() / "no-such-folder" / "x.pdf").string(), ERROR_PATH_NOT_FOUND},
        {folder.Path().string(), ERROR_DIRECTORY_NOT_SUPPORTED},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StartDocTo(dc.get(), c.file), SP_ERROR) << c.file;
        EXPECT_EQ(GetLastError(), c.error) << c.file;
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST_F(PrintToFileTest, PagesOutOfOrderAreRefused) {
    ScopedDc dc = FileDc(ModeAt(300));
    EXPECT_EQ(StartPage(dc.get()), SP_ERROR);  // no document
    ASSERT_GT(StartDocTo(dc.get(), file), 0);
    EXPECT_EQ(StartDocTo(dc.get(), file), SP_ERROR);
    EXPECT_EQ(GetLastError(), ERROR_BUSY);
    EXPECT_EQ(EndPage(dc.get()), SP_ERROR);  // no page
    ASSERT_GT(StartPage(dc.get()), 0);
    EXPECT_EQ(StartPage(dc.get()), SP_ERROR);
    DEVMODEA other = ModeAt(600);
    EXPECT_EQ(ResetDCA(dc.get(), &other), nullptr);  // not inside a page
    EXPECT_EQ(GetDeviceCaps(dc.get(), LOGPIXELSX), 300);
    // EndDoc ends the open page too.
    ASSERT_GT(EndDoc(dc.get()), 0);
    EXPECT_EQ(pdfpages::PageCount(file), 1);
}

}  // namespace
