#include "png/PngImageDataChunk.h"

#include "png/PngImageDecoder.h"
#include "png/PngImageEncoder.h"
#include "png/PngPicture.h"

bool TChunkIDAT::ReadFromStream(TStream& stream, const TChunkType&, std::uint32_t length) {
    TPngImageDecoder(*Owner(), stream, length).Decode();
    return true;
}

bool TChunkIDAT::WriteToStream(TStream& stream) {
    TPngImageEncoder(*Owner(), stream).Encode();
    return true;
}
