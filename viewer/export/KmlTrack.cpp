#include "viewer/export/KmlTrack.h"

#include "common/SystemText.h"
#include "common/TextFormatting.h"
#include "device/logs/DownloadFolder.h"

#include <cstdlib>
#include <filesystem>

namespace {

constexpr std::int64_t kUnitsPerDegree = 100000;
constexpr int kDecimals = 5;
constexpr std::int64_t kLatitudeLimit = 90 * kUnitsPerDegree;
constexpr std::int64_t kLongitudeLimit = 180 * kUnitsPerDegree;

constexpr const char* kHead[] = {
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
    "<kml xmlns=\"http://www.opengis.net/kml/2.2\">",
    "  <Document>",
    "    <name>Paths</name>",
    "    <description>Examples of paths. Note that the tessellate tag is by default",
    "      set to 0. If you want to create tessellated lines, they must be authored",
    "      (or edited) directly in KML.</description>",
    "    <Style id=\"yellowLineGreenPoly\">",
    "      <LineStyle>",
    "        <color>7FFF901E</color>",
    "        <width>2</width>",
    "      </LineStyle>",
    "      <PolyStyle>",
    "        <color>7f00ff00</color>",
    "      </PolyStyle>",
    "    </Style>",
    "    <Placemark>",
    "      <name>Absolute Extruded</name>",
    "      <description>Transparent green wall with yellow outlines</description>",
    "      <styleUrl>#yellowLineGreenPoly</styleUrl>",
    "      <LineString>",
    "        <extrude>1</extrude>",
    "        <tessellate>1</tessellate>",
    "        <altitudeMode>relativeToGround</altitudeMode>",
    "        <coordinates>",
};

constexpr const char* kTail[] = {
    "        </coordinates>",
    "      </LineString>",
    "    </Placemark>",
    "  </Document>",
    "</kml>",
};

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kCoordinateIndent = "         ";
// Every point of the track is drawn at this height above the ground.
constexpr const char* kPointAltitude = "2";

void AddLine(std::string& text, const std::string& line) {
    text += line;
    text += kLineEnd;
}

bool WithinLimit(std::int32_t value, std::int64_t limit) { return std::llabs(value) <= limit; }

}  // namespace

std::string KmlDegreesText(std::int32_t hundredThousandths) {
    const std::int64_t value = hundredThousandths;
    const std::uint64_t magnitude = static_cast<std::uint64_t>(value < 0 ? -value : value);
    return (value < 0 ? "-" : "") + std::to_string(magnitude / kUnitsPerDegree) + "." +
           IntToZeroPaddedText(magnitude % kUnitsPerDegree, kDecimals);
}

bool HasGpsFix(const FlightRecord& record) {
    const std::int32_t latitude = record[FlightField::Latitude];
    const std::int32_t longitude = record[FlightField::Longitude];
    return latitude != 0 && longitude != 0 && WithinLimit(latitude, kLatitudeLimit) &&
           WithinLimit(longitude, kLongitudeLimit);
}

std::string KmlTrackText(std::span<const FlightRecord> records) {
    std::string text;
    for (const char* line : kHead) AddLine(text, line);
    for (const FlightRecord& record : records) {
        if (!HasGpsFix(record)) continue;
        AddLine(text, kCoordinateIndent + KmlDegreesText(record[FlightField::Longitude]) + "," +
                          KmlDegreesText(record[FlightField::Latitude]) + "," + kPointAltitude);
    }
    for (const char* line : kTail) AddLine(text, line);
    return text;
}

std::optional<std::string> SaveKmlTrack(const std::string& fileName, std::span<const FlightRecord> records) {
    const std::filesystem::path path(fileName);
    const std::string folderPath = path.has_parent_path() ? path.parent_path().string() : ".";
    const std::string failure = "Не удалось сохранить GPS трек в файл " + fileName + ": ";
    TDownloadFolder folder(folderPath);
    if (!folder.IsOpen()) return failure + SysErrorText(folder.Error());
    TDownloadFile file(folder, path.filename().string());
    if (!file.IsOpen()) return failure + SysErrorText(file.Error());
    const std::string text = KmlTrackText(records);
    if (!file.Write(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()) || !file.Commit())
        return failure + SysErrorText(file.Error());
    return std::nullopt;
}
