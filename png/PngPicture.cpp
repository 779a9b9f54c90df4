#include "png/PngPicture.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContexts.h"
#include "png/chunks/PngChunkRegistry.h"
#include "png/chunks/PngHeaderChunk.h"
#include "png/chunks/PngImageDataChunk.h"
#include "png/chunks/PngPaletteChunk.h"
#include "png/chunks/PngTransparencyChunk.h"
#include "png/codec/PngBytes.h"
#include "png/codec/PngExceptions.h"
#include "png/codec/PngStreamRead.h"
#include "png/image/PngDrawing.h"
#include "ui/core/Exceptions.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/Stream.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Colors.h"
#include "ui/graphics/Picture.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr std::uint8_t Signature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};

// The nearest colour of the palette by the distance in red, green and blue.
unsigned NearestPaletteIndex(const TPngPalette& palette, TPngColor color) {
    unsigned best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        int dr = palette[i].Red - RedOf(color), dg = palette[i].Green - GreenOf(color),
            db = palette[i].Blue - BlueOf(color);
        int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = unsigned(i);
        }
    }
    return best;
}

}  // namespace

const TClassInfo& TPngPicture::StaticClass() {
    static const TClassInfo info = TPublished<TPngPicture>("TPngPicture", TGraphic::StaticClass()).Build();
    return info;
}

namespace {

// The picture class opens ".png" files with this class.
const bool RegisteredAsPictureFormat =
    (TPicture::RegisterFileFormat("png", "Portable Network Graphics", TPngPicture::StaticClass()), true);

}  // namespace

TPngPicture::TPngPicture() { ClearImage(); }

TPngPicture::~TPngPicture() = default;

void TPngPicture::ClearImage() {
    for (int i = 0; i < 256; ++i) GammaTable[std::size_t(i)] = InverseGammaTable[std::size_t(i)] = std::uint8_t(i);
    ChunkList.Clear();
}

void TPngPicture::Assign(const TPersistent* source) {
    if (!source) {
        ClearImage();
    } else if (auto* picture = dynamic_cast<const TPngPicture*>(source)) {
        if (picture != this) CopyFromPNG(*picture);
    } else if (auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
        // The bitmap answers its automatic transparent colour by reading a pixel.
        auto& readable = const_cast<TBitmap&>(*bitmap);
        AssignBitmapHandle(readable.Handle(), readable.Transparent(), ColorToRGB(readable.TransparentColor()));
    } else {
        TGraphic::Assign(source);
    }
}

namespace {

// The bitmap format a picture is copied into.
TPixelFormat BitmapPixelFormat(const TPngPicture& picture) {
    if (picture.TransparencyKind() == 2) return TPixelFormat::pf24bit;
    const TChunkIHDR& header = picture.HeaderChunk();
    switch (header.BitDepth) {
        case 1: return TPixelFormat::pf1bit;
        case 2:
        case 4: return TPixelFormat::pf4bit;
        case 8:
        case 16:
            if (header.ColorType == ctGrey || header.ColorType == ctRgb) return TPixelFormat::pf24bit;
            if (header.ColorType == ctPalette) return TPixelFormat::pf8bit;
            break;
        default: break;
    }
    throw Exception("");
}

}  // namespace

void TPngPicture::AssignTo(TPersistent* destination) const {
    auto* bitmap = dynamic_cast<TBitmap*>(destination);
    if (auto* picture = dynamic_cast<TPngPicture*>(destination)) {
        picture->CopyFromPNG(*this);
    } else if (bitmap && HasHeader()) {
        bitmap->SetPixelFormat(BitmapPixelFormat(*this));
        bitmap->SetSize(Width(), Height());
        // Drawing does not change the picture; the canvas asks for a changeable graphic.
        bitmap->Canvas()->Draw(0, 0, const_cast<TPngPicture*>(this));
        if (TransparencyKind() == 1) {
            bitmap->SetTransparentColor(TColor(TransparentColorValue()));
            bitmap->SetTransparent(true);
        }
    } else {
        TGraphic::AssignTo(destination);
    }
}

void TPngPicture::Draw(TCanvas& canvas, const TRect& rect) {
    if (Empty()) return;
    const int kind = TransparencyKind();
    // Palette pictures draw with each entry's own alpha, also with one transparent entry.
    const bool byAlpha = kind == 2 || (kind == 1 && HeaderChunk().ColorType == ctPalette);
    DrawThroughPixels(canvas.Handle(), rect, [&](const TPixelTarget& target) {
        if (byAlpha) BlendPictureOnto(*this, target);
        else if (kind == 1) DrawColorKeyedOnto(*this, target);
        else StretchPictureOnto(*this, target);
    });
}

void TPngPicture::CopyFromPNG(const TPngPicture& source) {
    InterlaceKind = source.InterlaceKind;
    SetMaxDataChunkSize(source.MaxDataChunkSize());
    DeflateLevel = source.DeflateLevel;
    RowFilters = source.RowFilters;
    ClearImage();
    for (std::size_t i = 0; i < source.ChunkList.Count(); ++i) {
        const TChunk* original = source.ChunkList.Item(i);
        ChunkList.Add(original->CreateSameClass(this));
        ChunkList.Item(i)->CopyFrom(*original);
    }
}

namespace {

// A memory device context, deleted with its holder.
class TScreenCompatibleDC {
public:
    TScreenCompatibleDC() : dc_(platform::CreateCompatibleDC(nullptr)) {}
    ~TScreenCompatibleDC() {
        if (dc_) platform::DeleteDC(dc_);
    }
    TScreenCompatibleDC(const TScreenCompatibleDC&) = delete;
    TScreenCompatibleDC& operator=(const TScreenCompatibleDC&) = delete;
    platform::HDC Handle() const { return dc_; }

private:
    platform::HDC dc_;
};

}  // namespace

void TPngPicture::AssignBitmapHandle(platform::HBITMAP bitmap, bool transparent, TPngColor color) {
    platform::BITMAP description;
    const bool described = platform::GetObjectType(bitmap) == platform::OBJ_BITMAP &&
                           platform::GetObject(bitmap, sizeof description, &description) != 0;
    const int bitsPerPixel = description.bmBitsPixel;
    if (!described || (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel < 16))
        throw EInvalidGraphic("Bitmap image is not valid");
    ClearImage();
    auto header = std::make_unique<TChunkIHDR>(this);
    header->Width = description.bmWidth;
    header->Height = description.bmHeight < 0 ? -description.bmHeight : description.bmHeight;
    header->BitDepth = std::uint8_t(bitsPerPixel < 16 ? bitsPerPixel : 8);
    header->ColorType = bitsPerPixel < 16 ? ctPalette : ctRgb;
    header->AllocateImage();

    struct {
        platform::BITMAPINFOHEADER Header;
        platform::RGBQUAD Colors[256];
    } info{};
    info.Header.biWidth = header->Width;
    info.Header.biHeight = header->Height;
    info.Header.biBitCount = platform::WORD(header->BitsPerDibPixel());
    info.Header.biCompression = platform::BI_RGB;
    // Rows of a palette bitmap come through its colours, so the table goes in first.
    if (bitsPerPixel <= 8) {
        auto object = platform::LookupGdiObjectAs<platform::BitmapObject>(bitmap);
        const auto& colors = object->Surface()->Colors();
        std::size_t count = std::min<std::size_t>(colors.size(), std::size_t(1) << bitsPerPixel);
        std::copy(colors.begin(), colors.begin() + std::ptrdiff_t(count), info.Colors);
        info.Header.biClrUsed = platform::DWORD(count);
    }
    TScreenCompatibleDC dc;
    platform::GetDIBits(dc.Handle(), bitmap, 0, platform::UINT(header->Height), header->Image.Pixels(),
                        reinterpret_cast<platform::BITMAPINFO*>(&info), platform::DIB_RGB_COLORS);

    TChunkIHDR& installed = *header;
    ChunkList.Add(std::move(header));
    TChunkPLTE* palette = nullptr;
    if (installed.UsesPalette()) {
        ChunkList.Add(std::make_unique<TChunkPLTE>(this));
        palette = static_cast<TChunkPLTE*>(ChunkList.Item(ChunkList.Count() - 1));
    }
    TChunktRNS* transparency = nullptr;
    if (transparent) {
        ChunkList.Add(std::make_unique<TChunktRNS>(this));
        transparency = static_cast<TChunktRNS*>(ChunkList.Item(ChunkList.Count() - 1));
    }
    ChunkList.Add(std::make_unique<TChunkIDAT>(this));
    ChunkList.Add(std::make_unique<TChunkIEND>(this));
    if (palette) {
        palette->EntryCount = 1 << bitsPerPixel;
        TPngPalette entries(static_cast<std::size_t>(palette->EntryCount));
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const platform::RGBQUAD& q = info.Colors[i];
            installed.Image.ColourTable[i] = {q.rgbBlue, q.rgbGreen, q.rgbRed, 0};
            entries[i] = {q.rgbRed, q.rgbGreen, q.rgbBlue, 0};
        }
        installed.Image.UsedColours = palette->EntryCount;
        installed.ReplacePalette(entries, false);
    }
    if (transparency) transparency->MakeColorTransparent(color);
}

void TPngPicture::LoadFromStream(TStream& stream) {
    ClearImage();
    std::uint8_t signature[8];
    if (ReadAvailable(stream, signature, 8) != 8 || std::memcmp(signature, Signature, 8) != 0) throw EPNGInvalidFileHeader();
    bool hasImageData = false;
    for (;;) {
        std::uint8_t head[8];
        if (ReadAvailable(stream, head, 8) < 8) throw EPngUnexpectedEnd();
        std::uint32_t length = ReadBigEndian32(head);
        TChunkType type;
        std::memcpy(type.data(), head + 4, 4);
        if (ChunkList.Count() == 0 && !IsChunkType(type, "IHDR")) throw EPNGIHDRNotFirst();
        // A second header would allocate a picture nobody draws, of any size the file names.
        if (ChunkList.Count() > 0 && IsChunkType(type, "IHDR")) throw EPngInvalidIHDR();
        // The first IDAT chunk consumed its whole run; later ones are not part of the picture.
        if ((IsChunkType(type, "IDAT") && hasImageData) || IsChunkType(type, "cHRM")) {
            stream.Seek(std::int64_t(length) + 4, TSeekOrigin::soCurrent);
            continue;
        }
        ChunkList.Add(CreateChunkByType(this, type));
        TChunk* chunk = ChunkList.Item(ChunkList.Count() - 1);
        if (typeid(*chunk) == typeid(TChunk) && IsCriticalChunk(type)) throw EPNGUnknownCriticalChunk();
        bool goOn = chunk->ReadFromStream(stream, type, length);
        if (IsChunkType(type, "IDAT")) hasImageData = true;
        if (!goOn || IsChunkType(type, "IEND")) break;
    }
    if (!hasImageData) throw EPNGNoImageData();
}

void TPngPicture::SaveToStream(TStream& stream) {
    stream.WriteBuffer(Signature, 8);
    for (std::size_t i = 0; i < ChunkList.Count(); ++i) ChunkList.Item(i)->WriteToStream(stream);
}

bool TPngPicture::HasHeader() const {
    return ChunkList.Count() > 0 && dynamic_cast<TChunkIHDR*>(ChunkList.Item(0)) != nullptr;
}

TChunkIHDR& TPngPicture::HeaderChunk() const {
    if (!HasHeader()) throw EPNGHeaderNotPresent();
    return static_cast<TChunkIHDR&>(*ChunkList.Item(0));
}

int TPngPicture::Width() const { return HasHeader() ? HeaderChunk().Width : 0; }

int TPngPicture::Height() const { return HasHeader() ? HeaderChunk().Height : 0; }

const TPngPalette& TPngPicture::GetPalette() const {
    static const TPngPalette none;
    const auto& palette = HeaderChunk().Palette();
    return palette ? *palette : none;
}

int TPngPicture::TransparencyKind() const {
    const TChunkIHDR& header = HeaderChunk();
    auto* transparency = ChunkList.FindChunkOfClass<TChunktRNS>();
    switch (header.ColorType) {
        case ctGrey:
        case ctRgb: return transparency ? 1 : 0;
        case ctPalette:
            if (!transparency) return 0;
            return transparency->SingleTransparentColor ? 1 : 2;
        case ctGreyAlpha:
        case ctRgbAlpha: return 2;
        default: return 0;
    }
}

TPngColor TPngPicture::TransparentColorValue() const {
    auto* transparency = ChunkList.FindChunkOfClass<TChunktRNS>();
    return transparency ? transparency->TransparentColorOf() : 0;
}

TPngColor TPngPicture::ReadPixelColor(int x, int y) const {
    TChunkIHDR& header = HeaderChunk();
    if (x < 0 || y < 0 || x >= header.Width || y >= header.Height) return 0;
    const std::uint8_t* row = header.Image.Row(y);
    const int bits = header.Image.BitsPerPixel();
    switch (header.ColorType) {
        case ctGrey: {
            unsigned v = TPngDib::PixelBits(row, x, bits);
            std::uint8_t grey = GammaTable[bits == 1 ? 255 * v : bits == 4 ? v * 17 : v];
            return RgbColor(grey, grey, grey);
        }
        case ctPalette: {
            const TRgbQuad& q = header.Image.ColourTable[TPngDib::PixelBits(row, x, bits)];
            return RgbColor(q.Red, q.Green, q.Blue);
        }
        case ctGreyAlpha: {
            // Through the grey palette, so gamma applies as it does to grey without alpha.
            const TRgbQuad& q = header.Image.ColourTable[row[x]];
            return RgbColor(q.Red, q.Green, q.Blue);
        }
        default: {
            const std::uint8_t* px = row + 3 * x;
            return RgbColor(px[2], px[1], px[0]);
        }
    }
}

void TPngPicture::WritePixelColor(int x, int y, TPngColor color) {
    TChunkIHDR& header = HeaderChunk();
    if (x < 0 || y < 0 || x >= header.Width || y >= header.Height) return;
    std::uint8_t* row = header.Image.Row(y);
    switch (header.ColorType) {
        case ctGrey:
        case ctPalette:
            TPngDib::SetPixelBits(row, x, header.Image.BitsPerPixel(), NearestPaletteIndex(GetPalette(), color));
            break;
        case ctGreyAlpha: {
            const std::uint8_t grey = RedOf(color);
            row[x] = std::uint8_t(NearestPaletteIndex(GetPalette(), RgbColor(grey, grey, grey)));
            break;
        }
        default: {
            std::uint8_t* px = row + 3 * x;
            px[0] = BlueOf(color);
            px[1] = GreenOf(color);
            px[2] = RedOf(color);
        }
    }
    // A pixel written in the key's colour is transparent, any other opaque.
    if (header.HasColorKeyMask()) header.ColorKeyRow(y)[x] = color == TransparentColorValue();
}

std::uint8_t* TPngPicture::RowAddress(int y) const { return HeaderChunk().Image.Row(y); }

std::uint8_t* TPngPicture::LowByteRowAddress(int y) const {
    TChunkIHDR& header = HeaderChunk();
    return header.LowBytePlane.Empty() ? nullptr : header.LowByteRow(y);
}

std::uint8_t* TPngPicture::AlphaRowAddress(int y) const {
    TChunkIHDR& header = HeaderChunk();
    return header.HasAlpha() ? header.AlphaRow(y) : nullptr;
}

void TPngPicture::ResizeImage(int width, int height) {
    if (width < 1 || height < 1) throw EPNGInvalidNewSize();
    TChunkIHDR& header = HeaderChunk();
    CheckPictureSize(width, height, header.ColorType, header.BitDepth);
    const int keptRows = std::min(height, header.Height);
    TPngDib image;
    image.Allocate(width, height, header.Image.BitsPerPixel());
    image.ColourTable = header.Image.ColourTable;
    image.UsedColours = header.Image.UsedColours;
    const std::size_t rowBytes = std::min(image.RowSize(), header.Image.RowSize());
    for (int y = 0; y < keptRows; ++y) std::memcpy(image.Row(y), header.Image.Row(y), rowBytes);
    TPngBuffer alpha, low, keyMask;
    const std::size_t keptColumns = std::size_t(std::min(width, header.Width));
    if (header.HasAlpha()) {
        alpha = TPngBuffer(std::size_t(width) * std::size_t(height), 255);
        for (int y = 0; y < keptRows; ++y)
            std::memcpy(alpha.Data() + std::size_t(y) * std::size_t(width), header.AlphaRow(y), keptColumns);
    }
    // New pixels are opaque here too.
    if (header.HasColorKeyMask()) {
        keyMask = TPngBuffer(std::size_t(width) * std::size_t(height));
        for (int y = 0; y < keptRows; ++y)
            std::memcpy(keyMask.Data() + std::size_t(y) * std::size_t(width), header.ColorKeyRow(y), keptColumns);
    }
    if (header.BitDepth == 16) {
        low = TPngBuffer(image.ByteSize());
        for (int y = 0; y < keptRows; ++y)
            std::memcpy(low.Data() + image.RowSize() * std::size_t(height - 1 - y), header.LowByteRow(y), rowBytes);
    }
    header.Image = std::move(image);
    header.AlphaPlane = std::move(alpha);
    header.LowBytePlane = std::move(low);
    header.ColorKeyMask = std::move(keyMask);
    header.Width = width;
    header.Height = height;
}

void TPngPicture::ReplacePalette(const TPngPalette& palette, bool copyEntries) {
    HeaderChunk().ReplacePalette(palette, copyEntries);
}
