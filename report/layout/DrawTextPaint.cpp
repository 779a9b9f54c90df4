#include "report/layout/DrawText.h"

#include "report/layout/detail/SelectedFont.h"
#include "report/text/Utf16Text.h"
#include "ui/core/Rounding.h"
#include "ui/core/ScopeGuards.h"

#include "platform/gdi/DeviceContexts.h"
#include "platform/text/TextOut.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace {

constexpr double kPointsPerInch = 72;
constexpr int kFullTurn = 360, kQuarter = 90, kHalf = 180, kThreeQuarters = 270;
constexpr int kTenthsPerDegree = 10;

int Whole(double value) { return static_cast<int>(Round(value)); }

double Radians(int degrees) { return degrees * std::numbers::pi / kHalf; }

int Resolution(TCanvas& canvas, int index) {
    const int dpi = platform::GetDeviceCaps(canvas.Handle(), index);
    return dpi > 0 ? dpi : TrpDrawText::ScrPPI;
}

bool Blank(char16_t c) { return c == u' ' || c == u'\u00A0'; }

struct Block {
    int x = 0, y = 0, length = 0, cross = 0;
};

// Where the first line starts, how long lines are and how much room the
// block has across them, for the rectangle and the turn.
Block PlaceBlock(const TRect& r, int angle, int total) {
    const double s = std::abs(std::sin(Radians(angle))), c = std::abs(std::cos(Radians(angle)));
    const int slanted = c == 0 ? 0 : Whole((r.Width() - s * total) / c);
    Block b;
    if (angle == 0) b = {r.Left, r.Top, r.Width(), r.Height()};
    else if (angle < kQuarter) {
        b = {r.Left, r.Top + Whole(s * slanted), slanted, 0};
        b.cross = total + r.Bottom - b.y - Whole(c * total);
    } else if (angle == kQuarter) b = {r.Left, r.Bottom, r.Height(), r.Width()};
    else if (angle < kHalf)
        b = {Whole(c * slanted) + r.Left, r.Bottom, slanted, total + r.Height() - Whole(c * total + s * slanted)};
    else if (angle == kHalf) b = {r.Right, r.Bottom, r.Width(), r.Height()};
    else if (angle < kThreeQuarters) {
        b = {r.Right, r.Bottom - Whole(s * slanted), slanted, 0};
        b.cross = total + b.y - r.Top - Whole(c * total);
    } else if (angle == kThreeQuarters) b = {r.Right, r.Top, r.Height(), r.Width()};
    else b = {Whole(s * total) + r.Left, r.Top, slanted, total + r.Height() - Whole(s * slanted + c * total)};
    return b;
}

// The direction the block moves in for vertical alignment: the true one at
// right angles, straight down (or up when upside down) between them.
void CrossDirection(int angle, double& cosine, double& sine) {
    if (angle % kQuarter == 0) {
        cosine = std::round(std::cos(Radians(angle)));
        sine = std::round(std::sin(Radians(angle)));
        return;
    }
    cosine = angle > kQuarter && angle < kThreeQuarters ? -1 : 1;
    sine = 0;
}

// Adds `amount` (its sign kept) to the chosen widths: evenly, the remainder by halving.
void Spread(std::vector<int>& widths, const std::vector<std::size_t>& at, int amount) {
    if (amount == 0 || at.empty()) return;
    const int unit = amount < 0 ? -1 : 1;
    const int count = std::abs(amount);
    const int each = count / static_cast<int>(at.size());
    std::vector<int> shares(at.size(), each);
    SpreadIncrements(shares, 0, static_cast<int>(at.size()) - 1, 1, count % static_cast<int>(at.size()));
    for (std::size_t k = 0; k < at.size(); ++k) widths[at[k]] += unit * shares[k];
}

}  // namespace

void SpreadIncrements(std::vector<int>& a, int lo, int hi, int unit, int count) {
    if (count <= 0 || lo > hi) return;
    const int half = std::max(1, (hi - lo + 1) / 2);
    if (count == 1) {
        a[static_cast<std::size_t>(lo + half - 1)] += unit;
        return;
    }
    SpreadIncrements(a, lo, lo + half - 1, unit, count / 2);
    SpreadIncrements(a, lo + half, hi, unit, count - count / 2);
}

void TrpDrawText::Paint(TCanvas& canvas, TrpHAlign hAlign, TrpVAlign vAlign) {
    if (lines_.empty() || tags_.Count() == 0) return;
    measure_->Lock();
    ScopeExit unlockMeasure([this] { measure_->Unlock(); });
    TFont& font = *canvas.Font();
    TFont saved;
    saved.Assign(&font);
    ScopeExit restoreFont([&] { font.Assign(&saved); });

    const bool printer = TargetIsPrinter(canvas);
    const int dpiY = Resolution(canvas, platform::LOGPIXELSY);
    auto heightFor = [&](int size) {
        return printer ? -Whole(dpiY * size * printScale_ / kPointsPerInch)
                       : -Whole(size * scaleY_ * ScrPPI / kPointsPerInch);
    };
    font.Assign(measure_->Font());
    font.SetHeight(heightFor(fontSize_));
    const TrpHTMLTags& firstTags = tags_.Line(0);
    if (!firstTags.empty() && firstTags.front().StyleChange) {
        font.SetStyle(firstTags.front().Style);
        font.SetColor(firstTags.front().Color);
        font.SetHeight(heightFor(firstTags.front().Size));
    }
    font.SetOrientation(rotation_ * kTenthsPerDegree);

    const int n = static_cast<int>(lines_.size());
    const int hT = -font.Height(), hM = -MeasureFontHeight();
    int total = 0;
    if (printer) {
        const double f = static_cast<double>(DefPPI) / dpiY / printScale_;
        total = Whole((lineSpacing_ * scaleY_ * f * n + static_cast<double>(hM) * n) / f);
    } else {
        const double f = static_cast<double>(DefPPI) / ScrPPI;
        total = Whole((lineSpacing_ * f * n + static_cast<double>(hM) * n) / f * scaleY_);
    }
    const int gap = Whole(lineSpacing_ * scaleY_);
    const int extra = wysiwyg_ ? total - n * (hT + gap) : 0;

    const int angle = (rotation_ + kFullTurn) % kFullTurn;
    Block block = PlaceBlock(drawRect_, angle, total);
    double crossCos = 1, crossSin = 0;
    CrossDirection(angle, crossCos, crossSin);
    const int room = block.cross - total;
    if (vAlign == TrpVAlign::vaBottom) {
        block.y += Whole(crossCos * room);
        block.x += Whole(room * crossSin);
    } else if (vAlign == TrpVAlign::vaCenter) {
        block.y += Whole(crossCos * room / 2);
        block.x += Whole(room * crossSin / 2);
    }

    std::vector<int> steps(static_cast<std::size_t>(std::max(0, n - 1)), gap + hT);
    std::vector<std::size_t> everyStep(steps.size());
    std::iota(everyStep.begin(), everyStep.end(), std::size_t{0});
    Spread(steps, everyStep, extra);

    platform::SetBkMode(canvas.Handle(), platform::TRANSPARENT);
    const double cosine = std::cos(Radians(rotation_)), sine = std::sin(Radians(rotation_));
    int x = block.x, y = block.y;
    for (int i = 0; i < n; ++i) {
        const TrpLaidLine& line = lines_[static_cast<std::size_t>(i)];
        const bool first = line.Flags & kFirstParagraphLine;
        const bool indented = first && (hAlign == TrpHAlign::haLeft || hAlign == TrpHAlign::haBlock);
        const int indent = indented ? Whole(paragraphGap_ * scaleX_) : 0;
        TrpHAlign align = hAlign;
        if (hAlign == TrpHAlign::haBlock && (line.Flags & kLastParagraphLine))
            align = rtlReading_ ? TrpHAlign::haRight : TrpHAlign::haLeft;
        if (i < tags_.Count()) PaintLine(canvas, line.Text, align, tags_.Line(i), block.length - indent, y, x + indent, printer);
        if (i + 1 < n) {
            y += Whole(steps[static_cast<std::size_t>(i)] * cosine);
            x += Whole(steps[static_cast<std::size_t>(i)] * sine);
        }
    }
}

void TrpDrawText::PaintLine(TCanvas& canvas, std::u16string_view text, TrpHAlign align, TrpHTMLTags& tags, int width,
                            int y, int x, bool printer) {
    const double k = UnitsToMeasure();
    TFont& font = *canvas.Font();
    const TFontStyles canvasStyle = font.Style(), measureStyle = measure_->Font()->Style();
    const int measureSpacing = Whole(charSpacing_ * k);
    const int f = CharAdvances(tags, text, measureSpacing, false, *measure_) - measureSpacing;
    const int deviceSpacing = Whole(charSpacing_ * scaleX_);
    const int m = CharAdvances(tags, text, deviceSpacing, false, canvas) - deviceSpacing;
    font.SetStyle(canvasStyle);
    measure_->Font()->SetStyle(measureStyle);

    const int dpiX = Resolution(canvas, platform::LOGPIXELSX);
    int wanted = printer ? Whole(f * printScale_ / (static_cast<double>(DefPPI) / dpiX))
                         : Whole(f / (static_cast<double>(DefPPI) / ScrPPI) * scaleX_);
    if (!wysiwyg_) wanted = m;
    int delta = wanted - m;

    const double cosine = std::cos(Radians(rotation_)), sine = std::sin(Radians(rotation_));
    std::vector<std::size_t> spreadOver;
    if (align == TrpHAlign::haRight) {
        const int room = width - wanted + 1;
        x += Whole(room * cosine) - 1;
        y -= Whole(room * sine);
        const bool slanted = font.Style().Contains(TFontStyle::fsBold) || font.Style().Contains(TFontStyle::fsItalic);
        if (slanted && rotation_ == 0) x -= 1;
    } else if (align == TrpHAlign::haCenter) {
        const int room = width - wanted;
        x += Whole(room / 2.0 * cosine);
        y -= Whole(room / 2.0 * sine);
    } else if (align == TrpHAlign::haBlock) {
        for (std::size_t i = 0; i < text.size(); ++i)
            if (Blank(text[i])) spreadOver.push_back(i);
        if (!spreadOver.empty()) delta = std::abs(width) - m;
    }
    if (spreadOver.empty()) {
        spreadOver.resize(text.size());
        std::iota(spreadOver.begin(), spreadOver.end(), std::size_t{0});
    }
    Spread(charWidths_, spreadOver, delta);

    const platform::UINT options =
        (clipped_ ? platform::ETO_CLIPPED : 0) | (rtlReading_ ? platform::ETO_RTLREADING : 0);
    const platform::RECT clip = drawRect_;
    auto heightFor = [&](int size) {
        return printer ? -Whole(size * dpiX * printScale_ / kPointsPerInch)
                       : -Whole(size * scaleY_ * ScrPPI / kPointsPerInch);
    };
    auto offsetFor = [&](const TrpHTMLTag& tag) { return Whole(tag.Raise * tag.Size * scaleY_); };
    int dy = tags.empty() ? 0 : offsetFor(tags.front());
    std::size_t runStart = 0;
    for (std::size_t j = 1; j <= text.size(); ++j) {
        if (j < text.size() && !(j < tags.size() && tags[j].StyleChange)) continue;
        const std::u16string_view run = text.substr(runStart, j - runStart);
        std::vector<int> advances;
        int runWidth = 0;
        for (std::size_t u = runStart; u < j; ++u) {
            const bool trail = u > runStart && run[u - runStart] >= 0xDC00 && run[u - runStart] <= 0xDFFF &&
                               run[u - runStart - 1] >= 0xD800 && run[u - runStart - 1] <= 0xDBFF;
            if (trail) advances.back() += charWidths_[u];
            else advances.push_back(charWidths_[u]);
            runWidth += charWidths_[u];
        }
        const std::string utf8 = Utf16ToUtf8(run);
        {
            SelectedFont selected(canvas);
            platform::SetTextColor(selected.Dc(), ColorToRGB(font.Color()));
            platform::ExtTextOutA(selected.Dc(), x + Whole(dy * sine), y + Whole(dy * cosine), options, &clip,
                                  utf8.data(), static_cast<platform::UINT>(utf8.size()),
                                  wysiwyg_ ? advances.data() : nullptr);
        }
        if (j == text.size()) break;
        const TrpHTMLTag& tag = tags[j];
        font.SetHeight(heightFor(tag.Size));
        font.SetStyle(tag.Style);
        font.SetColor(tag.Color);
        dy = offsetFor(tag);
        if (rotation_ == 0) x += runWidth;
        else {
            y -= Whole(runWidth * sine);
            x += Whole(runWidth * cosine);
        }
        runStart = j;
    }
}
