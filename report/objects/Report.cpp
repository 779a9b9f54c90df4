#include "report/objects/Report.h"

#include "report/engine/CustomEngine.h"
#include "report/engine/CustomPreviewPages.h"
#include "report/library/ReportLibrary.h"
#include "report/script/ExpressionCache.h"
#include "script/component/Script.h"
#include "ui/core/PublishedProperties.h"
#include "ui/forms/Timer.h"

namespace {

constexpr unsigned kPrepareDelayMs = 50;
constexpr const char* kDefaultScriptLanguage = "PascalScript";
constexpr const char* kSystemVariables[] = {"Date", "Time", "Page", "Page#", "TotalPages", "TotalPages#",
                                            "Line", "Line#", "CopyName#"};

TrpReport::EngineMaker& EngineMakerSlot() {
    static TrpReport::EngineMaker maker;
    return maker;
}

TrpReport::PreviewPagesMaker& PreviewPagesMakerSlot() {
    static TrpReport::PreviewPagesMaker maker;
    return maker;
}

}  // namespace

const TClassInfo& TrpReport::StaticClass() {
    using R = TrpReport;
    static const TClassInfo info =
        TPublished<R>("TrpReport", TrpComponent::StaticClass())
            .String("Version", &R::Version, &R::SetVersion)
            .Boolean("DotMatrixReport", &R::DotMatrixReport, &R::SetDotMatrixReport)
            .Object("EngineOptions", &TrpEngineOptions::StaticClass, [](R& r) { return &r.EngineOptions(); }, nullptr)
            .String("IniFile", &R::IniFile, &R::SetIniFile)
            .Boolean("OldStyleProgress", &R::OldStyleProgress, &R::SetOldStyleProgress, false)
            .String("ScriptLanguage", &R::ScriptLanguage, &R::SetScriptLanguage)
            .Object("ScriptText", &TStringList::StaticClass, &R::ScriptText, &R::SetScriptText)
            .Boolean("ShowProgress", &R::ShowProgress, &R::SetShowProgress, true)
            .Boolean("StoreInForm", &R::StoreInForm, &R::SetStoreInForm, true)
            .String("OnStartReport", &R::OnStartReport, &R::SetOnStartReport)
            .String("OnStopReport", &R::OnStopReport, &R::SetOnStopReport)
            .Build();
    return info;
}

void TrpReport::SetEngineMakers(EngineMaker engine, PreviewPagesMaker pages) {
    EngineMakerSlot() = std::move(engine);
    PreviewPagesMakerSlot() = std::move(pages);
}

TrpReport::TrpReport(TComponent* owner)
    : TrpComponent(owner),
      script_((rpStartReportLibrary(), std::make_unique<TscScript>(nullptr))),
      prepareTimer_(std::make_unique<TTimer>(nullptr)) {
    script_->AddRTTI();
    expressionCache_ = std::make_unique<TrpExpressionCache>(*script_);
    errors_.SetSorted(true);
    errors_.SetDuplicates(TDuplicates::dupIgnore);
    prepareTimer_->SetEnabled(false);
    prepareTimer_->SetInterval(kPrepareDelayMs);
    prepareTimer_->OnTimer = [this](TObject*) {
        prepareTimer_->SetEnabled(false);
        PreparePages(false);
    };
    if (EngineMakerSlot()) engine_ = EngineMakerSlot()(*this);
    if (PreviewPagesMakerSlot()) previewPages_ = PreviewPagesMakerSlot()(*this);
    if (engine_ && previewPages_) {
        engine_->SetPreviewPages(previewPages_.get());
        previewPages_->SetEngine(engine_.get());
    }
    Clear();
}

TrpReport::~TrpReport() {
    // The objects may still call back into the script and the page store.
    TrpComponent::Clear();
}

void TrpReport::SetTerminated(bool value) {
    terminated_ = value;
    if (value) script_->Terminate();
}

void TrpReport::Clear() {
    TrpComponent::Clear();
    variables_.Clear();
    engineOptions_.Clear();
    dotMatrixReport_ = false;
    password_.clear();
    scriptLanguage_ = kDefaultScriptLanguage;
    scriptText_.Clear();
    for (const char* line : {"begin", "", "end."}) scriptText_.Add(line);
    systemVariableNames_.Clear();
    for (const char* name : kSystemVariables) systemVariableNames_.Add(name);
    onStartReport_.clear();
    onStopReport_.clear();
}

std::string ScramblePassword(const std::string& text) {
    std::string result = text;
    constexpr unsigned char kShift = 10;
    for (char& c : result) c = static_cast<char>(static_cast<unsigned char>(c) - kShift);
    return result;
}

std::string UnscramblePassword(const std::string& text) {
    std::string result = text;
    constexpr unsigned char kShift = 10;
    for (char& c : result) c = static_cast<char>(static_cast<unsigned char>(c) + kShift);
    return result;
}
