#include "png/chunks/PngTimeChunk.h"

#include "png/codec/PngBytes.h"

void TChunktIME::CopyFrom(const TChunk& source) {
    if (auto* time = dynamic_cast<const TChunktIME*>(&source)) {
        Year = time->Year;
        Month = time->Month;
        Day = time->Day;
        Hour = time->Hour;
        Minute = time->Minute;
        Second = time->Second;
    }
}

bool TChunktIME::ReadFromStream(TStream& stream, const TChunkType& type, std::uint32_t length) {
    TChunk::ReadFromStream(stream, type, length);
    if (DataLength() != 7) return true;
    const std::uint8_t* d = Data();
    Year = ReadBigEndian16(d);
    Month = d[2];
    Day = d[3];
    Hour = d[4];
    Minute = d[5];
    Second = d[6];
    return true;
}

bool TChunktIME::WriteToStream(TStream& stream) {
    ResizeData(7);
    std::uint8_t* d = Data();
    WriteBigEndian16(d, Year);
    d[2] = Month;
    d[3] = Day;
    d[4] = Hour;
    d[5] = Minute;
    d[6] = Second;
    return WriteChunkBytes(stream);
}
