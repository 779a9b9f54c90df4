#include "skin/core/text/SectionText.h"

#include "skin/core/colors/ColorOps.h"
#include "skin/core/controldata/SkCommonData.h"
#include "skin/core/data/SkinColors.h"
#include "skin/core/data/SkinLookups.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/controldata/SkCommonData.h"
#include "skin/core/text/SectionTextColors.h"
#include "skin/core/text/TextGlow.h"
#include "skin/core/text/TextRoutines.h"

#include "ui/forms/CustomControl.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Colors.h"

#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/text/DrawText.h"

#include <algorithm>
#include <iterator>

namespace {

// The disabled text: 40 % of the font colour over 60 % of the background.
constexpr double kDisabledTextShare = 0.4;
constexpr unsigned kAllThickening = 1 | 2 | 4 | 8;
// The label kinds (the skinned label, the standard one) and graphic controls.
constexpr int kLabelKinds[] = {32, 33, 74};

std::uint32_t Rgb(std::uint32_t color) { return ColorToRGB(static_cast<TColor>(color)); }

void DrawIn(platform::HDC dc, const std::string& text, std::uint32_t color, const TRect& rect, unsigned format) {
    platform::SetTextColor(dc, Rgb(color));
    DrawTextStr(dc, text, rect, format);
}

// Labels and graphic controls over a see-through section take the font of
// the parent they show.
bool TakesParentFont(const TSkCommonData& data, const TSkGenState& state) {
    TControl* owner = data.OwnerCtrl;
    if (!owner || !owner->Parent() || state.Transparency <= 0) return false;
    return std::find(std::begin(kLabelKinds), std::end(kLabelKinds), data.ControlKind) != std::end(kLabelKinds) ||
           dynamic_cast<TGraphicControl*>(owner) != nullptr;
}

}  // namespace

void DrawSectionText(TCanvas& canvas, const std::string& text, bool enabled, TSkinManager* manager, int state,
                     int sectionIndex, unsigned format, const TRect& rect) {
    TSkinManager* m = manager ? manager : DefaultSkinManager;
    if (m) {
        DrawSectionText(canvas, text, enabled, m->Skin(), state, sectionIndex, format, rect);
    } else if (!text.empty()) {
        platform::HDC dc = CanvasTextDC(canvas);
        platform::SetBkMode(dc, platform::TRANSPARENT);
        DrawTextStr(dc, text, rect, format);
    }
}

void DrawSectionText(TCanvas& canvas, const std::string& text, bool enabled, const TSkinContent& skin, int state,
                     int sectionIndex, unsigned format, const TRect& rect) {
    if (text.empty()) return;
    platform::HDC dc = CanvasTextDC(canvas);
    platform::SetBkMode(dc, platform::TRANSPARENT);
    if (!skin.SectionIndexValid(sectionIndex)) {
        DrawTextStr(dc, text, rect, format);
        return;
    }
    const TSkGeneralData& section = skin.GeneralData[static_cast<std::size_t>(sectionIndex)];
    if (enabled) {
        const TSkTextColors colors = SectionTextColors(section, state > 0);
        for (const TSkContour& contour : colors.Contours())
            DrawIn(dc, text, contour.Color, MovedRect(rect, contour.Offset), format);
        canvas.Font()->SetColor(static_cast<TColor>(colors.Main));
        DrawIn(dc, text, colors.Main, rect, format);
        return;
    }
    const std::uint32_t pale =
        MixTwoColors(Rgb(static_cast<std::uint32_t>(section.StateProps[NormalState].FontColor[0])), Rgb(section.Color),
                     kDisabledTextShare);
    canvas.Font()->SetColor(static_cast<TColor>(pale));
    DrawIn(dc, text, pale, rect, format);
}

void DrawSectionTextCompat(TCanvas& canvas, const std::string& text, bool enabled, TSkinManager* manager, int state,
                           int sectionIndex, unsigned format, const TRect& rect) {
    DrawSectionText(canvas, text, enabled, manager, state, sectionIndex, format, rect);
}

void DrawControlText(TCanvas& canvas, const std::string& text, bool enabled, bool hot, TSkCommonData& data,
                     unsigned format, const TRect& rect) {
    if (text.empty()) return;
    TSkinManager* m = data.SkinManager();
    const bool skinned = data.HasSkin() && !data.CustomFont() && m;
    if (hot && skinned && data.SectionIndex >= 0 && data.SectionIndex == m->Skin().StdIndexes.WebButton)
        canvas.Font()->SetStyle(TFontStyles(canvas.Font()->Style()).Include(TFontStyle::fsUnderline));
    platform::HDC dc = CanvasTextDC(canvas);
    const int saved = platform::SaveDC(dc);
    platform::IntersectClipRect(dc, rect.Left, rect.Top, rect.Right, rect.Bottom);
    platform::SetBkMode(dc, platform::TRANSPARENT);
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    auto adjust = [&](std::uint32_t color) {
        return ChangeColorSaturation(ShiftColorHue(data.HUEOffset, Rgb(color)), data.Saturation);
    };
    if (skinned) {
        const TSkinContent& skin = m->Skin();
        int index = data.SectionIndex;
        if (skin.SectionIndexValid(index) &&
            TakesParentFont(data, TextState(skin.GeneralData[static_cast<std::size_t>(index)], hot)))
            index = FindFontSection(data.OwnerCtrl, index, m, hot ? 1 : 0);
        if (skin.SectionIndexValid(index)) {
            const TSkGeneralData& section = skin.GeneralData[static_cast<std::size_t>(index)];
            const TSkGenState& state = TextState(section, hot);
            if (data.CacheBitmap && state.TextGlowSize > 0) {
                std::unique_ptr<TBitmap> mask;
                DrawTextGlow(*data.CacheBitmap, text, rect, mask, adjust(static_cast<std::uint32_t>(state.TextGlowColor)),
                             state.TextGlowSize, kAllThickening, format);
            }
            if (!enabled) {
                DrawIn(dc, text,
                       adjust(MixTwoColors(Rgb(static_cast<std::uint32_t>(section.FontColor[0])), GlobalBackColor(skin),
                                           kDisabledTextShare)),
                       rect, format);
            } else {
                const TSkTextColors colors = SectionTextColors(section, hot);
                for (const TSkContour& contour : colors.Contours())
                    DrawIn(dc, text, adjust(contour.Color), MovedRect(rect, contour.Offset), format);
                DrawIn(dc, text, adjust(colors.Main), rect, format | platform::DT_NOCLIP);
            }
        } else {
            DrawTextStr(dc, text, rect, format);
        }
    } else if (enabled) {
        DrawTextStr(dc, text, rect, format);
    } else {
        DrawIn(dc, text, clBtnHighlight, MovedRect(rect, {1, 1}), format);
        DrawIn(dc, text, clBtnShadow, rect, format);
    }
    platform::RestoreDC(dc, saved);
}

void DrawControlTextCompat(TCanvas& canvas, const std::string& text, bool enabled, bool hot, TSkCommonData& data,
                           unsigned format, const TRect& rect, TSkinManager* /*ignored*/) {
    DrawControlText(canvas, text, enabled, hot, data, format, rect);
}
