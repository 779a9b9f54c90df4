#include "ui/core/IniFileStorage.h"

#include "platform/system/Files.h"
#include "platform/system/LastError.h"
#include "platform/text/Utf8Text.h"
#include "ui/core/Cp1251Text.h"
#include "ui/core/Exceptions.h"
#include "ui/core/ScopeGuards.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <optional>
#include <string_view>

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
// As the system follows links before it gives up on a loop.
constexpr int kMostLinksFollowed = 40;
constexpr int kTemporaryNameAttempts = 100;
constexpr platform::DWORD kReadChunk = 64 * 1024;

std::string TextOfFileBytes(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark)) return std::string(bytes.substr(kUtf8Mark.size()));
    return platform::IsValidUtf8(bytes) ? std::string(bytes) : Cp1251ToUtf8(bytes);
}

std::string FileBytesOfText(const std::string& text) {
    std::optional<std::string> legacy = Utf8ToCp1251(text);
    if (legacy && TextOfFileBytes(*legacy) == text) return *legacy;
    return std::string(kUtf8Mark) + text;
}

// The file a write lands in: the name itself, or the end of its chain of links.
std::filesystem::path WriteTarget(const std::string& fileName) {
    std::filesystem::path path = platform::NativePath(fileName.c_str());
    for (int hop = 0; hop < kMostLinksFollowed; ++hop) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) return path;
        std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) return path;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

// A new file of its own beside the target; an existing file or link of that
// name is never opened.
int CreateTemporary(const std::filesystem::path& target, std::string& name) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        name = target.string() + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

}  // namespace

IniFileState LoadIniText(const std::string& fileName, TIniText& text) {
    text.SetLines({});
    platform::HANDLE file = platform::CreateFileA(fileName.c_str(), platform::GENERIC_READ,
                                                  platform::FILE_SHARE_READ | platform::FILE_SHARE_WRITE, nullptr,
                                                  platform::OPEN_EXISTING, 0, nullptr);
    if (file == platform::INVALID_HANDLE_VALUE) {
        std::uint32_t error = platform::GetLastError();
        bool missing = error == platform::ERROR_FILE_NOT_FOUND || error == platform::ERROR_PATH_NOT_FOUND;
        return missing ? IniFileState::Missing : IniFileState::Unreadable;
    }
    ScopeExit close([file] { platform::CloseHandle(file); });
    if (platform::GetFileType(file) != platform::FILE_TYPE_DISK) return IniFileState::Unreadable;
    std::string bytes;
    for (;;) {
        std::size_t at = bytes.size();
        bytes.resize(at + kReadChunk);
        platform::DWORD got = 0;
        if (!platform::ReadFile(file, bytes.data() + at, kReadChunk, &got, nullptr)) return IniFileState::Unreadable;
        bytes.resize(at + got);
        if (got == 0) break;
    }
    text.SetText(TextOfFileBytes(bytes));
    return IniFileState::Loaded;
}

void SaveIniText(const std::string& fileName, const TIniText& text) {
    auto fail = [&] { throw EIniFileException("Unable to write to " + fileName); };
    const std::filesystem::path target = WriteTarget(fileName);
    struct stat existing {};
    bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && (!S_ISREG(existing.st_mode) || ::access(target.c_str(), W_OK) != 0)) fail();

    std::string temporary;
    int fd = CreateTemporary(target, temporary);
    if (fd < 0) fail();
    ScopeExit removeTemporary([&] { ::unlink(temporary.c_str()); });
    bool written = WriteAll(fd, FileBytesOfText(text.Text()));
    if (written && exists) written = ::fchmod(fd, existing.st_mode & 07777) == 0;
    written = written && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written || std::rename(temporary.c_str(), target.c_str()) != 0) fail();
    removeTemporary.Dismiss();
}
