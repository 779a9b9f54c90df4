#pragma once
// Bitmaps: device-independent sections with direct row access, bitmaps shaped
// like a device context's own (the screen's is 32 bits), and masks.

#include "platform/gdi/BitmapSurface.h"
#include "platform/gdi/GdiObjects.h"

namespace platform {

class BitmapObject : public GdiObject {
public:
    BitmapObject(std::shared_ptr<BitmapSurface> surface, bool isDibSection)
        : surface_(std::move(surface)), isDibSection_(isDibSection) {}
    DWORD ObjectType() const override { return OBJ_BITMAP; }
    SelectionSlot Slot() const override { return SelectionSlot::Bitmap; }
    int Describe(int size, void* buffer) const override;

    const std::shared_ptr<BitmapSurface>& Surface() const { return surface_; }
    bool IsDibSection() const { return isDibSection_; }

    // A bitmap is selected into one memory device context at a time.
    const DeviceContext* SelectedInto() const { return selectedInto_; }
    void SetSelectedInto(const DeviceContext* dc) { selectedInto_ = dc; }

private:
    std::shared_ptr<BitmapSurface> surface_;
    bool isDibSection_;
    const DeviceContext* selectedInto_ = nullptr;
};

constexpr DWORD CBM_INIT = 4;

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitCount, const void* bits);
HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height);
HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD offset);
HBITMAP CreateDIBitmap(HDC hdc, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                       const BITMAPINFO* info, UINT usage);
// Copies rows out of (or into) a bitmap in the layout the info describes;
// answers the rows copied. With bits null, GetDIBits fills in the header.
int GetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT usage);
int SetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, const void* bits, const BITMAPINFO* info,
              UINT usage);
UINT GetDIBColorTable(HDC hdc, UINT start, UINT count, RGBQUAD* colors);
UINT SetDIBColorTable(HDC hdc, UINT start, UINT count, const RGBQUAD* colors);

// Whether rows in this layout can be read: a sane header, and for bit-field
// layouts the 5-5-5, 5-6-5 and 8-8-8 masks only.
bool SupportedDibLayout(const BITMAPINFO& info);
bool IsFiveSixFive(const BITMAPINFO& info);

// The colour table that follows a header, as many entries as it declares.
std::vector<RGBQUAD> ColorTableOf(const BITMAPINFO& info);

}  // namespace platform
