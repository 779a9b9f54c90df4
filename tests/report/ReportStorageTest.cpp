#include "report/objects/MemoView.h"
#include "report/objects/Page.h"
#include "report/objects/Report.h"
#include "report/objects/ReportClasses.h"
#include "report/text/Utf16Text.h"
#include "tests/support/TempFolder.h"
#include "ui/core/Exceptions.h"
#include "ui/core/IniFiles.h"
#include "ui/core/MemoryStream.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string Saved(TrpReport& report) {
    TMemoryStream stream;
    report.SaveToStream(stream);
    return std::string(stream.Bytes());
}

std::string FileText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// A silent report with a page, a memo and its own script.
void Fill(TrpReport& report) {
    RegisterReportClasses();
    report.EngineOptions().SetSilentMode(true);
    auto* page = new TrpReportPage(&report);
    page->SetName("Page1");
    auto* memo = new TrpMemoView(page);
    memo->SetName("Memo1");
    memo->SetBounds(10, 20.5, 150, 18);
    memo->Memo()->SetText(u"Высота: [Apogee]");
    report.ScriptText()->SetText("begin\r\n  Set('Apogee', 1200)\r\nend.");
    report.SetScriptLanguage("PascalScript");
}

TEST(ReportStorageTest, FileRoundTripKeepsTheTemplate) {
    TempFolder folder;
    const std::string path = (folder.Path() / "template.xml").string();
    TrpReport report(nullptr);
    Fill(report);
    report.EnsureDataPage();
    report.SaveToFile(path);
    const std::string written = FileText(path);
    EXPECT_EQ(written, Saved(report));

    TrpReport loaded(nullptr);
    loaded.EngineOptions().SetSilentMode(true);
    ASSERT_TRUE(loaded.LoadFromFile(path));
    EXPECT_EQ(loaded.Errors().Count(), 0) << loaded.Errors().Text();
    EXPECT_EQ(loaded.FileName(), path);
    EXPECT_EQ(loaded.ScriptText()->Text(), report.ScriptText()->Text());
    auto* memo = dynamic_cast<TrpMemoView*>(loaded.FindObject("Memo1"));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(Utf16ToUtf8(memo->Memo()->Text()), "Высота: [Apogee]\r\n");
    EXPECT_DOUBLE_EQ(memo->Top(), 20.5);
    EXPECT_EQ(Saved(loaded), written);
}

TEST(ReportStorageTest, MissingFilesAreToldApart) {
    TempFolder folder;
    const std::string path = (folder.Path() / "absent.xml").string();
    TrpReport report(nullptr);
    Fill(report);
    EXPECT_FALSE(report.LoadFromFile(path));
    EXPECT_EQ(report.FindObject("Memo1"), nullptr);  // the report was emptied
    EXPECT_EQ(report.FileName(), "");
    try {
        report.LoadFromFile(path, true);
        FAIL() << "no exception";
    } catch (const EFOpenError& e) {
        EXPECT_NE(e.Message().find("absent.xml"), std::string::npos) << e.Message();
    }
}

TEST(ReportStorageTest, DamagedTemplatesGiveClearErrors) {
    struct Case {
        const char* what;
        std::string text;
        const char* error;
    };
    const std::string head = "<?xml version=\"1.0\"?><TrpReport><TrpReportPage Name=\"P\">";
    const Case cases[] = {
        {"cut in a tag", head + "<TrpMemoView Name=\"M\" Left=\"1", "Invalid file format (byte "},
        {"no header", "<TrpReport/>", "Invalid file format (byte "},
        {"unknown class", head + "<TFooView Name=\"X\"/></TrpReportPage></TrpReport>", "Cannot find class TFooView"},
        {"empty", "", "Invalid file format (byte "},
    };
    RegisterReportClasses();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const fs::path path = folder.Path() / "damaged.xml";
        std::ofstream(path, std::ios::binary) << c.text;
        TrpReport report(nullptr);
        report.EngineOptions().NewSilentMode = TrpSilentMode::simReThrow;
        try {
            report.LoadFromFile(path.string());
            FAIL() << "no exception";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message().rfind(std::string("The following error(s) have occured:\r\n") + c.error, 0), 0u)
                << e.Message();
        }
        // Whatever happened, the template has its data page and the host's settings.
        EXPECT_NE(report.FindObject("Data"), nullptr);
        EXPECT_EQ(report.EngineOptions().NewSilentMode, TrpSilentMode::simReThrow);
    }
}

TEST(ReportStorageTest, AFailedSaveLeavesNoFileBehind) {
    TempFolder folder;
    TrpReport report(nullptr);
    Fill(report);
    EXPECT_THROW(report.SaveToFile((folder.Path() / "no-such-folder" / "t.xml").string()), EFCreateError);
    // A target that cannot be replaced: a folder with something in it.
    const fs::path target = folder.Path() / "busy";
    fs::create_directories(target / "inside");
    EXPECT_THROW(report.SaveToFile(target.string()), EFCreateError);
    EXPECT_TRUE(fs::is_directory(target / "inside"));
    int files = 0;
    for (const auto& entry : fs::directory_iterator(folder.Path())) files += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 0);
}

TEST(ReportStorageTest, SavingOverAFileReplacesItWhole) {
    TempFolder folder;
    const fs::path path = folder.Path() / "template.xml";
    std::ofstream(path, std::ios::binary) << std::string(100000, 'x');
    TrpReport report(nullptr);
    Fill(report);
    report.SaveToFile(path.string());
    EXPECT_EQ(FileText(path), Saved(report));
}

TEST(ReportStorageTest, LoadingKeepsTheHostsSettings) {
    RegisterReportClasses();
    TrpReport source(nullptr);
    source.SetIniFile("\\Software\\Other");
    source.SetShowProgress(false);
    source.EngineOptions().DoublePass = true;
    source.EngineOptions().MaxMemSize = 99;
    source.EngineOptions().ConvertNulls = false;
    const std::string text = Saved(source);

    TrpReport host(nullptr);
    host.EngineOptions().SetSilentMode(true);
    host.EngineOptions().TempDir = "/var/tmp";
    TStringStream in(text);
    host.LoadFromStream(in);
    EXPECT_EQ(host.IniFile(), TrpReport::kDefaultIniFile);
    EXPECT_TRUE(host.ShowProgress());
    EXPECT_EQ(host.EngineOptions().MaxMemSize, TrpEngineOptions::kDefaultMaxMemSize);
    EXPECT_EQ(host.EngineOptions().TempDir, "/var/tmp");
    EXPECT_TRUE(host.EngineOptions().SilentMode());
    // These three come from the template.
    EXPECT_TRUE(host.EngineOptions().DoublePass);
    EXPECT_FALSE(host.EngineOptions().ConvertNulls);
}

TEST(ReportStorageTest, VersionIsAlwaysTheLibrarys) {
    RegisterReportClasses();
    TrpReport report(nullptr);
    report.EngineOptions().SetSilentMode(true);
    TStringStream in("<?xml version=\"1.0\"?><TrpReport Version=\"9.9\"/>");
    report.LoadFromStream(in);
    EXPECT_EQ(report.Errors().Count(), 0) << report.Errors().Text();
    EXPECT_EQ(report.Version(), "1.0.0");
}

TEST(ReportStorageTest, EveryTemplateGetsADataPageFirst) {
    RegisterReportClasses();
    TrpReport plain(nullptr);
    new TrpReportPage(&plain);
    plain.EnsureDataPage();
    ASSERT_EQ(plain.Objects().size(), 2u);
    EXPECT_NE(dynamic_cast<TrpDataPage*>(plain.Objects()[0]), nullptr);
    EXPECT_EQ(plain.Objects()[0]->Name(), "Data");
    plain.EnsureDataPage();
    EXPECT_EQ(plain.Objects().size(), 2u);

    TrpReport named(nullptr);
    auto* page = new TrpReportPage(&named);
    page->SetName("Data");
    named.EnsureDataPage();
    ASSERT_EQ(named.Objects().size(), 2u);
    EXPECT_NE(dynamic_cast<TrpDataPage*>(named.Objects()[0]), nullptr);
    EXPECT_NE(named.Objects()[0]->Name(), "Data");
    EXPECT_FALSE(named.Objects()[0]->Name().empty());
}

TEST(ReportStorageTest, PasswordsAreScrambledByTen) {
    EXPECT_EQ(ScramblePassword("abc"), "WXY");
    EXPECT_EQ(UnscramblePassword("WXY"), "abc");
    EXPECT_EQ(ScramblePassword(""), "");
    const std::string low("\x00\x05\x09", 3);
    const std::string wrapped = ScramblePassword(low);
    EXPECT_EQ(wrapped, std::string("\xF6\xFB\xFF", 3));
    EXPECT_EQ(UnscramblePassword(wrapped), low);
}

TEST(ReportStorageTest, SettingsStoreIsAnIniFileInTheUsersConfigFolder) {
    TempFolder folder;
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_CONFIG_HOME", folder.Path().c_str(), 1);
    TrpReport report(nullptr);
    {
        auto store = report.SettingsStore();
        store->WriteString("Form", "Units", "mm");
        store->UpdateFile();
    }
    if (old) setenv("XDG_CONFIG_HOME", saved.c_str(), 1); else unsetenv("XDG_CONFIG_HOME");
    const fs::path file = folder.Path() / "velzar" / "Deda Vozodiv.ini";
    ASSERT_TRUE(fs::exists(file));
    EXPECT_NE(FileText(file).find("Units=mm"), std::string::npos);
}

}  // namespace
