// Transparency and gamma drawn as the file format defines them: small
// pictures made here, drawn over black and over white, compared pixel by pixel
// with the format's rule, then saved, reloaded and drawn again.
#include "PngFixtures.h"

#include "png/chunks/PngHeaderChunk.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

using namespace fixture;

namespace {

using TSamples = std::vector<unsigned>;  // the channels of one pixel

constexpr std::uint32_t Black = 0x000000, White = 0xFFFFFF;

// A picture of any colour type and depth from its samples, one row per vector.
struct TTestPicture {
    int Depth, ColorType;
    std::vector<std::vector<TSamples>> Rows;
    std::string ChunksBeforeData;  // gAMA, PLTE, tRNS as the case needs
    bool Interlaced = false;

    int Width() const { return int(Rows[0].size()); }
    int Height() const { return int(Rows.size()); }

    std::string FileRow(int y, int first, int step) const {
        std::string row;
        unsigned acc = 0;
        int bits = 0;
        for (int x = first; x < Width(); x += step)
            for (unsigned v : Rows[std::size_t(y)][std::size_t(x)]) {
                if (Depth == 16) {
                    row += Bytes({int(v >> 8), int(v & 255)});
                    continue;
                }
                acc = (acc << Depth) | v;
                bits += Depth;
                if (bits == 8) {
                    row.push_back(char(acc));
                    acc = 0;
                    bits = 0;
                }
            }
        if (bits > 0) row.push_back(char(acc << (8 - bits)));
        return row;
    }

    std::string File() const {
        static const int passes[7][4] = {{0, 8, 0, 8}, {0, 8, 4, 8}, {4, 8, 0, 4}, {0, 4, 2, 4},
                                         {2, 4, 0, 2}, {0, 2, 1, 2}, {1, 2, 0, 1}};
        std::string data;
        if (!Interlaced) {
            for (int y = 0; y < Height(); ++y) data += '\0' + FileRow(y, 0, 1);
        } else {
            for (const auto& p : passes) {
                if (p[2] >= Width()) continue;
                for (int y = p[0]; y < Height(); y += p[1]) data += '\0' + FileRow(y, p[2], p[3]);
            }
        }
        return Signature() + Ihdr(std::uint32_t(Width()), std::uint32_t(Height()), Depth, ColorType, Interlaced ? 1 : 0) +
               ChunksBeforeData + Chunk("IDAT", Deflate(data)) + Iend();
    }
};

// What a picture shows over a background of one colour, 0x00RRGGBB per pixel.
std::vector<std::uint32_t> DrawnOver(TPngPicture& picture, std::uint32_t background) {
    TBitmap bitmap(picture.Width(), picture.Height(), TPixelFormat::pf32bit);
    for (int y = 0; y < picture.Height(); ++y) {
        auto* pixels = static_cast<std::uint32_t*>(bitmap.ScanLine(y));
        for (int x = 0; x < picture.Width(); ++x) pixels[x] = background;
    }
    bitmap.Canvas()->Draw(0, 0, &picture);
    std::vector<std::uint32_t> shown;
    for (int y = 0; y < picture.Height(); ++y) {
        auto* pixels = static_cast<std::uint32_t*>(bitmap.ScanLine(y));
        for (int x = 0; x < picture.Width(); ++x) shown.push_back(pixels[x] & 0xFFFFFF);
    }
    return shown;
}

// The level a sample shows at: the file's gamma (× 100000, 0 for none)
// taken to a display of 2.2, as the format defines it.
double ShownLevel(unsigned sample, unsigned largest, std::uint32_t gamma) {
    double v = double(sample) / largest;
    if (gamma != 0) v = std::pow(v, 1.0 / (gamma / 100000.0 * 2.2));
    return v * 255;
}

// Alpha composition by the format: a × colour + (1 − a) × background.
double Composed(double level, double alpha, unsigned background) { return alpha * level + (1 - alpha) * background; }

// Channels of a drawn pixel within one level of the expected ones (the
// codec keeps whole levels; its blending divides by 256, not 255).
constexpr double OneLevel = 1.01;

void ExpectNear(std::uint32_t drawn, const std::array<double, 3>& expected, const std::string& where) {
    const unsigned channels[3] = {(drawn >> 16) & 255, (drawn >> 8) & 255, drawn & 255};
    for (int c = 0; c < 3; ++c)
        EXPECT_LE(std::abs(double(channels[c]) - expected[std::size_t(c)]), OneLevel)
            << where << " channel " << c << ": drawn " << channels[c] << ", expected " << expected[std::size_t(c)];
}

// Every pixel drawn over black and over white as `expected` says: the colour
// levels and alpha of the pixel by the format's rule.
using TExpectation = std::function<std::pair<std::array<double, 3>, double>(int x, int y)>;

void ExpectDrawnByTheRule(TPngPicture& picture, const TExpectation& expected) {
    for (std::uint32_t background : {Black, White}) {
        const std::vector<std::uint32_t> drawn = DrawnOver(picture, background);
        const unsigned b = background & 255;
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x) {
                const auto [levels, alpha] = expected(x, y);
                std::array<double, 3> composed;
                for (int c = 0; c < 3; ++c) composed[std::size_t(c)] = Composed(levels[std::size_t(c)], alpha, b);
                ExpectNear(drawn[std::size_t(y * picture.Width() + x)], composed,
                           "(" + std::to_string(x) + ", " + std::to_string(y) + ") over " + (b ? "white" : "black"));
            }
    }
}

// Saving and loading again draws the same pixels over both backgrounds.
void ExpectSameAfterSaving(TPngPicture& picture) {
    auto reloaded = Load(Save(picture));
    for (std::uint32_t background : {Black, White})
        EXPECT_EQ(DrawnOver(*reloaded, background), DrawnOver(picture, background))
            << "after reloading, over " << (background ? "white" : "black");
}

// ---- colour keys of grey and RGB pictures ----

struct KeyCase {
    const char* Name;
    TTestPicture Picture;
    std::uint32_t Gamma;  // × 100000, 0 for none
    TSamples Key;
};

std::string KeyChunks(const TSamples& key, std::uint32_t gamma) {
    std::string trns;
    for (unsigned k : key) trns += Bytes({int(k >> 8), int(k & 255)});
    return (gamma ? Chunk("gAMA", Be32(gamma)) : "") + Chunk("tRNS", trns);
}

KeyCase Keyed(const char* name, int depth, int colorType, std::vector<std::vector<TSamples>> rows, TSamples key,
              std::uint32_t gamma = 0, bool interlaced = false) {
    return {name, {depth, colorType, std::move(rows), KeyChunks(key, gamma), interlaced}, gamma, std::move(key)};
}

const KeyCase KeyCases[] = {
    // The key's pixel only: not one whose high bytes are the key's low bytes.
    Keyed("rgb16_key_1234_5678_9ABC", 16, 2,
          {{{0x1234, 0x5678, 0x9ABC}, {0x1235, 0x5678, 0x9ABC}, {0x3400, 0x7800, 0xBC00}, {0x1234, 0x5678, 0x9ABD},
            {0xFFFF, 0, 0}}},
          {0x1234, 0x5678, 0x9ABC}),
    Keyed("grey2_key_1", 2, 0, {{{0}, {1}, {2}, {3}, {1}}}, {1}),
    Keyed("grey2_key_1_interlaced", 2, 0,
          {{{1}, {0}, {1}, {2}, {3}, {1}}, {{3}, {1}, {1}, {0}, {1}, {2}}, {{1}, {2}, {3}, {1}, {0}, {1}}}, {1}, 0, true),
    // Gamma lifts 0xFE to 255, the shown level of the key; the sample still differs.
    Keyed("grey8_key_FF_under_gamma", 8, 0, {{{0xFE}, {0xFF}, {0x00}, {0x80}}}, {0xFF}, 100000),
    Keyed("rgb8_key_under_gamma", 8, 2, {{{0xFE, 0x10, 0x80}, {0xFF, 0x10, 0x80}, {0xFF, 0x10, 0x81}}}, {0xFF, 0x10, 0x80},
          100000),
    // A key beyond the samples of the depth is no sample's.
    Keyed("grey8_key_beyond_the_depth", 8, 0, {{{0x01}, {0x00}, {0xFF}}}, {0x0101}),
    Keyed("grey16_key_00FF", 16, 0, {{{0x00FF}, {0xFF00}, {0xFFFF}}}, {0x00FF}),
    Keyed("grey4_key_9", 4, 0, {{{9}, {8}, {15}, {9}, {0}}}, {9}),
    Keyed("grey1_key_0", 1, 0, {{{0}, {1}, {1}, {0}, {1}, {0}, {0}, {1}, {0}}}, {0}),
    Keyed("rgb16_key_under_gamma", 16, 2, {{{0xFF00, 0, 0}, {0xFFFF, 0, 0}, {0xFEFF, 0, 0}}}, {0xFFFF, 0, 0}, 100000),
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.Name; }

class ColorKey : public testing::TestWithParam<KeyCase> {};

TEST_P(ColorKey, PixelsAreTransparentExactlyWhereTheirSamplesEqualTheKey) {
    const KeyCase& c = GetParam();
    auto picture = Load(c.Picture.File());
    ASSERT_EQ(picture->TransparencyKind(), 1);
    const unsigned largest = (1u << c.Picture.Depth) - 1;
    ExpectDrawnByTheRule(*picture, [&](int x, int y) {
        const TSamples& s = c.Picture.Rows[std::size_t(y)][std::size_t(x)];
        std::array<double, 3> levels;
        for (int ch = 0; ch < 3; ++ch)
            levels[std::size_t(ch)] = ShownLevel(s[s.size() == 3 ? std::size_t(ch) : 0], largest, c.Gamma);
        return std::make_pair(levels, s == c.Key ? 0.0 : 1.0);
    });
    ExpectSameAfterSaving(*picture);
}

INSTANTIATE_TEST_SUITE_P(Pictures, ColorKey, testing::ValuesIn(KeyCases), [](const auto& info) { return info.param.Name; });

// The gamma table keeps whole levels: at 16 bits the high byte decides, which
// the format's rule meets within a level only where gamma is gentle. The
// 16-bit case above keys at full scale; here the premise of the gamma cases.
TEST(ColorKey, GammaOfTheCasesLiftsTheSampleBelowTheKeyToTheKeysLevel) {
    auto picture = Load(KeyCases[3].Picture.File());
    EXPECT_EQ(picture->GammaTable[0xFE], 255);
    EXPECT_EQ(picture->ReadPixelColor(0, 0), picture->ReadPixelColor(1, 0));
}

TEST(ColorKey, A16BitKeyedPictureIsSavedWithItsSamplesWhole) {
    auto picture = Load(KeyCases[0].Picture.File());
    picture->RowFilters = TFilterSet(1u << pfNone);
    const std::string saved = Save(*picture);
    EXPECT_EQ(ImageDataOf(saved), '\0' + KeyCases[0].Picture.FileRow(0, 0, 1));
}

TEST(ColorKey, A2BitGreyPictureWrittenAs4BitsKeepsItsKeyOnItsSamples) {
    const KeyCase& c = KeyCases[1];
    auto reloaded = Load(Save(*Load(c.Picture.File())));
    EXPECT_EQ(reloaded->HeaderChunk().BitDepth, 4);
    ASSERT_EQ(reloaded->HeaderChunk().ColorKeyMask.Size(), 5u);
    for (int x = 0; x < 5; ++x) EXPECT_EQ(reloaded->HeaderChunk().ColorKeyRow(0)[x] != 0, c.Picture.Rows[0][std::size_t(x)][0] == 1) << x;
}

// Levels that gamma merges are written back alike; the opaque one must not
// come back as the key.
TEST(ColorKey, AnOpaquePixelWrittenBackAsTheKeyStaysOpaque) {
    const KeyCase& c = KeyCases[4];
    auto picture = Load(c.Picture.File());
    ASSERT_EQ(picture->InverseGammaTable[picture->GammaTable[0xFE]], 0xFF);
    auto reloaded = Load(Save(*picture));
    const std::vector<std::uint32_t> overWhite = DrawnOver(*reloaded, White);
    EXPECT_NE(overWhite[0], White);
    EXPECT_EQ(overWhite[1], White);
    EXPECT_EQ(overWhite[0], DrawnOver(*reloaded, Black)[0]);
}

TEST(ColorKey, APixelWrittenInTheKeysColourBecomesTransparent) {
    auto picture = Load(Keyed("rgb8", 8, 2, {{{1, 2, 3}, {4, 5, 6}}}, {4, 5, 6}).Picture.File());
    picture->WritePixelColor(0, 0, RgbColor(4, 5, 6));
    picture->WritePixelColor(1, 0, RgbColor(7, 8, 9));
    EXPECT_EQ(DrawnOver(*picture, White), (std::vector<std::uint32_t>{White, 0x070809}));
    ExpectSameAfterSaving(*picture);
}

// ---- palette pictures: each entry with its own alpha ----

struct PaletteCase {
    const char* Name;
    std::vector<std::array<unsigned, 3>> Entries;
    std::vector<unsigned> Alphas;  // tRNS; missing entries are opaque
    std::vector<unsigned> Indices;
};

const PaletteCase PaletteCases[] = {
    // One entry half transparent: blended, and black stays opaque black.
    {"one_partial_entry", {{0, 0, 0}, {200, 100, 0}, {0, 0, 255}}, {255, 128}, {0, 1, 2, 1, 0}},
    // The transparent entry shares its colour with an opaque one.
    {"transparent_entry_with_an_opaque_twin", {{10, 20, 30}, {10, 20, 30}, {90, 90, 90}}, {0}, {0, 1, 2, 0}},
    {"several_alphas", {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {0, 0, 0}}, {0, 64, 192, 255}, {3, 2, 1, 0}},
};

void PrintTo(const PaletteCase& c, std::ostream* os) { *os << c.Name; }

class PaletteAlpha : public testing::TestWithParam<PaletteCase> {};

TEST_P(PaletteAlpha, EachEntryDrawsWithItsOwnAlpha) {
    const PaletteCase& c = GetParam();
    std::string plte, trns;
    for (const auto& e : c.Entries) plte += Bytes({int(e[0]), int(e[1]), int(e[2])});
    for (unsigned a : c.Alphas) trns += char(a);
    TTestPicture file{8, 3, {{}}, Chunk("PLTE", plte) + Chunk("tRNS", trns)};
    for (unsigned i : c.Indices) file.Rows[0].push_back({i});
    auto picture = Load(file.File());
    ExpectDrawnByTheRule(*picture, [&](int x, int) {
        const unsigned i = c.Indices[std::size_t(x)];
        const auto& e = c.Entries[i];
        const double alpha = (i < c.Alphas.size() ? c.Alphas[i] : 255) / 255.0;
        return std::make_pair(std::array<double, 3>{double(e[0]), double(e[1]), double(e[2])}, alpha);
    });
    ExpectSameAfterSaving(*picture);
}

INSTANTIATE_TEST_SUITE_P(Pictures, PaletteAlpha, testing::ValuesIn(PaletteCases), [](const auto& info) { return info.param.Name; });

// ---- gamma on grey with alpha, as on grey without ----

struct GreyAlphaCase {
    const char* Name;
    int Depth;
    std::uint32_t Gamma;
    std::vector<TSamples> Pixels;  // grey, alpha
};

const GreyAlphaCase GreyAlphaCases[] = {
    {"depth8_gamma", 8, 100000, {{64, 255}, {64, 128}, {200, 0}, {255, 255}, {0, 255}, {128, 64}}},
    {"depth8_dark_gamma", 8, 20000, {{64, 255}, {192, 128}, {250, 255}}},
    {"depth16_gamma", 16, 100000, {{0x4040, 0xFFFF}, {0x8080, 0x8080}, {0xFFFF, 0}, {0xC0C0, 0xFFFF}}},
    {"depth8_no_gamma", 8, 0, {{64, 255}, {64, 128}}},
};

void PrintTo(const GreyAlphaCase& c, std::ostream* os) { *os << c.Name; }

class GreyAlphaGamma : public testing::TestWithParam<GreyAlphaCase> {};

TEST_P(GreyAlphaGamma, IsDrawnWithTheFilesGamma) {
    const GreyAlphaCase& c = GetParam();
    const std::string gamma = c.Gamma ? Chunk("gAMA", Be32(c.Gamma)) : "";
    TTestPicture withAlpha{c.Depth, 4, {c.Pixels}, gamma};
    auto picture = Load(withAlpha.File());
    ExpectDrawnByTheRule(*picture, [&](int x, int) {
        const TSamples& s = c.Pixels[std::size_t(x)];
        // The alpha plane keeps 8 bits: the high byte of a 16-bit alpha.
        const double alpha = (c.Depth == 16 ? s[1] >> 8 : s[1]) / 255.0;
        const double level = ShownLevel(c.Depth == 16 ? s[0] >> 8 : s[0], 255, c.Gamma);
        return std::make_pair(std::array<double, 3>{level, level, level}, alpha);
    });

    // The same picture without alpha shows the same colours.
    TTestPicture withoutAlpha{c.Depth, 0, {{}}, gamma};
    for (const auto& s : c.Pixels) withoutAlpha.Rows[0].push_back({s[0]});
    auto grey = Load(withoutAlpha.File());
    for (int x = 0; x < picture->Width(); ++x) EXPECT_EQ(picture->ReadPixelColor(x, 0), grey->ReadPixelColor(x, 0)) << x;
    ExpectSameAfterSaving(*picture);
}

INSTANTIATE_TEST_SUITE_P(Pictures, GreyAlphaGamma, testing::ValuesIn(GreyAlphaCases), [](const auto& info) { return info.param.Name; });

}  // namespace
