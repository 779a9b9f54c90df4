#pragma once
// Layered windows: a top-level window whose picture is given as 32-bit
// premultiplied pixels (UpdateLayeredWindow) or its painted pixels with a
// constant opacity and a colour key (SetLayeredWindowAttributes).

#include <memory>

#include "platform/gdi/BitmapSurface.h"
#include "platform/window/WindowMessages.h"

namespace platform {

struct BLENDFUNCTION {
    BYTE BlendOp = 0;
    BYTE BlendFlags = 0;
    BYTE SourceConstantAlpha = 255;
    BYTE AlphaFormat = 0;
};
constexpr BYTE AC_SRC_OVER = 0x00;
constexpr BYTE AC_SRC_ALPHA = 0x01;

constexpr DWORD ULW_COLORKEY = 0x01;
constexpr DWORD ULW_ALPHA = 0x02;
constexpr DWORD ULW_OPAQUE = 0x04;
constexpr DWORD LWA_COLORKEY = 0x01;
constexpr DWORD LWA_ALPHA = 0x02;

// Fails unless the window has WS_EX_LAYERED. A new position or size moves the
// window first; the source DC's pixels at source become the picture.
BOOL UpdateLayeredWindow(HWND window, HDC screenDc, const POINT* position, const SIZE* size, HDC sourceDc,
                         const POINT* source, COLORREF key, const BLENDFUNCTION* blend, DWORD flags);
BOOL SetLayeredWindowAttributes(HWND window, COLORREF key, BYTE alpha, DWORD flags);
BOOL GetLayeredWindowAttributes(HWND window, COLORREF* key, BYTE* alpha, DWORD* flags);

// Inside the window system.
struct LayeredState {
    std::shared_ptr<BitmapSurface> picture;  // premultiplied; null: the painted pixels show
    BYTE alpha = 255;
    COLORREF key = 0;
    DWORD attributeFlags = 0;
};

// Sets the extended style, taking a layered window's state along.
void SetExtendedStyle(HWND window, DWORD exStyle);

// What the display shows of a top-level window: its picture (or its painted
// pixels) with the opacity and colour key applied, premultiplied.
std::shared_ptr<BitmapSurface> ComposedPicture(HWND topLevel);

}  // namespace platform
