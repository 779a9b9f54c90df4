// The printer object over the platform's printing: with no print server,
// printing into a file; with the test's own print server, its queues.
#include "../support/PdfPages.h"
#include "../support/PrivatePrintServer.h"
#include "../support/TempFolder.h"
#include "PrinterFixtures.h"

#include "ui/printers/Printer.h"

#include "platform/print/PrintJobs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

constexpr int RenderDpi = 100;

void FillBlack(TCanvas* canvas, const TRect& r) {
    canvas->Brush()->SetColor(clBlack);
    canvas->FillRect(r);
}

struct PrinterWithoutServerTest : ::testing::Test {
    NoPrintServer none;
    FreshPrinter fresh;
    TempFolder folder;
    std::string file = (folder.Path() / "chart.pdf").string();
};

TEST_F(PrinterWithoutServerTest, NoPrintersAndPrintingSaysSoInRussian) {
    EXPECT_EQ(Printer()->Printers()->Count(), 0);
    EXPECT_EQ(Printer()->PrinterName(), "");
    EXPECT_EQ(Printer()->Capabilities(), nullptr);
    try {
        Printer()->BeginDoc();
        FAIL() << "printing started without a printer";
    } catch (const EPrinter& e) {
        EXPECT_EQ(e.Message(), NoPrinterMessage);
    }
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_THROW(Printer()->SetPrinterIndex(0), EPrinter);
}

TEST_F(PrinterWithoutServerTest, PrintsTwoPagesIntoAFile) {
    TPrinter* printer = Printer();
    printer->OutputFile = file;
    printer->Title = "График";
    // A4 at 300 dots per inch when printing into a file.
    EXPECT_EQ(printer->PageWidth(), 2480);
    EXPECT_EQ(printer->PageHeight(), 3508);
    printer->BeginDoc();
    EXPECT_TRUE(printer->Printing());
    EXPECT_EQ(printer->PageNumber(), 1);
    FillBlack(printer->Canvas(), {300, 300, 600, 600});
    printer->NewPage();
    EXPECT_EQ(printer->PageNumber(), 2);
    FillBlack(printer->Canvas(), {1200, 2400, 1500, 2700});
    printer->EndDoc();
    EXPECT_FALSE(printer->Printing());

    ASSERT_EQ(pdfpages::PageCount(file), 2);
    auto page1 = pdfpages::RenderPage(file, 1, RenderDpi), page2 = pdfpages::RenderPage(file, 2, RenderDpi);
    EXPECT_LT(page1.Gray(150, 150), 40);
    EXPECT_GT(page1.Gray(450, 850), 215);
    EXPECT_LT(page2.Gray(450, 850), 40);
    EXPECT_GT(page2.Gray(150, 150), 215);
}

TEST_F(PrinterWithoutServerTest, LandscapeTurnsThePage) {
    TPrinter* printer = Printer();
    printer->SetOrientation(TPrinterOrientation::poLandscape);
    EXPECT_EQ(printer->PageWidth(), 3508);
    EXPECT_EQ(printer->PageHeight(), 2480);
    printer->OutputFile = file;
    printer->BeginDoc();
    printer->EndDoc();
    auto size = pdfpages::PageSize(file, 1);
    EXPECT_GT(size.width, size.height);
}

TEST_F(PrinterWithoutServerTest, TextKeepsItsSizeInPointsOnPaper) {
    TPrinter* printer = Printer();
    printer->Canvas()->Font()->SetSize(10);
    printer->OutputFile = file;
    printer->BeginDoc();
    EXPECT_EQ(printer->Canvas()->Font()->Size(), 10);
    EXPECT_EQ(printer->Canvas()->Font()->Height(), -42);  // 10 points at 300 dpi
    int textWidth = printer->Canvas()->TextWidth("Высота");
    printer->Abort();
    EXPECT_GT(textWidth, 100);  // about a centimetre, not the screen's few pixels
}

TEST_F(PrinterWithoutServerTest, AbortWritesNothing) {
    TPrinter* printer = Printer();
    printer->OutputFile = file;
    printer->BeginDoc();
    FillBlack(printer->Canvas(), {0, 0, 10, 10});
    printer->Abort();
    EXPECT_TRUE(printer->Aborted());
    EXPECT_FALSE(printer->Printing());
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_THROW(printer->EndDoc(), EPrinter);
    EXPECT_THROW(printer->NewPage(), EPrinter);
}

TEST_F(PrinterWithoutServerTest, AFileThatCannotBeWrittenIsAnErrorBeforeAnyPage) {
    TPrinter* printer = Printer();
    printer->OutputFile = (folder.Path() / "missing" / "chart.pdf").string();
    try {
        printer->BeginDoc();
        FAIL() << "printing started into a folder that does not exist";
    } catch (const EPrinter& e) {
        EXPECT_NE(e.Message().find("Путь не найден"), std::string::npos) << e.Message();
    }
    EXPECT_FALSE(printer->Printing());
}

TEST_F(PrinterWithoutServerTest, AModeThatCannotBePrintedIsRefusedAndTheOldOneKept) {
    TPrinter* printer = Printer();
    platform::DEVMODEA mode = printer->DeviceMode();
    mode.dmFields |= platform::DM_PAPERSIZE;
    mode.dmPaperSize = 48;  // no such paper
    EXPECT_THROW(printer->SetDeviceMode(mode), EPrinter);
    EXPECT_EQ(printer->PageWidth(), 2480);
    mode.dmPaperSize = platform::DMPAPER_A5;
    printer->SetDeviceMode(mode);
    EXPECT_EQ(printer->PageWidth(), 1748);
}

struct PrinterWithServerTest : ::testing::Test {
    std::unique_ptr<PrivatePrintServer> server;
    FreshPrinter fresh;
    void SetUp() override {
        if (!PrivatePrintServer::Installed())
            GTEST_SKIP() << "the print server (cupsd, Debian package cups) is not installed";
        server = std::make_unique<PrivatePrintServer>();
    }
    void Choose(const char* queue) {
        int index = Printer()->Printers()->IndexOf(queue);
        ASSERT_GE(index, 0) << queue;
        Printer()->SetPrinterIndex(index);
    }
};

TEST_F(PrinterWithServerTest, PrintsThroughTheChosenQueue) {
    EXPECT_EQ(Printer()->Printers()->Count(), 2);
    EXPECT_EQ(Printer()->PrinterName(), PrivatePrintServer::OpenQueue);  // the default
    Choose(PrivatePrintServer::OpenQueue);
    TPrinter* printer = Printer();
    printer->Title = "Полёт";
    EXPECT_EQ(printer->PageWidth(), 2379);  // A4 less the printer's margins at 300 dpi
    printer->BeginDoc();
    FillBlack(printer->Canvas(), {0, 0, 300, 300});
    printer->EndDoc();
    std::string out = server->OutputFile();
    ASSERT_TRUE(PrivatePrintServer::WaitFor(
        [&] {
            try {
                return std::filesystem::exists(out) && pdfpages::PageCount(out) == 1;
            } catch (const std::exception&) {
                return false;
            }
        },
        60000))
        << "no job output; see " << server->Path("error_log");
    auto page = pdfpages::RenderPage(out, 1, RenderDpi);
    EXPECT_LT(page.Gray(30, 30), 40);  // inside the margin of 12 points (17 pixels) plus the square
    EXPECT_GT(page.Gray(5, 5), 215);   // the margin itself
}

TEST_F(PrinterWithServerTest, AJobTheServerRefusesRaisesAnError) {
    Choose(PrivatePrintServer::ClosedQueue);
    TPrinter* printer = Printer();
    printer->BeginDoc();
    try {
        printer->EndDoc();
        FAIL() << "a refused job was taken for printed";
    } catch (const EPrinter& e) {
        EXPECT_NE(e.Message().find("принтер не принял задание"), std::string::npos) << e.Message();
        EXPECT_NE(e.Message().find("Ответ сервера печати"), std::string::npos) << e.Message();
    }
    EXPECT_FALSE(printer->Printing());
}

}  // namespace
