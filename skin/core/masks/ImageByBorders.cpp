#include "skin/core/masks/BorderMask.h"

#include "skin/core/masks/PieceCopies.h"

#include <algorithm>

namespace {

// Copies a w x h block from (sx, sy) to (dx, dy).
void Block(TBitmap& destination, TBitmap& source, int sx, int sy, int w, int h, int dx, int dy) {
    if (w > 0 && h > 0) CopyPiece(destination, dx, dy, source, TRect(sx, sy, sx + w, sy + h));
}

void Fill(TBitmap& destination, TBitmap& source, const TRect& s, const TRect& d, TxBorderDrawMode mode) {
    if (s.IsEmpty() || d.IsEmpty()) return;
    if (mode == dmStretch) StretchPiece(destination, d, source, s);
    else TilePiece(destination, d, source, s);
}

}  // namespace

void DrawImageByBorders(TBitmap& destination, TBitmap& source, const TRect& D, bool centre,
                        TxBorderDrawMode centreMode, TSkBorderModes modes, TSkBorderWidths limits,
                        TSkBorderWidths B, const TRect& S) {
    const int dl = std::min(B.Left, limits.Left), dt = std::min(B.Top, limits.Top);
    const int dr = std::min(B.Right, limits.Right), db = std::min(B.Bottom, limits.Bottom);
    // Corners, L-shaped where a limit is below its border width.
    Block(destination, source, S.Left, S.Top, B.Left, dt, D.Left, D.Top);
    Block(destination, source, S.Left, S.Top + dt, dl, B.Top - dt, D.Left, D.Top + dt);
    Block(destination, source, S.Left, S.Bottom - db, B.Left, db, D.Left, D.Bottom - db);
    Block(destination, source, S.Left, S.Bottom - B.Bottom, dl, B.Bottom - db, D.Left, D.Bottom - B.Bottom);
    Block(destination, source, S.Right - B.Right, S.Top, B.Right, dt, D.Right - B.Right, D.Top);
    Block(destination, source, S.Right - dr, S.Top + dt, dr, B.Top - dt, D.Right - dr, D.Top + dt);
    Block(destination, source, S.Right - B.Right, S.Bottom - db, B.Right, db, D.Right - B.Right, D.Bottom - db);
    Block(destination, source, S.Right - dr, S.Bottom - B.Bottom, dr, B.Bottom - db, D.Right - dr, D.Bottom - B.Bottom);

    const int mw = std::max(0, S.Width() - B.Right - B.Left), mh = std::max(0, S.Height() - B.Bottom - B.Top);
    const int top = D.Top + B.Top, bottom = D.Bottom - B.Bottom, left = D.Left + B.Left, right = D.Right - B.Right;
    if (mh > 0) {
        Fill(destination, source, TRect(S.Left, S.Top + B.Top, S.Left + dl, S.Top + B.Top + mh),
             TRect(D.Left, top, D.Left + dl, bottom), modes.Left);
        Fill(destination, source, TRect(S.Right - dr, S.Top + B.Top, S.Right, S.Top + B.Top + mh),
             TRect(D.Right - dr, top, D.Right, bottom), modes.Right);
    }
    if (mw > 0) {
        Fill(destination, source, TRect(S.Left + B.Left, S.Top, S.Left + B.Left + mw, S.Top + dt),
             TRect(left, D.Top, right, D.Top + dt), modes.Top);
        Fill(destination, source, TRect(S.Left + B.Left, S.Bottom - db, S.Left + B.Left + mw, S.Bottom),
             TRect(left, D.Bottom - db, right, D.Bottom), modes.Bottom);
    }
    if (centre && (centreMode == dmStretch || centreMode == dmRepeat))
        Fill(destination, source, TRect(S.Left + B.Left, S.Top + B.Top, S.Left + B.Left + mw, S.Top + B.Top + mh),
             TRect(left, top, right, bottom), centreMode);
}
