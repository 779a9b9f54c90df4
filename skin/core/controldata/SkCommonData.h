#pragma once
// The skin data every skinned element owns: its section and the indexes the
// painters need, its cache bitmap, and the small state that decides when
// its look is stale, when its painting waits for its parent and whether it
// is drawn hot.

#include "skin/core/library/SkinConstants.h"
#include "skin/core/parentbg/ParentCache.h"

#include "ui/core/Persistent.h"

#include "platform/window/WindowMessages.h"

#include <cstdint>
#include <memory>
#include <string>

class TBitmap;
class TControl;
class TSkinManager;

// PaintState values.
constexpr std::uint16_t kPlainBackgroundBit = 0x0001;
constexpr std::uint16_t kPlainUnknown = 2;
constexpr std::uint16_t kPrintingBit = 0x0200;
constexpr std::uint16_t kInSkinUpdateBit = 0x0800;

class TSkCommonData : public TPersistent {
    DECLARE_CLASS_INFO
public:
    TSkCommonData(TObject* owner, bool makeCache);
    ~TSkCommonData() override;
    TSkCommonData(const TSkCommonData&) = delete;
    TSkCommonData& operator=(const TSkCommonData&) = delete;

    // The own manager, else the default one.
    TSkinManager* SkinManager() const;
    void SetSkinManager(TSkinManager* manager);
    const std::string& SkinSection() const { return skinSection_; }
    // Stored upper-case; an empty name becomes "UNKNOWN".
    void SetSkinSection(const std::string& name);
    bool CustomColor() const { return customColor_; }
    void SetCustomColor(bool value);
    bool CustomFont() const { return customFont_; }
    void SetCustomFont(bool value);

    bool HasSkin(bool checkActive = false) const;
    void ResolveIndexes();
    void ApplyDefaultSection();
    void AfterOwnerLoaded();
    void ApplySkinColors(bool repaint);
    // The section's colour in a state (> 0 hot), mixed with the parent's by its transparency.
    std::uint32_t GetStateColor(int state, platform::HWND window = nullptr) const;
    void SizeCacheBitmap();
    int MaxBorderWidth() const;
    bool NeedsParentState() const;
    bool InHotState() const;
    bool CalcDeferPaint() const;
    void RefreshDeferPaint(bool clearFirst);
    void SetDeferPaint(bool value) { DeferPaint = value; }
    void BeginSkinUpdate();
    void EndSkinUpdate(bool repaint);
    void InvalidateOwner(bool updateNow);
    bool BackgroundFollowsParent() const;
    void UpdateBackKind();

    // 1 the background is one flat colour, 0 it is not, 2 not known yet.
    int PlainBackground() const;
    void UpdatePlainFlag(bool askChildren);
    // The background behind the owner, asked of its parent.
    TSkParentCache QueryParentCache() const;
    // The answer to skin command 34.
    void FillParentBgInfo(TSkParentBgInfo& info, int state, platform::HWND window);

    // Shows the glow of a section with GLOW set while the mouse is over the
    // owner, or frees it (with `remove`, or once the mouse has left).
    void RefreshGlow(bool remove, platform::HWND window);

    // The section's transparency, image and gradient percents in a state.
    int StateTransparency(int state) const;

    std::int32_t UpdateDepth = 0;
    std::int32_t HUEOffset = 0;
    std::int32_t Saturation = 0;
    std::int32_t GlowIndex = -1;
    bool DeferPaint = false;
    std::int32_t BorderMaskIndex = -1;
    std::int32_t SectionIndex = -1;
    std::int32_t PatternIndex = -1;
    std::int32_t HotPatternIndex = -1;
    bool BgDirty = true;
    bool PartlyHidden = true;
    TControl* OwnerCtrl = nullptr;
    TObject* OwnerObj = nullptr;
    std::unique_ptr<TBitmap> CacheBitmap;
    std::int32_t ControlKind = 0;
    bool HasFocus = false;
    bool MouseInside = false;
    std::uint16_t PaintState = kPlainUnknown;
    std::int16_t BackKind = 0;
    platform::HDC PrintTarget = nullptr;

private:
    // Command 3 (section valid) or 2 to an owner that can take it.
    void AnnounceSection();
    bool OwnerBusy() const;

    std::string skinSection_;
    bool customColor_ = false;
    bool customFont_ = false;
    TSkinManager* ownManager_ = nullptr;
};

// The skin data a skinned control gives, with its own colour changes.
class TSkCtrlSkinData : public TSkCommonData {
    DECLARE_CLASS_INFO
public:
    using TSkCommonData::TSkCommonData;
    void SetHUEOffset(std::int32_t value);
    void SetSaturation(std::int32_t value);
};

// Skin command `command` to a control (through its window when it has one).
platform::LRESULT SendSkinCommandTo(TControl* control, std::uint16_t command, platform::LPARAM lParam = 0,
                                    std::uint16_t argument = 0);
// Asks a control or a bare window for the background under an area; true when it answered.
bool QueryControlBackground(TSkParentBgInfo& info, TControl* control, bool paint);
bool QueryWindowBackground(TSkParentBgInfo& info, platform::HWND window, bool paint);
// The background behind a bare window; a top-level window has none.
TSkParentCache WindowParentCache(platform::HWND window);
// The section whose font colour text inside `control` takes: its parent's
// when that section gives its font and is not mostly see-through (then the
// grandparent is asked), else `defaultIndex`.
int FindFontSection(TControl* control, int defaultIndex, TSkinManager* manager, int state);
// The parent's answer to command 19, 0 without a parent window.
platform::LRESULT ParentBgVaries(const TSkCommonData& data);
