#pragma once
// A chart axis: maps the values of one dimension to pixels along one side of
// the chart rectangle and back, and works out its label increment, label
// values and texts.

#include "chart/axes/AxisItems.h"
#include "chart/axes/AxisPens.h"
#include "chart/axes/PixelRound.h"
#include "chart/axes/ChartAxisTitle.h"
#include "chart/core/ChartTypes.h"
#include "chart/panel/CustomChartPanel.h"
#include "ui/core/Collection.h"
#include "ui/core/Persistent.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCustomAxisPanel;
class TChartSeries;
class TChartAxis;
class TEnumInfo;

const TEnumInfo& AxisLabelStyleInfo();
const TEnumInfo& AxisLabelAlignInfo();
const TEnumInfo& ChartUnitsInfo();

// The last word on one label: it may move it, change its text or drop it.
using TAxisDrawLabelEvent = std::function<void(TChartAxis*, int& x, int& y, int& z, std::string& text, bool& draw)>;

enum TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };
enum TAxisLabelAlign { alDefault, alOpposite };

// One label the label loops decided to show, in the order they decided it.
struct TAxisLabelEntry {
    int Position = 0;  // pixel along the axis
    double Value = 0;
    std::string Text;
    int Item = -1;  // the label item it comes from
};

class TChartAxis : public TCollectionItem {
    DECLARE_CLASS_INFO
public:
    // Joins the chart's list of axes; `depth` marks the chart's two depth axes.
    explicit TChartAxis(TCustomAxisPanel* chart, bool depth = false);
    // Made by the chart's custom-axes collection (reading form data, Add): the
    // chart is the collection's owner; the axis joins the collection only when
    // the chart's six standard axes exist already.
    explicit TChartAxis(TCollection* collection);
    ~TChartAxis() override;
    TChartAxis(const TChartAxis&) = delete;
    TChartAxis& operator=(const TChartAxis&) = delete;
    void Assign(const TChartAxis& source);
    void Assign(const TPersistent* source) override;
    // One of the chart's custom axes (not a standard one).
    bool IsCustom() const;
    // What form data holds of the settings whose default depends on the axis.
    bool ZPositionStored() const;

    TCustomAxisPanel* ParentChart() const { return chart_; }
    bool IsDepthAxis() const { return depth_; }

    // ---- settings ----
    bool Automatic() const { return automatic_; }
    void SetAutomatic(bool value);
    bool AutomaticMaximum() const { return automaticMaximum_; }
    void SetAutomaticMaximum(bool value);
    bool AutomaticMinimum() const { return automaticMinimum_; }
    void SetAutomaticMinimum(bool value);
    const std::string& AxisValuesFormat() const { return axisValuesFormat_; }
    void SetAxisValuesFormat(const std::string& value);
    const std::string& DateTimeFormat() const { return dateTimeFormat_; }
    void SetDateTimeFormat(const std::string& value);
    bool ExactDateTime() const { return exactDateTime_; }
    void SetExactDateTime(bool value);
    double Increment() const { return increment_; }
    void SetIncrement(double value);
    bool Inverted() const { return inverted_; }
    virtual void SetInverted(bool value);
    bool Horizontal() const { return horizontal_; }
    void SetHorizontal(bool value);
    bool OtherSide() const { return otherSide_; }
    void SetOtherSide(bool value);
    bool Labels() const { return labels_; }
    void SetLabels(bool value);
    TAxisLabelAlign LabelsAlign() const { return labelsAlign_; }
    void SetLabelsAlign(TAxisLabelAlign value);
    bool LabelsAlternate() const { return labelsAlternate_; }
    void SetLabelsAlternate(bool value);
    int LabelsAngle() const { return labelsAngle_; }
    void SetLabelsAngle(int value);
    bool LabelsExponent() const { return labelsExponent_; }
    void SetLabelsExponent(bool value);
    bool LabelsMultiLine() const { return labelsMultiLine_; }
    void SetLabelsMultiLine(bool value);
    bool LabelsOnAxis() const { return labelsOnAxis_; }
    void SetLabelsOnAxis(bool value);
    int LabelsSeparation() const { return labelsSeparation_; }
    void SetLabelsSeparation(int value);
    int LabelsSize() const { return labelsSize_; }
    void SetLabelsSize(int value);
    TAxisLabelStyle LabelStyle() const { return labelStyle_; }
    void SetLabelStyle(TAxisLabelStyle value);
    bool Logarithmic() const { return logarithmic_; }
    void SetLogarithmic(bool value);
    double LogarithmicBase() const { return logarithmicBase_; }
    void SetLogarithmicBase(double value);
    double Maximum() const { return maximum_; }
    void SetMaximum(double value);
    double Minimum() const { return minimum_; }
    void SetMinimum(double value);
    int MaximumOffset() const { return maximumOffset_; }
    void SetMaximumOffset(int value);
    int MinimumOffset() const { return minimumOffset_; }
    void SetMinimumOffset(int value);
    bool MaximumRound() const { return maximumRound_; }
    void SetMaximumRound(bool value);
    bool MinimumRound() const { return minimumRound_; }
    void SetMinimumRound(bool value);
    int MinorTickCount() const { return minorTickCount_; }
    void SetMinorTickCount(int value);
    int MinorTickLength() const { return minorTickLength_; }
    void SetMinorTickLength(int value);
    double StartPosition() const { return startPosition_; }
    void SetStartPosition(double value);
    double EndPosition() const { return endPosition_; }
    void SetEndPosition(double value);
    double PositionPercent() const { return positionPercent_; }
    void SetPositionPercent(double value);
    TChartUnits PositionUnits() const { return positionUnits_; }
    void SetPositionUnits(TChartUnits value);
    bool RoundFirstLabel() const { return roundFirstLabel_; }
    void SetRoundFirstLabel(bool value);
    int TickInnerLength() const { return tickInnerLength_; }
    void SetTickInnerLength(int value);
    int TickLength() const { return tickLength_; }
    void SetTickLength(int value);
    bool TickOnLabelsOnly() const { return tickOnLabelsOnly_; }
    void SetTickOnLabelsOnly(bool value);
    int TitleSize() const { return titleSize_; }
    void SetTitleSize(int value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    double ZPosition() const { return zPosition_; }
    void SetZPosition(double value);
    TAxisItems& Items() { return items_; }
    TChartFont& LabelsFont() { return items_.Font(); }
    TChartAxisPen& Axis() { return axisPen_; }
    TAxisGridPen& Grid() { return grid_; }
    TChartHiddenPen& MinorGrid() { return minorGrid_; }
    TDarkGrayPen& Ticks() { return ticksPen_; }
    TDarkGrayPen& TicksInner() { return ticksInner_; }
    TDarkGrayPen& MinorTicks() { return minorTicks_; }
    TChartAxisTitle& Title() { return title_; }
    const TChartAxisTitle& Title() const { return title_; }
    bool GridCentered() const { return grid_.Centered(); }
    void SetGridCentered(bool value) { grid_.SetCentered(value); }
    TAxisDrawLabelEvent OnDrawLabel;

    // ---- range and scale ----
    void SetLimits(double minimum, double maximum);
    // Puts a saved scale back, without the range checks.
    void RestoreScale(bool automatic, bool automaticMinimum, bool automaticMaximum, double minimum, double maximum);
    void ShiftRange(double offset, bool checkLimits);
    void ComputeEffectiveRange();
    void ReadAutomaticRange();
    void ApplyPixelMargins(const TRect& margins);
    void ComputePixelSpan();
    bool ValuesAreDateTime() const;

    double EffectiveMinimum() const { return iMinimum_; }
    double EffectiveMaximum() const { return iMaximum_; }
    double Range() const { return iRange_; }
    bool RangeIsZero() const { return iRangeZero_; }
    int StartPixel() const { return iStartPos_; }
    int EndPixel() const { return iEndPos_; }
    int PixelLength() const { return iAxisSize_; }
    int CentrePixel() const { return iCenterPos_; }
    int ZPixel() const { return iZPos_; }
    // For a drawing pass (and tests) that set the pixel span directly.
    void SetPixelSpan(int start, int end);
    void SetEffectiveRange(double minimum, double maximum);

    // ---- value <-> pixel ----
    int ValueToScreen(double value) const;
    // Inline for the straight scale, as a series maps every point through them.
    int ValueToScreenX(double value) const {
        if (depth_ || logarithmic_) return CurvedValueToScreenX(value);
        if (iRangeZero_) return iCenterPos_;
        const double a = (value - iMinimum_) * iAxisScale_;
        return ClampedPixel(inverted_ ? iEndPos_ - a : iStartPos_ + a);
    }
    int ValueToScreenY(double value) const {
        if (depth_) return ValueToScreenX(value);
        if (logarithmic_) return CurvedValueToScreenY(value);
        if (iRangeZero_) return iCenterPos_;
        const double a = (value - iMinimum_) * iAxisScale_;
        return ClampedPixel(inverted_ ? iStartPos_ + a : iEndPos_ - a);
    }
    double ScreenToValue(int position) const;
    // Every value ValueToScreenX (ValueToScreenY) puts on `pixel` lies in
    // [low, high], found exactly around `known`, a value put there. False when
    // the scale is not a straight one or an edge is not within a few steps of
    // where the scale's inverse says: a caller then maps value by value.
    bool ValuesOnPixelX(int pixel, double known, double& low, double& high) const {
        return ValuesOnPixel(pixel, known, true, low, high);
    }
    bool ValuesOnPixelY(int pixel, double known, double& low, double& high) const {
        return ValuesOnPixel(pixel, known, false, low, high);
    }

    // ---- labels ----
    double LabelStep();
    virtual std::string ValueLabelText(double value);
    virtual TAxisLabelStyle AutoLabelStyle();
    TAxisLabelStyle EffectiveLabelStyle();
    void StepValue(double& value, bool up) const;
    // One step of `amount` up, by the calendar for long steps of an exact date-time axis.
    void IncrementValue(double& value, double amount, int stepIndex) const;
    // Runs the label loops of the current range and length; the result is the
    // labels to write, in loop order, and the tick positions.
    void ComputeLabels();
    const std::vector<TAxisLabelEntry>& LabelEntries() const { return labelEntries_; }
    const std::vector<int>& TickPositions() const { return ticks_; }
    double IncrementInUse() const { return incrementInUse_; }
    int DateTimeStepIndex() const { return stepIndex_; }

    // ---- label sizes, layout and drawing ----
    int WidestLabel();
    int LabelAreaSize();
    int LineAndTicksSize() const;
    void ReserveBands(TRect& rect, bool inflate);
    void PaintAxis(bool calculatePosition);
    void PaintGridLines(int tickCount);
    void PaintGridLine(int position);
    void PlaceLabel(int position, const std::string& text, TAxisItem* item, double value);
    void WriteText(int x, int y, int angle, const std::string& text, TChartCustomShape* box, int z);
    void WriteTitle(int x, int y);
    // Set by the chart around its second pass over the grid when walls stand
    // in front of the series: leave out the back-wall or the side parts.
    void SetHideBackGrid(bool value) { hideBackGrid_ = value; }
    void SetHideSideGrid(bool value) { hideSideGrid_ = value; }
    int WallSize() const { return wallSize_; }
    int AxisPosition() const { return axisPosition_; }
    int LabelPosition() const { return labelPosition_; }
    int TitlePosition() const { return titlePosition_; }
    bool HitTest(int x, int y) const;

    static double NextNiceStep(double x);
    int LabelExtent(double value);
    double IncrementForLabelSize(int size);
    double IncrementForLabelCount(int count);

    // Pixel values are pinned to this limit either way.
    static constexpr int ClampLimit = 0x3FFFFFF;

protected:
    static int ClampedPixel(double p) {
        if (p > ClampLimit) return ClampLimit;
        if (p < -ClampLimit) return -ClampLimit;
        return RoundPixel(p);
    }
    bool ValuesOnPixel(int pixel, double known, bool across, double& low, double& high) const;
    // The depth axis and the logarithmic scale.
    int CurvedValueToScreenX(double value) const;
    int CurvedValueToScreenY(double value) const;
    void StoreAndRepaint();
    void RecomputeScale();
    double DateTimeIncrement(int count);
    double NumericIncrement(int count);
    double ComputeLabelStep();
    bool IndexRunsAlong(const TChartSeries* series) const;

    void DrawValueLabels();
    void DrawValueLabel(double value);
    void DrawLogLabels();
    void DrawCustomNextLabels();
    void DrawTextLabels(TAxisLabelStyle style);
    void DrawSeriesTitleLabels();
    void DrawItemLabels();
    void AddLabel(int position, double value, const std::string& text, int item = -1);
    void DrawLabelBox(TChartCustomShape& box, TRect r, int angle, int z);
    // Where a label's lines go: measured once, then boxed and written.
    struct TextLayout {
        int x = 0, y = 0;  // before the first line
        int angle = 0;     // 0 to 359
        unsigned align = 0;
        int lineStep = 0;  // the font height, against the reading direction at 180 and 270
        int lines = 1;
    };
    TextLayout MeasureText(int x, int y, int angle, const std::string& text);
    TRect LabelBoxRect(const TextLayout& layout, const std::string& text);
    void PaintText(TextLayout layout, const std::string& text, int z);
    // One line at 0 degrees; with LabelsExponent a number's exponent is raised and smaller.
    void WriteLine(int x, int y, int z, const std::string& text);
    void SelectLabelsFont();
    void RecordTick(int position, double value) {
        ticks_.push_back(position);
        tickValues_.push_back(value);
    }
    int SideOf(const TRect& r) const;
    int WithPositionOffset(int coordinate, const TRect& r) const;
    int Outward(int coordinate, int by) const;
    void Shrink(TRect& r, int by) const;
    int TitleTextSize();
    int WidestValueLabel();
    bool RunsAlongAxis(int angle) const;
    void DrawTick(int position, int offset, int length);
    void DrawAxisLine();
    int DepthLineRow() const;
    bool Flat() const;
    void DrawMinorMarks(bool grid);
    void DrawMinorMark(int position, bool grid);

    TCustomAxisPanel* chart_;
    bool depth_;

    bool automatic_ = true;
    bool automaticMaximum_ = true;
    bool automaticMinimum_ = true;
    std::string axisValuesFormat_;
    std::string dateTimeFormat_;
    bool exactDateTime_ = true;
    double increment_ = 0;
    bool inverted_ = false;
    bool horizontal_ = false;
    bool otherSide_ = false;
    bool labels_ = true;
    TAxisLabelAlign labelsAlign_ = alDefault;
    bool labelsAlternate_ = false;
    int labelsAngle_ = 0;
    bool labelsExponent_ = false;
    bool labelsMultiLine_ = false;
    bool labelsOnAxis_ = true;
    int labelsSeparation_ = 10;
    int labelsSize_ = 0;
    TAxisLabelStyle labelStyle_ = talAuto;
    bool logarithmic_ = false;
    double logarithmicBase_ = 10;
    double maximum_ = 0;
    int maximumOffset_ = 0;
    bool maximumRound_ = false;
    double minimum_ = 0;
    int minimumOffset_ = 0;
    bool minimumRound_ = false;
    int minorTickCount_ = 3;
    int minorTickLength_ = 2;
    double startPosition_ = 0;
    double endPosition_ = 100;
    double positionPercent_ = 0;
    TChartUnits positionUnits_ = muPercent;
    bool roundFirstLabel_ = true;
    int tickInnerLength_ = 0;
    int tickLength_ = 4;
    bool tickOnLabelsOnly_ = true;
    int titleSize_ = 0;
    bool visible_ = true;
    double zPosition_ = 0;
    TAxisItems items_;
    TChartAxisPen axisPen_;
    TAxisGridPen grid_;
    TChartHiddenPen minorGrid_;
    TDarkGrayPen ticksPen_;
    TDarkGrayPen ticksInner_;
    TDarkGrayPen minorTicks_;
    TChartAxisTitle title_;

    // band positions of the last layout
    int axisPosition_ = 0;
    int labelPosition_ = 0;
    int titlePosition_ = 0;
    bool alternateToggle_ = false;
    int wallSize_ = 0;
    bool hideBackGrid_ = false;
    bool hideSideGrid_ = false;

    // computed by the layout
    bool iAxisDateTime_ = false;
    double iMinimum_ = 0;
    double iMaximum_ = 0;
    double iRange_ = 0;
    bool iRangeZero_ = true;
    double iLogMin_ = 0;
    double iLogMax_ = 0;
    double iLogRange_ = 0;
    int iStartPos_ = 0;
    int iEndPos_ = 0;
    int iAxisSize_ = 0;
    int iCenterPos_ = 0;
    double iAxisScale_ = 0;
    double iAxisLogScale_ = 0;
    int iZPos_ = 0;

    // the last label computation
    double incrementInUse_ = 0;
    int stepIndex_ = 27;
    std::vector<TAxisLabelEntry> labelEntries_;
    std::vector<int> ticks_;
    std::vector<double> tickValues_;
    int previousTextPosition_ = 0;
    int previousTextHalf_ = -1;  // -1: no text label written yet
};
