#pragma once
// Block transfers between device contexts with raster operations, stretched
// with the DC's stretch mode, and from DIB rows in memory.

#include "platform/gdi/GdiTypes.h"

namespace platform {

constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;
constexpr DWORD SRCAND = 0x008800C6;
constexpr DWORD SRCINVERT = 0x00660046;
constexpr DWORD SRCERASE = 0x00440328;
constexpr DWORD NOTSRCCOPY = 0x00330008;
constexpr DWORD NOTSRCERASE = 0x001100A6;
constexpr DWORD MERGECOPY = 0x00C000CA;
constexpr DWORD MERGEPAINT = 0x00BB0226;
constexpr DWORD PATCOPY = 0x00F00021;
constexpr DWORD PATPAINT = 0x00FB0A09;
constexpr DWORD PATINVERT = 0x005A0049;
constexpr DWORD DSTINVERT = 0x00550009;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;
constexpr DWORD NOMIRRORBITMAP = 0x80000000;
constexpr DWORD CAPTUREBLT = 0x40000000;


// Sizes must not be negative; a zero size does nothing.
BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int xSource, int ySource, DWORD rop);
// A negative width or height mirrors; any zero size fails.
BOOL StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int xSource, int ySource,
                int sourceWidth, int sourceHeight, DWORD rop);
// Negative sizes paint towards the left or top.
BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop);
// ySource counts from the bottom row in a bottom-up DIB, from the top in a
// top-down one; answers the rows drawn, 0 on failure.
int StretchDIBits(HDC hdc, int x, int y, int width, int height, int xSource, int ySource, int sourceWidth,
                  int sourceHeight, const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop);
int SetDIBitsToDevice(HDC hdc, int x, int y, DWORD width, DWORD height, int xSource, int ySource, UINT startScan,
                      UINT lines, const void* bits, const BITMAPINFO* info, UINT usage);

}  // namespace platform
