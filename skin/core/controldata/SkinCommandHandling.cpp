#include "skin/core/controldata/SkinCommandHandling.h"

#include "skin/core/controldata/SkCommonData.h"
#include "skin/core/data/SkinLookups.h"
#include "skin/core/manager/SkinCommands.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/masks/BorderMask.h"

#include "ui/controls/CustomEdit.h"
#include "ui/controls/Label.h"
#include "ui/forms/WinControl.h"
#include "ui/graphics/Bitmap.h"

#include "platform/window/Painting.h"

namespace {

constexpr int kFullPercent = 100;
constexpr TColor clWindowColor = static_cast<TColor>(0xFF000005);
constexpr TColor clWindowTextColor = static_cast<TColor>(0xFF000008);

bool IsOwnManager(const TSkCommonData& data, platform::LPARAM lParam) {
    return reinterpret_cast<TSkinManager*>(lParam) == data.SkinManager();
}

const TSkGeneralData* SectionOf(const TSkCommonData& data) {
    TSkinManager* m = data.SkinManager();
    if (!m || !m->Skin().SectionIndexValid(data.SectionIndex)) return nullptr;
    return &m->Skin().GeneralData[static_cast<std::size_t>(data.SectionIndex)];
}

void RemoveSkin(TSkCommonData& data) {
    data.BorderMaskIndex = data.SectionIndex = data.PatternIndex = data.HotPatternIndex = -1;
    data.DeferPaint = true;
    if (data.CacheBitmap) data.CacheBitmap->SetSize(0, 0);
    if (auto* edit = dynamic_cast<TCustomEdit*>(data.OwnerCtrl)) {
        if (!data.CustomColor()) edit->SetColor(clWindowColor);
        if (!data.CustomFont()) edit->Font()->SetColor(clWindowTextColor);
        if (edit->HandleAllocated())
            platform::RedrawWindow(edit->Handle(), nullptr, nullptr, platform::RDW_FRAME | platform::RDW_INVALIDATE);
    } else if (auto* windowed = dynamic_cast<TWinControl*>(data.OwnerCtrl)) {
        for (int i = 0; i < windowed->ControlCount(); ++i)
            if (auto* label = dynamic_cast<TLabel*>(windowed->Controls(i))) label->Font()->SetColor(clWindowTextColor);
    }
}

// Does the background under the element change with its place?
platform::LRESULT BackgroundVaries(const TSkCommonData& data, const TSkGeneralData& s) {
    if (s.Transparency > 0 && data.OwnerCtrl && data.OwnerCtrl->Parent()) return ParentBgVaries(data);
    if (s.GradientPercent + s.ImagePercent > 0 || data.BackgroundFollowsParent()) return 1;
    TSkinManager* m = data.SkinManager();
    if (m && m->Skin().MaskIndexValid(s.BorderMaskIndex) &&
        (m->Skin().Masks[static_cast<std::size_t>(s.BorderMaskIndex)].DrawFlags & kMaskPaintCentre))
        return 1;
    return 0;
}

std::uint32_t BackgroundColor(const TSkCommonData& data) {
    TControl* owner = data.OwnerCtrl;
    const TSkGeneralData* s = SectionOf(data);
    if (!data.HasSkin() || !s) return ColorToRGB(owner->Color());
    const int t = s->Transparency;
    if (t == 0) return static_cast<std::uint32_t>(s->Color);
    TWinControl* parent = owner->Parent();
    if (t == kFullPercent) {
        if (!parent) return ColorToRGB(owner->Color());
        const auto answer = static_cast<std::uint32_t>(SendSkinCommandTo(parent, ScGetBackgroundColor));
        return answer == KeyColorValue ? static_cast<std::uint32_t>(parent->Color()) : answer;
    }
    const std::uint32_t p = parent ? static_cast<std::uint32_t>(SendSkinCommandTo(parent, ScGetBackgroundColor))
                                   : ColorToRGB(owner->Color());
    const auto c = static_cast<std::uint32_t>(s->Color);
    std::uint32_t out = p & 0xFF000000u;
    for (int shift : {0, 8, 16}) {
        const std::uint32_t cc = (c >> shift) & 0xFFu, pc = (p >> shift) & 0xFFu;
        out |= ((cc * static_cast<std::uint32_t>(kFullPercent - t) + pc * static_cast<std::uint32_t>(t)) / kFullPercent)
               << shift;
    }
    return out;
}

}  // namespace

bool HandleSkinCommand(TMessage& message, TSkCommonData* data) {
    if (!data || message.Msg != SkinCommandMsg) return false;
    const platform::LPARAM lParam = message.LParam;
    switch (SkinCommandOf(message.WParam)) {
    case ScNewSkin:
        if (IsOwnManager(*data, lParam)) {
            data->ResolveIndexes();
            data->UpdatePlainFlag(false);
            SkinBroadcastInProgress = 0;
        }
        return false;
    case ScRemoveSkin:
        if (IsOwnManager(*data, lParam)) RemoveSkin(*data);
        return false;
    case ScRefresh:
        if (IsOwnManager(*data, lParam)) {
            data->BgDirty = true;
            data->DeferPaint = false;
            data->ApplySkinColors(true);
            data->UpdatePlainFlag(false);
        }
        return false;
    case ScIsSkinned: message.Result = 1; return true;
    case ScSetDeferPaint: data->DeferPaint = SkinArgumentOf(message.WParam) == 1; return false;
    case ScIsPaintDeferred: message.Result = data->BgDirty || data->DeferPaint ? 1 : 0; return true;
    case ScIsPartlyHidden: message.Result = data->PartlyHidden ? 1 : 0; return true;
    case ScBackgroundDirty: data->BgDirty = true; return false;
    case ScBackgroundVaries:
        if (const TSkGeneralData* s = SectionOf(*data)) {
            message.Result = BackgroundVaries(*data, *s);
            return true;
        }
        return false;
    case ScGetBackgroundColor:
        if (!data->OwnerCtrl) return false;
        message.Result = static_cast<platform::LRESULT>(BackgroundColor(*data));
        return true;
    case ScPartlyHidden: data->PartlyHidden = true; return false;
    case ScGetSectionIndex:
        if (lParam) reinterpret_cast<TxSectionInfo*>(lParam)->SectionIndex = data->SectionIndex;
        return true;
    case ScDropCaches:
        if (data->CacheBitmap) {
            if (auto* windowed = dynamic_cast<TWinControl*>(data->OwnerCtrl))
                for (int i = 0; i < windowed->ControlCount(); ++i)
                    if (auto* child = dynamic_cast<TWinControl*>(windowed->Controls(i)); child && child->HandleAllocated())
                        SendSkinCommandTo(child, ScDropCaches);
            data->CacheBitmap->SetSize(0, 0);
            data->BgDirty = true;
            data->DeferPaint = true;
        }
        return false;
    case ScGetParentBackground:
        if (lParam) data->FillParentBgInfo(*reinterpret_cast<TSkParentBgInfo*>(lParam), 0, nullptr);
        return true;
    case ScPlainBackground:
        if (lParam == 1) {
            data->UpdatePlainFlag(true);
        } else {
            if (data->PaintState == kPlainUnknown) data->UpdatePlainFlag(false);
            message.Result = data->PaintState;
        }
        return true;
    case ScGetSkinData: message.Result = reinterpret_cast<platform::LRESULT>(data); return true;
    case ScPrinting:
        if (lParam) data->PaintState |= kPrintingBit;
        else data->PaintState &= static_cast<std::uint16_t>(~kPrintingBit);
        data->PrintTarget = reinterpret_cast<platform::HDC>(lParam);
        return true;
    default: return false;
    }
}
