#pragma once
// The pens an axis draws with.

#include "chart/canvas/ChangeCallback.h"
#include "chart/canvas/ChartPen.h"
#include "chart/core/ChartTypes.h"
#include "ui/core/Persistent.h"

#include <string>

class TEnumInfo;

enum TPenLineMode { lmLine, lmCylinder, lmRectangle };

const TEnumInfo& PenLineModeInfo();

// The axis line; two pixels wide by default.
class TChartAxisPen : public TChartPen {
    DECLARE_CLASS_INFO
public:
    explicit TChartAxisPen(TChangeEvent onChange = nullptr) : TChartPen(std::move(onChange)) {
        Quietly([this] { SetWidth(2); });
    }
    using TChartPen::Assign;
    void Assign(const TPersistent* source) override;
    TPenLineMode LineMode() const { return lineMode_; }
    void SetLineMode(TPenLineMode value);

private:
    TPenLineMode lineMode_ = lmLine;
};

class TAxisGridPen : public TDottedGrayPen {
    DECLARE_CLASS_INFO
public:
    explicit TAxisGridPen(TChangeEvent onChange = nullptr) : TDottedGrayPen(std::move(onChange)) {}
    void Assign(const TAxisGridPen& source);
    void Assign(const TPersistent* source) override;
    int DrawEvery() const { return drawEvery_; }
    void SetDrawEvery(int value);
    // Per cent of the depth where the grid's lines along the side start.
    double ZPosition() const { return zPosition_; }
    void SetZPosition(double value);
    // The chart's top and right axes start their grids at the back.
    void SetDefaultZPosition(double value) { zPosition_ = defaultZPosition_ = value; }
    bool ZPositionStored() const { return zPosition_ != defaultZPosition_; }
    bool Centered() const { return centered_; }
    void SetCentered(bool value);

private:
    int drawEvery_ = 1;
    double zPosition_ = 0;
    double defaultZPosition_ = 0;
    bool centered_ = false;
};
