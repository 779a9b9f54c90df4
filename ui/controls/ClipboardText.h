#pragma once
// Where edits cut, copy and paste text. The program has one clipboard; tests
// hand an edit their own.

#include <string>

class TClipboardText {
public:
    virtual ~TClipboardText() = default;
    virtual std::string GetText() const = 0;
    virtual void SetText(const std::string& text) = 0;
};

// The program's clipboard: text kept in the process (GUI thread only).
TClipboardText& ProgramClipboard();
