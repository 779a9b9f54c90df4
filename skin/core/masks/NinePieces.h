#pragma once
// The nine pieces of one border-mask frame: where each lies in the picture
// and where it goes in the destination rectangle.

#include "skin/core/masks/BorderMask.h"

#include <array>
#include <optional>

class TNinePieces {
public:
    enum TPart { TopLeft, Left, Top, BottomLeft, Bottom, BottomRight, TopRight, Right, Centre };
    static constexpr std::array<TPart, 9> kDrawOrder{TopLeft, Left, Top, BottomLeft, Bottom, BottomRight,
                                                     TopRight, Right, Centre};
    static constexpr bool IsCorner(TPart p) { return p == TopLeft || p == TopRight || p == BottomLeft || p == BottomRight; }

    struct TPiece {
        TRect Source;
        TRect Dest;
    };

    // `widths` are the working widths; the centre's source size comes from
    // `centreFrom` when given (the unshrunk widths, raised to 0), else from them.
    TNinePieces(const TSkMaskData& mask, int frame, TSkBorderWidths widths, const TRect& dest,
                std::optional<TSkBorderWidths> centreFrom = std::nullopt);

    // False when the frame is smaller than its borders.
    bool Valid() const { return CentreWidth >= 0 && CentreHeight >= 0; }
    const TPiece& Piece(TPart part) const { return pieces_[part]; }

    int FrameWidth = 0, FrameHeight = 0, CentreWidth = 0, CentreHeight = 0;

private:
    std::array<TPiece, 9> pieces_{};
};
