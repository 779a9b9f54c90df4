#pragma once
// The common dialogs: components that show a modal form of their own on
// Execute and tell OnShow before and OnClose after it.

#include "ui/core/Component.h"
#include "ui/core/Events.h"

class TCustomForm;

class TCommonDialog : public TComponent {
    DECLARE_CLASS_INFO
public:
    explicit TCommonDialog(TComponent* owner);
    // True when the user confirmed the dialog.
    virtual bool Execute() = 0;

    int HelpContext = 0;
    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

protected:
    virtual void DoShow() { FireEvent(OnShow, this); }
    virtual void DoClose() { FireEvent(OnClose, this); }
    // Shows the form modally between DoShow and DoClose; true for mrOk.
    bool RunModal(TCustomForm& form);
};
