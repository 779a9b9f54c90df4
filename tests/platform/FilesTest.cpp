#include "platform/system/FileMapping.h"
#include "platform/system/Files.h"
#include "platform/system/LastError.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <set>

using namespace platform;

TEST(Handles, CloseOnlyOnceAndOnlyOpenOnes) {
    TempFolder folder;
    HANDLE file = CreateFileA(folder.Write("a", "x").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(CloseHandle(file));
    EXPECT_FALSE(CloseHandle(file));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(CloseHandle(nullptr));
}

TEST(Files, WriteReadAndSeek) {
    TempFolder folder;
    std::string name = (folder.Path() / "b.bin").string();
    HANDLE file = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD count = 0;
    EXPECT_TRUE(WriteFile(file, "abcdef", 6, &count, nullptr));
    EXPECT_EQ(count, 6u);
    std::int64_t at = -1;
    EXPECT_TRUE(SetFilePointerEx(file, 2, &at, FILE_BEGIN));
    EXPECT_EQ(at, 2);
    char buffer[8] = {};
    EXPECT_TRUE(ReadFile(file, buffer, 8, &count, nullptr));
    EXPECT_EQ(std::string(buffer, count), "cdef");
    std::int64_t size = 0;
    EXPECT_TRUE(GetFileSizeEx(file, &size));
    EXPECT_EQ(size, 6);
    CloseHandle(file);
    EXPECT_FALSE(ReadFile(file, buffer, 1, &count, nullptr));
}

TEST(Files, BackslashesSeparateFolders) {
    TempFolder folder;
    folder.Write("c.txt", "x");
    std::string name = folder.Path().string() + "\\c.txt";
    HANDLE file = CreateFileA(name.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
}

TEST(FindFirstFileA, ListsMatchesOfAPattern) {
    TempFolder folder;
    folder.Write("LOG001.log", "1");
    folder.Write("LOG002.log", "22");
    folder.Write("notes.txt", "333");
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder.Path() / "LOG*.log").string().c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    std::set<std::string> names{found.cFileName};
    while (FindNextFileA(search, &found)) names.insert(found.cFileName);
    EXPECT_EQ(GetLastError(), ERROR_NO_MORE_FILES);
    EXPECT_TRUE(FindClose(search));
    EXPECT_EQ(names, (std::set<std::string>{"LOG001.log", "LOG002.log"}));
    EXPECT_EQ(FindFirstFileA((folder.Path() / "*.cfg").string().c_str(), &found), INVALID_HANDLE_VALUE);
}

TEST(FileMapping, ViewsAreBoundedByTheMapping) {
    TempFolder folder;
    HANDLE file = CreateFileA(folder.Write("m", "0123456789").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    HANDLE mapping = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    ASSERT_NE(mapping, nullptr);
    EXPECT_EQ(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 11), nullptr);
    EXPECT_EQ(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0), nullptr);
    const char* view = static_cast<const char*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(std::string(view, 10), "0123456789");
    EXPECT_TRUE(UnmapViewOfFile(view));
    EXPECT_FALSE(UnmapViewOfFile(view));
    // The mapping outlives a closed file handle, as the system keeps it.
    CloseHandle(file);
    view = static_cast<const char*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 4));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(std::string(view, 4), "0123");
    UnmapViewOfFile(view);
    CloseHandle(mapping);
}
