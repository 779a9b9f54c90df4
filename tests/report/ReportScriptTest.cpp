#include "report/objects/MemoView.h"
#include "report/objects/Page.h"
#include "report/objects/Report.h"
#include "report/objects/ReportClasses.h"
#include "report/script/ExpressionCache.h"
#include "report/text/Utf16Text.h"
#include "report/variables/Variables.h"
#include "script/component/Script.h"
#include "ui/core/Exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::string MemoText(TrpReport& report, const char* name) {
    auto* memo = dynamic_cast<TrpMemoView*>(report.FindObject(name));
    if (!memo) return "<no memo " + std::string(name) + ">";
    memo->FetchData();
    std::u16string text = memo->Memo()->Text();
    if (text.ends_with(u"\r\n")) text.resize(text.size() - 2);
    return Utf16ToUtf8(text);
}

TEST(ReportScriptTest, TemplateFromFileCompilesItsScriptAndEvaluatesItsMemos) {
    RegisterReportClasses();
    TrpReport report(nullptr);
    report.EngineOptions().SetSilentMode(true);
    ASSERT_TRUE(report.LoadFromFile(std::string(VELZAR_TEST_DATA_DIR) + "/template-expressions.xml"));
    ASSERT_EQ(report.Errors().Count(), 0) << report.Errors().Text();
    report.Variables().SetVariables("Apogee", 1234.56);
    ASSERT_TRUE(report.PrepareScript()) << report.Errors().Text();
    report.Script().Execute();
    EXPECT_EQ(MemoText(report, "MemoSum"), "Сумма: 5");
    EXPECT_EQ(MemoText(report, "MemoTwice"), "Вдвое: 42");
    EXPECT_EQ(MemoText(report, "MemoApogee"), "Высота 1234.6 м");
    EXPECT_EQ(report.Errors().Count(), 0) << report.Errors().Text();
}

TEST(ReportScriptTest, ScriptThatDoesNotCompileIsOneErrorWithItsPosition) {
    TrpReport report(nullptr);
    report.ScriptText()->SetText("begin\r\n  x := ;\r\nend.");
    EXPECT_FALSE(report.PrepareScript());
    ASSERT_EQ(report.Errors().Count(), 1);
    const std::string error = report.Errors().Strings(0);
    EXPECT_EQ(error.rfind("Script error at " + report.Script().ErrorPosition() + ": ", 0), 0u) << error;
    EXPECT_FALSE(report.Script().ErrorPosition().empty());
    EXPECT_FALSE(report.Script().ErrorMessage().empty());
}

TEST(ReportScriptTest, NamesResolveByTheirRules) {
    struct Case {
        const char* what;
        const char* expression;
        Variant expected;
    };
    TrpReport report(nullptr);
    report.Variables().SetVariables("Sum23", std::string("2+3"));
    report.Variables().SetVariables("Lines", std::string("2+3\r\nplain"));
    report.Variables().SetVariables("Items", std::int64_t{7});
    report.Variables().SetVariables("Shadowed", std::string("'report'"));
    rpGlobalVariables().SetVariables("GlobalText", std::string("2+3"));
    report.ScriptText()->SetText("var Counter: Integer;\r\nbegin\r\n  Counter := 9\r\nend.");
    ASSERT_TRUE(report.PrepareScript()) << report.Errors().Text();
    report.Script().Execute();
    report.OnGetValue = [](const std::string& name, Variant& value) {
        if (name == "Shadowed") value = "host";
    };
    const Case cases[] = {
        {"a one-line text variable is an expression", "Sum23", std::int64_t{5}},
        {"a text with a line break is plain text", "Lines", "2+3\r\nplain"},
        {"a number variable is its value", "Items", std::int64_t{7}},
        {"the host answers before the variables", "Shadowed", "host"},
        {"a global variable is never evaluated", "GlobalText", "2+3"},
        {"a script variable", "Counter", std::int64_t{9}},
        {"report variables through Get, script ones by name", "Get('Items') * 2 + Counter", std::int64_t{23}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Variant value = report.Calc(c.expression);
        EXPECT_EQ(VarToStr(value), VarToStr(c.expected));
    }
    rpGlobalVariables().Clear();
}

TEST(ReportScriptTest, ExpressionsDifferingInCaseShareOneFunction) {
    TrpReport report(nullptr);
    ASSERT_TRUE(report.PrepareScript());
    report.Variables().SetVariables("A", std::int64_t{2});
    report.Variables().SetVariables("B", std::int64_t{3});
    EXPECT_EQ(report.Calc("Get('A')+Get('B')").AsInteger(), 5);
    EXPECT_EQ(report.Calc("get('a')+get('b')").AsInteger(), 5);
    EXPECT_EQ(report.ExpressionCache().Count(), 1);
    EXPECT_EQ(report.Calc("10 - 4").AsInteger(), 6);
    EXPECT_EQ(report.ExpressionCache().Count(), 2);
}

TEST(ReportScriptTest, FailingExpressionsRaiseWithTheirTextAndObject) {
    TrpReport report(nullptr);
    ASSERT_TRUE(report.PrepareScript());
    report.CurrentObjectName = "Memo7";
    try {
        report.Calc("1 +");
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message().rfind("Memo7: Error in expression '1 +': ", 0), 0u) << e.Message();
    }
    ASSERT_EQ(report.Errors().Count(), 1);
    EXPECT_EQ(report.Errors().Strings(0).rfind("Memo7: Error in expression '1 +'", 0), 0u);
    // The script's own Calc gets its message and lists nothing.
    report.Errors().Clear();
    EXPECT_THROW(report.Calc("NoSuchName", nullptr, true), Exception);
    EXPECT_EQ(report.Errors().Count(), 0);
}

// A report whose script has a variable Zero holding 0.
void PrepareWithZero(TrpReport& report) {
    report.ScriptText()->SetText("var Zero: Integer;\r\nbegin\r\n  Zero := 0\r\nend.");
    ASSERT_TRUE(report.PrepareScript()) << report.Errors().Text();
    report.Script().Execute();
}

TEST(ReportScriptTest, DivisionByZeroPassesOnlyWhenTold) {
    TrpReport report(nullptr);
    PrepareWithZero(report);
    EXPECT_THROW(report.Calc("1 / Zero"), Exception);
    report.Errors().Clear();
    report.EngineOptions().IgnoreDevByZero = true;
    EXPECT_TRUE(report.Calc("1 / Zero").IsNull());
    EXPECT_EQ(report.Errors().Count(), 0);
}

TEST(ReportScriptTest, IifEvaluatesOnlyTheChosenBranch) {
    TrpReport report(nullptr);
    std::vector<std::string> asked;
    report.OnGetValue = [&](const std::string& name, Variant&) { asked.push_back(name); };
    report.ScriptText()->SetText("var Zero: Integer;\r\n  X, Y: String;\r\nbegin\r\n  Zero := 0;\r\n  X := 'x';\r\n"
                                 "  Y := 'y'\r\nend.");
    ASSERT_TRUE(report.PrepareScript()) << report.Errors().Text();
    report.Script().Execute();
    EXPECT_EQ(VarToStr(report.Calc("IIF(1 > 2, X, Y)")), "y");
    EXPECT_NE(std::find(asked.begin(), asked.end(), "Y"), asked.end());
    EXPECT_EQ(std::find(asked.begin(), asked.end(), "X"), asked.end());
    // A failing branch leaves Null; IIF itself never raises.
    EXPECT_TRUE(report.Calc("IIF(1 < 2, 1 / Zero, 0)").IsNull());
}

TEST(ReportScriptTest, GetAndSetReachTheReportVariables) {
    TrpReport report(nullptr);
    report.ScriptText()->SetText("begin\r\n  Set('Answer', 40 + 2);\r\n  Get('Missing');\r\n  Get('Missing')\r\nend.");
    ASSERT_TRUE(report.PrepareScript()) << report.Errors().Text();
    report.Script().Execute();
    EXPECT_EQ(ValueText(report.Variables().Variables("Answer")), "42");
    ASSERT_EQ(report.Errors().Count(), 1);
    EXPECT_EQ(report.Errors().Strings(0), "Unknown variable or datafield: Missing");
}

TEST(ReportScriptTest, ObjectsAndReportAreScriptNamesAndEventsNeedARun) {
    RegisterReportClasses();
    TrpReport report(nullptr);
    auto* page = new TrpReportPage(&report);
    page->SetName("Page1");
    auto* memo = new TrpMemoView(page);
    memo->SetName("Memo1");
    report.ScriptText()->SetText(
        "var Calls: Integer;\r\nprocedure Memo1OnBeforePrint(Sender: TObject);\r\nbegin\r\n  Calls := Calls + 1\r\n"
        "end;\r\nbegin\r\n  Calls := 0\r\nend.");
    ASSERT_TRUE(report.PrepareScript()) << report.Errors().Text();
    report.Script().Execute();
    EXPECT_NE(report.Script().Find("Memo1"), nullptr);
    EXPECT_NE(report.Script().Find("Report"), nullptr);
    EXPECT_NE(report.Script().Find("Value"), nullptr);
    // Not running and not told to run always: nothing is called.
    report.DoNotifyEvent(memo, "Memo1OnBeforePrint");
    EXPECT_EQ(report.Calc("Calls").AsInteger(), 0);
    report.DoNotifyEvent(memo, "Memo1OnBeforePrint", true);
    EXPECT_EQ(report.Calc("Calls").AsInteger(), 1);
    report.SetScriptValue(17);
    EXPECT_EQ(report.Calc("Value + 1").AsInteger(), 18);
}

TEST(ReportScriptTest, ASecondSetUpReplacesTheReportsEntries) {
    TrpReport report(nullptr);
    ASSERT_TRUE(report.PrepareScript());
    const int entries = report.Script().Count();
    ASSERT_TRUE(report.PrepareScript());
    EXPECT_EQ(report.Script().Count(), entries);
}

}  // namespace
