#include "png/chunks/PngTextChunks.h"

#include "png/PngPicture.h"
#include "png/codec/PngZlib.h"

#include <algorithm>
#include <cstring>

void TChunktEXt::CopyFrom(const TChunk& source) {
    if (auto* text = dynamic_cast<const TChunktEXt*>(&source)) {
        Keyword = text->Keyword;
        Text = text->Text;
    }
}

void TChunktEXt::ReadKeyword() {
    auto* begin = reinterpret_cast<const char*>(Data());
    auto* end = begin + DataLength();
    Keyword.assign(begin, std::find(begin, end, '\0'));
}

bool TChunktEXt::ReadFromStream(TStream& stream, const TChunkType& type, std::uint32_t length) {
    TChunk::ReadFromStream(stream, type, length);
    if (DataLength() <= 2) return true;
    ReadKeyword();
    std::size_t textStart = std::min(Keyword.size() + 1, DataLength());
    Text.assign(reinterpret_cast<const char*>(Data()) + textStart, DataLength() - textStart);
    return true;
}

bool TChunktEXt::WriteToStream(TStream& stream) {
    ResizeData(Keyword.size() + 1 + Text.size());
    std::memcpy(Data(), Keyword.data(), Keyword.size());
    Data()[Keyword.size()] = 0;
    std::memcpy(Data() + Keyword.size() + 1, Text.data(), Text.size());
    return WriteChunkBytes(stream);
}

bool TChunkzTXt::ReadFromStream(TStream& stream, const TChunkType& type, std::uint32_t length) {
    TChunktEXt::ReadFromStream(stream, type, length);
    if (DataLength() < 4) return true;
    ReadKeyword();
    Text.clear();
    std::size_t methodAt = Keyword.size() + 1;
    // A keyword that fills the chunk leaves no method byte and no stream.
    if (methodAt >= DataLength() || Data()[methodAt] != 0) return true;
    auto inflated = InflateBuffer(Data() + methodAt + 1, DataLength() - methodAt - 1);
    if (inflated.Success) Text.assign(inflated.Output.begin(), inflated.Output.end());
    return true;
}

bool TChunkzTXt::WriteToStream(TStream& stream) {
    if (Text.empty()) Text = " ";
    auto deflated =
        DeflateBuffer(reinterpret_cast<const std::uint8_t*>(Text.data()), Text.size(), Owner()->DeflateLevel);
    if (!deflated.Success) return false;
    ResizeData(Keyword.size() + 2 + deflated.Output.size());
    std::memcpy(Data(), Keyword.data(), Keyword.size());
    Data()[Keyword.size()] = 0;
    Data()[Keyword.size() + 1] = 0;
    std::memcpy(Data() + Keyword.size() + 2, deflated.Output.data(), deflated.Output.size());
    return WriteChunkBytes(stream);
}
