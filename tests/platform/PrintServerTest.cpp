// Printing through a real print server the test starts for itself, and
// what the platform reports with no server at all.
#include "../support/PdfPages.h"
#include "../support/PrivatePrintServer.h"
#include "../support/TempFolder.h"

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/RectFills.h"
#include "platform/print/PrintJobs.h"
#include "platform/print/PrinterContexts.h"
#include "platform/print/Printers.h"
#include "platform/system/LastError.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace platform;

namespace {

constexpr int JobMs = 60000;
constexpr int MarginTenths = 42;  // the test printer's 12 points

struct PrintServerTest : ::testing::Test {
    std::unique_ptr<PrivatePrintServer> server;
    void SetUp() override {
        if (!PrivatePrintServer::Installed())
            GTEST_SKIP() << "the print server (cupsd, Debian package cups) is not installed";
        server = std::make_unique<PrivatePrintServer>();
    }
};

bool PrintOnePage(const char* queue, const DEVMODEA* mode) {
    HDC dc = CreateDCA(nullptr, queue, nullptr, mode);
    if (!dc) return false;
    DOCINFOA info;
    info.lpszDocName = "Полёт 7";
    bool done = StartDocA(dc, &info) > 0 && StartPage(dc) > 0;
    RECT box{100, 100, 400, 300};
    FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    done = done && EndPage(dc) > 0 && EndDoc(dc) > 0;
    DeleteDC(dc);
    return done;
}

TEST_F(PrintServerTest, ListsItsQueuesWithTheDefaultFirstOrMarked) {
    auto printers = EnumPrinters();
    ASSERT_EQ(printers.size(), 2u);
    EXPECT_EQ(GetDefaultPrinterName(), PrivatePrintServer::OpenQueue);
    for (const PrinterInfo& p : printers) {
        EXPECT_EQ(p.isDefault, p.name == PrivatePrintServer::OpenQueue) << p.name;
        EXPECT_EQ(p.location, "Test bench");
    }
}

TEST_F(PrintServerTest, APrinterTellsItsPapersResolutionsAndMargins) {
    PrinterCapabilities caps;
    ASSERT_TRUE(GetPrinterCapabilities(PrivatePrintServer::OpenQueue, caps));
    ASSERT_EQ(caps.papers.size(), 2u);
    EXPECT_EQ(caps.papers[0].code, DMPAPER_A4);
    EXPECT_EQ(caps.papers[0].name, "A4");
    EXPECT_NEAR(caps.papers[0].width, 2100, 1);
    EXPECT_NEAR(caps.papers[0].height, 2970, 1);
    EXPECT_EQ(caps.papers[0].margins.left, MarginTenths);
    EXPECT_EQ(caps.papers[1].code, DMPAPER_LETTER);
    EXPECT_EQ(caps.defaultPaper, DMPAPER_A4);
    EXPECT_EQ(caps.resolutions, (std::vector<int>{300, 600}));
    EXPECT_EQ(caps.defaultResolution, 300);
    EXPECT_TRUE(caps.color);
    EXPECT_FALSE(caps.duplex);
    ASSERT_FALSE(caps.trays.empty());
    EXPECT_EQ(caps.trays[0].code, DMBIN_AUTO);

    EXPECT_FALSE(GetPrinterCapabilities("Nobody", caps));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PRINTER_NAME);
    EXPECT_EQ(CreateDCA(nullptr, "Nobody", nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PRINTER_NAME);
}

TEST_F(PrintServerTest, APrinterDcHasThePrintersMarginsAtItsResolution) {
    const struct {
        short dpi;  // 0: the printer's own
        int dpiSeen, physicalWidth, offset, printableWidth;
    } cases[] = {
        {0, 300, 2479, 50, 2379},
        {600, 600, 4958, 99, 4760},
    };
    for (const auto& c : cases) {
        DEVMODEA mode;
        mode.dmFields = c.dpi ? DM_PRINTQUALITY : 0;
        mode.dmPrintQuality = c.dpi;
        HDC dc = CreateDCA(nullptr, PrivatePrintServer::OpenQueue, nullptr, &mode);
        ASSERT_TRUE(dc);
        EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), c.dpiSeen);
        EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), c.physicalWidth);
        EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETX), c.offset);
        EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETY), c.offset);
        EXPECT_EQ(GetDeviceCaps(dc, HORZRES), c.printableWidth);
        DeleteDC(dc);
    }
}

TEST_F(PrintServerTest, AJobReachesThePrintersDeviceWithItsCopies) {
    DEVMODEA mode;
    mode.dmFields = DM_COPIES;
    mode.dmCopies = 2;
    ASSERT_TRUE(PrintOnePage(PrivatePrintServer::OpenQueue, &mode)) << GetLastError() << " " << LastPrintServerMessage();
    std::string out = server->OutputFile();
    // The device file is complete once the PDF reader can count its pages.
    ASSERT_TRUE(PrivatePrintServer::WaitFor(
        [&] {
            try {
                return std::filesystem::exists(out) && pdfpages::PageCount(out) == 2;
            } catch (const std::exception&) {
                return false;
            }
        },
        JobMs))
        << "no job output; see " << server->Path("error_log");
    auto size = pdfpages::PageSize(out, 1);
    EXPECT_NEAR(size.width, 595, 1);
    EXPECT_NEAR(size.height, 842, 1);
    // The rectangle, drawn from the printable area's corner, is on the paper
    // that much further in.
    auto page = pdfpages::RenderPage(out, 1, 100);
    int margin = 12 * 100 / 72;
    EXPECT_LT(page.Gray(margin + 200 * 100 / 300 / 2 + 5, margin + 200 * 100 / 300 / 2 + 5), 40);
    EXPECT_GT(page.Gray(margin + 90 * 100 / 300, margin + 90 * 100 / 300), 215);
}

TEST_F(PrintServerTest, AJobTheServerRefusesIsAFailure) {
    HDC dc = CreateDCA(nullptr, PrivatePrintServer::ClosedQueue, nullptr, nullptr);
    ASSERT_TRUE(dc);
    DOCINFOA info;
    ASSERT_GT(StartDocA(dc, &info), 0);
    ASSERT_GT(StartPage(dc), 0);
    ASSERT_GT(EndPage(dc), 0);
    EXPECT_EQ(EndDoc(dc), SP_ERROR);
    EXPECT_EQ(GetLastError(), ERROR_NOT_READY);
    EXPECT_FALSE(LastPrintServerMessage().empty());
    DeleteDC(dc);
}

TEST(NoPrintServer, NoPrintersAndPrintingToAFileStillWorks) {
    TempFolder folder;
    std::string nowhere = (folder.Path() / "no-server.sock").string();
    cupsSetServer(nowhere.c_str());
    EXPECT_TRUE(EnumPrinters().empty());
    EXPECT_EQ(GetDefaultPrinterName(), "");
    EXPECT_EQ(CreateDCA(nullptr, "Velzar_PDF", nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PRINTER_NAME);
    HDC dc = CreateDCA(nullptr, FILE_ONLY_PRINTER, nullptr, nullptr);
    ASSERT_TRUE(dc);
    std::string file = (folder.Path() / "out.pdf").string();
    DOCINFOA info;
    info.lpszOutput = file.c_str();
    EXPECT_GT(StartDocA(dc, &info), 0);
    EXPECT_GT(StartPage(dc), 0);
    EXPECT_GT(EndDoc(dc), 0);
    DeleteDC(dc);
    cupsSetServer(nullptr);
    EXPECT_EQ(pdfpages::PageCount(file), 1);
}

}  // namespace
