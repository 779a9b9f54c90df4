#include "platform/system/SystemMessages.h"

#include "platform/system/LastError.h"

#include <cstring>
#include <string_view>

namespace platform {
namespace {

constexpr DWORD ERROR_MR_MID_NOT_FOUND = 317;

std::string_view TextOf(DWORD code) {
    switch (code) {
        case ERROR_SUCCESS: return "The operation completed successfully.";
        case ERROR_INVALID_FUNCTION: return "Incorrect function.";
        case ERROR_FILE_NOT_FOUND: return "The system cannot find the file specified.";
        case ERROR_PATH_NOT_FOUND: return "The system cannot find the path specified.";
        case ERROR_TOO_MANY_OPEN_FILES: return "The system cannot open the file.";
        case ERROR_ACCESS_DENIED: return "Access is denied.";
        case ERROR_INVALID_HANDLE: return "The handle is invalid.";
        case ERROR_NOT_ENOUGH_MEMORY: return "Not enough memory resources are available to process this command.";
        case ERROR_INVALID_DATA: return "The data is invalid.";
        case ERROR_WRITE_PROTECT: return "The media is write protected.";
        case ERROR_NO_MORE_FILES: return "There are no more files.";
        case ERROR_GEN_FAILURE: return "A device attached to the system is not functioning.";
        case ERROR_SHARING_VIOLATION:
            return "The process cannot access the file because it is being used by another process.";
        case ERROR_HANDLE_EOF: return "Reached the end of the file.";
        case ERROR_NOT_SUPPORTED: return "The request is not supported.";
        case ERROR_DEV_NOT_EXIST: return "The specified network resource or device is no longer available.";
        case ERROR_FILE_EXISTS: return "The file exists.";
        case ERROR_INVALID_PARAMETER: return "The parameter is incorrect.";
        case ERROR_DISK_FULL: return "There is not enough space on the disk.";
        case ERROR_INSUFFICIENT_BUFFER: return "The data area passed to a system call is too small.";
        case ERROR_INVALID_NAME: return "The filename, directory name, or volume label syntax is incorrect.";
        case ERROR_ALREADY_EXISTS: return "Cannot create a file when that file already exists.";
        case ERROR_FILENAME_EXCED_RANGE: return "The filename or extension is too long.";
        case ERROR_OPERATION_ABORTED:
            return "The I/O operation has been aborted because of either a thread exit or an application request.";
        case ERROR_IO_PENDING: return "Overlapped I/O operation is in progress.";
        case ERROR_FILE_INVALID: return "The volume for a file has been externally altered so that the opened file is no longer valid.";
        case ERROR_DEVICE_NOT_CONNECTED: return "The device is not connected.";
        case ERROR_TIMEOUT: return "This operation returned because the timeout period expired.";
        default: return {};
    }
}

}  // namespace

DWORD FormatMessageA(DWORD flags, const void*, DWORD messageId, DWORD, char* buffer, DWORD size, void*) {
    if (!(flags & FORMAT_MESSAGE_FROM_SYSTEM) || !buffer || size == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::string_view text = TextOf(messageId);
    if (text.empty()) {
        buffer[0] = '\0';
        SetLastError(ERROR_MR_MID_NOT_FOUND);
        return 0;
    }
    std::string full(text);
    full += "\r\n";
    if (full.size() + 1 > size) {
        buffer[0] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::memcpy(buffer, full.c_str(), full.size() + 1);
    return static_cast<DWORD>(full.size());
}

}  // namespace platform
