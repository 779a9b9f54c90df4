#include "viewer/mainform/MenuGlyphs.h"

#include "ui/graphics/ImageList.h"

#include <cstdint>

namespace {

constexpr int kGlyphSize = 16;

// One character a pixel: '.' transparent, the others a colour below.
constexpr const char* kOpenFile[kGlyphSize] = {
    "................", "................", ".kkkk...........", "kyyyyk..........", "kyyyykkkkkkkk...",
    "kyyyyyyyyyyyk...", "kyykkkkkkkkkkkk.", "kyk.wwwwwwwwwwk.", "kyk.wwwwwwwwwk..", "kk.wwwwwwwwwwk..",
    "kk.wwwwwwwwwk...", "k.wwwwwwwwwwk...", "kkkkkkkkkkkk....", "................", "................",
    "................"};
constexpr const char* kPrint[kGlyphSize] = {
    "................", "....kkkkkkkk....", "....kwwwwwwk....", "....kwkkkkwk....", "....kwwwwwwk....",
    ".kkkkkkkkkkkkkk.", "kggggggggggggggk", "kggggggggggggyyk", "kggggggggggggggk", "kkkkkkkkkkkkkkkk",
    "kgk.kwwwwwwk.kgk", "kkk.kwkkkkwk.kkk", "....kwwwwwwk....", "....kwkkkkwk....", "....kkkkkkkk....",
    "................"};
constexpr const char* kExit[kGlyphSize] = {
    "................", "..kkkkkkkkk.....", "..kbbbbbbbk.....", "..kbbbbbbbk.....", "..kbbbbbbbk..r..",
    "..kbbbbbbbk..rr.", "..kbbbbbbrrrrrrr", "..kbbbbbbrrrrrrr", "..kbbbbbbbk..rr.", "..kbbbbbbbk..r..",
    "..kbbbbbbbk.....", "..kbbbbbbbk.....", "..kbbbbbbbk.....", "..kkkkkkkkk.....", "................",
    "................"};

std::uint32_t PixelOf(char c) {
    switch (c) {
        case 'k': return 0xFF202020;
        case 'y': return 0xFFF0C040;
        case 'w': return 0xFFFFFFFF;
        case 'g': return 0xFFB0B0B0;
        case 'b': return 0xFF5080C0;
        case 'r': return 0xFFD02020;
        default: return 0x00000000;
    }
}

TPixels PixelsOf(const char* const (&rows)[kGlyphSize]) {
    TPixels pixels;
    pixels.reserve(kGlyphSize * kGlyphSize);
    for (const char* row : rows)
        for (int x = 0; x < kGlyphSize; ++x) pixels.push_back(PixelOf(row[x]));
    return pixels;
}

}  // namespace

void AddMenuGlyphs(TCustomImageList& images) {
    images.SetSize(kGlyphSize, kGlyphSize);
    images.AddPixels(PixelsOf(kOpenFile));
    images.AddPixels(PixelsOf(kPrint));
    images.AddPixels(PixelsOf(kExit));
}
