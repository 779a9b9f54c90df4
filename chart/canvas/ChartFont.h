#pragma once
// The font every chart element carries: the class library's font with extra
// space between characters, an outline pen, a gradient or picture fill and
// a shadow, each made when first asked for.

#include "chart/canvas/ChangeCallback.h"
#include "chart/canvas/ChartPen.h"
#include "chart/effects/ChartFontGradient.h"
#include "chart/effects/ChartShadow.h"

#include "ui/graphics/GraphicsObjects.h"

#include <memory>

class TChartCanvas;
class TChartPicture;

class TChartFont : public TFont {
    DECLARE_CLASS_INFO
public:
    explicit TChartFont(TChangeEvent onChange = nullptr);
    ~TChartFont() override;
    // From another chart font its effects first; from any font the font's own settings.
    void Assign(const TPersistent* source) override;
    void Assign(const TFont& source) { Assign(static_cast<const TPersistent*>(&source)); }

    int InterCharSize() const { return interCharSize_; }
    void SetInterCharSize(int value);
    TChartHiddenPen& OutLine();
    bool HasOutLine() const { return outLine_ != nullptr; }
    // nullptr drops it; anything else is copied.
    void SetOutLine(const TChartPen* pen);
    TChartFontGradient& Gradient();
    bool HasGradient() const { return gradient_ != nullptr; }
    void SetGradient(const TChartFontGradient* gradient);
    // Drawn after its filters.
    TChartPicture& Picture();
    bool HasPicture() const;
    void SetPicture(const TPicture* picture);
    TChartShadow& Shadow();
    bool HasShadow() const { return shadow_ != nullptr; }
    void SetShadow(const TChartShadow* shadow);

    // Owners give the font their own defaults right after making it.
    TColor ColorDefault = clBlack;
    TFontStyles StyleDefault;
    bool ColorStored() const { return Color() != ColorDefault; }
    bool StyleStored() const { return Style() != StyleDefault; }
    bool HeightStored() const;
    bool NameStored() const;

    // The canvas the font was last selected into.
    TChartCanvas* Canvas = nullptr;

private:
    void Notify() {
        if (onChange_) onChange_();
    }
    TChangeEvent onChange_;
    int interCharSize_ = 0;
    std::unique_ptr<TChartHiddenPen> outLine_;
    std::unique_ptr<TChartFontGradient> gradient_;
    std::unique_ptr<TChartPicture> picture_;
    std::unique_ptr<TChartShadow> shadow_;
};

// The chart font's defaults, set when the engine starts.
struct TChartFontDefaults {
    std::string Name;
    int Size = 8;
};
TChartFontDefaults& DefaultChartFont();
// The defaults for a system of `language` (a platform language identifier):
// on a Japanese system the 8-point size and the name give way to the
// system's own font, whose letters the usual default cannot show.
TChartFontDefaults ChartFontDefaultsFor(unsigned short language);
