#include "skin/core/package/SkinPackage.h"
#include "skin/core/package/ZStreams.h"

#include "tests/support/TempFolder.h"

#include "ui/core/Exceptions.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

std::string Bytes(std::size_t n, int seed) {
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>((i * 7 + seed) % 251 + (i % 13 == 0 ? 1 : 0));
    return s;
}

const std::vector<TSkPackageEntry> kEntries{
    {"Options.dat", "[GLOBALINFO]\r\nVERSION=8\r\nMASTERBITMAP=MASTER.BMP\r\n"},
    {"ButtonHuge.bmp", Bytes(3000, 1)},
    {"Master.bmp", Bytes(70000, 2)},  // more than one input buffer
    {"readme.txt", ""},
};

std::unique_ptr<TxSkinConvertor> ReaderOver(const std::string& package, TMemoryStream& source) {
    source.Clear();
    source.WriteBuffer(package.data(), static_cast<std::int64_t>(package.size()));
    auto reader = std::make_unique<TxSkinConvertor>();
    reader->SourceStream = &source;
    return reader;
}

std::string Text(TMemoryStream& s) { return std::string(s.Memory(), static_cast<std::size_t>(s.Size())); }

// Where a package's fields lie, to damage them one by one.
std::size_t FirstSizeOffset() { return 4 + 4 + 4 + kEntries[0].Name.size(); }

}  // namespace

TEST(SkinPackage, ReadsWhatTheWriterPacked) {
    std::string package = WriteSkinPackage(kEntries);
    TMemoryStream source;
    auto reader = ReaderOver(package, source);
    ReadSkinPackage(reader);
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->ItemCount, 3);
    ASSERT_TRUE(reader->OptionsStream);
    EXPECT_EQ(Text(*reader->OptionsStream), kEntries[0].Bytes);
    ASSERT_EQ(reader->ImageItems.size(), 3u);
    EXPECT_EQ(reader->ImageItems[0].FileName, "ButtonHuge.bmp");
    EXPECT_TRUE(reader->ImageItems[0].IsBitmap);
    EXPECT_EQ(Text(*reader->ImageItems[1].Stream), kEntries[2].Bytes);
    EXPECT_FALSE(reader->ImageItems[2].IsBitmap);
    EXPECT_EQ(reader->ImageItems[2].Stream->Size(), 0);
    EXPECT_EQ(source.Position(), static_cast<std::int64_t>(package.size()));
    EXPECT_EQ(reader->FindImage("MASTER.BMP"), &reader->ImageItems[1]);
    EXPECT_EQ(reader->FindImage("Master.bmp"), nullptr);
}

TEST(SkinPackage, OptionsEntryNameInAnyCase) {
    for (const char* name : {"OPTIONS.DAT", "options.dat"}) {
        TMemoryStream source;
        auto reader = ReaderOver(WriteSkinPackage({{name, "[A]"}}), source);
        ReadSkinPackage(reader);
        ASSERT_TRUE(reader && reader->OptionsStream) << name;
        EXPECT_TRUE(reader->ImageItems.empty());
    }
}

TEST(SkinPackage, DamagedPackagesAreRefused) {
    const std::string good = WriteSkinPackage(kEntries);
    const std::string damaged = "Файл скина повреждён: данные обрываются раньше, чем обещают его заголовки";
    auto withInt = [&](std::size_t at, std::int32_t value) {
        std::string p = good;
        for (int i = 0; i < 4; ++i) p[at + i] = static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
        return p;
    };
    std::string badStream = good;
    badStream[FirstSizeOffset() + 4 + 3] ^= 0x55;  // inside the first zlib stream
    struct Case {
        const char* what;
        std::string package;
        std::string message;
    } cases[] = {
        {"lower-case magic", "skzf" + good.substr(4), "Loaded data is not a packed skin file"},
        {"empty file", "", "Loaded data is not a packed skin file"},
        {"only the magic", good.substr(0, 4), damaged},
        {"cut in the count", good.substr(0, 6), damaged},
        {"cut in a name", good.substr(0, 14), damaged},
        {"cut in a size", good.substr(0, FirstSizeOffset() + 2), damaged},
        {"cut in a stream", good.substr(0, FirstSizeOffset() + 20), damaged},
        {"cut in the last stream", good.substr(0, good.size() - 3), damaged},
        {"more entries than there are", withInt(4, 9), damaged},
        {"negative count", withInt(4, -1), damaged},
        {"name longer than the file", withInt(8, 0x7FFFFFF0), damaged},
        {"negative name length", withInt(8, -5), damaged},
        {"size past any inflation", withInt(FirstSizeOffset(), 0x7FFFFFF0), damaged},
        {"size larger than the stream", withInt(FirstSizeOffset(), 500), damaged},
        {"size smaller than the stream", withInt(FirstSizeOffset(), 5), damaged},
        {"negative size", withInt(FirstSizeOffset(), -1), damaged},
        {"corrupt stream", badStream, ""},
    };
    for (const Case& c : cases) {
        TMemoryStream source;
        auto reader = ReaderOver(c.package, source);
        try {
            ReadSkinPackage(reader);
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const Exception& e) {
            if (!c.message.empty()) {
                EXPECT_EQ(e.Message(), c.message) << c.what;
            }
        }
        EXPECT_FALSE(reader) << c.what;  // freed
    }
}

TEST(SkinPackage, LoadFromFileAndMissingFile) {
    TempFolder folder;
    std::string path = (folder.Path() / "Skin.skz").string();
    std::string package = WriteSkinPackage(kEntries);
    std::ofstream(path, std::ios::binary).write(package.data(), static_cast<std::streamsize>(package.size()));
    std::unique_ptr<TxSkinConvertor> reader;
    LoadSkinPackage((folder.Path() / "None.skz").string(), reader, true);
    EXPECT_FALSE(reader);
    LoadSkinPackage(path, reader, true);
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->ImageItems.size(), 3u);
    EXPECT_EQ(reader->SourceStream, nullptr);
}

TEST(ZDecompressionStream, EntriesLeaveTheSourceAtTheNextHeader) {
    std::string a = Bytes(5000, 3), b = Bytes(300, 4);
    std::string package = WriteSkinPackage({{"a", a}, {"b", b}});
    TMemoryStream source;
    source.WriteBuffer(package.data(), static_cast<std::int64_t>(package.size()));
    source.SetPosition(4 + 4 + 4 + 1 + 4);
    std::string out(a.size(), '\0');
    {
        TZDecompressionStream first(source);
        EXPECT_EQ(first.Read(out.data(), static_cast<std::int64_t>(out.size())), static_cast<std::int64_t>(a.size()));
    }
    EXPECT_EQ(out, a);
    std::int64_t header = source.Position();
    std::int32_t nameLength = 0;
    source.ReadBuffer(&nameLength, 4);
    EXPECT_EQ(nameLength, 1);
    source.SetPosition(header + 4 + 1 + 4);
    TZDecompressionStream second(source);
    std::string outB(b.size(), '\0');
    EXPECT_EQ(second.Read(outB.data(), static_cast<std::int64_t>(outB.size())), static_cast<std::int64_t>(b.size()));
    EXPECT_EQ(outB, b);
    EXPECT_EQ(source.Position(), static_cast<std::int64_t>(package.size()));
}

TEST(ZDecompressionStream, SeeksForwardAndBackToItsOwnStart) {
    std::string a = Bytes(20000, 5), b = Bytes(40, 6);
    std::string package = WriteSkinPackage({{"a", a}, {"b", b}});
    TMemoryStream source;
    source.WriteBuffer(package.data(), static_cast<std::int64_t>(package.size()));
    // Past the first entry, to the second one's stream.
    source.SetPosition(4 + 4 + 4 + 1 + 4);
    { TZDecompressionStream(source).Seek(0, TSeekOrigin::soEnd); }
    source.Seek(4 + 1 + 4, TSeekOrigin::soCurrent);
    TZDecompressionStream stream(source);
    char c[10];
    ASSERT_EQ(stream.Read(c, 10), 10);
    EXPECT_EQ(std::string(c, 10), b.substr(0, 10));
    EXPECT_EQ(stream.Seek(5, TSeekOrigin::soCurrent), 15);
    ASSERT_EQ(stream.Read(c, 1), 1);
    EXPECT_EQ(c[0], b[15]);
    EXPECT_EQ(stream.Seek(30, TSeekOrigin::soBeginning), 30);
    // Rewinding starts this entry again, not the package.
    EXPECT_EQ(stream.Seek(0, TSeekOrigin::soBeginning), 0);
    ASSERT_EQ(stream.Read(c, 10), 10);
    EXPECT_EQ(std::string(c, 10), b.substr(0, 10));
    EXPECT_EQ(stream.Seek(0, TSeekOrigin::soEnd), 40);
    try {
        stream.Seek(-1, TSeekOrigin::soCurrent);
        ADD_FAILURE() << "moved backwards";
    } catch (const EZDecompressionError& e) {
        EXPECT_STREQ(e.what(), "Invalid ZStream operation!");
    }
    EXPECT_THROW(stream.Seek(3, TSeekOrigin::soBeginning), EZDecompressionError);
    EXPECT_THROW(stream.Write(c, 1), EZDecompressionError);
}

TEST(ZDecompressionStream, StreamAskingForAPresetDictionaryIsAnError) {
    // zlib header with the preset-dictionary flag, then the dictionary's id.
    const std::string wantsDictionary{'\x78', '\xBB', '\x01', '\x02', '\x03', '\x04', '\x03', '\x00'};
    TMemoryStream source;
    source.WriteBuffer(wantsDictionary.data(), static_cast<std::int64_t>(wantsDictionary.size()));
    source.SetPosition(0);
    TZDecompressionStream stream(source);
    char c[4];
    try {
        stream.Read(c, 4);
        ADD_FAILURE() << "read without the dictionary";
    } catch (const EZDecompressionError& e) {
        EXPECT_STREQ(e.what(), "need dictionary");
    }
}

TEST(ZDecompressionStream, ErrorTexts) {
    EXPECT_EQ(ZlibErrorText(2), "need dictionary");
    EXPECT_EQ(ZlibErrorText(-3), "data error");
    EXPECT_EQ(ZlibErrorText(-6), "incompatible version");
}
