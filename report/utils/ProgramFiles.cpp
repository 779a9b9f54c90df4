#include "report/utils/ProgramFiles.h"

#include "platform/system/Process.h"

#include <vector>

namespace {

constexpr platform::DWORD kLongestPath = 4096;

}  // namespace

std::string rpModuleFileName() {
    std::vector<char> buffer(kLongestPath + 1, '\0');
    platform::DWORD length = platform::GetModuleFileNameA(nullptr, buffer.data(), kLongestPath + 1);
    return std::string(buffer.data(), length);
}

std::string rpProgramFolder() {
    std::string name = rpModuleFileName();
    return name.substr(0, name.find_last_of('/') + 1);
}
