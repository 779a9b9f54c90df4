#pragma once
// The program builder: turns the intermediate form that the parser left
// into the script's entries, statements, designators and expressions. All
// names, types and parameter counts are checked here, once; the first
// failed check ends the build with its message and the place it names.

#include "script/core/CustomVariable.h"

#include <memory>
#include <string>
#include <vector>

class TscScript;
class TscILParser;
class TscXMLItem;
class TscStatement;
class TscDesignator;
class TscExpression;
class TscProcVariable;

enum class TscDesignatorPurpose { Plain, Construction, Destruction };

class TscProgramBuilder {
public:
    // The parser must have parsed the script's text successfully.
    TscProgramBuilder(TscScript& program, TscILParser& parser);

    // Builds the parser's intermediate form into the program; false with the
    // script's error message, position and unit set when a check fails.
    bool BuildProgram();
    // A designator left unbuilt at compile time, built in its program now.
    static std::unique_ptr<TscDesignator> BuildDeferredDesignator(const TscXMLItem& source, TscScript& scope);

private:
    struct WithEntry {
        std::string name;
        TscCustomVariable* variable;
    };

    TscScript& program_;
    TscILParser& parser_;
    const TscXMLItem* programRoot_ = nullptr;
    std::string unitName_;
    std::vector<WithEntry> withList_;
    std::string errorPos_;
    // False while a deferred designator is built: its values are known now.
    bool mayDefer_ = true;
    // The source, for the texts that macro routines receive.
    std::string text_;

    void At(const TscXMLItem& element);
    [[noreturn]] void Fail(const std::string& message) const;

    // Blocks and statements.
    void BuildBlock(const TscXMLItem& element, TscScript& scope);
    void DeclareRoutines(const TscXMLItem& element, TscScript& scope);
    void DeclareRoutine(const TscXMLItem& element, TscScript& scope);
    void DeclareParameters(const TscXMLItem& parameters, TscProcVariable& routine);
    void BuildChildren(const TscXMLItem& element, TscScript& scope, TscStatement& list, int first = 0, int end = -1);
    void BuildStatement(const TscXMLItem& element, TscScript& scope, TscStatement& list);
    void Append(TscStatement& list, std::unique_ptr<TscStatement> statement);
    void BuildAssignment(const TscXMLItem& element, TscScript& scope, TscStatement& list);
    void BuildCall(const TscXMLItem& element, TscScript& scope, TscStatement& list);
    void BuildIf(const TscXMLItem& element, TscScript& scope, TscStatement& list);
    void BuildCase(const TscXMLItem& element, TscScript& scope, TscStatement& list);
    void BuildFor(const TscXMLItem& element, TscScript& scope, TscStatement& list);
    void BuildVbFor(const TscXMLItem& element, TscScript& scope, TscStatement& list);
    void BuildCppFor(const TscXMLItem& element, TscScript& scope, TscStatement& list);
    void BuildWhile(const TscXMLItem& element, TscScript& scope, TscStatement& list);
    void BuildRepeat(const TscXMLItem& element, TscScript& scope, TscStatement& list);
    void BuildTry(const TscXMLItem& element, TscScript& scope, TscStatement& list);
    void BuildReturn(const TscXMLItem& element, TscScript& scope, TscStatement& list);
    void BuildWith(const TscXMLItem& element, TscScript& scope, TscStatement& list);
    void BuildDelete(const TscXMLItem& element, TscScript& scope, TscStatement& list);
    void BuildUses(const TscXMLItem& element, TscScript& scope);
    void BuildRoutineBody(const TscXMLItem& element, TscScript& scope);
    TscCustomVariable& LoopVariable(const TscXMLItem& ident, TscScript& scope);
    std::unique_ptr<TscCustomExpression> LoopBound(const TscXMLItem& element, TscScript& scope, const TscCustomVariable& variable);

    // Declarations.
    void BuildVariables(const TscXMLItem& element, TscScript& scope, TscStatement& list);
    void BuildConst(const TscXMLItem& element, TscScript& scope);
    // The entry of one name of a `var` element; a parameter when `param`.
    std::unique_ptr<TscCustomVariable> MakeVariable(const TscXMLItem& element, int identIndex, TscScript& scope,
                                                    bool param, bool byReference);
    void MakeArray(const TscXMLItem& array, TscScript& scope, TscCustomVariable& variable);
    void CheckNotDeclared(const std::string& name, const TscScript& scope) const;
    TscVarType ResolveTypeName(std::string& typeName);

    // Names, designators and expressions.
    TscCustomVariable& FindName(const std::string& name, TscScript& scope);
    std::unique_ptr<TscDesignator> BuildDesignator(const TscXMLItem& element, TscScript& scope,
                                                   TscDesignatorPurpose purpose);
    void CheckArguments(TscDesignator& designator, TscScript& scope);
    std::unique_ptr<TscExpression> BuildExpression(const TscXMLItem& element, TscScript& scope);
    void AddExpressionParts(const TscXMLItem& element, TscScript& scope, TscExpression& expression);
    std::unique_ptr<TscSetExpression> BuildSet(const TscXMLItem& element, TscScript& scope);
    std::string SourceText(const std::string& from, const std::string& to) const;
    void CheckAssignable(const TscCustomVariable& target, const TscCustomVariable& source) const;
    TscCustomVariable& SystemEntry(const std::string& name, TscScript& scope) const;
};
