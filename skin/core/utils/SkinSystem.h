#pragma once
// System queries, the message-pumping wait and the error box of the skin library.

#include "ui/forms/Messages.h"

#include "platform/text/Fonts.h"

#include <functional>
#include <string>

TMessage FillMessage(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam,
                     platform::LRESULT result);
// lfHeight of the system caption font; 0 when the system cannot tell.
int CaptionFontHeight();
// A font made from the system caption font (the caller deletes it); nullptr on failure.
platform::HFONT CreateCaptionFont();
// The system animates minimizing and restoring windows.
bool MinimizeAnimationOn();
void SetMinimizeAnimation(bool on);

// The system version is above 5.0.
bool AtLeastWinXP();
// For this process; false when the system cannot tell.
bool RunningUnderWow64();
// True when the system cannot tell: the window-creation provider then skips
// the immediate repaint of a newly skinned form.
bool DebuggerPresent();
// Glow effects are forbidden: a 32-bit program on a 64-bit system without
// desktop composition. Settled once, on first use.
bool EffectsDisabled();
// Lets the application run its messages until the time has passed on the system clock.
void WaitWithMessages(unsigned milliseconds);
// The error dialog with an OK button.
void ShowErrorBox(const std::string& text);
// The warning dialog with an OK button.
void ShowWarningBox(const std::string& text);
// Where the two boxes go instead of the dialogs (tests); nullptr: the dialogs.
using TSkMessageBoxFunction = std::function<void(const std::string& text, bool error)>;
void SetSkinMessageBoxFunction(TSkMessageBoxFunction show);
