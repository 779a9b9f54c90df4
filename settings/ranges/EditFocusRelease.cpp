#include "settings/ranges/EditFocusRelease.h"

#include "ui/controls/ButtonControl.h"
#include "ui/controls/SpinEdit.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

struct TRelease {
    TCustomForm* Window;
    TWinControl* Target;
};

std::vector<TRelease>& Releases() {
    static std::vector<TRelease> releases;
    return releases;
}

// The application's handler from before the first registration.
TMessageEvent& Beneath() {
    static TMessageEvent beneath;
    return beneath;
}

// Check boxes and buttons are both button controls.
bool KeepsFocus(const TWinControl* control) {
    return dynamic_cast<const TDecimalSpinEdit*>(control) || dynamic_cast<const TButtonControl*>(control);
}

void ReleaseEditFocus(platform::MSG& msg, bool& handled) {
    const bool leftPress = msg.message == platform::WM_LBUTTONDOWN || msg.message == platform::WM_LBUTTONDBLCLK;
    if (leftPress && !KeepsFocus(TWinControl::FindControl(msg.hwnd))) {
        for (const TRelease& release : std::vector<TRelease>(Releases())) {
            const bool typing = dynamic_cast<TDecimalSpinEdit*>(release.Window->ActiveControl()) != nullptr;
            if (typing && release.Target->CanFocus()) release.Target->SetFocus();
        }
    }
    if (Beneath()) Beneath()(msg, handled);
}

}  // namespace

void RegisterEditFocusRelease(TCustomForm* window, TWinControl* target) {
    UnregisterEditFocusRelease(window);
    if (Releases().empty()) {
        Beneath() = std::move(Application->OnMessage);
        Application->OnMessage = ReleaseEditFocus;
    }
    Releases().push_back({window, target});
}

void UnregisterEditFocusRelease(TCustomForm* window) {
    std::vector<TRelease>& releases = Releases();
    const auto gone = std::remove_if(releases.begin(), releases.end(), [window](const TRelease& r) { return r.Window == window; });
    if (gone == releases.end()) return;
    releases.erase(gone, releases.end());
    if (releases.empty()) Application->OnMessage = std::move(Beneath());
}
