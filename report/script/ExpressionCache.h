#pragma once
// Expressions of a report compiled once per preparation: each distinct text
// becomes a one-line function of a script of its own whose parent is the
// script the expression runs in, so it sees that script's names.

#include "ui/core/StringList.h"
#include "ui/variant/Variant.h"

#include <memory>
#include <string>

class TscScript;

class TrpExpressionCache {
public:
    explicit TrpExpressionCache(TscScript& mainScript);
    ~TrpExpressionCache();
    TrpExpressionCache(const TrpExpressionCache&) = delete;
    TrpExpressionCache& operator=(const TrpExpressionCache&) = delete;

    // The value of `expression` run in `script` (the main script when none).
    // A text that does not compile, or whose run raises Exception, gives
    // Null and the error in `errorText`; other exceptions pass on.
    Variant Calc(const std::string& expression, std::string& errorText, TscScript* script = nullptr);
    void Clear();
    // The last Calc failed by a division by zero.
    bool DividedByZero() const { return dividedByZero_; }

    std::string ScriptLanguage = "PascalScript";
    // Texts that differ only in case share one function.
    int Count() const { return expressions_.Count(); }

private:
    // The function text of expression number `index` in ScriptLanguage.
    std::string FunctionText(const std::string& expression, int index) const;

    TscScript& mainScript_;
    std::unique_ptr<TscScript> cacheScript_;
    TStringList expressions_;
    bool dividedByZero_ = false;
};
