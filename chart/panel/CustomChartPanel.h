#pragma once
// The windowed control at the root of every chart: its drawing canvas, the
// four margins and the frame, the plot rectangle worked out inside them, the
// 3D view options, one drawing cycle per frame (through the canvas' buffer
// on screen), its own frame and the listeners of its mouse and view events.

#include "chart/canvas/ChartBrush.h"
#include "chart/canvas/ChartPen.h"
#include "chart/canvas/View3DOptions.h"
#include "chart/core/ChartTypes.h"
#include "chart/effects/ChartShadow.h"
#include "chart/panel/ZoomPanning.h"
#include "chart/print/PrintPageGeometry.h"

#include "ui/controls/Panels.h"
#include "ui/graphics/Bitmap.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCanvas3D;
class TChartCanvas3D;
class TBitmap;
class TEnumInfo;

enum TChartUnits { muPercent, muPixels };
// The panel's bevel kinds by name.
const TEnumInfo& PanelBevelInfo();

// Printing and metafiles follow the screen: clipping stays allowed; a printed
// chart has no background fill nor bevels; the window background is never erased.
constexpr bool ClipOnPrinters = true;
constexpr bool ClipOnMetafiles = true;
constexpr bool PrintPanelBackground = false;
constexpr bool EraseWindowBackground = false;

// A panel whose caption never takes the component's name.
class TCustomPanelNoCaption : public TCustomPanel {
public:
    explicit TCustomPanelNoCaption(TComponent* owner);
};

class TCustomChartPanel;

struct TChartEvent {
    virtual ~TChartEvent() = default;
    TCustomChartPanel* Sender = nullptr;
};

enum TChartMouseEventKind { cmeDown, cmeUp, cmeMove };

struct TChartMouseEvent : TChartEvent {
    TChartMouseEventKind Kind = cmeDown;
    TMouseButton Button = TMouseButton::mbLeft;
    TShiftState Shift;
    int X = 0;
    int Y = 0;
};

struct TChartView3DEvent : TChartEvent {};

class ITChartEventListener {
public:
    virtual ~ITChartEventListener() = default;
    virtual void ChartEvent(TChartEvent& event) = 0;
};

using TChartEventListeners = std::vector<ITChartEventListener*>;

using TChartPrintEvent = std::function<void(TCustomChartPanel* Sender, TCanvas* Canvas, const TRect& R)>;

class TCustomChartPanel : public TCustomPanelNoCaption {
    DECLARE_CLASS_INFO
public:
    explicit TCustomChartPanel(TComponent* owner = nullptr);
    ~TCustomChartPanel() override;
    TCustomChartPanel(const TCustomChartPanel&) = delete;
    TCustomChartPanel& operator=(const TCustomChartPanel&) = delete;

    void Assign(const TPersistent* source) override;
    // To a picture or a graphic: the chart drawn into a bitmap of the panel's size.
    void AssignTo(TPersistent* destination) const override;
    void Loaded() override;
    // Older data's "BorderStyle" is read into the border, never written.
    void DefineProperties(TFiler& filer) override;

    // ---- frame and margins ----
    TChartHiddenPen& Border() { return border_; }
    void SetBorder(const TChartPen& pen) { border_.Assign(&pen); }
    int BorderRound() const { return borderRound_; }
    void SetBorderRound(int value);
    int Margin(int index) const { return margins_[index]; }  // 0 left, 1 top, 2 right, 3 bottom
    void SetMargin(int index, int value) { ChangeInteger(margins_[index], value); }
    int MarginLeft() const { return margins_[0]; }
    int MarginTop() const { return margins_[1]; }
    int MarginRight() const { return margins_[2]; }
    int MarginBottom() const { return margins_[3]; }
    void SetMarginLeft(int v) { SetMargin(0, v); }
    void SetMarginTop(int v) { SetMargin(1, v); }
    void SetMarginRight(int v) { SetMargin(2, v); }
    void SetMarginBottom(int v) { SetMargin(3, v); }
    TChartUnits MarginUnits() const { return marginUnits_; }
    void SetMarginUnits(TChartUnits value);
    // The band inside the bevels, in the panel's colour.
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value) { ChangeInteger(borderWidth_, value); }
    // The panel's bevels; an unchanged value does not repaint.
    void SetBevelInner(TPanelBevel value);
    void SetBevelOuter(TPanelBevel value);
    void SetBevelWidth(int value);
    TChartShadow& Shadow() { return shadow_; }
    void SetShadow(const TChartShadow& shadow) { shadow_.Assign(shadow); }
    bool PrintProportional = true;

    // ---- the plot rectangle ----
    const TRect& RenderRect() const { return renderRect_; }
    const TRect& PlotRect() const { return plotRect_; }
    void SetPlotRect(const TRect& rect) { plotRect_ = rect; }
    bool FixedPlotRect() const { return fixedPlotRect_; }
    void SetFixedPlotRect(bool value) { fixedPlotRect_ = value; }
    int PlotWidth() const { return plotWidth_; }
    int PlotHeight() const { return plotHeight_; }
    int PlotCenterX() const { return plotCenterX_; }
    int PlotCenterY() const { return plotCenterY_; }
    void ComputePlotRect();
    void FinishPlotRect();

    // ---- drawing ----
    // The canvas all chart drawing goes through: the panel's own, or one
    // given with SetCanvas (kept alive by the caller; nullptr goes back).
    TCanvas3D* Canvas() const { return canvas_; }
    void SetCanvas(TCanvas3D* canvas);
    // The control's own canvas, where screen painting ends.
    TCanvas* ControlCanvas() { return TCustomControl::Canvas(); }
    // One whole frame onto `canvas` within `rect`.
    virtual void RenderTo(TCanvas* canvas, const TRect& rect);
    void RenderToControl();
    // Straight onto `canvas`, without the buffer; buffering is restored after.
    void RenderUnbuffered(TCanvas* canvas, const TRect& rect);
    void RenderToMetafile(TCanvas* canvas, const TRect& rect);
    // The caller owns the bitmap.
    std::unique_ptr<TBitmap> CreateBitmap();
    std::unique_ptr<TBitmap> CreateBitmapOf(TColor backColor, const TRect& rect, TPixelFormat format);
    virtual void DrawContents(const TRect&) {}
    // The colour behind the chart.
    virtual TColor BackgroundColor() { return Color(); }
    // The client rectangle with a parent, else (0, 0, Width, Height).
    TRect PanelRect() const;
    TRect ClientRect() const override { return TWinControl::ClientRect(); }
    bool View3D() const { return view3D_; }
    void SetView3D(bool value);
    TView3DOptions& View3DOptions() { return view3DOptions_; }
    void SetView3DOptions(const TView3DOptions& options) { view3DOptions_.Assign(options); }
    bool Monochrome() const;
    void SetMonochrome(bool value);
    int Depth3DWidth() const { return depth3DWidth_; }
    int Depth3DHeight() const { return depth3DHeight_; }
    bool UseZOrder() const { return useZOrder_; }
    // A hatch in the background colour would vanish: it takes black or white.
    void SetContrastBrush(TColor color, const TChartBrush& brush, TColor backColor);
    bool ClipAllowed() const;
    void DrawPanelFrame(const TRect& rect);
    void DrawBevel(TCanvas3D& canvas, TPanelBevel bevel, TRect& rect, int cornerSize, int width);
    void ApplyRoundRegion();

    // ---- change routines: store a new value and repaint ----
    void ChangeBoolean(bool& field, bool value);
    void ChangeInteger(int& field, int value);
    void ChangeDouble(double& field, double value);
    void ChangeColor(TColor& field, TColor value);
    void ChangeString(std::string& field, const std::string& value);
    // The change callback of the owned parts.
    void ElementChanged() { Invalidate(); }

    // ---- state ----
    bool Loading() const { return loading_ || IsLoading(); }
    bool Reading() const { return reading_; }
    bool RepaintOnChange() const { return repaintOnChange_; }
    void SetRepaintOnChange(bool value) { repaintOnChange_ = value; }
    bool IsPrinting = false;
    TRect PrintMargins{15, 15, 15, 15};
    int PrintScale = 0;

    // ---- printing (chart/print/CustomChartPanelPrint.cpp) ----
    // Told with the print canvas and the target rectangle in logical units
    // (panel pixels), after clipping and before the chart is drawn.
    TChartPrintEvent OnBeforePrint;
    // One job on Printer(): the chart in ComputePrintRect. A failure aborts
    // the job and reaches the caller; the panel repaints either way.
    void Print();
    void PrintRectangle(const TRect& pageRect);
    void PrintOnPrinterArea(const TRect& pageRect);
    // The whole chart into `rect` of any canvas, stretched from the panel's size.
    void PrintOnPageArea(TCanvas* canvas, const TRect& rect);
    // The page rectangle in printer pixels; proportional margins first when asked.
    TRect ComputePrintRect();
    TRect ComputeProportionalMargins();
    // `rect` in device units to logical units with the extents that map them.
    TPrintScale ComputePrintScale(const TRect& rect, const TRect& panelRect) const;
    TCursor SavedCursor = crDefault;
    TZoomPanning& ScrollDrag() { return scrollDrag_; }
    // Marks the buffer stale and repaints, unless RepaintOnChange is off.
    void Invalidate() override;
    // The mouse position in client coordinates.
    TPoint CursorPosition() const;

    // ---- listeners ----
    TChartEventListeners& EventListeners() { return listeners_; }
    void AnnounceEvent(TChartEvent& event);
    void AnnounceMouseEvent(TChartMouseEventKind kind, TMouseButton button, TShiftState shift, int x, int y);
    // A listener or handler sets it to stop the current mouse event.
    bool MouseCancelled = false;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void Dispatch(TMessage& message) override;
    void Resize() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void DblClick() override;

    TCanvas3D* canvas_ = nullptr;
    TChartHiddenPen border_;
    int borderRound_ = 0;
    int margins_[4] = {3, 4, 3, 4};
    TChartUnits marginUnits_ = muPercent;
    int borderWidth_ = 0;
    TChartShadow shadow_;
    TRect renderRect_;
    TRect plotRect_;
    bool fixedPlotRect_ = false;
    int plotWidth_ = 0;
    int plotHeight_ = 0;
    int plotCenterX_ = 0;
    int plotCenterY_ = 0;
    bool view3D_ = true;
    TView3DOptions view3DOptions_;
    int depth3DWidth_ = 0;
    int depth3DHeight_ = 0;
    bool useZOrder_ = true;
    bool loading_ = false;
    bool reading_ = false;
    bool repaintOnChange_ = true;

private:
    std::unique_ptr<TChartCanvas3D> ownCanvas_;
    TZoomPanning scrollDrag_;
    TChartEventListeners listeners_;
    bool applyingRoundRegion_ = false;
};
