// The windows around the GPS data: the KML command through the save
// dialog, the GPS error list, the event list's drawing, the period dialog
// and the stream-log load it leads to.

#include "platform/window/Placement.h"
#include "tests/support/PngDump.h"
#include "tests/viewer/MainWindowFixture.h"
#include "tools/loggen/SampleFlight.h"
#include "tools/loggen/SampleStreamFlight.h"
#include "viewer/analysis/EventRows.h"
#include "viewer/export/KmlTrack.h"
#include "viewer/forms/ErrorListForm.h"
#include "viewer/forms/PeriodForm.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

const std::filesystem::path kSampleLog = std::filesystem::path(VELZAR_SAMPLES_DIR) / "sample-flight.log";
const std::filesystem::path kSampleStream = std::filesystem::path(VELZAR_SAMPLES_DIR) / "sample-stream.log";

FlightRecord WithFlags(std::int32_t flags) {
    FlightRecord record{};
    record[FlightField::ErrorFlags] = flags;
    return record;
}

std::vector<std::string> MemoLines(TMemo& memo) {
    std::vector<std::string> lines;
    for (int i = 0; i < memo.Lines()->Count(); ++i) lines.push_back(memo.Lines()->Strings(i));
    return lines;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// For a person to look at: VELZAR_DUMP_DIR=/some/folder.
void DumpWindow(platform::HWND window, const std::string& name) {
    const char* dir = std::getenv("VELZAR_DUMP_DIR");
    auto surface = dir ? platform::testing::WindowPixels(window) : nullptr;
    if (!surface) return;
    std::vector<std::uint32_t> rows;
    for (int y = 0; y < surface->Height(); ++y)
        for (int x = 0; x < surface->Width(); ++x) rows.push_back(surface->Get(x, y));
    png_dump::WritePng(std::string(dir) + "/" + name, rows.data(), surface->Width(), surface->Height(), surface->Width());
}

// The columns and rows of a control's client rectangle that hold text:
// pixels much darker than the cell's background.
struct InkBox {
    int left = -1, right = -1, top = -1, bottom = -1;
    bool Empty() const { return left < 0; }
};

InkBox InkIn(TForm& form, TControl& control, const TRect& rect) {
    platform::RECT window{};
    platform::GetWindowRect(form.Handle(), &window);
    const auto surface = platform::testing::WindowPixels(form.Handle());
    InkBox box;
    if (!surface) return box;
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x) {
            const TPoint at = control.ClientToScreen({x, y});
            const std::uint32_t pixel = surface->Get(at.X - window.left, at.Y - window.top) & 0xFFFFFF;
            const int brightness = int(pixel >> 16) + int((pixel >> 8) & 0xFF) + int(pixel & 0xFF);
            if (brightness > 3 * 110) continue;
            const int cx = x - rect.Left, cy = y - rect.Top;
            if (box.Empty()) box = {cx, cx, cy, cy};
            box.left = std::min(box.left, cx), box.right = std::max(box.right, cx);
            box.top = std::min(box.top, cy), box.bottom = std::max(box.bottom, cy);
        }
    return box;
}

class StreamWindows : public MainWindowFixture {
protected:
    StreamWindows() {
        // A shown series, so that fitting the axes asks nothing.
        WriteSettings("[Checked]\nchAltBaro=1\n");
        Form3 = new TForm3(nullptr);
        Form7 = new TForm7(nullptr);
    }
    ~StreamWindows() override {
        delete Form3;
        delete Form7;
        Form3 = nullptr;
        Form7 = nullptr;
    }
    // The records as a load would leave them: `stored` of them, then stale ones.
    void SetRecords(const std::vector<FlightRecord>& records, std::int32_t stored) {
        for (std::size_t i = 0; i < records.size(); ++i) Form1->FlightData.FlightRecords[i] = records[i];
        Form1->FlightData.RecordCount = stored + 1;
    }
    // "Сохранить GPS трек" with the name typed into the save dialog.
    std::string SaveTrack(const std::string& name) {
        Form1->skSaveDialog1->InitialDir = folder.Path().string();
        ModalAnswer answer(Form1, {platform::VK_RETURN}, [name] { platform::testing::TypeText(name.c_str()); });
        Form1->N18->Click();
        RunMessages();
        return answer.caption;
    }
    // The stream reader on the file, with the period dialog answered by `answer`.
    void LoadStream(const std::filesystem::path& file, std::function<void()> answer) {
        Form7->OnShow = [answer](TObject* sender) {
            Form7->FormShow(sender);
            answer();
        };
        Form1->skOpenDialog1->InitialDir = file.parent_path().string();
        const std::string name = file.filename().string();
        ModalAnswer open(Form1, {platform::VK_RETURN}, [name] { platform::testing::TypeText(name.c_str()); });
        Form1->N2Click(Form1);
        RunMessages();
    }
};

}  // namespace

TEST(GpsErrorLines, ALineWhereTheFlagsComeAndOneWhereTheyGo) {
    const std::vector<FlightRecord> records = {WithFlags(0), WithFlags(4), WithFlags(4), WithFlags(0)};
    EXPECT_EQ(TForm3::GpsErrorLines(records),
              (std::vector<std::string>{"0 : 01  -  Отсутствие данных от GPS!", "0 : 03  -  Востановлена связь с GPS !"}));

    std::vector<FlightRecord> longer(260, WithFlags(0));
    longer[0] = WithFlags(1);
    longer[250] = WithFlags(-1);  // every flag, the sign bit included
    longer[251] = WithFlags(8);
    EXPECT_EQ(TForm3::GpsErrorLines(longer),
              (std::vector<std::string>{"0 : 00  -  Отсутствие данных от GPS!", "0 : 01  -  Востановлена связь с GPS !",
                                        "2 : 50  -  Отсутствие данных от GPS!", "2 : 52  -  Востановлена связь с GPS !"}));
    EXPECT_TRUE(TForm3::GpsErrorLines({}).empty());
}

TEST_F(StreamWindows, ErrorListWalksOnlyTheStoredRecordsAndAppendsEachListing) {
    // Two records stored; the third slot is left from a longer load.
    SetRecords({WithFlags(0), WithFlags(0), WithFlags(1)}, 2);
    EXPECT_EQ(Form3->skComboBox1->Text(), "Все ошибки");
    EXPECT_EQ(Form3->skComboBox1->Items().Count(), 13);
    Form3->Show();
    RunMessages();
    ClickOn(Form3->Button2);
    EXPECT_EQ(Form3->skMemo1->Lines()->Count(), 0);

    SetRecords({WithFlags(0), WithFlags(2), WithFlags(0)}, 3);
    ClickOn(Form3->Button2);
    ClickOn(Form3->Button2);
    EXPECT_EQ(MemoLines(*Form3->skMemo1),
              (std::vector<std::string>{"0 : 01  -  Отсутствие данных от GPS!", "0 : 02  -  Востановлена связь с GPS !",
                                        "0 : 01  -  Отсутствие данных от GPS!", "0 : 02  -  Востановлена связь с GPS !"}));
    ClickOn(Form3->Button1);
    EXPECT_FALSE(Form3->Visible());
}

TEST_F(StreamWindows, ErrorListOfTheGeneratedStreamLog) {
    Show();
    LoadStream(kSampleStream, [] { Form7->Button1->Click(); });
    const SampleStreamFlight flight = MakeSampleStreamFlight();
    std::vector<std::string> expected;
    auto time = [](std::int32_t slot) { return std::to_string(slot / 100) + " : " + (slot % 100 < 10 ? "0" : "") + std::to_string(slot % 100); };
    for (const StreamErrorSpan& span : flight.Errors) {
        expected.push_back(time(span.First) + "  -  Отсутствие данных от GPS!");
        expected.push_back(time(span.Last + 1) + "  -  Востановлена связь с GPS !");
    }
    ASSERT_EQ(expected.front(), "12 : 00  -  Отсутствие данных от GPS!");
    Form3->Show();
    RunMessages();
    ClickOn(Form3->Button2);
    EXPECT_EQ(MemoLines(*Form3->skMemo1), expected);
    DumpWindow(Form3->Handle(), "form3-shot.png");
}

TEST_F(StreamWindows, SavedTrackThroughTheSaveDialog) {
    SetRecords({WithFlags(0), WithFlags(0), WithFlags(0)}, 2);
    Form1->FlightData.FlightRecords[0][FlightField::Latitude] = 5512345;
    Form1->FlightData.FlightRecords[0][FlightField::Longitude] = 3712345;
    // A fix in the slot past the stored records must not be exported.
    Form1->FlightData.FlightRecords[2][FlightField::Latitude] = 1000000;
    Form1->FlightData.FlightRecords[2][FlightField::Longitude] = 1000000;
    Show();
    EXPECT_FALSE(SaveTrack("flight").empty());
    const std::string text = ReadFile(folder.Path() / "flight.kml");
    EXPECT_EQ(text, KmlTrackText(Form1->FlightData.StoredRecords()));
    EXPECT_NE(text.find("         37.12345,55.12345,2\r\n"), std::string::npos);
    EXPECT_EQ(text.find("10.00000"), std::string::npos);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(StreamWindows, AfterAPagedLogTheTrackHasNoPoints) {
    Show();
    OpenLog(kSampleLog);
    ASSERT_GT(Form1->FlightData.RecordCount, 100);
    SaveTrack("paged.kml");
    EXPECT_EQ(ReadFile(folder.Path() / "paged.kml"), KmlTrackText({}));
}

TEST_F(StreamWindows, ATrackThatCannotBeSavedSaysSoAndLeavesNoFile) {
    // Something of the name the file is first written under is in the way.
    std::filesystem::create_directory(folder.Path() / "taken.kml.part");
    Show();
    SaveTrack("taken.kml");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rfind("Не удалось сохранить GPS трек в файл " + (folder.Path() / "taken.kml").string() + ": ", 0),
              0u)
        << boxes[0];
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "taken.kml"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "taken.kml.part"));
}

TEST_F(StreamWindows, EventListDrawsDescriptionsFromTheLeftAndTheRestCentred) {
    Show();
    OpenLog(kSampleLog);
    const SampleFlight flight = MakeSampleFlight();
    TStringGrid& grid = *Form8->StringGrid1;
    ASSERT_EQ(grid.RowCount(), 2 + static_cast<int>(flight.Events.size()) + 1);
    EXPECT_EQ(grid.Cells(1, 2), EventRowTimeText(flight.Events[0].LogTime));
    Form8->Show();
    RunMessages();
    const auto ink = [&grid](int col, int row) {
        TRect cell = grid.CellRect(col, row);
        return std::pair{InkIn(*Form8, grid, cell), cell};
    };
    for (int row : {0, 2}) {
        for (int col : {0, 1}) {
            auto [box, cell] = ink(col, row);
            ASSERT_FALSE(box.Empty()) << col << "," << row;
            // Centred in the cell narrowed by 2 pixels on the right.
            const int leftGap = box.left, rightGap = (cell.Right - cell.Left - 2) - 1 - box.right;
            EXPECT_LE(std::abs(leftGap - rightGap), 2) << col << "," << row;
            const int topGap = box.top, bottomGap = (cell.Bottom - cell.Top) - 1 - box.bottom;
            EXPECT_LE(std::abs(topGap - bottomGap), 3) << col << "," << row;
        }
    }
    auto [header, headerCell] = ink(2, 0);
    auto [description, descriptionCell] = ink(2, 2);
    ASSERT_FALSE(header.Empty());
    ASSERT_FALSE(description.Empty());
    EXPECT_GT(header.left, 100);     // "Описание события" centred in 445 pixels
    EXPECT_LE(description.left, 3);  // the description at the cell's left
    EXPECT_TRUE(ink(2, grid.RowCount() - 1).first.Empty()) << "the last row stays empty";
    DumpWindow(Form8->Handle(), "form8-shot.png");
}

TEST_F(StreamWindows, PeriodKeysChooseThePeriodAndOnlyNumbersPass) {
    struct Case {
        char32_t key;
        char32_t passed;
    };
    const Case cases[] = {{'0', '0'}, {'9', '9'}, {',', ','}, {8, 8}, {'a', 0}, {'.', 0}, {'-', 0}, {' ', 0},
                          {U'ж', 0}, {'\t', 0}};
    for (const Case& c : cases) {
        Form7->skRadioButton1->SetChecked(true);
        char32_t key = c.key;
        Form7->Edit1KeyPress(Form7->Edit2, key);
        EXPECT_EQ(key, c.passed) << static_cast<std::uint32_t>(c.key);
        EXPECT_TRUE(Form7->skRadioButton2->Checked()) << static_cast<std::uint32_t>(c.key);
        EXPECT_FALSE(Form7->skRadioButton1->Checked());
    }
}

TEST_F(StreamWindows, TypingALetterLeavesTheTextButSwitchesTheChoice) {
    Show();
    Form7->Show();
    RunMessages();
    EXPECT_TRUE(Form7->skRadioButton1->Checked());
    EXPECT_EQ(Form7->Edit1->Text(), "0");
    EXPECT_EQ(Form7->Edit2->Text(), "60");
    ClickOn(Form7->Edit1);
    platform::testing::TypeText("x");
    RunMessages();
    EXPECT_EQ(Form7->Edit1->Text(), "0");
    EXPECT_TRUE(Form7->skRadioButton2->Checked());
    EXPECT_FALSE(Form7->skRadioButton1->Checked());
    platform::testing::TypeText("5,5");
    RunMessages();
    EXPECT_NE(Form7->Edit1->Text().find("5,5"), std::string::npos) << Form7->Edit1->Text();
}

TEST_F(StreamWindows, EnterClosesThePeriodDialogWithoutLoading) {
    Show();
    const std::uint64_t before = Form1->FlightData.StoredRecords().size();
    LoadStream(kSampleStream, [] {
        char32_t enter = 13;
        Form7->Edit1KeyPress(Form7->Edit1, enter);
    });
    EXPECT_FALSE(Form7->Visible());
    EXPECT_FALSE(Form1->ReloadSameStream);
    EXPECT_EQ(Form1->FlightData.StoredRecords().size(), before);
}

TEST_F(StreamWindows, ChosenPeriodLimitsTheLoadedRange) {
    Show();
    std::string label;
    LoadStream(kSampleStream, [&label] {
        label = Form7->Label1->Caption();
        Form7->skRadioButton2->SetChecked(true);
        Form7->Edit1->SetText("10");
        Form7->Edit2->SetText("20");
        Form7->Button1->Click();
    });
    EXPECT_EQ(label, "Файл: sample-stream.log");
    EXPECT_FALSE(Form1->ReloadSameStream) << "the load takes the flag";
    EXPECT_EQ(Form1->FlightData.StoredRecords().size(), 2000u);
    EXPECT_EQ(Series(kBaroAltitudeSeries).Count(), 1000);
    EXPECT_EQ(Series(kAcceleration100gSeries).Count(), 0);
    const std::vector<std::string> lines = LogLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Total time:2000"), lines.end());
    EXPECT_TRUE(boxes.empty());

    // Half seconds with a comma; an end of 0 reads to the end of the file.
    const SampleStreamFlight flight = MakeSampleStreamFlight();
    LoadStream(kSampleStream, [] {
        Form7->skRadioButton2->SetChecked(true);
        Form7->Edit1->SetText("25,5");
        Form7->Edit2->SetText("0");
        Form7->Button1->Click();
    });
    EXPECT_EQ(Series(kBaroAltitudeSeries).Count(), flight.Records - 2550);
}

TEST_F(StreamWindows, AWrongPeriodIsRefusedAndLoadsNothing) {
    Show();
    const char* const periods[][2] = {{"20", "10"}, {"", "10"}, {",", "10"}, {"5", "99999"}};
    for (const auto& period : periods) {
        boxes.clear();
        LoadStream(kSampleStream, [&period] {
            Form7->skRadioButton2->SetChecked(true);
            Form7->Edit1->SetText(period[0]);
            Form7->Edit2->SetText(period[1]);
            Form7->Button1->Click();
        });
        ASSERT_EQ(boxes.size(), 1u) << period[0] << "-" << period[1];
        EXPECT_EQ(boxes[0].rfind("Период загрузки задан неверно", 0), 0u) << boxes[0];
        EXPECT_EQ(Series(kBaroAltitudeSeries).Count(), 0);
    }
}

TEST_F(StreamWindows, WholeStreamLoadWritesItsTextLogAndChart) {
    Show();
    LoadStream(kSampleStream, [] { Form7->Button1->Click(); });
    const SampleStreamFlight flight = MakeSampleStreamFlight();
    EXPECT_EQ(Form1->Caption(), "ВЕЛЗАР  ( Файл: " + (kSampleStream.parent_path() / "sample-stream.log").string() + " )");
    EXPECT_FALSE(Form1->Panel1->Visible());
    EXPECT_EQ(Series(kBaroAltitudeSeries).Count(), flight.Records);
    EXPECT_TRUE(Series(kBaroAltitudeSeries).Active());
    EXPECT_EQ(Series(kZeroLineSeries).Count(), 2);
    EXPECT_EQ(Form8->StringGrid1->RowCount(), 3);
    EXPECT_EQ(Form8->StringGrid1->Cells(2, 1), " Начало записи лога");

    const std::vector<std::string> lines = LogLines();
    ASSERT_GT(lines.size(), 20u);
    EXPECT_EQ(lines[0], std::to_string(flight.Log.Bytes().size()));
    EXPECT_EQ(lines[1].rfind("Acc:", 0), 0u);
    auto at = std::find(lines.begin(), lines.end(), "Total time:" + std::to_string(flight.Records));
    ASSERT_NE(at, lines.end());
    ASSERT_GE(lines.end() - at, 20);
    EXPECT_EQ(at[1], "Ошибок GPS: 100");
    EXPECT_EQ(at[2], "Ошибок датчика давления: 1");
    EXPECT_EQ(at[14], "Ошибок обмены данными в пультом: 0");
    EXPECT_EQ(at[15], "       ");
    EXPECT_EQ(at[16], "Ошибок всего: 101");
    EXPECT_EQ(at[17].rfind("Время загрузки в мС: ", 0), 0u);
    EXPECT_EQ(at[18].rfind("Максимальная скорость:", 0), 0u);
    EXPECT_EQ(at[18].substr(at[18].size() - 3), "m/c");
    EXPECT_EQ(at[19].rfind("Высота:", 0), 0u);
}

TEST_F(StreamWindows, DamagedStreamLogIsLoadedUpToItsLastWholePacket) {
    const SampleStreamFlight flight = MakeSampleStreamFlight();
    const std::string& bytes = flight.Log.Bytes();
    const std::string cut = folder.Write("cut.log", bytes.substr(0, bytes.size() - 10));
    Show();
    LoadStream(cut, [] { Form7->Button1->Click(); });
    EXPECT_EQ(Series(kBaroAltitudeSeries).Count(), flight.Records - 1);
    const std::vector<std::string> lines = LogLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "Файл лога обрывается внутри пакета: загружено записей " + std::to_string(flight.Records - 1) +
                            ", неполный последний пакет пропущен"),
              lines.end());

    const std::string empty = folder.Write("empty.log", "");
    LoadStream(empty, [] { Form7->Button1->Click(); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Файл лога пуст: " + empty);
    EXPECT_EQ(Series(kBaroAltitudeSeries).Count(), flight.Records - 1) << "the flight on show stays";
}
