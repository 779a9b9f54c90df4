#include "platform/system/FileMapping.h"

#include "platform/system/Files.h"
#include "platform/system/LastError.h"

#include <cerrno>
#include <map>
#include <mutex>
#include <sys/mman.h>
#include <unistd.h>

namespace platform {
namespace {

class MappingObject : public KernelObject {
public:
    MappingObject(int fd, std::uint64_t size, bool writable) : fd_(::dup(fd)), size_(size), writable_(writable) {}
    ~MappingObject() override {
        if (fd_ >= 0) ::close(fd_);
    }
    int Descriptor() const { return fd_; }
    std::uint64_t Size() const { return size_; }
    bool Writable() const { return writable_; }

private:
    int fd_;
    std::uint64_t size_;
    bool writable_;
};

struct ViewTable {
    std::mutex lock;
    std::map<const void*, std::size_t> lengths;
};

ViewTable& Views() {
    static ViewTable views;
    return views;
}

}  // namespace

HANDLE CreateFileMappingA(HANDLE file, void*, DWORD protect, DWORD maximumSizeHigh, DWORD maximumSizeLow,
                          const char*) {
    int fd = FileDescriptorOf(file);
    std::int64_t fileSize = 0;
    if (fd < 0 || !GetFileSizeEx(file, &fileSize)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    std::uint64_t size = (std::uint64_t(maximumSizeHigh) << 32) | maximumSizeLow;
    if (size == 0) size = static_cast<std::uint64_t>(fileSize);
    if (size == 0) {
        SetLastError(ERROR_FILE_INVALID);
        return nullptr;
    }
    if (size > static_cast<std::uint64_t>(fileSize) && protect == PAGE_READONLY) {
        SetLastError(ERROR_ACCESS_DENIED);  // a read-only mapping cannot grow its file
        return nullptr;
    }
    auto mapping = std::make_shared<MappingObject>(fd, size, protect == PAGE_READWRITE);
    if (mapping->Descriptor() < 0) {
        SetLastError(ErrorFromErrno(errno));
        return nullptr;
    }
    return RegisterHandle(mapping);
}

void* MapViewOfFile(HANDLE handle, DWORD desiredAccess, DWORD offsetHigh, DWORD offsetLow, std::size_t bytes) {
    auto mapping = LookupHandleAs<MappingObject>(handle);
    if (!mapping) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    std::uint64_t offset = (std::uint64_t(offsetHigh) << 32) | offsetLow;
    if (offset >= mapping->Size() || offset % static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE)) != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (bytes == 0) bytes = static_cast<std::size_t>(mapping->Size() - offset);
    if (bytes > mapping->Size() - offset) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    bool writes = desiredAccess & FILE_MAP_WRITE;
    if (writes && !mapping->Writable()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    void* view = ::mmap(nullptr, bytes, PROT_READ | (writes ? PROT_WRITE : 0), MAP_SHARED, mapping->Descriptor(),
                        static_cast<off_t>(offset));
    if (view == MAP_FAILED) {
        SetLastError(ErrorFromErrno(errno));
        return nullptr;
    }
    auto& views = Views();
    std::lock_guard guard(views.lock);
    views.lengths[view] = bytes;
    return view;
}

BOOL UnmapViewOfFile(const void* view) {
    std::size_t length = 0;
    {
        auto& views = Views();
        std::lock_guard guard(views.lock);
        auto found = views.lengths.find(view);
        if (found == views.lengths.end()) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        length = found->second;
        views.lengths.erase(found);
    }
    ::munmap(const_cast<void*>(view), length);
    return TRUE;
}

}  // namespace platform
