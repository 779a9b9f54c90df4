#include "ui/core/HandleStream.h"

#include "ui/core/Exceptions.h"
#include "ui/core/OSError.h"

#include "platform/system/Files.h"
#include "platform/system/LastError.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

std::int64_t THandleStream::Read(void* buffer, std::int64_t count) {
    std::int64_t total = 0;
    auto* out = static_cast<char*>(buffer);
    while (total < count) {
        platform::DWORD chunk = static_cast<platform::DWORD>(std::min<std::int64_t>(count - total, INT_MAX));
        platform::DWORD done = 0;
        if (!platform::ReadFile(handle_, out + total, chunk, &done, nullptr) || done == 0) break;
        total += done;
    }
    return total;
}

std::int64_t THandleStream::Write(const void* buffer, std::int64_t count) {
    std::int64_t total = 0;
    auto* in = static_cast<const char*>(buffer);
    while (total < count) {
        platform::DWORD chunk = static_cast<platform::DWORD>(std::min<std::int64_t>(count - total, INT_MAX));
        platform::DWORD done = 0;
        if (!platform::WriteFile(handle_, in + total, chunk, &done, nullptr) || done == 0) break;
        total += done;
    }
    return total;
}

std::int64_t THandleStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    std::int64_t position = -1;
    if (!platform::SetFilePointerEx(handle_, offset, &position, static_cast<platform::DWORD>(origin))) return -1;
    return position;
}

void THandleStream::SetSize(std::int64_t size) {
    std::int64_t position = Position();
    int fd = platform::FileDescriptorOf(handle_);
    if (fd < 0 || ::ftruncate(fd, size) != 0)
        throw EStreamError(SysErrorMessage(fd < 0 ? platform::ERROR_INVALID_HANDLE : platform::ErrorFromErrno(errno)));
    if (position > size) SetPosition(size);
}

namespace {

platform::HANDLE OpenFile(const std::string& name, std::uint16_t mode) {
    if (mode == fmCreate || (mode & 0xFF00) == fmCreate)
        return platform::CreateFileA(name.c_str(), platform::GENERIC_READ | platform::GENERIC_WRITE, 0, nullptr,
                                     platform::CREATE_ALWAYS, platform::FILE_ATTRIBUTE_NORMAL, nullptr);
    platform::DWORD access = 0;
    switch (mode & 3) {
        case fmOpenRead: access = platform::GENERIC_READ; break;
        case fmOpenWrite: access = platform::GENERIC_WRITE; break;
        default: access = platform::GENERIC_READ | platform::GENERIC_WRITE; break;
    }
    return platform::CreateFileA(name.c_str(), access, platform::FILE_SHARE_READ, nullptr, platform::OPEN_EXISTING,
                                 platform::FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

TFileStream::TFileStream(const std::string& fileName, std::uint16_t mode)
    : THandleStream(OpenFile(fileName, mode)), fileName_(fileName) {
    if (handle_ != platform::INVALID_HANDLE_VALUE) return;
    std::string reason = SysErrorMessage(platform::GetLastError());
    if ((mode & 0xFF00) == fmCreate) throw EFCreateError("Cannot create file \"" + fileName + "\". " + reason);
    throw EFOpenError("Cannot open file \"" + fileName + "\". " + reason);
}

TFileStream::~TFileStream() { platform::CloseHandle(handle_); }
