#pragma once
// Views: the objects shown on a printed page, with their alignment among
// their siblings, a fill and a frame, drawn on a canvas at any scale;
// stretcheable views may grow with their content.

#include "report/objects/Frame.h"
#include "report/objects/ReportComponent.h"
#include "ui/graphics/Colors.h"
#include "ui/graphics/GraphicsObjects.h"

class TCanvas;

class TEnumInfo;

enum class TrpAlign { baNone, baLeft, baRight, baCenter, baWidth, baBottom, baClient };
enum class TrpShiftMode { smDontShift, smAlways, smWhenOverlapped };
enum class TrpStretchMode { smDontStretch, smActualHeight, smMaxHeight };
const TEnumInfo& TrpAlignInfo();

class TrpView : public TrpReportComponent {
    DECLARE_CLASS_INFO
public:
    explicit TrpView(TComponent* owner);

    TrpAlign Align() const { return align_; }
    void SetAlign(TrpAlign value) { align_ = value; }
    bool Printable() const { return printable_; }
    void SetPrintable(bool value) { printable_ = value; }
    TrpShiftMode ShiftMode() const { return shiftMode_; }
    void SetShiftMode(TrpShiftMode value) { shiftMode_ = value; }
    // clNone: no fill.
    TColor Color() const { return color_; }
    void SetColor(TColor value) { color_ = value; }
    // A hatch style draws the hatch over the fill in the frame's colour.
    TBrushStyle BrushStyle() const { return brushStyle_; }
    void SetBrushStyle(TBrushStyle value) { brushStyle_ = value; }
    TrpFrame* Frame() { return &frame_; }
    const TrpFrame* Frame() const { return &frame_; }
    void SetFrame(TrpFrame* frame) { frame_.Assign(frame); }

    // Report units times the scale, plus the offset, give device pixels.
    void Draw(TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) override;
    // Fills the view from its data before it is printed.
    virtual void FetchData() {}
    // Keeps the canvas and scale and works out the device rectangle.
    virtual void PrepareDrawing(TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY);
    virtual void PaintBackground();
    // The drop shadow and the frame's sides.
    virtual void PaintFrame();
    // `width` one-pixel lines side by side with the canvas's pen (0 counts as 1).
    void DrawWideLine(int x, int y, int x1, int y1, int width);

    // The device rectangle of the last PrepareDrawing (the shadow taken off).
    struct DeviceRect {
        int X, Y, X1, Y1, DX, DY;
    };
    const DeviceRect& Device() const { return device_; }
    int FrameWidthPixels() const { return frameWidth_; }

    std::string DifferenceText(const TrpComponent& reference) const override;

protected:
    TCanvas* DrawingCanvas() const { return canvas_; }
    double ScaleX() const { return scaleX_; }
    double ScaleY() const { return scaleY_; }

private:
    void PaintSide(int x, int y, int x1, int y1, const TrpFrameLine& line, TrpFrameType side, bool startMeets,
                   bool endMeets);

    TrpAlign align_ = TrpAlign::baNone;
    bool printable_ = true;
    TrpShiftMode shiftMode_ = TrpShiftMode::smAlways;
    TColor color_ = clNone;
    TBrushStyle brushStyle_ = TBrushStyle::bsSolid;
    TrpFrame frame_;

    TCanvas* canvas_ = nullptr;
    double scaleX_ = 1, scaleY_ = 1, offsetX_ = 0, offsetY_ = 0;
    DeviceRect device_{};
    int frameWidth_ = 0;
};

class TrpStretcheable : public TrpView {
    DECLARE_CLASS_INFO
public:
    using TrpView::TrpView;
    TrpStretchMode StretchMode() const { return stretchMode_; }
    void SetStretchMode(TrpStretchMode value) { stretchMode_ = value; }

    // Growing with the content and cutting across pages; a plain view keeps
    // its height and has nothing to cut.
    virtual double CalcHeight() { return Height(); }
    virtual double CutPart() { return 0; }
    virtual void StartParts() {}
    virtual bool HasMoreParts() { return false; }

private:
    TrpStretchMode stretchMode_ = TrpStretchMode::smDontStretch;
};
