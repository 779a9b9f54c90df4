// module: platform
// The chart writes dozens of axis labels per repaint (some turned by 90
// degrees) and the skin measures every caption with DrawText.
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/text/DrawText.h"
#include "platform/text/Fonts.h"
#include "platform/text/TextMetrics.h"
#include "platform/text/TextOut.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

using namespace platform;

class Canvas {
public:
    Canvas(int escapement) {
        BITMAPINFO info{};
        info.bmiHeader.biWidth = 800;
        info.bmiHeader.biHeight = -600;
        info.bmiHeader.biBitCount = 32;
        dc_ = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        SelectObject(dc_, bitmap_);
        LOGFONTA logFont;
        logFont.lfHeight = -11;
        logFont.lfEscapement = escapement;
        std::strcpy(logFont.lfFaceName, "Arial");
        font_ = CreateFontIndirectA(&logFont);
        SelectObject(dc_, font_);
        SetBkMode(dc_, TRANSPARENT);
    }
    ~Canvas() {
        DeleteDC(dc_);
        DeleteObject(bitmap_);
        DeleteObject(font_);
    }
    HDC Dc() const { return dc_; }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HFONT font_ = nullptr;
};

const char* const kLabel = "Высота 1250,5 м";

void BM_TextOutLabel(benchmark::State& state) {
    Canvas canvas(static_cast<int>(state.range(0)));
    int length = static_cast<int>(std::strlen(kLabel));
    for (auto _ : state) benchmark::DoNotOptimize(TextOutA(canvas.Dc(), 300, 300, kLabel, length));
}
BENCHMARK(BM_TextOutLabel)->Arg(0)->Arg(900);

void BM_GetTextExtentPoint32(benchmark::State& state) {
    Canvas canvas(0);
    int length = static_cast<int>(std::strlen(kLabel));
    SIZE size;
    for (auto _ : state) benchmark::DoNotOptimize(GetTextExtentPoint32A(canvas.Dc(), kLabel, length, &size));
}
BENCHMARK(BM_GetTextExtentPoint32);

void BM_DrawTextCalcRectWordBreak(benchmark::State& state) {
    Canvas canvas(0);
    const char* text = "Время задержки срабатывания системы спасения после апогея, если ракета не набрала высоту";
    for (auto _ : state) {
        RECT rect{0, 0, 160, 0};
        benchmark::DoNotOptimize(DrawTextA(canvas.Dc(), text, -1, &rect, DT_CALCRECT | DT_WORDBREAK | DT_CENTER));
    }
}
BENCHMARK(BM_DrawTextCalcRectWordBreak);

}  // namespace
