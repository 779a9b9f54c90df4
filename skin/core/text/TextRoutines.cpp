#include "skin/core/text/TextRoutines.h"

#include "ui/graphics/Canvas.h"

#include "platform/gdi/DeviceContexts.h"
#include "platform/text/DrawText.h"
#include "platform/text/TextMetrics.h"
#include "platform/window/Painting.h"

namespace {

constexpr std::string_view kEllipsis = "...";

// Where the last whole letter of a UTF-8 text starts.
std::size_t LastLetterStart(const std::string& text) {
    std::size_t at = text.size();
    while (at > 0) {
        --at;
        if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) break;
    }
    return at;
}

}  // namespace

platform::HDC CanvasTextDC(TCanvas& canvas) {
    canvas.TextExtent("");  // selects the font
    return canvas.Handle();
}

int DrawTextStr(platform::HDC dc, std::string_view text, const TRect& rect, unsigned format) {
    platform::RECT r = rect;
    return platform::DrawTextA(dc, text.data(), static_cast<int>(text.size()), &r, format);
}

int DrawTextCanvas(TCanvas& canvas, std::string_view text, unsigned format, const TRect& rect) {
    return DrawTextStr(CanvasTextDC(canvas), text, rect, format);
}

int CanvasTextWidth(TCanvas& canvas, std::string_view text) { return canvas.TextWidth(text); }
int CanvasTextHeight(TCanvas& canvas, std::string_view text) { return canvas.TextHeight(text); }
platform::SIZE CanvasTextExtent(TCanvas& canvas, std::string_view text) { return canvas.TextExtent(text); }
void CanvasTextRect(TCanvas& canvas, const TRect& rect, int x, int y, std::string_view text) {
    canvas.TextRect(rect, x, y, text);
}

void MeasureTextDC(platform::HDC dc, std::string_view text, platform::SIZE& size) {
    size = {0, 0};
    if (!platform::GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size)) size = {0, 0};
}

void MeasureTextWithFont(platform::HFONT font, std::string_view text, platform::SIZE& size) {
    size = {0, 0};
    platform::HDC screen = platform::GetDC(nullptr);
    if (!screen) return;
    platform::HGDIOBJ old = platform::SelectObject(screen, font);
    MeasureTextDC(screen, text, size);
    platform::SelectObject(screen, old);
    platform::ReleaseDC(nullptr, screen);
}

void FitTextWithEllipsis(TCanvas& canvas, const std::string& text, int width, std::string& fitted) {
    fitted.clear();
    if (width <= 0) return;
    if (canvas.TextWidth(text) <= width) {
        fitted = text;
        return;
    }
    std::string rest = text;
    while (!rest.empty()) {
        rest.erase(LastLetterStart(rest));
        if (rest.empty()) break;
        if (canvas.TextWidth(rest + std::string(kEllipsis)) <= width) {
            fitted = rest + std::string(kEllipsis);
            return;
        }
    }
}
