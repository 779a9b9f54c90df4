#include "ui/controls/ButtonGlyph.h"

#include "platform/gdi/DeviceContexts.h"
#include "platform/text/DrawText.h"

#include <algorithm>

TButtonFaceLayout LayoutButtonFace(const TRect& client, TPoint glyphSize, TPoint textSize, TButtonLayout layout,
                                   int margin, int spacing) {
    bool horizontal = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
    int clientW = client.Width(), clientH = client.Height();
    bool glyph = glyphSize.X > 0 && glyphSize.Y > 0;
    bool text = textSize.X > 0 && textSize.Y > 0;
    if (!glyph || !text) spacing = 0;
    int room = horizontal ? clientW : clientH;
    int g = horizontal ? glyphSize.X : glyphSize.Y;
    int t = horizontal ? textSize.X : textSize.Y;
    if (margin == -1) {
        if (spacing == -1) {
            margin = (room - (g + t)) / 3;
            spacing = margin;
        } else {
            margin = (room - (g + spacing + t)) / 2;
        }
    } else if (spacing == -1) {
        spacing = (room - (margin + g) - t) / 2;
    }

    TButtonFaceLayout out;
    TPoint glyphPos, textPos;
    if (horizontal) {
        glyphPos.Y = (clientH - glyphSize.Y + 1) / 2;
        textPos.Y = (clientH - textSize.Y + 1) / 2;
    } else {
        glyphPos.X = (clientW - glyphSize.X + 1) / 2;
        textPos.X = (clientW - textSize.X + 1) / 2;
    }
    switch (layout) {
        case TButtonLayout::blGlyphLeft:
            glyphPos.X = margin;
            textPos.X = glyphPos.X + glyphSize.X + spacing;
            break;
        case TButtonLayout::blGlyphRight:
            glyphPos.X = clientW - margin - glyphSize.X;
            textPos.X = glyphPos.X - spacing - textSize.X;
            break;
        case TButtonLayout::blGlyphTop:
            glyphPos.Y = margin;
            textPos.Y = glyphPos.Y + glyphSize.Y + spacing;
            break;
        case TButtonLayout::blGlyphBottom:
            glyphPos.Y = clientH - margin - glyphSize.Y;
            textPos.Y = glyphPos.Y - spacing - textSize.Y;
            break;
    }
    out.GlyphPos = {client.Left + glyphPos.X, client.Top + glyphPos.Y};
    out.TextBounds = Bounds(client.Left + textPos.X, client.Top + textPos.Y, textSize.X, textSize.Y);
    return out;
}

TButtonGlyph::TButtonGlyph() {
    glyph_.OnChange = [this](TObject*) { FireEvent(OnChange, nullptr); };
}

void TButtonGlyph::SetGlyph(const TBitmap* glyph) {
    if (glyph) glyph_.Assign(glyph);
    else glyph_.SetSize(0, 0);
    // A strip of square frames says how many it holds.
    if (!glyph_.Empty() && glyph_.Height() > 0 && glyph_.Width() % glyph_.Height() == 0) {
        int frames = glyph_.Width() / glyph_.Height();
        if (frames >= 1 && frames <= 4) numGlyphs_ = frames;
    }
    FireEvent(OnChange, nullptr);
}

void TButtonGlyph::SetNumGlyphs(int count) {
    if (count < 1 || count > 4 || count == numGlyphs_) return;
    numGlyphs_ = count;
    FireEvent(OnChange, nullptr);
}

TPoint TButtonGlyph::FrameSize() const {
    if (glyph_.Empty()) return {0, 0};
    return {glyph_.Width() / numGlyphs_, glyph_.Height()};
}

void TButtonGlyph::Draw(TCanvas& canvas, int x, int y, TButtonState state) {
    TPoint size = FrameSize();
    if (size.X <= 0 || size.Y <= 0) return;
    int frame = 0;
    bool makeDisabled = false;
    switch (state) {
        case TButtonState::bsUp: break;
        case TButtonState::bsDisabled:
            if (numGlyphs_ > 1) frame = 1;
            else makeDisabled = true;
            break;
        case TButtonState::bsDown: frame = numGlyphs_ > 2 ? 2 : 0; break;
        case TButtonState::bsExclusive: frame = numGlyphs_ > 3 ? 3 : numGlyphs_ > 2 ? 2 : 0; break;
    }
    TPixels pixels = ReadPixels(glyph_, Bounds(frame * size.X, 0, size.X, size.Y));
    // Opaque glyphs lose their bottom-left colour; glyphs with alpha keep theirs.
    bool opaque = std::all_of(pixels.begin(), pixels.end(), [](std::uint32_t p) { return (p >> 24) == 0xFF; });
    if (opaque) KeyOut(pixels, glyph_.TransparentColor());
    if (makeDisabled) pixels = DisabledPixels(pixels, size.X, size.Y);
    std::transform(pixels.begin(), pixels.end(), pixels.begin(), PremultiplyPixel);
    BlendPixels(canvas, x, y, size.X, size.Y, pixels);
}

TPoint MeasureButtonCaption(TCanvas& canvas, const std::string& caption, int widthLimit, bool wordWrap) {
    if (caption.empty()) return {0, 0};
    canvas.TextExtent("");  // the font into the context
    platform::RECT r{0, 0, std::max(widthLimit, 0), 0};
    unsigned flags = platform::DT_CALCRECT | platform::DT_EXPANDTABS | (wordWrap ? platform::DT_WORDBREAK : platform::DT_SINGLELINE);
    platform::DrawTextA(canvas.Handle(), caption.c_str(), static_cast<int>(caption.size()), &r, flags);
    return {r.right - r.left, r.bottom - r.top};
}

void DrawButtonCaption(TCanvas& canvas, const TRect& r, const std::string& caption, bool enabled, unsigned flags) {
    if (caption.empty()) return;
    canvas.TextExtent("");
    platform::HDC dc = canvas.Handle();
    platform::SetBkMode(dc, platform::TRANSPARENT);
    auto draw = [&](const TRect& at, TColor color) {
        platform::RECT rect = at;
        platform::SetTextColor(dc, ColorToRGB(color));
        platform::DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, flags);
    };
    if (enabled) {
        draw(r, canvas.Font()->Color());
        return;
    }
    draw({r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1}, clBtnHighlight);
    draw(r, clBtnShadow);
}
