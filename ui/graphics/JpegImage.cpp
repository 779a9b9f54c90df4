#include "ui/graphics/JpegImage.h"

#include "ui/core/Exceptions.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/Stream.h"
#include "ui/graphics/Picture.h"
#include "ui/graphics/detail/JpegCodec.h"

#include "platform/gdi/Blits.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int MinQuality = 1;
constexpr int MaxQuality = 100;
// Bigger files are refused before they are read into memory.
constexpr std::int64_t MaxFileBytes = std::int64_t(256) << 20;

[[noreturn]] void NotValid(const std::string& reason) {
    throw EInvalidGraphic("Изображение JPEG не прочитано: файл повреждён или это не JPEG (" + reason + ").");
}

// The library's rows are red, green, blue; a 24-bit bitmap's are blue, green, red.
void SwapRedBlue(std::uint8_t* row, int width) {
    for (int x = 0; x < width; ++x) std::swap(row[3 * x], row[3 * x + 2]);
}

const bool RegisteredAsPictureFormat = [] {
    TPicture::RegisterFileFormat("jpg", "JPEG Image File", TJPEGImage::StaticClass());
    TPicture::RegisterFileFormat("jpeg", "JPEG Image File", TJPEGImage::StaticClass());
    return true;
}();

}  // namespace

const TClassInfo& TJPEGImage::StaticClass() {
    static const TClassInfo info = TPublished<TJPEGImage>("TJPEGImage", TGraphic::StaticClass()).Build();
    return info;
}

TJPEGImage::TJPEGImage() { image_.SetPixelFormat(TPixelFormat::pf24bit); }

void TJPEGImage::SetWidth(int) { throw EInvalidGraphicOperation("Cannot change the size of a JPEG image"); }
void TJPEGImage::SetHeight(int) { throw EInvalidGraphicOperation("Cannot change the size of a JPEG image"); }

void TJPEGImage::SetCompressionQuality(int quality) { quality_ = std::clamp(quality, MinQuality, MaxQuality); }

void TJPEGImage::LoadFromStream(TStream& stream) {
    const std::int64_t size = stream.Size() - stream.Position();
    if (size <= 0 || size > MaxFileBytes) NotValid(size <= 0 ? "нет данных" : "файл слишком велик");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    stream.ReadBuffer(bytes.data(), size);
    jpegcodec::RgbImage decoded;
    std::string error;
    if (!jpegcodec::Decompress(bytes.data(), bytes.size(), decoded, error)) NotValid(error);
    TBitmap image(decoded.width, decoded.height, TPixelFormat::pf24bit);
    const std::size_t stride = static_cast<std::size_t>(decoded.width) * 3;
    for (int y = 0; y < decoded.height; ++y) {
        auto* row = static_cast<std::uint8_t*>(image.ScanLine(y));
        std::memcpy(row, decoded.pixels.data() + static_cast<std::size_t>(y) * stride, stride);
        SwapRedBlue(row, decoded.width);
    }
    image_.Assign(&image);
    Changed();
}

void TJPEGImage::SaveToStream(TStream& stream) {
    if (Empty()) throw EInvalidGraphic("Пустое изображение JPEG не сохраняется.");
    jpegcodec::RgbImage rgb;
    rgb.width = Width();
    rgb.height = Height();
    const std::size_t stride = static_cast<std::size_t>(rgb.width) * 3;
    rgb.pixels.resize(stride * static_cast<std::size_t>(rgb.height));
    for (int y = 0; y < rgb.height; ++y) {
        std::uint8_t* row = rgb.pixels.data() + static_cast<std::size_t>(y) * stride;
        std::memcpy(row, image_.ScanLine(y), stride);
        SwapRedBlue(row, rgb.width);
    }
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!jpegcodec::Compress(rgb, quality_, bytes, error))
        throw EInvalidGraphic("Изображение JPEG не записано: " + error + ".");
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

void TJPEGImage::Assign(const TPersistent* source) {
    if (auto* jpeg = dynamic_cast<const TJPEGImage*>(source)) {
        if (jpeg == this) return;
        image_.Assign(&jpeg->image_);
        quality_ = jpeg->quality_;
    } else if (auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
        TBitmap copy;
        copy.Assign(bitmap);
        copy.SetPixelFormat(TPixelFormat::pf24bit);
        image_.Assign(&copy);
    } else {
        TGraphic::Assign(source);
        return;
    }
    Changed();
}

void TJPEGImage::AssignTo(TPersistent* destination) const {
    if (auto* bitmap = dynamic_cast<TBitmap*>(destination)) {
        bitmap->Assign(&image_);
        return;
    }
    TGraphic::AssignTo(destination);
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& rect) {
    platform::StretchBlt(canvas.Handle(), rect.Left, rect.Top, rect.Width(), rect.Height(), image_.Canvas()->Handle(),
                         0, 0, Width(), Height(), canvas.CopyMode);
}
