#pragma once
// The drawing attributes a canvas selects: font, pen and brush. Each tells
// its OnChange when a property changes, and makes its system object on
// first use after a change.

#include "ui/core/Events.h"
#include "ui/core/Persistent.h"
#include "ui/core/Set.h"
#include "ui/graphics/Colors.h"

#include "platform/gdi/GdiTypes.h"

#include <memory>
#include <mutex>
#include <string>

class TBitmap;
class TEnumInfo;

class TGraphicsObject : public TPersistent {
    DECLARE_CLASS_INFO
public:
    ~TGraphicsObject() override;
    TNotifyEvent OnChange;

protected:
    // Drops the system object and tells OnChange.
    void Changed();
    void ReleaseHandle();
    platform::HGDIOBJ handle_ = nullptr;
};

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum class TFontPitch { fpDefault, fpVariable, fpFixed };
enum class TFontQuality { fqDefault, fqDraft, fqProof, fqNonAntialiased, fqAntialiased, fqClearType };

class TFont : public TGraphicsObject {
    DECLARE_CLASS_INFO
public:
    TFont();

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Pixels: negative for the character height, positive for the cell.
    int Height() const { return height_; }
    void SetHeight(int height);
    // Points at PixelsPerInch.
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    int Charset() const { return charset_; }
    void SetCharset(int charset);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch pitch);
    // Tenths of a degree, counter-clockwise.
    int Orientation() const { return orientation_; }
    void SetOrientation(int orientation);
    TFontQuality Quality() const { return quality_; }
    void SetQuality(TFontQuality quality);
    int PixelsPerInch = 96;

    platform::HFONT Handle();
    void Assign(const TPersistent* source) override;

private:
    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TColor color_ = clWindowText;
    TFontStyles style_;
    int charset_ = 1;  // default character set
    TFontPitch pitch_ = TFontPitch::fpDefault;
    int orientation_ = 0;
    TFontQuality quality_ = TFontQuality::fqDefault;
};

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum class TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};
// The system's mix mode (R2_*) of a pen mode.
int PenModeToRop2(TPenMode mode);

class TPen : public TGraphicsObject {
    DECLARE_CLASS_INFO
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Width() const { return width_; }
    void SetWidth(int width);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style);
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode mode);

    platform::HPEN Handle();
    void Assign(const TPersistent* source) override;

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = TPenStyle::psSolid;
    TPenMode mode_ = TPenMode::pmCopy;
};

enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
// The styles by the names stored form data uses.
const TEnumInfo& BrushStyleInfo();

class TBrush : public TGraphicsObject {
    DECLARE_CLASS_INFO
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);
    // A picture that fills as a repeated pattern in place of colour and
    // style; nullptr when there is none. The brush keeps its own copy, so
    // the caller's bitmap may go away; brushes assigned from each other
    // share that copy.
    const TBitmap* Bitmap() const { return bitmap_.get(); }
    void SetBitmap(const TBitmap* bitmap);

    platform::HBRUSH Handle();
    void Assign(const TPersistent* source) override;

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = TBrushStyle::bsSolid;
    std::shared_ptr<const TBitmap> bitmap_;
};
