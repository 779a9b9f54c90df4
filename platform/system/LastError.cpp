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
        case EPERM: return ERROR_ACCESS_DENIED;
        case EISDIR: return ERROR_DIRECTORY_NOT_SUPPORTED;
        case EROFS: return ERROR_WRITE_PROTECT;
        case EMFILE:
        case ENFILE: return ERROR_TOO_MANY_OPEN_FILES;
        case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
        case EEXIST: return ERROR_FILE_EXISTS;
        case ENOSPC:
        case EDQUOT: return ERROR_DISK_FULL;
        case EFBIG: return ERROR_FILE_TOO_LARGE;
        case ENAMETOOLONG: return ERROR_FILENAME_EXCED_RANGE;
        case ELOOP: return ERROR_CANT_RESOLVE_FILENAME;
        case ETXTBSY: return ERROR_SHARING_VIOLATION;
        case EBUSY: return ERROR_BUSY;
        case EIO: return ERROR_IO_DEVICE;
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
