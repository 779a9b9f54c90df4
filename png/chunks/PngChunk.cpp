#include "png/chunks/PngChunk.h"

#include "png/PngPicture.h"
#include "png/codec/PngBytes.h"
#include "png/codec/PngCrc.h"
#include "png/codec/PngExceptions.h"
#include "png/codec/PngStreamRead.h"
#include "ui/core/Stream.h"

#include <algorithm>

TChunkType MakeChunkType(std::string_view name) {
    TChunkType type{};
    if (name.size() == 4) std::copy(name.begin(), name.end(), type.begin());
    return type;
}

TChunk::TChunk(TPngPicture* owner, std::string_view typeName) : owner_(owner), type_(MakeChunkType(typeName)) {}

std::unique_ptr<TChunk> TChunk::CreateSameClass(TPngPicture* owner) const {
    return std::make_unique<TChunk>(owner);
}

void TChunk::CopyFrom(const TChunk& source) {
    type_ = source.type_;
    data_ = source.data_;
}

bool TChunk::ReadFromStream(TStream& stream, const TChunkType& type, std::uint32_t length) {
    // The data is read in blocks, so a length the stream cannot back costs no memory.
    constexpr std::size_t Block = 1 << 16;
    data_.clear();
    bool complete = true;
    while (data_.size() < length) {
        std::size_t want = std::min<std::size_t>(Block, length - data_.size());
        std::size_t start = data_.size();
        data_.resize(start + want);
        std::size_t got = ReadAvailable(stream, data_.data() + start, want);
        if (got < want) {
            data_.resize(start + got);
            complete = false;
            break;
        }
    }
    std::uint8_t stored[4];
    if (!complete || ReadAvailable(stream, stored, 4) != 4) throw EPngInvalidCRC();
    std::uint32_t crc = UpdatePngCrc(PngCrcStart, type.data(), 4);
    crc = ~UpdatePngCrc(crc, data_.data(), data_.size());
    if (!PngCrcMatches(ReadBigEndian32(stored), crc)) throw EPngInvalidCRC();
    return true;
}

bool TChunk::WriteToStream(TStream& stream) { return WriteChunkBytes(stream); }

void TChunk::ResizeData(std::size_t length) { data_.resize(length); }

TChunkIHDR& TChunk::OwnerHeader() const { return owner_->HeaderChunk(); }

bool TChunk::WriteChunkBytes(TStream& stream) const {
    std::uint8_t word[4];
    WriteBigEndian32(word, std::uint32_t(data_.size()));
    stream.WriteBuffer(word, 4);
    stream.WriteBuffer(type_.data(), 4);
    if (!data_.empty()) stream.WriteBuffer(data_.data(), std::int64_t(data_.size()));
    std::uint32_t crc = UpdatePngCrc(PngCrcStart, type_.data(), 4);
    WriteBigEndian32(word, ~UpdatePngCrc(crc, data_.data(), data_.size()));
    stream.WriteBuffer(word, 4);
    return true;
}
