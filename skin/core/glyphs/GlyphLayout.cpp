#include "skin/core/glyphs/GlyphLayout.h"

#include <algorithm>

namespace {

constexpr int kDefaultMargin = 2;

}  // namespace

void CalcGlyphLayout(const TRect& client, TPoint glyphSize, TPoint captionSize, bool rightToLeft, TRect& captionRect,
                     TPoint& glyphPoint, int spacing, int margin, int alignment, int layout) {
    if (rightToLeft && (layout == glGlyphLeft || layout == glGlyphRight))
        layout = layout == glGlyphLeft ? glGlyphRight : glGlyphLeft;
    const int w = client.Width(), h = client.Height();
    const int gw = glyphSize.X, gh = glyphSize.Y, tw = captionSize.X, th = captionSize.Y;
    const bool across = layout == glGlyphLeft || layout == glGlyphRight;
    captionRect = TRect(0, 0, tw, th);
    glyphPoint = {0, 0};
    if (across) {
        glyphPoint.Y = (h - gh + 1) / 2;
        captionRect.Top = (h + 1 - th) / 2;
    } else {
        glyphPoint.X = (w - gw + 1) / 2;
        captionRect.Left = (w + 1 - tw) / 2;
    }
    if (tw == 0 || gw == 0) spacing = 0;
    const int room = across ? w : h, glyphLength = across ? gw : gh, captionLength = across ? tw : th;
    if (margin == kComputed) {
        if (spacing == kComputed) {
            spacing = margin = (room - glyphLength - captionLength) / 3;
        } else {
            margin = alignment == gaCenter ? (room - (spacing + glyphLength + captionLength) + 1) / 2
                                                     : kDefaultMargin;
        }
    } else if (spacing == kComputed) {
        spacing = (room - margin - glyphLength - captionLength) / 2;
    }
    const int pair = glyphLength + spacing + captionLength;
    switch (layout) {
        case glGlyphLeft:
            if (alignment == gaLeft) glyphPoint.X = margin;
            else if (alignment == gaRight) glyphPoint.X = w - margin - tw - spacing - gw;
            else glyphPoint.X = std::max(margin, (w - pair + 1) / 2);
            captionRect.Left = glyphPoint.X + gw + spacing;
            if (alignment == gaLeft) captionRect.Right = std::min(captionRect.Left + tw, w - margin);
            break;
        case glGlyphRight:
            if (alignment == gaRight) glyphPoint.X = w - margin - gw;
            else if (alignment == gaLeft) glyphPoint.X = margin + tw + spacing;
            else glyphPoint.X = std::min(w - margin - gw, (w - pair + 1) / 2 + tw + spacing);
            captionRect.Left = glyphPoint.X - spacing - tw;
            break;
        case glGlyphTop:
            glyphPoint.Y = (h - pair + 1) / 2;
            captionRect.Top = glyphPoint.Y + gh + spacing;
            break;
        default:
            glyphPoint.Y = h - (h - pair + 1) / 2 - gh;
            captionRect.Top = glyphPoint.Y - spacing - th;
            break;
    }
    if (layout != glGlyphLeft || alignment != gaLeft) captionRect.Right = captionRect.Left + tw;
    captionRect.Bottom = captionRect.Top + th;
    glyphPoint.X += client.Left;
    glyphPoint.Y += client.Top;
    captionRect = TRect(captionRect.Left + client.Left, captionRect.Top + client.Top, captionRect.Right + client.Left,
                        captionRect.Bottom + client.Top);
}
