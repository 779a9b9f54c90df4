// PascalScript sources into the intermediate form: one case a family of the
// grammar's rules, the syntax errors with their places, and what deep or
// odd texts get.
#include "ILOutline.h"

#include "script/grammar/LanguageRegistry.h"
#include "script/messages/ScriptMessages.h"
#include "ui/core/Exceptions.h"

#include <gtest/gtest.h>

namespace {

struct FormCase {
    const char* family;
    const char* source;
    const char* form;
};

const FormCase kForms[] = {
    // Declarations.
    {"program header", "program P; begin end.", "compoundstmt"},
    {"const", "const N = 10; S = 'a'; begin end.",
     "const(ident:N expr(number:10)) const(ident:S expr(string:'a')) compoundstmt"},
    {"var with init", "var a, b: integer = 5; begin end.",
     "var(ident:a ident:b type:integer init(expr(number:5))) compoundstmt"},
    {"array types", "var m: array [1..3, 2] of Double; v: array of string; begin end.",
     "var(ident:m array(dim(expr(number:1) expr(number:3)) dim(expr(number:2))) type:Double) "
     "var(ident:v array type:string) compoundstmt"},
    {"procedure", "procedure P(var a: integer; const b, c: string); begin end; begin end.",
     "procedure(name:P parameters(varparams var(ident:a type:integer) var(ident:b ident:c type:string)) "
     "compoundstmt) compoundstmt"},
    {"function", "function F(x: integer): integer; var t: integer; begin Result := x end; begin end.",
     "function(name:F parameters(var(ident:x type:integer)) type:integer var(ident:t type:integer) "
     "compoundstmt(assignstmt(dsgn(node:Result) expr(dsgn(node:x))))) compoundstmt"},
    // Statements.
    {"assign, call, empty", "begin a := 1; P; P(1, 'x'); ; end.",
     "compoundstmt(assignstmt(dsgn(node:a) expr(number:1)) callstmt(dsgn(node:P)) "
     "callstmt(dsgn(node:P expr(number:1) expr(string:'x'))))"},
    {"if", "begin if a > 1 then b := 2 else begin c end end.",
     "compoundstmt(ifstmt(expr(dsgn(node:a) op:> number:1) thenstmt(assignstmt(dsgn(node:b) expr(number:2))) "
     "elsestmt(compoundstmt(callstmt(dsgn(node:c))))))"},
    {"case", "begin case x of 1: a; 2, 3..5: b; else c; end end.",
     "compoundstmt(casestmt(expr(dsgn(node:x)) caseselector(set(expr(number:1)) callstmt(dsgn(node:a))) "
     "caseselector(set(expr(number:2) expr(number:3) range:. expr(number:5)) callstmt(dsgn(node:b))) "
     "callstmt(dsgn(node:c))))"},
    {"case ending in ';'", "begin case x of 1: a; end; case y of 2: ; end end.",
     "compoundstmt(casestmt(expr(dsgn(node:x)) caseselector(set(expr(number:1)) callstmt(dsgn(node:a)))) "
     "casestmt(expr(dsgn(node:y)) caseselector(set(expr(number:2)))))"},
    {"loops", "begin while a do a := a - 1; repeat b until c; for i := 1 to 10 do ; for i := 9 downto 1 do break end.",
     "compoundstmt(whilestmt(expr(dsgn(node:a)) assignstmt(dsgn(node:a) expr(dsgn(node:a) op:- number:1))) "
     "repeatstmt(callstmt(dsgn(node:b)) expr(dsgn(node:c))) forstmt(ident:i expr(number:1) expr(number:10)) "
     "forstmt(ident:i expr(number:9) downto:downto expr(number:1) break))"},
    {"try, with, flow", "begin try a finally b end; try c except d; exit end; with f, g.h do continue end.",
     "compoundstmt(trystmt(callstmt(dsgn(node:a)) finallystmt(callstmt(dsgn(node:b)))) "
     "trystmt(callstmt(dsgn(node:c)) exceptstmt(callstmt(dsgn(node:d)) exit)) "
     "with(dsgn(node:f) dsgn(node:g node:h) continue))"},
    // Expressions.
    {"operators", "begin a := -b * (c + 1) div 2 <> not d end.",
     "compoundstmt(assignstmt(dsgn(node:a) expr(op:unminus dsgn(node:b) op:* op:( expr(dsgn(node:c) op:+ number:1) "
     "op:) op:div number:2 op:<> op:not dsgn(node:d))))"},
    {"relations and sets", "begin e := (f >= 1) and (g <= 2) or (h in [1, 3 .. 5]) xor (i is TFoo) end.",
     "compoundstmt(assignstmt(dsgn(node:e) expr(op:( expr(dsgn(node:f) op:>= number:1) op:) op:and "
     "op:( expr(dsgn(node:g) op:<= number:2) op:) op:or op:( expr(dsgn(node:h) op:in "
     "set(expr(number:1) expr(number:3) range:. expr(number:5))) op:) op:xor op:( expr(dsgn(node:i) op:is "
     "dsgn(node:TFoo)) op:))))"},
    {"literals", "begin a := $1F + 2.5e3 - 'x'#13 / (b mod c shl 1 shr 2) end.",
     "compoundstmt(assignstmt(dsgn(node:a) expr(number:$1F op:+ number:2.5e3 op:- string:'x\r' op:/ "
     "op:( expr(dsgn(node:b) op:mod dsgn(node:c) op:shl number:1 op:shr number:2) op:))))"},
    {"entities in strings", "begin s := '&#60;&quot;&' end.",
     "compoundstmt(assignstmt(dsgn(node:s) expr(string:'&#60;&quot;&')))"},
    {"bracketed text", "begin a := <Data.Field> + <x>; end.",
     "compoundstmt(assignstmt(dsgn(node:a) expr(dsgn(node:Get expr(string:'Data.Field')) op:+ "
     "dsgn(node:Get expr(string:'x')))))"},
    // Designators.
    {"designator steps", "begin a.b[1, 2](x, y).c.begin := @Proc; m[1][2] := 0; f() end.",
     "compoundstmt(assignstmt(dsgn(node:a node:b node:[ expr(number:1) expr(number:2) expr(dsgn(node:x)) "
     "expr(dsgn(node:y)) node:c node:begin) expr(dsgn(addr:@ node:Proc))) "
     "assignstmt(dsgn(node:m node:[ expr(number:1) node:[ expr(number:2)) expr(number:0)) callstmt(dsgn(node:f)))"},
    // Comments, and text after the final point.
    {"comments", "{c} begin (* x *) a // y\r\n end.", "compoundstmt(callstmt(dsgn(node:a)))"},
    {"after the end", "begin end. trailing ))", "compoundstmt"},
};

class PascalForms : public testing::TestWithParam<FormCase> {};

}  // namespace

TEST_P(PascalForms, GiveTheirIntermediateForm) {
    const FormCase& c = GetParam();
    const ParseOutcome outcome = ParsePascal(c.source);
    EXPECT_TRUE(outcome.ok) << outcome.message << " @" << outcome.position;
    EXPECT_EQ(outcome.outline, c.form);
    EXPECT_EQ(outcome.message, "");
}

INSTANTIATE_TEST_SUITE_P(Families, PascalForms, testing::ValuesIn(kForms));

namespace {

struct ErrorCase {
    const char* source;
    const char* message;
    const char* position;
};

const ErrorCase kErrors[] = {
    {"begin end", "'.' expected", "1:10"},
    {"begin\r\n  a := 1\r\n  b := 2\r\nend.", "';' expected", "3:3"},
    {"begin a : = 1 end.", "'=' expected", "1:11"},
    {"begin a := ; end.", "Expression expected", "1:12"},
    {"begin f(1 end.", "')' expected", "1:11"},
    {"begin a[1 := 2 end.", "']' expected", "1:11"},
    {"var : integer; begin end.", "Identifier expected", "1:5"},
    {"var a integer; begin end.", "':' expected", "1:7"},
    {"const a 1; begin end.", "'=' expected", "1:9"},
    {"a := 1;", "'BEGIN' expected", "1:1"},
    {"", "'BEGIN' expected", "1:1"},
    {"begin case x 1: a end end.", "'OF' expected", "1:14"},
    {"begin if a b end.", "'THEN' expected", "1:12"},
    {"begin repeat a end.", "'UNTIL' expected", "1:16"},
    {"begin for i := 1 step 2 do a end.", "'TO' or 'DOWNTO' expected", "1:18"},
    {"begin while a a end.", "'DO' expected", "1:15"},
    {"begin try a end end.", "'FINALLY' or 'EXCEPT' expected", "1:13"},
    {"begin a := <x end.", "'>' expected", "1:19"},
    {"begin goto l end.", "';' expected", "1:7"},
    {"uses 'a' begin end.", "';' expected", "1:10"},
    {"program 5; begin end.", "Identifier expected", "1:9"},
    {"function f; begin end; begin end.", "':' expected", "1:11"},
    {"procedure p(a: integer; begin end; begin end.", "')' expected", "1:25"},
    {"var a: array [1] integer; begin end.", "'OF' expected", "1:18"},
    {"begin a := 'unterminated; end.", "Expression expected", "1:12"},
    {"begin\n\ta := (1 + 2;\nend.", "')' expected", "2:13"},
};

class PascalErrors : public testing::TestWithParam<ErrorCase> {};

}  // namespace

TEST_P(PascalErrors, AreReportedWithLineAndColumn) {
    const ErrorCase& c = GetParam();
    TscCompileTarget script;
    const ParseOutcome outcome = ParsePascal(c.source, &script);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, c.message);
    EXPECT_EQ(outcome.position, c.position);
    EXPECT_EQ(script.ErrorUnit, "");
}

INSTANTIATE_TEST_SUITE_P(Syntax, PascalErrors, testing::ValuesIn(kErrors));

TEST(PascalScriptParse, PositionsOfElementsAndTokens) {
    RegisterScriptGrammars();
    TscCompileTarget script;
    TscILParser parser(script);
    parser.SelectLanguage("PascalScript");
    ASSERT_TRUE(parser.ParseSource("begin\r\na := b + 1;\r\nend."));
    const TscXMLItem& program = *parser.ILDocument().Root();
    EXPECT_EQ(program.Name(), "program");
    const TscXMLItem& assign = *program.Items(0)->Items(0);
    EXPECT_EQ(assign.Name(), "assignstmt");
    EXPECT_EQ(assign.Prop("pos"), "2:1");
    const TscXMLItem& target = *assign.Items(0);
    EXPECT_EQ(target.Prop("pos"), "2:1");
    EXPECT_EQ(target.Items(0)->Prop("pos"), "2:2");  // just after the token
    const TscXMLItem& expr = *assign.Items(1);
    EXPECT_EQ(expr.Prop("pos"), "2:6");
    EXPECT_EQ(expr.Prop("pos1"), "2:11");
    // The grammar's types close the program.
    EXPECT_EQ(program.Items(program.Count() - 1)->Name(), "types");
}

TEST(PascalScriptParse, KeywordsAndNamesIgnoreCase) {
    EXPECT_EQ(ParsePascal("BEGIN If A Then B ELSE c END.").outline,
              "compoundstmt(ifstmt(expr(dsgn(node:A)) thenstmt(callstmt(dsgn(node:B))) "
              "elsestmt(callstmt(dsgn(node:c)))))");
}

TEST(PascalScriptParse, NationalLettersNeedTheExtendedCharset) {
    TscCompileTarget script;
    script.ExtendedCharset = true;
    EXPECT_EQ(ParsePascal("begin Счёт := 1 end.", &script).outline,
              "compoundstmt(assignstmt(dsgn(node:Счёт) expr(number:1)))");
    EXPECT_FALSE(ParsePascal("begin Счёт := 1 end.").ok);
}

TEST(PascalScriptParse, LanguageDirectiveSwitchesTheGrammar) {
    RegisterScriptGrammars();
    // A dialect whose program is one identifier per line.
    RegisterLanguage("LineDialect",
                     "<?xml?><language><parser><skipeol text=\"0\"/></parser><types><int type=\"integer\"/></types>"
                     "<program><loop><ident add=\"ident\" err=\"e1\"/><eol/></loop></program></language>");
    TscCompileTarget script;
    TscILParser parser(script);
    parser.SelectLanguage("PascalScript");
    ASSERT_TRUE(parser.ParseSource("#LANGUAGE  LineDialect \r\nfirst\r\nsecond\r\n"));
    EXPECT_EQ(parser.LanguageName(), "LineDialect");
    EXPECT_EQ(Outline(*parser.ILDocument().Root()), "program(ident:first ident:second types(int))");
    // Positions count the directive as line 1.
    EXPECT_EQ(parser.ILDocument().Root()->Items(0)->Prop("pos"), "2:6");

    // A line feed alone ends the directive too.
    TscILParser back(script);
    back.SelectLanguage("LineDialect");
    ASSERT_TRUE(back.ParseSource("#language pascalscript\nbegin x end."));
    EXPECT_EQ(Outline(*back.ILDocument().Root()->Items(0)), "compoundstmt(callstmt(dsgn(node:x)))");
    EXPECT_EQ(back.ILDocument().Root()->Items(0)->Prop("pos"), "2:1");

    TscILParser missing(script);
    missing.SelectLanguage("PascalScript");
    try {
        missing.ParseSource("#language Nowhere\r\nbegin end.");
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Language 'Nowhere' not found");
    }
}

TEST(PascalScriptParse, UndefinedRuleIsAnInvalidLanguage) {
    RegisterLanguage("HoleDialect", "<?xml?><language><program><nosuchrule/></program></language>");
    TscCompileTarget script;
    TscILParser parser(script);
    parser.SelectLanguage("HoleDialect");
    try {
        parser.ParseSource("x");
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), SInvalidLanguage);
    }
}

TEST(PascalScriptParse, ErrorKeyWithoutMessageIsNoError) {
    // The program fails without any reported error: false, no message.
    RegisterLanguage("SilentDialect", "<?xml?><language><program><number err=\"err1\"/></program></language>");
    TscCompileTarget script;
    TscILParser parser(script);
    parser.SelectLanguage("SilentDialect");
    EXPECT_FALSE(parser.ParseSource("x"));
    EXPECT_EQ(script.ErrorMessage, "");
}

TEST(PascalScriptParse, ThousandsOfNestedBracketsOrBlocksAreAnErrorNotAnOverflow) {
    struct Case {
        std::string open;
        std::string close;
    };
    const Case cases[] = {{"(", ")"}, {"[", "]"}, {"begin ", " end"}, {"if a then ", ""}, {"f(", ")"}};
    for (const Case& c : cases) {
        std::string nested;
        for (int i = 0; i < 20000; ++i) nested += c.open;
        nested += "1";
        for (int i = 0; i < 20000; ++i) nested += c.close;
        const std::string source = c.open == "begin " || c.open == "if a then " ? "begin " + nested + " end."
                                                                                 : "begin a := " + nested + " end.";
        const ParseOutcome outcome = ParsePascal(source);
        EXPECT_FALSE(outcome.ok) << c.open;
        EXPECT_EQ(outcome.message, kNestingTooDeep) << c.open;
        EXPECT_EQ(outcome.position.rfind("1:", 0), 0u) << outcome.position;
    }
    // Nesting a person writes stays well inside the bound.
    std::string fifty = "begin a := ";
    for (int i = 0; i < 50; ++i) fifty += "(";
    fifty += "1";
    for (int i = 0; i < 50; ++i) fifty += ")";
    EXPECT_TRUE(ParsePascal(fifty + " end.").ok);
}

TEST(PascalScriptParse, LongFlatSourcesParse) {
    std::string source = "var x: integer; begin\r\n";
    for (int i = 0; i < 20000; ++i) source += "x := x + " + std::to_string(i) + ";\r\n";
    source += "end.";
    const ParseOutcome outcome = ParsePascal(source);
    ASSERT_TRUE(outcome.ok) << outcome.message;
    const std::string last = "assignstmt(dsgn(node:x) expr(dsgn(node:x) op:+ number:19999)))";
    ASSERT_GT(outcome.outline.size(), last.size());
    EXPECT_EQ(outcome.outline.substr(outcome.outline.size() - last.size()), last);
}
