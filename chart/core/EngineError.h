#pragma once
// The chart engine's own error box: the text alone, task-modal, error icon.

#include <string>

void ShowEngineError(const std::string& text);
