// Damaged files end in the codec's error with its exact text, never in a
// crash or a loop.
#include "SampleImages.h"

#include "png/codec/PngExceptions.h"

#include <functional>
#include <gtest/gtest.h>

using namespace fixture;

namespace {

const std::string CrcText =
    "This \"Portable Network Graphics\" image is not valid because it contains invalid pieces of data (crc error)";
const std::string ZlibPrefix = "Could not decompress the image because it contains invalid compressed data.\r\n Description: ";

std::string GoodData() { return Chunk("IDAT", Deflate(Bytes({0, 1, 2, 3}))); }  // one 1 × 1 RGB row

std::string WithCorruptByte(std::string file, std::size_t at) {
    file[at] = char(file[at] ^ 0x40);
    return file;
}

// A zlib stream that asks for a preset dictionary.
std::string DictionaryStream() {
    z_stream z{};
    deflateInit(&z, 6);
    const char dict[] = "dictionary";
    deflateSetDictionary(&z, reinterpret_cast<const Bytef*>(dict), sizeof dict);
    std::string raw = Bytes({0, 1, 2, 3});
    std::string out(64, '\0');
    z.next_in = reinterpret_cast<Bytef*>(raw.data());
    z.avail_in = uInt(raw.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    deflate(&z, Z_FINISH);
    out.resize(out.size() - z.avail_out);
    deflateEnd(&z);
    return out;
}

struct DamagedFile {
    const char* Name;
    std::function<std::string()> Make;
    std::string Message;
};

const DamagedFile DamagedFiles[] = {
    {"bad signature", [] { return "\x89PNG\r\n\x1A\x0B" + Ihdr(1, 1, 8, 2) + GoodData() + Iend(); },
     "The file being readed is not a valid \"Portable Network Graphics\" image because it contains an invalid "
     "header. This file may be corruped, try obtaining it again."},
    {"shorter than the signature", [] { return std::string("\x89PNG"); },
     "The file being readed is not a valid \"Portable Network Graphics\" image because it contains an invalid "
     "header. This file may be corruped, try obtaining it again."},
    {"ends after the header", [] { return File({Ihdr(1, 1, 8, 2)}); },
     "This \"Portable Network Graphics\" image is invalid because the decoder found an unexpected end of the file."},
    {"ends inside a length field", [] { return File({Ihdr(1, 1, 8, 2)}) + Bytes({0, 0}); },
     "This \"Portable Network Graphics\" image is invalid because the decoder found an unexpected end of the file."},
    {"palette first", [] { return File({Chunk("PLTE", Bytes({1, 2, 3})), Ihdr(1, 1, 8, 3), GoodData(), Iend()}); },
     "This \"Portable Network Graphics\" image is not supported or it might be invalid.\r\n(IHDR chunk is not the first)"},
    {"unknown critical chunk", [] { return File({Ihdr(1, 1, 8, 2), Chunk("ABCD", "x"), GoodData(), Iend()}); },
     "This \"Portable Network Graphics\" image contains an unknown critical part which could not be decoded."},
    {"header CRC", [] { return WithCorruptByte(File({Ihdr(1, 1, 8, 2), GoodData(), Iend()}), 8 + 8 + 3); }, CrcText},
    {"chunk data cut short", [] { return File({Ihdr(1, 1, 8, 2)}) + Be32(100) + "tEXtabc"; }, CrcText},
    {"no image data", [] { return File({Ihdr(1, 1, 8, 2), Iend()}); },
     "This \"Portable Network Graphics\" image contains no data."},
    {"largest width passes the size test", [] { return File({Ihdr(65535, 16, 8, 6), Iend()}); },
     "This \"Portable Network Graphics\" image contains no data."},
    {"largest height passes the size test", [] { return File({Ihdr(16, 65535, 16, 6), Iend()}); },
     "This \"Portable Network Graphics\" image contains no data."},
    {"largest width and height pass the size test but not the memory limit",
     [] { return File({Ihdr(65535, 65535, 1, 0), Iend()}); },
     "Some operation could not be performed because the system is out of resources. Close some windows and try again."},
    {"header of 12 bytes", [] { return File({Chunk("IHDR", Be32(1) + Be32(1) + Bytes({8, 2, 0, 0})), GoodData(), Iend()}); },
     "The \"Portable Network Graphics\" image could not be loaded because one of its main piece of data (ihdr) might "
     "be corrupted"},
    // Found by fuzzing: a later header of 46 341 × 65 283 pixels made the loader allocate 9 GB.
    {"second header", [] { return File({Ihdr(5, 4, 8, 6), Chunk("tEXt", "note"), Ihdr(46341, 65283, 8, 6), Iend()}); },
     "The \"Portable Network Graphics\" image could not be loaded because one of its main piece of data (ihdr) might "
     "be corrupted"},
    {"width 0", [] { return File({Ihdr(0, 1, 8, 2), GoodData(), Iend()}); },
     "The \"Portable Network Graphics\" image could not be loaded because one of its main piece of data (ihdr) might "
     "be corrupted"},
    {"RGB of 4 bits", [] { return File({Ihdr(1, 1, 4, 2), GoodData(), Iend()}); },
     "The \"Portable Network Graphics\" image could not be loaded because one of its main piece of data (ihdr) might "
     "be corrupted"},
    {"colour type 5", [] { return File({Ihdr(1, 1, 8, 5), GoodData(), Iend()}); },
     "The \"Portable Network Graphics\" image could not be loaded because one of its main piece of data (ihdr) might "
     "be corrupted"},
    {"width 65536", [] { return File({Ihdr(65536, 1, 8, 2), GoodData(), Iend()}); },
     "This \"Portable Network Graphics\" image is not supported because either it's width or height exceeds the "
     "maximum size, which is 65535 pixels length."},
    {"height 0xFFFFFFFF", [] { return File({Ihdr(1, 0xFFFFFFFF, 8, 2), GoodData(), Iend()}); },
     "This \"Portable Network Graphics\" image is not supported because either it's width or height exceeds the "
     "maximum size, which is 65535 pixels length."},
    {"compression method 1", [] { return File({Ihdr(1, 1, 8, 2, 0, 1), GoodData(), Iend()}); },
     "This \"Portable Network Graphics\" image is encoded with an unknown compression scheme which could not be "
     "decoded."},
    {"interlace method 2", [] { return File({Ihdr(1, 1, 8, 2, 2), GoodData(), Iend()}); },
     "This \"Portable Network Graphics\" image uses an unknown interlace scheme which could not be decoded."},
    {"palette of 5 bytes", [] { return File({Ihdr(1, 1, 8, 3), Chunk("PLTE", "12345"), GoodData(), Iend()}); },
     "The \"Portable Network Graphics\" image contains an invalid palette."},
    {"palette of 257 entries", [] { return File({Ihdr(1, 1, 8, 3), Chunk("PLTE", std::string(771, 'p')), GoodData(), Iend()}); },
     "The \"Portable Network Graphics\" image contains an invalid palette."},
    {"transparency of 257 bytes", [] { return File({Ihdr(1, 1, 8, 3), Chunk("tRNS", std::string(257, 'a')), GoodData(), Iend()}); },
     "The \"Portable Network Graphics\" image contains an invalid palette."},
    {"text inside the image data",
     [] {
         std::string z = Deflate(Bytes({0, 1, 2, 3, 0, 4, 5, 6}));
         return File({Ihdr(1, 2, 8, 2), Chunk("IDAT", z.substr(0, 4)), Chunk("tEXt", "note"), Chunk("IDAT", z.substr(4)), Iend()});
     },
     "This \"Portable Network Graphics\" image is invalid because it has missing image parts."},
    {"damaged zlib data", [] { return File({Ihdr(1, 1, 8, 2), Chunk("IDAT", Bytes({0x78, 0x9C, 0xFF, 0xFF, 0xFF})), Iend()}); },
     ZlibPrefix + "data error (-3)"},
    {"zlib stream wants a dictionary", [] { return File({Ihdr(1, 1, 8, 2), Chunk("IDAT", DictionaryStream()), Iend()}); },
     ZlibPrefix + "need dictionary (2)"},
    {"zlib stream ends before the last row",
     [] { return File({Ihdr(1, 2, 8, 2), Chunk("IDAT", Deflate(Bytes({0, 1, 2, 3})) + "more"), Iend()}); },
     ZlibPrefix + "stream end (1)"},
    {"second of three data chunks corrupted",
     [] {
         std::string z = Deflate(TSampleImage{40, 40, 2, 8}.ImageData(false), 0);
         std::size_t third = z.size() / 3;
         std::string second = Chunk("IDAT", z.substr(third, third));
         second[20] = char(second[20] ^ 1);
         return File({Ihdr(40, 40, 8, 2), Chunk("IDAT", z.substr(0, third)), second, Chunk("IDAT", z.substr(2 * third)), Iend()});
     },
     CrcText},
    {"file cut inside the image data",
     [] {
         std::string file = TSampleImage{40, 40, 6, 8}.File(false);
         return file.substr(0, file.size() / 2);
     },
     CrcText},
    {"file cut inside a data chunk's CRC",
     [] {
         std::string z = Deflate(TSampleImage{4, 4, 2, 8}.ImageData(false));
         std::string file = File({Ihdr(4, 4, 8, 2), Chunk("IDAT", z.substr(0, 10))});
         return file.substr(0, file.size() - 2);
     },
     CrcText},
    {"data continues into a chunk cut short",
     [] {
         std::string z = Deflate(TSampleImage{4, 4, 2, 8}.ImageData(false));
         return File({Ihdr(4, 4, 8, 2), Chunk("IDAT", z.substr(0, 10))}) + Be32(5) + "ID";
     },
     "This \"Portable Network Graphics\" image is invalid because the decoder found an unexpected end of the file."},
};

class LoadDamagedFile : public testing::TestWithParam<DamagedFile> {};

TEST_P(LoadDamagedFile, RaisesTheCodecErrorWithItsText) {
    const DamagedFile& damaged = GetParam();
    try {
        Load(damaged.Make());
        ADD_FAILURE() << "loaded without an error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), damaged.Message);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, LoadDamagedFile, testing::ValuesIn(DamagedFiles), [](const auto& info) {
    std::string name;
    for (char c : std::string(info.param.Name)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

TEST(LoadDamagedFile, ErrorsHaveTheirOwnClasses) {
    EXPECT_THROW(Load(File({Ihdr(1, 1, 8, 2), Iend()})), EPNGNoImageData);
    EXPECT_THROW(Load(File({Ihdr(1, 1, 8, 2)})), EPngUnexpectedEnd);
    EXPECT_THROW(Load(File({Chunk("PLTE", "abc")})), EPNGIHDRNotFirst);
    EXPECT_THROW(Load(File({Ihdr(1, 1, 8, 2), Chunk("IDAT", "xx"), Iend()})), EPNGZLIBError);
}

TEST(LoadDamagedFile, KeepsTheChunksReadBeforeTheFailure) {
    TPngPicture picture;
    TStringStream palette(File({Chunk("PLTE", "abc"), Ihdr(1, 1, 8, 2)}));
    EXPECT_THROW(picture.LoadFromStream(palette), EPNGIHDRNotFirst);
    EXPECT_TRUE(picture.Empty());

    TStringStream badPalette(File({Ihdr(1, 1, 8, 3), Chunk("tEXt", "note"), Chunk("PLTE", "12345")}));
    EXPECT_THROW(picture.LoadFromStream(badPalette), EPNGInvalidPalette);
    EXPECT_EQ(picture.ChunkList.Count(), 3u);
    EXPECT_EQ(picture.Width(), 1);
}

}  // namespace
