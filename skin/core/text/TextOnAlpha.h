#pragma once
// Captions on 32-bit bitmaps that go to layered windows: the text is drawn
// black on white into a scratch bitmap and its colour mixed into the target
// through it, so every pixel the text touches ends opaque and the rest keep
// their alpha.

#include "ui/core/Types.h"

#include <cstdint>
#include <string>

class TBitmap;
class TSkinManager;
struct TSkinContent;

// Once in one colour value (red in the low byte), with the target canvas's font.
void DrawTextOnAlpha(TBitmap& bitmap, const std::string& text, std::uint32_t color, unsigned format,
                     const TRect& rect);
// In the section's text colours, after the contours (when `contours` is set)
// one pixel off to the left, top, right and bottom. A manager of none means
// the default one; without a manager or section the canvas font's colour.
void DrawSectionTextAlpha(TBitmap& bitmap, const std::string& text, bool contours, TSkinManager* manager, bool hot,
                          int sectionIndex, unsigned format, const TRect& rect);
// The same over a skin's records, for callers that hold them without a manager.
void DrawSectionTextAlpha(TBitmap& bitmap, const std::string& text, bool contours, const TSkinContent& skin, bool hot,
                          int sectionIndex, unsigned format, const TRect& rect);
