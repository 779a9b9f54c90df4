#pragma once
// Captions of skinned controls in their section's colours: contours one
// pixel off to each side, then the main colour; a paler mix when disabled;
// a glow behind the text on the control's cache; underlined web buttons
// when hot. Without a skin the text keeps the canvas's colours.

#include "ui/core/Types.h"

#include <string>

class TCanvas;
class TSkCommonData;
class TSkinManager;
struct TSkinContent;

// `state` 0 normal, 1 hot; a manager of none means the default one.
void DrawSectionText(TCanvas& canvas, const std::string& text, bool enabled, TSkinManager* manager, int state,
                     int sectionIndex, unsigned format, const TRect& rect);
void DrawSectionText(TCanvas& canvas, const std::string& text, bool enabled, const TSkinContent& skin, int state,
                     int sectionIndex, unsigned format, const TRect& rect);
void DrawSectionTextCompat(TCanvas& canvas, const std::string& text, bool enabled, TSkinManager* manager, int state,
                           int sectionIndex, unsigned format, const TRect& rect);
// Clipped to the rectangle; the colours come from the control's skin data.
void DrawControlText(TCanvas& canvas, const std::string& text, bool enabled, bool hot, TSkCommonData& data,
                     unsigned format, const TRect& rect);
void DrawControlTextCompat(TCanvas& canvas, const std::string& text, bool enabled, bool hot, TSkCommonData& data,
                           unsigned format, const TRect& rect, TSkinManager* ignored);
