#pragma once
// Memo views: the text objects of a report, their text a list of UTF-16
// lines. (Expressions, formats and text layout come with the memo's own unit.)

#include "report/objects/View.h"
#include "report/text/WideStrings.h"

class TrpCustomMemoView : public TrpStretcheable {
    DECLARE_CLASS_INFO
public:
    explicit TrpCustomMemoView(TComponent* owner);

    TWideStrings* Memo() { return &memo_; }
    const TWideStrings& Memo() const { return memo_; }
    void SetMemo(TWideStrings* lines) { memo_.Assign(lines); }

private:
    TWideStrings memo_;
};

class TrpMemoView : public TrpCustomMemoView {
    DECLARE_CLASS_INFO
public:
    using TrpCustomMemoView::TrpCustomMemoView;
};
