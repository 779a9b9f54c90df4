#pragma once
// A wall around the plotting area, a framed shape: pen, brush, colour,
// gradient, transparency, shadow and picture, with a thickness and a part of
// its edge.

#include "chart/core/ChartCustomShape.h"
#include "chart/core/ChartTypes.h"

#include "ui/core/Persistent.h"

class TCustomAxisPanel;

class TCustomChartWall : public TPersistent, public TChartCustomShape {
public:
    TCustomChartWall(TCustomAxisPanel* chart, TColor defaultColor);
    void Assign(const TPersistent* source) override;
    void Assign(const TCustomChartWall& source);

    bool AutoHide() const { return autoHide_; }
    void SetAutoHide(bool value);
    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool value);
    int StartPosition() const { return startPosition_; }
    void SetStartPosition(int value);
    int EndPosition() const { return endPosition_; }
    void SetEndPosition(int value);
    int Size() const { return size_; }
    void SetSize(int value);
    // Sets the colour and the default it is stored against.
    void SetDefaultColor(TColor value);
    bool ColorStored() const { return Color() != defaultColor_; }
    bool VisibleDefault = true;
    bool VisibleStored() const { return Visible() != VisibleDefault; }

protected:
    TCustomAxisPanel* chart_;

private:
    bool autoHide_ = false;
    bool dark3D_ = true;
    int startPosition_ = 0;
    int endPosition_ = 100;
    int size_ = 0;
    TColor defaultColor_;
};
