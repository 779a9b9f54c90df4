#pragma once
// The flight's GPS track as a KML file: a fixed document around one line
// string of the fixes, "longitude,latitude,2" a line, in degrees with five
// decimals and a point as separator.

#include "viewer/log/FlightRecord.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// Degrees x 100,000 as decimal degrees: 3712345 is "37.12345", -812345 "-8.12345".
std::string KmlDegreesText(std::int32_t hundredThousandths);

// A record holds a fix when both coordinates are set and within the globe;
// the receiver leaves them at 0 until it has one.
bool HasGpsFix(const FlightRecord& record);

// The whole file, lines ending in CR LF; the records with a fix become the
// track's coordinates.
std::string KmlTrackText(std::span<const FlightRecord> records);

// Writes the text under fileName, which is replaced only once the whole
// text is on disk. Nothing on success, else what went wrong, in Russian.
std::optional<std::string> SaveKmlTrack(const std::string& fileName, std::span<const FlightRecord> records);
