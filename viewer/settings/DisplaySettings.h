#pragma once
// settings.ini: the main window's geometry, the colour, visibility and
// smoothing of each channel series, the filter switches, the accelerometer,
// the axis of each quantity group, the view options and the line widths.
// Integers and colours are written as decimal numbers, switches as "1" or
// "0", list choices as the item index; a missing key reads as its default.
// Each reader and writer uses a fresh INI file object and touches only its
// own keys.

#include <string>

class TForm1;
class TForm2;
class TForm9;
class TForm19;

// The start-up read: [Form], [Color], [Checked], [Filter], [Other],
// [CustomAxisAlt] into the main window, the chart settings and view options.
void ReadDisplaySettings(TForm1& main, TForm2& chart, TForm19& view, const std::string& file);
// The main save command: [Form] geometry, [Color], [Checked] series keys and
// the two hidden menu checks, [Filter], [Other], [CustomAxisAlt].
void WriteDisplaySettings(TForm1& main, TForm2& chart, const std::string& file);

// [GraphSize] into and from the line-width dialog (the spin edits keep 1..3).
void ReadLineWidthSettings(TForm9& widths, const std::string& file);
void WriteLineWidthSettings(TForm9& widths, const std::string& file);

// The three view keys of [Checked], written by the view options' OK.
void WriteViewSettings(TForm19& view, const std::string& file);

// [Form] SetSkin: 1 "Нет" ... 6 "Silver" for the first checked skin item.
void WriteSkinChoice(int choice, const std::string& file);
