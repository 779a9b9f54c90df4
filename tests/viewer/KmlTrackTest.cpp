#include "tests/support/TempFolder.h"
#include "tests/viewer/StreamLogTestData.h"
#include "tools/loggen/SampleStreamFlight.h"
#include "viewer/export/KmlTrack.h"

#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

FlightRecord At(std::int32_t latitude, std::int32_t longitude) {
    FlightRecord record{};
    record[FlightField::Latitude] = latitude;
    record[FlightField::Longitude] = longitude;
    return record;
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "the text ends with a whole line";
    return lines;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The element children of a node, by name.
std::vector<xmlNode*> Children(xmlNode* node, const char* name = nullptr) {
    std::vector<xmlNode*> found;
    for (xmlNode* child = node->children; child; child = child->next)
        if (child->type == XML_ELEMENT_NODE && (!name || xmlStrcmp(child->name, BAD_CAST name) == 0))
            found.push_back(child);
    return found;
}

std::string TextOf(xmlNode* node) {
    xmlChar* content = xmlNodeGetContent(node);
    std::string text = content ? reinterpret_cast<const char*>(content) : "";
    xmlFree(content);
    return text;
}

xmlNode* Only(xmlNode* node, const char* name) {
    auto found = Children(node, name);
    EXPECT_EQ(found.size(), 1u) << name;
    return found.empty() ? nullptr : found[0];
}

struct XmlDocument {
    explicit XmlDocument(const std::string& text)
        : doc(xmlReadMemory(text.data(), static_cast<int>(text.size()), "track.kml", nullptr, XML_PARSE_NONET)) {}
    ~XmlDocument() { xmlFreeDoc(doc); }
    xmlDoc* doc;
};

const std::vector<std::string> kFixedHead = {
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
const std::vector<std::string> kFixedTail = {
    "        </coordinates>", "      </LineString>", "    </Placemark>", "  </Document>", "</kml>",
};

}  // namespace

TEST(KmlTrack, DegreesWithFiveDecimalsAndAPoint) {
    const std::pair<std::int32_t, const char*> cases[] = {
        {3712345, "37.12345"},    {13012345, "130.12345"}, {812345, "8.12345"},
        {5, "0.00005"},           {-812345, "-8.12345"},   {-5, "-0.00005"},
        {-18000000, "-180.00000"}, {2147483647, "21474.83647"}, {-2147483647 - 1, "-21474.83648"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(KmlDegreesText(value), text) << value;
}

TEST(KmlTrack, OnlyRecordsWithoutAFixAreLeftOut) {
    const std::pair<FlightRecord, bool> cases[] = {
        {At(5512345, 3712345), true},
        {At(-3386000, 15120000), true},   // southern hemisphere
        {At(5150000, -12000), true},      // west of the prime meridian
        {At(-2290000, -4320000), true},   // both
        {At(0, 3712345), false},          // no fix yet
        {At(5512345, 0), false},
        {At(0, 0), false},
        {At(9000001, 3712345), false},    // beyond the globe: noise, not a fix
        {At(5512345, -18000001), false},
        {At(-9000000, 18000000), true},
    };
    for (const auto& [record, fix] : cases)
        EXPECT_EQ(HasGpsFix(record), fix) << record[FlightField::Latitude] << "," << record[FlightField::Longitude];
}

TEST(KmlTrack, WithoutFixesOnlyTheFixedLines) {
    std::vector<FlightRecord> records(3, At(0, 0));
    std::vector<std::string> expected = kFixedHead;
    expected.insert(expected.end(), kFixedTail.begin(), kFixedTail.end());
    EXPECT_EQ(LinesOf(KmlTrackText(records)), expected);
    EXPECT_EQ(LinesOf(KmlTrackText({})), expected);
}

TEST(KmlTrack, ACoordinateLineIsLongitudeLatitudeAndTwo) {
    const std::vector<FlightRecord> records = {At(5512345, 3712345), At(0, 100), At(-3386000, -7012345)};
    const std::vector<std::string> lines = LinesOf(KmlTrackText(records));
    ASSERT_EQ(lines.size(), kFixedHead.size() + 2 + kFixedTail.size());
    EXPECT_EQ(lines[kFixedHead.size()], "         37.12345,55.12345,2");
    EXPECT_EQ(lines[kFixedHead.size() + 1], "         -70.12345,-33.86000,2");
}

TEST(KmlTrack, GeneratedStreamLogGivesAValidTrackOfItsFixes) {
    const SampleStreamFlight flight = MakeSampleStreamFlight();
    StreamDecoding decoding;
    decoding.Decode(flight.Log.Bytes());
    const std::string text = KmlTrackText(decoding.tables->StoredRecords());
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1) << "lines end in CR LF";

    XmlDocument xml(text);
    ASSERT_NE(xml.doc, nullptr) << "the file parses as XML";
    xmlNode* kml = xmlDocGetRootElement(xml.doc);
    ASSERT_NE(kml, nullptr);
    EXPECT_STREQ(reinterpret_cast<const char*>(kml->name), "kml");
    ASSERT_NE(kml->ns, nullptr);
    EXPECT_STREQ(reinterpret_cast<const char*>(kml->ns->href), "http://www.opengis.net/kml/2.2");
    EXPECT_STREQ(reinterpret_cast<const char*>(xml.doc->encoding), "UTF-8");

    xmlNode* document = Only(kml, "Document");
    ASSERT_NE(document, nullptr);
    std::vector<std::string> names;
    for (xmlNode* child : Children(document)) names.push_back(reinterpret_cast<const char*>(child->name));
    EXPECT_EQ(names, (std::vector<std::string>{"name", "description", "Style", "Placemark"}));
    EXPECT_EQ(TextOf(Only(document, "name")), "Paths");

    xmlNode* style = Only(document, "Style");
    xmlChar* id = xmlGetProp(style, BAD_CAST "id");
    EXPECT_STREQ(reinterpret_cast<const char*>(id), "yellowLineGreenPoly");
    xmlFree(id);
    xmlNode* lineStyle = Only(style, "LineStyle");
    EXPECT_EQ(TextOf(Only(lineStyle, "color")), "7FFF901E");
    EXPECT_EQ(TextOf(Only(lineStyle, "width")), "2");
    EXPECT_EQ(TextOf(Only(Only(style, "PolyStyle"), "color")), "7f00ff00");

    xmlNode* placemark = Only(document, "Placemark");
    EXPECT_EQ(TextOf(Only(placemark, "name")), "Absolute Extruded");
    EXPECT_EQ(TextOf(Only(placemark, "description")), "Transparent green wall with yellow outlines");
    EXPECT_EQ(TextOf(Only(placemark, "styleUrl")), "#yellowLineGreenPoly");
    xmlNode* line = Only(placemark, "LineString");
    EXPECT_EQ(TextOf(Only(line, "extrude")), "1");
    EXPECT_EQ(TextOf(Only(line, "tessellate")), "1");
    EXPECT_EQ(TextOf(Only(line, "altitudeMode")), "relativeToGround");

    // Every fix of the flight, in order, as the generator placed it.
    std::istringstream coordinates(TextOf(Only(line, "coordinates")));
    std::vector<std::string> tuples;
    for (std::string tuple; coordinates >> tuple;) tuples.push_back(tuple);
    ASSERT_EQ(tuples.size(), flight.Fixes.size());
    for (std::size_t i = 0; i < tuples.size(); ++i)
        EXPECT_EQ(tuples[i], KmlDegreesText(flight.Fixes[i].Longitude) + "," +
                                 KmlDegreesText(flight.Fixes[i].Latitude) + ",2");
    EXPECT_EQ(tuples.front(), "37.61789,55.75123,2");
}

TEST(KmlTrack, SavedFileHoldsTheTextAndNothingElseIsLeft) {
    TempFolder folder;
    const std::vector<FlightRecord> records = {At(5512345, 3712345)};
    const std::string name = (folder.Path() / "track.kml").string();
    folder.Write("track.kml", "an older track");
    EXPECT_EQ(SaveKmlTrack(name, records), std::nullopt);
    EXPECT_EQ(ReadFile(name), KmlTrackText(records));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(KmlTrack, AFileThatCannotBeWrittenGivesAMessageAndNoHalfFile) {
    TempFolder folder;
    const std::vector<FlightRecord> records = {At(5512345, 3712345)};
    std::filesystem::create_directory(folder.Path() / "folder.kml");
    std::filesystem::create_directory(folder.Path() / "locked");
    folder.Write("locked/track.kml", "kept");
    ::chmod((folder.Path() / "locked").c_str(), 0500);
    const bool rightsHold = ::access((folder.Path() / "locked").c_str(), W_OK) != 0;  // not as root
    struct Case {
        std::filesystem::path name;
        bool skip;
    };
    for (const Case& c : {Case{folder.Path() / "missing" / "track.kml", false}, Case{folder.Path() / "folder.kml", false},
                          Case{folder.Path() / "locked" / "track.kml", !rightsHold}}) {
        if (c.skip) continue;
        const std::optional<std::string> failure = SaveKmlTrack(c.name.string(), records);
        ASSERT_TRUE(failure.has_value()) << c.name;
        EXPECT_EQ(failure->rfind("Не удалось сохранить GPS трек в файл " + c.name.string() + ": ", 0), 0u) << *failure;
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "folder.kml"));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "folder.kml.part"));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "missing"));
    EXPECT_EQ(ReadFile(folder.Path() / "locked" / "track.kml"), "kept");
    ::chmod((folder.Path() / "locked").c_str(), 0700);
}
