// Units named in a uses clause: where their source comes from, the order
// and once-only rule of inclusion, and errors inside them.
#include "ILOutline.h"

#include "tests/support/TempFolder.h"
#include "ui/core/Exceptions.h"

#include <gtest/gtest.h>

#include <map>

namespace {

struct UnitScript {
    TscCompileTarget script;
    std::map<std::string, std::string> units;
    std::vector<std::string> asked;

    UnitScript() {
        script.OnGetUnit = [this](const std::string& name, std::string& text) {
            asked.push_back(name);
            auto unit = units.find(name);
            if (unit != units.end()) text = unit->second;
        };
    }
};

std::string UsedUnits(const TscXMLItem& program) {
    std::string names;
    for (int i = 0; i < program.Count(); ++i)
        if (program.Items(i)->Name() == "uses") names += program.Items(i)->Prop("unit") + ";";
    return names;
}

}  // namespace

TEST(ScriptUnits, UnitsComeInLastNameFirstWithTheirWholeForm) {
    UnitScript u;
    u.units["a.pas"] = "var x: integer; begin end.";
    u.units["b.pas"] = "procedure P; begin end; begin end.";
    const ParseOutcome outcome = ParsePascal("uses 'a.pas', 'b.pas'; begin P end.", &u.script);
    ASSERT_TRUE(outcome.ok) << outcome.message;
    EXPECT_EQ(outcome.outline,
              "uses(program(procedure(name:P compoundstmt) compoundstmt types)) "
              "uses(program(var(ident:x type:integer) compoundstmt types)) "
              "compoundstmt(callstmt(dsgn(node:P)))");
    EXPECT_EQ(u.asked, (std::vector<std::string>{"b.pas", "a.pas"}));
}

TEST(ScriptUnits, EachUnitIsIncludedOnceHoweverOftenNamed) {
    UnitScript u;
    u.units["a.pas"] = "uses 'b.pas', 'A.PAS'; begin end.";
    u.units["b.pas"] = "uses 'a.pas'; begin end.";  // a cycle
    RegisterScriptGrammars();
    TscILParser parser(u.script);
    parser.SelectLanguage("PascalScript");
    ASSERT_TRUE(parser.ParseSource("uses 'a.pas', 'b.pas', 'a.pas'; begin end.")) << u.script.ErrorMessage;
    EXPECT_EQ(u.asked, (std::vector<std::string>{"a.pas", "b.pas"}));
    EXPECT_EQ(UsedUnits(*parser.ILDocument().Root()), "a.pas;");
    EXPECT_EQ(parser.UsesList(), (std::vector<std::string>{"a.pas", "b.pas"}));
}

TEST(ScriptUnits, AnErrorInAUnitIsTheScriptsWithTheUnitsName) {
    UnitScript u;
    u.units["outer.pas"] = "uses 'inner.pas'; begin end.";
    u.units["inner.pas"] = "begin\r\n  x := 1\r\n  y := 2\r\nend.";
    const ParseOutcome outcome = ParsePascal("uses 'outer.pas'; begin end.", &u.script);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, "';' expected");
    EXPECT_EQ(outcome.position, "3:3");
    EXPECT_EQ(u.script.ErrorUnit, "inner.pas");
}

TEST(ScriptUnits, AUnitMayNameItsLanguageButOnlyARegisteredOne) {
    UnitScript u;
    u.units["p.pas"] = "#language PascalScript\r\nconst C = 2; begin end.";
    u.units["q.pas"] = "#language Nowhere\r\nbegin end.";
    EXPECT_EQ(ParsePascal("uses 'p.pas'; begin end.", &u.script).outline,
              "uses(program(const(ident:C expr(number:2)) compoundstmt types)) compoundstmt");
    EXPECT_THROW(ParsePascal("uses 'q.pas'; begin end.", &u.script), Exception);
}

TEST(ScriptUnits, AnEmptyUnitLeavesAnEmptyPlace) {
    UnitScript u;
    const ParseOutcome outcome = ParsePascal("uses 'none.pas'; begin end.", &u.script);
    ASSERT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.outline, "uses compoundstmt");
}

TEST(ScriptUnits, FilesAreFoundAlongTheIncludePath) {
    TempFolder first, second;
    second.Write("lib.pas", "const K = 1; begin end.");
    first.Write("other.pas", "begin end.");
    TscCompileTarget script;
    script.IncludePath = {first.Path().string(), second.Path().string() + "/"};
    const ParseOutcome outcome = ParsePascal("uses 'lib.pas'; begin end.", &script);
    ASSERT_TRUE(outcome.ok) << outcome.message;
    EXPECT_EQ(outcome.outline, "uses(program(const(ident:K expr(number:1)) compoundstmt types)) compoundstmt");
}

TEST(ScriptUnits, AMissingOrUnreadableUnitFileSaysWhichAndWhy) {
    TempFolder folder;
    TscCompileTarget script;
    script.IncludePath = {folder.Path().string()};
    std::filesystem::create_directory(folder.Path() / "dir.pas");
    for (const char* name : {"missing.pas", "dir.pas"}) {
        try {
            ParsePascal("uses '" + std::string(name) + "'; begin end.", &script);
            ADD_FAILURE() << name << ": no exception";
        } catch (const EFOpenError& e) {
            EXPECT_NE(e.Message().find("Не удалось прочитать файл"), std::string::npos) << e.Message();
            EXPECT_NE(e.Message().find((folder.Path() / name).string()), std::string::npos) << e.Message();
        }
    }
}

TEST(ScriptUnits, NestingThroughUnitsIsBoundedToo) {
    // A chain of units each naming the next: the walk's depth runs on across them.
    UnitScript u;
    for (int i = 0; i < 2000; ++i)
        u.units["u" + std::to_string(i)] = "uses 'u" + std::to_string(i + 1) + "'; begin end.";
    const ParseOutcome outcome = ParsePascal("uses 'u0'; begin end.", &u.script);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, kNestingTooDeep);
    EXPECT_FALSE(u.script.ErrorUnit.empty());

    UnitScript ten;
    for (int i = 0; i < 10; ++i)
        ten.units["u" + std::to_string(i)] = i == 9 ? "begin end." : "uses 'u" + std::to_string(i + 1) + "'; begin end.";
    const ParseOutcome chain = ParsePascal("uses 'u0'; begin end.", &ten.script);
    EXPECT_TRUE(chain.ok) << chain.message;
    EXPECT_EQ(ten.asked.size(), 10u);
}
