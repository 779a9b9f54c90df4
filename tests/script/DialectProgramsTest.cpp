// The same small programs written in each of the four dialects give the
// same output through a host routine; each dialect's own forms and errors.
#include "script/component/Script.h"
#include "script/core/Declarations.h"
#include "script/grammar/ScriptGrammars.h"
#include "ui/variant/VariantErrors.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct DialectScript {
    TscScript script{nullptr};
    std::string output;

    explicit DialectScript(const std::string& dialect) {
        RegisterScriptGrammars();
        script.SyntaxType = dialect;
        script.AddRTTI();
        script.AddMethod("procedure Print(Value: Variant)",
                         [this](TObject*, const TClassInfo*, const std::string&, TscMethodHelper& method) {
                             output += VarToStr(method.GetParam(0)) + "\n";
                             return Variant(0);
                         });
    }

    bool Compile(const std::string& source) {
        TStringList lines;
        lines.SetText(source);
        script.SetLines(lines);
        return script.Compile();
    }

    // Compiles and runs; the output, or the compile error with its place.
    std::string Run(const std::string& source) {
        if (!Compile(source)) return "error: " + script.ErrorMessage() + " at " + script.ErrorPosition();
        script.Execute();
        return output;
    }
};

struct DialectProgram {
    const char* name;
    const char* output;
    const char* pascal;
    const char* cpp;
    const char* basic;
    const char* js;
};

const DialectProgram kPrograms[] = {
    {"loops, sums and text",
     "55\n1201201201\n31\n-9\n",
     "var i, s: Integer; t: String;\n"
     "begin\n"
     "  s := 0; t := '';\n"
     "  for i := 1 to 10 do begin s := s + i; t := t + IntToStr(i mod 3) end;\n"
     "  Print(s); Print(t);\n"
     "  i := 0; while i < 100 do begin i := i * 2 + 1; if i > 30 then break end; Print(i);\n"
     "  repeat i := i - 20 until i < 0; Print(i);\n"
     "end.",
     "int i, s; string t;\n"
     "{\n"
     "  s = 0; t = \"\";\n"
     "  for (i = 1; i <= 10; i++) { s += i; t = t + IntToStr(i % 3); }\n"
     "  Print(s); Print(t);\n"
     "  i = 0; while (i < 100) { i = i * 2 + 1; if (i > 30) break; } Print(i);\n"
     "  do i -= 20; while (i >= 0); Print(i);\n"
     "}",
     "Dim i As Integer, s As Integer, t As String\n"
     "s = 0: t = \"\"\n"
     "For i = 1 To 10\n"
     "  s = s + i: t = t & IntToStr(i Mod 3)\n"
     "Next\n"
     "Print(s): Print(t)\n"
     "i = 0\n"
     "While i < 100\n"
     "  i = i * 2 + 1\n"
     "  If i > 30 Then Break\n"
     "Wend\n"
     "Print(i)\n"
     "Do\n"
     "  i = i - 20\n"
     "Loop Until i < 0\n"
     "Print(i)\n",
     "var s = 0, t = \"\", i;\n"
     "for (i = 1; i <= 10; i++) { s += i; t = t + IntToStr(i % 3) }\n"
     "Print(s); Print(t)\n"
     "i = 0; while (i < 100) { i = i * 2 + 1; if (i > 30) break }\n"
     "Print(i)\n"
     "do { i -= 20 } while (i >= 0);\n"
     "Print(i)\n"},
    {"recursive functions",
     "6765\n3628800\n",
     "function Fib(n: Integer): Integer;\n"
     "begin if n < 2 then Result := n else Result := Fib(n - 1) + Fib(n - 2) end;\n"
     "function Fact(n: Integer): Integer;\n"
     "begin if n <= 1 then Result := 1 else Result := n * Fact(n - 1) end;\n"
     "begin Print(Fib(20)); Print(Fact(10)) end.",
     "int Fib(int n) { if (n < 2) return n; else return Fib(n - 1) + Fib(n - 2); }\n"
     "int Fact(int n) { if (n <= 1) return 1; return n * Fact(n - 1); }\n"
     "{ Print(Fib(20)); Print(Fact(10)); }",
     "Function Fib(n As Integer) As Integer\n"
     "  If n < 2 Then\n"
     "    Return n\n"
     "  Else\n"
     "    Return Fib(n - 1) + Fib(n - 2)\n"
     "  End If\n"
     "End Function\n"
     "Function Fact(n As Integer) As Integer\n"
     "  If n <= 1 Then Return 1\n"
     "  Return n * Fact(n - 1)\n"
     "End Function\n"
     "Print(Fib(20))\n"
     "Print(Fact(10))\n",
     "function Fib(n) { if (n < 2) return n; else return Fib(n - 1) + Fib(n - 2); }\n"
     "function Fact(n) { if (n <= 1) return 1; return n * Fact(n - 1) }\n"
     "Print(Fib(20)); Print(Fact(10));\n"},
    {"case selection over sets and ranges",
     "zero\nsmall\nsmall\nmid\nmid\nmid\nbig\n",
     "var i: Integer;\n"
     "begin\n"
     "  for i := 0 to 6 do\n"
     "    case i of\n"
     "      0: Print('zero');\n"
     "      1, 2: Print('small');\n"
     "      3..5: Print('mid');\n"
     "    else Print('big');\n"
     "    end;\n"
     "end.",
     "int i;\n"
     "{\n"
     "  for (i = 0; i <= 6; i++)\n"
     "    switch (i) {\n"
     "      case 0: Print(\"zero\");\n"
     "      case 1, 2: Print(\"small\");\n"
     "      case 3..5: Print(\"mid\");\n"
     "      default: Print(\"big\");\n"
     "    }\n"
     "}",
     "Dim i\n"
     "For i = 0 To 6\n"
     "  Select Case i\n"
     "    Case 0: Print(\"zero\")\n"
     "    Case 1, 2: Print(\"small\")\n"
     "    Case 3..5: Print(\"mid\")\n"
     "    Case Else: Print(\"big\")\n"
     "  End Select\n"
     "Next\n",
     "var i;\n"
     "for (i = 0; i <= 6; i++)\n"
     "  switch (i) {\n"
     "    case 0: Print(\"zero\")\n"
     "    case 1, 2: Print(\"small\");\n"
     "    case 3..5: Print(\"mid\")\n"
     "    default: Print(\"big\")\n"
     "  }\n"},
    {"exceptions caught and finally run",
     "caught boom\nb\nfinally\n",
     "begin\n"
     "  try RaiseException('boom'); Print('not here') except Print('caught ' + ExceptionMessage) end;\n"
     "  try Print(Copy('abc', 2, 1)) finally Print('finally') end;\n"
     "end.",
     "{\n"
     "  try { RaiseException(\"boom\"); Print(\"not here\"); } except { Print(\"caught \" + ExceptionMessage); }\n"
     "  try { Print(Copy(\"abc\", 2, 1)); } finally { Print(\"finally\"); }\n"
     "}",
     "Try\n"
     "  RaiseException(\"boom\")\n"
     "  Print(\"not here\")\n"
     "Catch\n"
     "  Print(\"caught \" & ExceptionMessage)\n"
     "End Try\n"
     "Try\n"
     "  Print(Copy(\"abc\", 2, 1))\n"
     "Finally\n"
     "  Print(\"finally\")\n"
     "End Try\n",
     "try { RaiseException(\"boom\"); Print(\"not here\") } except { Print(\"caught \" + ExceptionMessage) }\n"
     "try Print(Copy(\"abc\", 2, 1)); finally Print(\"finally\");\n"},
    {"by-reference parameters and operators",
     "6\n30\n1\n1\nTrue\n20\n",
     "var i: Integer;\n"
     "procedure Twice(var x: Integer; by: Integer);\n"
     "begin x := x * by end;\n"
     "begin\n"
     "  i := 3; Twice(i, 2); Print(i); Twice(i, 5); Print(i);\n"
     "  Print(i div 16); Print(i mod 29); Print((i > 1) and not (i = 2)); Print(5 shl 2);\n"
     "end.",
     "int i;\n"
     "void Twice(int &x, int by) { x = x * by; }\n"
     "{\n"
     "  i = 3; Twice(i, 2); Print(i); Twice(i, 5); Print(i);\n"
     "  Print(i div 16); Print(i % 29); Print((i > 1) && !(i == 2)); Print(5 << 2);\n"
     "}",
     "Dim i As Integer\n"
     "Sub Twice(ByRef x As Integer, by As Integer)\n"
     "  x = x * by\n"
     "End Sub\n"
     "i = 3: Twice(i, 2): Print(i): Twice(i, 5): Print(i)\n"
     "Print(i \\ 16): Print(i Mod 29): Print((i > 1) And Not (i = 2)): Print(5 * 4)\n",
     "function Twice(&x, by) { x = x * by }\n"
     "var i = 3; Twice(i, 2); Print(i); Twice(i, 5); Print(i);\n"
     "Print(i div 16); Print(i % 29); Print((i > 1) && !(i == 2)); Print(5 << 2);\n"},
    {"arrays and string indexing",
     "14\n7\nc\naXc\n",
     "var a: array[1..3] of Integer; m: array[2, 2] of Integer; i: Integer; s: String;\n"
     "begin\n"
     "  for i := 1 to 3 do a[i] := i * i; Print(a[1] + a[2] + a[3]);\n"
     "  m[1, 1] := 7; Print(m[1, 1]);\n"
     "  s := 'abc'; Print(s[3]); s[2] := 'X'; Print(s);\n"
     "end.",
     "int a[4], m[2][2], i; string s;\n"
     "{\n"
     "  for (i = 1; i <= 3; i++) a[i] = i * i; Print(a[1] + a[2] + a[3]);\n"
     "  m[1][1] = 7; Print(m[1, 1]);\n"
     "  s = \"abc\"; Print(s[3]); s[2] = \"X\"; Print(s);\n"
     "}",
     "Dim a[4] As Integer, m[2, 2] As Integer, s As String\n"
     "For i = 1 To 3\n"
     "  a[i] = i * i\n"
     "Next\n"
     "Print(a[1] + a[2] + a[3])\n"
     "m[1, 1] = 7: Print(m[1, 1])\n"
     "s = \"abc\": Print(s[3]): s[2] = \"X\": Print(s)\n",
     "var a[4], m[2, 2], s = \"abc\", i;\n"
     "for (i = 1; i <= 3; i++) a[i] = i * i; Print(a[1] + a[2] + a[3]);\n"
     "m[1, 1] = 7; Print(m[1, 1]);\n"
     "Print(Copy(s, 3, 1)); s = Copy(s, 1, 1) + \"X\" + Copy(s, 3, 1); Print(s);\n"},
};

const char* const kDialects[] = {"PascalScript", "C++Script", "BasicScript", "JScript"};

const char* SourceIn(const DialectProgram& program, int dialect) {
    const char* const sources[] = {program.pascal, program.cpp, program.basic, program.js};
    return sources[dialect];
}

}  // namespace

TEST(DialectProgramsTest, EveryDialectGivesTheSameOutput) {
    for (const DialectProgram& program : kPrograms) {
        for (int dialect = 0; dialect < 4; ++dialect) {
            SCOPED_TRACE(std::string(program.name) + " in " + kDialects[dialect]);
            DialectScript script(kDialects[dialect]);
            std::string source = SourceIn(program, dialect);
            EXPECT_EQ(script.Run(source), program.output);
        }
    }
}


namespace {

// A form one dialect has and the others do not: what it prints, or the
// compile error and its place ("error: message at line:column").
struct DialectCase {
    const char* dialect;
    const char* what;
    const char* source;
    const char* outcome;
};

const DialectCase kDialectCases[] = {
    {"C++Script", "empty main block", "{ }", ""},
    {"C++Script", "increment, decrement and compound assignment",
     "int x; { x = 5; x++; Print(x); x--; x--; Print(x); x *= 3; x /= 2; Print(x); }", "6\n4\n6\n"},
    {"C++Script", "do-while whose condition fails at once runs its body once",
     "int n; { n = 0; do n++; while (n > 5); Print(n); }", "1\n"},
    {"C++Script", "string escapes", "{ Print(\"a\\x41\" + \"b\" + IntToStr(Length(\"\\n\"))); }", "aAb1\n"},
    {"C++Script", "defines, aliases and a void function as a procedure",
     "#define Limit 3\n"
     "float half;\n"
     "void Show(bool flag, int n) { if (flag) Print(n * Limit); }\n"
     "{ half = 1 / 2; Show(true, 2); Show(false, 9); Print(half); }",
     "6\n0,5\n"},
    {"C++Script", "keywords are lower case only: If is a name", "{ If(1); }", "error: Undeclared identifier: 'If' at 1:3"},
    {"C++Script", "a single = in a condition", "int a; { if (a = 1) Print(a); }", "error: ')' expected at 1:16"},
    {"C++Script", "a missing semicolon", "int a; { a = 1 Print(a); }", "error: ';' expected at 1:16"},
    {"BasicScript", "a script of comments only", "' one\r\nrem two\r\n", ""},
    {"BasicScript", "two statements on a line, a continued line",
     "x = 1: y = 2\r\nPrint(x + _\r\n  y)\r\n", "3\n"},
    {"BasicScript", "a one-dimension Dim counts from zero",
     "Dim a[10]\r\na[0] = \"first\": a[9] = \"last\"\r\nPrint(a[0] & a[9])\r\n", "firstlast\n"},
    {"BasicScript", "ElseIf chain",
     "For n = 1 To 3\r\n"
     "  If n = 1 Then\r\n    Print(\"one\")\r\n  ElseIf n = 2 Then\r\n    Print(\"two\")\r\n"
     "  Else\r\n    Print(\"many\")\r\n  End If\r\nNext\r\n",
     "one\ntwo\nmany\n"},
    {"BasicScript", "a word beginning with rem starts a comment", "x = 4\r\nremainder = 5\r\nPrint(x)\r\n", "4\n"},
    {"BasicScript", "Do While, Step, integer division and concatenation",
     "s = \"\"\r\nFor i = 10 To 1 Step -3\r\n  s = s & i & \",\"\r\nNext\r\n"
     "k = 0\r\nDo\r\n  k += 1\r\nLoop While k < 4\r\nPrint(s & (k \\ 3))\r\n",
     "10,7,4,1,1\n"},
    {"BasicScript", "a block If without End If", "If 1 = 1 Then\r\n  x = 1\r\nNext\r\n",
     "error: 'END' expected at 3:1"},
    {"JScript", "statements without braces or semicolons", "x = 2\r\ny = x * 21\r\nPrint(y)", "42\n"},
    {"JScript", "several names with initial values declared in order",
     "var a = 1, b = a + 1, c = b * 10; Print(a + b + c);", "23\n"},
    {"JScript", "a bare return leaves the function",
     "function F(n) { if (n > 0) return; Print(\"zero\") } F(1); F(0)", "zero\n"},
    {"JScript", "a for statement without its condition", "for (i = 0; ; i++) Print(i);",
     "error: Expression expected at 1:13"},
};

}  // namespace

TEST(DialectProgramsTest, EachDialectsOwnForms) {
    for (const DialectCase& test : kDialectCases) {
        SCOPED_TRACE(std::string(test.dialect) + ": " + test.what);
        DialectScript script(test.dialect);
        EXPECT_EQ(script.Run(test.source), test.outcome);
    }
}

TEST(DialectProgramsTest, LanguageDirectiveSwitchesTheDialect) {
    DialectScript script("PascalScript");
    EXPECT_EQ(script.Run("#language JScript\r\nvar n = 3; Print(n * n)"), "9\n");
}
