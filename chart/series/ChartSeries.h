#pragma once
// The series base: a curve's points kept column-wise in value lists, with
// per-point colours and labels, its place on a chart and the notifications
// to the chart and to the series fed from it.

#include "chart/canvas/ChartPen.h"
#include "chart/core/ChartTypes.h"
#include "chart/marks/SeriesMarks.h"
#include "chart/panel/ChartZoom.h"
#include "chart/series/ChartSeriesSource.h"
#include "chart/series/ChartValueList.h"
#include "chart/series/CustomChartSeries.h"
#include "chart/series/LabelsList.h"
#include "ui/core/Component.h"
#include "ui/forms/Control.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCustomAxisPanel;
class TChartAxis;
class TChartFunction;
class TChartSeries;
class TEnumInfo;

enum THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis };
enum TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis };

// What changed in a series, for the series linked to it.
enum TSeriesChange { scClear, scAdd, scDelete, scRefresh, scModify };

// Which changes of its source a linked series follows.
struct TSeriesRecalcOptions {
    bool OnDelete = true;
    bool OnModify = true;
    bool OnInsert = true;
    bool OnClear = true;
};

// Kinds of the chart's series events.
enum TChartSeriesEventKind : std::uint8_t {
    seAdd = 0, seRemove = 1, seChangeTitle = 2, seChangeColor = 3, seChangeActive = 5, seDataChanged = 6
};

const TEnumInfo& HorizAxisInfo();
const TEnumInfo& VertAxisInfo();

using TSeriesOnBeforeAdd = std::function<bool(TChartSeries*)>;
using TSeriesOnAfterAdd = std::function<void(TChartSeries*, int)>;
using TSeriesOnClear = std::function<void(TChartSeries*)>;

// Which parts of a series' points its "Data" stream must hold.
struct TSeriesDataFlags {
    bool XValues = false;
    bool Colors = false;
    bool Labels = false;
    bool MarkPositions = false;
};

class TChartSeries : public TCustomChartSeries {
    DECLARE_CLASS_INFO
public:
    explicit TChartSeries(TComponent* owner = nullptr);
    ~TChartSeries() override;
    // Copies settings, axes, function and (unless taken from a data source) the points.
    void Assign(const TPersistent* source) override;

    // Value lists.
    TChartValueLists& ValueLists() { return valueLists_; }
    TChartValueList& XValues() { return *xValues_; }
    TChartValueList& YValues() { return *yValues_; }
    TChartValueList& MandatoryValueList() { return *mandatory_; }
    TChartValueList& NotMandatoryValueList() { return *notMandatory_; }
    TChartValueList* ValueListByName(const std::string& name);

    // Reading points; indexes are not checked.
    int Count() const { return xValues_->Count(); }
    virtual double XValueAt(int index) const { return xValues_->GetValue(index); }
    virtual double YValueAt(int index) const { return yValues_->GetValue(index); }
    virtual double PointMarkValue(int index) const { return mandatory_->GetValue(index); }
    virtual double StackValue(int index) const { return PointMarkValue(index); }
    const TLabelsList& Labels() const { return labels_; }
    std::string PointLabel(int index) const { return labels_.GetLabel(index); }
    TColor PointColorStored(int index) const;
    bool HasPointColors() const { return pointColors_ != nullptr; }
    virtual TColor PointColorAt(int index) const;
    bool PointIsNull(int index) const { return PointColorAt(index) == clNone; }
    TSeriesMarks& Marks() { return marks_; }
    void SetMarks(const TSeriesMarks& marks) { marks_.Assign(marks); }
    // The marks of the visible points, after the points.
    void DrawAllMarks();
    virtual void DrawPointMark(int index, const std::string& text, TSeriesMarkPosition& position);
    // The widest line of point `index`'s mark text in the canvas' font.
    int MarkTextWidth(int index);
    int WidestMarkWidth();

    // Texts of a point.
    std::string GetMarkText(int index);
    std::string PercentText(int index, bool withTotal);
    virtual std::string LegendItemText(int item, TLegendTextStyle style);
    std::string XValueText(int index);
    const std::string& ValueFormat() const { return valueFormat_; }
    void SetValueFormat(const std::string& value);
    const std::string& PercentFormat() const { return percentFormat_; }
    void SetPercentFormat(const std::string& value);
    std::function<void(TChartSeries*, int, std::string&)> OnGetMarkText;

    // Adding points; each returns the new point's index (-1 when refused).
    virtual int AddPointXY(double x, double y, const std::string& label = "", TColor color = clDefault);
    virtual int Add(double value, const std::string& label = "", TColor color = clDefault);
    int AddPointY(double y, const std::string& label = "", TColor color = clDefault);
    int AddNullPoint(const std::string& label = "");
    int AddNullPointXY(double x, double y, const std::string& label = "");

    // Removing points.
    virtual void Clear();
    virtual void ClearLists();
    virtual void Delete(int index);
    virtual void DeleteRange(int first, int n, bool renumber = false);
    virtual void SourceValueDeleted(TChartSeries* source, int index);

    // Reordering.
    void SwapPointsAt(int a, int b);
    void SortByMandatory();

    // Notifications and bulk updates.
    virtual void NotifyValueAdded(int index);
    virtual void NotifyLinkedSeries(TSeriesChange kind, int index);
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    bool Updating() const { return updateCount_ > 0; }
    void RefreshFromSource();

    // Series fed from this one: `series` takes this one as a data source.
    void AddLinkedSeries(TChartSeries* series);
    void RemoveLinkedSeries(TChartSeries* series);
    const std::vector<TChartSeries*>& LinkedSeries() const { return linkedSeries_; }
    // The series among the data sources.
    std::vector<TChartSeries*> SourceSeries() const;

    // Data sources: other series or source components; the first is DataSource.
    TDataSourcesList& DataSources() { return dataSources_; }
    TComponent* DataSource() const { return dataSources_.First(); }
    void SetDataSource(TComponent* component);
    // Raises ChartException for a component the chart (or, without one, the
    // series) does not accept; -1 when it is a data source already.
    int BindDataSource(TComponent* component, bool clearFirst);
    void UnbindDataSource(TComponent* component);
    int AppendDataSource(TComponent* component);
    bool AcceptsSource(TComponent* component) const;
    bool FunctionAcceptsSource(TChartSeries*) const { return true; }
    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;
    void DefineProperties(TFiler& filer) override;
    bool SaveDataNever() const { return saveDataNever_; }
    void SetSaveDataNever(bool value) { saveDataNever_ = value; }
    bool SaveDataAlways() const { return saveDataAlways_; }
    void SetSaveDataAlways(bool value) { saveDataAlways_ = value; }
    TSeriesRecalcOptions& RecalcOptions() { return recalcOptions_; }
    virtual int AddSourceValues(TChartSeries* source, int index);
    virtual void AddSourcePoint(TChartSeries* source, int index);
    virtual void AddAllFrom(TChartSeries* source);
    virtual bool CanBeFedBy(TChartSeries* source) const { return source != this; }

    // The function that computes this series' points from its sources; owned.
    TChartFunction* FunctionType() const { return function_.get(); }
    virtual void AttachFunction(TChartFunction* function);
    // Drops the function without freeing it (it is moving to another series).
    void ReleaseFunction();
    bool AllowSinglePoint() const { return allowSinglePoint_; }

    // Variants a gallery offers, and setting one on a series (0 is the plain one).
    virtual std::vector<std::string> ListSubGalleryStyles() const;
    virtual void ApplySubGalleryStyle(int) {}
    // The look of a gallery preview: a few sample points, no marks, and a
    // colour of the palette (silver when the preview is disabled).
    virtual void SetupForGallery(bool enabled);
    // The preview's chart in 3D or flat.
    void SetGallery3D(bool value);

    // Sample points for previews: `count` 0 takes the class' sample count.
    // Raises ChartException for a negative count.
    void FillSampleValues(int count = 0);
    virtual void GenerateSamplePoints(int count, bool mandatoryOnly);
    virtual int SamplePointCount() const { return 25; }
    // Only while designing does a series without data show sample points.
    bool WantsSampleValues() const { return ComponentState().Contains(TComponentStateItem::csDesigning); }
    void SetSampleCount(int value) { sampleCount_ = value; }

    // The points of the chart's current page; both -1 without points.
    void PageRange(int& first, int& last) const;

    // Names of data-source fields that give point colours and labels.
    const std::string& ColorSource() const { return colorSource_; }
    void SetColorSource(const std::string& value);
    const std::string& XLabelsSource() const { return xLabelsSource_; }
    void SetXLabelsSource(const std::string& value);

    // Colours.
    TColor SeriesColor() const { return storedColor_ == clDefault ? automaticColor_ : storedColor_; }
    virtual void SetSeriesColor(TColor color);
    bool SeriesColorStored() const { return storedColor_ != clDefault; }
    bool ColorEachPoint() const { return colorEachPoint_; }
    void SetColorEachPoint(bool value);
    // The colour the chart gave the series when it joined.
    void SetAutomaticColor(TColor color) { automaticColor_ = color; }

    // Chart membership (called by the chart).
    virtual void AttachedToChart();
    virtual void DetachedFromChart();
    std::string SeriesDisplayName() const;
    void SetActive(bool value) override;

    // The binary "Data" stream of the points.
    bool HasOwnData() const { return hasOwnData_; }
    void SetHasOwnData(bool value) { hasOwnData_ = value; }
    std::vector<std::uint8_t> WriteData() const;
    TSeriesDataFlags DataFlags() const;
    // Raises ChartException for a stream that ends early or holds a negative count;
    // the series keeps its points then.
    void ReadData(const std::vector<std::uint8_t>& data);

    // The points inside the chart rectangle, computed before each drawing.
    virtual void ComputeVisibleRange();
    // The drawing pass over the visible points, in drawing order.
    virtual void DrawAllPoints();
    virtual void DrawOnePoint(int) {}
    virtual bool PointsDrawnForward() const;
    int FirstDrawIndex() const { return PointsDrawnForward() ? firstVisible_ : lastVisible_; }
    // The point under a pixel, or -1.
    virtual int ClickedIndex(int, int) { return -1; }
    // Pixels kept free at the ends of the axes for what the series draws there.
    virtual void ComputeHorizMargins(int& left, int& right) { left = right = 0; }
    virtual void ComputeVertMargins(int& top, int& bottom) { top = bottom = 0; }
    // Around the drawing of the points: the chart's tools of this series
    // hear it, then the series' own event.
    void DoBeforeDrawValues();
    void DoAfterDrawValues();
    // Another active series of the chart sits at the same depth.
    bool SharesZOrder() const;
    // Active, and no earlier active series of the chart sits at its depth.
    bool IsDrawingVisible() const;
    // Either series is of the other's kind.
    static bool IsSameKind(const TChartSeries* a, const TChartSeries* b);
    int FirstVisibleIndex() const { return firstVisible_; }
    int LastVisibleIndex() const { return lastVisible_; }

    // Axes.
    THorizAxis HorizAxis() const { return horizAxis_; }
    TVertAxis VertAxis() const { return vertAxis_; }
    void SetHorizAxis(THorizAxis value);
    void SetVertAxis(TVertAxis value);
    void SetCustomHorizAxis(TChartAxis* axis);
    void SetCustomVertAxis(TChartAxis* axis);
    TChartAxis* CustomHorizAxis() const { return customHorizAxis_; }
    TChartAxis* CustomVertAxis() const { return customVertAxis_; }
    TChartAxis* GetHorizAxis() const { return effectiveHorizAxis_; }
    TChartAxis* GetVertAxis() const { return effectiveVertAxis_; }
    void UpdateEffectiveAxes();
    virtual bool UsesAxes() const { return true; }
    bool IsBoundToAxis(const TChartAxis* axis) const;
    TChartValueList* ValueListForAxis(const TChartAxis* axis);
    bool YMandatory() const { return mandatory_ == yValues_; }

    // Ranges the chart uses for automatic axis ranges.
    virtual double HighestX() { return xValues_->HighestValue(); }
    virtual double LowestX() { return xValues_->LowestValue(); }
    virtual double HighestY() { return yValues_->HighestValue(); }
    virtual double LowestY() { return yValues_->LowestValue(); }
    virtual double HighestZ() const { return EffectiveZOrder(); }
    virtual double LowestZ() const { return EffectiveZOrder(); }
    int ZOrder() const { return zOrder_; }
    void SetZOrder(int value);
    int EffectiveZOrder() const { return zOrder_ == -1 ? internalZOrder_ : zOrder_; }

    // Depth in 3D pixels; -1 takes the chart's series depth.
    int Depth() const { return depth_; }
    void SetDepth(int value);
    // Before drawing: the series' place among the chart's depths, counted in
    // `highestZOrder` (the chart's counter of the drawing).
    virtual void ComputeZOrder(int& highestZOrder);
    // The place among the depths the drawing cycle settles on once every
    // series took its Z order (the depth positions count from it).
    int InternalZOrder() const { return internalZOrder_; }
    void SetInternalZOrder(int value) { internalZOrder_ = value; }
    void ComputeDepthPositions();
    int StartZ() const { return startZ_; }
    int MiddleZ() const { return middleZ_; }
    int EndZ() const { return endZ_; }

    // Positions.
    virtual int PointScreenX(int index);
    virtual int PointScreenY(int index);
    void ComputeScreenPos(int index, int& x, int& y) {
        x = PointScreenX(index);
        y = PointScreenY(index);
    }
    int ValueScreenX(double value) const;
    int ValueScreenY(double value) const;
    // The pixel of a value of the mandatory dimension.
    int ValueScreenPos(double value) const { return ValueScreenY(value); }
    double ScreenXToValue(int pixel) const;
    double ScreenYToValue(int pixel) const;

    // Events.
    TSeriesOnBeforeAdd OnBeforeAdd;
    TSeriesOnAfterAdd OnAfterAdd;
    TSeriesOnClear OnClearValues;
    using TSeriesClick = std::function<void(TChartSeries*, int valueIndex, TMouseButton, TShiftState, int x, int y)>;
    TSeriesClick OnClick;
    TSeriesClick OnDblClick;
    virtual bool HasClickEvents() const { return OnClick || OnDblClick; }
    // The chart's click on point `index`: the double-click or click event.
    void Clicked(int index, TMouseButton button, TShiftState shift, int x, int y) {
        const TSeriesClick& event = shift.Contains(TShiftStateItem::ssDouble) ? OnDblClick : OnClick;
        if (event) event(this, index, button, shift, x, y);
    }
    // The mouse over the series: its cursor on the chart, the enter and leave
    // events; answers whether the mouse is over a point or segment.
    bool CheckMouseOver(int x, int y);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor value) { cursor_ = value; }
    std::function<void(TChartSeries*)> OnMouseEnter;
    std::function<void(TChartSeries*)> OnMouseLeave;
    std::function<void(TChartSeries*)> BeforeDrawValues;
    std::function<void(TChartSeries*)> AfterDrawValues;

    // Legend rows of the series' points.
    virtual int LegendItemCount() const { return Count(); }
    virtual TColor LegendRowColor(int row) const { return PointColorAt(row); }
    virtual int LegendRowToPoint(int row) const { return row; }
    // The symbol of a legend row; item -1 stands for the whole series.
    void DrawLegendSymbol(int item, const TRect& rect);

protected:
    // The symbol's shape in the canvas pen and brush.
    virtual void PaintLegendShape(int item, const TRect& rect);
    // A series may change the pen, back colour and brush style of its symbol.
    virtual void SetupLegendCanvas(int, TColor&, TBrushStyle&) {}
    void NotifySeriesTools(int event);
    void ColorChanged();
    void InsertPointColor(int index, TColor color);
    void CheckNotFeeding(TChartSeries* source) const;
    friend class TDataSourcesList;

    TChartValueLists valueLists_;
    TChartValueList* xValues_;
    TChartValueList* yValues_;
    TChartValueList* mandatory_;
    TChartValueList* notMandatory_;
    TLabelsList labels_;
    std::unique_ptr<std::vector<TColor>> pointColors_;
    TSeriesMarks marks_{this};
    std::string valueFormat_;
    std::string percentFormat_;
    std::vector<TChartSeries*> linkedSeries_;
    TDataSourcesList dataSources_{this};
    std::vector<std::string> pendingSourceNames_;
    bool saveDataNever_ = false;
    bool saveDataAlways_ = false;
    TSeriesRecalcOptions recalcOptions_;

    TColor storedColor_ = clDefault;
    TColor automaticColor_ = clDefault;
    bool colorEachPoint_ = false;
    int updateCount_ = 0;
    bool hasOwnData_ = false;
    bool usesNotMandatoryValues_ = true;
    bool calcVisiblePoints_ = true;
    bool allowSinglePoint_ = true;
    std::unique_ptr<TChartFunction> function_;
    bool drawBetweenPoints_ = false;
    int firstVisible_ = -1;
    int lastVisible_ = -1;

    THorizAxis horizAxis_ = aBottomAxis;
    TVertAxis vertAxis_ = aLeftAxis;
    TChartAxis* customHorizAxis_ = nullptr;
    TChartAxis* customVertAxis_ = nullptr;
    TChartAxis* effectiveHorizAxis_ = nullptr;
    TChartAxis* effectiveVertAxis_ = nullptr;
    int zOrder_ = -1;
    int internalZOrder_ = 0;
    int depth_ = -1;
    int sampleCount_ = 0;
    std::string colorSource_;
    std::string xLabelsSource_;
    TCursor cursor_ = 0;
    bool mouseInside_ = false;
    int startZ_ = 0;
    int middleZ_ = 0;
    int endZ_ = 0;
};

// The name of a series in labels and legends: its title with legend column
// separators as blanks, or its display name when it has no title.
std::string SeriesTitleText(const TChartSeries& series);
