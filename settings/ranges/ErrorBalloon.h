#pragma once
// The red error balloon every window shows beside a control: "*" and the
// text at a screen point, gone when the single-stage window's balloon timer
// fires, with the control's own hint off meanwhile. Does nothing before the
// single-stage settings window exists.

#include <string>

class TControl;

void ShowErrorBalloon(TControl* control, int screenX, int screenY, const std::string& text);
