#include "ui/core/OSError.h"

#include "platform/system/SystemMessages.h"

std::string SysErrorMessage(std::uint32_t code) {
    char buffer[512];
    platform::DWORD length = platform::FormatMessageA(platform::FORMAT_MESSAGE_FROM_SYSTEM, nullptr, code, 0, buffer,
                                                      sizeof buffer, nullptr);
    std::string text(buffer, length);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.pop_back();
    if (text.empty()) return "System Error.  Code: " + std::to_string(code) + ".";
    return text;
}
