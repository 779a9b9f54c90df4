#include "skin/core/controldata/SkCommonData.h"

#include "skin/core/colors/ColorOps.h"
#include "skin/core/controldata/ControlKinds.h"
#include "skin/core/ctrlutils/ControlUtilities.h"
#include "skin/core/data/SkinLookups.h"
#include "skin/core/manager/SkinCommands.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/masks/BorderMask.h"

#include "ui/core/PublishedProperties.h"
#include "ui/core/TextCase.h"
#include "ui/controls/Panels.h"
#include "ui/forms/Form.h"
#include "ui/forms/WinControl.h"
#include "ui/graphics/Bitmap.h"

#include "platform/window/Focus.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/Painting.h"
#include "platform/window/WindowTree.h"

#include <algorithm>

namespace {

constexpr int kFullPercent = 100;
constexpr std::uint32_t kButtonFace = 0xFF00000F;
const char* const kUnknownSection = "UNKNOWN";

bool Has(const TComponent* c, TComponentStateItem item) { return c && c->ComponentState().Contains(item); }

const TSkGeneralData* SectionOf(const TSkCommonData& data) {
    TSkinManager* m = data.SkinManager();
    if (!m || !m->Skin().SectionIndexValid(data.SectionIndex)) return nullptr;
    return &m->Skin().GeneralData[static_cast<std::size_t>(data.SectionIndex)];
}

// The parent's background colour: its answer to command 21, else its own colour.
std::uint32_t ParentColor(const TSkCommonData& data, platform::HWND window) {
    if (data.OwnerCtrl && data.OwnerCtrl->Parent()) {
        TWinControl* parent = data.OwnerCtrl->Parent();
        const auto answer = static_cast<std::uint32_t>(SendSkinCommandTo(parent, ScGetBackgroundColor));
        return answer != 0 && answer != KeyColorValue ? answer : ColorToRGB(parent->Color());
    }
    if (!data.OwnerCtrl && window) {
        platform::HWND parent = platform::GetParent(window);
        if (parent) {
            TSkParentBgInfo info;
            QueryWindowBackground(info, parent, false);
            if (info.Kind == bgColor) return info.Color;
        }
    }
    return kButtonFace;
}

}  // namespace

const TClassInfo& TSkCommonData::StaticClass() {
    static const TClassInfo info =
        TPublished<TSkCommonData>("TSkCommonData", TPersistent::StaticClass())
            .Boolean("CustomColor", &TSkCommonData::CustomColor, &TSkCommonData::SetCustomColor, false)
            .Boolean("CustomFont", &TSkCommonData::CustomFont, &TSkCommonData::SetCustomFont, false)
            .String("SkinSection", &TSkCommonData::SkinSection, &TSkCommonData::SetSkinSection)
            .Build();
    return info;
}

const TClassInfo& TSkCtrlSkinData::StaticClass() {
    static const TClassInfo info = TPublished<TSkCtrlSkinData>("TSkCtrlSkinData", TSkCommonData::StaticClass()).Build();
    return info;
}

TSkCommonData::TSkCommonData(TObject* owner, bool makeCache)
    : OwnerCtrl(dynamic_cast<TControl*>(owner)), OwnerObj(owner) {
    if (makeCache) CacheBitmap = std::make_unique<TBitmap>(0, 0, TPixelFormat::pf32bit);
}

TSkCommonData::~TSkCommonData() = default;

TSkinManager* TSkCommonData::SkinManager() const { return ownManager_ ? ownManager_ : DefaultSkinManager; }

bool TSkCommonData::OwnerBusy() const {
    return Has(OwnerCtrl, TComponentStateItem::csLoading) || Has(OwnerCtrl, TComponentStateItem::csReading) ||
           Has(OwnerCtrl, TComponentStateItem::csDestroying);
}

void TSkCommonData::AnnounceSection() {
    if (!OwnerCtrl || !OwnerCtrl->Parent() || OwnerBusy()) return;
    TSkinManager* m = SkinManager();
    const bool valid = m && m->Skin().SectionIndexValid(SectionIndex);
    SendSkinCommandTo(OwnerCtrl, valid ? ScRefresh : ScRemoveSkin, reinterpret_cast<platform::LPARAM>(m));
}

void TSkCommonData::SetSkinManager(TSkinManager* manager) {
    ownManager_ = manager == DefaultSkinManager ? nullptr : manager;
    if (Has(OwnerCtrl, TComponentStateItem::csLoading)) return;
    TSkinManager* m = SkinManager();
    if (m && m->SkinData().IsActive) ResolveIndexes();
    else SectionIndex = -1;
    AnnounceSection();
}

void TSkCommonData::SetSkinSection(const std::string& name) {
    const std::string stored = name.empty() ? kUnknownSection : AnsiUpperCase(name);
    if (stored == skinSection_) return;
    skinSection_ = stored;
    TSkinManager* m = SkinManager();
    if (m && m->SkinData().IsActive) ResolveIndexes();
    else SectionIndex = -1;
    if (!OwnerCtrl) {
        BgDirty = true;
        return;
    }
    if (!DeferPaint) AnnounceSection();
}

void TSkCommonData::SetCustomColor(bool value) {
    customColor_ = value;
    if (OwnerObj && !Has(OwnerCtrl, TComponentStateItem::csLoading)) ApplySkinColors(true);
}

void TSkCommonData::SetCustomFont(bool value) {
    customFont_ = value;
    if (OwnerObj && !Has(OwnerCtrl, TComponentStateItem::csLoading)) ApplySkinColors(true);
}

bool TSkCommonData::HasSkin(bool checkActive) const {
    TSkinManager* m = SkinManager();
    if (skinSection_.empty() || !m || Has(m, TComponentStateItem::csDestroying) ||
        Has(OwnerCtrl, TComponentStateItem::csDestroying))
        return false;
    if (!m->Skin().SectionIndexValid(SectionIndex)) return false;
    return !checkActive || m->SkinData().IsActive;
}

void TSkCommonData::ResolveIndexes() {
    BgDirty = true;
    TSkinManager* m = SkinManager();
    SectionIndex = m && m->SkinData().IsActive ? m->FindSectionIndex(skinSection_) : -1;
    UpdateBackKind();
    PaintState = kPlainUnknown;
    if (SectionIndex < 0) {
        PatternIndex = HotPatternIndex = -1;
        return;
    }
    const TSkinContent& skin = m->Skin();
    BorderMaskIndex = skin.GeneralData[static_cast<std::size_t>(SectionIndex)].BorderMaskIndex;
    PatternIndex = skin.FindPatternIndex(SectionIndex, skinSection_, "PATTERN");
    HotPatternIndex = skin.FindPatternIndex(SectionIndex, skinSection_, "HOTPATTERN");
    UpdatePlainFlag(false);
}

void TSkCommonData::ApplyDefaultSection() {
    if (!skinSection_.empty()) {
        ResolveIndexes();
        return;
    }
    std::string section = DefaultSectionOfKind(ControlKind);
    if (section.empty() && OwnerObj) section = OwnerObj->ClassName();
    SetSkinSection(section);
}

void TSkCommonData::AfterOwnerLoaded() {
    ApplyDefaultSection();
    if (!HasSkin() || !OwnerCtrl || !OwnerCtrl->Parent() || Has(OwnerCtrl, TComponentStateItem::csLoading)) return;
    if (dynamic_cast<TWinControl*>(OwnerCtrl)) RequestChildSkinning(OwnerCtrl);
    ApplySkinColors(false);
}

void TSkCommonData::ApplySkinColors(bool repaint) {
    auto* windowed = dynamic_cast<TWinControl*>(OwnerCtrl);
    const TSkGeneralData* s = SectionOf(*this);
    if (!HasSkin() || !s || !IsEditKind(ControlKind) || !windowed || !windowed->HandleAllocated()) return;
    auto adjusted = [this](std::int32_t color) {
        return static_cast<TColor>(
            ChangeColorSaturation(ShiftColorHue(HUEOffset, static_cast<std::uint32_t>(color)), Saturation));
    };
    if (!customColor_ && windowed->Color() != adjusted(s->Color)) windowed->SetColor(adjusted(s->Color));
    if (!customFont_ && windowed->Font()->Color() != adjusted(s->FontColor[0]))
        windowed->Font()->SetColor(adjusted(s->FontColor[0]));
    if (repaint) InvalidateOwner(false);
}

int TSkCommonData::StateTransparency(int state) const {
    const TSkGeneralData* s = SectionOf(*this);
    if (!s) return 0;
    return state > 0 && s->StateCount > 1 ? s->HotTransparency : s->Transparency;
}

std::uint32_t TSkCommonData::GetStateColor(int state, platform::HWND window) const {
    const TSkGeneralData* s = SectionOf(*this);
    const bool skinned = HasSkin() && s;
    if (skinned) {
        const bool hot = state > 0 && s->StateCount > 1;
        const int t = hot ? s->HotTransparency : s->Transparency;
        const auto c = static_cast<std::uint32_t>(hot ? s->HotColor : s->Color);
        if (t == 0 && !customColor_) return c;
        if (t == kFullPercent) return ParentColor(*this, window);
        if (t != 0) {
            if (!OwnerCtrl && !window) return kButtonFace;
            const std::uint32_t p = ColorToRGB(static_cast<TColor>(ParentColor(*this, window)));
            return MixTwoColors(ColorToRGB(static_cast<TColor>(c)), p, (kFullPercent - t) / double(kFullPercent)) &
                   0xFFFFFFu;
        }
    }
    if (OwnerCtrl) return static_cast<std::uint32_t>(OwnerCtrl->Color());
    return kButtonFace;
}

void TSkCommonData::SizeCacheBitmap() {
    if (!CacheBitmap) CacheBitmap = std::make_unique<TBitmap>(0, 0, TPixelFormat::pf32bit);
    CacheBitmap->SetPixelFormat(TPixelFormat::pf32bit);
    if (OwnerCtrl) CacheBitmap->SetSize(std::max(OwnerCtrl->Width(), 0), std::max(OwnerCtrl->Height(), 0));
}

int TSkCommonData::MaxBorderWidth() const {
    TSkinManager* m = SkinManager();
    if (!m || !m->Skin().MaskIndexValid(BorderMaskIndex)) return 0;
    const TSkMaskData& mask = m->Skin().Masks[static_cast<std::size_t>(BorderMaskIndex)];
    if (mask.DrawFlags & kMaskNoNormalState) return 0;
    return std::max({int(mask.BorderLeft), int(mask.BorderTop), int(mask.BorderRight), int(mask.BorderBottom)});
}

bool TSkCommonData::NeedsParentState() const { return !(PaintState & kPlainBackgroundBit) || InHotState(); }

bool TSkCommonData::InHotState() const {
    if (!OwnerCtrl || Has(OwnerCtrl, TComponentStateItem::csDestroying) || !OwnerCtrl->Enabled() ||
        Has(OwnerCtrl, TComponentStateItem::csDesigning))
        return false;
    if (HasFocus) return true;
    auto* windowed = dynamic_cast<TWinControl*>(OwnerCtrl);
    if (windowed && windowed->HandleAllocated() && platform::GetFocus() == windowed->Handle())
        return !dynamic_cast<TCustomPanel*>(OwnerCtrl);
    return MouseInside && !IsContainerKind(ControlKind);
}

bool TSkCommonData::CalcDeferPaint() const {
    TSkinManager* m = SkinManager();
    if (!m || Has(m, TComponentStateItem::csDesigning)) return false;
    if (!NeedsParentState()) return DeferPaint;
    if (Has(OwnerCtrl, TComponentStateItem::csDestroying)) return DeferPaint;
    if (DeferPaint) return true;
    if (OwnerCtrl && OwnerCtrl->Parent()) return SendSkinCommandTo(OwnerCtrl->Parent(), ScIsPaintDeferred) == 1;
    return false;
}

void TSkCommonData::RefreshDeferPaint(bool clearFirst) {
    if (clearFirst) DeferPaint = false;
    if (CalcDeferPaint()) DeferPaint = true;
}

void TSkCommonData::BeginSkinUpdate() {
    ++UpdateDepth;
    DeferPaint = true;
    PaintState |= kInSkinUpdateBit;
    if (OwnerCtrl) OwnerCtrl->Perform(SkinCommandMsg, MakeSkinWParam(ScBeginSkinUpdate));
}

void TSkCommonData::EndSkinUpdate(bool repaint) {
    --UpdateDepth;
    DeferPaint = false;
    PaintState &= static_cast<std::uint16_t>(~kInSkinUpdateBit);
    if (UpdateDepth > 0) return;
    if (OwnerCtrl) OwnerCtrl->Perform(SkinCommandMsg, MakeSkinWParam(ScEndSkinUpdate));
    if (repaint) InvalidateOwner(false);
}

void TSkCommonData::InvalidateOwner(bool updateNow) {
    if (!OwnerCtrl) {
        BgDirty = true;
        return;
    }
    if (Has(OwnerCtrl, TComponentStateItem::csDestroying) || Has(OwnerCtrl, TComponentStateItem::csLoading)) return;
    BgDirty = true;
    auto* windowed = dynamic_cast<TWinControl*>(OwnerCtrl);
    if (!windowed) {
        if (OwnerCtrl->Parent()) OwnerCtrl->Repaint();
        return;
    }
    if (!windowed->HandleAllocated()) return;
    platform::UINT flags = platform::RDW_INVALIDATE | platform::RDW_ERASE | platform::RDW_ALLCHILDREN | platform::RDW_FRAME;
    if (updateNow) flags |= platform::RDW_UPDATENOW;
    platform::RedrawWindow(windowed->Handle(), nullptr, nullptr, flags);
}

bool TSkCommonData::BackgroundFollowsParent() const {
    if (!HasSkin() || !OwnerCtrl || !OwnerCtrl->Enabled()) return true;
    if (StateTransparency(0) <= 0) return false;
    return ParentBgVaries(*this) == 1;
}

void TSkCommonData::UpdateBackKind() {
    BackKind = 0;
    const TSkGeneralData* s = SectionOf(*this);
    if (!s) return;
    constexpr std::int16_t kImageBit = 4;
    if (s->ImagePercent != 0) BackKind = static_cast<std::int16_t>(BackKind + kImageBit);
    if (s->GradientPercent != 0 && !s->GradientArray.empty()) {
        static constexpr std::int16_t kKindOfMode[] = {2, 1, 3};
        const int mode = s->GradientArray.front().Mode;
        if (mode >= 0 && mode <= 2) BackKind = static_cast<std::int16_t>(BackKind | kKindOfMode[mode]);
    }
}

void TSkCtrlSkinData::SetHUEOffset(std::int32_t value) {
    if (value == HUEOffset) return;
    HUEOffset = value;
    AfterOwnerLoaded();
    InvalidateOwner(false);
}

void TSkCtrlSkinData::SetSaturation(std::int32_t value) {
    if (value == Saturation) return;
    Saturation = value;
    AfterOwnerLoaded();
    InvalidateOwner(false);
}
