#pragma once
// Logical to device coordinates: window and viewport origins and extents
// under the mapping modes (anisotropic scaling serves printing).

#include "platform/gdi/GdiTypes.h"

namespace platform {

constexpr int MM_TEXT = 1;
constexpr int MM_LOMETRIC = 2;
constexpr int MM_HIMETRIC = 3;
constexpr int MM_LOENGLISH = 4;
constexpr int MM_HIENGLISH = 5;
constexpr int MM_TWIPS = 6;
constexpr int MM_ISOTROPIC = 7;
constexpr int MM_ANISOTROPIC = 8;

struct Mapping {
    int mode = MM_TEXT;
    POINT windowOrg;
    SIZE windowExt{1, 1};
    POINT viewportOrg;
    SIZE viewportExt{1, 1};

    POINT ToDevice(POINT logical) const;
    POINT ToLogical(POINT device) const;
    // A length along x or y, for pen widths and radii (never negative).
    LONG WidthToDevice(LONG logical) const;
    LONG HeightToDevice(LONG logical) const;
    // Isotropic mode keeps one scale on both axes by shrinking the larger
    // viewport extent.
    void AdjustIsotropic();
};

// Rounded number*numerator/denominator as the system computes it: -1 when the
// denominator is 0 or the result does not fit.
int MulDiv(int number, int numerator, int denominator);

int SetMapMode(HDC hdc, int mode);
int GetMapMode(HDC hdc);
BOOL SetWindowOrgEx(HDC hdc, int x, int y, POINT* previous);
BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* previous);
BOOL OffsetWindowOrgEx(HDC hdc, int dx, int dy, POINT* previous);
BOOL OffsetViewportOrgEx(HDC hdc, int dx, int dy, POINT* previous);
BOOL SetWindowExtEx(HDC hdc, int x, int y, SIZE* previous);
BOOL SetViewportExtEx(HDC hdc, int x, int y, SIZE* previous);
BOOL GetWindowOrgEx(HDC hdc, POINT* origin);
BOOL GetViewportOrgEx(HDC hdc, POINT* origin);
BOOL GetWindowExtEx(HDC hdc, SIZE* extent);
BOOL GetViewportExtEx(HDC hdc, SIZE* extent);
BOOL LPtoDP(HDC hdc, POINT* points, int count);
BOOL DPtoLP(HDC hdc, POINT* points, int count);

}  // namespace platform
