#include "platform/system/PlatformVersion.h"

#include "platform/system/LastError.h"

namespace platform {

BOOL GetVersionEx(OSVERSIONINFO* info) {
    if (!info || info->dwOSVersionInfoSize < sizeof(OSVERSIONINFO)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    info->dwMajorVersion = 6;
    info->dwMinorVersion = 1;
    info->dwBuildNumber = 7601;
    info->dwPlatformId = VER_PLATFORM_WIN32_NT;
    info->szCSDVersion[0] = '\0';
    return TRUE;
}

DWORD GetVersion() {
    return 6 | (1 << 8) | (7601u << 16);
}

BOOL IsWow64Process(HANDLE, BOOL* wow64) {
    if (!wow64) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *wow64 = FALSE;
    return TRUE;
}

BOOL IsDebuggerPresent() {
    return FALSE;
}

BOOL IsAppThemed() {
    return FALSE;
}

BOOL IsThemeActive() {
    return FALSE;
}

long DwmIsCompositionEnabled(BOOL* enabled) {
    if (enabled) *enabled = FALSE;
    return 0;
}

}  // namespace platform
