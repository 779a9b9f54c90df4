// The log-file worker end to end against the emulator: list, download and
// clear, and each failure with its message and the window left usable.

#include "device/logs/LogFilesThread.h"
#include "platform/system/Clock.h"
#include "device/link/DeviceWorkers.h"
#include "tests/device/DeviceLinkFixture.h"
#include "tests/device/ThrowingWake.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

using namespace std::chrono_literals;

namespace {

std::vector<std::uint8_t> Pattern(std::size_t size, int seed) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + seed);
    return bytes;
}

std::vector<std::uint8_t> Padded(std::vector<std::uint8_t> bytes) {
    bytes.resize((bytes.size() + 255) / 256 * 256, 0xFF);
    return bytes;
}

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// The window as the worker sees it; every call must come on the GUI thread.
struct RecordingView : TLogFilesView {
    void AddMemoLine(const std::string& line) override { Note(), memo.push_back(line); }
    void SetProgress(int percent) override { Note(), progress.push_back(percent); }
    void SetGauge(int percent) override { Note(), gauge = percent; }
    void ClearList() override { Note(), rows.clear(); }
    void AddListRow(const std::string& caption) override { Note(), rows.push_back(caption); }
    void RefreshGauge() override { Note(), ++gaugeRefreshes; }
    void RefreshWindow() override { Note(), ++windowRefreshes; }
    void Note() {
        if (!IsMainThread()) ++offGuiThread;
    }
    std::vector<std::string> memo, rows;
    std::vector<int> progress;
    int gauge = -1, gaugeRefreshes = 0, windowRefreshes = 0, offGuiThread = 0;
};

struct LogFilesFixture : DeviceLinkFixture {
    LogFilesFixture() : LogFilesFixture(DeviceKind::FlightController, tmFlightController) {}
    LogFilesFixture(DeviceKind kind, std::int32_t mode) {
        LogFileTable = TLogFileTable{};
        device = Emulator().AddDevice(kind);
        Emulator().WithDevice(device, [&](EmulatedDevice& d) {
            d.logs.SetCapacity(0x10000);
            for (const auto& [number, bytes] : files) EXPECT_EQ(d.logs.AddFile(number, bytes), "");
        });
        EXPECT_TRUE(Connect(mode));
    }
    ~LogFilesFixture() override {
        RunMessagesUntil([] { return !LogBusy; }, 30s);
    }
    // Runs the GUI thread until the job has ended and its window updates are shown.
    bool Finish(std::chrono::milliseconds within = 20s) {
        bool ended = RunMessagesUntil([] { return !LogBusy; }, within);
        RunMessages();
        EXPECT_EQ(view->offGuiThread, 0);
        return ended;
    }
    bool List() {
        LogListClick(view);
        return Finish();
    }
    bool Download(std::vector<bool> selected, std::string folderName = {}) {
        std::string chosen = folderName.empty() ? folder.Path().string() : folderName;
        LogDownloadClick(view, selected, [&] { return std::optional<std::string>(chosen); });
        return Finish();
    }
    void Fault(FaultKind kind, std::uint8_t sub, int count = -1) {
        Emulator().WithDevice(device, [&](EmulatedDevice& d) {
            FaultRule rule;
            rule.kind = kind;
            rule.count = count;
            rule.command = cmdLog;
            rule.sub = sub;
            d.AddFault(rule);
        });
    }
    void NoFaults() {
        Emulator().WithDevice(device, [](EmulatedDevice& d) { d.ClearFaults(); });
    }
    int Requests() {
        return Emulator().WithDevice(device, [](EmulatedDevice& d) { return d.RequestCount(); });
    }
    // With the virtual clock: once the device has taken more than `before` requests, moves the
    // clock past a wait, so long time-outs end at once; again while the job runs, since on a
    // busy machine the worker may start its wait only after the first move.
    void PassTimeAfterRequest(int before, platform::DWORD ms) {
        ASSERT_TRUE(RunMessagesUntil([&] { return Requests() > before; }));
        for (int moves = 0; LogBusy && moves < 100; ++moves) {
            platform::testing::AdvanceClock(ms);
            RunMessagesUntil([] { return !LogBusy; }, 50ms);
        }
    }
    std::vector<std::uint8_t> Memory(std::size_t file) {
        return Padded(files[file].second);
    }
    void AnswerDelay(std::uint32_t ms) {
        Emulator().WithDevice(device, [&](EmulatedDevice& d) { d.answerDelayMs = ms; });
    }
    // The log-data answers from the `after`-th on come `ms` late, `count` of them (negative: all).
    void LateData(std::uint32_t ms, int count = -1, int after = 0) {
        Emulator().WithDevice(device, [&](EmulatedDevice& d) {
            d.AddFault(FaultRule{FaultKind::SlowAnswer, count, cmdLog, logData, ms, after});
        });
    }
    // Downloads the third file (eight packets) and checks what must hold however late the
    // answers come: its exact bytes under its name, or "Ошибка загрузки файла" and no file at
    // all. True when it was downloaded.
    bool DownloadIsExactOrFails() {
        std::filesystem::remove(folder.Path() / "LOG00123.log");
        view->memo.clear();
        EXPECT_TRUE(Download({false, false, true}));
        if (!view->memo.empty() && view->memo.back() == "Загрузка закончена") {
            EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{"LOG00123.log"});
            EXPECT_EQ(ReadFile(folder.Path() / "LOG00123.log"), Memory(2)) << "a late answer was taken for another packet";
            return true;
        }
        EXPECT_EQ(view->memo, (std::vector<std::string>{"Начало загрузки файла: " + LogFileRowCaption(LogFileTable.Entries[2]),
                                                        "Ошибка загрузки файла"}));
        EXPECT_TRUE(FilesIn(folder.Path()).empty());
        return false;
    }

    const std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>> files = {
        {7, Pattern(512, 1)}, {12, Pattern(300, 2)}, {123, Pattern(256, 3)}};
    int device = -1;
    TempFolder folder;
    std::shared_ptr<RecordingView> view = std::make_shared<RecordingView>();
};

struct DipLogFilesFixture : LogFilesFixture {
    DipLogFilesFixture() : LogFilesFixture(DeviceKind::Dip, tmDip) {}
};

const std::vector<std::string> kListedMemo = {
    "Read File info: 0", "Files name: LOG0007.log",   "File size: 512", "Read File info: 1", "Files name: LOG00012.log",
    "File size: 512",    "Read File info: 2",         "Files name: LOG000123.log", "File size: 256"};
const std::vector<std::string> kListedRows = {"LOG0007.log (512)       ", "LOG00012.log (512)       ",
                                              "LOG000123.log (256)       "};

}  // namespace

TEST(LogFileNamesTest, ListAndDownloadNamesFollowTheirOwnRules) {
    const struct {
        std::uint32_t number;
        const char* listed;
        const char* saved;
    } cases[] = {{7, "LOG0007.log (256)       ", "LOG00007.log"},
                 {12, "LOG00012.log (256)       ", "LOG00012.log"},
                 {123, "LOG000123.log (256)       ", "LOG00123.log"},
                 {4567, "LOG0004567.log (256)       ", "LOG004567.log"}};
    for (const auto& c : cases) {
        EXPECT_EQ(LogFileRowCaption({c.number, 256}), c.listed);
        EXPECT_EQ(LogFileDownloadName(c.number), c.saved);
    }
}

TEST(LogFileNamesTest, ANameThisDownloadHasWrittenGetsTheFirstFreeCopyNumber) {
    const struct {
        std::set<std::string> taken;
        const char* name;
    } cases[] = {{{}, "LOG00007.log"},
                 {{"LOG00012.log"}, "LOG00007.log"},
                 {{"LOG00007.log"}, "LOG00007_2.log"},
                 {{"LOG00007.log", "LOG00007_2.log"}, "LOG00007_3.log"},
                 {{"LOG00007.log", "LOG00007_3.log"}, "LOG00007_2.log"}};
    for (const auto& c : cases) EXPECT_EQ(LogFileDownloadName(7, c.taken), c.name);
}

TEST_F(LogFilesFixture, TheListShowsEveryFileWithItsSizeAndTheMemoryInUse) {
    ASSERT_TRUE(List());
    EXPECT_EQ(view->memo, kListedMemo);
    EXPECT_EQ(view->rows, kListedRows);
    EXPECT_EQ(view->gauge, 2) << "1280 of 65536 bytes";
    EXPECT_EQ(view->windowRefreshes, 1);
    EXPECT_EQ(view->gaugeRefreshes, 1);
    ASSERT_EQ(LogFileTable.Count, 3u);
    EXPECT_EQ(LogFileTable.Entries[2].Number, 123u);
    EXPECT_EQ(LogFileTable.Entries[2].Size, 256u);
}

TEST_F(LogFilesFixture, AnEmptyMemoryOrOneOfSizeZeroListsNothingAndShowsNoFault) {
    Emulator().WithDevice(device, [](EmulatedDevice& d) {
        d.logs.Clear();
        d.logs.SetCapacity(0);
    });
    view->rows = {"old row"};
    ASSERT_TRUE(List());
    EXPECT_TRUE(view->rows.empty());
    EXPECT_TRUE(view->memo.empty());
    EXPECT_EQ(view->gauge, 0);
    EXPECT_EQ(view->windowRefreshes, 1);
}

TEST_F(LogFilesFixture, AListOfMoreFilesThanTheTableHoldsStopsAtItsEnd) {
    Emulator().WithDevice(device, [](EmulatedDevice& d) {
        d.logs.Clear();
        for (std::uint32_t n = 1; n <= 35; ++n) d.logs.AddFile(n, Pattern(256, 0));
    });
    ASSERT_TRUE(List());
    EXPECT_EQ(view->rows.size(), 33u);
    EXPECT_EQ(LogFileTable.Count, 33u);
    EXPECT_EQ(view->memo.front(), "Файлов в памяти: 35, показаны первые 33");
}

TEST_F(LogFilesFixture, TheSelectedFilesAreDownloadedEqualToTheControllersBytes) {
    ASSERT_TRUE(List());
    view->memo.clear();
    ASSERT_TRUE(Download({false, true, true}));
    EXPECT_EQ(FilesIn(folder.Path()), (std::vector<std::string>{"LOG00012.log", "LOG00123.log"}));
    EXPECT_EQ(ReadFile(folder.Path() / "LOG00012.log"), Memory(1)) << "offsets start after the first file";
    EXPECT_EQ(ReadFile(folder.Path() / "LOG00123.log"), Memory(2));
    EXPECT_EQ(view->memo, (std::vector<std::string>{"Начало загрузки файла: " + kListedRows[1],
                                                    "Начало загрузки файла: " + kListedRows[2], "Загрузка закончена"}));
    EXPECT_EQ(view->progress.back(), 0);
    EXPECT_EQ(*std::max_element(view->progress.begin(), view->progress.end()), 94) << "15 of 16 packets";
}

TEST_F(LogFilesFixture, AnExistingFileIsReplacedWhole) {
    ASSERT_TRUE(List());
    std::ofstream(folder.Path() / "LOG00007.log") << std::string(5000, 'x');
    ASSERT_TRUE(Download({true, false, false}));
    EXPECT_EQ(ReadFile(folder.Path() / "LOG00007.log"), Memory(0));
}

TEST_F(LogFilesFixture, PacketsThatTimeOutOrComeWrongAreAskedAgain) {
    ASSERT_TRUE(List());
    for (FaultKind fault : {FaultKind::NoAnswer, FaultKind::WrongBlock, FaultKind::Garbage, FaultKind::WrongCommand}) {
        Fault(fault, logData, 5);
        ASSERT_TRUE(Download({true, false, false}));
        EXPECT_EQ(ReadFile(folder.Path() / "LOG00007.log"), Memory(0));
        EXPECT_EQ(view->memo.back(), "Загрузка закончена");
    }
}

TEST_F(LogFilesFixture, ASixthFailureInARowEndsTheDownloadLeavingNoFileAndTheWindowUsable) {
    ASSERT_TRUE(List());
    for (FaultKind fault : {FaultKind::NoAnswer, FaultKind::WrongBlock}) {
        view->memo.clear();
        Fault(fault, logData, 6);
        ASSERT_TRUE(Download({true, true, false}));
        EXPECT_EQ(view->memo, (std::vector<std::string>{"Начало загрузки файла: " + kListedRows[0],
                                                        "Ошибка загрузки файла"}));
        EXPECT_TRUE(FilesIn(folder.Path()).empty()) << "no part file, no later file";
        EXPECT_EQ(view->progress.back(), 0);
        NoFaults();
    }
    ASSERT_TRUE(Download({true, false, false}));
    EXPECT_EQ(ReadFile(folder.Path() / "LOG00007.log"), Memory(0));
}

TEST_F(LogFilesFixture, UnpluggingInTheMiddleOfADownloadEndsItCleanly) {
    ASSERT_TRUE(List());
    std::ofstream(folder.Path() / "LOG00007.log") << "an older download";
    Emulator().WithDevice(device, [](EmulatedDevice& d) { d.UnplugAfterRequests(6); });
    view->memo.clear();
    ASSERT_TRUE(Download({true, false, false}));
    EXPECT_EQ(view->memo.back(), "Ошибка загрузки файла");
    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{"LOG00007.log"});
    EXPECT_EQ(ReadFile(folder.Path() / "LOG00007.log"), std::vector<std::uint8_t>({'a', 'n', ' ', 'o', 'l', 'd', 'e', 'r', ' ', 'd', 'o', 'w', 'n', 'l', 'o', 'a', 'd'}))
        << "the older file is left as it was";
    ASSERT_TRUE(Disconnected());

    view->memo.clear();
    ASSERT_TRUE(List());
    EXPECT_EQ(view->memo, std::vector<std::string>{"Log info timeout"}) << "no device: at once";
    Emulator().Plug(device);
    ASSERT_TRUE(Connect(tmFlightController));
    view->memo.clear();
    ASSERT_TRUE(List());
    EXPECT_EQ(view->rows, kListedRows);
}

TEST_F(LogFilesFixture, AFolderThatIsMissingOrVanishesGivesAMessageAndNoFile) {
    ASSERT_TRUE(List());
    view->memo.clear();
    ASSERT_TRUE(Download({true, false, false}, (folder.Path() / "missing").string()));
    ASSERT_EQ(view->memo.size(), 2u);
    EXPECT_TRUE(view->memo[1].starts_with("Ошибка записи файла: ")) << view->memo[1];

    std::filesystem::path vanishing = folder.Path() / "vanishing";
    std::filesystem::create_directory(vanishing);
    Emulator().WithDevice(device, [](EmulatedDevice& d) { d.answerDelayMs = 20; });
    view->memo.clear();
    LogDownloadClick(view, {true, false, false}, [&] { return std::optional<std::string>(vanishing.string()); });
    ASSERT_TRUE(RunMessagesUntil([&] { return !FilesIn(vanishing).empty(); }));
    std::filesystem::remove_all(vanishing);
    ASSERT_TRUE(Finish());
    EXPECT_TRUE(view->memo.back().starts_with("Ошибка")) << view->memo.back();
    EXPECT_FALSE(std::filesystem::exists(vanishing));
}

TEST_F(LogFilesFixture, TheClearWaitsOutTheErasingAndEmptiesTheList) {
    ASSERT_TRUE(List());
    Emulator().WithDevice(device, [](EmulatedDevice& d) { d.eraseSteps = 3; });
    recorder.heard.clear();
    view->memo.clear();
    LogClearClick(view, [] { return true; });
    ASSERT_TRUE(Finish());
    EXPECT_EQ(recorder.heard, (std::vector<std::string>(3, "main log: Очистка")));
    EXPECT_EQ(view->memo, std::vector<std::string>{"Лог очищен!"});
    EXPECT_EQ(view->progress, (std::vector<int>{0, 3, 7, 10, 0}));
    EXPECT_TRUE(view->rows.empty());
    EXPECT_EQ(view->gauge, 0);
    EXPECT_EQ(LogFileTable.Count, 0u);
    EXPECT_TRUE(Emulator().WithDevice(device, [](EmulatedDevice& d) { return d.logs.Files().empty(); }));
}

TEST_F(LogFilesFixture, LongTimeOutsGiveTheirMessages) {
    platform::testing::VirtualClockScope clock;
    Fault(FaultKind::NoAnswer, logInfo, 1);
    int before = Requests();
    LogListClick(view);
    PassTimeAfterRequest(before, 5001);
    ASSERT_TRUE(Finish());
    EXPECT_EQ(view->memo, std::vector<std::string>{"Log info timeout"});

    Fault(FaultKind::NoAnswer, logClear, 1);
    view->memo.clear();
    before = Requests();
    LogClearClick(view, [] { return true; });
    PassTimeAfterRequest(before, 20001);
    ASSERT_TRUE(Finish());
    EXPECT_EQ(view->memo, std::vector<std::string>{"Ошибка очистки лога"});
    EXPECT_TRUE(Emulator().WithDevice(device, [](EmulatedDevice& d) { return !d.logs.Files().empty(); }));
}

TEST_F(LogFilesFixture, AFileInfoTimeOutKeepsTheRowsSoFar) {
    // The first file's info comes, the others do not.
    Emulator().WithDevice(device, [](EmulatedDevice& d) {
        d.AddFault(FaultRule{FaultKind::SlowAnswer, 1, cmdLog, logFileInfo, 0, 0});
        d.AddFault(FaultRule{FaultKind::NoAnswer, -1, cmdLog, logFileInfo, 0, 0});
    });
    ASSERT_TRUE(List());
    EXPECT_EQ(view->rows, std::vector<std::string>{kListedRows[0]});
    EXPECT_EQ(view->memo.back(), "File info timeout");
    EXPECT_EQ(view->windowRefreshes, 0);
}

TEST_F(LogFilesFixture, TheButtonsStartNothingWhileAJobRunsOrWithoutAChoice) {
    LogDownloadClick(view, {}, [] { return std::optional<std::string>("/tmp"); });
    LogDownloadClick(view, {false, false}, [] { return std::optional<std::string>("/tmp"); });
    EXPECT_EQ(view->memo, (std::vector<std::string>{"Нет файлов для загрузки!", "Файлы не выбраны!"}));
    bool asked = false;
    LogDownloadClick(view, {true}, [&] {
        asked = true;
        return std::optional<std::string>();
    });
    LogClearClick(view, [] { return false; });
    EXPECT_TRUE(asked);
    EXPECT_FALSE(LogBusy) << "a cancelled dialog or question starts nothing";

    Emulator().WithDevice(device, [](EmulatedDevice& d) { d.answerDelayMs = 300; });
    LogListClick(view);
    ASSERT_TRUE(LogBusy);
    EXPECT_FALSE(StartLogJob(ljClear, view));
    bool confirmAsked = false;
    LogClearClick(view, [&] { return confirmAsked = true; });
    EXPECT_FALSE(confirmAsked);
    ASSERT_TRUE(Finish());
    EXPECT_EQ(LogJob, ljList);
    EXPECT_EQ(view->rows, kListedRows);
}

TEST_F(LogFilesFixture, AWindowGoneBeforeItsJobEndsIsLeftAlone) {
    Emulator().WithDevice(device, [](EmulatedDevice& d) { d.answerDelayMs = 100; });
    LogListClick(view);
    view.reset();
    EXPECT_TRUE(RunMessagesUntil([] { return !LogBusy; }, 20s));
    RunMessages();
}

// The log-data answer carries no offset: an answer that comes after its wait
// must never be written as another packet's bytes. Real time: the emulator's
// answers are late on its own clock.
template <class Fixture>
void EveryAnswerLate(Fixture& f) {
    ASSERT_TRUE(f.List());
    int downloaded = 0;
    for (std::uint32_t ms : {120u, 150u, 250u}) {
        SCOPED_TRACE(ms);
        f.LateData(ms);
        downloaded += f.DownloadIsExactOrFails();
        f.NoFaults();
    }
    EXPECT_GT(downloaded, 0) << "a slow controller's answers are its own packets' answers";
}

// Every answer takes a little while, so a late one tends to come while the
// worker waits for a later packet's.
constexpr std::uint32_t kUsualAnswerMs = 20;

template <class Fixture>
void OneAnswerLateAtEachPosition(Fixture& f) {
    ASSERT_TRUE(f.List());
    f.AnswerDelay(kUsualAnswerMs);
    for (int position = 0; position < 8; ++position) {
        SCOPED_TRACE(position);
        f.LateData(150, 1, position);
        EXPECT_TRUE(f.DownloadIsExactOrFails());
        f.NoFaults();
    }
}

template <class Fixture>
void ALateAnswerLeftByOneDownloadSpoilsNotTheNext(Fixture& f) {
    ASSERT_TRUE(f.List());
    f.AnswerDelay(kUsualAnswerMs);
    f.LateData(250, 1, 7);  // the first download's last packet
    EXPECT_TRUE(f.DownloadIsExactOrFails());
    EXPECT_TRUE(f.DownloadIsExactOrFails());
}

TEST_F(LogFilesFixture, EveryAnswerLateGivesTheExactFileOrAFailure) { EveryAnswerLate(*this); }
TEST_F(DipLogFilesFixture, EveryAnswerLateGivesTheExactFileOrAFailure) { EveryAnswerLate(*this); }
TEST_F(LogFilesFixture, OneAnswerLateAtAnyPositionGivesTheExactFile) { OneAnswerLateAtEachPosition(*this); }
TEST_F(DipLogFilesFixture, OneAnswerLateAtAnyPositionGivesTheExactFile) { OneAnswerLateAtEachPosition(*this); }
TEST_F(LogFilesFixture, ALateAnswerLeftByOneDownloadSpoilsNotTheNext) { ALateAnswerLeftByOneDownloadSpoilsNotTheNext(*this); }
TEST_F(DipLogFilesFixture, ALateAnswerLeftByOneDownloadSpoilsNotTheNext) {
    ALateAnswerLeftByOneDownloadSpoilsNotTheNext(*this);
}

TEST_F(LogFilesFixture, AnExistingNameIsNeverFollowedNorTruncated) {
    ASSERT_TRUE(List());
    TempFolder outside;
    const std::filesystem::path victim = outside.Write("victim", "keep me");
    const std::filesystem::path part = folder.Path() / "LOG00007.log.part";
    const std::filesystem::path final = folder.Path() / "LOG00007.log";
    const std::string refused = "Ошибка записи файла: " + part.string() +
                                ": файл или ссылка с таким именем уже есть, они оставлены как есть";
    const struct {
        const char* what;
        std::filesystem::path name;
        bool link;
        bool downloads;
    } cases[] = {{"a link named like the temporary file", part, true, false},
                 {"a file named like the temporary file", part, false, false},
                 {"a link named like the file", final, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.link) std::filesystem::create_symlink(victim, c.name);
        else std::ofstream(c.name) << "an older part";
        view->memo.clear();
        ASSERT_TRUE(Download({true, false, false}));
        EXPECT_EQ(ReadFile(victim), (std::vector<std::uint8_t>{'k', 'e', 'e', 'p', ' ', 'm', 'e'}));
        if (c.downloads) {
            EXPECT_EQ(view->memo.back(), "Загрузка закончена");
            EXPECT_FALSE(std::filesystem::is_symlink(final)) << "the link itself is replaced";
            EXPECT_EQ(ReadFile(final), Memory(0));
        } else {
            EXPECT_EQ(view->memo.back(), refused);
            EXPECT_EQ(std::filesystem::is_symlink(c.name), c.link) << "left as it was";
            if (!c.link) {
                EXPECT_EQ(ReadFile(c.name).size(), std::string("an older part").size());
            }
            EXPECT_FALSE(std::filesystem::exists(final));
        }
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) std::filesystem::remove(entry);
    }
}

TEST_F(LogFilesFixture, AFolderWhoseNameHoldsABackslashGetsTheFilesAndNothingElseDoes) {
    ASSERT_TRUE(List());
    // "a/b" is where a backslash read as a separator would lead.
    std::filesystem::create_directories(folder.Path() / "a" / "b");
    for (const char* name : {"a\\b", "ends\\"}) {
        SCOPED_TRACE(name);
        const std::filesystem::path chosen = folder.Path() / name;
        std::filesystem::create_directory(chosen);
        view->memo.clear();
        ASSERT_TRUE(Download({true, false, false}, chosen.string()));
        EXPECT_EQ(view->memo.back(), "Загрузка закончена");
        EXPECT_EQ(FilesIn(chosen), std::vector<std::string>{"LOG00007.log"});
        EXPECT_EQ(ReadFile(chosen / "LOG00007.log"), Memory(0));
    }
    std::vector<std::string> everything;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.Path()))
        everything.push_back(std::filesystem::relative(entry.path(), folder.Path()).string());
    std::sort(everything.begin(), everything.end());
    EXPECT_EQ(everything, (std::vector<std::string>{"a", "a/b", "a\\b", "a\\b/LOG00007.log", "ends\\",
                                                    "ends\\/LOG00007.log"}));
}

TEST_F(LogFilesFixture, TwoRowsWithTheSameFileNumberKeepBothFiles) {
    Emulator().WithDevice(device, [](EmulatedDevice& d) {
        d.logs.Clear();
        d.logs.AddFile(7, Pattern(256, 4));
        d.logs.AddFile(7, Pattern(256, 5));
    });
    ASSERT_TRUE(List());
    view->memo.clear();
    ASSERT_TRUE(Download({true, true}));
    EXPECT_EQ(FilesIn(folder.Path()), (std::vector<std::string>{"LOG00007.log", "LOG00007_2.log"}));
    EXPECT_EQ(ReadFile(folder.Path() / "LOG00007.log"), Pattern(256, 4));
    EXPECT_EQ(ReadFile(folder.Path() / "LOG00007_2.log"), Pattern(256, 5));
    EXPECT_NE(std::find(view->memo.begin(), view->memo.end(),
                        "Файл с номером 7 уже загружен, этот сохраняется как LOG00007_2.log"),
              view->memo.end());
}

TEST_F(LogFilesFixture, AJobEndedByAnUnexpectedExceptionSaysWhyAndFreesTheWindow) {
    for (int times : {1, 2}) {
        SCOPED_TRACE(times);
        view->memo.clear();
        {
            ThrowingWake wake(times);
            LogListClick(view);
            ASSERT_TRUE(Finish());
        }
        RunMessages();
        EXPECT_NE(std::find(view->memo.begin(), view->memo.end(), std::string("Ошибка: ") + kWakeFailure),
                  view->memo.end());
        EXPECT_TRUE(RunMessagesUntil([] { return !DeviceWorkerRunning(); }));
    }
    view->memo.clear();
    ASSERT_TRUE(List());
    EXPECT_EQ(view->rows, kListedRows) << "the next job runs";
}
