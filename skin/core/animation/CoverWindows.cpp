#include "skin/core/animation/CoverWindows.h"

#include "skin/core/layered/LayeredBinding.h"
#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/pixels/AlphaRects.h"
#include "skin/core/pixels/BitmapCopies.h"

#include "ui/forms/Application.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"

#include "platform/gdi/Blits.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/system/Clock.h"
#include "platform/window/Painting.h"
#include "platform/window/Placement.h"
#include "platform/window/WindowStyles.h"
#include "platform/window/WindowTree.h"

namespace {

// No colour key: every pixel shows with its alpha.
constexpr platform::COLORREF kNoKey = 0x1FFFFFFF;
constexpr platform::DWORD kCoverExStyle =
    platform::WS_EX_TOOLWINDOW | platform::WS_EX_NOACTIVATE | platform::WS_EX_LAYERED;

TAnimationPause pauseFunction;

}  // namespace

std::unique_ptr<TForm> MakeCoverForm(const TRect& bounds, bool topmost, platform::HWND above) {
    auto cover = std::make_unique<TForm>(nullptr);
    cover->SetTag(kUnskinnedTag);
    cover->SetBorderStyle(TFormBorderStyle::bsNone);
    cover->SetBoundsRect(bounds);
    const platform::HWND window = cover->Handle();
    platform::SetWindowLong(window, platform::GWL_EXSTYLE,
                            platform::GetWindowLong(window, platform::GWL_EXSTYLE) | static_cast<platform::LONG>(kCoverExStyle) |
                                (topmost ? static_cast<platform::LONG>(platform::WS_EX_TOPMOST) : 0));
    const platform::HWND after = topmost ? platform::HWND_TOPMOST : (above ? WindowBefore(above) : platform::HWND_TOP);
    platform::SetWindowPos(window, after, bounds.Left, bounds.Top, bounds.Width(),
                           bounds.Height(), platform::SWP_NOACTIVATE | platform::SWP_NOOWNERZORDER);
    return cover;
}

bool ShowLayeredPicture(platform::HWND window, TBitmap& picture, std::uint8_t alpha) {
    const TSkLayeredEntryPoints& bound = LayeredEntryPoints();
    if (!bound.UpdateLayeredWindow) return false;
    platform::HDC screen = platform::GetDC(nullptr);
    platform::SIZE size{picture.Width(), picture.Height()};
    platform::POINT source{0, 0};
    platform::BLENDFUNCTION blend{platform::AC_SRC_OVER, 0, alpha, platform::AC_SRC_ALPHA};
    const bool shown = bound.UpdateLayeredWindow(window, screen, nullptr, &size, picture.Canvas()->Handle(), &source,
                                                 kNoKey, &blend, platform::ULW_ALPHA) != 0;
    platform::ReleaseDC(nullptr, screen);
    return shown;
}

std::unique_ptr<TBitmap> NewBlackBitmap32(int width, int height) {
    auto bitmap = NewBitmap32(width, height);
    for (int y = 0; y < bitmap->Height(); ++y) FillDWords(PixelRow(*bitmap, y), bitmap->Width(), 0);
    return bitmap;
}

void StretchPicture(TBitmap& work, TBitmap& picture, const TRect& into) {
    platform::HDC dc = work.Canvas()->Handle();
    const int oldMode = platform::SetStretchBltMode(dc, platform::COLORONCOLOR);
    platform::StretchBlt(dc, into.Left, into.Top, into.Width(), into.Height(), picture.Canvas()->Handle(), 0, 0,
                         picture.Width(), picture.Height(), platform::SRCCOPY);
    platform::SetStretchBltMode(dc, oldMode);
    // Stretching carries the colours only.
    SetAlphaChannel(work, into, 255, false);
}

void CopyPicture(TBitmap& work, TBitmap& picture) {
    platform::BitBlt(work.Canvas()->Handle(), 0, 0, picture.Width(), picture.Height(), picture.Canvas()->Handle(), 0,
                     0, platform::SRCCOPY);
}

void AnimationPause(unsigned milliseconds) {
    if (pauseFunction)
        pauseFunction(milliseconds);
    else
        platform::Sleep(milliseconds);
}

TAnimationPause SetAnimationPause(TAnimationPause pause) {
    TAnimationPause old = std::move(pauseFunction);
    pauseFunction = std::move(pause);
    return old;
}

platform::HWND WindowBefore(platform::HWND window) {
    platform::HWND before = platform::GetWindow(window, platform::GW_HWNDPREV);
    return before ? before : platform::HWND_TOP;
}
