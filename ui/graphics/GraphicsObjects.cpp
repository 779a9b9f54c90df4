#include "ui/graphics/GraphicsObjects.h"

#include "ui/core/PublishedProperties.h"
#include "ui/graphics/Bitmap.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/text/Fonts.h"

#include <algorithm>
#include <cstring>

namespace {

const TEnumInfo& FontStyleInfo() {
    static const TEnumInfo info("TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
    return info;
}
const TEnumInfo& FontPitchInfo() {
    static const TEnumInfo info("TFontPitch", {"fpDefault", "fpVariable", "fpFixed"});
    return info;
}
const TEnumInfo& PenStyleInfo() {
    static const TEnumInfo info("TPenStyle",
                                {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"});
    return info;
}
const TEnumInfo& PenModeInfo() {
    static const TEnumInfo info("TPenMode", {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy",
                                             "pmMergePenNot", "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen",
                                             "pmMerge", "pmNotMerge", "pmMask", "pmNotMask", "pmXor", "pmNotXor"});
    return info;
}

template <class T>
void Store(T& field, const T& value, const std::function<void()>& changed) {
    if (field == value) return;
    field = value;
    changed();
}

}  // namespace

const TEnumInfo& BrushStyleInfo() {
    static const TEnumInfo info("TBrushStyle", {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                                                "bsBDiagonal", "bsCross", "bsDiagCross"});
    return info;
}

// TGraphicsObject

const TClassInfo& TGraphicsObject::StaticClass() {
    static const TClassInfo info("TGraphicsObject", &TPersistent::StaticClass());
    return info;
}

TGraphicsObject::~TGraphicsObject() { ReleaseHandle(); }

void TGraphicsObject::ReleaseHandle() {
    if (handle_) platform::DeleteObject(handle_);
    handle_ = nullptr;
}

void TGraphicsObject::Changed() {
    ReleaseHandle();
    FireEvent(OnChange, this);
}

// TFont

const TClassInfo& TFont::StaticClass() {
    static const TClassInfo info =
        TPublished<TFont>("TFont", TGraphicsObject::StaticClass())
            .Integer("Charset", &TFont::Charset, &TFont::SetCharset, 1)
            .Integer("Color", &TFont::Color, &TFont::SetColor, clWindowText)
            .Integer("Height", &TFont::Height, &TFont::SetHeight)
            .String("Name", &TFont::Name, &TFont::SetName)
            .Enumeration("Pitch", FontPitchInfo(), &TFont::Pitch, &TFont::SetPitch, 0)
            .Integer("Size", &TFont::Size, &TFont::SetSize)
            .Stored([](const TFont&) { return false; })  // Height says it
            .Set("Style", FontStyleInfo(), &TFont::Style, &TFont::SetStyle, 0)
            .Build();
    return info;
}

TFont::TFont() = default;

void TFont::SetName(const std::string& name) {
    if (!name.empty()) Store(name_, name, [this] { Changed(); });
}
void TFont::SetHeight(int height) { Store(height_, height, [this] { Changed(); }); }
int TFont::Size() const { return -platform::MulDiv(height_, 72, PixelsPerInch); }
void TFont::SetSize(int points) { SetHeight(-platform::MulDiv(points, PixelsPerInch, 72)); }
void TFont::SetColor(TColor color) { Store(color_, color, [this] { Changed(); }); }
void TFont::SetStyle(TFontStyles style) { Store(style_, style, [this] { Changed(); }); }
void TFont::SetCharset(int charset) { Store(charset_, charset, [this] { Changed(); }); }
void TFont::SetPitch(TFontPitch pitch) { Store(pitch_, pitch, [this] { Changed(); }); }
void TFont::SetOrientation(int orientation) { Store(orientation_, orientation, [this] { Changed(); }); }
void TFont::SetQuality(TFontQuality quality) { Store(quality_, quality, [this] { Changed(); }); }

platform::HFONT TFont::Handle() {
    if (!handle_) {
        platform::LOGFONTA lf;
        lf.lfHeight = height_;
        lf.lfEscapement = orientation_;
        lf.lfOrientation = orientation_;
        lf.lfWeight = style_.Contains(TFontStyle::fsBold) ? platform::FW_BOLD : platform::FW_NORMAL;
        lf.lfItalic = style_.Contains(TFontStyle::fsItalic);
        lf.lfUnderline = style_.Contains(TFontStyle::fsUnderline);
        lf.lfStrikeOut = style_.Contains(TFontStyle::fsStrikeOut);
        lf.lfCharSet = static_cast<platform::BYTE>(charset_);
        lf.lfQuality = static_cast<platform::BYTE>(quality_);
        lf.lfPitchAndFamily = static_cast<platform::BYTE>(pitch_);
        std::strncpy(lf.lfFaceName, name_.c_str(), platform::LF_FACESIZE - 1);
        handle_ = platform::CreateFontIndirectA(&lf);
    }
    return static_cast<platform::HFONT>(handle_);
}

void TFont::Assign(const TPersistent* source) {
    auto* font = dynamic_cast<const TFont*>(source);
    if (!font) {
        TGraphicsObject::Assign(source);
        return;
    }
    if (name_ == font->name_ && height_ == font->height_ && color_ == font->color_ && style_ == font->style_ &&
        charset_ == font->charset_ && pitch_ == font->pitch_ && orientation_ == font->orientation_ &&
        quality_ == font->quality_)
        return;
    name_ = font->name_;
    height_ = font->height_;
    color_ = font->color_;
    style_ = font->style_;
    charset_ = font->charset_;
    pitch_ = font->pitch_;
    orientation_ = font->orientation_;
    quality_ = font->quality_;
    Changed();
}

// TPen

int PenModeToRop2(TPenMode mode) {
    static constexpr int kRop2[] = {1, 16, 11, 6, 13, 4, 14, 5, 12, 3, 15, 2, 9, 8, 7, 10};
    return kRop2[static_cast<int>(mode)];
}

const TClassInfo& TPen::StaticClass() {
    static const TClassInfo info =
        TPublished<TPen>("TPen", TGraphicsObject::StaticClass())
            .Integer("Color", &TPen::Color, &TPen::SetColor, clBlack)
            .Enumeration("Mode", PenModeInfo(), &TPen::Mode, &TPen::SetMode, static_cast<int>(TPenMode::pmCopy))
            .Enumeration("Style", PenStyleInfo(), &TPen::Style, &TPen::SetStyle, 0)
            .Integer("Width", &TPen::Width, &TPen::SetWidth, 1)
            .Build();
    return info;
}

void TPen::SetColor(TColor color) { Store(color_, color, [this] { Changed(); }); }
void TPen::SetWidth(int width) { Store(width_, std::max(width, 0), [this] { Changed(); }); }
void TPen::SetStyle(TPenStyle style) { Store(style_, style, [this] { Changed(); }); }
void TPen::SetMode(TPenMode mode) { Store(mode_, mode, [this] { Changed(); }); }

platform::HPEN TPen::Handle() {
    if (!handle_) {
        static constexpr int kStyles[] = {platform::PS_SOLID, platform::PS_DASH, platform::PS_DOT,
                                          platform::PS_DASHDOT, platform::PS_DASHDOTDOT, platform::PS_NULL,
                                          platform::PS_INSIDEFRAME};
        handle_ = platform::CreatePen(kStyles[static_cast<int>(style_)], width_, ColorToRGB(color_));
    }
    return static_cast<platform::HPEN>(handle_);
}

void TPen::Assign(const TPersistent* source) {
    auto* pen = dynamic_cast<const TPen*>(source);
    if (!pen) {
        TGraphicsObject::Assign(source);
        return;
    }
    if (color_ == pen->color_ && width_ == pen->width_ && style_ == pen->style_ && mode_ == pen->mode_) return;
    color_ = pen->color_;
    width_ = pen->width_;
    style_ = pen->style_;
    mode_ = pen->mode_;
    Changed();
}

// TBrush

const TClassInfo& TBrush::StaticClass() {
    static const TClassInfo info =
        TPublished<TBrush>("TBrush", TGraphicsObject::StaticClass())
            .Integer("Color", &TBrush::Color, &TBrush::SetColor, clWhite)
            .Enumeration("Style", BrushStyleInfo(), &TBrush::Style, &TBrush::SetStyle, 0)
            .Build();
    return info;
}

void TBrush::SetColor(TColor color) {
    Store(color_, color, [this] {
        if (style_ == TBrushStyle::bsClear && color_ != clNone) style_ = TBrushStyle::bsSolid;
        Changed();
    });
}
void TBrush::SetStyle(TBrushStyle style) { Store(style_, style, [this] { Changed(); }); }

void TBrush::SetBitmap(const TBitmap* bitmap) {
    if (!bitmap && !bitmap_) return;
    if (bitmap) {
        auto copy = std::make_shared<TBitmap>();
        copy->Assign(bitmap);
        bitmap_ = std::move(copy);
    } else {
        bitmap_.reset();
    }
    Changed();
}

platform::HBRUSH TBrush::Handle() {
    if (!handle_) {
        platform::COLORREF rgb = ColorToRGB(color_);
        if (bitmap_ && !bitmap_->Empty()) {
            handle_ = platform::CreatePatternBrush(bitmap_->Handle());
        } else if (style_ == TBrushStyle::bsClear) {
            platform::LOGBRUSH lb;
            lb.lbStyle = platform::BS_NULL;
            handle_ = platform::CreateBrushIndirect(&lb);
        } else if (style_ == TBrushStyle::bsSolid) {
            handle_ = platform::CreateSolidBrush(rgb);
        } else {
            handle_ = platform::CreateHatchBrush(static_cast<int>(style_) - 2, rgb);
        }
    }
    return static_cast<platform::HBRUSH>(handle_);
}

void TBrush::Assign(const TPersistent* source) {
    auto* brush = dynamic_cast<const TBrush*>(source);
    if (!brush) {
        TGraphicsObject::Assign(source);
        return;
    }
    if (color_ == brush->color_ && style_ == brush->style_ && bitmap_ == brush->bitmap_) return;
    color_ = brush->color_;
    style_ = brush->style_;
    bitmap_ = brush->bitmap_;
    Changed();
}
