#include "skin/core/package/SkinPackage.h"

#include "skin/core/package/ZStreams.h"

#include "png/codec/PngZlib.h"

#include "ui/core/Exceptions.h"
#include "ui/core/HandleStream.h"
#include "ui/core/ScopeGuards.h"
#include "ui/core/TextCase.h"

#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

constexpr char kMagic[4] = {'S', 'K', 'z', 'f'};
constexpr const char* kOptionsName = "OPTIONS.DAT";
constexpr const char* kNotAPackage = "Loaded data is not a packed skin file";
constexpr const char* kDamaged = "Файл скина повреждён: данные обрываются раньше, чем обещают его заголовки";
// The smallest zlib stream: a 2-byte header, an empty block and the 4-byte checksum.
constexpr std::int64_t kSmallestZlibStream = 8;
// Deflate cannot shrink data by more than about 1032 times.
constexpr std::int64_t kMostInflation = 1032;
constexpr int kBestCompression = 9;

std::int64_t Remaining(TStream& s) { return s.Size() - s.Position(); }

std::int32_t ReadInt32(TStream& s) {
    if (Remaining(s) < 4) throw Exception(kDamaged);
    std::uint8_t b[4];
    s.ReadBuffer(b, 4);
    return static_cast<std::int32_t>(b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24);
}

void AppendInt32(std::string& out, std::int32_t value) {
    auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::unique_ptr<TMemoryStream> Inflated(TStream& source, std::int32_t size) {
    auto out = std::make_unique<TMemoryStream>();
    TZDecompressionStream entry(source);
    out->SetSize(size);
    std::int64_t got = size == 0 ? 0 : entry.Read(out->Memory(), size);
    if (got != size) throw Exception(kDamaged);
    // An entry of size 0 still has its zlib stream to step over.
    std::uint8_t probe;
    if (entry.Read(&probe, 1) != 0) throw Exception(kDamaged);  // inflates to more than it says
    out->SetPosition(0);
    return out;
}

bool HasBitmapExtension(const std::string& name) {
    constexpr std::size_t kExtension = 4;
    return name.size() >= kExtension && AnsiUpperCase(name.substr(name.size() - kExtension)) == ".BMP";
}

void ReadEntries(TxSkinConvertor& r) {
    TStream& s = *r.SourceStream;
    s.SetPosition(0);
    char magic[4] = {};
    if (Remaining(s) < 4 || s.Read(magic, 4) != 4 || std::memcmp(magic, kMagic, 4) != 0)
        throw Exception(kNotAPackage);
    std::int32_t count = ReadInt32(s);
    if (count < 0) throw Exception(kDamaged);
    r.ItemCount = count - 1;
    for (std::int32_t i = 0; i < count; ++i) {
        std::int32_t nameLength = ReadInt32(s);
        if (nameLength < 0 || nameLength > Remaining(s)) throw Exception(kDamaged);
        std::string name(static_cast<std::size_t>(nameLength), '\0');
        s.ReadBuffer(name.data(), nameLength);
        std::int32_t size = ReadInt32(s);
        std::int64_t left = Remaining(s);
        if (size < 0 || left < kSmallestZlibStream || size > left * kMostInflation) throw Exception(kDamaged);
        std::unique_ptr<TMemoryStream> bytes = Inflated(s, size);
        if (AnsiUpperCase(name) == kOptionsName) {
            r.OptionsStream = std::move(bytes);
        } else {
            r.ImageItems.push_back(TxImageItem{name, HasBitmapExtension(name), std::move(bytes)});
        }
    }
}

}  // namespace

void TxSkinConvertor::Clear() {
    ImageItems.clear();
    OptionsStream.reset();
    OwnedSource.reset();
    SourceStream = nullptr;
    ItemCount = 0;
}

TxImageItem* TxSkinConvertor::FindImage(const std::string& upperName) {
    for (TxImageItem& item : ImageItems)
        if (AnsiUpperCase(item.FileName) == upperName) return &item;
    return nullptr;
}

void ReadSkinPackage(std::unique_ptr<TxSkinConvertor>& reader) {
    ScopeExit dropOnFailure([&] { reader.reset(); });
    ReadEntries(*reader);
    dropOnFailure.Dismiss();
}

void LoadSkinPackage(const std::string& fileName, std::unique_ptr<TxSkinConvertor>& reader, bool freeSource) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error)) return;
    if (reader) reader->Clear();
    else reader = std::make_unique<TxSkinConvertor>();
    auto file = std::make_unique<TMemoryStream>();
    file->LoadFromFile(fileName);
    reader->OwnedSource = std::move(file);
    reader->SourceStream = reader->OwnedSource.get();
    ReadSkinPackage(reader);
    if (freeSource) {
        reader->SourceStream = nullptr;
        reader->OwnedSource.reset();
    }
}

std::string WriteSkinPackage(const std::vector<TSkPackageEntry>& entries) {
    std::string out(kMagic, sizeof kMagic);
    AppendInt32(out, static_cast<std::int32_t>(entries.size()));
    for (const TSkPackageEntry& e : entries) {
        AppendInt32(out, static_cast<std::int32_t>(e.Name.size()));
        out += e.Name;
        AppendInt32(out, static_cast<std::int32_t>(e.Bytes.size()));
        TZlibBlockResult packed = DeflateBuffer(reinterpret_cast<const std::uint8_t*>(e.Bytes.data()),
                                                e.Bytes.size(), kBestCompression);
        if (!packed.Success) throw Exception(packed.ErrorText);
        out.append(reinterpret_cast<const char*>(packed.Output.data()), packed.Output.size());
    }
    return out;
}
