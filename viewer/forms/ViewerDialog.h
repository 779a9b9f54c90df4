#pragma once
// The viewer's small dialogs: a dialog frame, on top of the other windows,
// centred on the desktop and shown modelessly. Escape that no control of
// theirs takes closes them as their close box does.

#include "ui/forms/Form.h"

class TViewerDialog : public TForm {
public:
    explicit TViewerDialog(TComponent* owner);
    void Dispatch(TMessage& message) override;
};

// After the form has dispatched `message`: an Escape dialog key that nothing
// answered closes the form.
void CloseOnUnansweredEscape(TCustomForm& form, TMessage& message);
