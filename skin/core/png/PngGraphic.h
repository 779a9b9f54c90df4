#pragma once
// The skin engine's PNG picture: a bitmap that decodes a PNG stream straight
// into its own pixels. Colour type 6 (RGBA) gives a 32-bit bitmap with
// straight alpha; the other types give 1-, 4-, 8- or 24-bit bitmaps.

#include "skin/core/png/ColorManager.h"

#include "ui/graphics/Bitmap.h"

#include <cstdint>
#include <memory>

struct TPngImageProperties {
    enum : std::uint8_t { ipHeaderFound = 1, ipGammaApplied = 2 };
    std::uint8_t Options = 0;
    std::uint32_t Width = 0, Height = 0;
    TColorScheme ColorScheme = csNone;
    std::uint8_t BitsPerSample = 0, SamplesPerPixel = 0, BitsPerPixel = 0, Compression = 0;
    float FileGamma = 1.0f;
    bool Interlaced = false, HasAlpha = false;
    std::uint8_t FilterMode = 0;
};

class TPNGGraphic : public TBitmap {
    DECLARE_CLASS_INFO
public:
    // Larger pictures are refused: a skin image is never near this, and a
    // damaged header must not ask for gigabytes.
    static constexpr std::uint32_t kMaxSide = 16384;
    static constexpr std::uint64_t kMaxPixels = 4096ull * 4096ull;

    TPNGGraphic();
    ~TPNGGraphic() override;

    void Assign(const TPersistent* source) override;
    // Decodes the PNG that starts at the stream's position. Failures raise
    // EInvalidGraphic, EGraphicCompression, EColorConversionError or the
    // stream's read error; whatever was decoded stays.
    void LoadFromStream(TStream& stream) override;

    const TPngImageProperties& ImageProperties() const { return properties_; }
    TColor BackgroundColor() const { return backgroundColor_; }
    // clNone when the picture has no key colour.
    TColor PngTransparentColor() const { return transparentColor_; }
    // With a 32-bit picture drawn at its own size, a fading mirror image
    // below it.
    bool Reflected = false;

protected:
    // 32-bit pictures blend by their alpha; others draw as plain bitmaps.
    void Draw(TCanvas& canvas, const TRect& rect) override;

private:
    class TLoad;
    std::unique_ptr<TColorManager> colorManager_;
    TPngImageProperties properties_;
    TColor backgroundColor_ = 0xFFFFFF;
    TColor transparentColor_ = clNone;
};

// "png" with the engine's own description, and back out.
void RegisterSkinPngFormat();
void UnregisterSkinPngFormat();
