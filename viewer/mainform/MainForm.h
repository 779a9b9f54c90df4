#pragma once
// The main window "ВЕЛЗАР": the chart of a flight log with its 39 series,
// the side panel (measurement markers, the event-marker legend, the text
// log), two floating panels over the chart, the menu from which every other
// window is opened, the device link and the skin manager.

#include "chart/panel/Chart.h"
#include "chart/series/LineSeries.h"
#include "device/link/DeviceLink.h"
#include "ui/controls/Button.h"
#include "ui/controls/CheckBox.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/CustomEdit.h"
#include "ui/controls/Gauge.h"
#include "ui/controls/Label.h"
#include "ui/controls/MaskEdit.h"
#include "ui/controls/Panels.h"
#include "ui/controls/SpeedButton.h"
#include "ui/controls/StatusBar.h"
#include "ui/controls/SpinEdit.h"
#include "ui/controls/UpDown.h"
#include "ui/dialogs/FileDialogs.h"
#include "ui/dialogs/PrintDialog.h"
#include "ui/forms/Form.h"
#include "ui/graphics/ImageList.h"
#include "ui/menus/Menus.h"
#include "viewer/analysis/AccelerometerIntegration.h"
#include "viewer/analysis/ChartRecordSteps.h"
#include "viewer/analysis/ChartSeriesTable.h"
#include "viewer/analysis/DataExtents.h"
#include "viewer/log/FlightTables.h"
#include "skin/core/manager/SkinManager.h"
#include "viewer/navigation/ChartAxes.h"
#include "viewer/navigation/ZoomBounds.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

// Rows of each event-marker legend, and their pitch in pixels.
inline constexpr int kMarkerLegendRows = 10;
inline constexpr int kLegendRowPitch = 16;
// The side panel's width while it is shown.
inline constexpr int kSidePanelWidth = 290;

class TForm1 : public TForm {
    DECLARE_CLASS_INFO
public:
    explicit TForm1(TComponent* owner);
    ~TForm1() override;

    // ---- the chart ----
    TChart* Chart1;
    // Marker_1 ... Series35 by their index in the chart.
    std::array<TLineSeries*, kChartSeriesCount> ChartSeries{};
    // The progress panel "ЗАГРУЗКА ДАННЫХ" (hidden), the results panel and the
    // floating marker legend, over the chart.
    TPanel* Panel1;
    TGauge* skGauge1;
    TPanel* Panel3;
    TPanel* Panel8;  // title strip
    TPanel* Panel5;  // close box
    TPanel* Panel4;
    TPanel* Panel7;  // title strip
    TPanel* Panel6;  // close box
    std::array<TPanel*, kMarkerLegendRows + 1> PanMarkerColor{};  // 1..10
    std::array<TLabel*, kMarkerLegendRows + 1> PanMarkerText{};   // 1..10

    // ---- the side panel ----
    TPanel* Panel2;
    TGroupBox* GroupBox1;  // "Вертикальные маркеры"
    TGroupBox* GroupBox4;
    TCheckBox* chk1;
    TCheckBox* chk2;
    TMaskEdit* skMaskEdit1;
    TMaskEdit* skMaskEdit2;
    TUpDown* skUpDown1;
    TUpDown* skUpDown2;
    TLabel* Label5;  // the time between the markers
    TButton* btn3;
    TComboBox* ComboBox1;
    TGroupBox* GroupBox3;  // "Горизонтальные маркеры"
    TCheckBox* CheckBox1;
    TCheckBox* CheckBox2;
    TButton* Button5;
    TGroupBox* GroupBox2;  // "Маркеры"
    std::array<TPanel*, kMarkerLegendRows + 1> MarkerColor{};  // 1..10
    std::array<TLabel*, kMarkerLegendRows + 1> MarkerText{};   // 1..10
    TButton* Button15;  // "Рассчитать высоту"
    TMemo* skMemo1;     // the text log
    TSpeedButton* SpeedButton1;
    TLabel* Label6;
    TStatusBar* StatusBar1;

    // ---- dialogs and components ----
    TOpenDialog* skOpenDialog1;
    TSaveDialog* skSaveDialog1;
    TSaveDialog* SavePictureDialog1;
    TPrintDialog* PrintDialog1;
    TSkinManager* skSkinManager1;
    TImageList* MenuImages;

    // ---- the menu ----
    TMainMenu* MainMenu1;
    TMenuItem *N1, *N30, *N35, *N18, *N3, *N4, *N47, *N26, *N24, *N31, *N6;
    TMenuItem *N2, *N32, *N38, *N110, *N50, *N40, *N37, *N42, *N46, *G1, *N43, *N44, *N11;
    TMenuItem *U1, *N15, *N34, *N22, *N39, *N16, *N17, *N19;
    TMenuItem *N7, *N28, *Y1, *N20, *N21, *N23, *N29, *N8;
    // The skin choices under "Скин": "Нет", "Graphite", "Snow", "Amber", "Meadow", "Silver".
    std::array<TMenuItem*, 6> SkinItems{};

    // ---- what the viewer keeps ----
    // Where settings.ini is kept when the folder takes files: the program's.
    std::string SettingsFolder;
    std::string SettingsFileToWrite() const;
    std::string SettingsFileToRead() const;
    FlightTables FlightData;
    // The next load reads the file last chosen without asking.
    bool ReloadSameLog = false;
    // The period dialog was closed with OK: the stream-log load goes on.
    bool ReloadSameStream = false;
    AxisFlags AxisInUse{};
    DataExtents Extents;
    std::int32_t TimeMarkerStart = 0, TimeMarkerEnd = 0;  // ticks
    double LevelMarker1 = 0, LevelMarker2 = 0;

    // ---- operations ----
    void FormShow(TObject* Sender);
    void FormResize(TObject* Sender);
    // While a device worker runs, closing asks first: a firmware update cut
    // short can leave the controller without a program.
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    // Stops the device workers, waits for them, and releases the device link.
    void FormClose(TObject* Sender, TCloseAction& Action);
    void SpeedButton1Click(TObject* Sender);
    void Chart1Resize(TObject* Sender);
    void PlaceFloatingPanels();
    // The event-marker legend rows of the side panel and the floating panel.
    void HideMarkerLegend();
    void AddMarkerLegendRow(const std::string& text, TColor color);
    int LegendRowCount = 0;
    // "Открыть файл": clears the markers, reads the smoothing and loads a log.
    void N30Click(TObject* Sender);
    // "Очистить все": series 0 to 29 lose their points.
    void N35Click(TObject* Sender);
    // "Сохранить настройки": the display settings into settings.ini.
    void N3Click(TObject* Sender);
    // "Сохранить GPS трек": the track of the loaded records as a KML file.
    void N18Click(TObject* Sender);
    // The stream-log load: the open and period dialogs (unless the same file
    // is read again), then the packets onto the chart. No command starts it.
    void N2Click(TObject* Sender);
    // "Только график" and "Окно полностью": a picture of the chart (its
    // floating panels included) or of the whole window, in the PNG or JPEG
    // file chosen in SavePictureDialog1.
    void N17Click(TObject* Sender);
    void N19Click(TObject* Sender);
    // "Печать": the chart on white on the printer chosen in PrintDialog1; a
    // failure is shown and the chart keeps its colour.
    void N31Click(TObject* Sender);
    void ReadSmoothingFactors();
    // The load of a paged log through the open dialog (or the file last chosen).
    void LoadPagedLog();
    void UpdateDataExtents();
    void AssignSeriesToAxes();
    // The time axis to the data with a margin, then the vertical axes.
    void Chart1UndoZoom(TObject* Sender);
    void ApplyLineWidths();

    // ---- chart navigation and analysis commands ----
    // Zoom, pan and wheel handlers, the hidden zoom buttons, the time labels
    // and the analysis buttons.
    void ConnectNavigationAndAnalysis();
    // After the chart zoomed the bottom and left axes to the rectangle.
    void Chart1Zoom(TObject* Sender);
    void Chart1Scroll(TObject* Sender);
    // The one wheel action over the chart: zoom (the chart's own wheel
    // scrolling is switched off).
    void FormMouseWheel(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled);
    // A press (any button but the right one) at `X` chart pixels: the axis of
    // that column in the axis strip shows its grid.
    void SelectGridAxisAt(int X);
    // "Рассчитать высоту" and the hidden "Speed".
    void Button15Click(TObject* Sender);
    void Button3Click(TObject* Sender);
    ZoomBounds ChartZoomBounds;
    TEdit* skEdit1 = nullptr;  // the 1 g reference, in 1/512 g
    TButton* Button3 = nullptr;

private:
    void BuildChart();
    void BuildFloatingPanels();
    void BuildSidePanel();
    void BuildHiddenControls();
    void BuildDialogs();
    void BuildSkinManager();
    void BuildMainMenu();
    TMenuItem* AddItem(TMenuItem* parent, const std::string& name, const std::string& caption,
                       TNotifyEvent onClick = nullptr);
    void ShowWindow(TForm* form);
    // A skin item: the skin manager's skin, then the choice into settings.ini.
    void SkinItemClick(int choice);
    void ClearMeasurementMarkers();
    void PrepareChartForLoad();
    void Chart1AfterDraw(TObject* Sender);
    void SaveWindowPicture(TWinControl& area);

    bool shown_ = false;

public:
    // ---- measurement and event markers ----
    // Start, end, level 1, level 2: also their series' chart indexes.
    static constexpr int kMeasurementMarkerCount = 4;
    // The marker follows the mouse until the next click on the chart.
    std::array<bool, kMeasurementMarkerCount> MarkerArmed{};
    // The marker is dragged from a press near it to the release.
    std::array<bool, kMeasurementMarkerCount> MarkerGrabbed{};
    // What the mouse last pointed at: a whole tick, a value of three decimals.
    float CursorTick = 0, CursorValue = 0;
    // The size of the log file last loaded; 0 while none was.
    std::uint32_t LogFileSize = 0;
    // The chosen event kinds' markers on the chart, with their legend rows.
    void PlaceEventMarkers();
    void Chart1MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Chart1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Chart1MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Chart1Click(TObject* Sender);
    // Checking a marker's box arms that marker and unchecks the other boxes.
    void MarkerBoxClick(int marker);
    // "Удалить маркеры": the time markers, the level markers.
    void btn3Click(TObject* Sender);
    void Button5Click(TObject* Sender);
    void MarkerEditKeyPress(int marker, char32_t& Key);
    void MarkerEditKeyUp(int marker);
    void MarkerUpDownChangingEx(int marker, TUpDownDirection Direction);

private:
    void HookMarkerEvents();
    TCheckBox* MarkerBox(int marker) const;
    TMaskEdit* MarkerEdit(int marker) const;
    TChartAxis& MarkerTimeAxis() const;
    TChartAxis& MarkerValueAxis() const;
    bool MarkerPresent(int marker) const;
    bool NearMarker(int marker) const;
    void SetMarker(int marker, double position);
    // The marker's time into its edit.
    void ShowMarkerTime(int marker);
    // Label5: the end edit's time less the start edit's.
    void ShowTimeDifference();
    // The edit's time, or nothing after a balloon when it is half typed.
    std::optional<std::int32_t> ReadMarkerEdit(int marker);
    void DrawMarkerCaptions();
    // ---- end of the markers' block ----

    std::unique_ptr<TDeviceLink> HID;
    std::unique_ptr<ChartRecordSteps> chartSteps_;
    AccelerometerIntegration integration_;
};

extern TForm1* Form1;
