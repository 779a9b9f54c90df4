#pragma once
// The push button: a click runs OnClick and, with a ModalResult, closes a
// modal form with it. The default button answers Enter anywhere on its
// form (unless another button has the focus), the cancel button Escape.

#include "ui/controls/ButtonControl.h"
#include "ui/forms/Form.h"

class TButton : public TButtonControl {
    DECLARE_CLASS_INFO
public:
    explicit TButton(TComponent* owner);

    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Cancel = false;
    TModalResult ModalResult = mrNone;

    void Click() override;
    void Dispatch(TMessage& message) override;

protected:
    void Paint() override;
    // What goes inside the frame (moved while pushed): the caption.
    virtual void PaintContent(const TRect& r);

private:
    bool AnswersEnter() const;

    bool default_ = false;
};
