#include "viewer/settings/SettingsLocation.h"

#include "platform/system/Process.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* kProgramConfigName = "velzar";
constexpr unsigned kPathBuffer = 4096;

// Whether a new file can be made in the folder: tried, since permissions
// alone do not tell (a read-only mount, another user's folder).
bool TakesNewFiles(const fs::path& folder) {
    const std::string probe = (folder / ".velzar-write-probe-XXXXXX").string();
    std::string name = probe;
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(name.c_str());
    return true;
}

}  // namespace

std::string UserConfigFolder() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome && *configHome) return (fs::path(configHome) / kProgramConfigName).string();
    const char* home = std::getenv("HOME");
    return (fs::path(home && *home ? home : ".") / ".config" / kProgramConfigName).string();
}

std::string SettingsFileIn(const std::string& programFolder, const std::string& configFolder) {
    if (TakesNewFiles(programFolder)) return (fs::path(programFolder) / kSettingsFileName).string();
    std::error_code ignored;  // a folder that cannot be made fails the write, with its message
    fs::create_directories(configFolder, ignored);
    return (fs::path(configFolder) / kSettingsFileName).string();
}

std::string SettingsFileToRead(const std::string& programFolder, const std::string& configFolder) {
    const std::string file = SettingsFileIn(programFolder, configFolder);
    std::error_code ignored;
    if (fs::exists(file, ignored)) return file;
    return (fs::path(programFolder) / kSettingsFileName).string();
}

std::string ProgramFolder() {
    char path[kPathBuffer] = {};
    const auto length = platform::GetModuleFileNameA(nullptr, path, kPathBuffer);
    return fs::path(std::string(path, length)).parent_path().string();
}
