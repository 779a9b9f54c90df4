#pragma once
// The calling thread's last error code, with the system's code numbers.

#include <cstdint>

namespace platform {

constexpr std::uint32_t ERROR_SUCCESS = 0;
constexpr std::uint32_t ERROR_INVALID_FUNCTION = 1;
constexpr std::uint32_t ERROR_FILE_NOT_FOUND = 2;
constexpr std::uint32_t ERROR_PATH_NOT_FOUND = 3;
constexpr std::uint32_t ERROR_TOO_MANY_OPEN_FILES = 4;
constexpr std::uint32_t ERROR_ACCESS_DENIED = 5;
constexpr std::uint32_t ERROR_INVALID_HANDLE = 6;
constexpr std::uint32_t ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr std::uint32_t ERROR_INVALID_DATA = 13;
constexpr std::uint32_t ERROR_WRITE_PROTECT = 19;
constexpr std::uint32_t ERROR_NOT_READY = 21;
constexpr std::uint32_t ERROR_GEN_FAILURE = 31;
constexpr std::uint32_t ERROR_SHARING_VIOLATION = 32;
constexpr std::uint32_t ERROR_HANDLE_EOF = 38;
constexpr std::uint32_t ERROR_NOT_SUPPORTED = 50;
constexpr std::uint32_t ERROR_DEV_NOT_EXIST = 55;
constexpr std::uint32_t ERROR_FILE_EXISTS = 80;
constexpr std::uint32_t ERROR_INVALID_PARAMETER = 87;
constexpr std::uint32_t ERROR_DISK_FULL = 112;
constexpr std::uint32_t ERROR_INSUFFICIENT_BUFFER = 122;
constexpr std::uint32_t ERROR_INVALID_NAME = 123;
constexpr std::uint32_t ERROR_BUSY = 170;
constexpr std::uint32_t ERROR_FILE_TOO_LARGE = 223;
constexpr std::uint32_t ERROR_ALREADY_EXISTS = 183;
constexpr std::uint32_t ERROR_FILENAME_EXCED_RANGE = 206;
constexpr std::uint32_t ERROR_DIRECTORY_NOT_SUPPORTED = 336;
constexpr std::uint32_t ERROR_NO_MORE_FILES = 18;
constexpr std::uint32_t ERROR_OPERATION_ABORTED = 995;
constexpr std::uint32_t ERROR_IO_PENDING = 997;
constexpr std::uint32_t ERROR_FILE_INVALID = 1006;
constexpr std::uint32_t ERROR_IO_DEVICE = 1117;
constexpr std::uint32_t ERROR_DEVICE_NOT_CONNECTED = 1167;
constexpr std::uint32_t ERROR_INVALID_PRINTER_NAME = 1801;
constexpr std::uint32_t ERROR_CANT_RESOLVE_FILENAME = 1921;
constexpr std::uint32_t ERROR_TIMEOUT = 1460;

std::uint32_t GetLastError();
void SetLastError(std::uint32_t code);

// The system code closest to a C library errno value.
std::uint32_t ErrorFromErrno(int error);

}  // namespace platform
