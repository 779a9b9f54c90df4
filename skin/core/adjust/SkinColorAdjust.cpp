#include "skin/core/adjust/SkinColorAdjust.h"

#include "skin/core/colors/BitmapColors.h"
#include "skin/core/colors/ColorOps.h"
#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/pixels/BitmapCopies.h"

#include "ui/graphics/Bitmap.h"

#include <algorithm>
#include <functional>
#include <set>
#include <vector>

namespace {

constexpr const char* kGlobalInfo = "GLOBALINFO";
constexpr std::int32_t kNoColor = -1;
constexpr int kSaturationRange = 101;
constexpr int kKeepCloseOnly = 1;  // BIKEEPHUE 1 keeps every title glyph; 2 and more the close glyphs
constexpr std::size_t kColorFields = 5;
constexpr std::size_t kGroupSize = 5;

using TColorChange = std::function<std::int32_t(std::int32_t)>;

// A glyph of the master bitmap copied out before the hue turn.
struct TSavedGlyph {
    int MaskIndex;
    std::unique_ptr<TBitmap> Pixels;
};

std::vector<std::string> KeptGlyphKeys(int keepHue) {
    std::vector<std::string> keys{"BICONCLOSE", "SICONCLOSE"};
    if (keepHue == kKeepCloseOnly)
        for (const char* k : {"BICONMAX", "BICONMIN", "BICONNORM", "BICONHELP", "SICONMAX", "SICONMIN", "SICONNORM"})
            keys.push_back(k);
    return keys;
}

void CopyRect(TBitmap& from, const TRect& fromRect, TBitmap& to, int toX, int toY) {
    for (int y = 0; y < fromRect.Height(); ++y)
        for (int x = 0; x < fromRect.Width(); ++x)
            WritePixel32(to, toX + x, toY + y, ReadPixel32(from, fromRect.Left + x, fromRect.Top + y));
}

void SaveGlyphs(const TSkinContent& skin, int keepHue, std::vector<TSavedGlyph>& saved, std::vector<int>& kept) {
    for (const std::string& key : KeptGlyphKeys(keepHue)) {
        int index = skin.FindOwnMaskIndex(kGlobalInfo, key);
        if (skin.MaskIndexValid(index) && !skin.Masks[std::size_t(index)].Image) {
            const TRect r = skin.Masks[std::size_t(index)].SourceRect;
            if (skin.MasterBitmap && !r.IsEmpty()) {
                auto copy = NewBitmap32(r.Width(), r.Height());
                CopyRect(*skin.MasterBitmap, r, *copy, 0, 0);
                saved.push_back({index, std::move(copy)});
            }
        } else {
            kept.push_back(index);
        }
        int glow = skin.FindOwnMaskIndex(kGlobalInfo, key + "GLOW0");
        if (skin.MaskIndexValid(glow) && skin.Masks[std::size_t(glow)].Image) kept.push_back(glow);
    }
}

// Count of ';'-separated numbers in a gradient text (runs of ';' count as one).
std::size_t GradientNumbers(const std::string& text) {
    std::size_t count = 0;
    bool inField = false;
    for (char c : text) {
        if (c == ';') {
            inField = false;
        } else if (!inField) {
            inField = true;
            ++count;
        }
    }
    return count;
}

void ChangeIfSet(std::int32_t& color, const TColorChange& change) {
    if (color != kNoColor) color = change(color);
}

void ChangeSteps(TSkGradArray& steps, std::size_t count, const TColorChange& change) {
    for (std::size_t i = 0; i < std::min(count, steps.size()); ++i) {
        steps[i].Color1 = change(steps[i].Color1);
        steps[i].Color2 = change(steps[i].Color2);
    }
}

void ChangeSectionColors(TSkinContent& skin, TSkinData& data, const TColorChange& change) {
    for (TSkGeneralData& s : skin.GeneralData) {
        for (std::int32_t* c : {&s.Color, &s.HotColor, &s.TextGlowColor, &s.HotTextGlowColor}) *c = change(*c);
        for (std::size_t i = 0; i < kColorFields; ++i) {
            ChangeIfSet(s.FontColor[i], change);
            ChangeIfSet(s.HotFontColor[i], change);
        }
        // The normal state's steps are the flat ones: each step changes once.
        std::size_t steps = GradientNumbers(s.GradientData) / kGroupSize;
        ChangeSteps(s.GradientArray, steps, change);
        s.StateProps[NormalState].GradientArray = s.GradientArray;
        ChangeSteps(s.HotGradientArray, s.HotGradientArray.size(), change);
        for (TSkGenState& state : s.StateProps) {
            ChangeIfSet(state.Color, change);
            ChangeIfSet(state.TextGlowColor, change);
            for (std::int32_t& c : state.FontColor) ChangeIfSet(c, change);
        }
    }
    data.Shadow1Color = change(data.Shadow1Color);
    data.BorderColor = change(data.BorderColor);
}

}  // namespace

void ApplyHueOffset(TSkinContent& skin, TSkinData& data, int amount) {
    if (amount == 0) return;
    std::vector<TSavedGlyph> saved;
    std::vector<int> kept;
    if (data.TitleIconKeepHue != 0) SaveGlyphs(skin, data.TitleIconKeepHue, saved, kept);
    ShiftBitmapHue(skin.MasterBitmap.get(), amount);
    for (TSavedGlyph& glyph : saved) {
        if (!skin.MaskIndexValid(glyph.MaskIndex) || !skin.MasterBitmap) continue;
        const TRect r = skin.Masks[std::size_t(glyph.MaskIndex)].SourceRect;
        CopyRect(*glyph.Pixels, TRect(0, 0, r.Width(), r.Height()), *skin.MasterBitmap, r.Left, r.Top);
    }
    std::set<TBitmap*> turned;  // records may share one picture: each turns once
    for (std::size_t i = 0; i < skin.Masks.size(); ++i) {
        TSkMaskData& mask = skin.Masks[i];
        if (!mask.Image) continue;
        bool keep = data.TitleIconKeepHue != 0 && std::find(kept.begin(), kept.end(), int(i)) != kept.end();
        if (!keep && turned.insert(mask.Image.get()).second) ShiftBitmapHue(mask.Image.get(), amount);
    }
    ChangeSectionColors(skin, data, [amount](std::int32_t c) {
        return static_cast<std::int32_t>(ShiftColorHue(amount, static_cast<std::uint32_t>(c)));
    });
}

void ApplySaturation(TSkinContent& skin, TSkinData& data, int amount) {
    if (amount == 0) return;
    int used = amount % kSaturationRange;
    if (used == 0) return;
    ChangeBitmapSaturation(skin.MasterBitmap.get(), used);
    std::set<TBitmap*> changed;
    for (TSkMaskData& mask : skin.Masks)
        if (mask.Image && changed.insert(mask.Image.get()).second) ChangeBitmapSaturation(mask.Image.get(), used);
    ChangeSectionColors(skin, data, [used](std::int32_t c) {
        return static_cast<std::int32_t>(ChangeColorSaturation(static_cast<std::uint32_t>(c), used));
    });
}
