#include "skin/core/manager/SkinManager.h"

#include "skin/core/options/SkinOptions.h"

#include "ui/core/PublishedProperties.h"

#include <cstdio>

TSkinManager* DefaultSkinManager = nullptr;
std::uint8_t SkinLoadInProgress = 0;
std::uint8_t SkinBroadcastInProgress = 0;

namespace {

// Relative to the program's folder.
constexpr const char* kDefaultSkinDirectory = "Skins";
// The section that paints the icon column of menus.
constexpr const char* kIcoLineSection = "ICOLINE";

const TEnumInfo& SkinningRuleInfo() {
    static const TEnumInfo info("TxSkinningRule", {"srStdForms", "srStdDialogs", "srThirdParty"});
    return info;
}

TSkFormServices& FormServices() {
    static TSkFormServices services;
    return services;
}

TSkDialogHook& DialogHook() {
    static TSkDialogHook hook;
    return hook;
}

}  // namespace

void SetSkinDialogHook(const TSkDialogHook& hook) { DialogHook() = hook; }
const TSkDialogHook& SkinDialogHook() { return DialogHook(); }
void SetSkinFormServices(const TSkFormServices& services) { FormServices() = services; }
const TSkFormServices& SkinFormServices() { return FormServices(); }

const TClassInfo& TSkinManager::StaticClass() {
    static const TClassInfo info =
        TPublished<TSkinManager>("TSkinManager", TComponent::StaticClass())
            .Object("Effects", &TxSkinEffects::StaticClass, [](TSkinManager& m) { return &m.effects_; }, nullptr)
            .Boolean("ExtendedBorders", &TSkinManager::ExtendedBorders, &TSkinManager::SetExtendedBorders, false)
            .Boolean("SkinnedPopups", &TSkinManager::SkinnedPopups, &TSkinManager::SetSkinnedPopups, true)
            .Object("AnimEffects", &TxAnimEffects::StaticClass, [](TSkinManager& m) { return &m.animEffects_; },
                    nullptr)
            .Boolean("IsDefault", &TSkinManager::IsDefault, &TSkinManager::SetIsDefault, true)
            .Boolean("Active", &TSkinManager::Active, &TSkinManager::SetActive, true)
            .Object("CommonSections", &TStringList::StaticClass,
                    [](TSkinManager& m) { return &m.commonSections_; }, nullptr)
            .Integer("Saturation", &TSkinManager::Saturation, &TSkinManager::SetSaturation, 0)
            .Integer("HueOffset", &TSkinManager::HueOffset, &TSkinManager::SetHueOffset, 0)
            .Object("InternalSkins", &TSkStoredSkins::StaticClass,
                    [](TSkinManager& m) { return &m.internalSkins_; }, nullptr)
            .Object("MenuSupport", &TxMenuSupport::StaticClass, [](TSkinManager& m) { return &m.menuSupport_; },
                    nullptr)
            .String("SkinDirectory", &TSkinManager::SkinDirectory, &TSkinManager::SetSkinDirectory)
            .String("SkinName", &TSkinManager::SkinName, &TSkinManager::SetSkinName)
            .String("SkinInfo", &TSkinManager::SkinInfo, nullptr)
            .Stored([](const TSkinManager&) { return false; })
            .Set("SkinningRules", SkinningRuleInfo(), &TSkinManager::SkinningRules, &TSkinManager::SkinningRules,
                 TxSkinningRules{TxSkinningRule::srStdForms, TxSkinningRule::srStdDialogs,
                                 TxSkinningRule::srThirdParty}
                     .Mask())
            .Object("ThirdParty", &ThirdPartyList::StaticClass, [](TSkinManager& m) { return &m.thirdParty_; },
                    nullptr)
            .String("Version", &TSkinManager::Version, nullptr)
            .Stored([](const TSkinManager&) { return false; })
            .Build();
    return info;
}

TSkinManager::TSkinManager(TComponent* owner) : TComponent(owner) {
    effects_.Manager = this;
    animEffects_.SetManager(this);
    commonSections_.SetCaseSensitive(true);
    if (!DefaultSkinManager) DefaultSkinManager = this;
    UpdateThirdLists(thirdParty_, thirdLists_, false);
    skinDirectory_ = kDefaultSkinDirectory;
}

TSkinManager::~TSkinManager() {
    SetActive(false);
    RemoveDialogHook();
    SetExtendedBorders(false);
    if (DefaultSkinManager == this) DefaultSkinManager = nullptr;
    StoreThirdLists(thirdParty_, thirdLists_);
}

void TSkinManager::Loaded() {
    TComponent::Loaded();
    if (skinDirectory_.empty()) skinDirectory_ = kDefaultSkinDirectory;
    if (menuSupport_.IcoLineSkin.empty()) menuSupport_.IcoLineSkin = kIcoLineSection;
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

void TSkinManager::SetSkinnedPopups(bool value) {
    if (value == skinnedPopups_) return;
    skinnedPopups_ = value;
    if (value && !ComponentState().Contains(TComponentStateItem::csDesigning) && IsDefault())
        if (auto update = SkinFormServices().UpdateMenus) update(*this);
}

void TSkinManager::SetExtendedBorders(bool value) {
    if (value == extendedBorders_) return;
    extendedBorders_ = value;
    if (!data_.IsActive) return;
    UpdateShadowTemplates(skin_, data_, active_, extendedBorders_, DefaultShadows, shadows_);
    ReloadSkin();
}

void TSkinManager::SetHueOffset(int value) {
    if (value == hueOffset_) return;
    hueOffset_ = value;
    if (active_) ReloadSkin();
}

void TSkinManager::SetSaturation(int value) {
    if (value == saturation_) return;
    saturation_ = value;
    if (active_) ReloadSkin();
}

void TSkinManager::SetCommonSections(const TStrings& lines) {
    commonSections_.Assign(&lines);
    StripCommonSectionBlanks(commonSections_);
    SetSkinName(skinName_);
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
