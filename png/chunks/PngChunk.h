#pragma once
// A chunk of a picture file, held as its type and raw data. Every chunk type
// the codec understands derives from TChunk and keeps its own fields; any
// other type stays a plain TChunk and is written back unchanged.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TPngPicture;
class TChunkIHDR;
class TStream;

using TChunkType = std::array<char, 4>;

TChunkType MakeChunkType(std::string_view name);
inline bool IsChunkType(const TChunkType& type, std::string_view name) {
    return name.size() == 4 && std::string_view(type.data(), 4) == name;
}
// Bit 5 of the first letter clear: a decoder must understand the chunk.
inline bool IsCriticalChunk(const TChunkType& type) { return (type[0] & 0x20) == 0; }

class TChunk {
public:
    explicit TChunk(TPngPicture* owner) : TChunk(owner, ChunkTypeName()) {}
    virtual ~TChunk() = default;
    TChunk(const TChunk&) = delete;
    TChunk& operator=(const TChunk&) = delete;

    static std::string ChunkTypeName() { return ""; }

    // A new, empty chunk of this chunk's own class.
    virtual std::unique_ptr<TChunk> CreateSameClass(TPngPicture* owner) const;
    virtual void CopyFrom(const TChunk& source);
    // Reads the data and CRC that follow a chunk's length and type.
    virtual bool ReadFromStream(TStream& stream, const TChunkType& type, std::uint32_t length);
    virtual bool WriteToStream(TStream& stream);

    void ResizeData(std::size_t length);
    // The owner's first chunk, the header; EPNGHeaderNotPresent when there is none.
    TChunkIHDR& OwnerHeader() const;
    bool WriteChunkBytes(TStream& stream) const;

    TPngPicture* Owner() const { return owner_; }
    const TChunkType& Type() const { return type_; }
    void SetType(const TChunkType& type) { type_ = type; }
    std::uint8_t* Data() { return data_.data(); }
    const std::uint8_t* Data() const { return data_.data(); }
    std::size_t DataLength() const { return data_.size(); }

protected:
    TChunk(TPngPicture* owner, std::string_view typeName);

private:
    TPngPicture* owner_;
    TChunkType type_{};
    std::vector<std::uint8_t> data_;
};

// Every registered chunk class gives its type name and makes new chunks of itself.
#define VELZAR_CHUNK_CLASS(Name, TypeName)                                        \
public:                                                                                   \
    static std::string ChunkTypeName() { return TypeName; }                              \
    std::unique_ptr<TChunk> CreateSameClass(TPngPicture* owner) const override {         \
        return std::make_unique<Name>(owner);                                            \
    }

class TChunkIEND : public TChunk {
    VELZAR_CHUNK_CLASS(TChunkIEND, "IEND")
    explicit TChunkIEND(TPngPicture* owner) : TChunk(owner, ChunkTypeName()) {}
};
