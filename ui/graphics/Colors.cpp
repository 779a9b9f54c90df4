#include "ui/graphics/Colors.h"

#include "ui/core/Exceptions.h"
#include "ui/core/NumberConversion.h"
#include "ui/core/TextCase.h"

#include "platform/gdi/SystemColors.h"

#include <cstdio>
#include <utility>

namespace {

constexpr std::pair<TColor, const char*> kNames[] = {
    {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"}, {clOlive, "clOlive"},
    {clNavy, "clNavy"}, {clPurple, "clPurple"}, {clTeal, "clTeal"}, {clGray, "clGray"},
    {clSilver, "clSilver"}, {clRed, "clRed"}, {clLime, "clLime"}, {clYellow, "clYellow"},
    {clBlue, "clBlue"}, {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"}, {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"}, {clSkyBlue, "clSkyBlue"}, {clCream, "clCream"}, {clMedGray, "clMedGray"},
    {clLtGray, "clLtGray"}, {clDkGray, "clDkGray"},
    {clScrollBar, "clScrollBar"}, {clBackground, "clBackground"}, {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"}, {clMenu, "clMenu"}, {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"}, {clMenuText, "clMenuText"}, {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"}, {clActiveBorder, "clActiveBorder"}, {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"}, {clHighlight, "clHighlight"}, {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"}, {clBtnShadow, "clBtnShadow"}, {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"}, {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"}, {cl3DDkShadow, "cl3DDkShadow"}, {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"}, {clInfoBk, "clInfoBk"}, {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"}, {clMenuHighlight, "clMenuHighlight"},
    {clMenuBar, "clMenuBar"}, {clNone, "clNone"}, {clDefault, "clDefault"},
};

}  // namespace

std::uint32_t ColorToRGB(TColor color) {
    auto bits = static_cast<std::uint32_t>(color);
    if ((bits & 0xFF000000u) == 0xFF000000u) return platform::GetSysColor(static_cast<int>(bits & 0xFF));
    return bits & 0x00FFFFFFu;
}

std::string ColorToString(TColor color) {
    for (const auto& [value, name] : kNames)
        if (value == color) return name;
    char text[16];
    std::snprintf(text, sizeof text, "$%.8X", static_cast<unsigned>(color));
    return text;
}

bool IdentToColor(std::string_view ident, TColor& color) {
    for (const auto& [value, name] : kNames)
        if (AnsiSameText(name, ident)) {
            color = value;
            return true;
        }
    return false;
}

TColor StringToColor(std::string_view text) {
    TColor color;
    if (IdentToColor(text, color)) return color;
    return StrToInt(text);
}
