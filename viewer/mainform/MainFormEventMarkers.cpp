// The event markers on the main window's chart: a vertical line at each
// tick whose event is a kind chosen on the event-marker window, in the
// kind's colour, each with a row in both marker legends.

#include "viewer/mainform/MainForm.h"

#include "viewer/eventmarkers/EventMarkerForm.h"
#include "viewer/eventmarkers/EventMarkerPlacement.h"
#include "viewer/log/EventNames.h"
#include "viewer/markers/MarkerLines.h"

void TForm1::PlaceEventMarkers() {
    for (int series : EventMarkerSeries) ChartSeries[series]->Clear();
    const std::span<const EventCode> events(FlightData.TickEvents.get(),
                                            static_cast<std::size_t>(std::max(FlightData.TickEventCount, 0)));
    const auto places =
        ChooseEventMarkerTicks(events, [](EventCode code) { return Form4->KindOfCode(code).CheckBox->Checked(); });
    const TChartAxis& vertical = *Chart1->LeftAxis();
    for (std::size_t n = 0; n < places.size(); ++n) {
        TLineSeries& series = *ChartSeries[EventMarkerSeries[n]];
        series.SetSeriesColor(Form4->KindOfCode(places[n].Code).ColorPanel->Color());
        DrawTallTimeLine(series, places[n].Tick, vertical);
        AddMarkerLegendRow(" " + std::string(EventNames[static_cast<std::size_t>(places[n].Code)]),
                           series.SeriesColor());
    }
}
