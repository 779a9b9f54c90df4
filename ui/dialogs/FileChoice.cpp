#include "ui/dialogs/FileChoice.h"

#include "ui/dialogs/FileFilter.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Trim(const std::string& s) {
    std::size_t b = s.find_first_not_of(" \t"), e = s.find_last_not_of(" \t");
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

TFileChoice Choice(TFileChoiceKind kind, const fs::path& path, std::string message = {}) {
    return {kind, path.string(), std::move(message)};
}

}  // namespace

TFileChoice ResolveFileChoice(const std::string& folder, const std::string& typed, const std::string& defaultExt,
                              TOpenOptions options, bool saving) {
    std::string name = Trim(typed);
    if (name.empty()) return {};
    if (name.find_first_of("*?") != std::string::npos) return {TFileChoiceKind::fcFilter, name, {}};

    fs::path path = fs::path(name).is_absolute() ? fs::path(name) : fs::path(folder) / name;
    path = path.lexically_normal();
    std::error_code error;
    if (fs::is_directory(path, error)) return Choice(TFileChoiceKind::fcOpenFolder, path);
    if (path.filename().empty()) return Choice(TFileChoiceKind::fcRefuse, path, name + "\nПуть не существует.");

    std::string ext = NormalizeDefaultExt(defaultExt);
    if (!ext.empty() && !path.has_extension()) path += "." + ext;
    std::string shown = path.filename().string();

    bool needFolder = saving || options.Contains(TOpenOption::ofPathMustExist) ||
                      options.Contains(TOpenOption::ofFileMustExist);
    if (needFolder && !fs::is_directory(path.parent_path(), error))
        return Choice(TFileChoiceKind::fcRefuse, path,
                      path.parent_path().string() + "\nПуть не существует.\nПроверьте путь и повторите попытку.");

    bool exists = fs::exists(path, error);
    if (exists && fs::is_directory(path, error)) return Choice(TFileChoiceKind::fcOpenFolder, path);
    if (saving) {
        if (exists && options.Contains(TOpenOption::ofNoReadOnlyReturn) && ::access(path.c_str(), W_OK) != 0)
            return Choice(TFileChoiceKind::fcRefuse, path,
                          shown + "\nЭтот файл доступен только для чтения.\nПовторите попытку с другим именем файла.");
        if (exists && options.Contains(TOpenOption::ofOverwritePrompt))
            return Choice(TFileChoiceKind::fcAskOverwrite, path, shown + " уже существует.\nЗаменить его?");
        return Choice(TFileChoiceKind::fcAccept, path);
    }
    if (!exists) {
        if (options.Contains(TOpenOption::ofFileMustExist))
            return Choice(TFileChoiceKind::fcRefuse, path,
                          shown + "\nФайл не найден.\nПроверьте имя файла и повторите попытку.");
        if (options.Contains(TOpenOption::ofCreatePrompt))
            return Choice(TFileChoiceKind::fcAskCreate, path,
                          shown + "\nThis file does not exist.\nDo you want to create it?");
    }
    return Choice(TFileChoiceKind::fcAccept, path);
}
