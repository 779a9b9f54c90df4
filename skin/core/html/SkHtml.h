#pragma once
// Hint and label texts with a little HTML (B, I, U, FONT with SIZE, COLOR
// and FACE, BR and P, character entities) drawn onto a bitmap's canvas from
// a starting point, line by line, and measured. Lines end only at BR and P;
// line breaks in the text are dropped. Unknown tags, unknown entities and
// a "<" without its ">" are drawn as they stand.

#include "ui/core/Types.h"

#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TFont;

class TSkHtml {
public:
    TSkHtml();
    ~TSkHtml();
    TSkHtml(const TSkHtml&) = delete;
    TSkHtml& operator=(const TSkHtml&) = delete;

    // The canvas font as it is now is the starting font; only the area's
    // left and top are used.
    void Prepare(TBitmap* bitmap, const std::string& text, const TRect& area);
    // Draws the text; `size` becomes (0, 0, widest line end, bottom of the
    // last line), also when a bad SIZE value ends drawing with EConvertError.
    void Render(TRect& size);

private:
    void DrawRun(std::size_t from, std::size_t to);
    void DrawLetters(const std::string& letters);
    // The length of "&name;" when it is a known entity (drawn), else 0.
    std::size_t DrawEntity(std::size_t at);
    bool ApplyTag(const std::string& tag);
    void NewLine();
    void StartNewLine();
    void PushFont(const std::string& tag);
    void PopFont();
    void ApplyFontAttributes(const std::string& tag);
    int LetterHeight();

    TBitmap* bitmap_ = nullptr;
    std::string sourceText_;
    // The text with ASCII letters in upper case, byte for byte as the source.
    std::string upperText_;
    std::vector<std::unique_ptr<TFont>> savedFonts_;
    TRect area_;
    int penX_ = 0, penY_ = 0;
    int maxLineEnd_ = 0, totalHeight_ = 0, lineEnd_ = 0, lineHeight_ = 0;
};

// From the "<" at `at` up to and including the next ">"; empty when there is none.
std::string ExtractTag(const std::string& text, std::size_t at);
