// module: skin_internal
// A layered form repaints its title on every activation: the FORMTITLE
// section into a 360 x 30 alpha bitmap and its Russian caption with the
// section's contours; a hint with tags is measured and drawn twice per
// show. One run does each 1,000 times.
#include "tools/skingen/InternalSkin.h"

#include "skin/core/alpha/Section32.h"
#include "skin/core/html/SkHtml.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/text/TextOnAlpha.h"
#include "skin/core/utils/SkinSystem.h"

#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"

#include "platform/display/Display.h"
#include "platform/text/DrawText.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

constexpr int kWidth = 360, kHeight = 30, kRuns = 1000;

void BM_PaintTitleWithCaption(benchmark::State& state) {
    platform::testing::UseHeadlessDisplay();
    SetSkinMessageBoxFunction([](const std::string&, bool) {});
    TSkinManager manager(nullptr);
    manager.SetSkinDirectory(std::filesystem::temp_directory_path().string());
    AddClassicInternalSkin(manager);
    manager.SetSkinName("Classic (внутренний)");
    const int section = manager.FindSectionIndex("FORMTITLE");
    TBitmap title(kWidth, kHeight, TPixelFormat::pf32bit);
    title.Canvas()->Font()->SetName("Tahoma");
    title.Canvas()->Font()->SetSize(10);
    const unsigned format = platform::DT_SINGLELINE | platform::DT_VCENTER | platform::DT_NOPREFIX;
    for (auto _ : state) {
        for (int i = 0; i < kRuns; ++i) {
            PaintSection32(section, 1, &manager, title, TRect(0, 0, kWidth, kHeight));
            DrawSectionTextAlpha(title, "Велзар — настройки первой ступени", true, &manager, true, section, format,
                                 TRect(10, 0, kWidth - 10, kHeight));
        }
        benchmark::DoNotOptimize(PixelRow(title, kHeight / 2)[kWidth / 2]);
    }
    state.counters["titles"] = kRuns;
    SetSkinMessageBoxFunction(nullptr);
}
BENCHMARK(BM_PaintTitleWithCaption)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MeasureAndDrawHint(benchmark::State& state) {
    platform::testing::UseHeadlessDisplay();
    TBitmap work(300, 80, TPixelFormat::pf32bit);
    work.Canvas()->Font()->SetName("Tahoma");
    work.Canvas()->Font()->SetSize(9);
    const std::string hint = "<B>Порог старта</B>, g<BR>Допустимо: от 1 до 15 &laquo;по умолчанию&raquo; "
                             "<FONT COLOR=RED>5</FONT><P><I>Ускорение вдоль оси ракеты</I>";
    for (auto _ : state) {
        TRect size;
        for (int i = 0; i < kRuns; ++i) {
            TSkHtml html;
            html.Prepare(&work, hint, TRect(0, 0, 300, 0));
            html.Render(size);
        }
        benchmark::DoNotOptimize(size);
    }
    state.counters["hints"] = kRuns;
}
BENCHMARK(BM_MeasureAndDrawHint)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
