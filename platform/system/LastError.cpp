#include "platform/system/LastError.h"

#include <cerrno>

namespace platform {
namespace {
thread_local std::uint32_t lastError = ERROR_SUCCESS;
}

std::uint32_t GetLastError() { return lastError; }

void SetLastError(std::uint32_t code) { lastError = code; }

std::uint32_t ErrorFromErrno(int error) {
    switch (error) {
        case 0: return ERROR_SUCCESS;
        case ENOENT: return ERROR_FILE_NOT_FOUND;
        case ENOTDIR: return ERROR_PATH_NOT_FOUND;
        case EACCES:
        case EPERM:
        case EISDIR: return ERROR_ACCESS_DENIED;
        case EROFS: return ERROR_WRITE_PROTECT;
        case EMFILE:
        case ENFILE: return ERROR_TOO_MANY_OPEN_FILES;
        case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
        case EEXIST: return ERROR_FILE_EXISTS;
        case ENOSPC: return ERROR_DISK_FULL;
        case ENAMETOOLONG: return ERROR_FILENAME_EXCED_RANGE;
        case EINVAL: return ERROR_INVALID_PARAMETER;
        case EBADF: return ERROR_INVALID_HANDLE;
        case ENODEV:
        case ENXIO: return ERROR_DEV_NOT_EXIST;
        case ETIMEDOUT: return ERROR_TIMEOUT;
        case ECANCELED: return ERROR_OPERATION_ABORTED;
        case EOPNOTSUPP: return ERROR_NOT_SUPPORTED;
        default: return ERROR_GEN_FAILURE;
    }
}

}  // namespace platform
