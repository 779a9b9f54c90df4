#include "skin/core/controldata/GlowLink.h"
#include "skin/core/controldata/SkCommonData.h"

#include "skin/core/data/SkinLookups.h"
#include "skin/core/manager/SkinCommands.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/utils/SkinProperties.h"

#include "ui/forms/Form.h"
#include "ui/forms/WinControl.h"

#include "platform/gdi/Clipping.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/Painting.h"
#include "platform/window/Placement.h"
#include "platform/window/WindowTree.h"

#include <algorithm>

namespace {

const char* const kGlowMaskKey = "GLOW";

TSkGlowFunctions& GlowFunctions() {
    static TSkGlowFunctions functions;
    return functions;
}

TCustomForm* FormOf(TControl* control) {
    for (TControl* c = control; c; c = c->Parent())
        if (auto* form = dynamic_cast<TCustomForm*>(c)) return form;
    return nullptr;
}

// The window rectangle and the part of it its window DC may paint.
bool WindowGlowRects(platform::HWND window, TRect& bounds, TRect& visible) {
    platform::RECT r{}, clip{};
    if (!platform::GetWindowRect(window, &r)) return false;
    platform::HDC dc = platform::GetWindowDC(window);
    if (!dc) return false;
    const int kind = platform::GetClipBox(dc, &clip);
    platform::ReleaseDC(window, dc);
    if (kind == 0) return false;
    bounds = TRect(r.left, r.top, r.right, r.bottom);
    visible = TRect(clip.left, clip.top, clip.right, clip.bottom);
    return true;
}

// A graphic control: its bounds on the screen, and its parent's clip box cut to its own extent.
bool GraphicGlowRects(TControl& control, TRect& bounds, TRect& visible) {
    TWinControl* parent = control.Parent();
    if (!parent || !parent->HandleAllocated()) return false;
    const TPoint origin = parent->ClientToScreen(TPoint{control.Left(), control.Top()});
    bounds = TRect(origin.X, origin.Y, origin.X + control.Width(), origin.Y + control.Height());
    platform::HDC dc = platform::GetDC(parent->Handle());
    if (!dc) return false;
    platform::RECT clip{};
    const int kind = platform::GetClipBox(dc, &clip);
    platform::ReleaseDC(parent->Handle(), dc);
    if (kind == 0) return false;
    visible = TRect(std::max(static_cast<int>(clip.left) - control.Left(), 0),
                    std::max(static_cast<int>(clip.top) - control.Top(), 0),
                    std::min(static_cast<int>(clip.right) - control.Left(), control.Width()),
                    std::min(static_cast<int>(clip.bottom) - control.Top(), control.Height()));
    return true;
}

}  // namespace

void SetSkinGlowFunctions(const TSkGlowFunctions& functions) { GlowFunctions() = functions; }
const TSkGlowFunctions& SkinGlowFunctions() { return GlowFunctions(); }

void FreeSkinGlow(std::int32_t& index) {
    if (index < 0) return;
    if (GlowFunctions().Free) GlowFunctions().Free(index);
    index = -1;
}

void TSkCommonData::RefreshGlow(bool remove, platform::HWND window) {
    TSkinManager* m = SkinManager();
    if (!m || !m->Effects().AllowGlowing() || !m->Skin().SectionIndexValid(SectionIndex)) return;
    const TSkGeneralData& section = m->Skin().GeneralData[static_cast<std::size_t>(SectionIndex)];
    if (section.Glow < 1) return;
    TRect bounds, visible;
    platform::HWND host = nullptr;
    if (OwnerCtrl) {
        if (!MouseInside || !OwnerCtrl->Visible() || (remove && GlowIndex != -1)) {
            FreeSkinGlow(GlowIndex);
            return;
        }
        TCustomForm* form = FormOf(OwnerCtrl);
        if (!form) return;
        TControl* hostControl = form->Parent() ? static_cast<TControl*>(form->Parent()) : form;
        if (auto* hostWindow = dynamic_cast<TWinControl*>(hostControl)) host = hostWindow->Handle();
        if (GlowIndex != -1) return;
        auto* windowed = dynamic_cast<TWinControl*>(OwnerCtrl);
        const bool found = windowed ? windowed->HandleAllocated() && WindowGlowRects(windowed->Handle(), bounds, visible)
                                    : GraphicGlowRects(*OwnerCtrl, bounds, visible);
        if (!found) return;
    } else {
        if (!window || GlowIndex != -1 || !WindowGlowRects(window, bounds, visible)) return;
        host = platform::GetAncestor(window, platform::GA_ROOT);
    }
    if (GlowFunctions().Create)
        GlowIndex = GlowFunctions().Create(bounds, visible, SkinSection(), m, host, section.GlowMargin, kGlowMaskKey);
}

int FindFontSection(TControl* control, int defaultIndex, TSkinManager* manager, int state) {
    constexpr int kSeeThroughPercent = 50;
    if (!manager) return defaultIndex;
    const TSkinContent& skin = manager->Skin();
    while (control && control->Parent()) {
        TWinControl* parent = control->Parent();
        int k = -1;
        auto* data = dynamic_cast<TSkCommonData*>(GetObjectProperty(*parent, "SkinData"));
        if (data && skin.SectionIndexValid(data->SectionIndex)) {
            k = data->SectionIndex;
        } else if (parent->HandleAllocated()) {
            TxSectionInfo info;
            platform::SendMessage(parent->Handle(), SkinCommandMsg, MakeSkinWParam(ScGetSectionIndex),
                                  reinterpret_cast<platform::LPARAM>(&info));
            k = info.SectionIndex;
        }
        if (!skin.SectionIndexValid(k)) return defaultIndex;
        const TSkGeneralData& section = skin.GeneralData[static_cast<std::size_t>(k)];
        const int s = std::max(0, std::min(state > 0 ? 1 : 0, section.StateCount - 1));
        if (section.StateProps[static_cast<std::size_t>(s)].Transparency > kSeeThroughPercent && parent->Parent()) {
            control = parent;
            state = 0;
            continue;
        }
        return section.GiveOwnFont ? k : defaultIndex;
    }
    return defaultIndex;
}
