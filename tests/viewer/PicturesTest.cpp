// The main window's pictures and printing: "Только график" and "Окно
// полностью" save what the chart and the window draw (floating panels
// included, nothing read off the screen) as PNG or JPEG by the file's name,
// and "Печать" prints the chart on white and puts its colour back, also when
// the printer refuses the job.
#include "tests/support/PdfPages.h"
#include "tests/support/KeptFiles.h"
#include "tests/support/PrivatePrintServer.h"
#include "tests/ui/PrinterFixtures.h"
#include "tests/viewer/MainWindowFixture.h"

#include "png/PngPicture.h"
#include "ui/graphics/JpegImage.h"
#include "viewer/mainform/PictureFileChoice.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace {

const std::filesystem::path kSampleLog = std::filesystem::path(VELZAR_SAMPLES_DIR) / "sample-flight.log";
// Some series must be shown: with none, opening a log stops on a modal
// "Не выбран не один график!!!" that no key answers.
constexpr const char* kShownSeries =
    "[Checked]\nchAltBaro=1\nchAccZ=1\nchAccSpeed=1\n[CustomAxisAlt]\ncaAlt=0\ncaAccr=1\ncaSpeed=2\n";

// 0x00RRGGBB pixels, rows from the top.
struct Pixels {
    int width = 0, height = 0;
    std::vector<std::uint32_t> rgb;
    std::uint32_t At(int x, int y) const { return rgb[static_cast<std::size_t>(y) * width + x]; }
};

Pixels FromBitmap(TBitmap& bitmap) {
    bitmap.SetPixelFormat(TPixelFormat::pf32bit);
    Pixels p{bitmap.Width(), bitmap.Height(), {}};
    for (int y = 0; y < p.height; ++y) {
        auto* row = static_cast<std::uint32_t*>(bitmap.ScanLine(y));
        for (int x = 0; x < p.width; ++x) p.rgb.push_back(row[x] & 0xFFFFFF);
    }
    return p;
}

// What the window shows: its own drawing, as the display holds it.
Pixels OnDisplay(TWinControl* window) {
    auto surface = platform::testing::WindowPixels(window->Handle());
    Pixels p{surface->Width(), surface->Height(), {}};
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) p.rgb.push_back(surface->Get(x, y) & 0xFFFFFF);
    return p;
}

Pixels ReadPicture(TGraphic& graphic, const std::string& file) {
    graphic.LoadFromFile(file);
    TBitmap bitmap;
    bitmap.Assign(&graphic);
    return FromBitmap(bitmap);
}

std::string Signature(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    char bytes[4] = {};
    in.read(bytes, 4);
    return std::string(bytes, 4);
}
const std::string kPngSignature("\x89PNG", 4);
const std::string kJpegStart("\xFF\xD8\xFF", 3);

// The mean difference per channel, 0..255.
double MeanDifference(const Pixels& a, const Pixels& b) {
    double total = 0;
    for (std::size_t i = 0; i < a.rgb.size(); ++i)
        for (int shift : {0, 8, 16}) total += std::abs(int((a.rgb[i] >> shift) & 0xFF) - int((b.rgb[i] >> shift) & 0xFF));
    return total / (3.0 * double(a.rgb.size()));
}

class Pictures : public MainWindowFixture {
protected:
    void SetUp() override {
        WriteSettings(kShownSeries);
        Show();
        OpenLog(kSampleLog);
        RunMessages();
    }
    std::string PathOf(const std::string& name) const { return (folder.Path() / name).string(); }
    // The picture command with the name typed (a full path) and the filter chosen.
    void SavePicture(TMenuItem* item, const std::string& typed, int filterIndex = kPngFilterIndex) {
        Form1->SavePictureDialog1->FilterIndex = filterIndex;
        ModalAnswer answer(Form1, {platform::VK_RETURN}, [typed] { platform::testing::TypeText(typed.c_str()); });
        item->Click();
        RunMessages();
        ASSERT_FALSE(answer.caption.empty()) << "no save dialog";
    }
};

}  // namespace

TEST(PictureFileChoice, TheNameDecidesTheFormatAndTheFilterOnlyWithoutOne) {
    const struct {
        const char* typed;
        int filter;
        const char* file;
        TPictureFileFormat format;
    } cases[] = {
        {"a.png", kPngFilterIndex, "a.png", TPictureFileFormat::Png},
        {"a.png", kJpegFilterIndex, "a.png", TPictureFileFormat::Png},
        {"a.PNG", kJpegFilterIndex, "a.PNG", TPictureFileFormat::Png},
        {"a.jpg", kPngFilterIndex, "a.jpg", TPictureFileFormat::Jpeg},
        {"a.JPEG", kPngFilterIndex, "a.JPEG", TPictureFileFormat::Jpeg},
        {"Screenshot", kPngFilterIndex, "Screenshot.png", TPictureFileFormat::Png},
        {"Screenshot", kJpegFilterIndex, "Screenshot.jpeg", TPictureFileFormat::Jpeg},
        {"flight.log", kJpegFilterIndex, "flight.log.jpeg", TPictureFileFormat::Jpeg},
        {"/tmp/dir.png/shot", kPngFilterIndex, "/tmp/dir.png/shot.png", TPictureFileFormat::Png},
    };
    for (const auto& c : cases) {
        TPictureFileChoice choice = ChoosePictureFile(c.typed, c.filter);
        EXPECT_EQ(choice.FileName, c.file) << c.typed;
        EXPECT_EQ(choice.Format, c.format) << c.typed;
    }
}

TEST_F(Pictures, TheChartPictureIsTheChartsOwnDrawingWithItsFloatingPanel) {
    Form1->Panel3->Show();
    Form1->PlaceFloatingPanels();
    RunMessages();
    ASSERT_TRUE(Form1->Panel3->Visible());
    const Pixels shown = OnDisplay(Form1->Chart1);
    const std::string file = PathOf("chart.png");
    SavePicture(Form1->N17, file);
    KeepForAPerson(file);
    ASSERT_EQ(Signature(file), kPngSignature);
    TPngPicture png;
    const Pixels saved = ReadPicture(png, file);
    // Exactly the chart's rectangle, whatever the title bar and the menu measure.
    ASSERT_EQ(saved.width, Form1->Chart1->Width());
    ASSERT_EQ(saved.height, Form1->Chart1->Height());
    ASSERT_EQ(shown.width, saved.width);
    int differing = 0;
    for (std::size_t i = 0; i < saved.rgb.size(); ++i) differing += saved.rgb[i] != shown.rgb[i];
    EXPECT_EQ(differing, 0);
    // The floating panel's face is in it at the panel's place.
    const TPoint panel{Form1->Panel3->Left() + 4, Form1->Panel3->Top() + Form1->Panel3->Height() - 4};
    const std::uint32_t face = ColorToRGB(Form1->Panel3->Color());
    EXPECT_EQ(saved.At(panel.X, panel.Y), ((face & 0xFF) << 16) | (face & 0xFF00) | (face >> 16));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Pictures, AWindowAboveOursDoesNotGetIntoThePicture) {
    const Pixels shown = OnDisplay(Form1->Chart1);
    TForm cover(nullptr);
    cover.SetBounds(Form1->Left() + 40, Form1->Top() + 60, 400, 300);
    cover.SetColor(clRed);
    cover.SetFormStyle(TFormStyle::fsStayOnTop);
    cover.Show();
    RunMessages();
    const std::string file = PathOf("covered.png");
    SavePicture(Form1->N17, file);
    TPngPicture png;
    const Pixels saved = ReadPicture(png, file);
    ASSERT_EQ(saved.rgb.size(), shown.rgb.size());
    EXPECT_TRUE(saved.rgb == shown.rgb);
    EXPECT_EQ(std::count(saved.rgb.begin(), saved.rgb.end(), 0xFF0000u), 0);
}

TEST_F(Pictures, HidingTheSidePanelWidensTheChartPictureByAsMuch) {
    SavePicture(Form1->N17, PathOf("with-panel.png"));
    const int before = Form1->Chart1->Width();
    Form1->SpeedButton1Click(Form1);
    RunMessages();
    const int widened = Form1->Chart1->Width() - before;
    ASSERT_GT(widened, 0);
    SavePicture(Form1->N17, PathOf("without-panel.png"));
    TPngPicture with, without;
    const Pixels a = ReadPicture(with, PathOf("with-panel.png"));
    const Pixels b = ReadPicture(without, PathOf("without-panel.png"));
    EXPECT_EQ(b.width - a.width, widened);
    EXPECT_EQ(b.height, a.height);
    EXPECT_TRUE(b.rgb == OnDisplay(Form1->Chart1).rgb);
}

TEST_F(Pictures, AJpegNameGivesAJpegFileCloseToTheChart) {
    const Pixels shown = OnDisplay(Form1->Chart1);
    const std::string file = PathOf("chart.jpg");
    SavePicture(Form1->N17, file, kPngFilterIndex);  // the name wins over the filter
    KeepForAPerson(file);
    ASSERT_EQ(Signature(file).substr(0, 3), kJpegStart);
    TJPEGImage jpeg;
    const Pixels saved = ReadPicture(jpeg, file);
    ASSERT_EQ(saved.width, shown.width);
    ASSERT_EQ(saved.height, shown.height);
    EXPECT_LT(MeanDifference(saved, shown), 3.0);
}

TEST_F(Pictures, TheFilterDecidesOnlyForANameWithoutAPictureExtension) {
    SavePicture(Form1->N17, PathOf("plain"), kJpegFilterIndex);
    EXPECT_EQ(Signature(PathOf("plain.jpeg")).substr(0, 3), kJpegStart);
    EXPECT_FALSE(std::filesystem::exists(PathOf("plain")));
    SavePicture(Form1->N17, PathOf("named.png"), kJpegFilterIndex);
    EXPECT_EQ(Signature(PathOf("named.png")), kPngSignature);
    EXPECT_EQ(Form1->SavePictureDialog1->DefaultExt(), "png");
}

TEST_F(Pictures, TheWindowPictureIsTheWholeWindowAsItDrawsItself) {
    Form1->Panel4->Show();
    RunMessages();
    const Pixels shown = OnDisplay(Form1);
    const std::string file = PathOf("window.png");
    SavePicture(Form1->N19, file);
    KeepForAPerson(file);
    TPngPicture png;
    const Pixels saved = ReadPicture(png, file);
    ASSERT_EQ(saved.width, Form1->Width());
    ASSERT_EQ(saved.height, Form1->Height());
    ASSERT_EQ(shown.width, saved.width);
    int differing = 0;
    for (std::size_t i = 0; i < saved.rgb.size(); ++i) differing += saved.rgb[i] != shown.rgb[i];
    EXPECT_EQ(differing, 0);

    const std::string jpegFile = PathOf("window.jpeg");
    SavePicture(Form1->N19, jpegFile);
    TJPEGImage jpeg;
    EXPECT_LT(MeanDifference(ReadPicture(jpeg, jpegFile), shown), 3.0);
}

TEST_F(Pictures, AFileThatCannotBeWrittenIsShownInRussian) {
    SavePicture(Form1->N17, "/proc/velzar-shot.png");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rfind("Снимок не сохранён в файл «/proc/velzar-shot.png»: ", 0), 0u) << boxes[0];
}

namespace {

class ChartPrintCommand : public Pictures {
protected:
    FreshPrinter fresh;
    std::unique_ptr<PrivatePrintServer> server;
    void SetUp() override {
        if (!PrivatePrintServer::Installed())
            GTEST_SKIP() << "the print server (cupsd, Debian package cups) is not installed";
        server = std::make_unique<PrivatePrintServer>();
        Pictures::SetUp();
    }
    void Choose(const char* queue) {
        int index = Printer()->Printers()->IndexOf(queue);
        ASSERT_GE(index, 0) << queue;
        Printer()->SetPrinterIndex(index);
    }
    // "Печать" with the print dialog confirmed; the chart's colour while it drew.
    TColor PrintChart() {
        TColor whileDrawing = clNone;
        Form1->Chart1->OnBeforePrint = [&](TCustomChartPanel* chart, TCanvas*, const TRect&) {
            whileDrawing = chart->Color();
        };
        ModalAnswer answer(Form1, {platform::VK_RETURN});
        Form1->N31->Click();
        RunMessages();
        EXPECT_FALSE(answer.caption.empty()) << "no print dialog";
        return whileDrawing;
    }
};

}  // namespace

TEST_F(ChartPrintCommand, PrintsTheChartOnWhiteAndPutsItsColourBack) {
    Choose(PrivatePrintServer::OpenQueue);
    const TColor screen = Form1->Chart1->Color();
    EXPECT_EQ(PrintChart(), clWhite);
    EXPECT_EQ(Form1->Chart1->Color(), screen);
    EXPECT_TRUE(boxes.empty()) << boxes.front();
    const std::string out = server->OutputFile();
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
}

TEST_F(ChartPrintCommand, APrinterThatRefusesIsShownAndTheChartKeepsItsColour) {
    Choose(PrivatePrintServer::ClosedQueue);
    const TColor screen = Form1->Chart1->Color();
    EXPECT_EQ(PrintChart(), clWhite);
    EXPECT_EQ(Form1->Chart1->Color(), screen);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rfind("График не напечатан: ", 0), 0u) << boxes[0];
    EXPECT_NE(boxes[0].find("принтер не принял задание"), std::string::npos) << boxes[0];
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_FALSE(Form1->Chart1->IsPrinting);
}
