#include "skin/core/animation/SkinChangeFade.h"

#include "skin/core/animation/CoverWindows.h"
#include "skin/core/animation/FormAnimations.h"
#include "skin/core/broadcast/FormSkinState.h"
#include "skin/core/ctrlutils/ControlUtilities.h"
#include "skin/core/layered/LayeredBinding.h"
#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/pixels/AlphaRects.h"
#include "skin/core/pixels/BitmapCopies.h"

#include "ui/core/ScopeGuards.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"

#include "platform/gdi/Blits.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/Painting.h"
#include "platform/window/Placement.h"
#include "platform/window/WindowPrinting.h"
#include "platform/window/WindowStyles.h"
#include "platform/window/WindowTree.h"

#include <algorithm>

namespace {

constexpr int kFullWeight = 255;
constexpr platform::UINT kRevealRedraw = platform::RDW_INVALIDATE | platform::RDW_ERASE | platform::RDW_ALLCHILDREN |
                                         platform::RDW_UPDATENOW | platform::RDW_FRAME;

std::unique_ptr<TForm> outputWindow;
std::unique_ptr<TBitmap> oldLook;

TRect WindowBounds(platform::HWND window) {
    platform::RECT r{};
    platform::GetWindowRect(window, &r);
    return TRect(r);
}

// The form's whole window as it paints itself now.
std::unique_ptr<TBitmap> PrintedLook(TCustomForm& form) {
    const TRect bounds = WindowBounds(form.Handle());
    auto picture = NewBitmap32(bounds.Width(), bounds.Height());
    platform::PrintWindow(form.Handle(), picture->Canvas()->Handle(), 0);
    SetAlphaChannel(*picture, TRect(0, 0, picture->Width(), picture->Height()), 255, false);
    return picture;
}

std::unique_ptr<TBitmap> NewLookOf(TCustomForm& form) {
    TSkFormSkinState* state = FormSkinStateOf(&form);
    std::unique_ptr<TBitmap> picture = state ? state->MakeFormBitmap() : nullptr;
    return picture ? std::move(picture) : PrintedLook(form);
}

void PaintInto(platform::HWND window, TBitmap& picture) {
    platform::HDC dc = platform::GetDC(window);
    platform::BitBlt(dc, 0, 0, picture.Width(), picture.Height(), picture.Canvas()->Handle(), 0, 0, platform::SRCCOPY);
    platform::ReleaseDC(window, dc);
}

void RevealForm(TCustomForm& form) {
    if (!form.Visible()) return;
    platform::SendMessage(form.Handle(), platform::WM_SETREDRAW, 1, 0);
    platform::RedrawWindow(form.Handle(), nullptr, nullptr, kRevealRedraw);
}

void FadeOnCover(TCustomForm& form, TBitmap& picture, int steps, std::uint8_t target, TxAnimType mode) {
    const platform::HWND window = form.Handle();
    const bool topmost = (platform::GetWindowLong(window, platform::GWL_EXSTYLE) & platform::WS_EX_TOPMOST) != 0;
    const TRect frame = WindowBounds(window);
    const TRect bounds(frame.Left, frame.Top, frame.Left + picture.Width(), frame.Top + picture.Height());
    std::unique_ptr<TForm> cover = MakeCoverForm(bounds, topmost, window);
    ShowLayeredPicture(cover->Handle(), picture, 0);
    platform::ShowWindow(cover->Handle(), platform::SW_SHOWNOACTIVATE);
    RunShowPasses(cover->Handle(), picture, steps, target, mode);
    platform::SetWindowPos(window, cover->Handle(), 0, 0, 0, 0,
                           platform::SWP_NOMOVE | platform::SWP_NOSIZE | platform::SWP_NOACTIVATE);
    RevealForm(form);
}

void CrossFadeInOutputWindow(TCustomForm& form, int steps) {
    if (!outputWindow) PrepareOutputWindow(form);
    if (!outputWindow) return;
    std::unique_ptr<TBitmap> fresh = NewLookOf(form);
    const platform::HWND output = outputWindow->Handle();
    if (steps > 0 && oldLook) {
        const int d = kFullWeight / steps;
        auto mixed = NewBitmap32(fresh->Width(), fresh->Height());
        // Looks of different sizes cannot be mixed: the new one is painted plainly.
        for (int c = kFullWeight, pass = 0; pass < steps && MixLooks(*mixed, *fresh, *oldLook, c); ++pass, c -= d) {
            PaintInto(output, *mixed);
            AnimationPause(kAnimationStepMs);
        }
    }
    PaintInto(output, *fresh);
}

}  // namespace

bool MixLooks(TBitmap& result, TBitmap& newLook, TBitmap& oldLook, int c) {
    const int w = newLook.Width(), h = newLook.Height();
    if (!IsBitmap32(&newLook) || !IsBitmap32(&oldLook) || !IsBitmap32(&result) || oldLook.Width() != w ||
        oldLook.Height() != h || result.Width() != w || result.Height() != h)
        return false;
    const int weight = std::max(0, c);
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* n = PixelRow(newLook, y);
        const std::uint32_t* o = PixelRow(oldLook, y);
        std::uint32_t* r = PixelRow(result, y);
        for (int x = 0; x < w; ++x) {
            std::uint32_t pixel = n[x] & 0xFF000000u;
            for (int shift : {0, 8, 16}) {
                const int nb = static_cast<int>(ChannelOf(n[x], shift)), ob = static_cast<int>(ChannelOf(o[x], shift));
                pixel |= static_cast<std::uint32_t>(nb + weight * (ob - nb) / 256) << shift;
            }
            r[x] = pixel;
        }
    }
    return true;
}

void PrepareOutputWindow(TCustomForm& form) {
    if (!form.HandleAllocated()) return;
    const platform::HWND window = form.Handle();
    if (!oldLook) oldLook = PrintedLook(form);
    if (!outputWindow) {
        outputWindow = std::make_unique<TForm>(nullptr);
        outputWindow->SetTag(kUnskinnedTag);
        outputWindow->SetBorderStyle(TFormBorderStyle::bsNone);
        outputWindow->SetCaption("skOutputWindow");
    }
    const TRect bounds = WindowBounds(window);
    platform::SetWindowPos(outputWindow->Handle(), WindowBefore(window), bounds.Left, bounds.Top, bounds.Width(),
                           bounds.Height(), platform::SWP_NOACTIVATE);
    platform::ShowWindow(outputWindow->Handle(), platform::SW_SHOWNOACTIVATE);
    PaintInto(outputWindow->Handle(), *oldLook);
}

TForm* OutputWindow() { return outputWindow.get(); }
TBitmap* OldLookBitmap() { return oldLook.get(); }

void AnimateSkinChange(TCustomForm& form, int time, std::uint8_t target, TxAnimType mode) {
    if (!form.HandleAllocated()) return;
    AnimationRunning = true;
    ScopeExit done([] {
        AnimationRunning = false;
        outputWindow.reset();
        oldLook.reset();
    });
    const int steps = AnimationSteps(time);
    if (LayeredWindowsAvailable()) {
        std::unique_ptr<TBitmap> picture = NewLookOf(form);
        FadeOnCover(form, *picture, steps, target, mode);
        return;
    }
    CrossFadeInOutputWindow(form, steps);
    AnimationRunning = false;
    RevealForm(form);
}
