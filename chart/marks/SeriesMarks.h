#pragma once
// The marks of a series: the text boxes that label its points, their
// per-point overrides, and where each box stood when last drawn or where the
// user moved it.

#include "chart/core/ChartCustomShape.h"
#include "chart/marks/MarksItems.h"
#include "chart/marks/SeriesMarksMargins.h"
#include "chart/marks/SeriesMarksPositions.h"
#include "chart/series/MarksCallout.h"
#include "chart/series/SeriesMarksSymbol.h"
#include "ui/controls/TextAlignment.h"
#include "ui/core/Persistent.h"
#include "ui/core/StringList.h"

#include <memory>
#include <string>
#include <vector>

class TChartSeries;
class TSeriesMarks;

enum TSeriesMarksStyle {
    smsValue, smsPercent, smsLabel, smsLabelPercent, smsLabelValue, smsLegend, smsPercentTotal,
    smsLabelPercentTotal, smsXValue, smsXY, smsSeriesTitle, smsPointIndex, smsPercentRelative
};

enum TLegendTextStyle {
    ltsPlain, ltsLeftValue, ltsRightValue, ltsLeftPercent, ltsRightPercent, ltsXValue, ltsValue, ltsPercent,
    ltsXAndValue, ltsXAndPercent
};

const TEnumInfo& SeriesMarksStyleInfo();

// Mark boxes fade from silver on the left to white on the right.
class TSeriesMarksGradient : public TChartGradient {
public:
    explicit TSeriesMarksGradient(TChangeEvent onChange = nullptr);
};

class TSeriesMarks : public TPersistent, public TChartCustomShape {
    DECLARE_CLASS_INFO
public:
    explicit TSeriesMarks(TChartSeries* series = nullptr);
    ~TSeriesMarks() override;
    void Assign(const TPersistent* source) override;
    void Assign(const TSeriesMarks& source);
    // The "Items" stream of per-point overrides.
    void DefineProperties(TFiler& filer) override;
    TPersistent* GetOwner() const override;

    TChartSeries* Series() const { return series_; }
    // The chart the boxes are drawn on and repaint.
    void SetParentPanel(TCustomChartPanel* panel) override;

    int Angle() const { return angle_; }
    void SetAngle(int value);
    TColor BackColor() const { return Color(); }
    void SetBackColor(TColor value) { SetColor(value); }
    bool Clip() const { return clip_; }
    void SetClip(bool value);
    int DrawEvery() const { return drawEvery_; }
    void SetDrawEvery(int value);
    TChartPen& Frame() { return Pen(); }
    // The callout from each point to its box and the colour symbol inside
    // the box: made when first asked for; nullptr frees them.
    TMarksCallout& Callout();
    bool HasCallout() const { return callout_ != nullptr; }
    void SetCallout(const TMarksCallout* value);
    TSeriesMarksSymbol& Symbol();
    bool HasSymbol() const { return symbol_ != nullptr; }
    void SetSymbol(const TSeriesMarksSymbol* value);
    // The callout's line pen and length.
    TChartPen& Arrow() { return Callout().Arrow(); }
    void SetArrow(const TChartPen& pen) { Callout().SetArrow(pen); }
    int ArrowLength() { return Callout().Length(); }
    // The same without making the callout.
    int ArrowLength() const { return callout_ ? callout_->Length() : TMarksCallout::DefaultLength; }
    void SetArrowLength(int value) { Callout().SetLength(value); }
    TMargins& Margins() { return margins_; }
    void SetMargins(const TMargins& value) { margins_.Assign(&value); }
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool value);
    TSeriesMarksStyle Style() const { return style_; }
    void SetStyle(TSeriesMarksStyle value);
    TAlignment TextAlign() const { return textAlign_; }
    void SetTextAlign(TAlignment value);
    // Set by the series before it draws its marks.
    int ZPosition = 0;

    // Per-point overrides.
    TMarksItems& Items() { return items_; }
    // The item of point `index` when the items reach it (made when its entry
    // is empty), else the marks themselves.
    TChartCustomShape& ItemFor(int index);
    // Set while the items came from form data: then they outlive the points.
    bool ItemsLoaded() const { return itemsLoaded_; }

    // Where the boxes stand.
    TSeriesMarksPositions& Positions() { return positions_; }
    const TSeriesMarksPositions& Positions() const { return positions_; }
    // Remembers the computed place in entry `index`, or, for a custom
    // entry, puts the stored place into `position`.
    void ApplyStoredPosition(int index, TSeriesMarkPosition& position);
    // The positions go, and the items unless they came from form data.
    void ClearMarkPositions();
    // Point removal keeps positions and items with their points.
    void PointDeleted(int index);
    void PointsDeleted(int first, int count);

    // Sizes the box of `text` in `item`'s look and stands it centred on
    // (px, py) with its bottom edge there.
    void PlaceMark(TChartCustomShape& item, const std::string& text, int px, int py, TSeriesMarkPosition& position);
    // Draws point `index`'s mark in `color` at `position`.
    void DrawMark(int index, TColor color, const std::string& text, TSeriesMarkPosition& position);
    // The topmost drawn box under (x, y): its point index, or -1.
    int MarksClicked(int x, int y);

protected:
    std::unique_ptr<TChartGradient> NewGradient(TChangeEvent onChange) override;

private:
    void SeriesChanged();
    // The box's top-left corner where the 3D view shows its arrow end.
    TPoint ZoomedMarkPos(const TSeriesMarkPosition& position);
    TRect BoxRect(const TSeriesMarkPosition& position);
    // The extent of an HTML text; false for plain text or broken tags.
    bool HtmlMeasured(TCanvas3D& canvas, const std::string& text, int& width, int& height);
    void WriteText(TChartCustomShape& item, const TRect& box, const std::string& text);

    // The symbol is drawn in this box.
    bool SymbolShown() const { return symbol_ && symbol_->ShouldDraw(); }

    TChartSeries* series_;
    std::unique_ptr<TMarksCallout> callout_;
    std::unique_ptr<TSeriesMarksSymbol> symbol_;
    int angle_ = 0;
    bool clip_ = false;
    int drawEvery_ = 1;
    TMargins margins_{this, 20};
    bool multiLine_ = false;
    TSeriesMarksStyle style_ = smsLabel;
    TAlignment textAlign_ = TAlignment::taCenter;
    TMarksItems items_{*this};
    TSeriesMarksPositions positions_;
    bool itemsLoaded_ = false;
};
