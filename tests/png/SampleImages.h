#pragma once
// Test pictures of any colour type and bit depth: samples from a formula,
// packed into file rows, and written as image data in row order or in the
// seven interlace passes (every row with filter None).

#include "PngFixtures.h"

#include <string>

namespace fixture {

inline int ChannelsOf(int colorType) {
    switch (colorType) {
        case 2: return 3;
        case 4: return 2;
        case 6: return 4;
        default: return 1;
    }
}

struct TSampleImage {
    int Width, Height, ColorType, Depth;

    int MaxValue() const { return ColorType == 3 ? (1 << Depth) - 1 : (Depth == 16 ? 65535 : (1 << Depth) - 1); }
    int BitsPerPixel() const { return ChannelsOf(ColorType) * Depth; }

    // Sample c of pixel (x, y).
    int Sample(int x, int y, int c) const {
        unsigned v = unsigned(x * 37 + y * 91 + c * 53 + x * y * 7 + (x ^ y) * 1031);
        return int(v % unsigned(MaxValue() + 1));
    }

    // Palette entry i (for colour type 3).
    static TPngColor PaletteColor(int i) { return RgbColor(std::uint8_t(i * 3), std::uint8_t(255 - i), std::uint8_t(i * 7)); }

    std::string Palette() const {
        std::string s;
        for (int i = 0; i <= MaxValue(); ++i) {
            TPngColor c = PaletteColor(i);
            s += Bytes({RedOf(c), GreenOf(c), BlueOf(c)});
        }
        return s;
    }

    // One file row of the pixels x = first, first + step, ... of image row y.
    std::string Row(int y, int first, int step) const {
        std::string row;
        int bitsUsed = 0;
        unsigned acc = 0;
        for (int x = first; x < Width; x += step) {
            for (int c = 0; c < ChannelsOf(ColorType); ++c) {
                int v = Sample(x, y, c);
                if (Depth == 16) {
                    row += Bytes({v >> 8, v & 255});
                } else if (Depth == 8) {
                    row.push_back(char(v));
                } else {
                    acc = (acc << Depth) | unsigned(v);
                    bitsUsed += Depth;
                    if (bitsUsed == 8) {
                        row.push_back(char(acc));
                        acc = 0;
                        bitsUsed = 0;
                    }
                }
            }
        }
        if (bitsUsed > 0) row.push_back(char(acc << (8 - bitsUsed)));
        return row;
    }

    std::string ImageData(bool interlaced) const {
        std::string data;
        if (!interlaced) {
            for (int y = 0; y < Height; ++y) data += '\0' + Row(y, 0, 1);
            return data;
        }
        static const int passes[7][4] = {{0, 8, 0, 8}, {0, 8, 4, 8}, {4, 8, 0, 4}, {0, 4, 2, 4},
                                         {2, 4, 0, 2}, {0, 2, 1, 2}, {1, 2, 0, 1}};
        for (const auto& p : passes) {
            if (p[2] >= Width) continue;
            for (int y = p[0]; y < Height; y += p[1]) data += '\0' + Row(y, p[2], p[3]);
        }
        return data;
    }

    std::string File(bool interlaced) const {
        std::string chunks = Ihdr(std::uint32_t(Width), std::uint32_t(Height), Depth, ColorType, interlaced ? 1 : 0);
        if (ColorType == 3) chunks += Chunk("PLTE", Palette());
        chunks += Chunk("IDAT", Deflate(ImageData(interlaced))) + Iend();
        return Signature() + chunks;
    }
};

}  // namespace fixture
