#pragma once
// What a device context holds, for the areas that draw through one (lines and
// shapes, blits, text, the window system's painting): the target pixels and
// where the device origin sits in them, the clip, mapping, selected objects
// and colours. Coordinates come in three kinds: logical (what calls pass),
// device (after mapping) and surface (device plus the origin of the DC in
// its pixels, e.g. a window's client area inside its frame).

#include "platform/gdi/BitmapSurface.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/Region.h"

#include <optional>
#include <vector>

namespace platform {

// One selected object: the handle the caller knows and the object kept alive
// while it is selected, even when its handle is deleted meanwhile.
struct Selection {
    HGDIOBJ handle = nullptr;
    std::shared_ptr<GdiObject> object;
};

// Everything SaveDC saves.
struct DeviceContextAttributes {
    Selection pen;
    Selection brush;
    Selection font;
    Selection bitmap;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int stretchMode = BLACKONWHITE;
    int polyFillMode = ALTERNATE;
    int arcDirection = AD_COUNTERCLOCKWISE;
    UINT textAlign = 0;
    int textCharacterExtra = 0;
    COLORREF dcBrushColor = RGB(255, 255, 255);
    COLORREF dcPenColor = RGB(0, 0, 0);
    POINT brushOrigin;
    POINT currentPosition;  // logical
    Mapping mapping;
    std::optional<Region> clip;  // device coordinates; none = no clip of the caller's
};

struct PathState;  // detail/PathState.h

class DeviceContext : public GdiObject {
public:
    // A memory DC (with its default 1x1 monochrome bitmap selected) or a DC
    // over a surface someone else owns.
    explicit DeviceContext(bool isMemory);
    ~DeviceContext() override;

    DWORD ObjectType() const override { return isMemory_ ? OBJ_MEMDC : OBJ_DC; }
    bool IsMemory() const { return isMemory_; }

    DeviceContextAttributes state;
    std::vector<DeviceContextAttributes> saved;  // SaveDC's stack

    // The pixels drawn into: a memory DC's selected bitmap, or the surface
    // given to CreateSurfaceDC.
    const std::shared_ptr<BitmapSurface>& Surface() const { return surface_; }
    void SetSurface(std::shared_ptr<BitmapSurface> surface) { surface_ = std::move(surface); }

    // Device point (0,0) inside the surface.
    POINT origin;
    // Pixels per inch: the screen's 96, a printer's its own.
    int dpi = 96;
    // A printer's sheet in device pixels: the whole paper and where the
    // printable area (device (0,0)) lies on it. Known even while no page
    // raster exists, so an information context answers the same sizes.
    struct PrinterPage {
        SIZE printable;
        SIZE physical;
        POINT offset;
    };
    std::optional<PrinterPage> printerPage;
    // Where the owner of the surface lets this DC draw (a window's visible
    // part), device coordinates; none = the whole surface.
    std::optional<Region> visibleRegion;

    // The pixels a drawing call may touch, in surface coordinates: the
    // surface, the visible region and the caller's clip.
    Region SurfaceClip() const;
    // The same in device coordinates (GetClipBox and the clip calls).
    Region DeviceClip() const;

    POINT ToSurface(POINT logical) const;

    // The path being recorded between BeginPath and EndPath, or the one
    // closed and waiting to be used; null when there is none.
    std::shared_ptr<PathState> path;

    // Selection helpers for the object areas.
    HGDIOBJ Select(Selection& slot, HGDIOBJ handle, std::shared_ptr<GdiObject> object);

private:
    bool isMemory_;
    std::shared_ptr<BitmapSurface> surface_;
};

// The DC of a handle, or null for one that names none.
std::shared_ptr<DeviceContext> LookupDC(HDC hdc);
// As LookupDC, for the calls that take a DC: a bad handle also sets
// ERROR_INVALID_HANDLE as the last error.
std::shared_ptr<DeviceContext> DcOrFail(HDC hdc);

// Registers a DC made (or derived) elsewhere, e.g. the window system's.
HDC RegisterDC(std::shared_ptr<DeviceContext> dc);

// A DC over 32-bit pixels that someone else owns (a window's surface): device
// (0,0) sits at origin inside the surface, and drawing stays inside visible
// (device coordinates) when given. DeleteDC frees it.
HDC CreateSurfaceDC(std::shared_ptr<BitmapSurface> surface, POINT origin, const Region* visible);

}  // namespace platform
