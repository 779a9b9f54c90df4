#include "skin/core/manager/SkinManager.h"

#include "ui/core/PublishedProperties.h"

#include <cstdio>

TSkinManager* DefaultSkinManager = nullptr;
std::uint8_t SkinLoadInProgress = 0;
std::uint8_t SkinBroadcastInProgress = 0;

namespace {

// Relative to the program's folder.
constexpr const char* kDefaultSkinDirectory = "Skins";

}  // namespace

const TClassInfo& TSkinManager::StaticClass() {
    static const TClassInfo info =
        TPublished<TSkinManager>("TSkinManager", TComponent::StaticClass())
            .Boolean("Active", &TSkinManager::Active, &TSkinManager::SetActive, true)
            .String("SkinDirectory", &TSkinManager::SkinDirectory, &TSkinManager::SetSkinDirectory)
            .String("SkinName", &TSkinManager::SkinName, &TSkinManager::SetSkinName)
            .Build();
    return info;
}

TSkinManager::TSkinManager(TComponent* owner) : TComponent(owner) {
    if (!DefaultSkinManager) DefaultSkinManager = this;
    UpdateThirdLists(thirdParty_, thirdLists_, false);
    skinDirectory_ = kDefaultSkinDirectory;
}

TSkinManager::~TSkinManager() {
    SetActive(false);
    if (DefaultSkinManager == this) DefaultSkinManager = nullptr;
    StoreThirdLists(thirdParty_, thirdLists_);
}

void TSkinManager::Loaded() {
    TComponent::Loaded();
    if (skinDirectory_.empty()) skinDirectory_ = kDefaultSkinDirectory;
    UpdateThirdLists(thirdParty_, thirdLists_, false);
    if (active_ && !skinName_.empty()) BroadcastNewSkin(false);
    if (active_) FireEvent(OnActivate, this);
}

void TSkinManager::SetActive(bool value) {
    if (value == active_) return;
    active_ = value;
    if (value) {
        SetSkinName(skinName_);
        return;
    }
    if (!IsLoading()) BroadcastSkinRemoval();
    FireEvent(OnDeactivate, this);
}

void TSkinManager::SetExtendedBorders(bool value) {
    if (value == extendedBorders_) return;
    extendedBorders_ = value;
    UpdateShadowTemplates(skin_, data_, active_, extendedBorders_, DefaultShadows, shadows_);
    if (active_ && !IsLoading()) SetSkinName(skinName_);
}

void TSkinManager::SetSkinDirectory(const std::string& value) {
    if (value == skinDirectory_) return;
    skinDirectory_ = value;
    data_.SkinFolder = AbsoluteSkinFolder();
    FireEvent(OnSkinListChanged, this);
}

std::string TSkinManager::SkinInfo() const {
    if (!active_ || skin_.GeneralData.empty()) return "N/A";
    char text[32];
    std::snprintf(text, sizeof text, "%g", data_.Version);  // the "C" locale: '.' as separator
    return text;
}

void TSkinManager::SetIsDefault(bool value) {
    if (!value && DefaultSkinManager) return;
    DefaultSkinManager = this;
    if (active_) BroadcastNewSkin(true);
    else BroadcastSkinRemoval();
}

void TSkinManager::EndDeferUpdates(bool repaint) {
    deferUpdates_ = false;
    ReapplySkin(repaint);
}
