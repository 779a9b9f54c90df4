#pragma once
// Mapping files into memory through a mapping object and its views.

#include "platform/system/Handles.h"

namespace platform {

constexpr DWORD PAGE_READONLY = 0x02;
constexpr DWORD PAGE_READWRITE = 0x04;
constexpr DWORD FILE_MAP_READ = 0x04;
constexpr DWORD FILE_MAP_WRITE = 0x02;

// Maximum size 0 means the file's size; an empty file cannot be mapped
// (ERROR_FILE_INVALID), as the system has it.
HANDLE CreateFileMappingA(HANDLE file, void* securityAttributes, DWORD protect, DWORD maximumSizeHigh,
                          DWORD maximumSizeLow, const char* name);

// 0 bytes maps from the offset to the end of the mapping.
void* MapViewOfFile(HANDLE mapping, DWORD desiredAccess, DWORD offsetHigh, DWORD offsetLow, std::size_t bytes);
BOOL UnmapViewOfFile(const void* view);

}  // namespace platform
