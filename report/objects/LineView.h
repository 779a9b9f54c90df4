#pragma once
// Line views: straight or slanted lines with arrow heads, in the frame's
// colour, style and width.

#include "report/objects/View.h"

class TrpCustomLineView : public TrpStretcheable {
    DECLARE_CLASS_INFO
public:
    explicit TrpCustomLineView(TComponent* owner);

    bool Diagonal() const { return diagonal_; }
    void SetDiagonal(bool value) { diagonal_ = value; }
    bool ArrowStart() const { return arrowStart_; }
    void SetArrowStart(bool value) { arrowStart_ = value; }
    bool ArrowEnd() const { return arrowEnd_; }
    void SetArrowEnd(bool value) { arrowEnd_ = value; }
    bool ArrowSolid() const { return arrowSolid_; }
    void SetArrowSolid(bool value) { arrowSolid_ = value; }
    int ArrowWidth() const { return arrowWidth_; }
    void SetArrowWidth(int value) { arrowWidth_ = value; }
    int ArrowLength() const { return arrowLength_; }
    void SetArrowLength(int value) { arrowLength_ = value; }

    // A line that is not diagonal is made straight first: vertical when no
    // wider than high, else horizontal.
    void Draw(TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) override;

    static constexpr int kDefaultArrowWidth = 5;
    static constexpr int kDefaultArrowLength = 20;

private:
    // A head with its tip at (tipX, tipY) on the line coming from (fromX, fromY).
    void DrawArrow(int fromX, int fromY, int tipX, int tipY);
    void DrawArrows();

    bool diagonal_ = false, arrowStart_ = false, arrowEnd_ = false, arrowSolid_ = false;
    int arrowWidth_ = kDefaultArrowWidth;
    int arrowLength_ = kDefaultArrowLength;
};

class TrpLineView : public TrpCustomLineView {
    DECLARE_CLASS_INFO
public:
    using TrpCustomLineView::TrpCustomLineView;
};
