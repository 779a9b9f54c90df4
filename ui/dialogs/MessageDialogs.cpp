#include "ui/dialogs/MessageDialogs.h"

#include "ui/controls/Button.h"
#include "ui/controls/Image.h"
#include "ui/controls/Label.h"
#include "ui/dialogs/DialogIcons.h"

#include <algorithm>
#include <vector>

namespace {

struct ButtonKind {
    const char* name;
    const char* caption;
    TModalResult result;
};

// In the order they stand in a dialog; the captions are the Russian
// system's, the dialog-type captions below are the library's own.
const ButtonKind Kinds[] = {
    {"Yes", "&Да", mrYes},
    {"No", "&Нет", mrNo},
    {"OK", "OK", mrOk},
    {"Cancel", "Отмена", mrCancel},
    {"Abort", "&Прервать", mrAbort},
    {"Retry", "Пов&тор", mrRetry},
    {"Ignore", "Пропу&стить", mrIgnore},
    {"All", "&Все", mrAll},
    {"NoToAll", "Н&ет для всех", mrNoToAll},
    {"YesToAll", "Да для вс&ех", mrYesToAll},
    {"Help", "&Помощь", mrNone},
};

const char* Caption(TMsgDlgType type) {
    switch (type) {
        case TMsgDlgType::mtWarning: return "Warning";
        case TMsgDlgType::mtError: return "Error";
        case TMsgDlgType::mtInformation: return "Information";
        case TMsgDlgType::mtConfirmation: return "Confirm";
        case TMsgDlgType::mtCustom: break;
    }
    return "";
}

constexpr int Margin = 12, ButtonWidth = 75, ButtonHeight = 25, ButtonGap = 6, MaxTextWidth = 400;

TDialogIcon IconOf(TMsgDlgType type) {
    switch (type) {
        case TMsgDlgType::mtWarning: return TDialogIcon::diWarning;
        case TMsgDlgType::mtError: return TDialogIcon::diError;
        case TMsgDlgType::mtInformation: return TDialogIcon::diInformation;
        case TMsgDlgType::mtConfirmation: return TDialogIcon::diQuestion;
        case TMsgDlgType::mtCustom: break;
    }
    return TDialogIcon::diNone;
}

// Builds the form: the icon, a label with the text beside it and the buttons
// in a row; `defaultIndex` and `cancel` pick among the buttons present.
std::unique_ptr<TForm> BuildDialog(const std::string& text, const std::string& caption, TDialogIcon icon,
                                   const std::vector<TMsgDlgBtn>& buttons, int defaultIndex, TMsgDlgBtn cancel,
                                   bool hasCancel) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBorderStyle(TFormBorderStyle::bsDialog);
    form->SetPosition(TPosition::poScreenCenter);
    form->SetBorderIcons({TBorderIcon::biSystemMenu});
    form->SetCaption(caption);
    form->SetColor(clBtnFace);

    int textLeft = Margin, iconBottom = 0;
    if (icon != TDialogIcon::diNone) {
        auto* image = new TImage(form.get());
        image->SetName("Image");
        image->SetParent(form.get());
        image->SetBounds(Margin, Margin, DialogIconSize, DialogIconSize);
        DrawDialogIcon(icon, *image->Picture()->Bitmap());
        image->SetTransparent(true);
        textLeft = 2 * Margin + DialogIconSize;
        iconBottom = Margin + DialogIconSize;
    }

    auto* label = new TLabel(form.get());
    label->SetName("Message");
    label->SetShowAccelChar(false);
    label->SetParent(form.get());
    label->SetCaption(text);
    if (label->Width() > MaxTextWidth) {
        label->SetAutoSize(false);
        label->SetBounds(textLeft, Margin, MaxTextWidth, label->Height());
        label->SetWordWrap(true);
        label->SetAutoSize(true);
    }
    // A short text stands level with the icon's middle.
    int textTop = iconBottom ? std::max(Margin, Margin + (DialogIconSize - label->Height()) / 2) : Margin;
    label->SetBounds(textLeft, textTop, label->Width(), label->Height());

    int count = static_cast<int>(buttons.size());
    int rowWidth = count * ButtonWidth + (count - 1) * ButtonGap;
    int clientWidth = std::max(label->Left() + label->Width() - Margin, rowWidth) + 2 * Margin;
    int buttonTop = std::max(label->Top() + label->Height(), iconBottom) + Margin + 4;
    form->SetClientSize(clientWidth, buttonTop + ButtonHeight + Margin);

    int x = (clientWidth - rowWidth) / 2;
    for (int i = 0; i < count; ++i) {
        const ButtonKind& kind = Kinds[static_cast<int>(buttons[static_cast<std::size_t>(i)])];
        auto* b = new TButton(form.get());
        b->SetName(kind.name);
        b->SetParent(form.get());
        b->SetCaption(kind.caption);
        b->ModalResult = kind.result;
        b->SetBounds(x, buttonTop, ButtonWidth, ButtonHeight);
        b->SetDefault(i == defaultIndex);
        b->Cancel = hasCancel && buttons[static_cast<std::size_t>(i)] == cancel;
        if (i == defaultIndex) {
            // The focus starts on the default button.
            b->SetTabOrder(0);
            TForm* f = form.get();
            form->OnActivate = [f, b](TObject*) {
                if (!f->ActiveControl() && b->CanFocus()) b->SetFocus();
            };
        }
        x += ButtonWidth + ButtonGap;
    }
    return form;
}

std::vector<TMsgDlgBtn> InOrder(TMsgDlgButtons set) {
    std::vector<TMsgDlgBtn> out;
    for (int i = 0; i <= static_cast<int>(TMsgDlgBtn::mbHelp); ++i)
        if (set.Contains(static_cast<TMsgDlgBtn>(i))) out.push_back(static_cast<TMsgDlgBtn>(i));
    return out;
}

}  // namespace

std::unique_ptr<TForm> CreateMessageDialog(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons) {
    std::vector<TMsgDlgBtn> list = InOrder(buttons);
    if (list.empty()) list.push_back(TMsgDlgBtn::mbOK);
    // Escape: Cancel, else No, else OK.
    TMsgDlgBtn cancel = buttons.Contains(TMsgDlgBtn::mbCancel) ? TMsgDlgBtn::mbCancel
                        : buttons.Contains(TMsgDlgBtn::mbNo)   ? TMsgDlgBtn::mbNo
                                                               : TMsgDlgBtn::mbOK;
    // Enter: OK, else Yes, else the first.
    int defaultIndex = 0;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i] == TMsgDlgBtn::mbOK || (list[i] == TMsgDlgBtn::mbYes && !buttons.Contains(TMsgDlgBtn::mbOK)))
            defaultIndex = static_cast<int>(i);
    std::string caption = type == TMsgDlgType::mtCustom ? Application->Title() : Caption(type);
    return BuildDialog(message, caption, IconOf(type), list, defaultIndex, cancel, true);
}

int MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int) {
    std::unique_ptr<TForm> dialog = CreateMessageDialog(message, type, buttons);
    return dialog->ShowModal();
}

void ShowMessage(const std::string& message) {
    std::unique_ptr<TForm> dialog = CreateMessageDialog(message, TMsgDlgType::mtCustom, {TMsgDlgBtn::mbOK});
    dialog->ShowModal();
}

int MessageBoxForm(const std::string& text, const std::string& caption, unsigned flags) {
    using B = TMsgDlgBtn;
    std::vector<B> buttons;
    switch (flags & MB_TYPEMASK) {
        case MB_OKCANCEL: buttons = {B::mbOK, B::mbCancel}; break;
        case MB_ABORTRETRYIGNORE: buttons = {B::mbAbort, B::mbRetry, B::mbIgnore}; break;
        case MB_YESNOCANCEL: buttons = {B::mbYes, B::mbNo, B::mbCancel}; break;
        case MB_YESNO: buttons = {B::mbYes, B::mbNo}; break;
        case MB_RETRYCANCEL: buttons = {B::mbRetry, B::mbCancel}; break;
        default: buttons = {B::mbOK}; break;
    }
    if (flags & MB_HELP) buttons.push_back(B::mbHelp);
    int defaultIndex = std::min(static_cast<int>((flags & MB_DEFMASK) >> 8), static_cast<int>(buttons.size()) - 1);
    // Escape answers only where a Cancel button is, or OK stands alone.
    bool hasCancel = std::find(buttons.begin(), buttons.end(), B::mbCancel) != buttons.end();
    B cancel = hasCancel ? B::mbCancel : B::mbOK;
    bool escape = hasCancel || (flags & MB_TYPEMASK) == MB_OK;
    std::unique_ptr<TForm> dialog =
        BuildDialog(text, caption.empty() ? Application->Title() : caption, DialogIconOfFlags(flags), buttons,
                    defaultIndex, cancel, escape);
    return dialog->ShowModal();
}
