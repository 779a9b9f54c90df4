// Decoding a PNG stream into the picture's own pixels, row by row.
#include "skin/core/png/PngGraphic.h"

#include "skin/core/png/SkinPngErrors.h"

#include "png/codec/PngBytes.h"
#include "png/codec/PngCrc.h"
#include "png/codec/PngZlib.h"
#include "png/image/PngRowFilters.h"
#include "png/image/PngRowLayout.h"

#include "platform/gdi/Bitmaps.h"
#include "ui/core/Exceptions.h"
#include "ui/core/Stream.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
constexpr std::size_t kHeaderBodySize = 13;
constexpr double kGammaScale = 100000;
constexpr float kDisplayGamma = 2.2f;
constexpr std::uint8_t kCaseBit = 0x20;
constexpr std::uint8_t kCompressionDeflate = 2;
constexpr std::uint8_t kAdam7 = 1;
constexpr std::array<std::uint8_t, 7> kPassMasks{0x80, 0x08, 0x88, 0x22, 0xAA, 0x55, 0xFF};
constexpr std::uint8_t kAllPositions = 0xFF;

constexpr const char* kInvalidFormat = "Cannot load image. Invalid or unexpected PNG image format.";
constexpr const char* kTooLarge = "Cannot load image. The PNG image is too large.";
constexpr const char* kUnsupportedCompression =
    "Cannot load image. The compression scheme is not supported for PNG files.";
constexpr const char* kInvalidPalette = "Cannot load image. Palette in PNG file is invalid.";
constexpr const char* kCrcError = "Cannot load image. CRC error found in PNG file.";
constexpr const char* kCompressionError = "Cannot load image. Compression error found in PNG file.";
constexpr const char* kExtraData = "Cannot load image. Extra compressed data found in PNG file.";
constexpr const char* kInvalidColorFormat = "Invalid color format in PNG file.";
constexpr const char* kCriticalChunk = "Cannot load PNG image. Unexpected but critical chunk detected.";
constexpr const char* kLz77Error = "LZ77 decompression error.";

TColor Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) { return static_cast<TColor>(r | (g << 8) | (b << 16)); }

// A sample of a bKGD or tRNS chunk at the image's depth, as 8 bits.
std::uint32_t Sample8(const std::uint8_t* p, int depth) {
    return depth == 16 ? std::uint32_t(ReadBigEndian16(p)) * 255 / 65535 : p[1];
}

}  // namespace

class TPNGGraphic::TLoad {
public:
    TLoad(TPNGGraphic& picture, TStream& stream)
        : picture_(picture), stream_(stream), manager_(*picture.colorManager_), properties_(picture.properties_) {}

    void Run() {
        Reset();
        if (!ReadHeaderInfo()) throw EInvalidGraphic(kInvalidFormat);
        stream_.SetPosition(base_ + std::int64_t(sizeof kSignature));
        NextChunkHeader();
        manager_.SetSourceOptions(coNeedByteSwap);
        ReadChunkBody();
        TakeHeader();
        if (properties_.Compression != kCompressionDeflate) throw EInvalidGraphic(kUnsupportedCompression);
        try {
            inflater_ = std::make_unique<TInflater>();
        } catch (const Exception&) {
            throw EGraphicCompression(kLz77Error);
        }
        ChunkLoop();
    }

private:
    // A fresh picture and fresh per-load state: nothing of an earlier load
    // (palette, key colour, gamma) carries into this one.
    void Reset() {
        picture_.SetTransparent(false);
        picture_.SetSize(0, 0);
        picture_.SetPixelFormat(TPixelFormat::pfDevice);
        base_ = stream_.Position();
        picture_.backgroundColor_ = 0xFFFFFF;
        picture_.transparentColor_ = clNone;
        manager_.SetTargetOptions(manager_.TargetOptions() & ~coApplyGamma);
        manager_.SetSourceBitsPerSample(8);
        manager_.SetTargetBitsPerSample(8);
        manager_.SetGammaValues(1.0f, kDisplayGamma);
    }

    void NextChunkHeader() {
        std::uint8_t header[8];
        stream_.ReadBuffer(header, sizeof header);
        length_ = ReadBigEndian32(header);
        std::memcpy(type_, header + 4, 4);
        crc_ = UpdatePngCrc(PngCrcStart, type_, 4);
    }

    // A length beyond the stream's end fails as the short read it is,
    // before any memory is taken for it.
    void ReadChunkBody() {
        if (std::int64_t(length_) > stream_.Size() - stream_.Position()) throw EReadError("Stream read error");
        chunk_.resize(length_);
        stream_.ReadBuffer(chunk_.data(), std::int64_t(length_));
        std::uint8_t stored[4];
        stream_.ReadBuffer(stored, sizeof stored);
        crc_ = UpdatePngCrc(crc_, chunk_.data(), chunk_.size());
        if (!PngCrcMatches(ReadBigEndian32(stored), ~crc_)) throw EInvalidGraphic(kCrcError);
    }

    void SkipChunkBody() { stream_.Seek(std::int64_t(length_) + 4, TSeekOrigin::soCurrent); }

    bool ChunkIs(const char* type) const {
        for (int i = 0; i < 4; ++i)
            if ((std::uint8_t(type_[i]) & ~kCaseBit) != (std::uint8_t(type[i]) & ~kCaseBit)) return false;
        return true;
    }

    bool ReadHeaderInfo() {
        properties_ = TPngImageProperties{};
        std::uint8_t signature[sizeof kSignature];
        stream_.ReadBuffer(signature, sizeof signature);
        if (std::memcmp(signature, kSignature, sizeof kSignature) != 0) return false;
        NextChunkHeader();
        if (!ChunkIs("IHDR")) return false;
        ReadChunkBody();
        if (chunk_.size() < kHeaderBodySize) return false;
        TakeHeader();
        if (width_ == 0 || height_ == 0) return false;
        if (width_ > kMaxSide || height_ > kMaxSide || std::uint64_t(width_) * height_ > kMaxPixels)
            throw EInvalidGraphic(kTooLarge);
        static constexpr TColorScheme kSchemes[7] = {csGrey, csNone, csRGB, csIndexed, csGreyAlpha, csNone, csRGBA};
        static constexpr std::uint8_t kSamples[7] = {1, 0, 3, 1, 2, 0, 4};
        properties_.Options |= TPngImageProperties::ipHeaderFound;
        properties_.Width = width_;
        properties_.Height = height_;
        properties_.ColorScheme = colorType_ < 7 ? kSchemes[colorType_] : csNone;
        properties_.BitsPerSample = depth_;
        properties_.SamplesPerPixel = colorType_ < 7 ? kSamples[colorType_] : 0;
        properties_.BitsPerPixel = static_cast<std::uint8_t>(properties_.SamplesPerPixel * depth_);
        properties_.Compression = compression_ == 0 ? kCompressionDeflate : 0;
        properties_.Interlaced = interlace_ != 0;
        properties_.HasAlpha = properties_.ColorScheme == csGreyAlpha || properties_.ColorScheme == csRGBA;
        properties_.FilterMode = filter_;
        for (;;) {
            NextChunkHeader();
            if (ChunkIs("gAMA")) {
                ReadChunkBody();
                if (chunk_.size() >= 4) properties_.FileGamma = float(ReadBigEndian32(chunk_.data()) / kGammaScale);
                return true;
            }
            bool end = ChunkIs("IEND");
            SkipChunkBody();
            if (end) return true;
        }
    }

    void TakeHeader() {
        if (chunk_.size() < kHeaderBodySize) throw EInvalidGraphic(kInvalidFormat);
        width_ = ReadBigEndian32(chunk_.data());
        height_ = ReadBigEndian32(chunk_.data() + 4);
        depth_ = chunk_[8];
        colorType_ = chunk_[9];
        compression_ = chunk_[10];
        filter_ = chunk_[11];
        interlace_ = chunk_[12];
    }

    void ChunkLoop() {
        for (;;) {
            NextChunkHeader();
            if (ChunkIs("IDAT")) {
                ReadImageData();
            } else if (ChunkIs("PLTE")) {
                TakePalette();
                continue;
            } else if (ChunkIs("gAMA")) {
                TakeGamma();
                continue;
            } else if (ChunkIs("bKGD")) {
                ReadChunkBody();
                TakeBackground();
                continue;
            } else if (ChunkIs("tRNS")) {
                ReadChunkBody();
                TakeTransparency();
                continue;
            }
            // Any other chunk, and the first one after the image data.
            bool end = ChunkIs("IEND");
            SkipChunkBody();
            if (end) return;
            if (!(std::uint8_t(type_[0]) & kCaseBit)) throw EInvalidGraphic(kCriticalChunk);
        }
    }

    void TakePalette() {
        if (length_ % 3 != 0) throw EInvalidGraphic(kInvalidPalette);
        ReadChunkBody();
        if (colorType_ != 3) return;
        sourceBytesPerPixel_ = ChooseTargetFormat();
        palette_ = manager_.MakeColourPalette({chunk_.data()}, 0, int(length_ / 3), false);
    }

    void TakeGamma() {
        ReadChunkBody();
        if (chunk_.size() < 4) return;
        float gamma = float(ReadBigEndian32(chunk_.data()) / kGammaScale);
        properties_.FileGamma = gamma;
        manager_.SetGammaValues(gamma, kDisplayGamma);
        manager_.SetTargetOptions(manager_.TargetOptions() | coApplyGamma);
        properties_.Options |= TPngImageProperties::ipGammaApplied;
    }

    void TakeBackground() {
        if ((colorType_ == 2 || colorType_ == 6) && chunk_.size() >= 6) {
            const std::uint8_t* p = chunk_.data();
            picture_.backgroundColor_ = Rgb(Sample8(p, depth_), Sample8(p + 2, depth_), Sample8(p + 4, depth_));
        }
    }

    // Grey samples of any depth are taken as the grey ramp shows them.
    void TakeTransparency() {
        const std::uint8_t* p = chunk_.data();
        if (colorType_ == 0 && chunk_.size() >= 2 && depth_ >= 1 && depth_ <= 16) {
            std::uint32_t v = depth_ == 16 ? Sample8(p, 16)
                                           : std::min<std::uint32_t>(p[1], (1u << depth_) - 1) * 255 /
                                                 ((1u << depth_) - 1);
            picture_.transparentColor_ = Rgb(v, v, v);
        } else if (colorType_ == 2 && chunk_.size() >= 6) {
            picture_.transparentColor_ = Rgb(Sample8(p, depth_), Sample8(p + 2, depth_), Sample8(p + 4, depth_));
        }
    }

    void Configure(TColorScheme source, TColorScheme target, int samples, int sourceBits, int targetBits) {
        manager_.SetSourceColorScheme(source);
        manager_.SetTargetColorScheme(target);
        manager_.SetSourceSamplesPerPixel(samples);
        manager_.SetTargetSamplesPerPixel(samples);
        manager_.SetSourceBitsPerSample(sourceBits);
        manager_.SetTargetBitsPerSample(targetBits);
    }

    int ChooseTargetFormat() {
        int d = depth_;
        auto oneOf = [d](std::initializer_list<int> depths) { return std::find(depths.begin(), depths.end(), d) != depths.end(); };
        formatChosen_ = true;
        switch (colorType_) {
            case 0:
                if (!oneOf({1, 2, 4, 8, 16})) break;
                Configure(csGrey, csGrey, 1, d, d == 2 ? 4 : (d == 16 ? 8 : d));
                picture_.SetPixelFormat(manager_.PixelFormatFor(true));
                palette_ = manager_.MakeGreyPalette(false);
                return (d + 7) / 8;
            case 2:
                if (!oneOf({8, 16})) break;
                Configure(csRGB, csBGR, 3, d, 8);
                picture_.SetPixelFormat(TPixelFormat::pf24bit);
                palette_.clear();
                return d * 3 / 8;
            case 3:
                if (!oneOf({1, 2, 4, 8})) break;
                Configure(csIndexed, csIndexed, 1, d, d == 2 ? 4 : d);
                picture_.SetPixelFormat(manager_.PixelFormatFor(true));
                return 1;
            case 4:
                if (!oneOf({8, 16})) break;
                Configure(csGreyAlpha, csIndexed, 1, d, 8);
                picture_.SetPixelFormat(TPixelFormat::pf8bit);
                palette_ = manager_.MakeGreyPalette(false);
                return d * 2 / 8;
            case 6:
                if (!oneOf({8, 16})) break;
                Configure(csRGBA, csBGRA, 4, d, 8);
                picture_.SetPixelFormat(TPixelFormat::pf32bit);
                palette_.clear();
                return d * 4 / 8;
            default: break;
        }
        throw EInvalidGraphic(kInvalidColorFormat);
    }

    void PrepareBitmap() {
        if (!formatChosen_) sourceBytesPerPixel_ = ChooseTargetFormat();
        picture_.SetSize(int(width_), int(height_));
        if (!palette_.empty()) {
            int bits = manager_.TargetBitsPerSample() == 16 ? 8 : manager_.TargetBitsPerSample();
            auto room = static_cast<platform::UINT>(std::min<std::size_t>(palette_.size(), std::size_t(1) << bits));
            platform::SetDIBColorTable(picture_.Canvas()->Handle(), 0, room, palette_.data());
        }
        if (picture_.transparentColor_ != clNone) {
            picture_.SetTransparentColor(picture_.transparentColor_);
            picture_.SetTransparent(true);
        }
    }

    // Every row of the picture is written: decoded rows and, where the
    // compressed data ends early, rows of zeros, never an older row again.
    void ReadImageData() {
        PrepareBitmap();
        std::size_t rowBytes = PngRowLength(colorType_, depth_, width_);
        std::vector<std::uint8_t> current(rowBytes + 1), previous(rowBytes + 1);
        auto stride = static_cast<std::size_t>(std::max(sourceBytesPerPixel_, 1));
        auto decodeRow = [&](std::size_t bytes, int y, std::uint8_t mask) {
            InflateRow(current.data(), bytes + 1);
            UndoRowFilter(current[0], current.data() + 1, previous.data() + 1, bytes, stride);
            manager_.ConvertRow({current.data() + 1}, picture_.ScanLine(y), width_, mask);
            std::swap(current, previous);
        };
        if (interlace_ != kAdam7) {
            for (std::uint32_t y = 0; y < height_; ++y) decodeRow(rowBytes, int(y), kAllPositions);
        } else {
            for (std::size_t pass = 0; pass < Adam7Passes.size(); ++pass) {
                const TAdam7Pass& p = Adam7Passes[pass];
                if (std::uint32_t(p.FirstColumn) >= width_) continue;
                std::size_t passBytes = PngRowLength(colorType_, depth_, p.Width(width_));
                std::fill(previous.begin(), previous.end(), 0);
                for (std::uint32_t y = std::uint32_t(p.FirstRow); y < height_; y += std::uint32_t(p.RowStep))
                    decodeRow(passBytes, int(y), kPassMasks[pass]);
            }
        }
        while (ChunkIs("IDAT")) {
            ReadChunkBody();
            NextChunkHeader();
        }
    }

    void InflateRow(std::uint8_t* row, std::size_t size) {
        z_stream& z = inflater_->Stream();
        std::size_t filled = 0;
        for (;;) {
            if (z.avail_in == 0) {
                std::uint32_t available = 0;
                while (available == 0) {
                    if (!ChunkIs("IDAT")) {
                        std::fill(row + filled, row + size, 0);
                        return;
                    }
                    ReadChunkBody();
                    available = length_;
                    NextChunkHeader();
                }
                z.next_in = chunk_.data();
                z.avail_in = available;
            }
            z.next_out = row + filled;
            z.avail_out = static_cast<uInt>(size - filled);
            int result = inflate(&z, Z_PARTIAL_FLUSH);
            filled = size - z.avail_out;
            if (result == Z_STREAM_END) {
                if (filled < size || z.avail_in > 0) throw EInvalidGraphic(kExtraData);
                return;
            }
            if (result != Z_OK) throw EInvalidGraphic(kCompressionError);
            if (filled == size) return;
        }
    }

    TPNGGraphic& picture_;
    TStream& stream_;
    TColorManager& manager_;
    TPngImageProperties& properties_;
    std::int64_t base_ = 0;
    std::vector<std::uint8_t> chunk_;
    std::uint32_t length_ = 0;
    char type_[4] = {};
    std::uint32_t crc_ = 0;
    std::uint32_t width_ = 0, height_ = 0;
    std::uint8_t depth_ = 0, colorType_ = 0, compression_ = 0, filter_ = 0, interlace_ = 0;
    int sourceBytesPerPixel_ = 1;
    bool formatChosen_ = false;
    TColorTable palette_;
    std::unique_ptr<TInflater> inflater_;
};

void TPNGGraphic::LoadFromStream(TStream& stream) {
    TLoad(*this, stream).Run();
    Changed();
}
