#pragma once
// File names, sizes and read-only mapping of whole files.

#include "platform/system/Handles.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Everything up to and including the last ':', '\' or '/'; empty without one.
std::string ExtractPathPart(std::string_view fileName);

// Size of the first directory entry that matches the name (which may hold
// '*' and '?'); 0 when nothing matches.
std::uint64_t FileSizeByName(const std::string& fileName);

// Packed flags: bits 0-7 share mode, bits 8-15 creation disposition,
// bits 16-28 attributes (0 = normal), the rest the access rights.
platform::HANDLE OpenFileHandle(const std::string& fileName, std::uint32_t packedFlags);

// A read-only view of a file with the handles to release. On failure the view
// is null, the handles hold what was obtained, and `error` the system's code.
struct MappedFile {
    const std::uint8_t* view = nullptr;
    std::size_t size = 0;
    platform::HANDLE file = platform::INVALID_HANDLE_VALUE;
    platform::HANDLE mapping = nullptr;
    std::uint32_t error = 0;
};

// Maps min(file size, 0xFFFFFFF) bytes. An empty, missing or unreadable file
// gives a null view.
MappedFile MapFileReadOnly(const std::string& fileName);

// Unmaps a non-null view and closes the handles that were obtained.
void UnmapFile(const MappedFile& mapped);

// A mapping released when it goes out of scope, on every path.
class ReadOnlyFileView {
public:
    explicit ReadOnlyFileView(const std::string& fileName) : mapped_(MapFileReadOnly(fileName)) {}
    ~ReadOnlyFileView() { UnmapFile(mapped_); }
    ReadOnlyFileView(const ReadOnlyFileView&) = delete;
    ReadOnlyFileView& operator=(const ReadOnlyFileView&) = delete;

    bool IsOpen() const { return mapped_.view != nullptr; }
    const std::uint8_t* Data() const { return mapped_.view; }
    std::size_t Size() const { return mapped_.size; }
    // The system's text for why the file could not be mapped.
    std::string ErrorText() const;

private:
    MappedFile mapped_;
};

// A regular file read whole into memory: unlike a mapping, a copy cannot
// fault when someone else shortens the file while it is being read.
struct FileContents {
    enum class Outcome {
        Read,
        CannotOpen,       // `error` holds the system's code
        NotARegularFile,  // a named pipe, a device or a socket
        ReadFailed,       // `error` holds the system's code
        Changed,          // the file ended before the size it had when opened
    };
    Outcome outcome = Outcome::CannotOpen;
    // At most the limit, and nothing unless the outcome is Read.
    std::vector<std::uint8_t> bytes;
    std::uint32_t error = 0;
};

// Opens the file and reads min(its size, limit) bytes.
FileContents ReadRegularFile(const std::string& fileName, std::size_t limit);
// Reads min(size, limit) bytes of an open regular file from its start, where
// `size` is what the file held when it was opened.
FileContents ReadOpenFile(platform::HANDLE file, std::uint64_t size, std::size_t limit);
