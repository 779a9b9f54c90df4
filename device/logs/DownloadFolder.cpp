#include "device/logs/DownloadFolder.h"

#include "platform/system/LastError.h"

#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

namespace {

constexpr mode_t kNewFileMode = 0644;

std::uint32_t LastSystemError() { return platform::ErrorFromErrno(errno); }

}  // namespace

TDownloadFolder::TDownloadFolder(const std::string& path) : path_(path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) error_ = LastSystemError();
}

TDownloadFolder::~TDownloadFolder() {
    if (fd_ >= 0) ::close(fd_);
}

std::string TDownloadFolder::PathOf(const std::string& name) const {
    if (path_.empty() || path_.back() == '/') return path_ + name;
    return path_ + "/" + name;
}

int TDownloadFolder::CreateNew(const std::string& name, std::uint32_t& error) const {
    int fd = ::openat(fd_, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kNewFileMode);
    error = fd < 0 ? LastSystemError() : 0;
    return fd;
}

bool TDownloadFolder::Rename(const std::string& from, const std::string& to, std::uint32_t& error) const {
    bool renamed = ::renameat(fd_, from.c_str(), fd_, to.c_str()) == 0;
    error = renamed ? 0 : LastSystemError();
    return renamed;
}

void TDownloadFolder::Remove(const std::string& name) const { ::unlinkat(fd_, name.c_str(), 0); }

TDownloadFile::TDownloadFile(const TDownloadFolder& folder, std::string name) : folder_(folder), name_(std::move(name)) {
    fd_ = folder_.CreateNew(PartName(), error_);
}

TDownloadFile::~TDownloadFile() { Drop(); }

bool TDownloadFile::Write(const std::uint8_t* data, std::size_t count) {
    while (count > 0) {
        ssize_t put = ::write(fd_, data, count);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) {
            error_ = put < 0 ? LastSystemError() : platform::ERROR_DISK_FULL;
            return false;
        }
        data += put;
        count -= static_cast<std::size_t>(put);
    }
    return true;
}

bool TDownloadFile::Commit() {
    // On the disk before it takes the name: a crash leaves the old file or the whole new one.
    bool closed = ::fsync(fd_) == 0;
    if (!closed) error_ = LastSystemError();
    if (::close(fd_) != 0 && closed) {
        closed = false;
        error_ = LastSystemError();
    }
    fd_ = -1;
    if (closed && folder_.Rename(PartName(), name_, error_)) return true;
    folder_.Remove(PartName());
    return false;
}

void TDownloadFile::Drop() {
    if (fd_ < 0) return;
    ::close(fd_);
    fd_ = -1;
    folder_.Remove(PartName());
}
