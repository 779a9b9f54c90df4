#include "report/library/ReportLibrary.h"

#include "report/library/GlobalDataSetList.h"
#include "report/objects/ReportClasses.h"
#include "report/resources/Resources.h"
#include "report/variables/Variables.h"
#include "script/grammar/ScriptGrammars.h"
#include "script/messages/ScriptMessages.h"

#include <map>
#include <string>

namespace {

const std::map<std::string_view, std::string*>& ScriptMessageVariables() {
    static const std::map<std::string_view, std::string*> variables = {
        {"SLangNotFound", &SLangNotFound},       {"SInvalidLanguage", &SInvalidLanguage},
        {"SIdRedeclared", &SIdRedeclared},       {"SUnknownType", &SUnknownType},
        {"SIncompatibleTypes", &SIncompatibleTypes}, {"SIdUndeclared", &SIdUndeclared},
        {"SClassRequired", &SClassRequired},     {"SIndexRequired", &SIndexRequired},
        {"SStringError", &SStringError},         {"SClassError", &SClassError},
        {"SArrayRequired", &SArrayRequired},     {"SVarRequired", &SVarRequired},
        {"SNotEnoughParams", &SNotEnoughParams}, {"STooManyParams", &STooManyParams},
        {"SLeftCantAssigned", &SLeftCantAssigned}, {"SForError", &SForError},
        {"SEventError", &SEventError},
    };
    return variables;
}

}  // namespace

std::recursive_mutex& rpGlobalLock() {
    static std::recursive_mutex lock;
    return lock;
}

TrpGlobalDataSetList& rpGlobalDataSetList() {
    static TrpGlobalDataSetList list;
    return list;
}

void rpStartReportLibrary() {
    static std::once_flag started;
    std::call_once(started, [] {
        rpGlobalLock();
        rpGlobalDataSetList();
        rpGlobalVariables();
        RegisterReportClasses();
        RegisterScriptGrammars();
        for (const auto& [name, variable] : ScriptMessageVariables()) *variable = rpResourceManager().Get(name);
        // Every later string-table load refreshes them too.
        rpResourceManager().SetScriptMessageSink([](std::string_view name, const std::string& text) {
            const auto found = ScriptMessageVariables().find(name);
            if (found != ScriptMessageVariables().end()) *found->second = text;
        });
    });
}
