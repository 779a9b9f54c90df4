#pragma once
// What speed buttons and bit buttons share: a glyph bitmap holding one to
// four frames side by side (up, disabled, down, held down), drawn with its
// bottom-left colour transparent (or its own alpha), and the layout of
// glyph and caption on the face.

#include "ui/graphics/Bitmap.h"
#include "ui/graphics/ImagePixels.h"

#include <string>

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
// bsExclusive: held down as the pressed button of a group.
enum class TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

// Where the glyph's corner and the caption's rectangle go.
struct TButtonFaceLayout {
    TPoint GlyphPos;
    TRect TextBounds;
};

// `margin` -1 centres glyph and caption together; `spacing` -1 spreads them
// evenly. The spacing counts only when there are both a glyph and a caption.
TButtonFaceLayout LayoutButtonFace(const TRect& client, TPoint glyphSize, TPoint textSize, TButtonLayout layout,
                                   int margin, int spacing);

class TButtonGlyph {
public:
    TButtonGlyph();
    TBitmap* Glyph() { return &glyph_; }
    void SetGlyph(const TBitmap* glyph);
    int NumGlyphs() const { return numGlyphs_; }
    // 1 to 4; others are ignored.
    void SetNumGlyphs(int count);
    // The size of one frame; zero without a glyph.
    TPoint FrameSize() const;
    bool Empty() const { return glyph_.Empty(); }

    // The frame for the state: a missing disabled frame is made from the
    // first, a missing down frame is the first, a missing held-down frame
    // is the down one.
    void Draw(TCanvas& canvas, int x, int y, TButtonState state);
    TNotifyEvent OnChange;

private:
    TBitmap glyph_;
    int numGlyphs_ = 1;
};

// The caption's size in the canvas's font, wrapped at `widthLimit` when
// `wordWrap` is set; an empty caption has none.
TPoint MeasureButtonCaption(TCanvas& canvas, const std::string& caption, int widthLimit, bool wordWrap);
// The caption in `r` with DrawText flags; disabled: etched in highlight and shadow.
void DrawButtonCaption(TCanvas& canvas, const TRect& r, const std::string& caption, bool enabled, unsigned flags);
