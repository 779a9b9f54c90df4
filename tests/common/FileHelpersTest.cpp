#include "common/FileHelpers.h"
#include "platform/system/Files.h"
#include "platform/system/LastError.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <sys/stat.h>

TEST(ExtractPathPart, KeepsEverythingUpToTheLastSeparator) {
    const struct {
        const char* name;
        const char* path;
    } cases[] = {
        {"C:\\logs\\LOG001.log", "C:\\logs\\"}, {"a/b\\c", "a/b\\"}, {"a\\b/c", "a\\b/"}, {"C:LOG001.log", "C:"},
        {"/home/user/x.cfg", "/home/user/"},    {"LOG001.log", ""},  {"", ""},           {"dir/", "dir/"},
    };
    for (const auto& c : cases) EXPECT_EQ(ExtractPathPart(c.name), c.path) << c.name;
}

TEST(FileSizeByName, GivesTheSizeOfTheFirstMatchOrZero) {
    TempFolder folder;
    std::string file = folder.Write("LOG001.log", std::string(1000, 'x'));
    EXPECT_EQ(FileSizeByName(file), 1000u);
    EXPECT_EQ(FileSizeByName((folder.Path() / "LOG0?1.*").string()), 1000u);
    EXPECT_EQ(FileSizeByName((folder.Path() / "missing.log").string()), 0u);
    EXPECT_EQ(FileSizeByName((folder.Path() / "missing" / "x.log").string()), 0u);
}

TEST(MapFileReadOnly, MapsTheWholeFile) {
    TempFolder folder;
    std::string bytes = "header page\x00\x01\x02 and data";
    std::string file = folder.Write("a.log", bytes);
    MappedFile mapped = MapFileReadOnly(file);
    ASSERT_NE(mapped.view, nullptr);
    EXPECT_EQ(mapped.size, bytes.size());
    EXPECT_EQ(std::memcmp(mapped.view, bytes.data(), bytes.size()), 0);
    EXPECT_NE(mapped.file, platform::INVALID_HANDLE_VALUE);
    EXPECT_NE(mapped.mapping, nullptr);
    UnmapFile(mapped);
    // Closed handles are no longer open.
    EXPECT_EQ(platform::CloseHandle(mapped.file), platform::FALSE);
    EXPECT_EQ(platform::CloseHandle(mapped.mapping), platform::FALSE);
}

TEST(MapFileReadOnly, FailuresGiveANullViewAndTheHandlesObtained) {
    TempFolder folder;
    std::string empty = folder.Write("empty.log", "");
    const struct {
        std::string name;
        bool fileOpens;
        std::uint32_t error;
    } cases[] = {
        {(folder.Path() / "missing.log").string(), false, platform::ERROR_FILE_NOT_FOUND},
        {folder.Path().string(), false, platform::ERROR_DIRECTORY_NOT_SUPPORTED},
        {empty, true, platform::ERROR_FILE_INVALID},
        {"", false, platform::ERROR_INVALID_NAME},
    };
    for (const auto& c : cases) {
        MappedFile mapped = MapFileReadOnly(c.name);
        EXPECT_EQ(mapped.view, nullptr) << c.name;
        EXPECT_EQ(mapped.file != platform::INVALID_HANDLE_VALUE, c.fileOpens) << c.name;
        EXPECT_EQ(mapped.mapping, nullptr) << c.name;
        EXPECT_EQ(mapped.error, c.error) << c.name;
        UnmapFile(mapped);
    }
}

TEST(ReadOnlyFileView, ReleasesItsHandlesAndExplainsFailures) {
    TempFolder folder;
    {
        ReadOnlyFileView view(folder.Write("a.log", "abc"));
        ASSERT_TRUE(view.IsOpen());
        EXPECT_EQ(view.Size(), 3u);
        EXPECT_EQ(view.ErrorText(), "");
    }
    ReadOnlyFileView missing((folder.Path() / "none.log").string());
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(missing.ErrorText(), "Файл не найден.");
    ReadOnlyFileView empty(folder.Write("empty.log", ""));
    EXPECT_FALSE(empty.IsOpen());
    EXPECT_FALSE(empty.ErrorText().empty());
}

TEST(OpenFileHandle, UnpacksAccessShareAndDisposition) {
    TempFolder folder;
    std::string name = (folder.Path() / "new.cfg").string();
    std::uint32_t createNew = platform::GENERIC_WRITE | (platform::CREATE_NEW << 8);
    platform::HANDLE created = OpenFileHandle(name, createNew);
    ASSERT_NE(created, platform::INVALID_HANDLE_VALUE);
    platform::DWORD written = 0;
    EXPECT_TRUE(platform::WriteFile(created, "12345", 5, &written, nullptr));
    platform::CloseHandle(created);
    EXPECT_EQ(FileSizeByName(name), 5u);
    EXPECT_EQ(OpenFileHandle(name, createNew), platform::INVALID_HANDLE_VALUE);
    EXPECT_EQ(platform::GetLastError(), platform::ERROR_FILE_EXISTS);
}

TEST(ReadRegularFile, ReadsRegularFilesWholeAndRefusesTheRest) {
    using Outcome = FileContents::Outcome;
    TempFolder folder;
    const std::string fifo = (folder.Path() / "pipe.log").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        std::string name;
        std::size_t limit;
        Outcome outcome;
        std::string bytes;
        std::uint32_t error;
    } cases[] = {
        {folder.Write("a.log", "abcdef"), 100, Outcome::Read, "abcdef", 0},
        {folder.Write("b.log", "abcdef"), 4, Outcome::Read, "abcd", 0},
        {folder.Write("c.log", ""), 100, Outcome::Read, "", 0},
        {(folder.Path() / "none.log").string(), 100, Outcome::CannotOpen, "", platform::ERROR_FILE_NOT_FOUND},
        {folder.Path().string(), 100, Outcome::CannotOpen, "", platform::ERROR_DIRECTORY_NOT_SUPPORTED},
        {fifo, 100, Outcome::NotARegularFile, "", 0},
        {"/dev/zero", 100, Outcome::NotARegularFile, "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FileContents contents = ReadRegularFile(c.name, c.limit);
        EXPECT_EQ(contents.outcome, c.outcome);
        EXPECT_EQ(std::string(contents.bytes.begin(), contents.bytes.end()), c.bytes);
        EXPECT_EQ(contents.error, c.error);
    }
}

TEST(ReadOpenFile, AFileShortenedAfterItWasOpenedIsReportedAsChanged) {
    TempFolder folder;
    const std::string name = folder.Write("LOG001.log", std::string(1000, 'x'));
    platform::HANDLE file = OpenFileHandle(name, platform::GENERIC_READ | (platform::OPEN_EXISTING << 8));
    ASSERT_NE(file, platform::INVALID_HANDLE_VALUE);
    std::filesystem::resize_file(name, 600);
    FileContents contents = ReadOpenFile(file, 1000, 4096);
    EXPECT_EQ(contents.outcome, FileContents::Outcome::Changed);
    EXPECT_TRUE(contents.bytes.empty());
    // Read from the start, whatever was read through the handle before.
    FileContents again = ReadOpenFile(file, 600, 4096);
    EXPECT_EQ(again.outcome, FileContents::Outcome::Read);
    EXPECT_EQ(again.bytes.size(), 600u);
    platform::CloseHandle(file);
}
