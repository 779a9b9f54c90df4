#include "report/objects/Report.h"

#include "report/engine/CustomEngine.h"
#include "report/engine/CustomPreviewPages.h"
#include "report/resources/Resources.h"
#include "report/utils/ErrorReporting.h"
#include "report/utils/TempFiles.h"
#include "script/component/Script.h"
#include "script/statements/Statement.h"
#include "ui/core/Exceptions.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/ScopeGuards.h"
#include "ui/forms/Application.h"
#include "ui/forms/Timer.h"

namespace {

constexpr const char* kNoEngineText = "Отчёт не может быть построен: нет механизма построения страниц";

}  // namespace

bool TrpReport::PreparePages(bool clearLastReport) {
    if (clearLastReport && previewPages_) previewPages_->ClearPages();
    errors_.Clear();
    terminated_ = false;
    bool result = false;

    // The run may change the template (scripts set texts, the engine moves
    // objects): it is kept aside and read back afterwards.
    const std::string heldPassword = password_;
    std::unique_ptr<TrpTempFile> heldFile;
    std::unique_ptr<TMemoryStream> heldMemory;
    TStream* held = nullptr;
    if (engineOptions_.DestroyForms) {
        if (engineOptions_.UseFileCache) {
            heldFile = std::make_unique<TrpTempFile>(engineOptions_.TempDir);
            held = &heldFile->Stream();
        } else {
            heldMemory = std::make_unique<TMemoryStream>();
            held = heldMemory.get();
        }
        password_.clear();
        SaveToStream(*held, true, false);
    }

    try {
        if (OnBeginDoc) OnBeginDoc(this);
        if (PrepareScript()) {
            if (OnAfterScriptCompile) OnAfterScriptCompile(this);
            if (script_->RootStatement().Count() > 0) script_->Execute();
            if (!terminated_) {
                if (!engine_)
                    errors_.Add(kNoEngineText);
                else if (engine_->Run()) {
                    if (OnEndDoc) OnEndDoc(this);
                    result = true;
                }
            }
        }
    } catch (const Exception& e) {
        errors_.Add(e.Message());
    }

    if (held) {
        const std::string heldErrors = errors_.Text();
        held->SetPosition(0);
        ReloadingTemplate = true;
        ScopeExit restore([&] {
            ReloadingTemplate = false;
            password_ = heldPassword;
            errors_.SetText(heldErrors);
        });
        LoadFromStream(*held);
    }

    if (errors_.Count() == 0) return result;
    rpReportError(*this, rpResourceManager().Get("clErrors") + "\r\n" + errors_.Text());
    return false;
}

void TrpReport::ShowReport(bool clearLastReport) {
    if (clearLastReport && previewPages_) previewPages_->ClearPages();
    if (!oldStyleProgress_)
        prepareTimer_->SetEnabled(true);
    else if (!PreparePages(false))
        return;
    ShowPreparedPages();
}

void TrpReport::ShowPreparedPages() {
    if (OnShowPreparedPages) OnShowPreparedPages(*this);
}

bool TrpReport::Print() { return previewPages_ && previewPages_->Print(); }

void TrpReport::DoProgressStart(TrpProgressType type) {
    if (engineOptions_.ThreadSafeMode) return;
    if (OnProgressStart) OnProgressStart(*this, type, 0);
    Application->ProcessMessages();
}

void TrpReport::DoProgress(TrpProgressType type, int progress) {
    if (engineOptions_.ThreadSafeMode) return;
    if (OnProgress) OnProgress(*this, type, progress);
    Application->ProcessMessages();
}

void TrpReport::DoProgressStop(TrpProgressType type) {
    if (engineOptions_.ThreadSafeMode) return;
    if (OnProgressStop) OnProgressStop(*this, type, 0);
    Application->ProcessMessages();
}
