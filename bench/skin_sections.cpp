// module: skin_internal
// A skinned button repaints its cache on every change of state: its section
// (gradient, border mask stretched with its own mask, corners over the
// parent) into a 200 x 30 bitmap. One run paints it 10,000 times.
#include "tools/skingen/InternalSkin.h"

#include "skin/core/manager/SkinManager.h"
#include "skin/core/parentbg/ParentCache.h"
#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/sections/SectionPaint.h"
#include "skin/core/utils/SkinSystem.h"

#include "ui/graphics/Bitmap.h"

#include "platform/display/Display.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

constexpr int kWidth = 200, kHeight = 30, kPaints = 10000;

void BM_PaintButtonSection(benchmark::State& state) {
    platform::testing::UseHeadlessDisplay();
    SetSkinMessageBoxFunction([](const std::string&, bool) {});
    TSkinManager manager(nullptr);
    manager.SetSkinDirectory(std::filesystem::temp_directory_path().string());
    AddClassicInternalSkin(manager);
    manager.SetSkinName("Classic (внутренний)");
    const int section = manager.FindSectionIndex("BUTTON");
    TBitmap parent(kWidth + 20, kHeight + 20, TPixelFormat::pf32bit), cache(kWidth, kHeight, TPixelFormat::pf32bit);
    const TSkParentCache behind = MakeParentCache(&parent, 10, 10);
    const int paintState = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (int i = 0; i < kPaints; ++i)
            PaintSection(section, "BUTTON", behind, -1, -1, &manager, cache, TPoint{0, 0}, TRect(0, 0, kWidth, kHeight),
                         paintState, true);
        benchmark::DoNotOptimize(PixelRow(cache, kHeight / 2)[kWidth / 2]);
    }
    state.counters["paints"] = kPaints;
    SetSkinMessageBoxFunction(nullptr);
}
BENCHMARK(BM_PaintButtonSection)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
