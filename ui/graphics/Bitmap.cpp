#include "ui/graphics/Bitmap.h"

#include "ui/core/Exceptions.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/Stream.h"

#include "platform/gdi/AlphaBlending.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Blits.h"
#include "platform/gdi/DeviceContexts.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

struct FullInfo {
    platform::BITMAPINFOHEADER header;
    platform::RGBQUAD colors[256];
};

int BitsOf(TPixelFormat format) {
    switch (format) {
        case TPixelFormat::pf1bit: return 1;
        case TPixelFormat::pf4bit: return 4;
        case TPixelFormat::pf8bit: return 8;
        case TPixelFormat::pf15bit:
        case TPixelFormat::pf16bit: return 16;
        case TPixelFormat::pf24bit: return 24;
        default: return 32;
    }
}

int Stride(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

// The colour table a new bitmap of a palette format starts with.
void DefaultColors(int bits, platform::RGBQUAD* colors) {
    auto set = [&](int i, int r, int g, int b) {
        colors[i].rgbRed = static_cast<platform::BYTE>(r);
        colors[i].rgbGreen = static_cast<platform::BYTE>(g);
        colors[i].rgbBlue = static_cast<platform::BYTE>(b);
    };
    if (bits == 1) {
        set(0, 0, 0, 0);
        set(1, 255, 255, 255);
    } else if (bits == 4) {
        static constexpr int kVga[16][3] = {{0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                            {0, 0, 128},   {128, 0, 128}, {0, 128, 128}, {128, 128, 128},
                                            {192, 192, 192}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
                                            {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
        for (int i = 0; i < 16; ++i) set(i, kVga[i][0], kVga[i][1], kVga[i][2]);
    } else if (bits == 8) {
        int i = 0;
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b) set(i++, r * 51, g * 51, b * 51);
        for (int k = 0; i < 256; ++i, ++k) set(i, k * 255 / 39, k * 255 / 39, k * 255 / 39);
    }
}

FullInfo InfoFor(int width, int height, TPixelFormat format) {
    FullInfo info{};
    info.header.biWidth = width;
    info.header.biHeight = -height;  // rows from the top
    info.header.biBitCount = static_cast<platform::WORD>(BitsOf(format));
    info.header.biCompression = platform::BI_RGB;
    if (format == TPixelFormat::pf16bit) {
        info.header.biCompression = platform::BI_BITFIELDS;
        auto* masks = reinterpret_cast<platform::DWORD*>(info.colors);
        masks[0] = 0xF800;
        masks[1] = 0x07E0;
        masks[2] = 0x001F;
    } else if (info.header.biBitCount <= 8) {
        info.header.biClrUsed = 1u << info.header.biBitCount;
        DefaultColors(info.header.biBitCount, info.colors);
    }
    return info;
}

// The pixels as 32-bit rows from the top.
std::vector<std::uint32_t> Pixels32(platform::HBITMAP bitmap, int width, int height) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    FullInfo info = InfoFor(width, height, TPixelFormat::pf32bit);
    platform::HDC dc = platform::CreateCompatibleDC(nullptr);
    platform::GetDIBits(dc, bitmap, 0, static_cast<platform::UINT>(height), pixels.data(),
                        reinterpret_cast<platform::BITMAPINFO*>(&info), platform::DIB_RGB_COLORS);
    platform::DeleteDC(dc);
    return pixels;
}

[[noreturn]] void NotValid() { throw EInvalidGraphic("Bitmap image is not valid"); }

template <class T>
T Get(const unsigned char* p) {
    T value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) value |= static_cast<T>(static_cast<T>(p[i]) << (8 * i));
    return value;
}

template <class T>
void Put(unsigned char* p, T value) {
    for (std::size_t i = 0; i < sizeof(T); ++i) p[i] = static_cast<unsigned char>(value >> (8 * i));
}

}  // namespace

// The canvas over the bitmap: a memory context holding the bitmap's section.
class TBitmap::TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap& bitmap) : bitmap_(bitmap) { OnChange = [this](TObject*) { bitmap_.Changed(); }; }
    ~TBitmapCanvas() override { Release(); }

    void Release() {
        if (!dc_) return;
        SetHandle(nullptr);
        if (old_) platform::SelectObject(dc_, old_);
        platform::DeleteDC(dc_);
        old_ = nullptr;
        dc_ = nullptr;
    }

protected:
    void CreateHandle() override {
        dc_ = platform::CreateCompatibleDC(nullptr);
        // An empty bitmap draws into the context's own one-pixel bitmap.
        if (bitmap_.handle_) old_ = platform::SelectObject(dc_, bitmap_.handle_);
        SetHandle(dc_);
    }

private:
    TBitmap& bitmap_;
    platform::HDC dc_ = nullptr;
    platform::HGDIOBJ old_ = nullptr;
};

const TClassInfo& TBitmap::StaticClass() {
    static const TClassInfo info = TPublished<TBitmap>("TBitmap", TGraphic::StaticClass()).Build();
    return info;
}

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height, TPixelFormat format) : format_(format) { SetSize(width, height); }

TBitmap::~TBitmap() {
    canvas_.reset();
    if (handle_) platform::DeleteObject(handle_);
}

void TBitmap::FreeContext() {
    if (canvas_) canvas_->Release();
}

void TBitmap::Rebuild(int width, int height, TPixelFormat format, bool keep) {
    std::vector<std::uint32_t> old;
    if (keep && handle_) old = Pixels32(handle_, width_, height_);
    platform::HBITMAP fresh = nullptr;
    void* bits = nullptr;
    if (width > 0 && height > 0) {
        FullInfo info = InfoFor(width, height, format);
        fresh = platform::CreateDIBSection(nullptr, reinterpret_cast<platform::BITMAPINFO*>(&info),
                                           platform::DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!fresh) throw EOutOfResources("Out of system resources");
        // White, with the old pixels where they still fit.
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, 0x00FFFFFF);
        for (int y = 0; y < std::min(height, height_) && !old.empty(); ++y)
            std::copy_n(old.begin() + static_cast<std::ptrdiff_t>(y) * width_, std::min(width, width_),
                        pixels.begin() + static_cast<std::ptrdiff_t>(y) * width);
        FullInfo source = InfoFor(width, height, TPixelFormat::pf32bit);
        platform::HDC dc = platform::CreateCompatibleDC(nullptr);
        platform::SetDIBits(dc, fresh, 0, static_cast<platform::UINT>(height), pixels.data(),
                            reinterpret_cast<platform::BITMAPINFO*>(&source), platform::DIB_RGB_COLORS);
        platform::DeleteDC(dc);
    }
    FreeContext();
    if (handle_) platform::DeleteObject(handle_);
    handle_ = fresh;
    bits_ = static_cast<unsigned char*>(bits);
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    format_ = format;
}

void TBitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_) return;
    Rebuild(width, height, format_, true);
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format == format_) return;
    if (handle_) Rebuild(width_, height_, format, true);
    else format_ = format;
    Changed();
}

int TBitmap::BytesPerRow() const { return Stride(width_, BitsOf(format_)); }

void* TBitmap::ScanLine(int row) {
    if (row < 0 || row >= height_ || !bits_) throw EInvalidGraphicOperation("Scan line index out of range");
    return bits_ + static_cast<std::ptrdiff_t>(row) * BytesPerRow();
}

TCanvas* TBitmap::Canvas() {
    if (!canvas_) canvas_ = std::make_unique<TBitmapCanvas>(*this);
    return canvas_.get();
}

TColor TBitmap::TransparentColor() {
    if (transparentMode_ == TTransparentMode::tmFixed && transparentColor_ != clDefault) return transparentColor_;
    if (Empty()) return clDefault;
    return Canvas()->Pixels(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
    transparentColor_ = color;
    transparentMode_ = color == clDefault ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
    Changed();
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) {
    platform::HDC source = Canvas()->Handle();
    if (Transparent())
        platform::TransparentBlt(canvas.Handle(), rect.Left, rect.Top, rect.Width(), rect.Height(), source, 0, 0,
                                 width_, height_, ColorToRGB(TransparentColor()));
    else
        platform::StretchBlt(canvas.Handle(), rect.Left, rect.Top, rect.Width(), rect.Height(), source, 0, 0, width_,
                             height_, canvas.CopyMode);
}

void TBitmap::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TBitmap*>(source);
    if (!other) {
        TGraphic::Assign(source);
        return;
    }
    if (other == this) return;
    FreeContext();
    if (handle_) platform::DeleteObject(handle_);
    handle_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = 0;
    format_ = other->format_;
    if (other->handle_) {
        Rebuild(other->width_, other->height_, other->format_, false);
        std::memcpy(bits_, other->bits_, static_cast<std::size_t>(BytesPerRow()) * height_);
        if (BitsOf(format_) <= 8) {
            platform::RGBQUAD colors[256];
            platform::UINT count = 1u << BitsOf(format_);
            const_cast<TBitmap*>(other)->FreeContext();  // its section may sit in one context only
            platform::HDC dc = platform::CreateCompatibleDC(nullptr);
            platform::HGDIOBJ old = platform::SelectObject(dc, other->handle_);
            platform::GetDIBColorTable(dc, 0, count, colors);
            platform::SelectObject(dc, handle_);
            platform::SetDIBColorTable(dc, 0, count, colors);
            platform::SelectObject(dc, old);
            platform::DeleteDC(dc);
        }
    }
    transparentColor_ = other->transparentColor_;
    transparentMode_ = other->transparentMode_;
    SetTransparent(other->Transparent());
    Changed();
}

void TBitmap::LoadFromStream(TStream& stream) {
    unsigned char file[14];
    if (stream.Read(file, 14) != 14 || file[0] != 'B' || file[1] != 'M') NotValid();
    std::int64_t start = stream.Position() - 14;
    unsigned char header[40];
    if (stream.Read(header, 40) != 40 || Get<std::uint32_t>(header) < 40) NotValid();
    std::int32_t width = Get<std::int32_t>(header + 4);
    std::int32_t height = Get<std::int32_t>(header + 8);
    std::uint16_t bits = Get<std::uint16_t>(header + 14);
    std::uint32_t compression = Get<std::uint32_t>(header + 16);
    std::uint32_t used = Get<std::uint32_t>(header + 32);
    bool topDown = height < 0;
    if (topDown) height = -height;
    TPixelFormat format;
    switch (bits) {
        case 1: format = TPixelFormat::pf1bit; break;
        case 4: format = TPixelFormat::pf4bit; break;
        case 8: format = TPixelFormat::pf8bit; break;
        case 16: format = TPixelFormat::pf15bit; break;
        case 24: format = TPixelFormat::pf24bit; break;
        case 32: format = TPixelFormat::pf32bit; break;
        default: NotValid();
    }
    bool standardMasks = false;
    if (compression == platform::BI_BITFIELDS && (bits == 16 || bits == 32)) {
        unsigned char masks[12];
        stream.SetPosition(start + 14 + Get<std::uint32_t>(header));
        if (stream.Read(masks, 12) != 12) NotValid();
        std::uint32_t r = Get<std::uint32_t>(masks), g = Get<std::uint32_t>(masks + 4), b = Get<std::uint32_t>(masks + 8);
        if (bits == 32 && r == 0xFF0000 && g == 0xFF00 && b == 0xFF) standardMasks = true;
        else if (bits == 16 && r == 0x7C00 && g == 0x3E0 && b == 0x1F) standardMasks = true;
        else if (bits == 16 && r == 0xF800 && g == 0x7E0 && b == 0x1F) standardMasks = true, format = TPixelFormat::pf16bit;
    }
    if ((compression != platform::BI_RGB && !standardMasks) || width <= 0 || height <= 0 || width > 0x8000 ||
        height > 0x8000)
        NotValid();
    std::uint32_t colors = bits <= 8 ? (used ? used : 1u << bits) : 0;
    if (colors > (1u << std::min<int>(bits, 8)) && bits <= 8) NotValid();
    FullInfo info = InfoFor(width, height, format);
    if (colors) {
        stream.SetPosition(start + 14 + Get<std::uint32_t>(header));
        std::vector<unsigned char> table(colors * 4);
        if (stream.Read(table.data(), static_cast<std::int64_t>(table.size())) != static_cast<std::int64_t>(table.size()))
            NotValid();
        std::fill(std::begin(info.colors), std::end(info.colors), platform::RGBQUAD{});
        std::memcpy(info.colors, table.data(), table.size());
        info.header.biClrUsed = 1u << bits;
    }
    int stride = Stride(width, bits);
    std::int64_t offset = Get<std::uint32_t>(file + 10);
    std::int64_t needed = static_cast<std::int64_t>(stride) * height;
    stream.SetPosition(start + offset);
    if (stream.Size() - stream.Position() < needed) NotValid();
    std::vector<unsigned char> rows(static_cast<std::size_t>(needed));
    stream.ReadBuffer(rows.data(), needed);

    void* dibBits = nullptr;
    platform::HBITMAP fresh = platform::CreateDIBSection(nullptr, reinterpret_cast<platform::BITMAPINFO*>(&info),
                                                         platform::DIB_RGB_COLORS, &dibBits, nullptr, 0);
    if (!fresh) throw EOutOfResources("Out of system resources");
    for (int y = 0; y < height; ++y) {
        int from = topDown ? y : height - 1 - y;
        std::memcpy(static_cast<unsigned char*>(dibBits) + static_cast<std::ptrdiff_t>(y) * stride,
                    rows.data() + static_cast<std::ptrdiff_t>(from) * stride, static_cast<std::size_t>(stride));
    }
    FreeContext();
    if (handle_) platform::DeleteObject(handle_);
    handle_ = fresh;
    bits_ = static_cast<unsigned char*>(dibBits);
    width_ = width;
    height_ = height;
    format_ = format;
    Changed();
}

void TBitmap::SaveToStream(TStream& stream) {
    int bits = BitsOf(format_);
    int colors = bits <= 8 ? 1 << bits : 0;
    bool masks = format_ == TPixelFormat::pf16bit;
    std::uint32_t tableBytes = static_cast<std::uint32_t>(colors * 4 + (masks ? 12 : 0));
    int stride = Stride(width_, bits);
    std::uint32_t imageBytes = static_cast<std::uint32_t>(stride) * static_cast<std::uint32_t>(height_);
    std::vector<unsigned char> out(14 + 40 + tableBytes);
    out[0] = 'B';
    out[1] = 'M';
    Put<std::uint32_t>(&out[2], static_cast<std::uint32_t>(out.size()) + imageBytes);
    Put<std::uint32_t>(&out[10], static_cast<std::uint32_t>(out.size()));
    unsigned char* h = &out[14];
    Put<std::uint32_t>(h, 40);
    Put<std::int32_t>(h + 4, width_);
    Put<std::int32_t>(h + 8, height_);
    Put<std::uint16_t>(h + 12, 1);
    Put<std::uint16_t>(h + 14, static_cast<std::uint16_t>(bits));
    Put<std::uint32_t>(h + 16, masks ? platform::BI_BITFIELDS : platform::BI_RGB);
    Put<std::uint32_t>(h + 20, imageBytes);
    Put<std::int32_t>(h + 24, 3780);  // 96 dpi
    Put<std::int32_t>(h + 28, 3780);
    Put<std::uint32_t>(h + 32, static_cast<std::uint32_t>(colors));
    if (masks) {
        Put<std::uint32_t>(&out[54], 0xF800);
        Put<std::uint32_t>(&out[58], 0x07E0);
        Put<std::uint32_t>(&out[62], 0x001F);
    } else if (colors && handle_) {
        FreeContext();
        platform::HDC dc = platform::CreateCompatibleDC(nullptr);
        platform::HGDIOBJ old = platform::SelectObject(dc, handle_);
        platform::GetDIBColorTable(dc, 0, static_cast<platform::UINT>(colors),
                                   reinterpret_cast<platform::RGBQUAD*>(&out[54]));
        platform::SelectObject(dc, old);
        platform::DeleteDC(dc);
    }
    stream.WriteBuffer(out.data(), static_cast<std::int64_t>(out.size()));
    for (int y = height_ - 1; y >= 0 && bits_; --y)
        stream.WriteBuffer(bits_ + static_cast<std::ptrdiff_t>(y) * stride, stride);
}
