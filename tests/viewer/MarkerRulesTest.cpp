// The rules of the measurement and event markers without a window: the
// grab tolerances, the time entry, and which ticks get event markers.

#include "viewer/eventmarkers/EventMarkerPlacement.h"
#include "viewer/markers/MarkerTimeEntry.h"
#include "viewer/markers/MarkerTolerances.h"

#include <gtest/gtest.h>

#include <vector>

TEST(MarkerTolerancesTest, AFractionOfEachAxisAndAFixedOneForAFlatAxis) {
    const struct {
        double bottomMin, bottomMax, leftMin, leftMax;
        double time, level;
    } cases[] = {
        {0, 3000, 0, 100, 10, 1},
        {-60, 3000, -50, 150, 10.2, 2},
        {500, 500, 0, 10, 0.002, 0.1},
        {0, 300, 7, 7, 1, 0.002},
    };
    for (const auto& c : cases) {
        const MarkerTolerances t = MarkerTolerancesOf(c.bottomMin, c.bottomMax, c.leftMin, c.leftMax);
        EXPECT_DOUBLE_EQ(t.Time, c.time) << c.bottomMin << ".." << c.bottomMax;
        EXPECT_DOUBLE_EQ(t.Level, c.level) << c.leftMin << ".." << c.leftMax;
    }
}

TEST(MarkerTolerancesTest, NearOnlyStrictlyWithinTheTolerance) {
    // A start marker at tick 500 on a time axis over [0, 3000]: tolerance 10.
    const double tolerance = MarkerTolerancesOf(0, 3000, 0, 1).Time;
    const struct {
        double cursor;
        bool near;
    } cases[] = {{490, false}, {491, true}, {500, true}, {509, true}, {510, false}, {-500, false}};
    for (const auto& c : cases) EXPECT_EQ(IsNearMarker(500, c.cursor, tolerance), c.near) << c.cursor;
}

TEST(MarkerTimeEntryTest, SecondsTensAboveFiveBecomeFive) {
    const struct {
        int caret;
        char32_t typed, entered;
    } cases[] = {
        {3, U'9', U'5'}, {3, U'6', U'5'}, {3, U'5', U'5'}, {3, U'0', U'0'},
        {4, U'9', U'9'}, {0, U'9', U'9'}, {6, U'7', U'7'}, {3, U'\b', U'\b'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LimitSecondsTens(c.caret, c.typed), c.entered) << c.caret << " " << static_cast<int>(c.typed);
}

TEST(MarkerTimeEntryTest, TypedTimesAndHalfTypedOnes) {
    const struct {
        const char* text;
        std::optional<std::int32_t> ticks;
    } cases[] = {
        {"00:00,00", 0},
        {"01:02,03", 6203},
        {"99:59,99", 599999},
        {"00:30,5 ", std::nullopt},
        {"0 :00,00", std::nullopt},
        {"01:  ,03", std::nullopt},
        {"01:02,0", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(TypedTimeTicks(c.text), c.ticks) << '"' << c.text << '"';
}

TEST(MarkerTimeEntryTest, TheLastTickIsTheAxisMaximumRoundedHalvesToEven) {
    EXPECT_EQ(LastMarkerTick(6000), 6000);
    EXPECT_EQ(LastMarkerTick(3059.5), 3060);
    EXPECT_EQ(LastMarkerTick(3060.5), 3060);
    EXPECT_EQ(LastMarkerTick(3061.49), 3061);
}

TEST(MarkerTimeEntryTest, TheRangeBalloonNamesTheAllowedRange) {
    EXPECT_EQ(TimeRangeBalloonText(6000),
              "Введено не допустимое значение времени\rдопутимое значение от 00:00,00 до 01:00,00");
}

TEST(EventMarkerPlacementTest, FirstTenChosenTicksInTickOrder) {
    const auto chosenOdd = [](EventCode code) { return code % 2 == 1; };
    const struct {
        const char* name;
        std::vector<EventCode> events;
        std::vector<std::int32_t> ticks;
    } cases[] = {
        {"nothing chosen happens", {0, 2, 4, 0}, {}},
        {"codes without a kind are skipped", {0, 23, -1, 25, 0, 5}, {5}},
        {"a kind marks every tick it fires at", {3, 0, 3, 3}, {0, 2, 3}},
        {"code 21 is a kind", {21, 22}, {0}},
        {"past the tenth no more", {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
    };
    for (const auto& c : cases) {
        std::vector<std::int32_t> ticks;
        for (const EventMarkerPlace& place : ChooseEventMarkerTicks(c.events, chosenOdd)) {
            EXPECT_EQ(place.Code, c.events[static_cast<std::size_t>(place.Tick)]) << c.name;
            ticks.push_back(place.Tick);
        }
        EXPECT_EQ(ticks, c.ticks) << c.name;
    }
}

TEST(EventMarkerPlacementTest, OnlyKindCodesAreAskedAbout) {
    std::vector<EventCode> asked;
    const std::vector<EventCode> events = {0, 22, 255, -3, 1, 21};
    ChooseEventMarkerTicks(events, [&asked](EventCode code) {
        asked.push_back(code);
        return false;
    });
    EXPECT_EQ(asked, (std::vector<EventCode>{1, 21}));
}
