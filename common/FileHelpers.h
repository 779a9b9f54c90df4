#pragma once
// File names, sizes and read-only mapping of whole files.

#include "platform/system/Handles.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

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
