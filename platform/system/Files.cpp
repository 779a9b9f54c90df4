#include "platform/system/Files.h"

#include "platform/system/LastError.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <vector>

namespace platform {
namespace {

class FileObject : public KernelObject {
public:
    explicit FileObject(int fd) : fd_(fd) {}
    ~FileObject() override { ::close(fd_); }
    int Descriptor() const { return fd_; }

private:
    int fd_;
};

struct FoundEntry {
    std::string name;
    DWORD attributes;
    std::uint64_t size;
};

class SearchObject : public KernelObject {
public:
    std::vector<FoundEntry> entries;
    std::size_t next = 0;
};

void Fill(WIN32_FIND_DATAA* found, const FoundEntry& entry) {
    found->dwFileAttributes = entry.attributes;
    found->nFileSizeHigh = static_cast<DWORD>(entry.size >> 32);
    found->nFileSizeLow = static_cast<DWORD>(entry.size & 0xFFFFFFFFu);
    std::strncpy(found->cFileName, entry.name.c_str(), MAX_PATH - 1);
    found->cFileName[MAX_PATH - 1] = '\0';
}

bool Describe(const std::string& path, const std::string& name, FoundEntry& entry) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return false;
    entry.name = name;
    entry.attributes = S_ISDIR(info.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    if (::access(path.c_str(), W_OK) != 0 && !S_ISDIR(info.st_mode)) entry.attributes |= FILE_ATTRIBUTE_READONLY;
    entry.size = S_ISDIR(info.st_mode) ? 0 : static_cast<std::uint64_t>(info.st_size);
    return true;
}

}  // namespace

std::string NativePath(const char* name) {
    std::string path = name ? name : "";
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

HANDLE CreateFileA(const char* name, DWORD access, DWORD /*shareMode*/, void* /*securityAttributes*/,
                   DWORD creationDisposition, DWORD /*flagsAndAttributes*/, HANDLE /*templateFile*/) {
    if (!name || !*name) {
        SetLastError(ERROR_INVALID_NAME);
        return INVALID_HANDLE_VALUE;
    }
    int flags = O_CLOEXEC;
    bool reads = access & GENERIC_READ, writes = access & GENERIC_WRITE;
    flags |= reads && writes ? O_RDWR : writes ? O_WRONLY : O_RDONLY;
    switch (creationDisposition) {
        case CREATE_NEW: flags |= O_CREAT | O_EXCL; break;
        case CREATE_ALWAYS: flags |= O_CREAT | O_TRUNC; break;
        case OPEN_EXISTING: break;
        case OPEN_ALWAYS: flags |= O_CREAT; break;
        case TRUNCATE_EXISTING: flags |= O_TRUNC; break;
        default: SetLastError(ERROR_INVALID_PARAMETER); return INVALID_HANDLE_VALUE;
    }
    std::string path = NativePath(name);
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        SetLastError(ERROR_DIRECTORY_NOT_SUPPORTED);
        return INVALID_HANDLE_VALUE;
    }
    // Without O_NONBLOCK a named pipe would block here until someone writes to it.
    int fd = ::open(path.c_str(), flags | O_NONBLOCK, 0644);
    if (fd < 0) {
        SetLastError(ErrorFromErrno(errno));
        return INVALID_HANDLE_VALUE;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    SetLastError(ERROR_SUCCESS);
    return RegisterHandle(std::make_shared<FileObject>(fd));
}

int FileDescriptorOf(HANDLE file) {
    auto object = LookupHandleAs<FileObject>(file);
    return object ? object->Descriptor() : -1;
}

BOOL ReadFile(HANDLE file, void* buffer, DWORD bytesToRead, DWORD* bytesRead, void* /*overlapped*/) {
    if (bytesRead) *bytesRead = 0;
    int fd = FileDescriptorOf(file);
    if (fd < 0) { SetLastError(ERROR_INVALID_HANDLE); return FALSE; }
    ssize_t got;
    do got = ::read(fd, buffer, bytesToRead); while (got < 0 && errno == EINTR);
    if (got < 0) { SetLastError(ErrorFromErrno(errno)); return FALSE; }
    if (bytesRead) *bytesRead = static_cast<DWORD>(got);
    return TRUE;
}

BOOL WriteFile(HANDLE file, const void* buffer, DWORD bytesToWrite, DWORD* bytesWritten, void* /*overlapped*/) {
    if (bytesWritten) *bytesWritten = 0;
    int fd = FileDescriptorOf(file);
    if (fd < 0) { SetLastError(ERROR_INVALID_HANDLE); return FALSE; }
    const char* data = static_cast<const char*>(buffer);
    DWORD done = 0;
    while (done < bytesToWrite) {
        ssize_t put = ::write(fd, data + done, bytesToWrite - done);
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) {
            if (bytesWritten) *bytesWritten = done;
            SetLastError(ErrorFromErrno(errno));
            return FALSE;
        }
        done += static_cast<DWORD>(put);
    }
    if (bytesWritten) *bytesWritten = done;
    return TRUE;
}

BOOL GetFileSizeEx(HANDLE file, std::int64_t* size) {
    int fd = FileDescriptorOf(file);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) { SetLastError(ERROR_INVALID_HANDLE); return FALSE; }
    *size = info.st_size;
    return TRUE;
}

DWORD GetFileType(HANDLE file) {
    int fd = FileDescriptorOf(file);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FILE_TYPE_UNKNOWN;
    }
    SetLastError(ERROR_SUCCESS);
    if (S_ISREG(info.st_mode)) return FILE_TYPE_DISK;
    if (S_ISCHR(info.st_mode)) return FILE_TYPE_CHAR;
    if (S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode)) return FILE_TYPE_PIPE;
    return FILE_TYPE_UNKNOWN;
}

BOOL SetFilePointerEx(HANDLE file, std::int64_t distance, std::int64_t* newPosition, DWORD moveMethod) {
    int fd = FileDescriptorOf(file);
    if (fd < 0) { SetLastError(ERROR_INVALID_HANDLE); return FALSE; }
    int whence = moveMethod == FILE_END ? SEEK_END : moveMethod == FILE_CURRENT ? SEEK_CUR : SEEK_SET;
    off_t at = ::lseek(fd, distance, whence);
    if (at < 0) { SetLastError(ErrorFromErrno(errno)); return FALSE; }
    if (newPosition) *newPosition = at;
    return TRUE;
}

HANDLE FindFirstFileA(const char* name, WIN32_FIND_DATAA* found) {
    std::string path = NativePath(name);
    auto slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
    std::string pattern = slash == std::string::npos ? path : path.substr(slash + 1);
    auto search = std::make_shared<SearchObject>();
    if (pattern.find_first_of("*?") == std::string::npos) {
        FoundEntry entry;
        if (!pattern.empty() && Describe(path, pattern, entry)) search->entries.push_back(entry);
    } else if (DIR* dir = ::opendir(folder.c_str())) {
        while (dirent* item = ::readdir(dir)) {
            if (::fnmatch(pattern.c_str(), item->d_name, FNM_PERIOD) != 0) continue;
            FoundEntry entry;
            if (Describe(folder + "/" + item->d_name, item->d_name, entry)) search->entries.push_back(entry);
        }
        ::closedir(dir);
    }
    if (search->entries.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    Fill(found, search->entries[0]);
    search->next = 1;
    return RegisterHandle(search);
}

BOOL FindNextFileA(HANDLE handle, WIN32_FIND_DATAA* found) {
    auto search = LookupHandleAs<SearchObject>(handle);
    if (!search) { SetLastError(ERROR_INVALID_HANDLE); return FALSE; }
    if (search->next >= search->entries.size()) { SetLastError(ERROR_NO_MORE_FILES); return FALSE; }
    Fill(found, search->entries[search->next++]);
    return TRUE;
}

BOOL FindClose(HANDLE search) {
    if (!LookupHandleAs<SearchObject>(search)) { SetLastError(ERROR_INVALID_HANDLE); return FALSE; }
    return CloseHandle(search);
}

}  // namespace platform
