#pragma once
// Region objects: rectangles, rounded rectangles, ellipses and polygons,
// combined, moved and tested; and region data from bitmap rows.

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Region.h"

namespace platform {

class RegionObject : public GdiObject {
public:
    explicit RegionObject(Region region) : region(std::move(region)) {}
    DWORD ObjectType() const override { return OBJ_REGION; }
    SelectionSlot Slot() const override { return SelectionSlot::Region; }
    Region region;
};

constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;

HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* rect);
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int widthEllipse, int heightEllipse);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
HRGN CreateEllipticRgnIndirect(const RECT* rect);
HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode);
HRGN CreatePolyPolygonRgn(const POINT* points, const INT* counts, int polygons, int fillMode);
// Takes into destination the combination of the two sources (second unused
// for RGN_COPY); answers the result's complexity or ERROR.
int CombineRgn(HRGN destination, HRGN first, HRGN second, int mode);
int OffsetRgn(HRGN region, int dx, int dy);
BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom);
BOOL PtInRegion(HRGN region, int x, int y);
BOOL RectInRegion(HRGN region, const RECT* rect);
BOOL EqualRgn(HRGN first, HRGN second);
int GetRgnBox(HRGN region, RECT* box);

// Region data as the system lays it out: a header and the rectangles.
constexpr DWORD RDH_RECTANGLES = 1;
struct RGNDATAHEADER {
    DWORD dwSize = sizeof(RGNDATAHEADER);
    DWORD iType = RDH_RECTANGLES;
    DWORD nCount = 0;
    DWORD nRgnSize = 0;
    RECT rcBound;
};
struct RGNDATA {
    RGNDATAHEADER rdh;
    char Buffer[1];
};
DWORD GetRegionData(HRGN region, DWORD size, RGNDATA* data);
HRGN ExtCreateRegion(const void* transform, DWORD size, const RGNDATA* data);

// The pixels of a bitmap whose colour is not the key colour (or, with
// `matching`, is it): runs of a row become rectangles and rows with the same
// runs merge, as window shapes are cut from skin pictures.
HRGN CreateRegionFromBitmap(HBITMAP bitmap, COLORREF key, bool matching);

}  // namespace platform
