#pragma once
// The switches of the skinning library's visual effects, stored with the
// form as the manager's AnimEffects and Effects: how forms and dialogs
// appear, hide, minimize, change pages and skins, and which mouse events
// animate buttons. The code that animates reads them.

#include "ui/core/Persistent.h"
#include "ui/core/Set.h"

#include <cstdint>
#include <memory>

class TSkinManager;

enum class TxAnimType { atFading, atAero };

class TxFormAnimation : public TPersistent {
    DECLARE_CLASS_INFO
public:
    bool Active = true;
    std::uint16_t Time = 0;
    // Published by the kinds that have a mode.
    TxAnimType Mode = TxAnimType::atAero;
};

// Showing a form; hiding a form or a dialog; showing a standard dialog.
class TxFormShow : public TxFormAnimation {
    DECLARE_CLASS_INFO
};
class TxFormHide : public TxFormAnimation {
    DECLARE_CLASS_INFO
};
class TxDialogShow : public TxFormAnimation {
    DECLARE_CLASS_INFO
};

class TxMinimizing : public TxFormAnimation {
    DECLARE_CLASS_INFO
public:
    static constexpr std::uint16_t kDefaultTime = 200;
    TxMinimizing() { Time = kDefaultTime; }
};

class TxPageChange : public TxFormAnimation {
    DECLARE_CLASS_INFO
};

// The fade-in of the new look after a skin change.
class TxSkinChanging : public TxFormAnimation {
    DECLARE_CLASS_INFO
public:
    static constexpr std::uint16_t kDefaultTime = 100;
    TxSkinChanging() {
        Time = kDefaultTime;
        Mode = TxAnimType::atFading;
    }
};

// A form turns translucent (alpha BlendValue) while it is moved.
class TxBlendOnMoving : public TxFormAnimation {
    DECLARE_CLASS_INFO
public:
    static constexpr std::uint16_t kDefaultTime = 1000;
    static constexpr std::uint8_t kDefaultBlendValue = 170;
    TxBlendOnMoving() {
        Active = false;
        Time = kDefaultTime;
    }
    std::uint8_t BlendValue = kDefaultBlendValue;
};

enum class TxBtnEvent { beMouseEnter, beMouseLeave, beMouseDown, beMouseUp };
using TxBtnEvents = TSet<TxBtnEvent>;

// The mouse events on which buttons that follow the manager animate.
class TxBtnEffects : public TPersistent {
    DECLARE_CLASS_INFO
public:
    TxBtnEvents Events = {TxBtnEvent::beMouseEnter, TxBtnEvent::beMouseLeave, TxBtnEvent::beMouseDown,
                          TxBtnEvent::beMouseUp};
    TSkinManager* Manager = nullptr;
};

class TxAnimEffects : public TPersistent {
    DECLARE_CLASS_INFO
public:
    TxBlendOnMoving* BlendOnMoving() const { return blendOnMoving_.get(); }
    TxBtnEffects* Buttons() const { return buttons_.get(); }
    TxDialogShow* DialogShow() const { return dialogShow_.get(); }
    TxFormShow* FormShow() const { return formShow_.get(); }
    TxFormHide* FormHide() const { return formHide_.get(); }
    TxFormHide* DialogHide() const { return dialogHide_.get(); }
    TxMinimizing* Minimizing() const { return minimizing_.get(); }
    TxPageChange* PageChange() const { return pageChange_.get(); }
    TxSkinChanging* SkinChanging() const { return skinChanging_.get(); }
    // Sets the manager of these settings and of Buttons.
    void SetManager(TSkinManager* manager);
    TSkinManager* Manager() const { return manager_; }

private:
    std::unique_ptr<TxBlendOnMoving> blendOnMoving_ = std::make_unique<TxBlendOnMoving>();
    std::unique_ptr<TxBtnEffects> buttons_ = std::make_unique<TxBtnEffects>();
    std::unique_ptr<TxDialogShow> dialogShow_ = std::make_unique<TxDialogShow>();
    std::unique_ptr<TxFormShow> formShow_ = std::make_unique<TxFormShow>();
    std::unique_ptr<TxFormHide> formHide_ = std::make_unique<TxFormHide>();
    std::unique_ptr<TxFormHide> dialogHide_ = std::make_unique<TxFormHide>();
    std::unique_ptr<TxMinimizing> minimizing_ = std::make_unique<TxMinimizing>();
    std::unique_ptr<TxPageChange> pageChange_ = std::make_unique<TxPageChange>();
    std::unique_ptr<TxSkinChanging> skinChanging_ = std::make_unique<TxSkinChanging>();
    TSkinManager* manager_ = nullptr;
};

// Glow around controls and blur behind translucent windows.
class TxSkinEffects : public TPersistent {
    DECLARE_CLASS_INFO
public:
    // True only when stored true, layered windows are there and the
    // process-wide effects switch is off.
    bool AllowGlowing() const;
    void SetAllowGlowing(bool value) { allowGlowing_ = value; }
    bool AllowAeroBluring = true;
    TSkinManager* Manager = nullptr;

private:
    bool allowGlowing_ = true;
};
