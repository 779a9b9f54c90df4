#pragma once
// Painting: update regions and the paint messages they bring, and the device
// contexts that draw into a window's part of its top-level window's pixels.

#include "platform/gdi/GdiTypes.h"
#include "platform/window/WindowMessages.h"

namespace platform {

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    BOOL fErase = FALSE;
    RECT rcPaint;
    BOOL fRestore = FALSE;
    BOOL fIncUpdate = FALSE;
    BYTE rgbReserved[32] = {};
};

constexpr UINT RDW_INVALIDATE = 0x0001;
constexpr UINT RDW_INTERNALPAINT = 0x0002;
constexpr UINT RDW_ERASE = 0x0004;
constexpr UINT RDW_VALIDATE = 0x0008;
constexpr UINT RDW_NOINTERNALPAINT = 0x0010;
constexpr UINT RDW_NOERASE = 0x0020;
constexpr UINT RDW_NOCHILDREN = 0x0040;
constexpr UINT RDW_ALLCHILDREN = 0x0080;
constexpr UINT RDW_UPDATENOW = 0x0100;
constexpr UINT RDW_ERASENOW = 0x0200;
constexpr UINT RDW_FRAME = 0x0400;
constexpr UINT RDW_NOFRAME = 0x0800;

constexpr DWORD DCX_WINDOW = 0x00000001;
constexpr DWORD DCX_CACHE = 0x00000002;
constexpr DWORD DCX_NORESETATTRS = 0x00000004;
constexpr DWORD DCX_CLIPCHILDREN = 0x00000008;
constexpr DWORD DCX_CLIPSIBLINGS = 0x00000010;
constexpr DWORD DCX_PARENTCLIP = 0x00000020;
constexpr DWORD DCX_EXCLUDERGN = 0x00000040;
constexpr DWORD DCX_INTERSECTRGN = 0x00000080;
constexpr DWORD DCX_LOCKWINDOWUPDATE = 0x00000400;
constexpr DWORD DCX_VALIDATE = 0x00200000;

// Rectangles and regions are in client coordinates. A window without
// WS_CLIPCHILDREN passes invalidation on to the children it covers.
// Invisible windows (hidden, or with redrawing off) take none.
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
BOOL InvalidateRgn(HWND window, HRGN region, BOOL erase);
BOOL ValidateRect(HWND window, const RECT* rect);
BOOL ValidateRgn(HWND window, HRGN region);
BOOL RedrawWindow(HWND window, const RECT* rect, HRGN region, UINT flags);
// Sends WM_PAINT now when the window has anything to paint.
BOOL UpdateWindow(HWND window);
BOOL GetUpdateRect(HWND window, RECT* rect, BOOL erase);
int GetUpdateRgn(HWND window, HRGN region, BOOL erase);

// Sends WM_NCPAINT when the frame is owed and WM_ERASEBKGND when erasing is;
// the DC is clipped to the update region, which becomes empty.
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
// Client area (GetDC), whole window (GetWindowDC), or as the DCX_ flags say;
// GetDC(0) draws on a screen-sized surface that nothing shows.
HDC GetDC(HWND window);
HDC GetWindowDC(HWND window);
HDC GetDCEx(HWND window, HRGN region, DWORD flags);
int ReleaseDC(HWND window, HDC hdc);
HWND WindowFromDC(HDC hdc);

constexpr UINT SW_SCROLLCHILDREN = 0x0001;
constexpr UINT SW_INVALIDATE = 0x0002;
constexpr UINT SW_ERASE = 0x0004;
// Moves the client's pixels inside scroll (the client when null), kept
// inside clip, by (dx, dy); the part left uncovered goes into update (client
// coordinates) and, with SW_INVALIDATE, into the update region. The pending
// update region moves along; SW_SCROLLCHILDREN moves the children too.
int ScrollWindowEx(HWND window, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN updateRegion,
                   RECT* update, UINT flags);
BOOL ScrollWindow(HWND window, int dx, int dy, const RECT* scroll, const RECT* clip);

}  // namespace platform
