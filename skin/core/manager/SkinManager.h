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
class TPopupMenu;
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
// are made. The default manager installs its procedure on the GUI thread
// with the first skin and removes it with the skin; the procedure hands the
// windows it sees to the form skinning, which registers what it does here.
struct TSkDialogHook {
    // A new or activated top-level window: the form skinning decides whether it is skinned.
    bool (*TryHookWindow)(platform::HWND window) = nullptr;
    // A popup-menu window being made while popups are skinned.
    void (*WrapPopupMenu)(platform::HWND window) = nullptr;
    // A window of the thread is being destroyed: providers of closed dialogs go.
    void (*FreeClosedDialogs)() = nullptr;
    // Runs after the hook is gone: frees what the hook made (providers, wrappers).
    void (*Released)() = nullptr;
    // Repaints every visible dialog the hook skinned, after a refresh.
    void (*RedrawDialogs)() = nullptr;
};
// The hook procedure the default manager installs.
platform::LRESULT SkinHookProc(int code, platform::WPARAM wParam, platform::LPARAM lParam);
void SetSkinDialogHook(const TSkDialogHook& hook);
const TSkDialogHook& SkinDialogHook();

// What the skin broadcasts ask of the form skinning: the freeze that hides
// the repaint of a skin change (and fades the new look in), and the menus.
// Each is registered from outside; one left empty is skipped.
struct TSkFormServices {
    // Before a skin is read: pictures of the forms for the skin-change animation.
    void (*SnapshotForms)(TSkinManager& manager) = nullptr;
    void (*FreezeForms)(TSkinManager& manager) = nullptr;
    void (*UnfreezeForms)(TSkinManager& manager, bool animate) = nullptr;
    // The skinned menus' border width is measured again with the next skin.
    void (*ForgetMenuBorderWidth)(TSkinManager& manager) = nullptr;
    // Menu skinning applied again to every form, on or off with the skin.
    void (*UpdateMenus)(TSkinManager& manager) = nullptr;
    // A popup menu drawn in the skin (on) or by the system (off).
    void (*HookPopupMenu)(TSkinManager& manager, TPopupMenu& menu, bool on) = nullptr;
};
void SetSkinFormServices(const TSkFormServices& services);
const TSkFormServices& SkinFormServices();

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
    std::string Version() const { return "1.0"; }
    TSkStoredSkins& InternalSkins() { return internalSkins_; }
    ThirdPartyList& ThirdParty() { return thirdParty_; }
    TxSkinEffects& Effects() { return effects_; }
    TxAnimEffects& AnimEffects() { return animEffects_; }
    TxMenuSupport& MenuSupport() { return menuSupport_; }
    // Options-file sections merged into every skin; setting them reloads it.
    const TStringList& CommonSections() const { return commonSections_; }
    void SetCommonSections(const TStrings& lines);
    bool SkinnedPopups() const { return skinnedPopups_; }
    void SetSkinnedPopups(bool value);
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
    void RefreshAllForms(bool animated = false);
    void ReapplySkin(bool repaint);
    // Mouse tracking: the old window gets command 30, the new one 29.
    void SetHotWindow(platform::HWND window);
    platform::HWND HotWindow() const { return hotWindow_; }
    // The graphic control under the mouse; the old one gets command 30 with
    // the new one as lParam. Clearing keeps a control that is still pressed.
    void SetHotGraphicControl(TControl* control);
    TControl* HotGraphicControl() const { return hotGraphic_; }
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
    TControl* hotGraphic_ = nullptr;
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
