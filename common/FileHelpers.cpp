#include "common/FileHelpers.h"

#include "common/SystemText.h"
#include "platform/system/FileMapping.h"
#include "platform/system/Files.h"
#include "platform/system/LastError.h"
#include "ui/core/ScopeGuards.h"

#include <algorithm>
#include <climits>

namespace {
constexpr std::uint64_t kLargestView = 0xFFFFFFF;
// Read access to an existing file that others may still read and write.
constexpr std::uint32_t kOpenForReading =
    platform::GENERIC_READ | platform::FILE_SHARE_READ | platform::FILE_SHARE_WRITE | (platform::OPEN_EXISTING << 8);
}

std::string ExtractPathPart(std::string_view fileName) {
    auto last = fileName.find_last_of(":\\/");
    if (last == std::string_view::npos) return {};
    return std::string(fileName.substr(0, last + 1));
}

std::uint64_t FileSizeByName(const std::string& fileName) {
    platform::WIN32_FIND_DATAA found;
    platform::HANDLE search = platform::FindFirstFileA(fileName.c_str(), &found);
    if (search == platform::INVALID_HANDLE_VALUE) return 0;
    platform::FindClose(search);
    return (std::uint64_t(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
}

platform::HANDLE OpenFileHandle(const std::string& fileName, std::uint32_t packedFlags) {
    std::uint32_t access = packedFlags & 0xFFFF0000u & ~0x1FFF0000u;
    std::uint32_t shareMode = packedFlags & 0xFF;
    std::uint32_t disposition = (packedFlags >> 8) & 0xFF;
    std::uint32_t attributes = (packedFlags >> 16) & 0x1FFF;
    if (attributes == 0) attributes = platform::FILE_ATTRIBUTE_NORMAL;
    return platform::CreateFileA(fileName.c_str(), access, shareMode, nullptr, disposition, attributes, nullptr);
}

MappedFile MapFileReadOnly(const std::string& fileName) {
    MappedFile mapped;
    mapped.file = OpenFileHandle(fileName, kOpenForReading);
    if (mapped.file == platform::INVALID_HANDLE_VALUE) {
        mapped.error = platform::GetLastError();
        return mapped;
    }
    std::int64_t fileSize = 0;
    platform::GetFileSizeEx(mapped.file, &fileSize);
    mapped.mapping = platform::CreateFileMappingA(mapped.file, nullptr, platform::PAGE_READONLY, 0, 0, nullptr);
    if (!mapped.mapping) {
        mapped.error = platform::GetLastError();
        return mapped;
    }
    std::size_t bytes = static_cast<std::size_t>(std::min<std::uint64_t>(fileSize, kLargestView));
    mapped.view = static_cast<const std::uint8_t*>(platform::MapViewOfFile(mapped.mapping, platform::FILE_MAP_READ, 0, 0, bytes));
    if (!mapped.view) {
        mapped.error = platform::GetLastError();
        return mapped;
    }
    mapped.size = bytes;
    return mapped;
}

void UnmapFile(const MappedFile& mapped) {
    if (mapped.view) platform::UnmapViewOfFile(mapped.view);
    if (mapped.mapping) platform::CloseHandle(mapped.mapping);
    if (mapped.file != platform::INVALID_HANDLE_VALUE) platform::CloseHandle(mapped.file);
}

std::string ReadOnlyFileView::ErrorText() const {
    return IsOpen() ? std::string() : SysErrorText(mapped_.error);
}

FileContents ReadOpenFile(platform::HANDLE file, std::uint64_t size, std::size_t limit) {
    FileContents contents;
    contents.outcome = FileContents::Outcome::Read;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::min<std::uint64_t>(size, limit)));
    std::size_t done = 0;
    platform::SetFilePointerEx(file, 0, nullptr, platform::FILE_BEGIN);
    while (done < bytes.size()) {
        auto chunk = static_cast<platform::DWORD>(std::min<std::size_t>(bytes.size() - done, INT_MAX));
        platform::DWORD got = 0;
        if (!platform::ReadFile(file, bytes.data() + done, chunk, &got, nullptr)) {
            contents.outcome = FileContents::Outcome::ReadFailed;
            contents.error = platform::GetLastError();
            return contents;
        }
        if (got == 0) {
            contents.outcome = FileContents::Outcome::Changed;
            return contents;
        }
        done += got;
    }
    contents.bytes = std::move(bytes);
    return contents;
}

FileContents ReadRegularFile(const std::string& fileName, std::size_t limit) {
    FileContents contents;
    platform::HANDLE file = OpenFileHandle(fileName, kOpenForReading);
    if (file == platform::INVALID_HANDLE_VALUE) {
        contents.error = platform::GetLastError();
        return contents;
    }
    ScopeExit close([file] { platform::CloseHandle(file); });
    if (platform::GetFileType(file) != platform::FILE_TYPE_DISK) {
        contents.outcome = FileContents::Outcome::NotARegularFile;
        return contents;
    }
    std::int64_t size = 0;
    if (!platform::GetFileSizeEx(file, &size)) {
        contents.outcome = FileContents::Outcome::ReadFailed;
        contents.error = platform::GetLastError();
        return contents;
    }
    return ReadOpenFile(file, static_cast<std::uint64_t>(size), limit);
}
