#include "skin/core/masks/NinePieces.h"

#include "skin/core/data/SkinLookups.h"

#include <algorithm>

TNinePieces::TNinePieces(const TSkMaskData& mask, int frame, TSkBorderWidths w, const TRect& d,
                         std::optional<TSkBorderWidths> centreFrom) {
    FrameWidth = MaskFrameWidth(mask);
    FrameHeight = MaskFrameHeight(mask);
    const int fw = FrameWidth, fh = FrameHeight;
    if (centreFrom) {
        CentreWidth = std::max(fw - centreFrom->Left - centreFrom->Right, 0);
        CentreHeight = std::max(fh - centreFrom->Top - centreFrom->Bottom, 0);
    } else {
        CentreWidth = fw - w.Left - w.Right;
        CentreHeight = fh - w.Top - w.Bottom;
    }
    const int x0 = mask.SourceRect.left + frame * fw, y0 = mask.SourceRect.top;
    const int l = w.Left, t = w.Top, r = w.Right, b = w.Bottom, cw = CentreWidth, ch = CentreHeight;
    auto src = [&](int left, int top, int right, int bottom) { return TRect(x0 + left, y0 + top, x0 + right, y0 + bottom); };
    pieces_[TopLeft] = {src(0, 0, l, t), TRect(d.Left, d.Top, d.Left + l, d.Top + t)};
    pieces_[Top] = {src(l, 0, l + cw, t), TRect(d.Left + l, d.Top, d.Right - r, d.Top + t)};
    pieces_[TopRight] = {src(l + cw, 0, fw, t), TRect(d.Right - r, d.Top, d.Right, d.Top + t)};
    pieces_[Left] = {src(0, t, l, t + ch), TRect(d.Left, d.Top + t, d.Left + l, d.Bottom - b)};
    pieces_[Centre] = {src(l, t, l + cw, t + ch), TRect(d.Left + l, d.Top + t, d.Right - r, d.Bottom - b)};
    pieces_[Right] = {src(l + cw, t, fw, t + ch), TRect(d.Right - r, d.Top + t, d.Right, d.Bottom - b)};
    pieces_[BottomLeft] = {src(0, fh - b, l, fh), TRect(d.Left, d.Bottom - b, d.Left + l, d.Bottom)};
    pieces_[Bottom] = {src(l, fh - b, l + cw, fh), TRect(d.Left + l, d.Bottom - b, d.Right - r, d.Bottom)};
    pieces_[BottomRight] = {src(l + cw, fh - b, fw, fh), TRect(d.Right - r, d.Bottom - b, d.Right, d.Bottom)};
}
