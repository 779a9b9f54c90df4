#pragma once
// The component that owns the application's current skin: where it comes
// from (a packed file, a skin folder or an internal skin), the records it
// is read into, and the skin command that tells every form about a change.
// A load reads into a fresh skin and takes it only when the whole read
// succeeded, so a failed load keeps the previous skin whole.

#include "skin/core/adjust/ShadowTemplates.h"
#include "skin/core/data/SkinLookups.h"
#include "skin/core/library/ThirdPartyList.h"
#include "skin/core/manager/AnimEffects.h"
#include "skin/core/manager/MenuSupport.h"
#include "skin/core/manager/StoredSkins.h"

#include "ui/core/Component.h"
#include "ui/core/Events.h"
#include "ui/core/Set.h"

#include "platform/window/WindowHooks.h"
#include "platform/window/WindowMessages.h"

#include <memory>
#include <string>

class TControl;
class TStrings;
class TSkinManager;

enum class TxSkinningRule { srStdForms, srStdDialogs, srThirdParty };
using TxSkinningRules = TSet<TxSkinningRule>;

// The default manager, which skinned elements use unless they name another.
extern TSkinManager* DefaultSkinManager;
// 1 while a skin is read, 1 while the new-skin command is sent.
extern std::uint8_t SkinLoadInProgress;
extern std::uint8_t SkinBroadcastInProgress;

// The window-creation hook that skins forms and standard dialogs as they
// are made, given by the form skinning; the default manager installs it
// on the GUI thread with the first skin and removes it with the skin.
struct TSkDialogHook {
    platform::HOOKPROC Procedure = nullptr;
    // Runs after the hook is gone: frees what the hook made (providers, wrappers).
    void (*Released)() = nullptr;
};
void SetSkinDialogHook(const TSkDialogHook& hook);
const TSkDialogHook& SkinDialogHook();

class TSkinManager : public TComponent {
    DECLARE_CLASS_INFO
public:
    explicit TSkinManager(TComponent* owner);
    ~TSkinManager() override;
    void Loaded() override;

    bool Active() const { return active_; }
    void SetActive(bool value);
    const std::string& SkinName() const { return skinName_; }
    void SetSkinName(const std::string& value);
    const std::string& SkinDirectory() const { return skinDirectory_; }
    void SetSkinDirectory(const std::string& value);
    // "N/A" without a skin, else the skin's VERSION with '.' as separator.
    std::string SkinInfo() const;
    bool IsDefault() const { return DefaultSkinManager == this; }
    void SetIsDefault(bool value);
    TxSkinningRules SkinningRules = {TxSkinningRule::srStdForms, TxSkinningRule::srStdDialogs,
                                     TxSkinningRule::srThirdParty};
    static std::string Version() { return "1.0"; }
    TSkStoredSkins& InternalSkins() { return internalSkins_; }
    ThirdPartyList& ThirdParty() { return thirdParty_; }
    TxSkinEffects& Effects() { return effects_; }
    TxAnimEffects& AnimEffects() { return animEffects_; }
    TxMenuSupport& MenuSupport() { return menuSupport_; }
    // Options-file sections merged into every skin; setting them reloads it.
    const TStringList& CommonSections() const { return commonSections_; }
    void SetCommonSections(const TStrings& lines);
    bool SkinnedPopups() const { return skinnedPopups_; }
    void SetSkinnedPopups(bool value) { skinnedPopups_ = value; }
    const TSkThirdLists& ThirdLists() const { return thirdLists_; }
    bool DeferUpdates() const { return deferUpdates_; }
    void SetDeferUpdates(bool value) { deferUpdates_ = value; }
    void EndDeferUpdates(bool repaint);

    TNotifyEvent OnActivate, OnAfterChange, OnBeforeChange, OnDeactivate, OnSkinListChanged;

    // Every skin read from now on is turned by HueOffset degrees and changed
    // in saturation by Saturation percent; 0 leaves it as read.
    int HueOffset() const { return hueOffset_; }
    void SetHueOffset(int value);
    int Saturation() const { return saturation_; }
    void SetSaturation(int value);
    // The library's own shadows, for skins without an EXBORDER image.
    TSkDefaultShadows DefaultShadows;
    bool ExtendedBorders() const { return extendedBorders_; }
    void SetExtendedBorders(bool value);
    const TSkShadowTemplates& ShadowTemplates() const { return shadows_; }

    // The loaded skin.
    const TSkinContent& Skin() const { return skin_; }
    const TSkinData& SkinData() const { return data_; }
    bool SkinFromPackage() const { return skinFromPackage_; }
    int FindSectionIndex(const std::string& name) const { return skin_.FindSectionIndex(name); }
    int FindMaskIndex(int sectionIndex, const std::string& section, const std::string& key) const {
        return skin_.FindMaskIndex(sectionIndex, section, key);
    }

    // The skin folder from SkinDirectory, relative paths taken from the program's folder; no trailing '/'.
    std::string AbsoluteSkinFolder() const;
    // Kind 0 folder skins, 1 packed skins, 2 both; internal skins first in
    // the collection, then all sorted. `first` is the first name collected.
    void ListSkins(TStrings& list, int kind, std::string& first);

    // Skin commands 1 (new skin), 2 (removal), 16 and 3 (refresh) to every form.
    void BroadcastNewSkin(bool repaint);
    void BroadcastSkinRemoval();
    void RefreshAllForms();
    void ReapplySkin(bool repaint);
    // Mouse tracking: the old window gets command 30, the new one 29.
    void SetHotWindow(platform::HWND window);
    platform::HWND HotWindow() const { return hotWindow_; }
    // The window-creation hook: only the default manager, once.
    void InstallDialogHook();
    void RemoveDialogHook();
    bool DialogHookInstalled() const { return hook_ != nullptr; }

private:
    struct TLoadedSkin;
    // Reads the named skin; raises Exception on a damaged skin.
    void LoadSkin();
    void ReadSkinInto(TLoadedSkin& fresh);
    std::string PackedPath(const std::string& name) const;
    void SendToAllForms(std::uint16_t command, platform::LPARAM lParam);
    // A new read of the current skin after a change of how it is read.
    void ReloadSkin();

    bool active_ = true;
    std::string skinName_;
    std::string skinDirectory_;
    bool deferUpdates_ = false;
    bool skinFromPackage_ = false;
    bool removingSkin_ = false;
    platform::HWND hotWindow_ = nullptr;
    TSkinContent skin_;
    TSkinData data_;
    bool extendedBorders_ = false;
    int hueOffset_ = 0;
    int saturation_ = 0;
    bool skinnedPopups_ = true;
    platform::HHOOK hook_ = nullptr;
    TSkShadowTemplates shadows_;
    TSkStoredSkins internalSkins_{this};
    TxSkinEffects effects_;
    TxAnimEffects animEffects_;
    TxMenuSupport menuSupport_;
    TStringList commonSections_;
    ThirdPartyList thirdParty_;
    TSkThirdLists thirdLists_;
};
