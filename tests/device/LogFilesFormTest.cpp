// The log-file window end to end against the emulator: its buttons, the
// folder dialog and the question, what its controls show, and the window
// left usable after every failure.

#include "device/forms/LogFilesForm.h"
#include "platform/system/Clock.h"
#include "device/link/DeviceWorkers.h"
#include "tests/device/DeviceLinkFixture.h"
#include "tests/device/ThreadList.h"
#include "tests/device/WindowDriving.h"
#include "tests/support/TempFolder.h"
#include "ui/forms/Application.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> Pattern(std::size_t size, int seed) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 11 + seed);
    return bytes;
}

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> FilesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

struct LogFilesWindow : DeviceLinkFixture {
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    LogFilesWindow() {
        LogFileTable = TLogFileTable{};
        Application->SetMessageBoxFunction([this](const std::string& text, const std::string&, unsigned) {
            boxes.push_back(text);
            return 1;
        });
        device = Emulator().AddDevice(DeviceKind::FlightController);
        Emulator().WithDevice(device, [&](EmulatedDevice& d) {
            d.logs.SetCapacity(0x2000);
            for (const auto& [number, bytes] : files) EXPECT_EQ(d.logs.AddFile(number, bytes), "");
        });
        form = std::make_unique<TForm5>(nullptr);
        form->Show();
        RunMessages();
        EXPECT_TRUE(Connect(tmFlightController));
        oldFolder = fs::current_path();
        fs::current_path(folder.Path());  // the folder dialog opens in the current folder
    }
    ~LogFilesWindow() override {
        RunMessagesUntil([] { return !LogBusy; }, 30s);
        form.reset();
        RunMessages();
        fs::current_path(oldFolder);
        Application->SetMessageBoxFunction(nullptr);
        EXPECT_TRUE(boxes.empty()) << boxes.front();
    }
    bool Finish(std::chrono::milliseconds within = 20s) {
        bool ended = RunMessagesUntil([] { return !LogBusy; }, within);
        RunMessages();
        return ended;
    }
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (int i = 0; i < form->ListView1->Items().Count(); ++i)
            rows.push_back(form->ListView1->Items().Item(i)->Caption());
        return rows;
    }
    std::vector<std::string> Memo() const {
        std::vector<std::string> lines;
        for (int i = 0; i < form->Memo1->Lines()->Count(); ++i) lines.push_back(form->Memo1->Lines()->Strings(i));
        return lines;
    }
    bool List() {
        ClickOn(form->Button9);
        return Finish();
    }
    // Clicks the first row and Ctrl+clicks the others.
    void SelectRows(const std::vector<int>& rows) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            TRect r = form->ListView1->ItemRect(rows[i]);
            TPoint p = form->ListView1->ClientToScreen({r.Left + 5, (r.Top + r.Bottom) / 2});
            if (i > 0) platform::testing::PressKey(platform::VK_CONTROL);
            platform::testing::Click(p.X, p.Y);
            if (i > 0) platform::testing::ReleaseKey(platform::VK_CONTROL);
            RunMessages();
        }
    }
    // Selects the rows, then confirms the folder dialog at the current folder.
    bool Download(std::vector<int> rows) {
        SelectRows(rows);
        ModalAnswer answer(form.get(), {platform::VK_RETURN});
        form->Button6->Click();
        EXPECT_EQ(answer.caption, "Выберите каталог для сохранения");
        return Finish();
    }
    std::vector<std::uint8_t> Memory(std::size_t file) {
        std::vector<std::uint8_t> bytes = files[file].second;
        bytes.resize((bytes.size() + 255) / 256 * 256, 0xFF);
        return bytes;
    }

    const std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>> files = {
        {3, Pattern(700, 1)}, {45, Pattern(256, 2)}, {210, Pattern(1000, 3)}};
    const std::vector<std::string> listedRows = {"LOG0003.log (768)       ", "LOG00045.log (256)       ",
                                                 "LOG000210.log (1024)       "};
    int device = -1;
    TempFolder folder;
    fs::path oldFolder;
    std::unique_ptr<TForm5> form;
    std::vector<std::string> boxes;
};

TEST_F(LogFilesWindow, TheStatusPanelFollowsTheDevice) {
    EXPECT_EQ(form->panDevState->Caption(), "Устройство подключено");
    EXPECT_EQ(form->panDevState->Color(), clGreen);
    Emulator().Unplug(device);
    ASSERT_TRUE(Disconnected());
    RunMessages();
    EXPECT_EQ(form->panDevState->Caption(), "Устройство не подключено");
    EXPECT_EQ(form->panDevState->Color(), clRed);
}

TEST_F(LogFilesWindow, TheListShowsTheFilesTheirSizesAndTheMemoryInUse) {
    ASSERT_TRUE(List());
    EXPECT_EQ(Rows(), listedRows);
    EXPECT_EQ(form->Gauge1->Progress(), 25) << "2048 of 8192 bytes";
    EXPECT_EQ(Memo().back(), "File size: 1024");
    EXPECT_GT(form->Memo1->TopLine(), 0) << "the log scrolls to its latest line";
    // Showing the window again empties it (the table stays for the download).
    form->Hide();
    form->Show();
    RunMessages();
    EXPECT_TRUE(Rows().empty());
    EXPECT_TRUE(Memo().empty());
    EXPECT_EQ(form->Gauge1->Progress(), 0);
    EXPECT_EQ(LogFileTable.Count, 3u);
}

TEST_F(LogFilesWindow, TheChosenFilesAreDownloadedIntoTheChosenFolder) {
    ASSERT_TRUE(List());
    ASSERT_TRUE(Download({0, 2}));
    EXPECT_EQ(FilesIn(folder.Path()), (std::vector<std::string>{"LOG00003.log", "LOG00210.log"}));
    EXPECT_EQ(ReadFile(folder.Path() / "LOG00003.log"), Memory(0));
    EXPECT_EQ(ReadFile(folder.Path() / "LOG00210.log"), Memory(2)) << "offsets after the files before it";
    EXPECT_EQ(Memo().back(), "Загрузка закончена");
    EXPECT_EQ(form->ProgressBar1->Position(), 0);
}

TEST_F(LogFilesWindow, ADownloadWithoutFilesOrAChoiceOrAFolderStartsNothing) {
    form->Button6->Click();
    EXPECT_EQ(Memo(), std::vector<std::string>{"Нет файлов для загрузки!"});
    ASSERT_TRUE(List());
    form->Memo1->Lines()->Clear();
    form->Button6->Click();
    EXPECT_EQ(Memo(), std::vector<std::string>{"Файлы не выбраны!"});
    SelectRows({1});
    {
        ModalAnswer answer(form.get(), {platform::VK_ESCAPE});
        form->Button6->Click();
        EXPECT_FALSE(answer.caption.empty());
    }
    EXPECT_FALSE(LogBusy);
    EXPECT_TRUE(FilesIn(folder.Path()).empty());
}

TEST_F(LogFilesWindow, TheClearAsksFirst) {
    ASSERT_TRUE(List());
    {
        ModalAnswer no(form.get(), {platform::VK_ESCAPE});
        form->Button1->Click();
        EXPECT_EQ(no.caption, "Confirm");
    }
    ASSERT_TRUE(Finish());
    EXPECT_EQ(Rows(), listedRows) << "answered No: nothing cleared";
    EXPECT_EQ(Emulator().WithDevice(device, [](EmulatedDevice& d) { return d.logs.Files().size(); }), 3u);
    {
        ModalAnswer yes(form.get(), {platform::VK_RETURN});
        form->Button1->Click();
    }
    ASSERT_TRUE(Finish());
    EXPECT_EQ(Memo().back(), "Лог очищен!");
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(form->Gauge1->Progress(), 0);
    EXPECT_TRUE(Emulator().WithDevice(device, [](EmulatedDevice& d) { return d.logs.Files().empty(); }));
}

TEST_F(LogFilesWindow, FailuresGiveTheirMessagesAndLeaveTheWindowUsable) {
    ASSERT_TRUE(List());
    const struct {
        const char* what;
        FaultKind kind;
        std::uint8_t sub;
        int count;
        const char* line;
    } cases[] = {
        {"list info times out", FaultKind::NoAnswer, logInfo, 1, "Log info timeout"},
        {"file info times out", FaultKind::NoAnswer, logFileInfo, 1, "File info timeout"},
        {"data packets time out", FaultKind::NoAnswer, logData, 6, "Ошибка загрузки файла"},
        {"data packets come wrong", FaultKind::WrongBlock, logData, 6, "Ошибка загрузки файла"},
        {"data packets are garbage", FaultKind::Garbage, logData, 6, "Ошибка загрузки файла"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        // Only while the job fails: the answers it left unanswered are then waited out in real time.
        std::optional<platform::testing::VirtualClockScope> clock(std::in_place);
        Emulator().WithDevice(device, [&](EmulatedDevice& d) { d.AddFault(FaultRule{c.kind, c.count, cmdLog, c.sub, 0, 0}); });
        int before = Emulator().WithDevice(device, [](EmulatedDevice& d) { return d.RequestCount(); });
        if (c.sub == logData) {
            SelectRows({0});
            ModalAnswer answer(form.get(), {platform::VK_RETURN});
            form->Button6->Click();
        } else {
            ClickOn(form->Button9);
        }
        // Long waits pass on the virtual clock once the request went.
        ASSERT_TRUE(RunMessagesUntil([&] {
            return Emulator().WithDevice(device, [](EmulatedDevice& d) { return d.RequestCount(); }) > before;
        }));
        while (LogBusy) {
            platform::testing::AdvanceClock(600);
            RunMessagesUntil([] { return !LogBusy; }, 20ms);
        }
        RunMessages();
        EXPECT_EQ(Memo().back(), c.line);
        EXPECT_TRUE(FilesIn(folder.Path()).empty()) << "no half file";
        EXPECT_EQ(form->ProgressBar1->Position(), 0);
        // Usable: the next list works.
        clock.reset();
        Emulator().WithDevice(device, [](EmulatedDevice& d) { d.ClearFaults(); });
        ASSERT_TRUE(List());
        EXPECT_EQ(Rows(), listedRows);
    }
}

TEST_F(LogFilesWindow, AnUnplugInTheMiddleOfADownloadSaysSoAndTheWindowWorksAgainOnReturn) {
    ASSERT_TRUE(List());
    Emulator().WithDevice(device, [](EmulatedDevice& d) { d.UnplugAfterRequests(10); });
    ASSERT_TRUE(Download({2}));
    EXPECT_EQ(Memo().back(), "Ошибка загрузки файла");
    EXPECT_TRUE(FilesIn(folder.Path()).empty());
    ASSERT_TRUE(Disconnected());
    RunMessages();
    EXPECT_EQ(form->panDevState->Caption(), "Устройство не подключено");

    Emulator().Plug(device);
    ASSERT_TRUE(Connect(tmFlightController));
    ASSERT_TRUE(List());
    ASSERT_TRUE(Download({2}));
    EXPECT_EQ(ReadFile(folder.Path() / "LOG00210.log"), Memory(2));
}

}  // namespace

// What the program does once its message loop has ended: the window closes
// during a download, every device worker is stopped and waited for.
TEST_F(LogFilesWindow, ClosingDuringADownloadLeavesNoWorkerThreadAndNoPartFile) {
    ASSERT_TRUE(List());
    const std::set<int> before = ThreadIds();
    Emulator().WithDevice(device, [](EmulatedDevice& d) { d.answerDelayMs = 20; });
    SelectRows({2});
    {
        ModalAnswer answer(form.get(), {platform::VK_RETURN});
        form->Button6->Click();
    }
    ASSERT_TRUE(RunMessagesUntil([&] { return fs::exists(folder.Path() / "LOG00210.log.part"); }));
    const std::set<int> worker = NewThreads(before, ThreadIds());
    EXPECT_FALSE(worker.empty());
    EXPECT_TRUE(DeviceWorkerRunning());
    EXPECT_FALSE(FirmwareUpdateRunning());

    form->Close();
    StopDeviceWorkers();
    EXPECT_FALSE(DeviceWorkerRunning());
    EXPECT_FALSE(LogBusy);
    EXPECT_TRUE(RunMessagesUntil([&] { return !AnyAlive(worker); })) << "the worker's thread has ended";
    RunMessages();
    EXPECT_TRUE(FilesIn(folder.Path()).empty()) << "no part file, no file that looks whole";
    EXPECT_EQ(Memo().back(), "Загрузка прервана");
}
