#pragma once
// Memo views: the text objects of a report. Their text may hold bracketed
// expressions with format suffixes, takes a display format, highlight and
// suppression of repeats, and is laid out and drawn by the report's text
// layout (600 dpi, the same line breaks at every scale); a memo can grow
// to its text's width and be cut across pages.

#include "report/layout/DrawText.h"
#include "report/objects/DisplayFormat.h"
#include "report/objects/Highlight.h"
#include "report/objects/View.h"
#include "report/text/WideStrings.h"
#include "ui/variant/Variant.h"

#include <string>

class TrpCustomMemoView : public TrpStretcheable {
    DECLARE_CLASS_INFO
public:
    explicit TrpCustomMemoView(TComponent* owner);

    TWideStrings* Memo() { return &memo_; }
    const TWideStrings& Memo() const { return memo_; }
    void SetMemo(TWideStrings* lines) { memo_.Assign(lines); }

    // Expansion of the text.
    bool AllowExpressions = true;
    std::string ExpressionDelimiters = "[,]";
    bool HideZeros = false;
    bool SuppressRepeated = false;
    TrpFormat* DisplayFormat() { return &displayFormat_; }
    const TrpFormat& DisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(TrpFormat* format) { displayFormat_.Assign(format); }
    TrpHighlight* Highlight() { return &highlight_; }
    void SetHighlight(TrpHighlight* highlight) { highlight_.Assign(highlight); }

    // Layout.
    bool AllowHTMLTags = false;
    bool AutoWidth = false;
    double CharSpacing = 0;
    bool Clipped = true;
    double GapX = 2;
    double GapY = 1;
    TrpHAlign HAlign = TrpHAlign::haLeft;
    TrpVAlign VAlign = TrpVAlign::vaTop;
    double LineSpacing = 2;
    double ParagraphGap = 0;
    bool RTLReading = false;
    bool Underlines = false;
    bool UseDefaultCharset = false;
    bool WordBreak = false;
    bool WordWrap = true;
    bool Wysiwyg = true;
    bool FirstParaBreak = false;
    bool LastParaBreak = false;
    int Rotation() const { return rotation_; }
    // The remainder keeps the sign: -90 stays -90.
    void SetRotation(int degrees) { rotation_ = degrees % 360; }

    // Set by printing (printer dots per report unit are in the scales).
    double PrintScale = 1;
    int TotalPages = 0;
    int CopyNo = 0;
    const Variant& Value() const { return value_; }

    // The text with its expressions replaced by their values.
    void FetchData() override;
    // One bracketed expression with its optional " #" format suffix.
    std::u16string EvaluateEmbedded(const std::u16string& expression);
    // The value as the format (the memo's DisplayFormat when none) shows it.
    std::u16string FormatValue(const Variant& value, const TrpFormat* format) const;
    // The page-total and copy-name markers get their values.
    void FillPageTotals();
    void ResetLastValue() { lastShownValue_ = Variant(std::string()); }

    void Draw(TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) override;
    // Whole report units the text needs at scale 1, gaps and frame included.
    double CalcHeight() override;
    double CalcWidth();
    // Cutting across pages: the part that fits stays, the rest waits in PartText.
    void StartParts() override;
    double CutPart() override;
    const std::u16string& PartText() const { return partText_; }
    // The text rectangle in device pixels at the scales, frame and gaps left out.
    TRect TextRectAt(double scaleX, double scaleY, double offsetX, double offsetY) const;

    std::string DifferenceText(const TrpComponent& reference) const override;

private:
    TrpDrawText& Layout() const;
    // Font, options and spacing of the memo given to the layout.
    void SetUpLayout(TrpDrawText& layout);
    void SetUpDrawText(TrpDrawText& layout, double scaleX, double scaleY, double offsetX, double offsetY);
    double HorizontalFrameAndGaps() const;
    double VerticalFrameAndGaps() const;
    void ExpandExpressions();

    TWideStrings memo_;
    TrpFormat displayFormat_;
    TrpHighlight highlight_;
    int rotation_ = 0;
    Variant value_ = Variant::Null();
    Variant lastShownValue_ = Variant::Null();
    std::u16string partText_;
};

class TrpMemoView : public TrpCustomMemoView {
    DECLARE_CLASS_INFO
public:
    using TrpCustomMemoView::TrpCustomMemoView;
};
