#pragma once
// The record of WM_COPYDATA: a block of bytes handed to another window.
// The window system delivers it only inside this process.

#include "platform/system/BasicTypes.h"
#include "platform/system/Handles.h"

namespace platform {

struct COPYDATASTRUCT {
    ULONG_PTR dwData = 0;
    DWORD cbData = 0;
    void* lpData = nullptr;
};

}  // namespace platform
