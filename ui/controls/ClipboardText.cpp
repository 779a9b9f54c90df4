#include "ui/controls/ClipboardText.h"

namespace {

class TProcessClipboard : public TClipboardText {
public:
    std::string GetText() const override { return text_; }
    void SetText(const std::string& text) override { text_ = text; }

private:
    std::string text_;
};

}  // namespace

TClipboardText& ProgramClipboard() {
    static TProcessClipboard clipboard;
    return clipboard;
}
