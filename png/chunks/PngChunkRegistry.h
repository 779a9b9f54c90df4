#pragma once
// The process-wide list of chunk classes, consulted in order when a chunk is
// read. It starts with the codec's own classes.

#include "png/chunks/PngChunk.h"

#include <functional>
#include <memory>
#include <string>

struct TChunkClass {
    std::string TypeName;
    std::function<std::unique_ptr<TChunk>(TPngPicture*)> Create;
};

template <class T>
TChunkClass ChunkClassOf() {
    return {T::ChunkTypeName(), [](TPngPicture* owner) { return std::make_unique<T>(owner); }};
}

void RegisterChunkClass(TChunkClass chunkClass);
// A chunk of the first registered class named type, a plain TChunk without
// one; its type is set to the bytes given.
std::unique_ptr<TChunk> CreateChunkByType(TPngPicture* owner, const TChunkType& type);
