#include "ui/core/IniFiles.h"

#include "platform/text/Utf8Text.h"
#include "tests/support/TempFolder.h"
#include "ui/core/Cp1251Text.h"
#include "ui/core/Exceptions.h"
#include "ui/core/StringList.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string Bytes(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

}  // namespace

TEST(IniFile, CyrillicRoundTripsThroughWindows1251OnDisk) {
    TempFolder folder;
    std::string name = (folder.Path() / "settings.ini").string();
    {
        TIniFile ini(name);
        ini.WriteString("Checked", "AvtiveSkin", "Зимний скин");
        ini.WriteInteger("Form", "frmTop", -12);
        ini.WriteBool("Checked", "chAccX", true);
        ini.WriteFloat("Other", "maxPrir", 2.5);
    }
    std::string bytes = Bytes(name);
    EXPECT_EQ(bytes, std::string("[Checked]\r\nAvtiveSkin=") + *Utf8ToCp1251("Зимний скин") +
                         "\r\nchAccX=1\r\n[Form]\r\nfrmTop=-12\r\n[Other]\r\nmaxPrir=2,5\r\n");
    EXPECT_FALSE(platform::IsValidUtf8(bytes));
    TIniFile ini(name);
    EXPECT_EQ(ini.ReadString("CHECKED", "avtiveskin", ""), "Зимний скин");
    EXPECT_EQ(ini.ReadInteger("form", "FRMTOP", 0), -12);
    EXPECT_TRUE(ini.ReadBool("Checked", "chAccX", false));
    EXPECT_EQ(ini.ReadFloat("Other", "maxPrir", 0), 2.5);
}

TEST(IniFile, ReadsUtf8FilesAndGivesDefaultsForWhatIsMissingOrMalformed) {
    TempFolder folder;
    std::string name = folder.Write("a.ini",
                                    "\xEF\xBB\xBF; comment\n[Main]\nTitle = \"Велзар\" \nCount=abc\nHex=$1F\n"
                                    "Flag=2\nRatio=0.75\nDup=first\nDup=second\n");
    TIniFile ini(name);
    EXPECT_EQ(ini.ReadString("Main", "Title", ""), "Велзар");  // blanks and quotes go
    const struct {
        const char* key;
        std::int32_t value;
    } integers[] = {{"Count", 7}, {"Hex", 31}, {"Missing", 7}, {"Flag", 2}};
    for (const auto& c : integers) EXPECT_EQ(ini.ReadInteger("Main", c.key, 7), c.value) << c.key;
    EXPECT_TRUE(ini.ReadBool("Main", "Flag", false));
    EXPECT_TRUE(ini.ReadBool("Main", "Count", true));  // not a number: the default
    EXPECT_FALSE(ini.ReadBool("Nowhere", "Flag", false));
    EXPECT_EQ(ini.ReadFloat("Main", "Ratio", 0), 0.75);
    EXPECT_EQ(ini.ReadFloat("Main", "Title", -1), -1);
    EXPECT_EQ(ini.ReadString("Main", "Dup", ""), "first");
    EXPECT_TRUE(ini.SectionExists("main"));
    EXPECT_TRUE(ini.ValueExists("Main", "hex"));
    EXPECT_FALSE(ini.ValueExists("Main", "comment"));
    TStringList keys;
    ini.ReadSection("Main", keys);
    EXPECT_EQ(keys.CommaText(), "Title,Count,Hex,Flag,Ratio,Dup,Dup");
}

TEST(IniFile, WritesReplaceInPlaceAndKeepEverythingElse) {
    TempFolder folder;
    std::string name = folder.Write("p.cfg", "; keep me\r\n[RecordType]\r\nRecordType=13\r\n\r\n[ParamsEasy]\r\n"
                                             "parShSAcc=20\r\nparOther=5\r\n\r\n[Extra]\r\nx=1\r\n");
    TIniFile ini(name);
    ini.WriteInteger("paramseasy", "PARSHSACC", 30);
    ini.WriteInteger("ParamsEasy", "parNew", 1);
    ini.WriteString("New", "k", "v");
    EXPECT_EQ(Bytes(name), "; keep me\r\n[RecordType]\r\nRecordType=13\r\n\r\n[ParamsEasy]\r\nPARSHSACC=30\r\n"
                           "parOther=5\r\nparNew=1\r\n\r\n[Extra]\r\nx=1\r\n[New]\r\nk=v\r\n");
    ini.DeleteKey("ParamsEasy", "parOther");
    ini.EraseSection("Extra");
    TStringList sections;
    ini.ReadSections(sections);
    EXPECT_EQ(sections.CommaText(), "RecordType,ParamsEasy,New");
}

TEST(IniFile, AFailedWriteRaisesAndLeavesTheOldFileWhole) {
    TempFolder folder;
    std::string missing = (folder.Path() / "no-such-folder" / "settings.ini").string();
    TIniFile nowhere(missing);
    try {
        nowhere.WriteBool("Checked", "chAll", true);
        FAIL() << "wrote into a missing folder";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message(), "Unable to write to " + missing);
    }
    // A file name that is a folder cannot be replaced either.
    std::filesystem::create_directory(folder.Path() / "dir.ini");
    TIniFile folderIni((folder.Path() / "dir.ini").string());
    EXPECT_THROW(folderIni.WriteString("a", "b", "c"), EIniFileException);
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "dir.ini"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);  // no temporary left
}

TEST(MemIniFile, KeepsChangesUntilUpdateFileAndCanBeCaseSensitive) {
    TempFolder folder;
    std::string name = folder.Write("skin.ini", "[Main]\nName=Old\n");
    TMemIniFile ini(name);
    ini.WriteString("Main", "Name", "Новый");
    EXPECT_EQ(Bytes(name), "[Main]\nName=Old\n");
    ini.UpdateFile();
    EXPECT_EQ(TIniFile(name).ReadString("Main", "Name", ""), "Новый");

    TStringList lines;
    ini.GetStrings(lines);
    TMemIniFile other((folder.Path() / "other.ini").string());
    other.SetStrings(lines);
    EXPECT_EQ(other.ReadString("main", "name", ""), "Новый");
    other.SetCaseSensitive(true);
    EXPECT_EQ(other.ReadString("main", "name", "none"), "none");
    EXPECT_EQ(other.ReadString("Main", "Name", "none"), "Новый");
    other.Clear();
    EXPECT_FALSE(other.SectionExists("Main"));
}

TEST(IniFile, TextWindows1251CannotHoldStaysUtf8) {
    TempFolder folder;
    std::string name = (folder.Path() / "x.ini").string();
    TIniFile ini(name);
    ini.WriteString("S", "k", "日本 и Ё");
    EXPECT_TRUE(platform::IsValidUtf8(Bytes(name)));
    EXPECT_EQ(ini.ReadString("S", "k", ""), "日本 и Ё");
}
