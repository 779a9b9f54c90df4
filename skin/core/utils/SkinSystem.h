#pragma once
// System queries, the message-pumping wait and the error box of the skin library.

#include <functional>
#include <string>

// The system version is above 5.0.
bool AtLeastWinXP();
// For this process; false when the system cannot tell.
bool RunningUnderWow64();
// True when the system cannot tell: the window-creation provider then skips
// the immediate repaint of a newly skinned form.
bool DebuggerPresent();
// Lets the application run its messages until the time has passed on the system clock.
void WaitWithMessages(unsigned milliseconds);
// The error dialog with an OK button.
void ShowErrorBox(const std::string& text);
// The warning dialog with an OK button.
void ShowWarningBox(const std::string& text);
// Where the two boxes go instead of the dialogs (tests); nullptr: the dialogs.
using TSkMessageBoxFunction = std::function<void(const std::string& text, bool error)>;
void SetSkinMessageBoxFunction(TSkMessageBoxFunction show);
