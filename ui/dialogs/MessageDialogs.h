#pragma once
// Message boxes as our own modal forms: the icon of the dialog type (or of
// the MB_ICON* flag), the text, a row of buttons, the
// default button answering Enter and the cancel button Escape.
// MessageDlg and ShowMessage use the library's captions; MessageBoxForm
// takes the system's MB_* flags and answers its ID* numbers (the same
// numbers as the modal results), and is what the application shows
// messages and escaped exceptions with once the program sets it.

#include "ui/core/Set.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"

#include <memory>
#include <string>

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum class TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

inline const TMsgDlgButtons mbYesNoCancel{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbCancel};
inline const TMsgDlgButtons mbYesNo{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo};
inline const TMsgDlgButtons mbOKCancel{TMsgDlgBtn::mbOK, TMsgDlgBtn::mbCancel};
inline const TMsgDlgButtons mbAbortRetryIgnore{TMsgDlgBtn::mbAbort, TMsgDlgBtn::mbRetry, TMsgDlgBtn::mbIgnore};

// The MB_* flags beyond those the application declares.
constexpr unsigned MB_ABORTRETRYIGNORE = 0x2, MB_YESNOCANCEL = 0x3, MB_RETRYCANCEL = 0x5, MB_HELP = 0x4000,
                   MB_DEFBUTTON1 = 0x0, MB_DEFBUTTON2 = 0x100, MB_DEFBUTTON3 = 0x200, MB_TYPEMASK = 0xF,
                   MB_DEFMASK = 0xF00;
constexpr int IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7;

// The dialog, not shown yet: the caller may change it before ShowModal.
// Its buttons are named by their kind ("OK", "Cancel", "Yes"...), its text
// "Message", its icon "Image".
std::unique_ptr<TForm> CreateMessageDialog(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons);
// The modal result of the button pressed (mrCancel when closed otherwise).
int MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
void ShowMessage(const std::string& message);
// The caption empty: the application's title.
int MessageBoxForm(const std::string& text, const std::string& caption, unsigned flags);
