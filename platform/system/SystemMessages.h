#pragma once
// The system's message texts for its error codes.

#include "platform/system/Handles.h"

namespace platform {

constexpr DWORD FORMAT_MESSAGE_ALLOCATE_BUFFER = 0x0100;
constexpr DWORD FORMAT_MESSAGE_IGNORE_INSERTS = 0x0200;
constexpr DWORD FORMAT_MESSAGE_FROM_STRING = 0x0400;
constexpr DWORD FORMAT_MESSAGE_FROM_HMODULE = 0x0800;
constexpr DWORD FORMAT_MESSAGE_FROM_SYSTEM = 0x1000;
constexpr DWORD FORMAT_MESSAGE_ARGUMENT_ARRAY = 0x2000;

// Only FORMAT_MESSAGE_FROM_SYSTEM is served: the text of the code, ending in
// "\r\n" as the system writes it, cut to the buffer. 0 and ERROR_MR_MID_NOT_FOUND
// (317) when the system has no text for the code.
DWORD FormatMessageA(DWORD flags, const void* source, DWORD messageId, DWORD languageId, char* buffer,
                     DWORD size, void* arguments);

}  // namespace platform
