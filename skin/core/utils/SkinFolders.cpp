#include "skin/core/utils/SkinFolders.h"

#include "common/SystemText.h"

#include <filesystem>
#include <system_error>

std::string NormalizeFolderPath(const std::string& path) {
    if (path.empty() || path.back() == '/') return path;
    if (path.back() == '\\') return path.substr(0, path.size() - 1) + '/';
    return path + '/';
}

bool FolderExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_directory(path, error);
}

bool SetCurrentFolder(const std::string& path) {
    std::error_code error;
    std::filesystem::current_path(path, error);
    return !error;
}

std::string ApplicationFolder() {
    std::string folder = std::filesystem::path(CommandLineParam(0)).parent_path().string();
    return NormalizeFolderPath(folder.empty() ? "." : folder);
}
