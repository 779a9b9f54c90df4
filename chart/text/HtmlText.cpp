#include "chart/text/HtmlText.h"

#include "chart/canvas/ChartCanvas3D.h"
#include "chart/text/HtmlTags.h"

#include "ui/core/MemoryStream.h"
#include "ui/core/NumberConversion.h"
#include "ui/core/TextCase.h"
#include "ui/graphics/Graphic.h"

#include <algorithm>
#include <vector>

THtmlGraphicHook& HtmlGraphicHook() {
    static THtmlGraphicHook hook;
    return hook;
}

THtmlFileLoadHook& HtmlFileLoadHook() {
    static THtmlFileLoadHook hook;
    return hook;
}

namespace {

constexpr const char* kLineBreak = "\r\n";

// Shared by every call for the whole run, so a tag left open in one text
// can still be closed by "</>" in a later one.
std::vector<std::string>& StyleStack() {
    static std::vector<std::string> stack;
    return stack;
}

std::vector<std::string>& FontStack() {
    static std::vector<std::string> stack;
    return stack;
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

void ReplaceAll(std::string& text, std::string_view what, std::string_view with) {
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

class HtmlWriter {
public:
    HtmlWriter(TChartCanvas& canvas, int x, int y, bool display)
        : canvas_(canvas), x_(x), y_(y), left_(x), lineHeight_(canvas.FontLineHeight()), display_(display) {}

    void Write(const std::string& text) {
        std::string_view rest = text;
        while (!rest.empty()) {
            const std::size_t open = rest.find('<');
            std::size_t length = rest.size();
            if (open == 0) {
                const std::size_t close = rest.find('>');
                if (close == std::string_view::npos)
                    throw HtmlParserException("Missing > at " + std::string(rest.substr(1)));
                length = close + 1;
            } else if (open != std::string_view::npos) {
                length = open;
            }
            Token(std::string(rest.substr(0, length)));
            rest.remove_prefix(length);
        }
    }

    platform::SIZE Extent() const { return extent_; }

private:
    void Token(std::string token) {
        fontPushed_ = false;
        if (StartsWith(token, kLineBreak)) {
            y_ += canvas_.FontLineHeight();
            x_ = left_;
            lineHeight_ = 0;
            token.erase(0, 2);
            if (token.empty()) return;
        }
        if (Tag(AnsiUpperCase(token), token))
            lastFontPushed_ = fontPushed_;
        else
            Run(token);
    }

    TFont& Font() { return canvas_.Font(); }

    void PushFont() {
        FontStack().push_back(SavedFontTag(Font()));
        fontPushed_ = true;
    }

    void PopFont() {
        if (FontStack().empty()) return;
        const std::string saved = FontStack().back();
        FontStack().pop_back();
        ApplyFontTag(Font(), saved);
    }

    void AddStyle(TFontStyle style, const std::string& tag) {
        Font().SetStyle(Font().Style() + TFontStyles{style});
        StyleStack().push_back(tag);
    }

    void RemoveStyle(TFontStyle style) { Font().SetStyle(Font().Style() - TFontStyles{style}); }

    // Handles a tag; false for anything that is no tag this writer knows.
    bool Tag(const std::string& tag, const std::string& original) {
        static const struct {
            const char* tag;
            int size;
        } headings[] = {{"<H1>", 48}, {"<H2>", 36}, {"<H3>", 24}, {"<H4>", 18}, {"<H5>", 12}, {"<H6>", 8}};
        static const struct {
            const char* open;
            const char* close;
            TFontStyle style;
        } styles[] = {{"<B>", "</B>", TFontStyle::fsBold},
                      {"<BOLD>", "</BOLD>", TFontStyle::fsBold},
                      {"<STRONG>", "</STRONG>", TFontStyle::fsBold},
                      {"<I>", "</I>", TFontStyle::fsItalic},
                      {"<U>", "</U>", TFontStyle::fsUnderline},
                      {"<STRIKE>", "</STRIKE>", TFontStyle::fsStrikeOut}};

        if (tag == "<BR>" || tag == "<P>") {
            x_ = left_;
            lineHeight_ = 0;
        } else if (tag == "<BIG>" || tag == "<SMALL>") {
            PushFont();
            Font().SetSize(Font().Size() + (tag == "<BIG>" ? 2 : -2));
        } else if (tag == "<SUB>") {
            PushFont();
            Font().SetSize(Font().Size() / 2);
            y_ += canvas_.FontLineHeight();
        } else if (tag == "</SUB>") {
            PopFont();
            y_ -= canvas_.FontLineHeight();
        } else if (tag == "<SUPER>") {
            PushFont();
            Font().SetSize(Font().Size() / 2);
            y_ -= canvas_.FontLineHeight() / 2;
        } else if (tag == "</SUPER>") {
            PopFont();
            y_ += canvas_.FontLineHeight() / 2;
        } else if (tag == "<PRE>") {
            PushFont();
            ApplyFontTag(Font(), "<FONT NAME=\"COURIER NEW\">");
        } else if (tag == "</PRE>" || StartsWith(tag, "</FONT")) {
            PopFont();
        } else if (tag == "<CENTER>" || tag == "</CENTER>") {
            center_ = tag == "<CENTER>";
        } else if (StartsWith(tag, "<FONT ")) {
            PushFont();
            ApplyFontTag(Font(), tag);
        } else if (tag == "</>") {
            if (lastFontPushed_) {
                PopFont();
            } else {
                std::string top;
                if (!StyleStack().empty()) {
                    top = StyleStack().back();
                    StyleStack().pop_back();
                }
                Tag("</" + (top.empty() ? top : top.substr(1)), original);
            }
        } else if (tag == "<HR>") {
            Rule();
        } else if (StartsWith(tag, "<IMG ")) {
            Image(original);
        } else {
            for (const auto& h : headings)
                if (tag == h.tag) {
                    PushFont();
                    Font().SetSize(h.size);
                    return true;
                }
            for (const auto& s : styles) {
                if (tag == s.open) {
                    AddStyle(s.style, tag);
                    return true;
                }
                if (tag == s.close) {
                    RemoveStyle(s.style);
                    return true;
                }
            }
            return false;
        }
        return true;
    }

    void Run(std::string text) {
        ReplaceAll(text, "&lt;", "<");
        ReplaceAll(text, "&gt;", ">");
        ReplaceAll(text, "&amp;", "&");
        ReplaceAll(text, "&quot;", "\"");
        bool lineEnd = false;
        if (text.size() >= 2 && text.compare(text.size() - 2, 2, kLineBreak) == 0) {
            text.erase(text.size() - 2);
            lineEnd = true;
        }
        if (!text.empty()) {
            const int w = canvas_.TextWidth(text);
            if (center_) {
                auto* gdi = dynamic_cast<TChartCanvas3D*>(&canvas_);
                const TRect bounds = gdi ? gdi->CanvasBounds() : TRect{};
                x_ = (bounds.Left + bounds.Right) / 2 - w / 2;
            }
            const int h = canvas_.TextHeight(text);
            if (lineHeight_ == 0) {
                lineHeight_ = canvas_.FontLineHeight();
                y_ += lineHeight_;
            } else if (h < lineHeight_) {
                y_ += lineHeight_ - h - 1;
            }
            if (display_) canvas_.TextOut(x_, y_, text);
            x_ += w;
            extent_.cx = std::max<int>(extent_.cx, x_);
            lineHeight_ = std::max(lineHeight_, h);
            extent_.cy = std::max<int>(extent_.cy, lineHeight_);
        }
        if (lineEnd) {
            lineHeight_ = 0;
            x_ = left_;
        }
    }

    void Rule() {
        x_ = left_;
        if (display_) {
            canvas_.Pen().SetStyle(TPenStyle::psSolid);
            canvas_.Pen().SetWidth(1);
            canvas_.Pen().SetColor(static_cast<TColor>(0x808080));
            canvas_.HorizontalLine(left_, left_ + 100, y_);
        }
        y_ += canvas_.FontLineHeight();
    }

    void Image(const std::string& original) {
        std::string attributes = original.substr(5);
        if (StartsWith(attributes, kLineBreak)) attributes.erase(0, 2);
        if (!attributes.empty() && attributes.back() == '>') attributes.pop_back();
        int width = 0, height = 0;
        std::string source;
        for (const auto& [name, value] : HtmlAttributes(attributes)) {
            if (name == "WIDTH") width = StrToInt(value);
            else if (name == "HEIGHT") height = StrToInt(value);
            else if (name == "SRC") source = value;
        }
        if (source.empty()) return;
        if (!Picture(source, width, height)) Placeholder(width, height);
    }

    // False when the picture cannot be had or drawn.
    bool Picture(const std::string& source, int width, int height) {
        const std::size_t dot = source.rfind('.');
        const std::string extension = dot == std::string::npos ? std::string() : AnsiUpperCase(source.substr(dot));
        if (!HtmlGraphicHook() || !HtmlFileLoadHook()) return false;
        try {
            std::unique_ptr<TGraphic> graphic = HtmlGraphicHook()(extension);
            if (!graphic) return false;
            TMemoryStream stream;
            if (HtmlFileLoadHook()(source, stream) != 0 || stream.Size() == 0) return false;
            stream.SetPosition(0);
            graphic->LoadFromStream(stream);
            if (width == 0) width = graphic->Width();
            if (height == 0) height = graphic->Height();
            if (display_) {
                if (width == graphic->Width() && height == graphic->Height())
                    canvas_.Draw(x_, y_, graphic.get());
                else
                    canvas_.StretchDraw(TRect{x_, y_, x_ + width, y_ + height}, graphic.get());
            }
        } catch (const std::exception&) {
            // a broken picture is shown as the placeholder
            return false;
        }
        x_ += width;
        y_ += height;
        return true;
    }

    void Placeholder(int width, int height) {
        if (!display_) return;
        const int right = x_ + (width == 0 ? 40 : width), bottom = y_ + (height == 0 ? 40 : height);
        canvas_.Pen().SetStyle(TPenStyle::psSolid);
        canvas_.Pen().SetWidth(1);
        canvas_.Pen().SetColor(static_cast<TColor>(0x0000FF));
        canvas_.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas_.Brush().SetColor(clWhite);
        canvas_.Rectangle(x_, y_, right, bottom);
        canvas_.Line(x_, y_, right - 1, bottom - 1);
        canvas_.Line(x_, bottom - 1, right - 1, y_);
    }

    TChartCanvas& canvas_;
    int x_, y_;
    int left_;
    int lineHeight_;
    bool center_ = false;
    bool display_;
    bool fontPushed_ = false;
    bool lastFontPushed_ = false;
    platform::SIZE extent_;
};

}  // namespace

void DrawHtmlText(TChartCanvas& canvas, int x, int y, const std::string& text) {
    HtmlWriter(canvas, x, y, true).Write(text);
}

platform::SIZE MeasureHtmlText(TChartCanvas& canvas, const std::string& text) {
    HtmlWriter writer(canvas, 0, 0, false);
    writer.Write(text);
    return writer.Extent();
}
