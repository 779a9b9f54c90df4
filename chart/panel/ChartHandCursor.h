#pragma once
// The chart engine's hand cursor: screen cursor 2020, drawn from the
// program's cursor art "CHART_CURSOR_HAND", for as long as the program runs.

#include "ui/forms/Screen.h"

#include <string_view>

inline constexpr TCursor crChartHand = 2020;

// Registers the cursor when made and removes it when gone; the program
// keeps one from start-up to exit.
class TChartHandCursor {
public:
    TChartHandCursor();
    ~TChartHandCursor();
    TChartHandCursor(const TChartHandCursor&) = delete;
    TChartHandCursor& operator=(const TChartHandCursor&) = delete;

private:
    platform::HCURSOR handle_ = nullptr;
};

// A cursor from art text: a line "hotspot <column> <row>", then rows of
// equal length where '.' lets the screen show, '#' is black and 'o' white.
// Null when the art cannot be read.
platform::HCURSOR CursorFromArt(std::string_view art);
