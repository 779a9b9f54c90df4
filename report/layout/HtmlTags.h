#pragma once
// The few tags a memo's text may style itself with (b, i, u, strike, sub,
// sup, font color, nowrap): taken out of each paragraph while it is laid
// out, leaving one record per visible character with the style it is drawn
// in and where it stood in the source text.

#include "ui/graphics/Colors.h"
#include "ui/graphics/GraphicsObjects.h"

#include <string>
#include <vector>

struct TrpHTMLTag {
    int Position = 0;  // 1-based, in the source text with tags and line breaks
    int Size = 0;      // points
    int Raise = 0;     // 1 for subscript
    TFontStyles Style;
    TColor Color = clBlack;
    bool StyleChange = false;  // a drawing run starts here
    bool Resized = false;
    bool NoWrap = false;
};

using TrpHTMLTags = std::vector<TrpHTMLTag>;

class TrpHTMLTagsList {
public:
    bool AllowTags = true;

    void Reset(TColor color, int size, TFontStyles style);
    // A new line, once the first one exists.
    void StartLine();
    // Removes the tags from `text`, one record per character left; an empty
    // result becomes one blank. Tags without their closing ">" stay text.
    void ExpandTags(std::u16string& text);
    // The last line's records from `count` on move to a new line; with
    // addHyphen the old line gets a copy of its last kept record for the "-".
    void SplitLine(int count, bool addHyphen);
    // The position moves past text that gives no records (line breaks).
    void Advance(int characters) { position_ += characters; }

    int Count() const { return static_cast<int>(lines_.size()); }
    TrpHTMLTags& Line(int index) { return lines_[static_cast<std::size_t>(index)]; }
    const TrpHTMLTags& Line(int index) const { return lines_[static_cast<std::size_t>(index)]; }

private:
    // The length of a recognised tag at text[i] ('<'), after applying it; 0 for none.
    std::size_t ApplyTag(const std::u16string& text, std::size_t i);
    std::size_t ApplyFontColor(const std::u16string& text, std::size_t i);
    void AddCharState();

    std::vector<TrpHTMLTags> lines_;
    TColor defaultColor_ = clBlack;
    int defaultSize_ = 0;
    TFontStyles defaultStyle_;
    TColor color_ = clBlack;
    int size_ = 0;
    TFontStyles style_;
    int raise_ = 0;
    bool noWrap_ = false;
    int position_ = 1;
};
