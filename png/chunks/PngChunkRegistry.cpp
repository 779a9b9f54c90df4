#include "png/chunks/PngChunkRegistry.h"

#include "png/chunks/PngGammaChunk.h"
#include "png/chunks/PngHeaderChunk.h"
#include "png/chunks/PngImageDataChunk.h"
#include "png/chunks/PngPaletteChunk.h"
#include "png/chunks/PngPhysicalSizeChunk.h"
#include "png/chunks/PngTextChunks.h"
#include "png/chunks/PngTimeChunk.h"
#include "png/chunks/PngTransparencyChunk.h"

#include <string_view>
#include <vector>

namespace {

// Filled with the codec's classes on first use, so no start-up order matters.
std::vector<TChunkClass>& Registry() {
    static std::vector<TChunkClass> registry{
        ChunkClassOf<TChunkIEND>(), ChunkClassOf<TChunkIHDR>(), ChunkClassOf<TChunkIDAT>(),
        ChunkClassOf<TChunkPLTE>(), ChunkClassOf<TChunkgAMA>(), ChunkClassOf<TChunktRNS>(),
        ChunkClassOf<TChunkpHYs>(), ChunkClassOf<TChunktIME>(), ChunkClassOf<TChunktEXt>(),
        ChunkClassOf<TChunkzTXt>(),
    };
    return registry;
}

}  // namespace

void RegisterChunkClass(TChunkClass chunkClass) { Registry().push_back(std::move(chunkClass)); }

std::unique_ptr<TChunk> CreateChunkByType(TPngPicture* owner, const TChunkType& type) {
    std::unique_ptr<TChunk> chunk;
    for (const auto& entry : Registry()) {
        if (entry.TypeName == std::string_view(type.data(), 4)) {
            chunk = entry.Create(owner);
            break;
        }
    }
    if (!chunk) chunk = std::make_unique<TChunk>(owner);
    chunk->SetType(type);
    return chunk;
}
