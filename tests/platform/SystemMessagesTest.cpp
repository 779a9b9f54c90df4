#include "platform/system/Files.h"
#include "platform/system/LastError.h"
#include "platform/system/SystemMessages.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;

namespace {

std::string MessageOf(DWORD code) {
    char buffer[256];
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, code, 0, buffer, sizeof buffer, nullptr);
    return std::string(buffer, length);
}

bool HasLatinLetter(const std::string& text) {
    for (char c : text)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    return false;
}

}  // namespace

TEST(SystemMessages, FileErrorsSayWhatHappenedInRussian) {
    const struct {
        int error;
        DWORD code;
        const char* text;
    } cases[] = {
        {ENOENT, ERROR_FILE_NOT_FOUND, "Файл не найден.\r\n"},
        {ENOTDIR, ERROR_PATH_NOT_FOUND, "Путь не найден: такой папки нет.\r\n"},
        {EACCES, ERROR_ACCESS_DENIED, "Отказано в доступе: нет прав на этот файл или папку.\r\n"},
        {EISDIR, ERROR_DIRECTORY_NOT_SUPPORTED, "Это папка, а не файл.\r\n"},
        {ENOSPC, ERROR_DISK_FULL, "Недостаточно места на диске.\r\n"},
        {EDQUOT, ERROR_DISK_FULL, "Недостаточно места на диске.\r\n"},
        {EROFS, ERROR_WRITE_PROTECT, "Носитель защищён от записи: файловая система только для чтения.\r\n"},
        {EFBIG, ERROR_FILE_TOO_LARGE, "Файл слишком велик.\r\n"},
        {EIO, ERROR_IO_DEVICE, "Ошибка ввода-вывода на устройстве.\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        EXPECT_EQ(ErrorFromErrno(c.error), c.code);
        EXPECT_EQ(MessageOf(c.code), c.text);
    }
}

TEST(SystemMessages, EveryCodeAnErrnoMapsToHasARussianText) {
    for (int error = 0; error < 134; ++error) {
        DWORD code = ErrorFromErrno(error);
        std::string text = MessageOf(code);
        SCOPED_TRACE(testing::Message() << "errno " << error << " code " << code);
        EXPECT_FALSE(text.empty());
        EXPECT_FALSE(HasLatinLetter(text)) << text;
    }
}

TEST(SystemMessages, CodesWithoutATextAndBadCallsFail) {
    char buffer[8];
    EXPECT_EQ(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, 0xDEAD, 0, buffer, sizeof buffer, nullptr), 0u);
    EXPECT_EQ(GetLastError(), 317u);
    // Cyrillic takes two bytes a letter: the text does not fit, and nothing is cut mid-letter.
    EXPECT_EQ(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, ERROR_DISK_FULL, 0, buffer, sizeof buffer, nullptr), 0u);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_STREQ(buffer, "");
}

TEST(CreateFileA, AFolderIsReportedAsAFolder) {
    TempFolder folder;
    for (DWORD access : {GENERIC_READ, GENERIC_WRITE}) {
        HANDLE file = CreateFileA(folder.Path().string().c_str(), access, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_EQ(file, INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), ERROR_DIRECTORY_NOT_SUPPORTED);
    }
}

TEST(CreateFileA, ANamedPipeWithoutAWriterOpensAtOnceAndIsTypedAsAPipe) {
    TempFolder folder;
    const std::string fifo = (folder.Path() / "pipe.log").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto opening = std::async(std::launch::async, [&] {
        return CreateFileA(fifo.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    });
    bool opened = opening.wait_for(std::chrono::seconds(30)) == std::future_status::ready;
    if (!opened) {
        // Let the blocked open go so that the test ends.
        int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) ::close(writer);
    }
    HANDLE file = opening.get();
    ASSERT_TRUE(opened) << "opening a named pipe waited for a writer";
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetFileType(file), FILE_TYPE_PIPE);
    char byte = 0;
    DWORD read = 1;
    EXPECT_TRUE(ReadFile(file, &byte, 1, &read, nullptr));
    EXPECT_EQ(read, 0u);
    CloseHandle(file);
}

TEST(GetFileType, TellsRegularFilesFromDevices) {
    TempFolder folder;
    const struct {
        std::string name;
        DWORD type;
    } cases[] = {
        {folder.Write("a.log", "abc"), FILE_TYPE_DISK},
        {"/dev/null", FILE_TYPE_CHAR},
    };
    for (const auto& c : cases) {
        HANDLE file = CreateFileA(c.name.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << c.name;
        EXPECT_EQ(GetFileType(file), c.type) << c.name;
        CloseHandle(file);
    }
    EXPECT_EQ(GetFileType(INVALID_HANDLE_VALUE), FILE_TYPE_UNKNOWN);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}
