#include "common/SystemText.h"

#include "common/TextFormatting.h"
#include "platform/system/Files.h"
#include "platform/system/Process.h"
#include "platform/system/SystemMessages.h"

std::string SysErrorText(std::uint32_t code) {
    char buffer[256];
    platform::DWORD length = platform::FormatMessageA(
        platform::FORMAT_MESSAGE_FROM_SYSTEM | platform::FORMAT_MESSAGE_ARGUMENT_ARRAY, nullptr, code, 0, buffer,
        sizeof buffer, nullptr);
    std::string text(buffer, length);
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.back())) text.pop_back();
    return text;
}

std::string CommandLineParam(const char* commandLine, int n) {
    const char* p = commandLine ? commandLine : "";
    const char* tokenStart = p;
    const char* tokenEnd = p;
    for (int walk = 0; walk <= n; ++walk) {
        while (*p && static_cast<unsigned char>(*p) <= ' ') ++p;
        tokenStart = p;
        while (static_cast<unsigned char>(*p) > ' ') {
            if (*p == '"') {
                ++p;
                while (*p && *p != '"') ++p;
                if (*p) ++p;
            } else {
                ++p;
            }
        }
        tokenEnd = p;
    }
    std::string token(tokenStart, tokenEnd);
    if (token.size() >= 2 && token.front() == '"' && token.back() == '"') token = token.substr(1, token.size() - 2);
    return token;
}

std::string CommandLineParam(int n) {
    if (n == 0) {
        char path[platform::MAX_PATH + 1];
        platform::DWORD length = platform::GetModuleFileNameA(nullptr, path, platform::MAX_PATH + 1);
        return std::string(path, length);
    }
    return CommandLineParam(platform::GetCommandLineA(), n);
}
