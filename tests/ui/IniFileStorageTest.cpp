#include "ui/core/IniFiles.h"

#include "platform/text/Utf8Text.h"
#include "tests/support/TempFolder.h"
#include "ui/core/Cp1251Text.h"
#include "ui/core/Exceptions.h"
#include "ui/core/ScopeGuards.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/resource.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::size_t EntriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

// Both classes, written the way each one writes: at once, or on UpdateFile.
struct IniKind {
    const char* name;
    std::function<void(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& value)>
        write;
    std::function<std::string(const std::string& file, const std::string& section, const std::string& key)> read;
};

const IniKind kKinds[] = {
    {"TIniFile",
     [](const std::string& file, const std::string& section, const std::string& key, const std::string& value) {
         TIniFile(file).WriteString(section, key, value);
     },
     [](const std::string& file, const std::string& section, const std::string& key) {
         return TIniFile(file).ReadString(section, key, "<none>");
     }},
    {"TMemIniFile",
     [](const std::string& file, const std::string& section, const std::string& key, const std::string& value) {
         TMemIniFile ini(file);
         ini.WriteString(section, key, value);
         ini.UpdateFile();
     },
     [](const std::string& file, const std::string& section, const std::string& key) {
         return TMemIniFile(file).ReadString(section, key, "<none>");
     }},
};

const std::string kGoodFile = "[Main]\r\nName=Old\r\nCount=3\r\n";

}  // namespace

// Windows-1251 bytes of these values happen to be valid UTF-8 ("РЁ" is D0 A8,
// which as UTF-8 is "Ш"); each must still read back as written.
TEST(IniFileStorage, EveryValueReadsBackAsItWasWritten) {
    const std::string values[] = {"РЁ", "ЕЁ", "Рё", "Р°С№", "Зимний скин", "plain", "日本 и Ё", "ЕЁ и Зимний"};
    for (const IniKind& kind : kKinds) {
        for (const std::string& value : values) {
            SCOPED_TRACE(std::string(kind.name) + " " + value);
            TempFolder folder;
            const std::string file = (folder.Path() / "settings.ini").string();
            kind.write(file, "Checked", "AvtiveSkin", value);
            kind.write(file, "Form", "Caption", "Велзар");
            EXPECT_EQ(kind.read(file, "Checked", "AvtiveSkin"), value);
            EXPECT_EQ(kind.read(file, "Form", "Caption"), "Велзар");
        }
    }
}

TEST(IniFileStorage, TextThatReadsBackFromWindows1251StaysWindows1251) {
    TempFolder folder;
    const std::string file = (folder.Path() / "settings.ini").string();
    TIniFile(file).WriteString("Checked", "AvtiveSkin", "Зимний скин");
    EXPECT_EQ(Bytes(file), "[Checked]\r\nAvtiveSkin=" + *Utf8ToCp1251("Зимний скин") + "\r\n");
    // Not so for text whose Windows-1251 bytes would read as other letters:
    // UTF-8 with its mark then.
    TIniFile(file).WriteString("Checked", "AvtiveSkin", "РЁ");
    EXPECT_EQ(Bytes(file), "\xEF\xBB\xBF[Checked]\r\nAvtiveSkin=РЁ\r\n");
}

TEST(IniFileStorage, ALineBreakInANameOrValueIsRefusedAndTheFileKept) {
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"Main", "Name", "one\n[Injected]\nkey=1"},
        {"Main", "Name", "one\rtwo"},
        {"Main", "Name", "one\r\ntwo"},
        {"Main", "Na\nme", "v"},
        {"Ma\r\nin", "Name", "v"},
    };
    for (const IniKind& kind : kKinds) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(kind.name) + " " + c.section + "/" + c.key + "=" + c.value);
            TempFolder folder;
            const std::string file = folder.Write("settings.ini", kGoodFile);
            try {
                kind.write(file, c.section, c.key, c.value);
                ADD_FAILURE() << "the line break was written";
            } catch (const EIniFileException& e) {
                EXPECT_NE(e.Message().find("перевод строки"), std::string::npos) << e.Message();
            }
            EXPECT_EQ(Bytes(file), kGoodFile);
        }
    }
    TempFolder folder;
    TMemIniFile memory((folder.Path() / "x.ini").string());
    EXPECT_THROW(memory.WriteString("Main", "Name", "a\nb"), EIniFileException);
    EXPECT_EQ(memory.ReadString("Main", "Name", "<none>"), "<none>");
}

TEST(IniFileStorage, ASymbolicLinkIsWrittenThroughToItsTarget) {
    for (const IniKind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        TempFolder folder;
        fs::create_directory(folder.Path() / "real");
        const fs::path target = folder.Write("real/settings.ini", kGoodFile);
        fs::create_symlink("real/settings.ini", folder.Path() / "middle.ini");
        fs::create_symlink(folder.Path() / "middle.ini", folder.Path() / "settings.ini");
        const std::string link = (folder.Path() / "settings.ini").string();

        kind.write(link, "Main", "Name", "New");
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder.Path() / "middle.ini")));
        EXPECT_EQ(Bytes(target), "[Main]\r\nName=New\r\nCount=3\r\n");
        EXPECT_EQ(EntriesIn(folder.Path()), 3u);
        EXPECT_EQ(EntriesIn(folder.Path() / "real"), 1u);

        // A link to a file not made yet makes that file.
        fs::create_symlink("real/later.ini", folder.Path() / "later.ini");
        kind.write((folder.Path() / "later.ini").string(), "Main", "Name", "First");
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder.Path() / "later.ini")));
        EXPECT_EQ(Bytes(folder.Path() / "real" / "later.ini"), "[Main]\r\nName=First\r\n");
    }
}

// A full disk midway through a write: the good file stays, no temporary is left.
TEST(IniFileStorage, AWriteCutShortByAFullDiskLeavesTheOldFileWhole) {
    constexpr rlim_t kRoomLeft = 1024;
    for (const IniKind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        TempFolder folder;
        const std::string file = folder.Write("settings.ini", kGoodFile);
        {
            rlimit saved{};
            ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
            auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
            ScopeExit restore([&] {
                ::setrlimit(RLIMIT_FSIZE, &saved);
                std::signal(SIGXFSZ, savedSignal);
            });
            rlimit small = saved;
            small.rlim_cur = kRoomLeft;
            ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
            EXPECT_THROW(kind.write(file, "Main", "Long", std::string(4 * kRoomLeft, 'x')), EIniFileException);
        }
        EXPECT_EQ(Bytes(file), kGoodFile);
        EXPECT_EQ(EntriesIn(folder.Path()), 1u);
    }
}

// A settings file the program may write but not read (as a user without the
// right to read it) must not lose the keys it could not read.
TEST(IniFileStorageDeathTest, AFileThatCannotBeReadIsNeverWrittenOver) {
    constexpr uid_t kNobody = 65534;
    TempFolder folder;
    fs::permissions(folder.Path(), fs::perms::all);
    const std::string file = folder.Write("settings.ini", kGoodFile);
    fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write);
    for (const IniKind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        EXPECT_EXIT(
            {
                if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) std::_Exit(2);
                if (std::ifstream(file).is_open()) std::_Exit(3);  // still readable: the case is not set up
                try {
                    kind.write(file, "Main", "Name", "New");
                } catch (const EIniFileException& e) {
                    std::_Exit(e.Message() == "Unable to write to " + file ? 0 : 4);
                }
                std::_Exit(1);
            },
            testing::ExitedWithCode(0), "");
        EXPECT_EQ(Bytes(file), kGoodFile);
        EXPECT_EQ(EntriesIn(folder.Path()), 1u);
    }
}
