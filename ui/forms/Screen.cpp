#include "ui/forms/Screen.h"

#include "ui/core/TypeInfo.h"
#include "ui/forms/Form.h"

#include "platform/window/SystemMetrics.h"

#include <algorithm>

// Lives as long as the process, as the application does.
TScreen* Screen = new TScreen(nullptr);

const TClassInfo& TScreen::StaticClass() {
    static const TClassInfo info("TScreen", &TComponent::StaticClass());
    return info;
}

TScreen::TScreen(TComponent* owner) : TComponent(owner) {}

TWinControl* TScreen::ActiveControl() const { return activeForm_ ? activeForm_->ActiveControl() : nullptr; }

void TScreen::SetCursor(TCursor cursor) {
    cursor_ = cursor;
    platform::SetCursor(Cursors(cursor == crDefault ? crArrow : cursor));
}

platform::HCURSOR TScreen::Cursors(TCursor cursor) const {
    if (auto found = custom_.find(cursor); found != custom_.end()) return found->second;
    const char* shape = platform::IDC_ARROW;
    switch (cursor) {
        case crIBeam: shape = platform::IDC_IBEAM; break;
        case crHourGlass:
        case crSQLWait: shape = platform::IDC_WAIT; break;
        case crCross: shape = platform::IDC_CROSS; break;
        case crUpArrow: shape = platform::IDC_UPARROW; break;
        case crSizeNWSE: shape = platform::IDC_SIZENWSE; break;
        case crSizeNESW: shape = platform::IDC_SIZENESW; break;
        case crSizeWE:
        case crHSplit: shape = platform::IDC_SIZEWE; break;
        case crSizeNS:
        case crVSplit: shape = platform::IDC_SIZENS; break;
        case crSizeAll: shape = platform::IDC_SIZEALL; break;
        case crNo:
        case crNoDrop: shape = platform::IDC_NO; break;
        case crHandPoint: shape = platform::IDC_HAND; break;
        case crAppStart: shape = platform::IDC_APPSTARTING; break;
        case crHelp: shape = platform::IDC_HELP; break;
        default: break;
    }
    return platform::LoadCursor(nullptr, shape);
}

namespace {

void TakeLogFont(TFont& font, const platform::LOGFONTA& lf) {
    font.SetName(lf.lfFaceName);
    font.SetHeight(lf.lfHeight);
    TFontStyles style;
    if (lf.lfWeight >= platform::FW_BOLD) style.Include(TFontStyle::fsBold);
    if (lf.lfItalic) style.Include(TFontStyle::fsItalic);
    if (lf.lfUnderline) style.Include(TFontStyle::fsUnderline);
    if (lf.lfStrikeOut) style.Include(TFontStyle::fsStrikeOut);
    font.SetStyle(style);
    font.SetCharset(lf.lfCharSet);
}

}  // namespace

TFont* TScreen::MenuFont() {
    if (!fontsRead_) {
        platform::NONCLIENTMETRICSA metrics = platform::NonClientMetrics();
        TakeLogFont(menuFont_, metrics.lfMenuFont);
        TakeLogFont(hintFont_, metrics.lfStatusFont);
        hintFont_.SetColor(clInfoText);
        fontsRead_ = true;
    }
    return &menuFont_;
}

TFont* TScreen::HintFont() {
    MenuFont();
    return &hintFont_;
}

int TScreen::Width() const { return platform::GetSystemMetrics(platform::SM_CXSCREEN); }
int TScreen::Height() const { return platform::GetSystemMetrics(platform::SM_CYSCREEN); }

TRect TScreen::WorkAreaRect() const {
    platform::RECT area{0, 0, Width(), Height()};
    platform::SystemParametersInfo(platform::SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

void TScreen::AddForm(TCustomForm* form) { forms_.push_back(form); }

void TScreen::RemoveForm(TCustomForm* form) {
    std::erase(forms_, form);
    if (activeForm_ == form) activeForm_ = nullptr;
}
