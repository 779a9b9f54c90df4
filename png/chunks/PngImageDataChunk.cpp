#include "png/chunks/PngImageDataChunk.h"

#include "png/PngPicture.h"
#include "png/image/PngImageDecoder.h"
#include "png/image/PngImageEncoder.h"

bool TChunkIDAT::ReadFromStream(TStream& stream, const TChunkType&, std::uint32_t length) {
    TPngImageDecoder(*Owner(), stream, length).Decode();
    return true;
}

bool TChunkIDAT::WriteToStream(TStream& stream) {
    TPngImageEncoder(*Owner(), stream).Encode();
    return true;
}
