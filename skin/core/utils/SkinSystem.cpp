#include "skin/core/utils/SkinSystem.h"

#include "ui/dialogs/MessageDialogs.h"
#include "ui/forms/Application.h"

#include "platform/system/Clock.h"
#include "platform/system/PlatformVersion.h"
#include "platform/window/SystemMetrics.h"

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

TMessage FillMessage(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam,
                     platform::LRESULT result) {
    return TMessage{message, wParam, lParam, result};
}

namespace {

bool CaptionFont(platform::LOGFONTA& font) {
    platform::NONCLIENTMETRICSA metrics;
    if (!platform::SystemParametersInfo(platform::SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return false;
    font = metrics.lfCaptionFont;
    return true;
}

}  // namespace

int CaptionFontHeight() {
    platform::LOGFONTA font;
    return CaptionFont(font) ? font.lfHeight : 0;
}

platform::HFONT CreateCaptionFont() {
    platform::LOGFONTA font;
    return CaptionFont(font) ? platform::CreateFontIndirectA(&font) : nullptr;
}

bool MinimizeAnimationOn() {
    platform::ANIMATIONINFO info;
    return platform::SystemParametersInfo(platform::SPI_GETANIMATION, sizeof info, &info, 0) && info.iMinAnimate != 0;
}

void SetMinimizeAnimation(bool on) {
    platform::ANIMATIONINFO info;
    info.iMinAnimate = on ? -1 : 0;
    platform::SystemParametersInfo(platform::SPI_SETANIMATION, sizeof info, &info, 0);
}

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

bool EffectsDisabled() {
    static const bool disabled = [] {
        platform::BOOL composition = 0;
        return RunningUnderWow64() && !(platform::DwmIsCompositionEnabled(&composition) == 0 && composition);
    }();
    return disabled;
}

void WaitWithMessages(unsigned milliseconds) {
    std::uint64_t until = platform::GetTickCount64() + milliseconds;
    do {
        Application->ProcessMessages();
    } while (platform::GetTickCount64() < until);
}

void ShowErrorBox(const std::string& text) { ShowBox(text, true); }

void ShowWarningBox(const std::string& text) { ShowBox(text, false); }

void SetSkinMessageBoxFunction(TSkMessageBoxFunction show) { MessageBoxFunction() = std::move(show); }
