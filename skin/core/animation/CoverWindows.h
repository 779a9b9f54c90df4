#pragma once
// The layered windows the animations show pictures on: a borderless cover
// form that the window-creation hook leaves alone, a picture shown on it
// with one constant alpha, and the pause between two animation steps.

#include "ui/core/Types.h"

#include "platform/window/WindowMessages.h"

#include <cstdint>
#include <functional>
#include <memory>

class TBitmap;
class TForm;

// Animations step every 12 ms; Time div 12 steps, none below 12 ms.
constexpr int kAnimationStepMs = 12;
constexpr int AnimationSteps(int time) { return time / kAnimationStepMs; }
// Tag of the library's own windows, never skinned.
constexpr std::intptr_t kUnskinnedTag = -98;

// A borderless, non-activating layered tool window at `bounds`, not shown
// yet: topmost, or just above the window that comes before `above`.
std::unique_ptr<TForm> MakeCoverForm(const TRect& bounds, bool topmost, platform::HWND above);
// The picture with its alpha scaled by `alpha` on a layered window; false
// without layered windows.
bool ShowLayeredPicture(platform::HWND window, TBitmap& picture, std::uint8_t alpha);
// A 32-bit bitmap of black pixels with alpha 0.
std::unique_ptr<TBitmap> NewBlackBitmap32(int width, int height);
// Picture stretched into a rectangle of the work bitmap, pixels chosen not
// mixed; the animations' pictures are opaque, and so is the rectangle.
void StretchPicture(TBitmap& work, TBitmap& picture, const TRect& into);
void CopyPicture(TBitmap& work, TBitmap& picture);

// The wait between two steps; tests put the window system's virtual clock
// in its place and look at the cover between steps.
using TAnimationPause = std::function<void(unsigned milliseconds)>;
void AnimationPause(unsigned milliseconds);
// Gives back the pause it replaced; an empty one is the system's sleep.
TAnimationPause SetAnimationPause(TAnimationPause pause);

// Windows that show the form's picture while it animates belong to the
// form's top-level ancestor's place in the Z order.
platform::HWND WindowBefore(platform::HWND window);
