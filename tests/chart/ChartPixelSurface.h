#pragma once
// A white bitmap with an unbuffered chart canvas drawing straight onto it,
// for tests that look at the pixels a chart element leaves.

#include "chart/ChartCanvas3D.h"

#include "ui/Bitmap.h"

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
    TBitmap bitmap;
    TChartCanvas3D canvas;
};
