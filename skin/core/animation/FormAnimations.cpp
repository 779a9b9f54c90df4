#include "skin/core/animation/FormAnimations.h"

#include "skin/core/animation/CoverWindows.h"
#include "skin/core/broadcast/FormSkinState.h"
#include "skin/core/ctrlutils/ControlUtilities.h"
#include "skin/core/effects/GlowEffects.h"
#include "skin/core/layered/LayeredBinding.h"
#include "skin/core/manager/SkinCommands.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/pixels/AlphaRects.h"
#include "skin/core/pixels/BitmapCopies.h"

#include "ui/core/PublishedProperties.h"
#include "ui/core/Rounding.h"
#include "ui/core/ScopeGuards.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Bitmap.h"

#include "platform/window/MessageQueue.h"
#include "platform/window/Painting.h"
#include "platform/window/Placement.h"
#include "platform/window/WindowStyles.h"
#include "platform/window/WindowTree.h"

#include <algorithm>

namespace {

// An eighth of each side: the picture starts at (or ends at) three quarters of its size.
constexpr double kZoomParts = 8.0;
constexpr platform::UINT kQuietPlacement = platform::SWP_NOREDRAW | platform::SWP_NOACTIVATE |
                                           platform::SWP_NOOWNERZORDER | platform::SWP_NOCOPYBITS |
                                           platform::SWP_NOSENDCHANGING;
constexpr platform::UINT kFullRedraw = platform::RDW_INVALIDATE | platform::RDW_ERASE | platform::RDW_ALLCHILDREN |
                                       platform::RDW_UPDATENOW | platform::RDW_ERASENOW | platform::RDW_FRAME;
constexpr int kNoTimerInterval = 65535;

std::uint8_t RoundAlpha(double alpha) { return static_cast<std::uint8_t>(std::clamp<std::int64_t>(Round(alpha), 0, 255)); }

TRect RoundedRect(double left, double top, double right, double bottom) {
    const int x = static_cast<int>(Round(left)), y = static_cast<int>(Round(top));
    return {x, y, x + static_cast<int>(Round(right - left)), y + static_cast<int>(Round(bottom - top))};
}

TRect WindowBounds(platform::HWND window) {
    platform::RECT r{};
    platform::GetWindowRect(window, &r);
    return TRect(r);
}

bool Topmost(platform::HWND window) {
    return (platform::GetWindowLong(window, platform::GWL_EXSTYLE) & platform::WS_EX_TOPMOST) != 0;
}

void ShowWithoutActivation(TForm& cover, const TRect& bounds, platform::HWND after) {
    platform::ShowWindow(cover.Handle(), platform::SW_SHOWNOACTIVATE);
    platform::SetWindowPos(cover.Handle(), after, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(),
                           kQuietPlacement);
}

TxHideTimer* hideTimer = nullptr;

}  // namespace

void RunShowPasses(platform::HWND cover, TBitmap& picture, int steps, std::uint8_t target, TxAnimType mode) {
    const int w = picture.Width(), h = picture.Height();
    auto work = NewBlackBitmap32(w, h);
    if (steps > 0) {
        const double increment = static_cast<double>(target) / steps;
        const double dx = w / (steps * kZoomParts), dy = h / (steps * kZoomParts);
        double left = w / kZoomParts, top = h / kZoomParts, right = w - w / kZoomParts, bottom = h - h / kZoomParts;
        double alpha = 0;
        for (int i = 0; i <= steps; ++i) {
            alpha = std::min<double>(target, alpha + increment);
            if (mode == TxAnimType::atAero && left >= 0 && top >= 0)
                StretchPicture(*work, picture, RoundedRect(left, top, right, bottom));
            else if (mode == TxAnimType::atAero || i == 0)
                CopyPicture(*work, picture);
            ShowLayeredPicture(cover, *work, RoundAlpha(alpha));
            if (mode == TxAnimType::atAero) left -= dx, top -= dy, right += dx, bottom += dy;
            AnimationPause(kAnimationStepMs);
        }
    }
    ShowLayeredPicture(cover, picture, target);
}

void AnimateFormShow(TSkFormSkinState& state, int time, std::uint8_t target, TxAnimType mode) {
    TCustomForm* form = state.Form();
    if (!form || !form->HandleAllocated()) return;
    AnimationRunning = true;
    ScopeExit running([] { AnimationRunning = false; });
    std::unique_ptr<TBitmap> picture = state.MakeFormBitmap();
    if (!picture) return;
    SetAlphaChannel(*picture, TRect(0, 0, picture->Width(), picture->Height()), 255, false);
    const int steps = AnimationSteps(time);
    const platform::HWND window = form->Handle();
    const bool topmost = Topmost(window);
    const TRect bounds(WindowBounds(window).Left, WindowBounds(window).Top,
                       WindowBounds(window).Left + picture->Width(), WindowBounds(window).Top + picture->Height());
    std::unique_ptr<TForm> cover = MakeCoverForm(bounds, topmost, window);
    ShowLayeredPicture(cover->Handle(), *picture, steps < 1 ? target : 0);
    ShowWithoutActivation(*cover, bounds, topmost ? platform::HWND_TOPMOST : WindowBefore(window));
    RunShowPasses(cover->Handle(), *picture, steps, target, mode);
    state.InAnimation = false;
    state.AlphaBlendValue = target;
    platform::SetWindowPos(window, cover->Handle(), 0, 0, 0, 0,
                           platform::SWP_NOMOVE | platform::SWP_NOSIZE | platform::SWP_NOACTIVATE);
    platform::SendMessage(window, platform::WM_SETREDRAW, 1, 0);
    AnimationRunning = false;
    platform::RedrawWindow(window, nullptr, nullptr, kFullRedraw);
    picture.reset();
    cover.reset();
    state.AfterAnimation(TxAnimEvent::aeShowing);
}

void AnimateFormHide(TSkFormSkinState& state) {
    FreeAllGlowEffects(true);
    TCustomForm* form = state.Form();
    if (!form || !form->HandleAllocated() || form->FormStyle() == TFormStyle::fsMDIChild) return;
    std::unique_ptr<TBitmap> picture = state.MakeFormBitmap();
    if (!picture) return;
    AnimationRunning = true;
    ScopeExit running([] { AnimationRunning = false; });
    SetAlphaChannel(*picture, TRect(0, 0, picture->Width(), picture->Height()), 255, false);
    const platform::HWND window = form->Handle();
    const TRect frame = WindowBounds(window);
    std::unique_ptr<TForm> cover = MakeCoverForm(
        TRect(frame.Left, frame.Top, frame.Left + picture->Width(), frame.Top + picture->Height()), true, nullptr);
    // The form vanishes at once behind its picture.
    const platform::LONG exStyle = platform::GetWindowLong(window, platform::GWL_EXSTYLE);
    platform::SetWindowLong(window, platform::GWL_EXSTYLE, exStyle | static_cast<platform::LONG>(platform::WS_EX_LAYERED));
    platform::SetLayeredWindowAttributes(window, 0, 1, platform::LWA_ALPHA);
    const TxFormHide& hide = *state.UsedManager()->AnimEffects().FormHide();
    StartHideAnimation(std::move(cover), std::move(picture), hide.Time, window, hide.Mode, 255);
    platform::SetWindowLong(window, platform::GWL_EXSTYLE, exStyle);
}

const TClassInfo& TxHideTimer::StaticClass() {
    static const TClassInfo info = TPublished<TxHideTimer>("TxHideTimer", TxThreadedTimer::StaticClass()).Build();
    return info;
}

TxHideTimer::TxHideTimer(TComponent* owner) : TxThreadedTimer(owner, true) { SetEnabled(false); }

TxHideTimer::~TxHideTimer() {
    if (hideTimer == this) hideTimer = nullptr;
    FireAfterAnimation();
}

TxHideTimer& HideTimer() {
    if (!hideTimer) hideTimer = new TxHideTimer(Application);
    return *hideTimer;
}

void TxHideTimer::Start(std::unique_ptr<TForm> cover, std::unique_ptr<TBitmap> picture, int steps,
                        platform::HWND target, TxAnimType mode, std::uint8_t startAlpha) {
    SetEnabled(false);
    target_ = target;
    done_ = false;
    stepIndex_ = 0;
    stepCount_ = steps;
    picture_ = std::move(picture);
    cover_ = std::move(cover);
    mode_ = mode;
    constantAlpha_ = startAlpha;
    SetInterval(kAnimationStepMs);
    const int w = picture_->Width(), h = picture_->Height();
    const platform::HWND window = cover_->Handle();
    const TRect bounds = WindowBounds(window);
    ShowLayeredPicture(window, *picture_, startAlpha);
    ShowWithoutActivation(*cover_, TRect(bounds.Left, bounds.Top, bounds.Left + w, bounds.Top + h),
                          platform::HWND_TOPMOST);
    work_ = NewBlackBitmap32(w, h);
    alpha_ = startAlpha;
    decrement_ = static_cast<double>(startAlpha) / steps;
    if (mode == TxAnimType::atAero) {
        left_ = top_ = 0, right_ = w, bottom_ = h;
        dx_ = w / (steps * kZoomParts), dy_ = h / (steps * kZoomParts);
    } else {
        left_ = top_ = right_ = bottom_ = dx_ = dy_ = 0;
    }
    if (Application->Terminated()) {
        while (cover_) {
            Step();
            AnimationPause(kAnimationStepMs);
        }
        return;
    }
    Step();
    SetEnabled(true);
}

void TxHideTimer::Step() {
    if (!cover_) return;
    if (stepIndex_ > stepCount_) {
        Finish();
        return;
    }
    alpha_ = std::max(0.0, alpha_ - decrement_);
    constantAlpha_ = RoundAlpha(alpha_);
    if (mode_ == TxAnimType::atAero && left_ >= 0 && top_ >= 0) {
        for (int y = 0; y < work_->Height(); ++y) FillDWords(PixelRow(*work_, y), work_->Width(), 0);
        StretchPicture(*work_, *picture_, RoundedRect(left_, top_, right_, bottom_));
    } else if (mode_ == TxAnimType::atAero || stepIndex_ == 0) {
        CopyPicture(*work_, *picture_);
    }
    ShowLayeredPicture(cover_->Handle(), *work_, constantAlpha_);
    if (mode_ == TxAnimType::atAero) left_ += dx_, top_ += dy_, right_ -= dx_, bottom_ -= dy_;
    ++stepIndex_;
}

void TxHideTimer::Finish() {
    FireAfterAnimation();
    SetInterval(kNoTimerInterval);
    Drop();
}

void TxHideTimer::Drop() {
    SetEnabled(false);
    cover_.reset();
    picture_.reset();
    work_.reset();
}

void TxHideTimer::FireAfterAnimation() {
    if (done_ || !target_ || !platform::IsWindow(target_)) return;
    auto* state = reinterpret_cast<TSkFormSkinState*>(SendSkinCommandToWnd(target_, ScGetProvider, 0));
    if (!state) return;
    done_ = true;
    state->AfterAnimation(TxAnimEvent::aeHiding);
}

void StartHideAnimation(std::unique_ptr<TForm> cover, std::unique_ptr<TBitmap> picture, int time,
                        platform::HWND target, TxAnimType mode, std::uint8_t startAlpha) {
    const int steps = AnimationSteps(time);
    if (hideTimer) hideTimer->Drop();
    if (steps == 0 || !cover || !picture) return;
    HideTimer().Start(std::move(cover), std::move(picture), steps, target, mode, startAlpha);
}
