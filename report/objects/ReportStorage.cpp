#include "report/objects/Report.h"

#include "report/objects/Page.h"
#include "report/resources/Resources.h"
#include "report/xml/XmlDocument.h"
#include "report/utils/ErrorReporting.h"
#include "report/utils/TempFiles.h"
#include "ui/core/Exceptions.h"
#include "ui/core/HandleStream.h"
#include "ui/core/IniFiles.h"
#include "ui/core/ScopeGuards.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr const char* kDataPageName = "Data";
constexpr const char* kConfigFolderName = "velzar";

}  // namespace

bool TrpReport::LoadFromFile(const std::string& fileName, bool exceptionIfNotFound) {
    Clear();
    fileName_.clear();
    std::error_code ignored;
    const bool exists = fs::is_regular_file(fileName, ignored);
    if (!exists && !exceptionIfNotFound) return false;
    // A missing file raises here, in the opening, with its name.
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    fileName_ = fileName;
    LoadFromStream(file);
    return exists;
}

void TrpReport::LoadFromStream(TStream& stream) {
    errors_.Clear();
    // The host's settings outlive the template; the loaded ones only where
    // the template decides them.
    TrpEngineOptions heldOptions;
    heldOptions.Assign(&engineOptions_);
    const std::string heldIniFile = iniFile_;
    const bool heldOldStyleProgress = oldStyleProgress_;
    const bool heldShowProgress = showProgress_;
    const bool heldStoreInForm = storeInForm_;
    {
        ScopeExit restore([&] {
            EnsureDataPage();
            const bool convertNulls = engineOptions_.ConvertNulls;
            const bool ignoreDevByZero = engineOptions_.IgnoreDevByZero;
            const bool doublePass = engineOptions_.DoublePass;
            engineOptions_.Assign(&heldOptions);
            engineOptions_.ConvertNulls = convertNulls;
            engineOptions_.IgnoreDevByZero = ignoreDevByZero;
            engineOptions_.DoublePass = doublePass;
            iniFile_ = heldIniFile;
            oldStyleProgress_ = heldOldStyleProgress;
            showProgress_ = heldShowProgress;
            storeInForm_ = heldStoreInForm;
        });
        try {
            TrpComponent::LoadFromStream(stream);
        } catch (const TrpInvalidXMLException& e) {
            errors_.Add(e.Described());
        } catch (const Exception& e) {
            errors_.Add(e.Message());
        }
    }
    password_ = UnscramblePassword(password_);
    if (errors_.Count() > 0) rpReportError(*this, rpResourceManager().Get("clErrors") + "\r\n" + errors_.Text());
}

void TrpReport::SaveToStream(TStream& stream, bool saveChildren, bool saveDefaultValues, bool alwaysClassNames) {
    const std::string plain = password_;
    password_ = ScramblePassword(plain);
    ScopeExit restore([&] { password_ = plain; });
    TrpComponent::SaveToStream(stream, saveChildren, saveDefaultValues, alwaysClassNames);
}

void TrpReport::SaveToFile(const std::string& fileName) {
    // Written beside the target and renamed over it: a failed write leaves
    // the old file whole.
    const fs::path target(fileName);
    const std::string folder = target.has_parent_path() ? target.parent_path().string() : ".";
    const std::string temporary = rpMakeTempFile(folder);
    bool renamed = false;
    ScopeExit removeLeftover([&] {
        std::error_code ignored;
        if (!renamed) fs::remove(temporary, ignored);
    });
    {
        TFileStream file(temporary, fmOpenWrite | fmShareExclusive);
        SaveToStream(file, true, false);
    }
    std::error_code error;
    // The temporary file is the user's alone; the template is not.
    fs::permissions(temporary, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                   fs::perms::others_read, error);
    if (!error) fs::rename(temporary, target, error);
    if (error) throw EFCreateError("Cannot create file \"" + fileName + "\". " + error.message());
    renamed = true;
}

void TrpReport::EnsureDataPage() {
    for (TrpComponent* object : AllObjects())
        if (dynamic_cast<TrpDataPage*>(object)) return;
    auto* page = new TrpDataPage(this);
    if (FindObject(kDataPageName))
        page->GiveUniqueName();
    else
        page->SetName(kDataPageName);
    page->SetIndexInParent(0);
}

std::unique_ptr<TCustomIniFile> TrpReport::SettingsStore() const {
    // The key's last part names an INI file in the user's configuration folder.
    std::string name = iniFile_;
    const std::size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos) name = name.substr(slash + 1);
    if (name.empty()) name = "report";
    if (!name.ends_with(".ini")) name += ".ini";
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const fs::path base = configHome && *configHome ? fs::path(configHome)
                                                    : fs::path(home && *home ? home : ".") / ".config";
    const fs::path folder = base / kConfigFolderName;
    std::error_code ignored;  // a folder that cannot be made fails the write, with its message
    fs::create_directories(folder, ignored);
    return std::make_unique<TIniFile>((folder / name).string());
}
