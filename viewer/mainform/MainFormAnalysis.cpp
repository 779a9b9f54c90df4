// The analysis commands of the main window: "Рассчитать высоту" between the
// time markers and the hidden "Speed", each writing its lines to the text log.

#include "viewer/mainform/MainForm.h"

#include "common/MessageBoxText.h"
#include "device/forms/LogMemoLine.h"
#include "ui/core/NumberConversion.h"
#include "viewer/analysis/LaunchIntegration.h"
#include "viewer/analysis/MarkerIntegration.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr const char* kReferenceNotANumber = "Опорное значение 1 g должно быть числом (в 1/512 g), например 512.";

}  // namespace

void TForm1::Button15Click(TObject*) {
    TLineSeries& acceleration = *ChartSeries[kAccelerationZSeries];
    const std::int32_t ticks = acceleration.Count();
    const std::string problem = MarkerIntegrationProblem(ticks, TimeMarkerStart, TimeMarkerEnd);
    if (!problem.empty()) {
        ShowMessageBox(problem);
        return;
    }
    const double oneG = StrToFloatDef(skEdit1->Text(), std::numeric_limits<double>::quiet_NaN());
    if (std::isnan(oneG)) {
        ShowMessageBox(kReferenceNotANumber);
        return;
    }
    const auto inG = [&acceleration](std::int32_t tick) { return acceleration.YValueAt(tick); };
    const MarkerIntegration result = IntegrateBetweenMarkers(inG, ticks, TimeMarkerStart, TimeMarkerEnd, oneG);
    for (const std::string& line : MarkerIntegrationLines(result)) AddLogLine(*skMemo1, line);
}

void TForm1::Button3Click(TObject*) {
    // As far as both the chart's data and the stored records go.
    const double chartEnd = ChartSeries[kAccelerationYSeries]->Count() ? ChartSeries[kAccelerationYSeries]->HighestX() : 0;
    const std::int32_t records = FlightData.RecordCount - 1;
    const auto ticks = static_cast<std::int32_t>(std::clamp<double>(std::ceil(chartEnd), 0, records));
    std::vector<std::int32_t> accelerationMg(static_cast<std::size_t>(ticks));
    for (std::int32_t i = 0; i < ticks; ++i) accelerationMg[i] = FlightData.FlightRecords[i][FlightField::AccelerationZ];
    for (const std::string& line : LaunchIntegrationLines(accelerationMg, TimeMarkerStart)) AddLogLine(*skMemo1, line);
}
