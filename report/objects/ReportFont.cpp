#include "report/objects/ReportFont.h"

#include "platform/text/Fonts.h"
#include "ui/graphics/GraphicsObjects.h"

namespace {

constexpr int kFontPixelsPerInch = 96;
constexpr const char* kDefaultFontName = "Arial";
constexpr int kDefaultFontSize = 10;

}  // namespace

void SetReportFontDefaults(TFont& font, TColor color) {
    font.PixelsPerInch = kFontPixelsPerInch;
    font.SetName(kDefaultFontName);
    font.SetSize(kDefaultFontSize);
    font.SetColor(color);
    font.SetCharset(platform::DEFAULT_CHARSET);
}
