#include "report/layout/DrawText.h"

#include "report/layout/detail/SelectedFont.h"
#include "report/text/Utf16Text.h"
#include "report/text/WideStrings.h"
#include "ui/core/Rounding.h"

#include "platform/text/TextMetrics.h"

#include <algorithm>
#include <cmath>
#include <mutex>

namespace {

constexpr double kPointsPerInch = 72;
constexpr double kResizedDivisor = 1.5;

std::recursive_mutex& LayoutLock() {
    static std::recursive_mutex lock;
    return lock;
}

TCanvas*& PrinterCanvas() {
    static TCanvas* canvas = nullptr;
    return canvas;
}

bool LowSurrogateAfterHigh(std::u16string_view text, std::size_t u) {
    return u > 0 && text[u] >= 0xDC00 && text[u] <= 0xDFFF && text[u - 1] >= 0xD800 && text[u - 1] <= 0xDBFF;
}

// The extent of the text up to and including each UTF-16 unit (the second
// unit of a pair repeats the first's, so its advance is 0).
std::vector<int> Extents(TCanvas& canvas, std::u16string_view text) {
    std::vector<int> result(text.size());
    if (text.empty()) return result;
    const std::string utf8 = Utf16ToUtf8(text);
    std::vector<int> dx(utf8.size());
    platform::SIZE size;
    {
        SelectedFont font(canvas);
        platform::GetTextExtentExPointA(font.Dc(), utf8.data(), static_cast<int>(utf8.size()), 0, nullptr, dx.data(),
                                        &size);
    }
    std::size_t point = 0;
    for (std::size_t u = 0; u < text.size(); ++u) {
        if (u > 0 && !LowSurrogateAfterHigh(text, u)) ++point;
        result[u] = dx[std::min(point, dx.size() - 1)];
    }
    return result;
}

}  // namespace

TrpDrawText::TrpDrawText() : measureBitmap_(std::make_unique<TBitmap>(1, 1)), measure_(measureBitmap_->Canvas()) {}

TrpDrawText::~TrpDrawText() = default;

void TrpDrawText::EnterLock() { LayoutLock().lock(); }
void TrpDrawText::LeaveLock() { LayoutLock().unlock(); }
void TrpDrawText::SetPrinterCanvas(TCanvas* canvas) { PrinterCanvas() = canvas; }
bool TrpDrawText::TargetIsPrinter(const TCanvas& canvas) { return PrinterCanvas() == &canvas; }

void TrpDrawText::UseFont(const TFont& font) {
    fontSize_ = font.Size();
    TFont& target = *measure_->Font();
    if (target.Name() != font.Name()) target.SetName(font.Name());
    target.SetHeight(-static_cast<int>(Round(fontSize_ * DefPPI / kPointsPerInch)));
    if (target.Style() != font.Style()) target.SetStyle(font.Style());
    if (target.Charset() != font.Charset()) target.SetCharset(font.Charset());
    if (target.Color() != font.Color()) target.SetColor(font.Color());
}

void TrpDrawText::UseOptions(bool wordWrap, bool htmlTags, int rotation, bool wysiwyg, bool clipped, bool wordBreak,
                             bool rtlReading) {
    constexpr int kFullTurn = 360;
    tags_.AllowTags = htmlTags;
    clipped_ = clipped;
    rtlReading_ = rtlReading;
    wordBreak_ = wordBreak;
    rotation_ = rotation % kFullTurn;
    wysiwyg_ = wysiwyg;
    wordWrap_ = wordWrap;
}

void TrpDrawText::UseSpacing(double lineSpacing, double charSpacing, double paragraphGap) {
    lineSpacing_ = lineSpacing;
    charSpacing_ = charSpacing;
    paragraphGap_ = paragraphGap;
}

void TrpDrawText::UseBounds(const TRect& textRect, const TRect& drawRect, double scaleX, double scaleY,
                            double printScale) {
    textRect_ = textRect;
    drawRect_ = drawRect;
    scaleX_ = scaleX;
    scaleY_ = scaleY;
    printScale_ = printScale;
}

int TrpDrawText::MeasureFontHeight() const { return measure_->Font()->Height(); }

int TrpDrawText::CharAdvances(const TrpHTMLTags& tags, std::u16string_view text, int spacing, bool cumulative,
                              TCanvas& canvas) {
    const std::size_t n = text.size();
    charWidths_.assign(n, 0);
    if (!tags.empty() && tags.front().StyleChange) canvas.Font()->SetStyle(tags.front().Style);
    std::vector<int> extents = Extents(canvas, text);
    int total = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const TrpHTMLTag* tag = i < tags.size() ? &tags[i] : nullptr;
        if (i > 0 && tag && tag->StyleChange) {
            canvas.Font()->SetStyle(tag->Style);
            extents = Extents(canvas, text);
        }
        int width = extents[i] - (i > 0 ? extents[i - 1] : 0) + spacing;
        if (tag && tag->Resized) width = static_cast<int>(Round(width / kResizedDivisor));
        total += width;
        charWidths_[i] = cumulative && i > 0 ? charWidths_[i - 1] + width : width;
    }
    return total;
}

void TrpDrawText::MarkContinuation(bool firstParaBreak, bool lastParaBreak) {
    if (lines_.empty()) return;
    if (firstParaBreak) lines_.front().Flags &= ~kFirstParagraphLine;
    if (lastParaBreak) lines_.back().Flags &= ~kLastParagraphLine;
}

double TrpDrawText::LineStep() const { return -MeasureFontHeight() / UnitsToMeasure() + lineSpacing_; }

double TrpDrawText::TextHeight() const {
    if (lines_.empty()) return 0;
    double height = LineStep() * static_cast<double>(lines_.size());
    if (lineSpacing_ < 0) height -= lineSpacing_;
    return height;
}

double TrpDrawText::TextWidth() {
    const double k = UnitsToMeasure();
    const TFontStyles style = measure_->Font()->Style();
    int widest = 0;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const TrpLaidLine& line = lines_[i];
        static const TrpHTMLTags kNoTags;
        const TrpHTMLTags& tags = static_cast<int>(i) < tags_.Count() ? tags_.Line(static_cast<int>(i)) : kNoTags;
        int width = CharAdvances(tags, line.Text, 0, false, *measure_) +
                    static_cast<int>(Round(static_cast<double>(line.Text.size()) * charSpacing_ * k));
        if (line.Flags & kFirstParagraphLine) width += static_cast<int>(Round(paragraphGap_ * k));
        widest = std::max(widest, width);
    }
    measure_->Font()->SetStyle(style);
    return widest / k;
}

double TrpDrawText::SpareHeight() const {
    constexpr double kNothingSpare = 0.0001;
    const double height = textRect_.Height() + 1;
    const double step = LineStep();
    if (step <= 0) return 0;
    const double fitting = std::trunc(height / step);
    if (fitting == 0) return 0;
    const double spare = height - step * fitting;
    return spare == 0 ? kNothingSpare : spare;
}
