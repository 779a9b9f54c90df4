#pragma once
// The chart legend: a framed box beside the plot that lists the series (with
// optional check boxes that switch them on and off) or the values of one
// series, each row a coloured symbol and up to two text columns. The rows'
// last drawn places are kept in items so that a click finds its row.

#include "chart/canvas/ChangeCallback.h"
#include "chart/canvas/ChartPen.h"
#include "chart/core/ChartCustomShapePosition.h"
#include "chart/effects/ChartGradient.h"
#include "chart/effects/ChartShadow.h"
#include "chart/legend/LegendItems.h"
#include "chart/legend/LegendSymbol.h"
#include "chart/legend/LegendTitle.h"
#include "chart/marks/SeriesMarks.h"
#include "chart/panel/CustomChartPanel.h"

#include "ui/controls/TextAlignment.h"
#include "ui/core/Persistent.h"
#include "ui/core/StringList.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCustomChart;
class TCustomChartLegend;
class TChartSeries;
class TEnumInfo;

enum TLegendAlignment { laLeft, laRight, laTop, laBottom };
enum TCheckBoxesStyle { cbsCheck, cbsRadio };
enum TLegendStyle { lsAuto, lsSeries, lsValues, lsLastValues, lsSeriesGroups };

// The text of a legend row is split into columns at this character.
constexpr char LegendColumnSeparator = '\x06';

// Lets a handler widen the legend while it is laid out.
using TLegendSizeAdjust = std::function<void(TCustomChartLegend*, int& width)>;

const TEnumInfo& LegendAlignmentInfo();
const TEnumInfo& CheckBoxesStyleInfo();
const TEnumInfo& LegendStyleInfo();
const TEnumInfo& LegendTextStyleInfo();

class TCustomChartLegend : public TChartCustomShapePosition {
public:
    explicit TCustomChartLegend(TCustomChart* chart);
    ~TCustomChartLegend() override;
    TCustomChartLegend(const TCustomChartLegend&) = delete;
    TCustomChartLegend& operator=(const TCustomChartLegend&) = delete;
    void Assign(const TPersistent* source) override;
    void Assign(const TCustomChartLegend& source);
    TCustomChart* Chart() const { return chart_; }

    // ---- settings ----
    TLegendAlignment Alignment() const { return alignment_; }
    void SetAlignment(TLegendAlignment value);
    bool CheckBoxes() const { return checkBoxes_; }
    void SetCheckBoxes(bool value);
    TCheckBoxesStyle CheckBoxesStyle() const { return checkBoxesStyle_; }
    // Radio style leaves only the first active series of the legend active.
    void SetCheckBoxesStyle(TCheckBoxesStyle value);
    int ColorWidth() const { return symbol_.Width(); }
    void SetColorWidth(int value) { symbol_.SetWidth(value); }
    bool CurrentPage() const { return currentPage_; }
    void SetCurrentPage(bool value);
    TChartHiddenPen& DividingLines() { return dividingLines_; }
    void SetDividingLines(const TChartPen& pen) { dividingLines_.Assign(&pen); }
    int FirstValue() const { return firstValue_; }
    // Raises LegendException below 0.
    void SetFirstValue(int value);
    bool FontSeriesColor() const { return fontSeriesColor_; }
    void SetFontSeriesColor(bool value);
    int HorizMargin() const { return horizMargin_; }
    void SetHorizMargin(int value);
    bool Inverted() const { return inverted_; }
    void SetInverted(bool value);
    TLegendItems& Items() { return items_; }
    int LeftPercent() const { return leftPercent_; }
    void SetLeftPercent(int value);
    TLegendStyle LegendStyle() const { return legendStyle_; }
    void SetLegendStyle(TLegendStyle value);
    int MaxNumRows() const { return maxNumRows_; }
    void SetMaxNumRows(int value);
    TChartUnits PositionUnits() const { return positionUnits_; }
    void SetPositionUnits(TChartUnits value);
    bool ResizeChart() const { return resizeChart_; }
    void SetResizeChart(bool value);
    // The series whose values a value legend lists; nullptr: chosen by LegendSeries.
    TChartSeries* Series() const { return series_; }
    void SetSeries(TChartSeries* series);
    TLegendSymbol& Symbol() { return symbol_; }
    void SetSymbol(const TLegendSymbol& symbol) { symbol_.Assign(symbol); }
    TLegendTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(TLegendTextStyle value);
    TLegendTitle& Title() { return title_; }
    void SetTitle(const TLegendTitle& title) { title_.Assign(title); }
    int TopPos() const { return topPos_; }
    void SetTopPos(int value);
    int TopPercent() const { return topPercent_; }
    void SetTopPercent(int value);
    int VertMargin() const { return vertMargin_; }
    void SetVertMargin(int value);
    int VertSpacing() const { return vertSpacing_; }
    void SetVertSpacing(int value);
    TLegendSizeAdjust OnSizeAdjust;

    // ---- the model ----
    // The style of the last layout: lsAuto resolved.
    TLegendStyle InternalStyle() const { return internalStyle_; }
    void ResolveStyle();
    bool HasCheckBoxes() const;
    bool IsVertical() const { return alignment_ == laLeft || alignment_ == laRight; }
    // Visible, and something to list.
    bool ShouldDraw() const;
    // The chosen series or the first active one that shows in the legend.
    TChartSeries* LegendSeries() const;
    // Pixels of one row with the legend font.
    int RowHeight();
    // The y below the title, or the legend's top.
    int TitleBottom();
    // The rows available from FirstValue on.
    int ItemCount() const;
    std::string ItemText(int index) const;
    // The row under a point, or -1.
    int HitAt(int x, int y);
    // Switches the series (or group) of a row; false when the legend has no check boxes.
    bool ClickCheckBox(int index);

    // ---- the last layout ----
    int SymbolWidth() const { return symbolWidth_; }
    int LastValue() const { return lastValue_; }
    int TotalItems() const { return totalItems_; }
    int ColumnCount() const { return columns_; }
    int RowCount() const { return rows_; }
    bool DrawTitle() const { return drawTitle_; }
    bool AutomaticColumnWidths = true;
    std::array<int, 2> ColumnWidths{0, 0};

    // ---- drawing ----
    // Lays out, draws and (unless custom-positioned) takes room from the plot.
    void Draw();

protected:
    friend class TLegendPainter;
    void Changed() { RepaintParent(); }
    // Stores and repaints the chart when the value changed.
    void ChangeBool(bool& field, bool value);
    void ChangeInt(int& field, int value);

    TCustomChart* chart_;
    TLegendAlignment alignment_ = laRight;
    bool checkBoxes_ = false;
    TCheckBoxesStyle checkBoxesStyle_ = cbsCheck;
    bool currentPage_ = true;
    TChartHiddenPen dividingLines_;
    int firstValue_ = 0;
    bool fontSeriesColor_ = false;
    int horizMargin_ = 0;
    bool inverted_ = false;
    TLegendItems items_{this};
    int leftPercent_ = 0;
    TLegendStyle legendStyle_ = lsAuto;
    int maxNumRows_ = 10;
    TChartUnits positionUnits_ = muPixels;
    bool resizeChart_ = true;
    TChartSeries* series_ = nullptr;
    TLegendSymbol symbol_{this};
    TLegendTextStyle textStyle_ = ltsLeftValue;
    TLegendTitle title_;
    int topPos_ = 10;
    int topPercent_ = 0;
    int vertMargin_ = 0;
    int vertSpacing_ = 0;

    int symbolWidth_ = 0;
    int lastValue_ = -1;
    int totalItems_ = 0;
    bool drawTitle_ = false;
    TLegendStyle internalStyle_ = lsAuto;
    int columns_ = 0;
    int rows_ = 0;
    int titleHeight_ = 0;
    int blankWidth_ = 0;
};
