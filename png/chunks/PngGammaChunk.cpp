#include "png/chunks/PngGammaChunk.h"

#include "png/PngPicture.h"
#include "png/codec/PngBytes.h"
#include "png/codec/PngExceptions.h"
#include "ui/core/Rounding.h"

#include <algorithm>
#include <cmath>

TChunkgAMA::TChunkgAMA(TPngPicture* owner) : TChunk(owner, ChunkTypeName()) { SetGammaValue(1); }

std::uint32_t TChunkgAMA::GammaValue() const { return DataLength() == 4 ? ReadBigEndian32(Data()) : 1; }

void TChunkgAMA::SetGammaValue(std::uint32_t value) {
    if (DataLength() != 4) ResizeData(4);
    WriteBigEndian32(Data(), value);
}

void TChunkgAMA::CopyFrom(const TChunk& source) {
    auto* gamma = dynamic_cast<const TChunkgAMA*>(&source);
    if (!gamma) throw EPngError(PngIncompatibleChunksText);
    SetGammaValue(gamma->GammaValue());
}

bool TChunkgAMA::ReadFromStream(TStream& stream, const TChunkType& type, std::uint32_t length) {
    TChunk::ReadFromStream(stream, type, length);
    std::uint32_t g = GammaValue();
    if (g == 0) return true;
    double exponent = 1.0 / (g / 100000.0 * 2.2);
    auto& table = Owner()->GammaTable;
    auto& inverse = Owner()->InverseGammaTable;
    for (int i = 0; i < 256; ++i) {
        double base = i / 255.0;
        double power = exponent == 0 ? 1.0 : (base == 0 ? 0.0 : std::pow(base, exponent));
        auto v = std::uint8_t(std::clamp<std::int64_t>(Round(power * 255.0), 0, 255));
        table[std::size_t(i)] = v;
        inverse[v] = std::uint8_t(i);
    }
    return true;
}
