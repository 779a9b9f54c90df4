#pragma once
// The edit box a view lays over a caption to rename it in place: Enter or
// leaving it keeps the text, Escape drops it. It tells its view once.

#include "ui/controls/CustomEdit.h"

#include <functional>

class TLabelEditor : public TCustomEdit {
public:
    explicit TLabelEditor(TComponent* owner);
    // Runs once per edit: true to keep the text, false to drop it.
    std::function<void(bool keep)> OnDone;
    // Shows the editor over `bounds` with `text` all selected and focused.
    void Start(const TRect& bounds, const std::string& text);

    void Dispatch(TMessage& message) override;

protected:
    bool EditKeyDown(platform::WORD key, TShiftState shift) override;

private:
    void Finish(bool keep);
    bool open_ = false;
};
