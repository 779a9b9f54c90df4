#include "chart/canvas/ChartFont.h"

#include "chart/core/ChartConst.h"
#include "chart/effects/ChartPicture.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Mapping.h"
#include "platform/system/Languages.h"
#include "platform/text/Fonts.h"

#include "ui/core/NumberConversion.h"
#include "ui/core/PublishedProperties.h"
#include "ui/forms/Screen.h"
#include "ui/graphics/Picture.h"

TChartFontDefaults ChartFontDefaultsFor(unsigned short language) {
    TChartFontDefaults defaults{ChartConst::DefaultFontName, StrToIntDef(ChartConst::DefaultFontSize, 8)};
    if (platform::PRIMARYLANGID(language) == platform::LANG_JAPANESE && defaults.Size == 8) {
        const platform::LOGFONTA system = platform::StockLogFont(platform::DEFAULT_GUI_FONT);
        defaults.Size = -platform::MulDiv(system.lfHeight, 72, Screen->PixelsPerInch);
        defaults.Name = system.lfFaceName;
    }
    return defaults;
}

TChartFontDefaults& DefaultChartFont() {
    static TChartFontDefaults defaults = ChartFontDefaultsFor(platform::GetSystemDefaultLangID());
    return defaults;
}

// Colour and style are stored against the defaults the owner gave the font,
// name and height against the engine's default font.
const TClassInfo& TChartFont::StaticClass() {
    using F = TChartFont;
    static const TClassInfo info = TPublished<F>("TChartFont", TFont::StaticClass())
        .Integer("Color", &F::Color, &F::SetColor)
        .Stored(&F::ColorStored)
        .Object("Gradient", &TChartFontGradient::StaticClass, [](F& f) { return &f.Gradient(); },
                nullptr)
        .Integer("Height", &F::Height, &F::SetHeight)
        .Stored(&F::HeightStored)
        .Integer("InterCharSize", &F::InterCharSize, &F::SetInterCharSize, 0)
        .String("Name", &F::Name, &F::SetName)
        .Stored(&F::NameStored)
        .Object("OutLine", &TChartPen::StaticClass, [](F& f) { return &f.OutLine(); }, nullptr)
        .Object("Picture", &TChartPicture::StaticClass, [](F& f) { return &f.Picture(); }, nullptr)
        .Object("Shadow", &TChartShadow::StaticClass, [](F& f) { return &f.Shadow(); }, nullptr)
        .Set("Style", *TFont::StaticClass().FindProperty("Style")->EnumType, &F::Style, &F::SetStyle)
        .Stored(&F::StyleStored)
        .Build();
    return info;
}

TChartFont::TChartFont(TChangeEvent onChange) : onChange_(std::move(onChange)) {
    SetColor(clBlack);
    SetCharset(1);
    SetName(DefaultChartFont().Name);
    if (Size() != DefaultChartFont().Size) SetSize(DefaultChartFont().Size);
    OnChange = ChangeCallback(onChange_);
}

TChartFont::~TChartFont() = default;

bool TChartFont::HeightStored() const { return Size() != DefaultChartFont().Size; }
bool TChartFont::NameStored() const { return Name() != DefaultChartFont().Name; }

void TChartFont::Assign(const TPersistent* source) {
    if (auto* font = dynamic_cast<const TChartFont*>(source)) {
        SetGradient(font->gradient_.get());
        interCharSize_ = font->interCharSize_;
        SetOutLine(font->outLine_.get());
        SetShadow(font->shadow_.get());
        SetPicture(font->picture_.get());
    }
    TFont::Assign(source);
}

void TChartFont::SetInterCharSize(int value) {
    if (interCharSize_ == value) return;
    interCharSize_ = value;
    Changed();
}

TChartHiddenPen& TChartFont::OutLine() {
    if (!outLine_) outLine_ = std::make_unique<TChartHiddenPen>(onChange_);
    return *outLine_;
}

void TChartFont::SetOutLine(const TChartPen* pen) {
    if (!pen)
        outLine_.reset();
    else
        OutLine().Assign(static_cast<const TPersistent*>(pen));
}

TChartFontGradient& TChartFont::Gradient() {
    if (!gradient_) gradient_ = std::make_unique<TChartFontGradient>([this] { Changed(); });
    return *gradient_;
}

void TChartFont::SetGradient(const TChartFontGradient* gradient) {
    if (!gradient)
        gradient_.reset();
    else
        Gradient().Assign(*gradient);
}

TChartPicture& TChartFont::Picture() {
    if (!picture_) picture_ = std::make_unique<TChartPicture>();
    return *picture_;
}

bool TChartFont::HasPicture() const { return picture_ && picture_->Graphic(); }

void TChartFont::SetPicture(const TPicture* picture) {
    if (!picture)
        picture_.reset();
    else
        Picture().Assign(picture);
}

TChartShadow& TChartFont::Shadow() {
    if (!shadow_) shadow_ = std::make_unique<TChartShadow>(onChange_);
    return *shadow_;
}

void TChartFont::SetShadow(const TChartShadow* shadow) {
    if (!shadow)
        shadow_.reset();
    else
        Shadow().Assign(*shadow);
}
