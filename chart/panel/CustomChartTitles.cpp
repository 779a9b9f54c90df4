// The title pass of the drawing cycle: before the series the titles the
// chart places, each taking its room from the plot in turn; after the
// series those placed by hand, over them, and the walls in front.

#include "chart/panel/CustomChart.h"

#include "chart/canvas/ChartCanvas.h"

void TCustomChart::DrawTitles(bool customPositioned) {
    const std::pair<TChartTitle*, const char*> titles[] = {
        {&title_, "title"}, {&subTitle_, "subtitle"}, {&foot_, "foot"}, {&subFoot_, "subfoot"}};
    for (const auto& [title, group] : titles) {
        if (title->CustomPosition() != customPositioned) continue;
        Canvas()->BeginGroup(group);
        title->Draw();
        Canvas()->EndGroup();
    }
}

void TCustomChart::DrawTitlesPass(bool beforeSeries) {
    if (Canvas()) {
        // titles are drawn flat
        Canvas()->SuspendRotation();
        // the legend beside the plot takes its room in the same pass as the titles
        const bool legendNow = legend_.ShouldDraw() && legend_.CustomPosition() != beforeSeries;
        if (!legendNow) {
            DrawTitles(!beforeSeries);
        } else if (!beforeSeries) {
            legend_.Draw();
            DrawTitles(true);
        } else if (legend_.IsVertical()) {
            legend_.Draw();
            DrawTitles(false);
        } else {
            DrawTitles(false);
            legend_.Draw();
        }
        Canvas()->ResumeRotation();
    }
    if (!beforeSeries) DrawFrontWalls();
}
