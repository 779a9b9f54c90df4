#pragma once
// Block transfers between device contexts with raster operations, stretched
// with the DC's stretch mode, and from DIB rows in memory.

#include "platform/RasterOps.h"

namespace platform {

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
