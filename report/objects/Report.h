#pragma once
// The report: the root of a report's object tree and owner of all its
// objects; its script and the evaluation of its expressions; its variables;
// preparing pages through its engine into its prepared-page store; and its
// template kept in files and streams.

#include "report/layout/DrawText.h"
#include "report/objects/ReportComponent.h"
#include "report/options/EngineOptions.h"
#include "report/variables/Variables.h"
#include "ui/core/Events.h"
#include "ui/core/StringList.h"
#include "ui/variant/Variant.h"

#include <functional>
#include <memory>
#include <string>

class TCustomIniFile;
class TTimer;
class TrpCustomEngine;
class TrpCustomPreviewPages;
class TrpExpressionCache;
class TrpReportComponent;
class TrpXMLSerializer;
class TscCustomVariable;
class TscScript;

class TrpReport : public TrpComponent {
    DECLARE_CLASS_INFO
public:
    // Makes the engine and the page store of a new report; the engine's
    // unit sets them at start-up. Without them a report prepares nothing.
    using EngineMaker = std::function<std::unique_ptr<TrpCustomEngine>(TrpReport&)>;
    using PreviewPagesMaker = std::function<std::unique_ptr<TrpCustomPreviewPages>(TrpReport&)>;
    static void SetEngineMakers(EngineMaker engine, PreviewPagesMaker pages);

    explicit TrpReport(TComponent* owner);
    ~TrpReport() override;

    static constexpr const char* kVersion = "1.0.0";
    static constexpr const char* kDefaultIniFile = "\\Software\\Deda Vozodiv";

    TStringList& Errors() { return errors_; }
    TrpEngineOptions& EngineOptions() { return engineOptions_; }
    // The serializer reading an object of the report, while one does.
    TrpXMLSerializer* CurrentReader() const { return currentReader_; }
    void SetCurrentReader(TrpXMLSerializer* reader) { currentReader_ = reader; }
    // The text layout its memos measure and draw with.
    TrpDrawText& DrawText() { return drawText_; }

    std::string Version() const { return kVersion; }
    // Whatever is given, the version stays kVersion.
    void SetVersion(const std::string&) {}
    const std::string& ScriptLanguage() const { return scriptLanguage_; }
    void SetScriptLanguage(const std::string& value) { scriptLanguage_ = value; }
    TStringList* ScriptText() { return &scriptText_; }
    void SetScriptText(TStringList* lines) { scriptText_.Assign(lines); }
    const std::string& IniFile() const { return iniFile_; }
    void SetIniFile(const std::string& value) { iniFile_ = value; }
    bool OldStyleProgress() const { return oldStyleProgress_; }
    void SetOldStyleProgress(bool value) { oldStyleProgress_ = value; }
    bool ShowProgress() const { return showProgress_; }
    void SetShowProgress(bool value) { showProgress_ = value; }
    bool StoreInForm() const { return storeInForm_; }
    void SetStoreInForm(bool value) { storeInForm_ = value; }
    bool DotMatrixReport() const { return dotMatrixReport_; }
    void SetDotMatrixReport(bool value) { dotMatrixReport_ = value; }
    const std::string& Password() const { return password_; }
    void SetPassword(const std::string& value) { password_ = value; }
    const std::string& OnStartReport() const { return onStartReport_; }
    void SetOnStartReport(const std::string& value) { onStartReport_ = value; }
    const std::string& OnStopReport() const { return onStopReport_; }
    void SetOnStopReport(const std::string& value) { onStopReport_ = value; }

    TrpVariables& Variables() { return variables_; }
    TscScript& Script() { return *script_; }
    TrpExpressionCache& ExpressionCache() { return *expressionCache_; }
    // Date, Time, Page, Page#, TotalPages, TotalPages#, Line, Line#, CopyName#.
    const TStringList& SystemVariableNames() const { return systemVariableNames_; }
    TrpCustomEngine* Engine() const { return engine_.get(); }
    TrpCustomPreviewPages* PreviewPages() const { return previewPages_.get(); }

    // Set to stop a preparation at the next check; also stops the script.
    bool Terminated() const { return terminated_; }
    void SetTerminated(bool value);
    // Set while the template is read back after a preparation.
    bool ReloadingTemplate = false;
    // The object being processed, named in expression errors.
    std::string CurrentObjectName;
    const std::string& FileName() const { return fileName_; }

    // Empties the template: the objects, variables and script, back to
    // the initial settings.
    void Clear() override;

    // Script set-up before a preparation; false (and the error listed)
    // when the script does not compile.
    bool PrepareScript();
    // The value of an expression in `script` (the report's when none):
    // a name the report knows, or a compiled expression. A failing
    // expression raises Exception naming it (and the current object), and
    // is listed in Errors unless `fromScriptCalc` says the script's own
    // Calc asked.
    Variant Calc(const std::string& expression, TscScript* script = nullptr, bool fromScriptCalc = false);
    // Fields, system variables, OnGetValue, report and global variables,
    // script variables, in that order.
    bool ResolveName(const std::string& name, Variant& value);
    // Calls the script procedure named by an object's event.
    void DoNotifyEvent(TObject* object, const std::string& eventName, bool runAlways = false);
    // As DoNotifyEvent with an argument array whose var elements come back.
    void DoParamEvent(const std::string& eventName, Variant& params, bool runAlways = false);
    void SetScriptValue(const Variant& value);
    void SetScriptSelf(TObject* object);

    // Prepares the pages: script, engine run, template restored. True only
    // when pages were prepared without any error; the errors are shown as
    // the engine options' silent mode says.
    bool PreparePages(bool clearLastReport = true);
    // Arms the timer that prepares the pages at the next turn of the
    // message loop, then shows them.
    void ShowReport(bool clearLastReport = true);
    void ShowPreparedPages();
    // Prints the prepared pages; false when there was nothing to print.
    bool Print();
    TTimer& PrepareTimer() { return *prepareTimer_; }

    // Progress of a preparation (ptRunning), export or print.
    enum class TrpProgressType { ptRunning, ptExporting, ptPrinting };
    void DoProgressStart(TrpProgressType type);
    void DoProgress(TrpProgressType type, int progress);
    void DoProgressStop(TrpProgressType type);

    // The template in the report XML form. LoadFromFile: true when the
    // file exists; a missing file raises only with exceptionIfNotFound.
    bool LoadFromFile(const std::string& fileName, bool exceptionIfNotFound = false);
    void LoadFromStream(TStream& stream) override;
    // A failed write leaves an existing file as it was.
    void SaveToFile(const std::string& fileName);
    void SaveToStream(TStream& stream, bool saveChildren = true, bool saveDefaultValues = false,
                      bool alwaysClassNames = false) override;
    // Every template has a data page "Data", first among the pages.
    void EnsureDataPage();

    // The INI file the library's own windows keep their settings in: in the
    // user's configuration folder, named after the last part of IniFile.
    std::unique_ptr<TCustomIniFile> SettingsStore() const;

    std::function<void(const std::string& name, Variant& value)> OnGetValue;
    std::function<void(TObject* sender, const std::string& name, Variant& value)> OnNewGetValue;
    std::function<void(TrpReportComponent* sender)> OnBeforePrint;
    std::function<void(TrpReportComponent* sender)> OnAfterPrint;
    TNotifyEvent OnBeginDoc;
    TNotifyEvent OnEndDoc;
    TNotifyEvent OnAfterScriptCompile;
    std::function<void(TrpReport& sender, TrpProgressType type, int progress)> OnProgressStart;
    std::function<void(TrpReport& sender, TrpProgressType type, int progress)> OnProgress;
    std::function<void(TrpReport& sender, TrpProgressType type, int progress)> OnProgressStop;
    // Shows the prepared pages (the preview control's part); nothing shows
    // them while it is unset.
    std::function<void(TrpReport& sender)> OnShowPreparedPages;

private:
    Variant SystemVariable(int index) const;
    Variant ScriptFunction(const std::string& name, Variant& params);
    Variant ScriptGet(const std::string& name);
    void ReadTemplate(TStream& stream);

    TStringList errors_;
    TrpEngineOptions engineOptions_;
    TrpXMLSerializer* currentReader_ = nullptr;
    TrpDrawText drawText_;
    bool terminated_ = false;
    std::string scriptLanguage_;
    TStringList scriptText_;
    std::string iniFile_ = kDefaultIniFile;
    bool oldStyleProgress_ = false;
    bool showProgress_ = true;
    bool storeInForm_ = true;
    bool dotMatrixReport_ = false;
    std::string password_;
    std::string onStartReport_, onStopReport_;
    std::string fileName_;
    TrpVariables variables_;
    std::unique_ptr<TscScript> script_;
    std::unique_ptr<TrpExpressionCache> expressionCache_;
    TStringList systemVariableNames_;
    std::unique_ptr<TrpCustomEngine> engine_;
    std::unique_ptr<TrpCustomPreviewPages> previewPages_;
    std::unique_ptr<TTimer> prepareTimer_;
    TscCustomVariable* valueVariable_ = nullptr;
    TscCustomVariable* selfVariable_ = nullptr;
};

// Password text in a template: every character code lowered (raised) by
// 10, modulo 256.
std::string ScramblePassword(const std::string& text);
std::string UnscramblePassword(const std::string& text);
