// INI files read and written from a script: the file on disk afterwards,
// string lists as numbered keys, section values without names.
#include "script/component/Script.h"
#include "script/core/Declarations.h"
#include "script/members/MethodHelper.h"
#include "script/grammar/ScriptGrammars.h"
#include "ui/core/IniFiles.h"
#include "ui/core/StringList.h"
#include "ui/variant/VariantErrors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <memory>
#include <string>
#include <vector>

namespace {

class IniFilesBindingTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("velzar-ini-binding-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        RegisterScriptGrammars();
        script_.AddRTTI();
        script_.AddMethod("procedure Print(Value: Variant)",
                          [this](TObject*, const TClassInfo*, const std::string&, TscMethodHelper& method) {
                              output_ += VarToStr(method.GetParam(0)) + "\n";
                              return Variant(0);
                          });
        script_.AddVariable("IniPath", "String", Variant(Path()));
        // Lists typed as the binding's parameters, owned by the test.
        script_.AddMethod("function NewList: TStrings",
                          [this](TObject*, const TClassInfo*, const std::string&, TscMethodHelper&) {
                              lists_.push_back(std::make_unique<TStringList>());
                              return ObjectToVariant(lists_.back().get());
                          });
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Path() const { return (dir_ / "settings.ini").string(); }

    std::string FileText() const {
        std::ifstream in(Path(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::string Run(const std::string& source) {
        TStringList lines;
        lines.SetText(source);
        script_.SetLines(lines);
        if (!script_.Compile()) return "error: " + script_.ErrorMessage() + " at " + script_.ErrorPosition();
        script_.Execute();
        return output_;
    }

    std::filesystem::path dir_;
    TscScript script_{nullptr};
    std::string output_;
    std::vector<std::unique_ptr<TStringList>> lists_;
};

TEST_F(IniFilesBindingTest, ScriptWritesTheFileAndReadsItBack) {
    EXPECT_EQ(Run("var ini: TIniFile;\n"
                  "begin\n"
                  "  ini := TIniFile.Create(IniPath);\n"
                  "  ini.WriteString('Полёт', 'Имя', 'Первый');\n"
                  "  ini.WriteInteger('Полёт', 'Высота', 1250);\n"
                  "  ini.WriteBool('Полёт', 'Успех', True);\n"
                  "  ini.WriteFloat('Полёт', 'Время', 12.5);\n"
                  "  Print(ini.ReadString('Полёт', 'Имя', '?'));\n"
                  "  Print(ini.ReadInteger('Полёт', 'Высота', 0) + 1);\n"
                  "  Print(ini.ReadInteger('Полёт', 'Имя', -7));\n"
                  "  Print(ini.ReadBool('Полёт', 'Успех', False));\n"
                  "  Print(ini.ReadFloat('Полёт', 'Время', 0) * 2);\n"
                  "  Print(ini.ReadString('Нет', 'Имя', 'по умолчанию'));\n"
                  "  Print(ini.SectionExists('Полёт')); Print(ini.ValueExists('Полёт', 'Нет'));\n"
                  "  ini.DeleteKey('Полёт', 'Время'); Print(ini.ValueExists('Полёт', 'Время'));\n"
                  "  Print(ini.FileName = IniPath);\n"
                  "  ini.Free;\n"
                  "end."),
              "Первый\n1251\n-7\nTrue\n25\nпо умолчанию\nTrue\nFalse\nFalse\nTrue\n");
    // The script's writes are on disk where another reader finds them.
    TIniFile check(Path());
    EXPECT_EQ(check.ReadString("Полёт", "Имя", ""), "Первый");
    EXPECT_EQ(check.ReadInteger("Полёт", "Высота", 0), 1250);
    EXPECT_FALSE(check.ValueExists("Полёт", "Время"));
}

TEST_F(IniFilesBindingTest, StringListsAsNumberedKeys) {
    EXPECT_EQ(Run("var ini: TMemIniFile; a, b: TStrings;\n"
                  "begin\n"
                  "  ini := TMemIniFile.Create(IniPath); a := NewList; b := NewList;\n"
                  "  a.Add('x'); a.Add('y'); a.Add('z=1');\n"
                  "  ini.WriteTStrings('S', a);\n"
                  "  ini.ReadTStrings('S', b); Print(b.CommaText);\n"
                  "  ini.ReadSection('S', b); Print(b.CommaText);\n"
                  "  Print(ini.ReadInteger('S', 'Count', 0));\n"
                  "  b.Clear; b.Add('kept'); ini.ReadTStrings('S', b, False); Print(b.Count);\n"
                  "  a.Clear; a.Add('only'); ini.WriteTStrings('S', a); ini.ReadSection('S', b); Print(b.CommaText);\n"
                  "  ini.WriteString('V', 'a', '1'); ini.WriteString('V', 'b', '2');\n"
                  "  ini.ReadSectionValuesEx('V', b); Print(b.CommaText);\n"
                  "  ini.ReadSections(b); Print(b.CommaText);\n"
                  "  ini.GetStrings(a); ini.Clear; ini.ReadSections(b); Print(b.Count);\n"
                  "  ini.SetStrings(a); Print(ini.ReadString('V', 'b', '?'));\n"
                  "  ini.Free;\n"
                  "end."),
              "x,y,z=1\nItems0,Items1,Items2,Count\n3\n4\nItems0,Count\n1,2\nS,V\n0\n2\n");
    // A memory file keeps its writes to itself.
    EXPECT_FALSE(std::filesystem::exists(Path()));
}

TEST_F(IniFilesBindingTest, AbstractFileAndNilListAreScriptErrors) {
    EXPECT_EQ(Run("var ini: TCustomIniFile; mem: TMemIniFile;\n"
                  "begin\n"
                  "  try ini := TCustomIniFile.Create(IniPath) except Print(ExceptionMessage) end;\n"
                  "  mem := TMemIniFile.Create(IniPath);\n"
                  "  try mem.WriteTStrings('S', nil) except Print(ExceptionMessage) end;\n"
                  "  mem.Free;\n"
                  "end."),
              "Объект класса «TCustomIniFile» нельзя создать\n«WRITETSTRINGS»: не задан список строк\n");
}

}  // namespace
