#include "skin/core/utils/SkinSystem.h"

#include "ui/dialogs/MessageDialogs.h"
#include "ui/forms/Application.h"

#include "platform/system/Clock.h"
#include "platform/system/PlatformVersion.h"

namespace {

constexpr platform::DWORD kXpMajor = 5;

TSkMessageBoxFunction& MessageBoxFunction() {
    static TSkMessageBoxFunction show;
    return show;
}

void ShowBox(const std::string& text, bool error) {
    if (MessageBoxFunction()) return MessageBoxFunction()(text, error);
    MessageDlg(text, error ? TMsgDlgType::mtError : TMsgDlgType::mtWarning, TMsgDlgButtons{TMsgDlgBtn::mbOK});
}

}  // namespace

bool AtLeastWinXP() {
    platform::OSVERSIONINFO info{};
    if (!platform::GetVersionEx(&info)) return false;
    return info.dwMajorVersion > kXpMajor || (info.dwMajorVersion == kXpMajor && info.dwMinorVersion > 0);
}

bool RunningUnderWow64() {
    platform::BOOL wow64 = 0;
    return platform::IsWow64Process(nullptr, &wow64) && wow64;
}

bool DebuggerPresent() { return platform::IsDebuggerPresent() != 0; }

void WaitWithMessages(unsigned milliseconds) {
    std::uint64_t until = platform::GetTickCount64() + milliseconds;
    do {
        Application->ProcessMessages();
    } while (platform::GetTickCount64() < until);
}

void ShowErrorBox(const std::string& text) { ShowBox(text, true); }

void ShowWarningBox(const std::string& text) { ShowBox(text, false); }

void SetSkinMessageBoxFunction(TSkMessageBoxFunction show) { MessageBoxFunction() = std::move(show); }
