#pragma once
// A white bitmap with an unbuffered chart canvas drawing straight onto it,
// for tests that look at the pixels a chart element leaves.

#include "chart/canvas/ChartCanvas3D.h"

#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Colors.h"

#include "tests/support/PngDump.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

// The bounding box of the pixels for which `inked` holds, given their colours by `at`.
template <class At, class P>
TRect InkBounds(int w, int h, At at, P inked) {
    TRect r{w, h, -1, -1};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!inked(at(x, y))) continue;
            r.Left = std::min(r.Left, x);
            r.Top = std::min(r.Top, y);
            r.Right = std::max(r.Right, x + 1);
            r.Bottom = std::max(r.Bottom, y + 1);
        }
    return r;
}

// Writes the pixels as NAME.png into VELZAR_DUMP_DIR when it is set, for a person to look at.
template <class At>
void DumpChartPixels(const std::string& name, int w, int h, At at) {
    const char* dir = std::getenv("VELZAR_DUMP_DIR");
    if (!dir) return;
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint32_t c = ColorToRGB(at(x, y));
            pixels.push_back(((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF));
        }
    png_dump::WritePng(std::string(dir) + "/" + name + ".png", pixels.data(), w, h, w);
}

class ChartPixelSurface {
public:
    ChartPixelSurface(int w, int h) : bitmap(w, h) {
        bitmap.Canvas()->Brush()->SetColor(clWhite);
        bitmap.Canvas()->FillRect(TRect{0, 0, w, h});
        canvas.SetBuffered(false);
        canvas.PrepareDrawing(bitmap.Canvas(), nullptr, clWhite, false, TRect{0, 0, w, h});
        canvas.SetDefaultTools();
    }
    TColor At(int x, int y) { return bitmap.Canvas()->Pixels(x, y); }
    template <class P>
    TRect InkWhere(P inked) {
        return InkBounds(bitmap.Width(), bitmap.Height(), [this](int x, int y) { return At(x, y); }, inked);
    }
    void Dump(const std::string& name) {
        DumpChartPixels(name, bitmap.Width(), bitmap.Height(), [this](int x, int y) { return At(x, y); });
    }
    TBitmap bitmap;
    TChartCanvas3D canvas;
};
