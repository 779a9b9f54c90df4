// The options text of the internal skin: 61 sections in a fixed order, with
// parent links, one-state sections and the values the program relies on.
#include "tools/skingen/ClassicSkinArt.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// A picture colour 0x00RRGGBB as the skin's decimal 0x00BBGGRR.
std::string Bgr(std::uint32_t rgb) {
    std::uint32_t v = ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
    return std::to_string(v);
}

struct Section {
    const char* name;
    std::vector<std::pair<std::string, std::string>> keys;
};

// "^" border mask in the master bitmap.
std::string Mask(int l, int t, int r, int b, int border, int frames, int maskMode, int flags) {
    char text[64];
    std::snprintf(text, sizeof text, "^%04d^%04d^%04d^%04d^%04d^%04d^%04d^%04d^%d^%d^%d^0", l, t, r, b, border, border,
                  border, border, frames, maskMode, flags);
    return text;
}

// "@" glyph in the master bitmap.
std::string Glyph(int l, int t, int r, int b, int frames) {
    char text[40];
    std::snprintf(text, sizeof text, "@%04d@%04d@%04d@%04d@%d@0", l, t, r, b, frames);
    return text;
}

constexpr int kStretchAndFill = 5;
// Frames whose key-coloured middle must leave the section's colour or gradient showing.
constexpr int kStretchFrameOnly = 1;

}  // namespace

std::string ClassicSkinOptions() {
    const std::string white = "16777215", ink = Bgr(0x262A30), face = Bgr(0xF5F6F8), hot = Bgr(0xE9F2FC);
    const std::string accent = Bgr(0x2E7DD0), muted = Bgr(0x9AA1AA), line = Bgr(0xB9C0C9);
    const std::string buttonGradient = white + ";" + Bgr(0xEEF0F3) + ";100;1;0";
    const std::string panelGradient = Bgr(0xF7F8FA) + ";" + Bgr(0xEEF0F3) + ";100;1;0";
    const std::string track = Mask(36, 194, 48, 206, 3, 1, 0, kStretchAndFill);
    const std::string titleGradient = Bgr(0xEDF1F6) + ";" + Bgr(0xE1E7EE) + ";100;1;0";
    std::vector<Section> sections = {
        {"GLOBALINFO",
         {{"VERSION", "8"}, {"AUTHOR", "Velzar ground program"}, {"DESCRIPTION", ""}, {"COLOR", "14675954"},
          {"HOTCOLOR", "16777215"}, {"MASTERBITMAP", "MASTER.BMP"}, {"FONTCOLOR", "0"}, {"TCLEFT", "16777215"},
          {"SHADOW1COLOR", "0"}, {"SHADOW1OFFSET", "1"}, {"SHADOW1BLUR", "1"}, {"BORDERCOLOR", "14518133"},
          {"BISPACE", "2"}, {"BILEFT", "0"}, {"BIRIGHT", "0"}, {"BIVALIGN", "0"}, {"BIKEEPHUE", "2"},
          {"SUID", "{6C7F4E1A-3B2D-4F0E-9A51-C1A5E0B7D240}"}, {"GRIPIMAGE", Glyph(60, 141, 72, 153, 1)},
          {"BOXCHECKED", Glyph(45, 80, 90, 95, 3)}, {"BOXUNCHECKED", Glyph(0, 80, 45, 95, 3)},
          {"BOXGRAYED", Glyph(90, 80, 135, 95, 3)}, {"RADIOCHECKED", Glyph(45, 96, 90, 111, 3)},
          {"RADIOUNCHECKED", Glyph(0, 96, 45, 111, 3)}, {"SMALLCHECKED", Glyph(33, 112, 66, 123, 3)},
          {"SMALLUNCHECKED", Glyph(0, 112, 33, 123, 3)}, {"SMALLGRAYED", Glyph(66, 112, 99, 123, 3)},
          {"BICONCLOSE", Glyph(0, 124, 48, 140, 3)}, {"BICONHELP", Glyph(192, 124, 240, 140, 3)},
          {"BICONMAX", Glyph(48, 124, 96, 140, 3)}, {"BICONMIN", Glyph(96, 124, 144, 140, 3)},
          {"BICONNORM", Glyph(144, 124, 192, 140, 3)}, {"TITLEBUTTON", Glyph(0, 141, 60, 161, 3)}}},
        {"TOOLBUTTON", {{"PARENTCLASS", "SPEEDBUTTON"}}},
        {"SPLITTER", {{"PARENTCLASS", "SPEEDBUTTON_SMALL"}}},
        {"MENULINE", {{"COLOR", line}, {"STATES", "1"}}},
        {"SPEEDBUTTON_SMALL", {{"PARENTCLASS", "SPEEDBUTTON"}}},
        {"PANEL_LOW", {{"PARENTCLASS", "PANEL"}, {"GRADIENTDATA", "N/A"}, {"GRADIENTPERCENT", "0"},
                       {"BORDERSMASK", Mask(12, 194, 24, 206, 3, 1, 0, kStretchFrameOnly)}}},
        {"DIVIDER", {{"COLOR", line}, {"STATES", "1"}}},
        {"DIALOG", {{"PARENTCLASS", "FORM"}}},
        {"RADIOBUTTON", {{"TRANSPARENCY", "100"}, {"FONTCOLOR", ink}, {"HOTFONTCOLOR", accent}}},
        {"CHECKBOX", {{"TRANSPARENCY", "100"}, {"FONTCOLOR", ink}, {"HOTFONTCOLOR", accent}}},
        {"EDIT",
         {{"COLOR", white}, {"HOTCOLOR", white}, {"STATES", "1"}, {"FONTCOLOR", ink}, {"FADINGENABLED", "1"},
          {"BORDERSMASK", Mask(72, 0, 104, 32, 3, 2, 1, kStretchAndFill)}}},
        {"PAGECONTROLBOTTOM", {{"PARENTCLASS", "PAGECONTROL"}}},
        {"PAGECONTROLRIGHT", {{"PARENTCLASS", "PAGECONTROL"}}},
        {"TABTOP", {{"COLOR", Bgr(0xE9ECF0)}, {"HOTCOLOR", white}, {"FONTCOLOR", ink}, {"HOTFONTCOLOR", accent},
                    {"BORDERSMASK", Mask(0, 162, 48, 194, 4, 3, 1, kStretchAndFill)}}},
        {"TABBOTTOM", {{"COLOR", Bgr(0xE9ECF0)}, {"HOTCOLOR", white}, {"FONTCOLOR", ink},
                       {"BORDERSMASK", Mask(48, 162, 96, 194, 4, 3, 1, kStretchAndFill)}}},
        {"SCROLLBAR1V", {{"COLOR", Bgr(0xF0F2F5)}, {"STATES", "1"}, {"BORDERSMASK", track}}},
        {"SCROLLBAR2V", {{"COLOR", Bgr(0xF0F2F5)}, {"STATES", "1"}, {"BORDERSMASK", track}}},
        {"SCROLLBAR1H", {{"COLOR", Bgr(0xF0F2F5)}, {"STATES", "1"}, {"BORDERSMASK", track}}},
        {"SCROLLBAR2H", {{"COLOR", Bgr(0xF0F2F5)}, {"STATES", "1"}, {"BORDERSMASK", track}}},
        {"SPEEDBUTTON",
         {{"COLOR", "14675954"}, {"HOTCOLOR", hot}, {"TRANSPARENCY", "100"}, {"HOTTRANSPARENCY", "0"},
          {"STATES", "3"}, {"FONTCOLOR", ink}, {"HOTFONTCOLOR", accent}, {"FADINGENABLED", "1"},
          {"FADINGITERATIONS", "5"}, {"FADINGINTERVALIN", "20"}, {"FADINGINTERVALOUT", "30"},
          {"BORDERSMASK", Mask(72, 32, 144, 80, 4, 3, 1, kStretchAndFill)}}},
        {"TRACKBAR", {{"TRANSPARENCY", "100"}, {"FADINGINTERVALIN", "20"}, {"FADINGINTERVALOUT", "30"},
                      {"SLIDERCHANNEL", Mask(48, 194, 60, 200, 2, 1, 0, kStretchAndFill)},
                      {"SLIDERMASK", Mask(60, 194, 96, 212, 4, 3, 0, kStretchAndFill)},
                      {"SLIDERVMASK", Mask(96, 194, 150, 206, 4, 3, 0, kStretchAndFill)}}},
        {"SCROLLBTNBOTTOM", {{"BORDERSMASK", Mask(199, 0, 235, 24, 4, 3, 1, kStretchAndFill)},
                             {"GLYPHMASK", Glyph(172, 9, 199, 18, 3)}}},
        {"SCROLLBTNLEFT", {{"BORDERSMASK", Mask(199, 0, 235, 24, 4, 3, 1, kStretchAndFill)},
                           {"GLYPHMASK", Glyph(172, 18, 199, 27, 3)}}},
        {"SCROLLBTNRIGHT", {{"BORDERSMASK", Mask(199, 0, 235, 24, 4, 3, 1, kStretchAndFill)},
                            {"GLYPHMASK", Glyph(172, 27, 199, 36, 3)}}},
        {"SCROLLBTNTOP", {{"BORDERSMASK", Mask(199, 0, 235, 24, 4, 3, 1, kStretchAndFill)},
                          {"GLYPHMASK", Glyph(172, 0, 199, 9, 3)}}},
        {"SCROLLSLIDERH", {{"BORDERSMASK", Mask(136, 0, 172, 24, 4, 3, 1, kStretchAndFill)}}},
        {"SCROLLSLIDERV", {{"BORDERSMASK", Mask(136, 0, 172, 24, 4, 3, 1, kStretchAndFill)}}},
        {"PANEL", {{"COLOR", "14675954"}, {"GRADIENTDATA", panelGradient}, {"GRADIENTPERCENT", "100"},
                   {"FONTCOLOR", ink}, {"STATES", "3"}, {"HOTCOLOR", "14675954"},
                   {"BORDERSMASK", Mask(0, 194, 12, 206, 3, 1, 0, kStretchFrameOnly)}}},
        {"COMBOBOX", {{"PARENTCLASS", "EDIT"}, {"GLYPHMASK", Glyph(192, 162, 219, 171, 3)}}},
        {"GROUPBOX", {{"TRANSPARENCY", "100"}, {"FONTCOLOR", ink}, {"STATES", "1"},
                      {"BORDERSMASK", Mask(24, 48, 36, 60, 4, 1, 0, 4)}}},
        {"DRAGBAR", {{"PARENTCLASS", "PANEL"}}},
        {"FORM",
         {{"COLOR", "14675954"}, {"FONTCOLOR", ink}, {"HOTFONTCOLOR", ink},
          {"BORDERSMASK", Mask(104, 0, 136, 16, 4, 2, 0, kStretchAndFill)}, {"BICONCLOSE", Glyph(0, 124, 48, 140, 3)},
          {"BICONMAX", Glyph(48, 124, 96, 140, 3)}, {"BICONMIN", Glyph(96, 124, 144, 140, 3)},
          {"BICONNORM", Glyph(144, 124, 192, 140, 3)}, {"BICONHELP", Glyph(192, 124, 240, 140, 3)}}},
        {"TABLEFT", {{"COLOR", Bgr(0xE9ECF0)}, {"HOTCOLOR", white}, {"FONTCOLOR", ink},
                     {"BORDERSMASK", Mask(96, 162, 144, 194, 4, 3, 1, kStretchAndFill)}}},
        {"TABRIGHT", {{"COLOR", Bgr(0xE9ECF0)}, {"HOTCOLOR", white}, {"FONTCOLOR", ink},
                      {"BORDERSMASK", Mask(144, 162, 192, 194, 4, 3, 1, kStretchAndFill)}}},
        {"PAGECONTROL", {{"COLOR", white}, {"STATES", "1"}, {"BORDERSMASK", Mask(24, 48, 36, 60, 4, 1, 0, 4)}}},
        {"PAGECONTROLLEFT", {{"PARENTCLASS", "PAGECONTROL"}}},
        {"STATUSBAR", {{"COLOR", Bgr(0xEEF0F3)}, {"FONTCOLOR", Bgr(0x4A5360)}, {"STATES", "1"},
                       {"BORDERSMASK", Mask(24, 194, 36, 206, 3, 1, 0, kStretchFrameOnly)}}},
        {"MENUITEM", {{"COLOR", white}, {"HOTCOLOR", hot}, {"FONTCOLOR", ink}, {"HOTFONTCOLOR", ink},
                      {"BORDERSMASK", Mask(12, 48, 24, 60, 4, 1, 0, 4)}}},
        {"FORMTITLE", {{"COLOR", Bgr(0xE4E9F0)}, {"GRADIENTDATA", titleGradient}, {"GRADIENTPERCENT", "100"},
                       {"FONTCOLOR", ink}, {"HOTFONTCOLOR", ink}}},
        {"GAUGE", {{"PARENTCLASS", "PANEL"}, {"TRANSPARENCY", "0"}, {"STATES", "1"}}},
        {"BUTTON",
         {{"COLOR", "16772574"}, {"HOTCOLOR", "16777215"}, {"FONTCOLOR", ink}, {"HOTFONTCOLOR", accent},
          {"GRADIENTDATA", buttonGradient}, {"GRADIENTPERCENT", "100"}, {"HOTGRADIENTDATA", "N/A"},
          {"FADINGENABLED", "1"}, {"FADINGITERATIONS", "5"}, {"FADINGINTERVALIN", "20"},
          {"FADINGINTERVALOUT", "30"}, {"SHOWFOCUS", "1"}, {"BORDERSMASK", Mask(0, 0, 72, 48, 5, 3, 1, kStretchAndFill)}}},
        {"PROGRESSH", {{"COLOR", accent}, {"STATES", "1"}, {"BORDERSMASK", Mask(36, 48, 48, 60, 4, 1, 0, 4)}}},
        {"PROGRESSV", {{"COLOR", accent}, {"STATES", "1"}, {"BORDERSMASK", Mask(48, 48, 60, 60, 4, 1, 0, 4)}}},
        {"BUTTON_BIG", {{"PARENTCLASS", "BUTTON"}}},
        {"ALPHAEDIT", {{"PARENTCLASS", "EDIT"}, {"STATES", "1"}}},
        {"BAR", {{"COLOR", face}, {"STATES", "1"}}},
        {"BARPANEL", {{"COLOR", face}, {"STATES", "1"}}},
        {"WEBBUTTON", {{"TRANSPARENCY", "100"}, {"FONTCOLOR", accent}, {"HOTFONTCOLOR", Bgr(0x1B5FA8)}}},
        {"BARTITLE", {{"COLOR", Bgr(0xE4E9F0)}, {"FONTCOLOR", ink}, {"STATES", "1"}}},
        {"MAINMENU", {{"COLOR", face}, {"FONTCOLOR", ink}, {"STATES", "1"}}},
        {"ICOLINE", {{"COLOR", Bgr(0xEEF0F3)}, {"STATES", "1"}}},
        {"EXTRALINE", {{"COLOR", Bgr(0xE4E9F0)}, {"FONTCOLOR", muted}, {"STATES", "1"}}},
        {"GRIPH", {{"BORDERSMASK", "N/A"}, {"PATTERN", "~0072~0141~0078~0147~10~0"}, {"STATES", "1"}}},
        {"HINT", {{"COLOR", Bgr(0xFFFDF2)}, {"FONTCOLOR", ink}, {"STATES", "1"},
                  {"BORDERSMASK", Mask(0, 48, 12, 60, 4, 1, 0, 4)}}},
        {"BUTTON_HUGE", {{"PARENTCLASS", "BUTTON_BIG"}, {"BORDERSMASK", "!BUTTONHUGE.BMP!3!1!0!0032!0032!0032!0032!5"}}},
        {"DIVIDERV", {{"COLOR", line}, {"STATES", "1"}}},
        {"ALPHACOMBOBOX", {{"PARENTCLASS", "COMBOBOX"}, {"STATES", "1"}}},
        {"SELECTION", {{"COLOR", accent}, {"HOTCOLOR", accent}, {"FONTCOLOR", white}, {"HOTFONTCOLOR", white}}},
        {"TOOLBAR", {{"COLOR", face}, {"STATES", "1"}}},
        {"RIBBONPAGE", {{"COLOR", Bgr(0xF7F8FA)}, {"STATES", "1"}}},
        {"RIBBONTAB", {{"PARENTCLASS", "TABTOP"}}},
    };
    std::string text;
    for (const Section& s : sections) {
        text += "[" + std::string(s.name) + "]\r\n";
        for (const auto& [key, value] : s.keys) text += key + "=" + value + "\r\n";
    }
    return text;
}
