#include "chart/core/ChartConst.h"

namespace ChartConst {

std::string FileExtension = "cht";
std::string InvalidChartFile = "Invalid Chart in *." + FileExtension + " file";
std::string WrongChartFileFormat = "Wrong *." + FileExtension + " file format";
std::string EmptyChartFile = "Empty *." + FileExtension + " file";

std::string LegendFirstValue = "First Legend Value must be > 0";
std::string NoParentChartToValidate = "No ParentChart to validate DataSource";
std::string NoValidDataSource = "No valid DataSource: %s";
std::string SampleValuesCount = "FillSampleValues NumValues must be > 0";
std::string DateTimeAxisLogarithmic = "DateTime Axis cannot be Logarithmic";
std::string LogarithmicAxisNegative = "Logarithmic Axis Min and Max values should be >= 0";
std::string LabelsSeparationNegative = "Labels Separation % must be greater than 0";
std::string AxisIncrementNegative = "Axis increment must be >= 0";
std::string AxisMinimumAboveMaximum = "Axis Minimum Value must be <= Maximum";
std::string AxisMaximumBelowMinimum = "Axis Maximum Value must be >= Minimum";
std::string AxisLogarithmicBase = "Axis Logarithmic Base should be <> 1 and > 0";
std::string MaxPointsPerPageNegative = "MaxPointsPerPage must be >= 0";
std::string Chart3DPercentRange = "3D effect percent must be between %d and %d";
std::string CircularSeriesSources = "Circular Series dependences are not allowed";
std::string PointerSizeNotPositive = "Pointer size must be greater than zero";
std::string FunctionPeriodNegative = "Function Period should be >= 0";
std::string SeriesDeleteOutOfBounds = "Series Delete: ValueIndex %d out of bounds (0 to %d).";
std::string MultiplierObsolete = "Error: Multiplier property is obsolete.";
std::string MultiplierObsoleteHelp = "Modify the chart definitions (enable Multiplier) and recompile.";

std::string MarkValueOfPercent = "%s of %s";
std::string MarkValueOfPercentMultiLine = "%s\rof %s";
std::string DefaultPercentFormat = "##0.## %";
std::string DefaultValueFormat = "#,##0.###";
std::string XValuesName = "X";
std::string YValuesName = "Y";
std::string SeriesTitleStem = "Series";
std::string DefaultFontName = "Arial";
std::string DefaultFontSize = "8";

std::string StyleNormal = "Normal", StyleStairs = "Stairs", StylePoints = "Points", StyleHeight = "Height",
            StyleHollow = "Hollow", StyleColors = "Colors", StyleMarks = "Marks", StyleNoBorder = "No Border",
            StyleOutline = "Outline";

std::string FilterResize = "Resize", FilterCrop = "Crop", FilterInvert = "Invert", FilterGrayScale = "Gray scale",
            FilterMosaic = "Mosaic", FilterFlip = "Flip", FilterReverse = "Reverse", FilterBrightness = "Brightness",
            FilterColor = "Color", FilterHueLumSat = "Hue,Lum,Sat", FilterSharpen = "Sharpen",
            FilterGammaCorrection = "Gamma correction", FilterEmboss = "Emboss", FilterContrast = "Contrast",
            FilterRotate = "Rotate", FilterMirror = "Mirror", FilterTile = "Tile", FilterBevel = "Bevel",
            FilterZoom = "Zoom", FilterBlur = "Blur", FilterAntialias = "Antialias", CaptionPercent = "Percent",
            CaptionSmooth = "Smooth", CaptionWidth = "Width", CaptionHeight = "Height", CaptionLeft = "Left",
            CaptionTop = "Top", CaptionBack = "Back", CaptionAutosize = "Autosize", CaptionColumns = "Columns",
            CaptionRows = "Rows";

std::string PaletteDefault = "Default", PaletteLedger = "Ledger", PaletteVictorian = "Victorian",
            PalettePastels = "Pastels", PaletteSolid = "Solid", PaletteClassic = "Classic", PaletteWeb = "Web",
            PaletteModern = "Modern", PaletteRainbow = "Rainbow", PaletteSky = "Sky", PalettePearl = "Pearl",
            PaletteGlass = "Glass", PaletteGrayScale = "Gray scale", PaletteScarlet = "Scarlet", PaletteWarm = "Warm",
            PaletteCool = "Cool";

}  // namespace ChartConst
