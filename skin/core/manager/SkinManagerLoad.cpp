#include "skin/core/manager/SkinManager.h"
#include "skin/core/adjust/SkinColorAdjust.h"
#include "skin/core/pixels/AlphaRects.h"
#include "skin/core/png/PngGraphic.h"
#include "skin/core/png/PngIcons.h"

#include "skin/core/options/SkinOptions.h"
#include "skin/core/package/SkinPackage.h"
#include "skin/core/startup/StartupSwitches.h"
#include "skin/core/utils/SkinFolders.h"
#include "skin/core/utils/SkinSystem.h"

#include "ui/core/Cp1251Text.h"
#include "ui/core/Exceptions.h"
#include "ui/core/HandleStream.h"
#include "ui/core/ScopeGuards.h"
#include "ui/core/TextCase.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/JpegImage.h"

#include "common/SystemText.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

constexpr const char* kPackedExtension = ".skz";
constexpr const char* kOptionsFile = "Options.dat";
constexpr const char* kNoOptions = "В скине нет файла Options.dat";
constexpr const char* kTestSwitch = "/sktest";

bool FileExists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// Options text in the single-byte code page, as lines.
void OptionsLines(TStream& stream, TSkIniSections& ini) {
    std::string bytes(static_cast<std::size_t>(stream.Size()), '\0');
    stream.SetPosition(0);
    stream.ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    TStringList lines;
    lines.SetText(Cp1251ToUtf8(bytes));
    ParseIniSections(lines, ini);
}

std::shared_ptr<TBitmap> BitmapFrom(TStream& stream) {
    auto bitmap = std::make_shared<TBitmap>();
    stream.SetPosition(0);
    bitmap->LoadFromStream(stream);
    return bitmap;
}

// Older skins mark the clear parts of their PNG images with white of alpha
// 0; newer ones are laid over the background premultiplied.
constexpr double kOldestPremultipliedVersion = 7.45;

std::shared_ptr<TBitmap> PngFrom(TStream& stream, double version) {
    auto picture = std::make_shared<TPNGGraphic>();
    stream.SetPosition(0);
    picture->LoadFromStream(stream);
    if (picture->PixelFormat() == TPixelFormat::pf32bit) {
        if (version < kOldestPremultipliedVersion)
            ZeroTransparentWhite(*picture);
        else
            PremultiplyBitmap(*picture);
    }
    return picture;
}

std::shared_ptr<TBitmap> JpegFrom(TStream& stream) {
    TJPEGImage picture;
    stream.SetPosition(0);
    picture.LoadFromStream(stream);
    auto bitmap = std::make_shared<TBitmap>();
    bitmap->Assign(&picture);
    return bitmap;
}

bool NamesJpeg(const std::string& upper) {
    return upper.find(".JPG") != std::string::npos || upper.find(".JPEG") != std::string::npos;
}

bool TestSwitchGiven() { return AnsiLowerCase(CommandLineParam(1)) == kTestSwitch; }

}  // namespace

struct TSkinManager::TLoadedSkin {
    TSkinContent Content;
    TSkinData Data;
    bool FromPackage = false;
    std::string Name;
    bool Found = true;
};

std::string TSkinManager::AbsoluteSkinFolder() const {
    const std::string& d = skinDirectory_;
    std::string program = ApplicationFolder();
    if (d.rfind("..", 0) == 0) {
        std::string parent = program.substr(0, program.size() - 1);
        while (!parent.empty() && parent.back() != '/' && parent.back() != '\\') parent.pop_back();
        return parent + d.substr(std::min<std::size_t>(3, d.size()));
    }
    if (d.rfind("./", 0) == 0 || d.rfind(".\\", 0) == 0) return program + d.substr(2);
    if (!d.empty() && d.front() == '/') return d;
    return program + d;
}

// A packed skin is looked for in the skin folder, as folder skins are.
std::string TSkinManager::PackedPath(const std::string& name) const {
    return NormalizeFolderPath(AbsoluteSkinFolder()) + name + kPackedExtension;
}

void TSkinManager::SetSkinName(const std::string& value) {
    std::string oldName = skinName_;
    skinName_ = value;
    if (!active_) return;
    FireEvent(OnBeforeChange, this);
    if (extendedBorders_ && !deferUpdates_ && animEffects_.SkinChanging()->Active)
        if (auto snapshot = SkinFormServices().SnapshotForms) snapshot(*this);
    SkinLoadInProgress = 1;
    ScopeExit loadEnds([] { SkinLoadInProgress = 0; });
    data_.IsActive = false;
    std::string upper = AnsiUpperCase(skinName_);
    constexpr std::size_t kExtensionLength = 4;
    if (skinName_.size() > kExtensionLength && upper.substr(upper.size() - kExtensionLength) == ".SKZ")
        skinName_.resize(skinName_.size() - kExtensionLength);
    try {
        LoadSkin();
    } catch (const Exception& e) {
        skinName_ = oldName;
        ShowErrorBox(e.Message());
    }
    if (active_) {
        if (!deferUpdates_) BroadcastNewSkin(true);
        if (!IsLoading()) FireEvent(OnActivate, this);
    } else {
        BroadcastSkinRemoval();
        FireEvent(OnActivate, this);
    }
    SkinLoadInProgress = 0;
    FireEvent(OnAfterChange, this);
}

void TSkinManager::ReloadSkin() {
    if (IsLoading() || ComponentState().Contains(TComponentStateItem::csReading)) return;
    {
        SkinLoadInProgress = 1;
        ScopeExit loadEnds([] { SkinLoadInProgress = 0; });
        try {
            LoadSkin();
        } catch (const Exception& e) {
            ShowErrorBox(e.Message());
        }
    }
    if (!deferUpdates_) RefreshAllForms(true);
}

void TSkinManager::LoadSkin() {
    TLoadedSkin fresh;
    fresh.Name = skinName_;
    ReadSkinInto(fresh);
    if (!fresh.Found) {
        // No packed file, no folder and no internal skin.
        active_ = false;
        return;
    }
    // Only a whole skin replaces the one in use.
    skin_ = std::move(fresh.Content);
    // Whether the skin is in use is the broadcasts' business, not the reader's.
    fresh.Data.IsActive = data_.IsActive;
    data_ = std::move(fresh.Data);
    skinFromPackage_ = fresh.FromPackage;
    UpdateShadowTemplates(skin_, data_, active_, extendedBorders_, DefaultShadows, shadows_);
    skinName_ = fresh.Name;
}

void TSkinManager::ReadSkinInto(TLoadedSkin& fresh) {
    TSkIniSections ini;
    std::unique_ptr<TxSkinConvertor> package;
    std::string packed = PackedPath(fresh.Name);
    std::filesystem::path folder = std::filesystem::path(AbsoluteSkinFolder()) / fresh.Name;
    // A skin from the editor is read from its folder even beside a packed file of its name.
    const bool editorFolder = EditorSkinMode && std::filesystem::is_directory(folder);
    if (FileExists(packed) && !editorFolder) {
        LoadSkinPackage(packed, package, true);
        fresh.Data.SkinFolder = NormalizeFolderPath(AbsoluteSkinFolder());
        fresh.FromPackage = true;
    } else if (editorFolder && EditorOptionsText()) {
        fresh.Data.SkinFolder = NormalizeFolderPath(folder.string());
        ParseIniSections(*EditorOptionsText(), ini);
    } else if (FileExists(folder / kOptionsFile)) {
        fresh.Data.SkinFolder = NormalizeFolderPath(folder.string());
        TFileStream options((folder / kOptionsFile).string(), fmOpenRead);
        OptionsLines(options, ini);
    } else {
        int index = internalSkins_.IndexOf(fresh.Name);
        if (index < 0 && internalSkins_.Count() == 0) {
            fresh.Found = false;
            return;
        }
        if (index < 0) index = 0;
        TSkStoredSkin& stored = internalSkins_.Items(index);
        fresh.Name = stored.Name;
        if (stored.Data().Size() == 0) throw Exception(kNoOptions);
        package = std::make_unique<TxSkinConvertor>();
        package->SourceStream = &stored.Data();
        ReadSkinPackage(package);
        // The stored skin keeps its data for the next load.
        package->SourceStream = nullptr;
        fresh.FromPackage = true;
    }
    if (package) {
        if (!package->OptionsStream) throw Exception(kNoOptions);
        OptionsLines(*package->OptionsStream, ini);
    }
    TSkPictureSource pictures = [&](const std::string& name) -> std::shared_ptr<TBitmap> {
        std::string upper = AnsiUpperCase(name);
        bool png = upper.find(".PNG") != std::string::npos;
        bool jpeg = NamesJpeg(upper);
        if (!png && !jpeg && upper.find(".BMP") == std::string::npos) return nullptr;
        auto read = [&](TStream& stream) {
            if (jpeg) return JpegFrom(stream);
            return png ? PngFrom(stream, fresh.Data.Version) : BitmapFrom(stream);
        };
        if (package) {
            TxImageItem* item = package->FindImage(upper);
            return item ? read(*item->Stream) : nullptr;
        }
        std::filesystem::path file = fresh.Data.SkinFolder + name;
        if (!FileExists(file)) return nullptr;
        TFileStream stream(file.string(), fmOpenRead);
        return read(stream);
    };
    MergeCommonSections(ini, commonSections_);
    ReadGlobalInfo(ini, fresh.Data);
    // One notice per load.
    std::string notice = SkinVersionNotice(fresh.Data.Version, fresh.Name, TestSwitchGiven());
    if (!notice.empty()) {
        // The notice box itself is not skinned as a standard dialog.
        TxSkinningRules kept = SkinningRules;
        SkinningRules.Exclude(TxSkinningRule::srStdDialogs);
        ScopeExit restore([&] { SkinningRules = kept; });
        ShowWarningBox(notice);
    }
    LoadSkinImages(ini, fresh.Data.Version, pictures, fresh.Content, this);
    LoadSkinTextures(ini, pictures, fresh.Content, this);
    LoadSkinOptions(ini, fresh.Content);
    ApplyHueOffset(fresh.Content, fresh.Data, hueOffset_);
    ApplySaturation(fresh.Content, fresh.Data, saturation_);
}

void TSkinManager::ListSkins(TStrings& list, int kind, std::string& first) {
    first.clear();
    list.Clear();
    TStringList names;
    for (int i = 0; i < internalSkins_.Count(); ++i) names.Add(internalSkins_.Items(i).Name);
    if (names.Count() > 0) first = names.Strings(0);
    std::error_code error;
    std::filesystem::path folder = AbsoluteSkinFolder();
    if (std::filesystem::is_directory(folder, error)) {
        for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
            std::string name = entry.path().filename().string();
            if (name.empty() || name.front() == '.') continue;
            bool added = false;
            if (entry.is_directory(error)) {
                if (kind != 1 && FileExists(entry.path() / kOptionsFile)) added = names.Add(name) >= 0;
            } else if (kind != 0 && entry.path().extension() == kPackedExtension) {
                added = names.Add(name.substr(0, name.find('.'))) >= 0;
            }
            if (added && first.empty()) first = names.Strings(names.Count() - 1);
        }
    }
    names.Sort();
    list.AddStrings(names);
}
