#include "report/layout/DrawText.h"
#include "report/layout/Hyphenation.h"
#include "report/text/WideStrings.h"
#include "ui/core/Rounding.h"

#include <cmath>

namespace {

constexpr int kLineBreakLength = 2;  // CR LF in the source text
constexpr std::u16string_view kWordEnds = u" .,-;";

int Whole(double value) { return static_cast<int>(Round(value)); }

// Lines run along the rectangle's height between these turns.
bool RunsAlongHeight(int rotation) {
    constexpr int kFullTurn = 360, kQuarter = 90, kHalf = 180, kThreeQuarters = 270;
    const int angle = (rotation % kFullTurn + kFullTurn) % kFullTurn;
    return (angle >= kQuarter && angle < kHalf) || angle >= kThreeQuarters;
}

// The colour as "#RRGGBB".
std::u16string HexColor(TColor color) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    const std::uint32_t bgr = ColorToRGB(color);
    const std::uint32_t rgb = (bgr & 0xFF) << 16 | (bgr & 0xFF00) | (bgr >> 16 & 0xFF);
    std::u16string text = u"#";
    for (int shift = 20; shift >= 0; shift -= 4) text += kDigits[rgb >> shift & 0xF];
    return text;
}

}  // namespace

void TrpDrawText::LoadText(const TWideStrings& paragraphs) {
    sourceText_.clear();
    lines_.clear();
    if (paragraphs.Count() == 0) return;
    TFont& font = *measure_->Font();
    const TFontStyles style = font.Style();
    tags_.Reset(font.Color(), fontSize_, style);
    const double available = RunsAlongHeight(rotation_) ? textRect_.Height() : textRect_.Width();
    const double k = UnitsToMeasure();
    for (int p = 0; p < paragraphs.Count(); ++p) {
        std::u16string text = paragraphs.Get(p);
        if (text.empty()) text = u" ";
        sourceText_ += text + u"\r\n";
        const std::size_t before = lines_.size();
        WrapParagraph(std::move(text), Whole(available * k), Whole(charSpacing_ * k),
                      Whole((available - paragraphGap_) * k));
        if (lines_.size() == before) continue;
        lines_[before].Flags = kFirstParagraphLine;
        lines_.back().Flags |= kLastParagraphLine;
    }
    font.SetStyle(style);
}

void TrpDrawText::WrapParagraph(std::u16string text, int width, int spacing, int firstWidth) {
    tags_.StartLine();
    tags_.ExpandTags(text);
    tags_.Advance(kLineBreakLength);
    const int tagLine = tags_.Count() - 1;
    const std::size_t n = text.size();
    if (n <= 1 || !wordWrap_) {
        const TrpHTMLTags& tags = tags_.Line(tagLine);
        if (!tags.empty() && tags.front().StyleChange) measure_->Font()->SetStyle(tags.front().Style);
        lines_.push_back({std::move(text), 0});
        return;
    }
    const int total = CharAdvances(tags_.Line(tagLine), text, spacing, true, *measure_);
    if (total < firstWidth) {
        lines_.push_back({std::move(text), 0});
        return;
    }
    const std::vector<int> c = charWidths_;
    std::size_t start = 0, lastSpace = 0;
    int base = 0, limit = firstWidth;
    for (std::size_t i = 0; i < n; ++i) {
        const TrpHTMLTags& rest = tags_.Line(tags_.Count() - 1);
        const std::size_t tagIndex = i - start;
        const bool noWrap = tags_.AllowTags && tagIndex < rest.size() && rest[tagIndex].NoWrap;
        if (text[i] == u' ' && !noWrap) lastSpace = i;
        if (c[i] - base <= limit) continue;

        // The letters of the word at `from` that still fit the line.
        auto fittingFrom = [&](std::size_t from) {
            std::size_t fitting = 0;
            while (from + fitting < n && kWordEnds.find(text[from + fitting]) == std::u16string_view::npos &&
                   c[from + fitting] - base <= limit)
                ++fitting;
            return fitting;
        };
        std::u16string line;
        std::size_t consumed = 0;
        if (lastSpace != start) {
            std::u16string head = wordBreak_ ? HyphenPart(text, lastSpace + 1, fittingFrom(lastSpace + 1)) : u"";
            if (!head.empty()) {
                line = text.substr(start, lastSpace - start + 1) + head + u"-";
                tags_.SplitLine(static_cast<int>(lastSpace - start + 1 + head.size()), true);
                consumed = lastSpace + 1 + head.size();
            } else {
                line = text.substr(start, lastSpace - start);
                tags_.SplitLine(static_cast<int>(lastSpace - start + 1), false);
                consumed = lastSpace + 1;
            }
        } else if (i == start) {
            line = text.substr(start, 1);
            tags_.SplitLine(1, false);
            consumed = start + 1;
        } else {
            std::u16string head = wordBreak_ ? HyphenPart(text, start, fittingFrom(start)) : u"";
            if (!head.empty()) {
                line = head + u"-";
                tags_.SplitLine(static_cast<int>(head.size()), true);
                consumed = start + head.size();
            } else {
                line = text.substr(start, i - start);
                tags_.SplitLine(static_cast<int>(i - start), false);
                consumed = i;
            }
        }
        lines_.push_back({std::move(line), 0});
        base = c[consumed - 1];
        start = lastSpace = consumed;
        limit = width;
        i = start - 1;
    }
    if (start < n) lines_.push_back({text.substr(start), 0});
}

std::u16string TrpDrawText::HyphenPart(const std::u16string& text, std::size_t from, std::size_t fitting) const {
    std::size_t end = from;
    while (end < text.size() && kWordEnds.find(text[end]) == std::u16string_view::npos) ++end;
    const std::u16string_view word = std::u16string_view(text).substr(from, end - from);
    int best = 0;
    for (int position : HyphenPositions(word))
        if (static_cast<std::size_t>(position) < fitting) best = position;
    return std::u16string(word.substr(0, static_cast<std::size_t>(best)));
}

std::u16string TrpDrawText::RemainderText(bool& paraBreak) {
    paraBreak = false;
    const double step = LineStep();
    const double height = textRect_.Height() + 1;
    const std::size_t fitting =
        step <= 0 ? lines_.size() : std::min(static_cast<std::size_t>(std::max(0.0, std::trunc(height / step))),
                                             lines_.size());
    if (fitting >= lines_.size()) return {};
    paraBreak = fitting > 0 && !(lines_[fitting - 1].Flags & kLastParagraphLine);
    static const TrpHTMLTags kNoRecords;
    const int cutLine = static_cast<int>(fitting);
    const TrpHTMLTags& cut = cutLine < tags_.Count() ? tags_.Line(cutLine) : kNoRecords;
    const std::size_t position = cut.empty() ? sourceText_.size() : static_cast<std::size_t>(cut.front().Position - 1);
    const TrpHTMLTag first = cut.empty() ? TrpHTMLTag{} : cut.front();
    lines_.resize(fitting);
    std::u16string rest = sourceText_.substr(std::min(position, sourceText_.size()));
    if (paraBreak && !rest.empty() && rest.front() == u' ') rest.erase(0, 1);
    sourceText_.resize(std::min(position, sourceText_.size()));
    if (wordBreak_ && !lines_.empty() && !lines_.back().Text.empty() && lines_.back().Text.back() == u'-')
        sourceText_ += u"-";
    if (tags_.AllowTags) {
        if (first.Style.Contains(TFontStyle::fsBold)) rest = u"<b>" + rest;
        if (first.Style.Contains(TFontStyle::fsItalic)) rest = u"<i>" + rest;
        if (first.Style.Contains(TFontStyle::fsUnderline)) rest = u"<u>" + rest;
        rest = u"<font color=\"" + HexColor(first.Color) + u"\">" + rest;
    }
    return rest;
}
