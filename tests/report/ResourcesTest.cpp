#include "report/resources/Resources.h"
#include "report/xml/XmlDocument.h"
#include "ui/core/Exceptions.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/ResourceStream.h"

#include <gtest/gtest.h>

#include <map>
#include <zlib.h>

namespace {

TEST(ResourcesTest, BuiltInTableGivesTextsByNameAndNumber) {
    TrpResources& res = rpResourceManager();
    EXPECT_EQ(res.Count(), 178);
    EXPECT_EQ(res.CodePage(), 1252u);
    const std::pair<std::string, std::string> cases[] = {
        {"poDirect", "Direct (1-9)"},
        {"3", "All"},
        {"5000", "5000"},
        {"207", "Other"},
        {"clErrors", "The following error(s) have occured:"},
        {"clDSNotExist", "Dataset \"%s\" does not exist"},
        {"510", "Printer file (*.prn)|*.prn"},
        {"PODIRECT", "Direct (1-9)"},
    };
    for (const auto& [name, text] : cases) EXPECT_EQ(res.Get(name), text) << name;
    EXPECT_EQ(rpTextById(200), "Print");
}

TEST(ResourcesTest, RepeatedNamesReplaceTheirText) {
    TrpResources res;
    res.LoadFromString(
        "<?xml version=\"1.1\" encoding=\"utf-8\"?><Resources CodePage=\"1251\">"
        "<StrRes Name=\"a\" Text=\"first\"/><Other Name=\"b\" Text=\"x\"/>"
        "<StrRes Name=\"A\" Text=\"Второй &amp;amp; &#38;#60;\"/></Resources>");
    EXPECT_EQ(res.Count(), 1);
    EXPECT_EQ(res.Get("a"), "Второй & <");
    EXPECT_EQ(res.Get("b"), "b");
    EXPECT_EQ(res.CodePage(), 1251u);
}

TEST(ResourcesTest, ScriptMessagesAreRefreshedEvenForAnotherRoot) {
    TrpResources res;
    std::map<std::string, std::string> told;
    res.SetScriptMessageSink([&](std::string_view name, const std::string& text) { told[std::string(name)] = text; });
    res.LoadFromString("<?xml version=\"1.0\"?><Other><StrRes Name=\"SForError\" Text=\"x\"/></Other>");
    EXPECT_EQ(res.Count(), 0);
    EXPECT_EQ(told.size(), 17u);
    EXPECT_EQ(told["SForError"], "SForError");
}

TEST(ResourcesTest, DamagedTablesAreRefused) {
    TrpResources res;
    EXPECT_THROW(res.LoadFromString("<Resources/>"), TrpInvalidXMLException);
    EXPECT_THROW(res.LoadFromString("<?xml version=\"1.0\"?><Resources CodePage=\"x\"/>"), EConvertError);
}

TEST(ResourcesTest, HelpTargetsByFormClass) {
    TrpResources res;
    std::string plain = res.HelpTarget("TrpPrintForm");
    EXPECT_TRUE(plain.ends_with("/DAZedu.zer")) << plain;
    EXPECT_TRUE(res.HelpTarget("trpmemoeditorform").ends_with("DAZedu.zer::/Text_object.htm"));
}

TEST(ResourcesTest, UnknownResourceIsNotFound) {
    EXPECT_THROW(TResourceStream("ObjectButtons", RT_RCDATA), EResNotFound);
}

// The packer's form: a gzip member whose time field holds the zlib checksum.
std::string PackedLikeTheEngine(const std::string& data) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::string zlib(size, '\0');
    compress2(reinterpret_cast<Bytef*>(zlib.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
              static_cast<uLong>(data.size()), 9);
    zlib.resize(size);
    std::string deflate = zlib.substr(2, zlib.size() - 6);
    std::string adler = zlib.substr(zlib.size() - 4);
    std::string member = std::string("\x1F\x8B\x08\x08", 4) + adler + std::string("\x00\x0B", 2) + "1" + '\0';
    return member + deflate + std::string(8, '\0');
}

TEST(GunzipTest, UnpacksTheEnginesPackedForm) {
    std::string data(19254, '\xC0');
    data[100] = 'x';
    TStringStream source(PackedLikeTheEngine(data));
    TMemoryStream dest;
    EXPECT_EQ(rpGunzip(source, dest), "1");
    EXPECT_EQ(std::string(dest.Bytes()), data);
}

TEST(GunzipTest, DamagedMembersFailClearly) {
    std::string good = PackedLikeTheEngine(std::string(1000, 'a'));
    std::string badChecksum = good;
    badChecksum[4] ^= 1;
    const std::pair<const char*, std::string> cases[] = {
        {"not gzip", "PK\x03\x04 something"},
        {"cut header", std::string("\x1F\x8B\x08\x08\x01", 5)},
        {"cut name", std::string("\x1F\x8B\x08\x08\0\0\0\0\0\x0B" "abc", 13)},
        {"cut data", good.substr(0, good.size() / 2)},
        {"checksum", badChecksum},
    };
    for (const auto& [what, bytes] : cases) {
        TStringStream source(bytes);
        TMemoryStream dest;
        EXPECT_THROW(rpGunzip(source, dest), EReadError) << what;
    }
}

}  // namespace
