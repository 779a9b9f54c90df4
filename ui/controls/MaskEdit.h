#pragma once
// The masked edit: with an EditMask every position of the text is always
// there (literals in place, empty ones shown as the blank), typing
// overwrites, and a key the position refuses is dropped. Leaving the edit
// with a required position empty raises EDBEditError and keeps the focus.
// Without a mask it is a plain edit.

#include "ui/controls/CustomEdit.h"
#include "ui/controls/MaskedText.h"
#include "ui/core/Exceptions.h"

VELZAR_EXCEPTION(EDBEditError, Exception);

class TCustomMaskEdit : public TCustomEdit {
    DECLARE_CLASS_INFO
public:
    explicit TCustomMaskEdit(TComponent* owner);

    std::string EditMask() const { return editMask_; }
    void SetEditMask(const std::string& mask);
    bool IsMasked() const { return !masked_.Mask().IsEmpty(); }
    // The text as shown, literals and blanks included.
    std::string EditText() const;
    void SetEditText(const std::string& text);

    int SelStart() const override;
    void SetSelStart(int value) override;
    int SelLength() const override;
    void SetSelLength(int value) override;
    std::string SelText() const override;

    // Raises EDBEditError at the first required position left empty.
    virtual void ValidateEdit();

    void Dispatch(TMessage& message) override;

protected:
    std::string GetText() const override;
    void SetTextBuffer(const std::string& text) override;
    bool EditKeyDown(platform::WORD key, TShiftState shift) override;
    bool EditChar(char32_t c) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    std::u32string ShownText() const override;
    int ShownCaret() const override;

private:
    void MaskChanged();

    std::string editMask_;
    TMaskedText masked_;
    bool keepCaret_ = false;
};

class TMaskEdit : public TCustomMaskEdit {
    DECLARE_CLASS_INFO
public:
    using TCustomMaskEdit::TCustomMaskEdit;
};
