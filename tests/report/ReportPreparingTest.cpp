#include "platform/display/DisplayTesting.h"
#include "platform/system/Clock.h"
#include "report/engine/CustomEngine.h"
#include "report/objects/MemoView.h"
#include "report/objects/Page.h"
#include "report/objects/Report.h"
#include "report/objects/ReportClasses.h"
#include "report/text/Utf16Text.h"
#include "ui/core/Exceptions.h"
#include "ui/core/TypeInfo.h"
#include "ui/forms/Timer.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

// An engine whose run is what the test says; it counts its runs.
class ScriptedEngine : public TrpCustomEngine {
public:
    using TrpCustomEngine::TrpCustomEngine;
    void FinishPage() override {}
    void NewColumn() override {}
    void NewPage() override {}
    void ShowBand(TrpBand*) override {}
    void ShowBandOfKind(const TClassInfo&) override {}
    double HeadersHeight() override { return 0; }
    double FootersHeight() override { return 0; }
    double FreeSpace() override { return 0; }
    Variant AggregateValue(const std::string&, const std::string&, TrpBand*, int) override { return Variant(); }
    bool Run() override {
        ++runs;
        return onRun ? onRun(*Report()) : true;
    }
    int runs = 0;
    std::function<bool(TrpReport&)> onRun;
};

// Every report made inside the scope gets a ScriptedEngine.
struct ScriptedEngines {
    ScriptedEngines() {
        TrpReport::SetEngineMakers([](TrpReport& r) { return std::make_unique<ScriptedEngine>(&r); }, nullptr);
    }
    ~ScriptedEngines() { TrpReport::SetEngineMakers(nullptr, nullptr); }
};

ScriptedEngine& EngineOf(TrpReport& report) { return *static_cast<ScriptedEngine*>(report.Engine()); }

// A silent report with one page and a memo "Memo1" reading "Template".
void Fill(TrpReport& report) {
    RegisterReportClasses();
    report.EngineOptions().SetSilentMode(true);
    auto* page = new TrpReportPage(&report);
    page->SetName("Page1");
    auto* memo = new TrpMemoView(page);
    memo->SetName("Memo1");
    memo->Memo()->SetText(u"Template");
}

std::string Memo1Text(TrpReport& report) {
    auto* memo = dynamic_cast<TrpMemoView*>(report.FindObject("Memo1"));
    return memo ? Utf16ToUtf8(memo->Memo()->Text()) : "<none>";
}

TEST(ReportPreparingTest, OutcomesOfAPreparation) {
    struct Case {
        const char* what;
        const char* script;
        bool engineSucceeds;
        bool stopAfterCompile;
        bool expected;
        int runs;
        const char* error;  // the start of the one listed error; none when empty
    };
    const Case cases[] = {
        {"script and engine succeed", "begin\r\nend.", true, false, true, 1, ""},
        {"the engine fails", "begin\r\nend.", false, false, false, 1, ""},
        {"the script does not compile", "begin\r\n  x := ;\r\nend.", true, false, false, 0, "Script error at "},
        {"the script raises", "var Z: Integer;\r\nbegin\r\n  Z := 0;\r\n  Z := 1 div Z\r\nend.", true, false, false,
         0, ""},
        {"the report is stopped before the run", "begin\r\nend.", true, true, false, 0, ""},
    };
    ScriptedEngines engines;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TrpReport report(nullptr);
        Fill(report);
        report.ScriptText()->SetText(c.script);
        EngineOf(report).onRun = [&](TrpReport&) { return c.engineSucceeds; };
        int begun = 0, ended = 0;
        report.OnBeginDoc = [&](TObject*) { ++begun; };
        report.OnEndDoc = [&](TObject*) { ++ended; };
        if (c.stopAfterCompile) report.OnAfterScriptCompile = [&](TObject*) { report.SetTerminated(true); };
        EXPECT_EQ(report.PreparePages(), c.expected) << report.Errors().Text();
        EXPECT_EQ(EngineOf(report).runs, c.runs);
        EXPECT_EQ(begun, 1);
        EXPECT_EQ(ended, c.expected ? 1 : 0);
        if (*c.error) {
            ASSERT_EQ(report.Errors().Count(), 1);
            EXPECT_EQ(report.Errors().Strings(0).rfind(c.error, 0), 0u) << report.Errors().Strings(0);
        }
    }
}

TEST(ReportPreparingTest, AReportWithoutAnEngineNeverSucceeds) {
    TrpReport report(nullptr);
    Fill(report);
    EXPECT_FALSE(report.PreparePages());
    ASSERT_EQ(report.Errors().Count(), 1);
    EXPECT_NE(report.Errors().Strings(0).find("нет механизма построения"), std::string::npos);
}

TEST(ReportPreparingTest, ErrorsReachTheCallerAsTheSilentModeSays) {
    TrpReport report(nullptr);
    Fill(report);
    report.EngineOptions().NewSilentMode = TrpSilentMode::simReThrow;
    report.ScriptText()->SetText("begin\r\n  x := ;\r\nend.");
    try {
        report.PreparePages();
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message().rfind("The following error(s) have occured:\r\nScript error at ", 0), 0u) << e.Message();
    }
}

TEST(ReportPreparingTest, TheTemplateIsRestoredAfterTheRun) {
    ScriptedEngines engines;
    TrpReport report(nullptr);
    Fill(report);
    EngineOf(report).onRun = [](TrpReport& r) {
        dynamic_cast<TrpMemoView*>(r.FindObject("Memo1"))->Memo()->SetText(u"Changed by the run");
        return true;
    };
    ASSERT_TRUE(report.PreparePages()) << report.Errors().Text();
    EXPECT_EQ(Memo1Text(report), "Template\r\n");
    // With DestroyForms off the run works on the template itself.
    report.EngineOptions().DestroyForms = false;
    ASSERT_TRUE(report.PreparePages());
    EXPECT_EQ(Memo1Text(report), "Changed by the run\r\n");
}

TEST(ReportPreparingTest, ShowReportPreparesOnceAtTheNextTimerTick) {
    platform::testing::VirtualClockScope clock;
    auto run = [](int ms) {
        platform::testing::AdvanceClock(ms);
        platform::testing::PumpMessages();
    };
    ScriptedEngines engines;
    TrpReport report(nullptr);
    Fill(report);
    int shown = 0;
    report.OnShowPreparedPages = [&](TrpReport&) { ++shown; };
    report.ShowReport();
    report.ShowReport();
    EXPECT_EQ(EngineOf(report).runs, 0);  // nothing is prepared before the loop turns
    EXPECT_EQ(shown, 2);
    EXPECT_TRUE(report.PrepareTimer().Enabled());
    run(60);
    EXPECT_EQ(EngineOf(report).runs, 1);
    EXPECT_FALSE(report.PrepareTimer().Enabled());
    run(200);
    EXPECT_EQ(EngineOf(report).runs, 1);
}

TEST(ReportPreparingTest, OldStyleProgressPreparesAtOnceAndShowsOnlySuccess) {
    ScriptedEngines engines;
    TrpReport report(nullptr);
    Fill(report);
    report.SetOldStyleProgress(true);
    int shown = 0;
    report.OnShowPreparedPages = [&](TrpReport&) { ++shown; };
    EngineOf(report).onRun = [](TrpReport&) { return false; };
    report.ShowReport();
    EXPECT_EQ(EngineOf(report).runs, 1);
    EXPECT_EQ(shown, 0);
    EngineOf(report).onRun = nullptr;
    report.ShowReport();
    EXPECT_EQ(shown, 1);
}

TEST(ReportPreparingTest, EngineStopsTheReportAndReadsItsOptions) {
    ScriptedEngines engines;
    TrpReport report(nullptr);
    TrpCustomEngine& engine = *report.Engine();
    EXPECT_EQ(engine.Report(), &report);
    EXPECT_FALSE(engine.DoublePass());
    report.EngineOptions().DoublePass = true;
    EXPECT_TRUE(engine.DoublePass());
    engine.StopReport();
    EXPECT_TRUE(report.Terminated());
    // The script binding reads the engine's published properties.
    engine.SetCurY(12.5);
    const TPropInfo* curY = engine.ClassType().FindProperty("CurY");
    ASSERT_NE(curY, nullptr);
    EXPECT_DOUBLE_EQ(curY->GetFloat(engine), 12.5);
}

}  // namespace
