#pragma once
// Small text routines of the skin painters: DrawText of a whole string,
// measuring on a canvas, a context or the screen with a font, and cutting
// a caption to a width with "...". Text is UTF-8.

#include "ui/core/Types.h"

#include "platform/gdi/GdiTypes.h"

#include <string>
#include <string_view>

class TCanvas;

// The canvas's context with its font, pen and brush selected.
platform::HDC CanvasTextDC(TCanvas& canvas);

int DrawTextStr(platform::HDC dc, std::string_view text, const TRect& rect, unsigned format);
int DrawTextCanvas(TCanvas& canvas, std::string_view text, unsigned format, const TRect& rect);
int CanvasTextWidth(TCanvas& canvas, std::string_view text);
int CanvasTextHeight(TCanvas& canvas, std::string_view text);
platform::SIZE CanvasTextExtent(TCanvas& canvas, std::string_view text);
void CanvasTextRect(TCanvas& canvas, const TRect& rect, int x, int y, std::string_view text);
void MeasureTextDC(platform::HDC dc, std::string_view text, platform::SIZE& size);
// On the screen's context; (0, 0) when the font cannot be measured.
void MeasureTextWithFont(platform::HFONT font, std::string_view text, platform::SIZE& size);

// The text when it fits `width` on the canvas; otherwise whole letters are
// dropped from its end until the rest and "..." fit. Nothing fits: empty.
void FitTextWithEllipsis(TCanvas& canvas, const std::string& text, int width, std::string& fitted);
