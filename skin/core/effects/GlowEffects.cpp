#include "skin/core/effects/GlowEffects.h"

#include "skin/core/animation/CoverWindows.h"
#include "skin/core/layered/LayeredBinding.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/masks/BorderMask.h"
#include "skin/core/pixels/BitmapCopies.h"

#include "ui/core/ScopeGuards.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"

#include "platform/gdi/Blits.h"
#include "platform/window/NonClient.h"
#include "platform/window/Placement.h"
#include "platform/window/WindowStyles.h"
#include "platform/window/WindowTree.h"

bool GlowDestroying = false;

namespace {

std::vector<std::unique_ptr<TxGlowEffect>> glows;

constexpr platform::DWORD kGlowExStyle = platform::WS_EX_NOACTIVATE | platform::WS_EX_LAYERED |
                                         platform::WS_EX_TOOLWINDOW | platform::WS_EX_TRANSPARENT;
constexpr platform::UINT kGlowPlacement = platform::SWP_NOSIZE | platform::SWP_NOACTIVATE |
                                          platform::SWP_NOOWNERZORDER | platform::SWP_NOSENDCHANGING;

struct TBorders {
    int Left, Top, Right, Bottom;
};

TBorders BordersOf(TSkinManager& manager, int maskIndex) {
    // The widths of a mask without its own take their defaults from the frame.
    auto& skin = const_cast<TSkinContent&>(manager.Skin());
    return {skin.MaskLeftWidth(maskIndex), skin.MaskTopWidth(maskIndex), skin.MaskRightWidth(maskIndex),
            skin.MaskBottomWidth(maskIndex)};
}

// Where the glow goes in the Z order: just above its owner.
platform::HWND PlaceAbove(platform::HWND owner) {
    if (!owner) return platform::HWND_TOP;
    if (platform::GetWindowLong(owner, platform::GWL_EXSTYLE) & platform::WS_EX_TOPMOST) return platform::HWND_TOPMOST;
    platform::HWND before = platform::GetWindow(owner, platform::GW_HWNDPREV);
    return before ? before : owner;
}

bool ManagerEnding(const TSkinManager* manager) { return manager && manager->IsDestroying(); }

}  // namespace

TxGlowEffect::TxGlowEffect(TSkinManager* manager, int maskIndex, int margin)
    : manager_(manager), maskIndex_(maskIndex), margin_(margin) {}

TxGlowEffect::~TxGlowEffect() {
    if (form_) CloseWindow(ManagerEnding(manager_) || Application->Terminated());
}

void TxGlowEffect::CloseWindow(bool now) {
    if (!form_) return;
    GlowDestroying = true;
    ScopeExit cleared([] { GlowDestroying = false; });
    form_->WindowProc = [form = form_.get()](TMessage& m) { form->WndProc(m); };
    if (now) {
        form_.reset();
    } else {
        form_->Hide();
        Application->Release(form_.release());
    }
}

std::unique_ptr<TBitmap> TxGlowEffect::MakeGlowImage(int width, int height) const {
    auto image = NewBlackBitmap32(width, height);
    const TSkinContent& skin = manager_->Skin();
    if (skin.MaskIndexValid(maskIndex_))
        DrawBorderMask(*image, TRect(0, 0, width, height), 0, skin.Masks[static_cast<std::size_t>(maskIndex_)],
                       TSkParentCache{}, false);
    return image;
}

void TxGlowEffect::Show(const TRect& r, const TRect& v, platform::HWND owner) {
    if (form_) return;
    form_ = std::make_unique<TForm>(nullptr);
    form_->SetTag(kUnskinnedTag);
    // The mouse passes through to the window below.
    form_->WindowProc = [form = form_.get()](TMessage& m) {
        if (m.Msg == platform::WM_NCHITTEST)
            m.Result = platform::HTTRANSPARENT;
        else
            form->WndProc(m);
    };
    form_->ControlStyle.Exclude(TControlStyleItem::csCaptureMouse);
    form_->SetBorderStyle(TFormBorderStyle::bsNone);

    const TBorders b = BordersOf(*manager_, maskIndex_);
    int w = r.Width() + b.Left + b.Right - 2 * margin_;
    int h = r.Height() + b.Top + b.Bottom - 2 * margin_;
    std::unique_ptr<TBitmap> image = MakeGlowImage(w, h);

    int cl = 0, ct = 0;
    if (v.Width() != r.Width() || v.Height() != r.Height()) {
        cl = v.Left != 0 ? b.Left + v.Left - margin_ : 0;
        ct = v.Top != 0 ? b.Top + v.Top - margin_ : 0;
        const int cr = r.Width() == v.Right ? 0 : cl != 0 ? w - cl - v.Width() : r.Width() + b.Right - v.Width() - margin_;
        const int cb = r.Height() == v.Bottom ? 0 : ct != 0 ? h - ct - v.Height() : r.Height() + b.Bottom - v.Height() - margin_;
        w -= cl + cr;
        h -= ct + cb;
        if (cl != 0 || ct != 0) {
            auto cropped = NewBitmap32(w, h);
            platform::BitBlt(cropped->Canvas()->Handle(), 0, 0, w, h, image->Canvas()->Handle(), cl, ct, platform::SRCCOPY);
            image = std::move(cropped);
        }
    }
    form_->SetBounds(r.Left + margin_ + cl - b.Left, r.Top + margin_ + ct - b.Top, w, h);
    const platform::HWND window = form_->Handle();
    platform::SetWindowLong(window, platform::GWL_EXSTYLE,
                            platform::GetWindowLong(window, platform::GWL_EXSTYLE) | static_cast<platform::LONG>(kGlowExStyle));
    platform::SetWindowPos(window, PlaceAbove(owner), form_->Left(), form_->Top(), 0, 0, kGlowPlacement);
    ShowLayeredPicture(window, *image, 255);
    platform::ShowWindow(window, platform::SW_SHOWNOACTIVATE);
}

int CreateGlowEffect(const TRect& control, const TRect& visible, const std::string& section, TSkinManager* manager,
                     platform::HWND owner, int margin, const std::string& maskName) {
    if (!LayeredWindowsAvailable()) return -1;
    TSkinManager* used = manager ? manager : DefaultSkinManager;
    if (!used) return -1;
    const int maskIndex = used->Skin().FindOwnMaskIndex(section, maskName + "0");
    if (maskIndex < 0) return -1;
    glows.push_back(std::make_unique<TxGlowEffect>(used, maskIndex, margin));
    glows.back()->Show(control, visible, owner);
    return static_cast<int>(glows.size()) - 1;
}

void FreeGlowEffect(int& index) {
    if (index < 0 || index >= static_cast<int>(glows.size()) || !glows[static_cast<std::size_t>(index)]) return;
    glows[static_cast<std::size_t>(index)].reset();
    index = -1;
}

void FreeAllGlowEffects(bool freeWindows) {
    for (auto& glow : glows)
        if (glow && freeWindows) glow->CloseWindow(true);
    glows.clear();
}

const std::vector<std::unique_ptr<TxGlowEffect>>& GlowEffects() { return glows; }
