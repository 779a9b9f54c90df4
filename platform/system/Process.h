#pragma once
// The running program: its file and its command line.

#include "platform/system/Handles.h"

namespace platform {

// The module 0 is the program file. Copies at most size - 1 characters and
// returns the count; 0 on failure.
DWORD GetModuleFileNameA(void* module, char* buffer, DWORD size);

// The command line as one text: the arguments joined by blanks, those with
// blanks (or empty ones) in double quotes.
const char* GetCommandLineA();

}  // namespace platform
