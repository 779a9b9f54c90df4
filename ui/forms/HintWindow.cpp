#include "ui/forms/HintWindow.h"

#include "ui/core/PublishedProperties.h"
#include "ui/forms/Screen.h"
#include "ui/graphics/Bitmap.h"

#include "platform/window/Placement.h"
#include "platform/window/WindowStyles.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (true) {
        std::size_t end = text.find_first_of("\r\n", at);
        lines.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (end == std::string::npos) break;
        at = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

constexpr int kPadding = 2;

}  // namespace

const TClassInfo& THintWindow::StaticClass() {
    static const TClassInfo info = TPublished<THintWindow>("THintWindow", TCustomControl::StaticClass()).Build();
    return info;
}

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
    SetColor(clInfoBk);
    SetFont(Screen->HintFont());
}

void THintWindow::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    p.Style = platform::WS_POPUP | platform::WS_BORDER;
    p.ExStyle = platform::WS_EX_TOOLWINDOW | platform::WS_EX_TOPMOST | platform::WS_EX_NOACTIVATE;
    p.WndParent = nullptr;
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& hint) {
    TBitmap measure(1, 1);
    TCanvas& canvas = *measure.Canvas();
    canvas.SetFont(Font());
    int width = 0, height = 0;
    for (const std::string& line : LinesOf(hint)) {
        platform::SIZE size = canvas.TextExtent(line.empty() ? " " : line);
        width = std::max(width, static_cast<int>(size.cx));
        height += size.cy;
    }
    if (maxWidth > 0) width = std::min(width, maxWidth);
    // Text, padding and the one-pixel border on each side.
    return Rect(0, 0, width + 2 * kPadding + 2, height + 2 * kPadding + 2);
}

void THintWindow::ActivateHint(const TRect& rect, const std::string& hint) {
    SetText(hint);
    SetBoundsRect(rect);
    HandleNeeded();
    platform::SetWindowPos(Handle(), platform::HWND_TOPMOST, rect.Left, rect.Top, rect.Width(), rect.Height(),
                           platform::SWP_NOACTIVATE | platform::SWP_SHOWWINDOW);
    shown_ = true;
    Invalidate();
    Update();
}

void THintWindow::ReleaseHint() {
    if (shown_ && HandleAllocated()) platform::ShowWindow(Handle(), platform::SW_HIDE);
    shown_ = false;
}

void THintWindow::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(ClientRect());
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    int y = kPadding;
    for (const std::string& line : LinesOf(Text())) {
        canvas.TextOut(kPadding, y, line);
        y += canvas.TextHeight(line.empty() ? " " : line);
    }
}
