#pragma once
// A form changing its skin: the new look fades in over the old one, on a
// layered cover when the window system has layered windows, else as mixed
// pictures painted into an output window over the form.

#include "skin/core/manager/AnimEffects.h"

#include <cstdint>
#include <memory>

class TBitmap;
class TCustomForm;
class TForm;

// Every colour byte N + Max(0, c) * (O - N) / 256 of the new look N and the
// old look O, alpha from the new look. Pictures of different sizes are not
// mixed: false, and `result` is left alone.
bool MixLooks(TBitmap& result, TBitmap& newLook, TBitmap& oldLook, int c);

// Keeps the form's present look (drawn by the form itself: the screen is
// not readable here) and shows it in the output window over the form.
void PrepareOutputWindow(TCustomForm& form);
TForm* OutputWindow();
TBitmap* OldLookBitmap();

// The form in its new skin fades in from its old look in Time div 12 steps.
void AnimateSkinChange(TCustomForm& form, int time, std::uint8_t target, TxAnimType mode);
