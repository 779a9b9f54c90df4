#pragma once
// Process-wide values every part of the skin library reads.

#include "platform/window/WindowMessages.h"

#include <cstdint>

class TBitmap;

// The skin command message; the command travels in the high word of wParam.
constexpr platform::UINT SkinCommandMsg = 0xA100;
// Pixels of this colour are transparent in skin images, masks, caches and
// glyphs; as a colour answer it means that no colour is known.
constexpr std::uint32_t KeyColorValue = 0xFF00FF;
// The width of a scroll-bar arrow as the system has it.
int SystemArrowWidth();

// The background a parent hands to a child that paints over it.
struct TSkParentCache {
    TBitmap* Bitmap = nullptr;
    int OffsetX = 0;
    int OffsetY = 0;
    std::uint32_t Color = KeyColorValue;
    bool Ready = false;
};
// No bitmap, the key colour, not ready.
inline constexpr TSkParentCache DefaultParentCache{};
