#pragma once
// Files through handles, with the system's flags and error codes.

#include "platform/system/Handles.h"

#include <cstdint>
#include <string>

namespace platform {

constexpr DWORD GENERIC_READ = 0x80000000u;
constexpr DWORD GENERIC_WRITE = 0x40000000u;

constexpr DWORD FILE_SHARE_READ = 0x1;
constexpr DWORD FILE_SHARE_WRITE = 0x2;
constexpr DWORD FILE_SHARE_DELETE = 0x4;

constexpr DWORD CREATE_NEW = 1;
constexpr DWORD CREATE_ALWAYS = 2;
constexpr DWORD OPEN_EXISTING = 3;
constexpr DWORD OPEN_ALWAYS = 4;
constexpr DWORD TRUNCATE_EXISTING = 5;

constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x1;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;

constexpr DWORD FILE_BEGIN = 0;
constexpr DWORD FILE_CURRENT = 1;
constexpr DWORD FILE_END = 2;

constexpr std::size_t MAX_PATH = 260;

constexpr DWORD FILE_TYPE_UNKNOWN = 0;  // folders and block devices too
constexpr DWORD FILE_TYPE_DISK = 1;     // a regular file
constexpr DWORD FILE_TYPE_CHAR = 2;
constexpr DWORD FILE_TYPE_PIPE = 3;     // named pipes and sockets

// Share mode and attributes are accepted and not enforced: this system locks nothing.
// A folder is refused with ERROR_DIRECTORY_NOT_SUPPORTED. Opening never waits:
// a named pipe with no writer opens at once (and reads as ended).
HANDLE CreateFileA(const char* name, DWORD access, DWORD shareMode, void* securityAttributes,
                   DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile);

BOOL ReadFile(HANDLE file, void* buffer, DWORD bytesToRead, DWORD* bytesRead, void* overlapped);
BOOL WriteFile(HANDLE file, const void* buffer, DWORD bytesToWrite, DWORD* bytesWritten, void* overlapped);
BOOL GetFileSizeEx(HANDLE file, std::int64_t* size);
// FILE_TYPE_UNKNOWN with ERROR_INVALID_HANDLE for a handle that is not a file.
DWORD GetFileType(HANDLE file);
BOOL SetFilePointerEx(HANDLE file, std::int64_t distance, std::int64_t* newPosition, DWORD moveMethod);

// The descriptor behind a file handle, or -1.
int FileDescriptorOf(HANDLE file);

struct WIN32_FIND_DATAA {
    DWORD dwFileAttributes = 0;
    DWORD nFileSizeHigh = 0;
    DWORD nFileSizeLow = 0;
    char cFileName[MAX_PATH] = {};
};

// The name may end in a pattern with '*' and '?'; both '/' and '\' separate folders.
HANDLE FindFirstFileA(const char* name, WIN32_FIND_DATAA* found);
BOOL FindNextFileA(HANDLE search, WIN32_FIND_DATAA* found);
BOOL FindClose(HANDLE search);

// A system file name in this system's form: '\' becomes '/'.
std::string NativePath(const char* name);

}  // namespace platform
