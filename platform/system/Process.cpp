#include "platform/system/Process.h"

#include "platform/system/LastError.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace platform {

DWORD GetModuleFileNameA(void*, char* buffer, DWORD size) {
    if (!buffer || size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    char path[4096];
    ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length < 0) {
        SetLastError(ErrorFromErrno(errno));
        buffer[0] = '\0';
        return 0;
    }
    DWORD kept = static_cast<DWORD>(length) < size ? static_cast<DWORD>(length) : size - 1;
    std::memcpy(buffer, path, kept);
    buffer[kept] = '\0';
    if (kept < static_cast<DWORD>(length)) SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return kept;
}

const char* GetCommandLineA() {
    static const std::string commandLine = [] {
        std::ifstream file("/proc/self/cmdline", std::ios::binary);
        std::string raw((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        std::string line;
        std::size_t start = 0;
        while (start < raw.size()) {
            std::size_t end = raw.find('\0', start);
            if (end == std::string::npos) end = raw.size();
            std::string argument = raw.substr(start, end - start);
            if (!line.empty()) line += ' ';
            bool quote = argument.empty() || argument.find_first_of(" \t") != std::string::npos;
            line += quote ? '"' + argument + '"' : argument;
            start = end + 1;
        }
        return line;
    }();
    return commandLine.c_str();
}

}  // namespace platform
