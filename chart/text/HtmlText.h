#pragma once
// Chart texts written with a small set of HTML tags: fonts, styles, line
// breaks, sub- and superscripts, centring, rules and images. The canvas font
// is changed in place and left as the last tag set it.

#include "platform/system/Geometry.h"
#include "ui/core/Exceptions.h"

#include <functional>
#include <memory>
#include <string>

class TChartCanvas;
class TGraphic;
class TMemoryStream;

// A tag without its closing ">".
class HtmlParserException : public Exception {
public:
    using Exception::Exception;
};

// Writes the text with its reference point at (x, y).
void DrawHtmlText(TChartCanvas& canvas, int x, int y, const std::string& text);
// The room the text takes: the widest line and the tallest line's height.
platform::SIZE MeasureHtmlText(TChartCanvas& canvas, const std::string& text);

// Where IMG pictures come from; nothing sets them, so images are drawn as
// placeholders unless a program installs both. The first makes a graphic
// for a file extension (".BMP", upper case with the dot), or none; the
// second fills the stream with the file and answers 0 on success.
using THtmlGraphicHook = std::function<std::unique_ptr<TGraphic>(const std::string& extension)>;
using THtmlFileLoadHook = std::function<int(const std::string& fileName, TMemoryStream& stream)>;
THtmlGraphicHook& HtmlGraphicHook();
THtmlFileLoadHook& HtmlFileLoadHook();
