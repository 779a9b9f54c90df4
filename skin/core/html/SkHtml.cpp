#include "skin/core/html/SkHtml.h"

#include "skin/core/html/HtmlEntities.h"

#include "ui/core/ScopeGuards.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/GraphicsObjects.h"

#include <algorithm>
#include <cctype>

namespace {

// Entities are looked for this far after the "&".
constexpr std::size_t kEntityReach = 255;
constexpr int kLineGap = 2;

std::string AsciiUpper(const std::string& text) {
    std::string out = text;
    std::transform(out.begin(), out.end(), out.begin(), [](char c) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    });
    return out;
}

// The name is in the tag with a character after it, and is the whole tag
// (FONT may carry attributes).
bool TagMatches(const std::string& tag, const std::string& name) {
    const std::size_t at = tag.find(name);
    if (at == std::string::npos || at + name.size() >= tag.size()) return false;
    return name == "FONT" || tag == "<" + name + ">";
}

void ChangeStyle(TFont& font, TFontStyle style, bool on) {
    TFontStyles styles = font.Style();
    if (on) styles.Include(style);
    else styles.Exclude(style);
    font.SetStyle(styles);
}

}  // namespace

TSkHtml::TSkHtml() = default;
TSkHtml::~TSkHtml() = default;

void TSkHtml::Prepare(TBitmap* bitmap, const std::string& text, const TRect& area) {
    bitmap_ = bitmap;
    sourceText_ = text;
    upperText_ = AsciiUpper(text);
    area_ = area;
    penX_ = area.Left;
    penY_ = area.Top;
    maxLineEnd_ = totalHeight_ = lineEnd_ = lineHeight_ = 0;
}

void TSkHtml::Render(TRect& size) {
    ScopeExit report([&] { size = TRect(0, 0, maxLineEnd_, totalHeight_); });
    if (!bitmap_) return;
    std::size_t pending = 0, at = 0;
    const std::size_t length = upperText_.size();
    while (at < length) {
        const char c = upperText_[at];
        if (c == '&') {
            DrawRun(pending, at);
            if (const std::size_t taken = DrawEntity(at)) {
                at += taken;
                pending = at;
            } else {
                pending = at++;
            }
        } else if (c == '<' && at + 1 < length && upperText_[at + 1] == '<') {
            DrawRun(pending, at);
            pending = at + 1;
            at += 2;
        } else if (c == '<') {
            DrawRun(pending, at);
            const std::string tag = ExtractTag(upperText_, at);
            if (!tag.empty() && ApplyTag(tag)) {
                at += tag.size();
                pending = at;
            } else {
                // Unknown or unterminated: the "<" and what follows stay text.
                DrawRun(at, at + 1);
                pending = ++at;
            }
        } else {
            ++at;
        }
    }
    DrawRun(pending, length);
    maxLineEnd_ = std::max(maxLineEnd_, lineEnd_);
    lineEnd_ = 0;
    totalHeight_ = penY_ + lineHeight_;
}

int TSkHtml::LetterHeight() { return bitmap_->Canvas()->TextHeight("X"); }

void TSkHtml::DrawLetters(const std::string& letters) {
    if (letters.empty()) return;
    TCanvas& canvas = *bitmap_->Canvas();
    canvas.TextOut(penX_, penY_, letters);
    penX_ += canvas.TextWidth(letters);
    lineEnd_ = penX_;
    lineHeight_ = std::max(lineHeight_, LetterHeight());
}

void TSkHtml::DrawRun(std::size_t from, std::size_t to) {
    if (to <= from) return;
    std::string letters = sourceText_.substr(from, to - from);
    std::erase_if(letters, [](char c) { return c == '\r' || c == '\n'; });
    DrawLetters(letters);
}

std::size_t TSkHtml::DrawEntity(std::size_t at) {
    const std::string after = sourceText_.substr(at + 1, kEntityReach);
    const std::size_t end = after.find(';');
    if (end == std::string::npos || after.substr(0, end).find(' ') != std::string::npos) return 0;
    const std::optional<std::string> letter = EntityLetter(std::string_view(after).substr(0, end));
    if (!letter) return 0;
    DrawLetters(*letter);
    return end + 2;
}

bool TSkHtml::ApplyTag(const std::string& tag) {
    TFont& font = *bitmap_->Canvas()->Font();
    if (tag.size() > 1 && tag[1] == '/') {
        auto closes = [&](const char* name) { return tag.find(name) == 2; };
        if (closes("B")) ChangeStyle(font, TFontStyle::fsBold, false);
        else if (closes("I")) ChangeStyle(font, TFontStyle::fsItalic, false);
        else if (closes("U")) ChangeStyle(font, TFontStyle::fsUnderline, false);
        else if (closes("FONT")) PopFont();
        else return false;
        return true;
    }
    if (TagMatches(tag, "BR") || TagMatches(tag, "BR/")) NewLine();
    else if (TagMatches(tag, "B")) ChangeStyle(font, TFontStyle::fsBold, true);
    else if (TagMatches(tag, "I")) ChangeStyle(font, TFontStyle::fsItalic, true);
    else if (TagMatches(tag, "U")) ChangeStyle(font, TFontStyle::fsUnderline, true);
    else if (TagMatches(tag, "P")) NewLine();
    else if (TagMatches(tag, "FONT")) PushFont(tag);
    else return false;
    return true;
}

void TSkHtml::NewLine() {
    penX_ = area_.Left;
    // An empty line is as high as the current font.
    if (lineHeight_ == 0) lineHeight_ = LetterHeight();
    StartNewLine();
}

void TSkHtml::StartNewLine() {
    penY_ += lineHeight_ + kLineGap;
    maxLineEnd_ = std::max(maxLineEnd_, lineEnd_);
    lineEnd_ = 0;
    lineHeight_ = 0;
}

void TSkHtml::PushFont(const std::string& tag) {
    auto saved = std::make_unique<TFont>();
    saved->Assign(bitmap_->Canvas()->Font());
    savedFonts_.push_back(std::move(saved));
    ApplyFontAttributes(tag);
}

void TSkHtml::PopFont() {
    if (savedFonts_.empty()) return;
    bitmap_->Canvas()->Font()->Assign(savedFonts_.back().get());
    savedFonts_.pop_back();
}

std::string ExtractTag(const std::string& text, std::size_t at) {
    const std::size_t end = text.find('>', at);
    return end == std::string::npos ? std::string() : text.substr(at, end - at + 1);
}
