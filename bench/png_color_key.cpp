// module: png ZLIB::ZLIB
// What a colour key costs: decoding, drawing and saving a 1920 × 1080 RGB
// picture with and without a tRNS key (the key mask is found while decoding
// and written back exactly), and how fast an oversized header is refused.
#include "png/PngPicture.h"
#include "png/codec/PngExceptions.h"
#include "png/image/PngDrawing.h"
#include "ui/core/MemoryStream.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <string>
#include <vector>

namespace {

constexpr int Width = 1920;
constexpr int Height = 1080;

std::string Be32(std::uint32_t v) {
    return {char(v >> 24), char((v >> 16) & 255), char((v >> 8) & 255), char(v & 255)};
}

std::string Chunk(const std::string& type, const std::string& data) {
    std::string typeAndData = type + data;
    auto crc = std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(typeAndData.data()), uInt(typeAndData.size())));
    return Be32(std::uint32_t(data.size())) + typeAndData + Be32(crc);
}

std::string Deflate(const std::string& raw) {
    uLongf size = compressBound(uLong(raw.size()));
    std::string out(size, '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(raw.data()), uLong(raw.size()), 7);
    out.resize(size);
    return out;
}

// A chart-like picture: a flat background (the key's colour) with lines.
std::string Header(std::uint32_t width, std::uint32_t height) {
    return "\x89PNG\r\n\x1A\n" + Chunk("IHDR", Be32(width) + Be32(height) + std::string{8, 2, 0, 0, 0});
}

std::string PictureFile(bool keyed) {
    std::string rows;
    for (int y = 0; y < Height; ++y) {
        rows += '\0';
        for (int x = 0; x < Width; ++x) {
            const bool line = (x + y) % 97 < 2 || y % 120 == 0;
            rows += line ? std::string{char(20), char(90), char(200)} : std::string{char(255), char(255), char(255)};
        }
    }
    std::string file = Header(Width, Height);
    if (keyed) file += Chunk("tRNS", std::string{0, char(255), 0, char(255), 0, char(255)});
    return file + Chunk("IDAT", Deflate(rows)) + Chunk("IEND", "");
}

void Decode(benchmark::State& state) {
    const std::string file = PictureFile(state.range(0) != 0);
    for (auto _ : state) {
        TPngPicture picture;
        TStringStream stream(file);
        picture.LoadFromStream(stream);
        benchmark::DoNotOptimize(picture.Width());
    }
}
BENCHMARK(Decode)->Arg(0)->Arg(1)->ArgName("keyed")->Unit(benchmark::kMillisecond);

void Draw(benchmark::State& state) {
    TPngPicture picture;
    TStringStream stream(PictureFile(state.range(0) != 0));
    picture.LoadFromStream(stream);
    std::vector<std::uint32_t> pixels(std::size_t(Width) * Height);
    for (auto _ : state) {
        const TPixelTarget target{pixels.data(), Width, Height, std::size_t(Width)};
        if (state.range(0)) DrawColorKeyedOnto(picture, target);
        else StretchPictureOnto(picture, target);
        benchmark::DoNotOptimize(pixels.data());
    }
}
BENCHMARK(Draw)->Arg(0)->Arg(1)->ArgName("keyed")->Unit(benchmark::kMillisecond);

void Save(benchmark::State& state) {
    TPngPicture picture;
    TStringStream input(PictureFile(state.range(0) != 0));
    picture.LoadFromStream(input);
    for (auto _ : state) {
        TStringStream output;
        picture.SaveToStream(output);
        benchmark::DoNotOptimize(output.Position());
    }
}
BENCHMARK(Save)->Arg(0)->Arg(1)->ArgName("keyed")->Unit(benchmark::kMillisecond);

void RefuseOversizedHeader(benchmark::State& state) {
    const std::string file = Header(65535, 65535) + Chunk("IEND", "");
    for (auto _ : state) {
        TPngPicture picture;
        TStringStream stream(file);
        try {
            picture.LoadFromStream(stream);
        } catch (const EPNGOutMemory&) {
            benchmark::ClobberMemory();
        }
    }
}
BENCHMARK(RefuseOversizedHeader)->Unit(benchmark::kMicrosecond);

}  // namespace
