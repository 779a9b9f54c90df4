#pragma once
// Device contexts: memory DCs, selecting objects, SaveDC/RestoreDC and the
// attributes drawing and text read (colours, modes, alignment).

#include "platform/gdi/GdiObjects.h"

namespace platform {

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

constexpr int R2_BLACK = 1;
constexpr int R2_NOTMERGEPEN = 2;
constexpr int R2_MASKNOTPEN = 3;
constexpr int R2_NOTCOPYPEN = 4;
constexpr int R2_MASKPENNOT = 5;
constexpr int R2_NOT = 6;
constexpr int R2_XORPEN = 7;
constexpr int R2_NOTMASKPEN = 8;
constexpr int R2_MASKPEN = 9;
constexpr int R2_NOTXORPEN = 10;
constexpr int R2_NOP = 11;
constexpr int R2_MERGENOTPEN = 12;
constexpr int R2_COPYPEN = 13;
constexpr int R2_MERGEPENNOT = 14;
constexpr int R2_MERGEPEN = 15;
constexpr int R2_WHITE = 16;

constexpr int BLACKONWHITE = 1;
constexpr int WHITEONBLACK = 2;
constexpr int COLORONCOLOR = 3;
constexpr int HALFTONE = 4;
constexpr int STRETCH_ANDSCANS = BLACKONWHITE;
constexpr int STRETCH_ORSCANS = WHITEONBLACK;
constexpr int STRETCH_DELETESCANS = COLORONCOLOR;
constexpr int STRETCH_HALFTONE = HALFTONE;

constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;

constexpr int AD_COUNTERCLOCKWISE = 1;
constexpr int AD_CLOCKWISE = 2;


HDC CreateCompatibleDC(HDC hdc);
// Frees any DC, whoever made it; the objects selected into it stay alive as
// long as their handles do.
BOOL DeleteDC(HDC hdc);

// Answers the handle previously in the object's slot; for a region, the clip
// complexity; null (or HGDI_ERROR for regions) on failure.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);
inline HGDIOBJ const HGDI_ERROR = reinterpret_cast<HGDIOBJ>(static_cast<std::intptr_t>(-1));
HGDIOBJ GetCurrentObject(HDC hdc, UINT type);

// Answers the new save level; RestoreDC takes a level or -n for n back.
int SaveDC(HDC hdc);
BOOL RestoreDC(HDC hdc, int level);

COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF GetTextColor(HDC hdc);
COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF GetBkColor(HDC hdc);
int SetBkMode(HDC hdc, int mode);
int GetBkMode(HDC hdc);
int SetROP2(HDC hdc, int mode);
int GetROP2(HDC hdc);
int SetStretchBltMode(HDC hdc, int mode);
int GetStretchBltMode(HDC hdc);
int SetPolyFillMode(HDC hdc, int mode);
int GetPolyFillMode(HDC hdc);
int SetArcDirection(HDC hdc, int direction);
int GetArcDirection(HDC hdc);
BOOL SetBrushOrgEx(HDC hdc, int x, int y, POINT* previous);
BOOL GetBrushOrgEx(HDC hdc, POINT* origin);
BOOL GetCurrentPositionEx(HDC hdc, POINT* position);

constexpr UINT TA_NOUPDATECP = 0;
constexpr UINT TA_UPDATECP = 1;
constexpr UINT TA_LEFT = 0;
constexpr UINT TA_RIGHT = 2;
constexpr UINT TA_CENTER = 6;
constexpr UINT TA_TOP = 0;
constexpr UINT TA_BOTTOM = 8;
constexpr UINT TA_BASELINE = 24;
constexpr UINT TA_RTLREADING = 256;
constexpr UINT GDI_ERROR = 0xFFFFFFFF;
UINT SetTextAlign(HDC hdc, UINT align);
UINT GetTextAlign(HDC hdc);
int SetTextCharacterExtra(HDC hdc, int extra);
int GetTextCharacterExtra(HDC hdc);

constexpr int HORZSIZE = 4;
constexpr int VERTSIZE = 6;
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int NUMCOLORS = 24;
constexpr int RASTERCAPS = 38;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int SIZEPALETTE = 104;
constexpr int PHYSICALWIDTH = 110;
constexpr int PHYSICALHEIGHT = 111;
constexpr int PHYSICALOFFSETX = 112;
constexpr int PHYSICALOFFSETY = 113;
constexpr int SHADEBLENDCAPS = 120;
constexpr int RC_BITBLT = 1;
constexpr int RC_STRETCHBLT = 0x0800;
constexpr int RC_STRETCHDIB = 0x2000;
constexpr int RC_DI_BITMAP = 0x0080;
constexpr int RC_DIBTODEV = 0x0200;
constexpr int SB_CONST_ALPHA = 1;
constexpr int SB_PIXEL_ALPHA = 2;
// Sizes and resolution of the surface (the screen's 96 dpi unless set).
int GetDeviceCaps(HDC hdc, int index);

}  // namespace platform
