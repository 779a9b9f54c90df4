// One-pixel solid lines under a rectangular clip take a road of their own
// straight into the pixel rows; these tests hold it to the general stroke's
// pixels, whatever the line, the mix mode or the clip.
#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/LinesShapes.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/detail/Raster.h"
#include "platform/gdi/detail/Stroke.h"
#include "tests/support/PixelCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using namespace platform;

namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 48;
constexpr RECT kClip{4, 5, 57, 41};
// Outside kClip and in no line's way: added to the clip only to make it a
// region of two rectangles, which sends drawing down the general road.
constexpr POINT kLonePixel{kWidth - 1, 0};

// A fill with every pixel different, so that a mixed pixel shows.
void FillNoise(PixelCanvas& canvas) {
    std::uint32_t value = 12345;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            value = value * 1103515245u + 12345u;
            canvas.SetRaw(x, y, (value >> 8) & 0x00FFFFFF);
        }
}

void ClipTo(HDC dc, bool withLonePixel) {
    HRGN clip = CreateRectRgn(kClip.left, kClip.top, kClip.right, kClip.bottom);
    if (withLonePixel) {
        HRGN lone = CreateRectRgn(kLonePixel.x, kLonePixel.y, kLonePixel.x + 1, kLonePixel.y + 1);
        CombineRgn(clip, clip, lone, RGN_OR);
        DeleteObject(lone);
    }
    SelectClipRgn(dc, clip);
    DeleteObject(clip);
}

// Lines of every direction and length, some far outside the surface or
// beyond the 16-bit range, from a fixed generator.
std::vector<POINT> ScatteredPoints(int count) {
    std::vector<POINT> points;
    std::uint32_t value = 777;
    auto next = [&value](int span) {
        value = value * 1664525u + 1013904223u;
        return static_cast<LONG>((value >> 8) % static_cast<std::uint32_t>(span));
    };
    for (int i = 0; i < count; ++i) {
        if (i % 9 == 8)
            points.push_back({next(2) ? 2000000000 : -2000000000, next(kHeight)});
        else
            points.push_back({next(kWidth + 40) - 20, next(kHeight + 30) - 15});
    }
    return points;
}

std::string Differences(const PixelCanvas& fast, const PixelCanvas& general) {
    std::string out;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (!(x == kLonePixel.x && y == kLonePixel.y) && fast.RawAt(x, y) != general.RawAt(x, y))
                out += "(" + std::to_string(x) + "," + std::to_string(y) + ") ";
    return out;
}

int ChangedPixels(const PixelCanvas& drawn) {
    PixelCanvas untouched(kWidth, kHeight);
    FillNoise(untouched);
    int changed = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) changed += drawn.RawAt(x, y) != untouched.RawAt(x, y);
    return changed;
}

// Draws the same lines into two canvases, one clipped to a rectangle and
// one to a region of two rectangles.
struct TwoRoads {
    PixelCanvas fast{kWidth, kHeight};
    PixelCanvas general{kWidth, kHeight};

    template <class Draw>
    void DrawBoth(int rop2, Draw draw) {
        for (auto [canvas, lone] : {std::pair{&fast, false}, std::pair{&general, true}}) {
            FillNoise(*canvas);
            ClipTo(canvas->Dc(), lone);
            SetROP2(canvas->Dc(), rop2);
            HPEN pen = CreatePen(PS_SOLID, 1, RGB(200, 30, 90));
            HGDIOBJ old = SelectObject(canvas->Dc(), pen);
            draw(canvas->Dc());
            SelectObject(canvas->Dc(), old);
            DeleteObject(pen);
        }
    }
};

}  // namespace

TEST(SolidThinLines, LineToPaintsTheGeneralStrokesPixelsInEveryMixMode) {
    const std::vector<POINT> points = ScatteredPoints(400);
    for (int rop2 : {R2_COPYPEN, R2_XORPEN, R2_NOT, R2_MASKPEN, R2_NOTMERGEPEN}) {
        TwoRoads roads;
        // One line a call: a pixel is mixed once per line, where lines cross too.
        roads.DrawBoth(rop2, [&](HDC dc) {
            MoveToEx(dc, points[0].x, points[0].y, nullptr);
            for (std::size_t i = 1; i < points.size(); ++i) LineTo(dc, points[i].x, points[i].y);
        });
        EXPECT_EQ(Differences(roads.fast, roads.general), "") << "mix mode " << rop2;
        EXPECT_GT(ChangedPixels(roads.fast), 200) << "mix mode " << rop2;
    }
}

TEST(SolidThinLines, PolylinesPaintTheGeneralStrokesPixels) {
    const std::vector<POINT> points = ScatteredPoints(120);
    // Crossing segments of one call are mixed once, so XOR keeps to the
    // general road; copying takes the fast one.
    for (int rop2 : {R2_COPYPEN, R2_XORPEN}) {
        TwoRoads roads;
        roads.DrawBoth(rop2, [&](HDC dc) { Polyline(dc, points.data(), static_cast<int>(points.size())); });
        EXPECT_EQ(Differences(roads.fast, roads.general), "") << "mix mode " << rop2;
        EXPECT_GT(ChangedPixels(roads.fast), 200) << "mix mode " << rop2;
    }
}

// Pixel t along the major axis sits at minor = start + floor((2 t dminor +
// steps) / (2 steps)), worked out here directly for each pixel.
TEST(SolidThinLines, EachPixelLiesWhereTheLineRuleAloneWouldPutIt) {
    const std::vector<POINT> points = ScatteredPoints(300);
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const POINT a = points[i], b = points[i + 1];
        PixelCanvas canvas(kWidth, kHeight);
        ClipTo(canvas.Dc(), false);
        HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
        HGDIOBJ old = SelectObject(canvas.Dc(), pen);
        MoveToEx(canvas.Dc(), a.x, a.y, nullptr);
        LineTo(canvas.Dc(), b.x, b.y);
        SelectObject(canvas.Dc(), old);
        DeleteObject(pen);

        std::vector<bool> expected(kWidth * kHeight, false);
        const long long dx = static_cast<long long>(b.x) - a.x, dy = static_cast<long long>(b.y) - a.y;
        const bool xMajor = std::llabs(dx) >= std::llabs(dy);
        const long long major = xMajor ? dx : dy, minor = xMajor ? dy : dx, steps = std::llabs(major);
        // Only the pixels whose major coordinate falls within the clip matter.
        const int stepSign = major > 0 ? 1 : -1;
        const long long majorStart = xMajor ? a.x : a.y;
        const long long low = xMajor ? kClip.left : kClip.top, high = xMajor ? kClip.right : kClip.bottom;
        const long long tFirst = std::max(0LL, stepSign > 0 ? low - majorStart : majorStart - (high - 1));
        const long long tEnd = std::min(steps, stepSign > 0 ? high - majorStart : majorStart - low + 1);
        for (long long t = tFirst; t < tEnd; ++t) {
            const __int128 numerator = static_cast<__int128>(2) * t * minor + steps;
            const __int128 denominator = 2 * steps;
            __int128 offset = numerator / denominator;
            if (numerator % denominator != 0 && numerator < 0) --offset;
            const long long m = majorStart + t * stepSign;
            const long long n = (xMajor ? a.y : a.x) + static_cast<long long>(offset);
            const long long x = xMajor ? m : n, y = xMajor ? n : m;
            if (x >= kClip.left && x < kClip.right && y >= kClip.top && y < kClip.bottom) expected[y * kWidth + x] = true;
        }
        std::string wrong;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if ((canvas.At(x, y) == RGB(0, 0, 0)) != expected[y * kWidth + x])
                    wrong += "(" + std::to_string(x) + "," + std::to_string(y) + ") ";
        EXPECT_EQ(wrong, "") << "line (" << a.x << "," << a.y << ")-(" << b.x << "," << b.y << ")";
    }
}

TEST(SolidThinLines, TakesTheFastRoadOnlyForSolidOnePixelPensUnderARectangle) {
    struct Case {
        const char* what;
        int style;
        int width;
        bool lonePixel;
        int rop2;
        std::vector<POINT> points;
        bool fast;
    } cases[] = {
        {"solid line, rectangle", PS_SOLID, 1, false, R2_COPYPEN, {{0, 0}, {30, 20}}, true},
        {"solid line, XOR", PS_SOLID, 1, false, R2_XORPEN, {{0, 0}, {30, 20}}, true},
        {"solid polyline, copy", PS_SOLID, 1, false, R2_COPYPEN, {{0, 0}, {30, 20}, {5, 30}}, true},
        {"solid polyline, XOR", PS_SOLID, 1, false, R2_XORPEN, {{0, 0}, {30, 20}, {5, 30}}, false},
        {"two-rectangle clip", PS_SOLID, 1, true, R2_COPYPEN, {{0, 0}, {30, 20}}, false},
        {"dashed", PS_DASH, 1, false, R2_COPYPEN, {{0, 0}, {30, 20}}, false},
        {"wide", PS_SOLID, 3, false, R2_COPYPEN, {{0, 0}, {30, 20}}, false},
        {"no pen", PS_NULL, 1, false, R2_COPYPEN, {{0, 0}, {30, 20}}, false},
    };
    for (const Case& c : cases) {
        PixelCanvas canvas(kWidth, kHeight);
        FillNoise(canvas);
        ClipTo(canvas.Dc(), c.lonePixel);
        SetROP2(canvas.Dc(), c.rop2);
        HPEN pen = CreatePen(c.style, c.width, RGB(0, 0, 255));
        HGDIOBJ old = SelectObject(canvas.Dc(), pen);
        {
            Raster raster(*LookupDC(canvas.Dc()));
            const PenShape shape = PenShapeOf(raster);
            EXPECT_EQ(PaintSolidThinPolyline(raster, shape, c.points, false), c.fast) << c.what;
        }
        if (!c.fast) {
            EXPECT_EQ(ChangedPixels(canvas), 0) << c.what << ": refused, yet painted";
        }
        SelectObject(canvas.Dc(), old);
        DeleteObject(pen);
    }
}

TEST(SolidThinLines, StraightLinesPaintTheGeneralStrokesPixels) {
    // Vertical and horizontal lines both ways: inside, across each clip
    // edge, along an edge, outside, of one pixel and of none.
    const std::vector<std::pair<POINT, POINT>> lines = {
        {{10, 8}, {10, 30}},  {{12, 30}, {12, 8}},  {{20, 0}, {20, kHeight}}, {{21, kHeight + 5}, {21, -5}},
        {{4, 10}, {4, 20}},   {{56, 20}, {56, 10}}, {{57, 10}, {57, 20}},     {{3, 10}, {3, 20}},
        {{30, 12}, {30, 13}}, {{31, 12}, {31, 12}}, {{6, 15}, {40, 15}},      {{40, 17}, {6, 17}},
        {{0, 19}, {kWidth, 19}}, {{kWidth + 9, 21}, {-9, 21}}, {{10, 5}, {20, 5}}, {{20, 40}, {10, 40}},
        {{10, 41}, {20, 41}}, {{10, 4}, {20, 4}},   {{33, 25}, {34, 25}},     {{-2000000000, 27}, {2000000000, 27}},
        {{35, 2000000000}, {35, -2000000000}},
    };
    TwoRoads roads;
    roads.DrawBoth(R2_COPYPEN, [&](HDC dc) {
        for (const auto& [from, to] : lines) {
            MoveToEx(dc, from.x, from.y, nullptr);
            LineTo(dc, to.x, to.y);
        }
    });
    EXPECT_EQ(Differences(roads.fast, roads.general), "");
    EXPECT_GT(ChangedPixels(roads.fast), 200);
}
