#pragma once
// A plain message box: no owner window and the system's default caption.

#include <string>

constexpr unsigned MB_SETFOREGROUND = 0x10000;

void ShowMessageBox(const std::string& text);
