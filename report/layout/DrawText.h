#pragma once
// Text layout of memo views: the text is measured at 600 dpi, so a memo
// breaks its lines in the same places on the screen at any zoom and on any
// printer; each line is then drawn with its characters placed by those
// widths, aligned, justified, indented, rotated and spaced as asked.
//
// Callers: EnterLock; UseFont, UseOptions, UseSpacing, UseBounds, LoadText
// (and MarkContinuation); then Paint or a measure; LeaveLock.

#include "report/layout/HtmlTags.h"
#include "ui/core/Types.h"
#include "ui/graphics/Bitmap.h"

#include <memory>
#include <string>
#include <vector>

class TCanvas;
class TFont;
class TWideStrings;

enum class TrpHAlign { haLeft, haRight, haCenter, haBlock };
enum class TrpVAlign { vaTop, vaBottom, vaCenter };

// Paragraph flags of a laid-out line.
constexpr int kFirstParagraphLine = 1;
constexpr int kLastParagraphLine = 2;

struct TrpLaidLine {
    std::u16string Text;
    int Flags = 0;
};

class TrpDrawText {
public:
    static constexpr int DefPPI = 600;  // measuring resolution
    static constexpr int ScrPPI = 96;   // report units per inch

    TrpDrawText();
    ~TrpDrawText();
    TrpDrawText(const TrpDrawText&) = delete;
    TrpDrawText& operator=(const TrpDrawText&) = delete;

    // The one lock of every layout object.
    static void EnterLock();
    static void LeaveLock();
    // The canvas the report prints on: text there is sized by the printer's
    // resolution and PrintScale instead of the scales.
    static void SetPrinterCanvas(TCanvas* canvas);
    static bool TargetIsPrinter(const TCanvas& canvas);

    void UseFont(const TFont& font);
    void UseOptions(bool wordWrap, bool htmlTags, int rotation, bool wysiwyg, bool clipped, bool wordBreak,
                    bool rtlReading);
    void UseSpacing(double lineSpacing, double charSpacing, double paragraphGap);
    // textRect in report units at scale 1, drawRect in device pixels.
    void UseBounds(const TRect& textRect, const TRect& drawRect, double scaleX, double scaleY, double printScale);
    void SetUseDefaultCharset(bool value) { useDefaultCharset_ = value; }
    bool UseDefaultCharset() const { return useDefaultCharset_; }

    void LoadText(const TWideStrings& paragraphs);
    void MarkContinuation(bool firstParaBreak, bool lastParaBreak);
    void Paint(TCanvas& canvas, TrpHAlign hAlign, TrpVAlign vAlign);

    // Report units.
    double LineStep() const;
    double TextHeight() const;
    double TextWidth();
    double SpareHeight() const;
    // Cuts the lines to those that fit TextRect and answers the rest of the
    // text; paraBreak tells that the cut fell inside a paragraph.
    std::u16string RemainderText(bool& paraBreak);
    const std::u16string& FittingText() const { return sourceText_; }

    const std::vector<TrpLaidLine>& Lines() const { return lines_; }
    const TrpHTMLTagsList& Tags() const { return tags_; }

private:
    double UnitsToMeasure() const { return static_cast<double>(DefPPI) / ScrPPI; }
    int MeasureFontHeight() const;
    // Advances of the characters of `text` with `spacing` added to each,
    // measured on `canvas` in the styles of `tags` (positions when
    // cumulative); answers the total and leaves them in charWidths_.
    int CharAdvances(const TrpHTMLTags& tags, std::u16string_view text, int spacing, bool cumulative,
                     TCanvas& canvas);
    void WrapParagraph(std::u16string text, int width, int spacing, int firstWidth);
    // The hyphenated head of the word at `from` (0-based) whose letters up to
    // `fitting` fit, or empty.
    std::u16string HyphenPart(const std::u16string& text, std::size_t from, std::size_t fitting) const;

    void PaintLine(TCanvas& canvas, std::u16string_view text, TrpHAlign align, TrpHTMLTags& tags, int width, int y,
                   int x, bool printer);

    std::unique_ptr<TBitmap> measureBitmap_;
    TCanvas* measure_ = nullptr;
    std::vector<int> charWidths_;
    int fontSize_ = 0;
    TrpHTMLTagsList tags_;
    double charSpacing_ = 0, lineSpacing_ = 0, paragraphGap_ = 0;
    bool clipped_ = false, rtlReading_ = false;
    TRect textRect_, drawRect_;
    std::u16string sourceText_;
    double printScale_ = 1;
    int rotation_ = 0;
    double scaleX_ = 1, scaleY_ = 1;
    std::vector<TrpLaidLine> lines_;
    bool wordBreak_ = false, wordWrap_ = true, wysiwyg_ = true, useDefaultCharset_ = false;
};

// Spreads `count` units of `unit` over a[lo..hi] as evenly as halving gives.
void SpreadIncrements(std::vector<int>& a, int lo, int hi, int unit, int count);
