#pragma once
// A soft glow behind a caption on a 32-bit bitmap: the text, thickened by a
// pixel to the chosen sides, blurred into a grey mask (white where there is
// no text), then the glow colour laid in where the mask is darker, raising
// the alpha there.

#include "ui/core/Types.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TBitmap;

// Thickening sides.
constexpr unsigned kGlowLeft = 1, kGlowUp = 2, kGlowRight = 4, kGlowDown = 8;

// `mask` is kept by the caller: one of the right size is used as it is,
// without drawing the text again. A size of 0 or less draws nothing.
void DrawTextGlow(TBitmap& bitmap, const std::string& text, const TRect& rect, std::unique_ptr<TBitmap>& mask,
                  std::uint32_t glowColor, int size, unsigned thickening, unsigned format);

// The separable blur's window for a radius: weights -n..n summing to 1.
std::vector<float> GlowKernel(int radius);
