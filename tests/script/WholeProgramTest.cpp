// Whole PascalScript programs compiled from source and run, their output
// gathered through a host routine; compile errors with their places.
#include "HostedScript.h"
#include "script/component/Script.h"
#include "script/core/Declarations.h"
#include "script/core/ScriptErrors.h"
#include "ui/variant/VariantErrors.h"
#include "script/grammar/ScriptGrammars.h"
#include "script/parser/ILParser.h"
#include "script/statements/Statements.h"
#include "ui/core/Exceptions.h"
#include "ui/core/MemoryStream.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ProgramCase {
    const char* family;
    const char* source;
    const char* output;
};

const ProgramCase kPrograms[] = {
    {"loops and text",
     "var i, s: Integer; t: String;\n"
     "begin\n"
     "  s := 0; t := '';\n"
     "  for i := 1 to 10 do begin s := s + i; t := t + IntToStr(i mod 3) end;\n"
     "  Print(s); Print(t);\n"
     "  i := 0; while i < 100 do begin i := i * 2 + 1; if i > 30 then break end; Print(i);\n"
     "  repeat i := i - 20 until i < 0; Print(i);\n"
     "end.",
     "55\n1201201201\n31\n-9\n"},
    {"recursion and a call before the callee's text",
     "function Fib(n: Integer): Integer;\n"
     "begin if n < 2 then Result := n else Result := Fib(n - 1) + Fib(n - 2) end;\n"
     "function UsesLater: Integer;\n"
     "begin Result := Fact(10) end;\n"
     "function Fact(n: Integer): Integer;\n"
     "begin if n <= 1 then Result := 1 else Result := n * Fact(n - 1) end;\n"
     "begin Print(Fib(20)); Print(UsesLater) end.",
     "6765\n3628800\n"},
    {"case and sets",
     "var i: Integer;\n"
     "begin\n"
     "  for i := 0 to 6 do\n"
     "    case i of\n"
     "      0: Print('zero');\n"
     "      1, 2: Print('small');\n"
     "      3..5: Print('mid');\n"
     "    else Print('big');\n"
     "    end;\n"
     "  if 4 in [1, 3..5] then Print('in');\n"
     "end.",
     "zero\nsmall\nsmall\nmid\nmid\nmid\nbig\nin\n"},
    {"exceptions through host calls",
     "var s: String;\n"
     "begin\n"
     "  try RaiseException('boom'); Print('not here') except Print('caught ' + ExceptionMessage) end;\n"
     "  try s := IntToStr(StrToInt('12x')) except Print(ExceptionClassName) end;\n"
     "  try Print(Ord('')) except Print('empty Ord') end;\n"
     "  try Print(Copy('abc', 2, 1)) finally Print('finally') end;\n"
     "  try Print(CreateOleObject('Word.Application')) except Print('no automation') end;\n"
     "end.",
     "caught boom\nEConvertError\nempty Ord\nb\nfinally\nno automation\n"},
    {"string routines",
     "var s: String;\n"
     "begin\n"
     "  s := '  привет, мир  '; s := Trim(s); Print(s); Print(Length(s));\n"
     "  Print(Uppercase(s)); Print(NameCase('иван петров')); Print(Pos('мир', s));\n"
     "  Delete(s, 1, 8); Print(s); Insert('весь ', s, 1); Print(s);\n"
     "  Print(Copy('abcdef', 3, 100)); Print(Chr(65) + Chr(1046)); Print(Ord('Ж'));\n"
     "  Print(CompareText('abc', 'ABC')); s := 'abc'; s[2] := 'X'; Print(s); Print(s[3]);\n"
     "  s := 'ab'; SetLength(s, 1); Print(s);\n"
     "end.",
     "привет, мир\n11\nПРИВЕТ, МИР\nИван Петров\n9\nмир\nвесь мир\ncdef\nAЖ\n1046\n0\naXc\nc\na\n"},
    {"maths and formatting",
     "begin\n"
     "  Print(Round(2.5)); Print(Round(3.5)); Print(Trunc(-1.7)); Print(Int(2.7)); Print(Sqrt(16));\n"
     "  Print(Abs(-3)); Print(Round(Pi * 1000)); Print(7 div 2); Print(7 mod 2); Print(7 / 2);\n"
     "  Print(Format('%d|%5s|%-4s|%.2f|%x', [42, 'ab', 'c', 2.345, 255]));\n"
     "  Print(FormatFloat('0.000', 1.5)); Print(FloatToStr(2.5));\n"
     "end.",
     "2\n4\n-1\n2\n4\n3\n3142\n3\n1\n3,5\n42|   ab|c   |2,35|FF\n1,500\n2,5\n"},
    {"masked text",
     "begin\n"
     "  Print(FormatMaskText('000-000;0;_', '123456')); Print('[' + FormatMaskText('000-000;0;_', '12') + ']');\n"
     "  Print(FormatMaskText('>LL-00;0;_', 'ab12')); Print(FormatMaskText('00/00;1;_', '12.34'));\n"
     "end.",
     "123-456\n[12 -   ]\nAB-12\n12.34\n"},
    {"dates",
     "var d: TDateTime; y, m, dd: Word;\n"
     "begin\n"
     "  d := EncodeDate(2024, 2, 29); DecodeDate(d + 1, y, m, dd);\n"
     "  Print(IntToStr(y) + '-' + IntToStr(m) + '-' + IntToStr(dd));\n"
     "  Print(DateToStr(d)); Print(FormatDateTime('yyyy/mm/dd', d)); Print(DayOfWeek(d));\n"
     "  Print(DaysInMonth(2000, 2)); Print(DaysInMonth(1900, 2)); Print(IsLeapYear(2024));\n"
     "  Print(DateToStr(StrToDate('01.03.2024'))); Print(TimeToStr(EncodeTime(13, 5, 9, 0)));\n"
     "  Print(ValidDate('31.02.2024'));\n"
     "end.",
     "2024-3-1\n29.02.2024\n2024/02/29\n5\n29\n28\nTrue\n01.03.2024\n13:05:09\nFalse\n"},
    {"conversions",
     "begin\n"
     "  Print(BoolToStr(True)); Print(StrToBool('True')); Print(StrToInt('$1F') + 1); Print(StrToFloat('1,25') * 2);\n"
     "  Print(ValidInt('12')); Print(ValidInt('x')); Print(ValidFloat('1.5')); Print(VarToStr(Null) + '.');\n"
     "  Print(VarType(1)); Print(VarType('s')); Print(ExtractFilePath('/tmp/a/b.txt')); Print(3000000000);\n"
     "end.",
     "-1\nTrue\n32\n2,5\nTrue\nFalse\nTrue\n.\n3\n256\n/tmp/a/\n3000000000\n"},
    {"parameters, defaults and var",
     "var i: Integer;\n"
     "procedure Twice(var x: Integer; by: Integer = 2);\n"
     "begin x := x * by end;\n"
     "function Join(a: String; b: String = '!'): String;\n"
     "begin Result := a + b end;\n"
     "begin\n"
     "  i := 3; Twice(i); Print(i); Twice(i, 5); Print(i);\n"
     "  Inc(i); Print(i); Inc(i, 5); Print(i); Dec(i); Print(i);\n"
     "  Print(Join('a')); Print(Join('a', '?'));\n"
     "end.",
     "6\n30\n31\n36\n35\na!\na?\n"},
    {"arrays",
     "var a: array[1..3] of Integer; m: array[2, 2] of Integer; v: Variant; i, s: Integer;\n"
     "begin\n"
     "  for i := 1 to 3 do a[i] := i * i; Print(a[1] + a[2] + a[3]);\n"
     "  m[1, 1] := 7; Print(m[1, 1]);\n"
     "  v := VarArrayCreate([2, 5], varVariant); Print(Length(v)); v[3] := 'x'; Print(v[3]);\n"
     "  s := 0; for i := 0 to 2 do s := s + a[i + 1]; Print(s);\n"
     "end.",
     "14\n7\n4\nx\n14\n"},
    {"constants, exit and nested routines",
     "const Limit = 4; Greeting = 'hi';\n"
     "function FirstOver(n: Integer): Integer;\n"
     "var i: Integer;\n"
     "begin\n"
     "  Result := -1;\n"
     "  for i := 1 to 100 do if i * i > n then begin Result := i; exit end;\n"
     "end;\n"
     "begin Print(FirstOver(Limit * 10)); Print(Greeting + '!'); Print(Limit shl 2) end.",
     "7\nhi!\n16\n"},
    {"initialized variables",
     "var x: Integer = 5; t: String = 'a' + 'b';\n"
     "begin x := x + 1; Print(x); Print(t) end.",
     "6\nab\n"},
};

}  // namespace

TEST(WholeProgramTest, ProgramsGiveTheirOutput) {
    for (const ProgramCase& test : kPrograms) {
        SCOPED_TRACE(test.family);
        HostedScript hosted;
        if (!hosted.Compile(test.source)) {
            ADD_FAILURE() << hosted.script.ErrorMessage() << " at " << hosted.script.ErrorPosition();
            continue;
        }
        hosted.script.Execute();
        EXPECT_EQ(hosted.output, test.output);
    }
}

namespace {

struct ErrorCase {
    const char* source;
    const char* message;
    const char* position;
};

const ErrorCase kCompileErrors[] = {
    {"begin\n  x := 1\nend.", "Undeclared identifier: 'x'", "2:3"},
    {"var i: Integer;\nbegin\n  Inc(i, 1, 2)\nend.", "Too many actual parameters", "3:3"},
    {"begin Copy('a') end.", "Not enough actual parameters", "1:7"},
    {"var i: Integer;\nbegin i := 'text' end.", "Incompatible types: 'Integer', 'String'", "2:7"},
    {"var i: Integer; i: String;\nbegin end.", "Identifier redeclared: 'i'", "1:17"},
    {"const C = 1;\nbegin C := 2 end.", "Left side cannot be assigned to", "2:7"},
    {"var s: String;\nbegin for s := 1 to 2 do end.", "For loop variable must be numeric variable", "2:11"},
    {"var t: TNoSuchType;\nbegin end.", "Unknown type: 'TNoSuchType'", "1:8"},
    {"var s: String;\nbegin s.Length end.", "Strings doesn't have properties or methods", "2:9"},
    {"var i: Integer;\nbegin i := 1.5 end.", "Incompatible types: 'Integer', 'Extended'", "2:7"},
    {"begin\n  Print(1 +)\nend.", "')' expected", "2:11"},
};

}  // namespace

TEST(WholeProgramTest, CompileErrorsNameTheirPlace) {
    for (const ErrorCase& test : kCompileErrors) {
        SCOPED_TRACE(test.source);
        HostedScript hosted;
        EXPECT_FALSE(hosted.Compile(test.source));
        EXPECT_EQ(hosted.script.ErrorMessage(), test.message);
        EXPECT_EQ(hosted.script.ErrorPosition(), test.position);
        // Nothing of a failed program runs.
        if (hosted.script.ErrorMessage().empty()) continue;
        hosted.script.ClearItems(kNoOwner);
        EXPECT_TRUE(hosted.Compile("begin Print('again') end."));
        hosted.script.Execute();
        EXPECT_EQ(hosted.output, "again\n");
    }
}

TEST(WholeProgramTest, RunTimeErrorsLeaveTheScriptUsable) {
    HostedScript hosted;
    ASSERT_TRUE(hosted.Compile("var i: Integer;\nbegin i := 0; Print(10 div i) end."));
    EXPECT_THROW(hosted.script.Execute(), EDivByZero);
    EXPECT_FALSE(hosted.script.Running);
    hosted.script.ClearItems(kNoOwner);
    ASSERT_TRUE(hosted.Compile("begin Print(Ord('')) end."));
    EXPECT_THROW(hosted.script.Execute(), EScriptRangeError);
    hosted.script.ClearItems(kNoOwner);
    ASSERT_TRUE(hosted.Compile("function F(n: Integer): Integer; begin Result := F(n + 1) end;\nbegin F(0) end."));
    EXPECT_THROW(hosted.script.Execute(), EScriptRecursionError);
    hosted.script.ClearItems(kNoOwner);
    ASSERT_TRUE(hosted.Compile("begin Print('fine') end."));
    hosted.script.Execute();
    EXPECT_EQ(hosted.output, "fine\n");
}

TEST(WholeProgramTest, FunctionsAreCalledByName) {
    HostedScript hosted;
    ASSERT_TRUE(hosted.Compile("function Add(a, b: Integer): Integer; begin Result := a + b end;\n"
                               "procedure Swap(var a, b: Variant); var t: Variant; begin t := a; a := b; b := t end;\n"
                               "begin end."));
    EXPECT_EQ(hosted.script.CallFunction("add", VarArrayOf({Variant(2), Variant(40)})).AsInteger(), 42);
    Variant pair = VarArrayOf({Variant("x"), Variant("y")});
    hosted.script.CallFunctionVar("Swap", pair);
    EXPECT_EQ(pair.GetElement({0}).AsString(), "y");
    EXPECT_EQ(pair.GetElement({1}).AsString(), "x");
}

TEST(WholeProgramTest, DeclarationStrings) {
    TscScript script(nullptr);
    script.AddRTTI();
    auto routine = ParseDeclaration("procedure Inc(var i: Integer; incr: Integer = 1)", script);
    ASSERT_EQ(routine->ParamCount(), 2);
    EXPECT_TRUE(routine->GetParam(0)->IsVarParam);
    EXPECT_FALSE(routine->GetParam(0)->IsOptional);
    EXPECT_TRUE(routine->GetParam(1)->IsOptional);
    EXPECT_EQ(routine->GetParam(1)->DefaultValue.AsInteger(), 1);
    auto group = ParseDeclaration("function F(x, y: Integer = 0; const s: String = 'a'; b: Boolean = True): Double;", script);
    ASSERT_EQ(group->ParamCount(), 4);
    EXPECT_FALSE(group->GetParam(0)->IsOptional);
    EXPECT_TRUE(group->GetParam(1)->IsOptional);
    EXPECT_EQ(group->GetParam(2)->DefaultValue.AsString(), "a");
    EXPECT_TRUE(group->GetParam(3)->DefaultValue.AsBoolean());
    EXPECT_EQ(group->Type, fvtFloat);
    EXPECT_EQ(group->TypeName, "Double");
    auto macro = ParseDeclaration("macrofunction M(n: Integer = -5): String", script);
    EXPECT_TRUE(macro->IsMacro);
    EXPECT_EQ(macro->Type, fvtString);
    EXPECT_EQ(macro->GetParam(0)->DefaultValue.AsInteger(), -5);
    EXPECT_THROW(ParseDeclaration("", script), EScriptError);
}

TEST(WholeProgramTest, Literals) {
    EXPECT_TRUE(ConvertLiteral("").IsNull());
    EXPECT_EQ(ConvertLiteral("'it''s'").AsString(), "it''s");
    EXPECT_EQ(ConvertLiteral("2147483647").VarType(), varInteger);
    EXPECT_EQ(ConvertLiteral("2147483648").VarType(), varInt64);
    EXPECT_EQ(ConvertLiteral("$FF").AsInteger(), 255);
    EXPECT_DOUBLE_EQ(ConvertLiteral("1.5").AsDouble(), 1.5);
    EXPECT_DOUBLE_EQ(ConvertLiteral("2.5e3").AsDouble(), 2500.0);
}

TEST(WholeProgramTest, SelfAssignmentsFoldIntoOperations) {
    struct Case {
        const char* statement;
        bool folds;
    };
    const Case cases[] = {{"x := x + 1", true}, {"x := 1 + x", true}, {"s := s + 'a'", true}, {"s := 'a' + s", false},
                          {"v := 1 + v", false}, {"x := x - 1", true}, {"x := 1 - x", false}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.statement);
        HostedScript hosted;
        ASSERT_TRUE(hosted.Compile(std::string("var x: Integer; s: String; v: Variant; begin ") + test.statement + " end."))
            << hosted.script.ErrorMessage();
        TscStatement* statement = hosted.script.RootStatement().Child(0);
        const bool folded = dynamic_cast<TscAssignPlusStmt*>(statement) || dynamic_cast<TscAssignMinusStmt*>(statement);
        EXPECT_EQ(folded, test.folds);
    }
}

TEST(WholeProgramTest, UnitsMayComeAsTheirIntermediateForm) {
    // The unit's intermediate form, made from a text other than its source.
    TscCompileTarget target;
    TscILParser parser(target);
    parser.SelectLanguage("PascalScript");
    ASSERT_TRUE(parser.ParseSource("procedure Greet; begin Print('from the form') end; begin end.")) << target.ErrorMessage;
    TStringStream formText;
    parser.ILDocument().SaveToStream(formText);

    for (const bool withForm : {false, true}) {
        SCOPED_TRACE(withForm);
        HostedScript hosted;
        hosted.script.CompileTarget().OnGetUnit = [](const std::string&, std::string& text) {
            text = "procedure Greet; begin Print('from the source') end; begin end.";
        };
        if (withForm)
            hosted.script.CompileTarget().OnGetILUnit = [&](const std::string& name, std::string& il) {
                if (name == "greet.pas") il = formText.DataString();
            };
        ASSERT_TRUE(hosted.Compile("uses 'greet.pas'; begin Greet end.")) << hosted.script.ErrorMessage();
        hosted.script.Execute();
        EXPECT_EQ(hosted.output, withForm ? "from the form\n" : "from the source\n");
    }
}
