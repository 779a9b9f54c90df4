#pragma once
// Semi-transparent drawing on the chart canvas: a snapshot of an area is
// taken before drawing and mixed back over what was drawn afterwards.

#include "chart/core/ChartTypes.h"

#include "ui/graphics/Bitmap.h"

#include <memory>

class TChartCanvas;

class TChartBlend {
public:
    // Takes the snapshot of `rect` (clamped to the canvas' bounds).
    TChartBlend(TChartCanvas& canvas, const TRect& rect);
    // Mixes the snapshot back: 0 keeps the new drawing, 100 restores the snapshot.
    void MixBack(int transparency);
    bool Valid() const { return valid_; }
    const TRect& Rect() const { return rect_; }
    // What was there before drawing; none when the snapshot is not valid.
    TBitmap* Snapshot() const { return snapshot_.get(); }

private:
    TChartCanvas& canvas_;
    std::unique_ptr<TBitmap> snapshot_;
    TRect rect_;
    bool valid_ = false;
};

// `opacity` per cent of `source` stays under `dest` at `position`; both
// become 24-bit.
void MixBitmaps(TBitmap& source, TBitmap& dest, TPoint position, int opacity);

// Whether the system's alpha blending is used; without it pixels are mixed
// one by one. On by default.
bool& SystemAlphaBlending();
