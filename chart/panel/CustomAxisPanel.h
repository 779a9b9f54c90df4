#pragma once
// The chart panel that owns series and axes: the series list, the standard
// and custom axes, the automatic extremes of an axis, series colours and
// the axis-label events.

#include "chart/axes/ChartAxis.h"
#include "chart/axes/ChartCustomAxes.h"
#include "chart/core/ChartTypes.h"
#include "chart/core/ColorPalette.h"
#include "chart/panel/ChartPage.h"
#include "chart/panel/CustomChartPanelExtended.h"
#include "chart/series/SeriesGroups.h"
#include "ui/forms/Messages.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TChartSeries;
class TCustomChartSeries;
class TCanvas3D;
class TChartTool;

using TAxisOnGetLabel = std::function<void(TChartAxis*, TChartSeries*, int, std::string&)>;
using TAxisOnGetNextLabel = std::function<void(TChartAxis*, int, double&, bool&)>;
using TSeriesNotifyEvent = std::function<void(TCustomChartSeries*)>;
using TPanelNotifyEvent = std::function<void(TCustomAxisPanel*)>;

// A series joined or left the chart, or changed (kinds in TChartSeriesEventKind).
struct TChartSeriesEvent : TChartEvent {
    std::uint8_t Event = 0;
    TCustomChartSeries* Series = nullptr;
};

// The chart shows another page of points.
struct TChartChangePage : TChartEvent {};

// The mouse moments a tool hears, by number.
enum TChartToolMouseKind { tmkDown = 0, tmkMove = 1, tmkUp = 2 };
enum TChartToolWheelKind { twkWheelDown = 0, twkWheelTurned = 1, twkWheelUp = 2 };

// A chart tool: told of the moments of each drawing and of the mouse. The
// program registers no tool class; the list is the hook for one.
class TChartTool : public TComponent {
public:
    explicit TChartTool(TComponent* owner = nullptr) : TComponent(owner) {}
    bool Active = true;
    // A series tool: told as its series' points are drawn.
    TChartSeries* Series = nullptr;
    // The moments of the drawing cycle and of the mouse (TChartToolEvent).
    virtual void ChartEvent(int event) = 0;
    // `kind`: a TChartToolMouseKind.
    virtual void ChartMouseEvent(int kind, TMouseButton button, TShiftState shift, int x, int y) = 0;
    // `kind`: a TChartToolWheelKind.
    virtual void ChartWheelEvent(int kind, int delta, int x, int y) = 0;
};

// What a tool is told, by number.
enum TChartToolEvent {
    cteAfterDraw = 0, cteBeforeDrawSeries = 1, cteBeforeDraw = 2, cteBeforeDrawAxes = 3, cteAfterDrawSeries = 4,
    cteMouseLeave = 5
};

class TCustomAxisPanel : public TCustomChartPanelExtended {
public:
    explicit TCustomAxisPanel(TComponent* owner = nullptr);
    ~TCustomAxisPanel() override;
    // From another axis panel its axes, paging, palette and switches, then the panel's settings.
    void Assign(const TPersistent* source) override;
    // Older chart data names the page settings on the chart itself.
    void DefineProperties(TFiler& filer) override;
    // Every component of the form exists now: the series groups find their series.
    void Loaded() override;
    // Form data holds the series as the chart's children, after its controls.
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
    TCustomAxisPanel(const TCustomAxisPanel&) = delete;
    TCustomAxisPanel& operator=(const TCustomAxisPanel&) = delete;

    // ---- series ----
    int SeriesCount() const { return static_cast<int>(series_.size()); }
    TChartSeries* SeriesAt(int index) const { return series_[index]; }
    int SeriesIndexOf(const TCustomChartSeries* series) const;
    void AddSeries(TCustomChartSeries* series);
    void DeleteSeries(int index);
    void RemoveSeries(TCustomChartSeries* series);
    // Frees the series `ofClass` accepts (every series without it), each
    // leaving the chart first; the others stay.
    void DestroyAllSeries(const std::function<bool(const TChartSeries&)>& ofClass = nullptr);
    int ActiveSeriesCount() const;
    int LargestPointCount() const;
    TChartSeries* SeriesOfLegendRow(int index, bool onlyActive) const;
    TChartSeries* ActiveSeriesOfLegendRow(int index) const { return SeriesOfLegendRow(index, true); }
    TChartPage& Pages() { return pages_; }
    void SetPages(const TChartPage& pages) { pages_.Assign(pages); }
    int PageCount() const { return pages_.Count(); }
    int Page() const { return pages_.Current(); }
    int MaxPointsPerPage() const { return pages_.MaxPointsPerPage(); }
    // Raises ChartException when `destination` already feeds `source`.
    void CheckCircularSource(const TChartSeries* destination, TChartSeries* source) const;
    std::string LegendSeriesTitle(int index, bool onlyActive) const;
    // Named groups of the series, shown or hidden together.
    TSeriesGroups& SeriesGroups() { return seriesGroups_; }
    const TSeriesGroups& SeriesGroups() const { return seriesGroups_; }
    void SetSeriesGroups(const TSeriesGroups& groups) { seriesGroups_.Assign(&groups); }
    virtual void RefreshSeriesData(TChartSeries* series);
    // Whether the series may take its points from the component.
    virtual bool AcceptsDataSource(TChartSeries* series, TComponent* component);
    // The component no longer feeds the series: a source component that fed it lets it go.
    virtual void DataSourceRemoved(TChartSeries* series, TComponent* component);

    // ---- axes ----
    std::vector<TChartAxis*>& Axes() { return axes_; }
    TChartAxis* BottomAxis() const { return bottomAxis_; }
    TChartAxis* TopAxis() const { return topAxis_; }
    TChartAxis* LeftAxis() const { return leftAxis_; }
    TChartAxis* RightAxis() const { return rightAxis_; }
    TChartAxis* DepthAxis() const { return depthAxis_; }
    TChartAxis* DepthTopAxis() const { return depthTopAxis_; }
    TChartCustomAxes& CustomAxes() { return customAxes_; }
    const TChartCustomAxes& CustomAxes() const { return customAxes_; }
    void ApplyLinkedRange(TChartAxis* master) { customAxes_.ApplyLinkedRange(master); }

    bool AxisHasSeries(const TChartAxis* axis) const;
    bool ComputeAxisVisible(const TChartAxis* axis) const;
    bool AxisVisible() const { return axisVisible_; }
    void SetAxisVisible(bool value);
    bool ClipPoints() const { return clipPoints_; }
    void SetClipPoints(bool value);
    bool AxisBehind() const { return axisBehind_; }
    void SetAxisBehind(bool value);
    bool View3DWalls() const { return view3DWalls_; }
    void SetView3DWalls(bool value);
    // Depth of the 3D effect in tenths of a percent of the plot width, 1..100.
    int Chart3DPercent() const { return chart3DPercent_; }
    void SetChart3DPercent(int value);
    // The wall thickness beside an axis.
    virtual int GetAxisWallSize(const TChartAxis* axis) = 0;
    TChartSeries* FirstSeriesOnAxis(const TChartAxis* axis) const;
    bool AxisWithoutActiveSeries(const TChartAxis* axis) const;
    TChartSeries* GetAxisSeriesMaxPoints(const TChartAxis* axis) const;
    double ComputeAxisExtreme(TChartAxis* axis, bool isMin, bool isX);
    double HighestX(TChartAxis* axis) { return ComputeAxisExtreme(axis, false, true); }
    double HighestY(TChartAxis* axis) { return ComputeAxisExtreme(axis, false, false); }
    double LowestX(TChartAxis* axis) { return ComputeAxisExtreme(axis, true, true); }
    double LowestY(TChartAxis* axis) { return ComputeAxisExtreme(axis, true, false); }
    int HighestZOrder() const { return highestZOrder_; }

    // ---- colours ----
    TColorArray PaletteColors;
    TColor GetPaletteColor(int index) const;
    TColor NextFreeSeriesColor(bool checkBackground, TChartSeries* series);
    virtual bool SeriesColorIsFree(TColor color, bool checkBackground, TChartSeries* series) = 0;
    // Every series without a colour of its own takes the next free one.
    void AssignSeriesColors();

    // ---- text measuring (through the canvas) ----
    int WidestLineWidth(const std::string& text, int& lineCount);
    // The legend's text of a point; the chart component gives the real one.
    virtual std::string LegendValueText(TChartSeries*, int) { return std::string(); }
    // The legend's colour and symbol pen while it draws (nullptr: the series' own).
    TColor LegendBackColor = clWhite;
    TChartPen* LegendSymbolPen = nullptr;
    // A legend symbol's rectangle with the canvas pen and brush.
    virtual void DrawLegendSymbolRect(const TRect& rect);
    // The widest point label of every series.
    int WidestTextWidth();
    // The widest mark text of the active series.
    int WidestMarkWidth();
    int FontHeight();
    // Whether the axis was shown in the last drawing.
    bool AxisIsVisible(const TChartAxis* axis) const;
    void SetAxisShown(const TChartAxis* axis, bool shown);

    // ---- depth of the last layout ----
    int SeriesDepthWidth() const { return seriesDepthWidth_; }
    int SeriesDepthHeight() const { return seriesDepthHeight_; }
    // The 3D scene is seen from the back: series and points draw in reverse.
    bool SeriesDrawOrderFlag() const { return seriesDrawOrderFlag_; }
    void ComputeSeriesDrawOrderFlag();
    // The highest Z order of the series, the depth count of a 3D view.
    void ComputeZOrders();
    // The 3D depth of the chart and of one series, from the plot width.
    void ComputeDepthSize();
    // The plot rectangle at depth z is seen from behind.
    bool IsPlaneReversed(int z);

    // ---- tools ----
    // The tools belong to their owners; the chart only tells them.
    std::vector<TChartTool*>& Tools() { return tools_; }
    void AnnounceToolEvent(int event);

    // ---- the drawing cycle ----
    // Draws the whole chart into `rect`: background, titles, axes layout,
    // walls, axes, series, and last the after-draw event.
    void DrawContents(const TRect& rect) override;
    TPanelNotifyEvent OnBeforeDrawChart;
    TPanelNotifyEvent OnBeforeDrawAxes;
    TPanelNotifyEvent OnBeforeDrawSeries;

    // ---- events ----
    // Hands a new event of the kind to the panel's listeners.
    template <class E>
    void AnnounceEventClass() {
        E event;
        AnnounceEvent(event);
    }
    void AnnounceSeriesEvent(TCustomChartSeries* series, std::uint8_t kind);
    // No series event reaches the listeners while set.
    bool SuppressSeriesEvents = false;
    // Sender: the chart's TChartPage.
    TNotifyEvent OnPageChange;
    TSeriesNotifyEvent OnAddSeries;
    TSeriesNotifyEvent OnRemoveSeries;
    TAxisOnGetLabel OnGetAxisLabel;
    TAxisOnGetNextLabel OnGetNextAxisLabel;

protected:
    // The mouse leaving the window is a tool moment too.
    void Dispatch(TMessage& message) override;

    // The parts the chart component supplies.
    virtual void DrawTitlesPass(bool beforeSeries) = 0;
    virtual void ComputePlotRect3D() = 0;
    virtual void DrawAllWalls() = 0;

    void LayoutAxes();
    void ApplySeriesMargins();
    void DrawAxes();
    void DrawSeries(TChartSeries* series);
    // A series' marks after its points, clipped to the chart when they ask.
    void DrawSeriesMarks(TChartSeries* series);
    // In 3D the series that share one depth draw point by point together.
    void DrawSeriesGroup(TChartSeries* drawing);
    bool ClipsSeries(const TChartSeries* series) const;
    void DrawAllSeries();
    // The zoom rectangle while it is being dragged; the chart component draws it.
    virtual void DrawZoomRectangleInCycle() {}
    void ClipToChart();

    bool axisVisible_ = true;
    bool axisBehind_ = true;
    bool clipPoints_ = true;
    bool view3DWalls_ = true;
    int chart3DPercent_ = 15;
    int seriesDepthWidth_ = 0;
    int seriesDepthHeight_ = 0;
    bool seriesDrawOrderFlag_ = false;
    int highestZOrder_ = 0;

private:
    TChartPage pages_{this};
    TSeriesGroups seriesGroups_{this};
    std::vector<TChartSeries*> series_;
    std::vector<TChartAxis*> axes_;
    std::vector<std::unique_ptr<TChartAxis>> standardAxes_;
    TChartCustomAxes customAxes_{this};
    TChartAxis* bottomAxis_;
    TChartAxis* topAxis_;
    TChartAxis* leftAxis_;
    TChartAxis* rightAxis_;
    TChartAxis* depthAxis_;
    TChartAxis* depthTopAxis_;
    std::vector<const TChartAxis*> shownAxes_;
    std::vector<TChartTool*> tools_;
};
