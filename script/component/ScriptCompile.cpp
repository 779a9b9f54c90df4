#include "script/component/Script.h"

#include "script/builder/ProgramBuilder.h"
#include "script/parser/ILParser.h"
#include "ui/core/Exceptions.h"

bool TscScript::Compile() {
    compileTarget_.ErrorMessage.clear();
    TscILParser parser(compileTarget_);
    try {
        parser.SelectLanguage(SyntaxType);
        if (parser.ParseSource(lines_.Text())) {
            TscProgramBuilder builder(*this, parser);
            builder.BuildProgram();
        }
    } catch (const Exception& error) {
        // An unknown or broken grammar.
        compileTarget_.ErrorMessage = error.Message();
        return false;
    }
    if (!compileTarget_.ErrorMessage.empty()) return false;
    compileTarget_.ErrorPosition.clear();
    return true;
}
