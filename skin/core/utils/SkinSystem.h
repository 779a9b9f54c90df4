#pragma once
// System queries, the message-pumping wait and the error box of the skin library.

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
