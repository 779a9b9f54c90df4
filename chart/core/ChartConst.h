#pragma once
// Every text the chart engine shows or raises, in one place, so that the
// whole vocabulary can be replaced at once. Read by the engine's code;
// never compare against literals elsewhere.

#include <string>

namespace ChartConst {

extern std::string FileExtension;  // "cht"
extern std::string InvalidChartFile;
extern std::string WrongChartFileFormat;
extern std::string EmptyChartFile;

// Exception messages.
extern std::string LegendFirstValue;
extern std::string NoParentChartToValidate;
extern std::string NoValidDataSource;  // %s
extern std::string SampleValuesCount;
extern std::string DateTimeAxisLogarithmic;
extern std::string LogarithmicAxisNegative;
extern std::string LabelsSeparationNegative;
extern std::string AxisIncrementNegative;
extern std::string AxisMinimumAboveMaximum;
extern std::string AxisMaximumBelowMinimum;
extern std::string AxisLogarithmicBase;
extern std::string MaxPointsPerPageNegative;
extern std::string Chart3DPercentRange;  // %d %d
extern std::string CircularSeriesSources;
extern std::string PointerSizeNotPositive;
extern std::string FunctionPeriodNegative;
extern std::string SeriesDeleteOutOfBounds;  // %d %d
extern std::string MultiplierObsolete;
extern std::string MultiplierObsoleteHelp;

// Format patterns and default names.
extern std::string MarkValueOfPercent;           // "%s of %s"
extern std::string MarkValueOfPercentMultiLine;  // "%s\rof %s"
extern std::string DefaultPercentFormat;
extern std::string DefaultValueFormat;
extern std::string XValuesName;
extern std::string YValuesName;
extern std::string SeriesTitleStem;
extern std::string DefaultFontName;
extern std::string DefaultFontSize;

// Style variants the series offer.
extern std::string StyleNormal, StyleStairs, StylePoints, StyleHeight, StyleHollow, StyleColors, StyleMarks,
    StyleNoBorder, StyleOutline;

// Filter names and filter editor captions.
extern std::string FilterResize, FilterCrop, FilterInvert, FilterGrayScale, FilterMosaic, FilterFlip, FilterReverse,
    FilterBrightness, FilterColor, FilterHueLumSat, FilterSharpen, FilterGammaCorrection, FilterEmboss, FilterContrast,
    FilterRotate, FilterMirror, FilterTile, FilterBevel, FilterZoom, FilterBlur, FilterAntialias, CaptionPercent,
    CaptionSmooth, CaptionWidth, CaptionHeight, CaptionLeft, CaptionTop, CaptionBack, CaptionAutosize, CaptionColumns,
    CaptionRows;

// Colour palette names.
extern std::string PaletteDefault, PaletteLedger, PaletteVictorian, PalettePastels, PaletteSolid, PaletteClassic,
    PaletteWeb, PaletteModern, PaletteRainbow, PaletteSky, PalettePearl, PaletteGlass, PaletteGrayScale,
    PaletteScarlet, PaletteWarm, PaletteCool;

}  // namespace ChartConst
