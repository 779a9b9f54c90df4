#include "chart/core/EngineError.h"

#include "ui/forms/Application.h"

namespace {
constexpr unsigned MB_TASKMODAL = 0x2000;
constexpr std::size_t TextBufferSize = 1024;  // the text goes through a buffer of this many characters
}  // namespace

void ShowEngineError(const std::string& text) {
    Application->MessageBox(text.substr(0, TextBufferSize - 1), "", MB_TASKMODAL | MB_ICONERROR);
}
