#pragma once
// The fixed answers about the system the program runs on: version 6.1 of the
// NT family, no visual styles, no desktop composition, a native 64-bit
// process, no debugger. Code with older and newer branches takes the classic,
// non-composited ones.

#include "platform/system/BasicTypes.h"

namespace platform {

constexpr DWORD VER_PLATFORM_WIN32_NT = 2;

struct OSVERSIONINFO {
    DWORD dwOSVersionInfoSize = sizeof(OSVERSIONINFO);
    DWORD dwMajorVersion = 0;
    DWORD dwMinorVersion = 0;
    DWORD dwBuildNumber = 0;
    DWORD dwPlatformId = 0;
    char szCSDVersion[128] = {};
};

BOOL GetVersionEx(OSVERSIONINFO* info);
DWORD GetVersion();
BOOL IsWow64Process(HANDLE process, BOOL* wow64);
BOOL IsDebuggerPresent();
BOOL IsAppThemed();
BOOL IsThemeActive();
// Desktop composition: answers S_OK with FALSE.
long DwmIsCompositionEnabled(BOOL* enabled);

}  // namespace platform
