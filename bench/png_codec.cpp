// module: png PNG::PNG
// Decoding and encoding a 1920 × 1080 RGBA picture with the codec and with
// the reference PNG library at the same settings (filter Sub on every row,
// deflate level 7); the last lines give the codec's CPU time over the reference's.
#include "png/PngPicture.h"
#include "ui/core/MemoryStream.h"

#include <benchmark/benchmark.h>
#include <png.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int Width = 1920;
constexpr int Height = 1080;

// A screen-like picture: smooth gradients, flat areas and some grain.
std::vector<std::uint8_t> MakePixels() {
    std::vector<std::uint8_t> rgba(std::size_t(Width) * Height * 4);
    std::uint32_t grain = 1;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            std::uint8_t* p = &rgba[(std::size_t(y) * Width + x) * 4];
            grain = grain * 1664525u + 1013904223u;
            bool flat = (x / 240 + y / 135) % 3 == 0;
            p[0] = flat ? 40 : std::uint8_t(x * 255 / Width);
            p[1] = flat ? 90 : std::uint8_t(y * 255 / Height);
            p[2] = flat ? 160 : std::uint8_t((x + y) / 12 + (grain >> 29));
            p[3] = std::uint8_t(x < 960 ? 255 : 128 + y % 128);
        }
    return rgba;
}

struct MemoryWriter {
    std::string bytes;
    static void Write(png_structp png, png_bytep data, png_size_t length) {
        static_cast<MemoryWriter*>(png_get_io_ptr(png))->bytes.append(reinterpret_cast<char*>(data), length);
    }
    static void Flush(png_structp) {}
};

std::string ReferenceEncode(const std::vector<std::uint8_t>& rgba) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    MemoryWriter writer;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("reference encoder failed");
    }
    png_set_write_fn(png, &writer, MemoryWriter::Write, MemoryWriter::Flush);
    png_set_IHDR(png, info, Width, Height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, 0, PNG_FILTER_SUB);
    png_set_compression_level(png, 7);
    png_write_info(png, info);
    for (int y = 0; y < Height; ++y) png_write_row(png, &rgba[std::size_t(y) * Width * 4]);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return writer.bytes;
}

void ReferenceDecode(const std::string& file, std::vector<std::uint8_t>& rgba) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, file.data(), file.size()))
        throw std::runtime_error("reference decoder failed");
    image.format = PNG_FORMAT_RGBA;
    rgba.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr))
        throw std::runtime_error("reference decoder failed");
}

const std::vector<std::uint8_t>& Pixels() {
    static const auto pixels = MakePixels();
    return pixels;
}

// The same picture as a file, written by the reference library.
const std::string& PictureFile() {
    static const std::string file = ReferenceEncode(Pixels());
    return file;
}

void BM_Decode_Codec(benchmark::State& state) {
    for (auto _ : state) {
        TPngPicture picture;
        TStringStream stream(PictureFile());
        picture.LoadFromStream(stream);
        benchmark::DoNotOptimize(picture.RowAddress(0));
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * Width * Height * 4);
}
BENCHMARK(BM_Decode_Codec)->Unit(benchmark::kMillisecond);

void BM_Decode_Reference(benchmark::State& state) {
    std::vector<std::uint8_t> rgba;
    for (auto _ : state) {
        ReferenceDecode(PictureFile(), rgba);
        benchmark::DoNotOptimize(rgba.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * Width * Height * 4);
}
BENCHMARK(BM_Decode_Reference)->Unit(benchmark::kMillisecond);

void BM_Encode_Codec(benchmark::State& state) {
    TPngPicture picture;
    TStringStream input(PictureFile());
    picture.LoadFromStream(input);
    std::size_t size = 0;
    for (auto _ : state) {
        TMemoryStream output;
        picture.SaveToStream(output);
        size = std::size_t(output.Size());
    }
    state.counters["file_bytes"] = double(size);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * Width * Height * 4);
}
BENCHMARK(BM_Encode_Codec)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_Encode_Reference(benchmark::State& state) {
    std::size_t size = 0;
    for (auto _ : state) size = ReferenceEncode(Pixels()).size();
    state.counters["file_bytes"] = double(size);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * Width * Height * 4);
}
BENCHMARK(BM_Encode_Reference)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// Keeps each run's time per iteration so that the ratios can be printed after.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs)
            if (run.run_type == Run::RT_Iteration) times_[run.run_name.function_name] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void PrintRatio(const char* what, const std::string& codec, const std::string& reference) const {
        auto c = times_.find(codec), r = times_.find(reference);
        if (c == times_.end() || r == times_.end() || r->second <= 0) return;
        std::printf("%s: codec / reference CPU time = %.2f\n", what, c->second / r->second);
    }

private:
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    PictureFile();  // made once before timing starts
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("decode 1920x1080 RGBA", "BM_Decode_Codec", "BM_Decode_Reference");
    reporter.PrintRatio("encode 1920x1080 RGBA", "BM_Encode_Codec", "BM_Encode_Reference");
    benchmark::Shutdown();
    return 0;
}
