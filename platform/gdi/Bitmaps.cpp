#include "platform/gdi/Bitmaps.h"

#include "platform/gdi/detail/DeviceContextState.h"
#include "platform/system/LastError.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

HBITMAP Register(std::shared_ptr<BitmapSurface> surface, bool isDibSection) {
    if (!surface) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return static_cast<HBITMAP>(RegisterGdiObject(std::make_shared<BitmapObject>(std::move(surface), isDibSection)));
}

}  // namespace

bool SupportedDibLayout(const BITMAPINFO& info) {
    const BITMAPINFOHEADER& header = info.bmiHeader;
    if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biWidth <= 0 || header.biHeight == 0 ||
        header.biHeight == INT32_MIN || header.biPlanes != 1)
        return false;
    if (header.biCompression == BI_RGB) return true;
    // Bit fields are read in the layouts the system draws (5-5-5, 5-6-5 and
    // 8-8-8); other masks are refused rather than shown in wrong colours.
    if (header.biCompression != BI_BITFIELDS || (header.biBitCount != 16 && header.biBitCount != 32)) return false;
    const auto* masks = reinterpret_cast<const DWORD*>(reinterpret_cast<const BYTE*>(&info) + header.biSize);
    if (header.biBitCount == 32) return masks[0] == 0xFF0000 && masks[1] == 0x00FF00 && masks[2] == 0x0000FF;
    return (masks[0] == 0x7C00 && masks[1] == 0x03E0 && masks[2] == 0x001F) ||
           (masks[0] == 0xF800 && masks[1] == 0x07E0 && masks[2] == 0x001F);
}

bool IsFiveSixFive(const BITMAPINFO& info) {
    const BITMAPINFOHEADER& header = info.bmiHeader;
    if (header.biCompression != BI_BITFIELDS || header.biBitCount != 16) return false;
    const auto* masks = reinterpret_cast<const DWORD*>(reinterpret_cast<const BYTE*>(&info) + header.biSize);
    return masks[1] == 0x07E0;
}

namespace {

bool ValidHeader(const BITMAPINFO& info) { return SupportedDibLayout(info); }

LONG AbsHeight(const BITMAPINFOHEADER& header) { return header.biHeight < 0 ? -header.biHeight : header.biHeight; }

// Copies one row between layouts of the same depth, or converts through
// 32-bit pixel values when the depths differ.
void CopyRowConverted(const BitmapSurface& from, LONG fromY, BitmapSurface& to, LONG toY) {
    LONG width = std::min(from.Width(), to.Width());
    if (from.BitCount() == to.BitCount() && from.BitCount() > 8) {
        std::memcpy(to.Row(toY), from.Row(fromY), static_cast<std::size_t>(BitmapSurface::StrideFor(width, to.BitCount())));
        return;
    }
    for (LONG x = 0; x < width; ++x) to.Set(x, toY, from.Get(x, fromY));
}

// A surface laid over caller memory with the info's layout, for the DIB copy
// calls; rows are copied through it without owning them.
std::shared_ptr<BitmapSurface> ViewOfCallerRows(const BITMAPINFO& info) {
    const BITMAPINFOHEADER& header = info.bmiHeader;
    auto surface = BitmapSurface::Create(header.biWidth, AbsHeight(header), header.biBitCount, header.biHeight < 0,
                                         ColorTableOf(info));
    if (surface) surface->SetFiveSixFive(IsFiveSixFive(info));
    return surface;
}

}  // namespace

int BitmapObject::Describe(int size, void* buffer) const {
    const BitmapSurface& s = *surface_;
    BITMAP bm;
    bm.bmType = 0;
    bm.bmWidth = s.Width();
    bm.bmHeight = s.Height();
    bm.bmWidthBytes = s.Stride();
    bm.bmPlanes = 1;
    bm.bmBitsPixel = static_cast<WORD>(s.BitCount());
    bm.bmBits = isDibSection_ ? const_cast<BYTE*>(s.Bits()) : nullptr;
    if (isDibSection_ && size >= static_cast<int>(sizeof(DIBSECTION))) {
        if (!buffer) return sizeof(DIBSECTION);
        DIBSECTION ds;
        ds.dsBm = bm;
        ds.dsBmih.biWidth = s.Width();
        ds.dsBmih.biHeight = s.TopDown() ? -s.Height() : s.Height();
        ds.dsBmih.biBitCount = static_cast<WORD>(s.BitCount());
        ds.dsBmih.biSizeImage = static_cast<DWORD>(s.SizeBytes());
        ds.dsBmih.biClrUsed = static_cast<DWORD>(s.Colors().size());
        std::memcpy(buffer, &ds, sizeof ds);
        return sizeof(DIBSECTION);
    }
    if (!buffer) return sizeof(BITMAP);
    int bytes = std::min(size, static_cast<int>(sizeof(BITMAP)));
    std::memcpy(buffer, &bm, static_cast<std::size_t>(bytes));
    return bytes;
}

std::vector<RGBQUAD> ColorTableOf(const BITMAPINFO& info) {
    const BITMAPINFOHEADER& header = info.bmiHeader;
    if (header.biBitCount > 8) return {};
    std::size_t count = header.biClrUsed ? header.biClrUsed : (std::size_t{1} << header.biBitCount);
    count = std::min<std::size_t>(count, std::size_t{1} << header.biBitCount);
    const RGBQUAD* table = reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(&info) + header.biSize);
    return std::vector<RGBQUAD>(table, table + count);
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitCount, const void* bits) {
    if (planes != 1 || width <= 0 || height <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    // Device bitmaps store rows padded to two bytes; ours are padded to four.
    auto surface = BitmapSurface::Create(width, height, static_cast<int>(bitCount), true);
    if (surface && bits) {
        std::size_t rowBytes = ((static_cast<std::size_t>(width) * bitCount + 15) / 16) * 2;
        const BYTE* source = static_cast<const BYTE*>(bits);
        for (LONG y = 0; y < height; ++y)
            std::memcpy(surface->Row(y), source + rowBytes * static_cast<std::size_t>(y),
                        std::min<std::size_t>(rowBytes, static_cast<std::size_t>(surface->Stride())));
    }
    return Register(std::move(surface), false);
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
    auto dc = DcOrFail(hdc);
    if (!dc) return nullptr;
    // A memory DC's bitmaps take the depth of the bitmap selected into it,
    // so a fresh memory DC makes monochrome ones.
    int bitCount = dc->Surface() ? dc->Surface()->BitCount() : 32;
    std::vector<RGBQUAD> colors = dc->Surface() ? dc->Surface()->Colors() : std::vector<RGBQUAD>{};
    return Register(BitmapSurface::Create(width, height, bitCount, true, colors), false);
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD) {
    if (bits) *bits = nullptr;
    if (!info || !ValidHeader(*info) || usage != DIB_RGB_COLORS || section) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const BITMAPINFOHEADER& header = info->bmiHeader;
    auto surface = BitmapSurface::Create(header.biWidth, AbsHeight(header), header.biBitCount, header.biHeight < 0,
                                         ColorTableOf(*info));
    if (!surface) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    surface->SetFiveSixFive(IsFiveSixFive(*info));
    if (bits) *bits = surface->Bits();
    return Register(std::move(surface), true);
}

HBITMAP CreateDIBitmap(HDC hdc, const BITMAPINFOHEADER* header, DWORD init, const void* bits, const BITMAPINFO* info,
                       UINT usage) {
    if (!header || header->biWidth <= 0 || header->biHeight == 0 || header->biHeight == INT32_MIN) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto dc = LookupDC(hdc);
    int bitCount = dc && dc->Surface() && dc->Surface()->BitCount() == 1 ? 1 : 32;
    HBITMAP bitmap = Register(BitmapSurface::Create(header->biWidth, AbsHeight(*header), bitCount, true), false);
    if (bitmap && (init & CBM_INIT) && bits && info &&
        SetDIBits(hdc, bitmap, 0, static_cast<UINT>(AbsHeight(*header)), bits, info, usage) == 0) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}

int GetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT usage) {
    auto object = LookupGdiObjectAs<BitmapObject>(bitmap);
    if (!LookupDC(hdc) || !object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (!info || usage != DIB_RGB_COLORS || info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const BitmapSurface& source = *object->Surface();
    BITMAPINFOHEADER& header = info->bmiHeader;
    if (!bits) {
        if (header.biBitCount == 0) {
            header.biWidth = source.Width();
            header.biHeight = source.Height();
            header.biPlanes = 1;
            header.biBitCount = static_cast<WORD>(source.BitCount());
            header.biCompression = BI_RGB;
            header.biSizeImage = static_cast<DWORD>(source.SizeBytes());
            header.biClrUsed = 0;
        }
        return static_cast<int>(source.Height());
    }
    if (!ValidHeader(*info) || header.biWidth != source.Width()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    auto view = ViewOfCallerRows(*info);
    if (!view) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    LONG height = view->Height();
    // Lines count from the bottom of the picture, as in a bottom-up layout.
    LONG first = static_cast<LONG>(std::min<UINT>(start, static_cast<UINT>(height)));
    LONG count = static_cast<LONG>(std::min<UINT>(lines, static_cast<UINT>(height - first)));
    count = std::min(count, source.Height() - first);
    if (count <= 0) return 0;
    LONG stride = view->Stride();
    BYTE* out = static_cast<BYTE*>(bits);
    for (LONG i = 0; i < count; ++i) {
        LONG fromBottom = first + i;
        LONG sourceRow = source.Height() - 1 - fromBottom;
        CopyRowConverted(source, sourceRow, *view, view->Height() - 1 - fromBottom);
        // Rows leave in the caller's order: bottom-up headers start at line `start`.
        LONG outIndex = view->TopDown() ? (height - 1 - fromBottom) : i;
        std::memcpy(out + static_cast<std::ptrdiff_t>(outIndex) * stride, view->Row(view->Height() - 1 - fromBottom),
                    static_cast<std::size_t>(stride));
    }
    if (source.BitCount() <= 8 && header.biBitCount == source.BitCount()) {
        auto* table = reinterpret_cast<RGBQUAD*>(reinterpret_cast<BYTE*>(info) + header.biSize);
        std::copy(source.Colors().begin(), source.Colors().end(), table);
    }
    return static_cast<int>(count);
}

int SetDIBits(HDC, HBITMAP bitmap, UINT start, UINT lines, const void* bits, const BITMAPINFO* info, UINT usage) {
    auto object = LookupGdiObjectAs<BitmapObject>(bitmap);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (!info || !bits || usage != DIB_RGB_COLORS || !ValidHeader(*info)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    auto view = ViewOfCallerRows(*info);
    if (!view) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    BitmapSurface& target = *object->Surface();
    LONG height = view->Height();
    LONG first = static_cast<LONG>(std::min<UINT>(start, static_cast<UINT>(height)));
    LONG count = static_cast<LONG>(std::min<UINT>(lines, static_cast<UINT>(height - first)));
    count = std::min(count, target.Height() - first);
    const BYTE* in = static_cast<const BYTE*>(bits);
    LONG stride = view->Stride();
    for (LONG i = 0; i < count; ++i) {
        LONG fromBottom = first + i;
        LONG viewRow = view->Height() - 1 - fromBottom;
        LONG inIndex = view->TopDown() ? (height - 1 - fromBottom) : i;
        std::memcpy(view->Row(viewRow), in + static_cast<std::ptrdiff_t>(inIndex) * stride, static_cast<std::size_t>(stride));
        CopyRowConverted(*view, viewRow, target, target.Height() - 1 - fromBottom);
    }
    return static_cast<int>(std::max<LONG>(count, 0));
}

UINT GetDIBColorTable(HDC hdc, UINT start, UINT count, RGBQUAD* colors) {
    auto dc = LookupDC(hdc);
    if (!dc || !dc->Surface() || !colors) return 0;
    const auto& table = dc->Surface()->Colors();
    UINT copied = 0;
    for (UINT i = start; i < table.size() && copied < count; ++i) colors[copied++] = table[i];
    return copied;
}

UINT SetDIBColorTable(HDC hdc, UINT start, UINT count, const RGBQUAD* colors) {
    auto dc = LookupDC(hdc);
    if (!dc || !dc->Surface() || !colors) return 0;
    std::vector<RGBQUAD> table = dc->Surface()->Colors();
    UINT copied = 0;
    for (UINT i = start; i < table.size() && copied < count; ++i) table[i] = colors[copied++];
    dc->Surface()->SetColors(table);
    return copied;
}

}  // namespace platform
