#include "script/bindings/GraphicsBinding.h"

#include "script/component/Script.h"
#include "script/core/ScriptErrors.h"
#include "script/members/ClassVariable.h"
#include "script/members/MethodHelper.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Colors.h"
#include "ui/graphics/GraphicsObjects.h"
#include "ui/graphics/Picture.h"

#include <cstdint>

namespace {

// The colour names scripts know; their values come from the class library's table.
constexpr const char* kColorNames[] = {
    "clBlack", "clMaroon", "clGreen", "clOlive", "clNavy", "clPurple", "clTeal", "clGray", "clSilver", "clRed",
    "clLime", "clYellow", "clBlue", "clFuchsia", "clAqua", "clWhite", "clMoneyGreen", "clSkyBlue", "clCream",
    "clMedGray", "clScrollBar", "clBackground", "clActiveCaption", "clInactiveCaption", "clMenu", "clWindow",
    "clWindowFrame", "clMenuText", "clWindowText", "clCaptionText", "clActiveBorder", "clInactiveBorder",
    "clAppWorkSpace", "clHighlight", "clHighlightText", "clBtnFace", "clBtnShadow", "clGrayText", "clBtnText",
    "clInactiveCaptionText", "clBtnHighlight", "cl3DDkShadow", "cl3DLight", "clInfoText", "clInfoBk", "clHotLight",
    "clGradientActiveCaption", "clGradientInactiveCaption", "clMenuHighlight", "clMenuBar", "clNone", "clDefault"};

template <class T>
T& Self(TObject* instance, const std::string& name) {
    auto* object = dynamic_cast<T*>(instance);
    if (!object) throw EScriptError("«" + name + "»: нет объекта (nil)");
    return *object;
}

// A graphic argument may be nil: there is nothing to draw.
TGraphic* GraphicParam(TscMethodHelper& method, int index) {
    return dynamic_cast<TGraphic*>(VariantToObject(method.GetParam(index)));
}

int IntParam(TscMethodHelper& method, int index) { return method.GetParam(index).AsInteger(); }

Variant CanvasCall(TCanvas& canvas, const std::string& name, TscMethodHelper& method) {
    auto at = [&method](int index) { return IntParam(method, index); };
    if (name == "DRAW") {
        if (TGraphic* graphic = GraphicParam(method, 2)) canvas.Draw(at(0), at(1), graphic);
    }
    if (name == "STRETCHDRAW") {
        if (TGraphic* graphic = GraphicParam(method, 4)) canvas.StretchDraw(TRect(at(0), at(1), at(2), at(3)), graphic);
    }
    if (name == "ELLIPSE") canvas.Ellipse(at(0), at(1), at(2), at(3));
    if (name == "LINETO") canvas.LineTo(at(0), at(1));
    if (name == "MOVETO") canvas.MoveTo(at(0), at(1));
    if (name == "RECTANGLE") canvas.Rectangle(at(0), at(1), at(2), at(3));
    if (name == "ROUNDRECT") canvas.RoundRect(at(0), at(1), at(2), at(3), at(4), at(5));
    if (name == "TEXTHEIGHT") return Variant(canvas.TextHeight(method.GetParam(0).AsString()));
    if (name == "TEXTWIDTH") return Variant(canvas.TextWidth(method.GetParam(0).AsString()));
    if (name == "TEXTOUT") canvas.TextOut(at(0), at(1), method.GetParam(2).AsString());
    if (name == "PIXELS.GET") return Variant(static_cast<std::int32_t>(canvas.Pixels(at(0), at(1))));
    if (name == "PIXELS.SET") canvas.SetPixel(at(0), at(1), static_cast<TColor>(at(2)));
    return Variant(0);
}

}  // namespace

TscGraphicsFunctions::TscGraphicsFunctions(TscScript& script) : TscRTTIModule(script) {
    auto call = [this](TObject* instance, const TClassInfo* classRef, const std::string& name, TscMethodHelper& method) {
        return CallMethod(instance, classRef, name, method);
    };
    auto get = [this](TObject* instance, const TClassInfo* classRef, const std::string& name) { return GetProp(instance, classRef, name); };
    auto set = [this](TObject* instance, const TClassInfo* classRef, const std::string& name, const Variant& value) {
        SetProp(instance, classRef, name, value);
    };
    for (const char* name : kColorNames) {
        TColor color = clNone;
        IdentToColor(name, color);
        script.AddConst(name, "Integer", Variant(static_cast<std::int32_t>(color)));
    }
    script.AddEnumSet("TFontStyles", "fsBold, fsItalic, fsUnderline, fsStrikeout");
    script.AddEnum("TFontPitch", "fpDefault, fpVariable, fpFixed");
    script.AddEnum("TPenStyle", "psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame");
    script.AddEnum("TPenMode", "pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot, "
                               "pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor");
    script.AddEnum("TBrushStyle", "bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross");
    for (const TClassInfo* info : {&TFont::StaticClass(), &TPen::StaticClass(), &TBrush::StaticClass()})
        if (TscClassVariable* tool = script.AddClass(*info, "TPersistent")) tool->AddConstructor("constructor Create", call);
    if (TscClassVariable* canvas = script.AddClass(TCanvas::StaticClass(), "TPersistent")) {
        canvas->AddConstructor("constructor Create", call);
        canvas->AddMethod("procedure Draw(X, Y: Integer; Graphic: TGraphic)", call);
        canvas->AddMethod("procedure Ellipse(X1, Y1, X2, Y2: Integer)", call);
        canvas->AddMethod("procedure LineTo(X, Y: Integer)", call);
        canvas->AddMethod("procedure MoveTo(X, Y: Integer)", call);
        canvas->AddMethod("procedure Rectangle(X1, Y1, X2, Y2: Integer)", call);
        canvas->AddMethod("procedure RoundRect(X1, Y1, X2, Y2, X3, Y3: Integer)", call);
        canvas->AddMethod("procedure StretchDraw(X1, Y1, X2, Y2: Integer; Graphic: TGraphic)", call);
        canvas->AddMethod("function TextHeight(const Text: string): Integer", call);
        canvas->AddMethod("procedure TextOut(X, Y: Integer; const Text: string)", call);
        canvas->AddMethod("function TextWidth(const Text: string): Integer", call);
        canvas->AddIndexProperty("Pixels", "Integer, Integer", "TColor", call);
        // The canvas's drawing tools, published by the platform's canvas.
        canvas->AddProperty("Font", "TFont", get);
        canvas->AddProperty("Pen", "TPen", get);
        canvas->AddProperty("Brush", "TBrush", get);
    }
    if (TscClassVariable* graphic = script.AddClass(TGraphic::StaticClass(), "TPersistent")) {
        graphic->AddConstructor("constructor Create", call);
        graphic->AddMethod("procedure LoadFromFile(const Filename: string)", call);
        graphic->AddMethod("procedure SaveToFile(const Filename: string)", call);
        graphic->AddProperty("Height", "Integer", get, set);
        graphic->AddProperty("Width", "Integer", get, set);
    }
    if (TscClassVariable* picture = script.AddClass(TPicture::StaticClass(), "TPersistent")) {
        picture->AddMethod("procedure LoadFromFile(const Filename: string)", call);
        picture->AddMethod("procedure SaveToFile(const Filename: string)", call);
        picture->AddProperty("Height", "Integer", get);
        picture->AddProperty("Width", "Integer", get);
    }
    if (TscClassVariable* bitmap = script.AddClass(TBitmap::StaticClass(), "TGraphic")) bitmap->AddProperty("Canvas", "TCanvas", get);
}

Variant TscGraphicsFunctions::CallMethod(TObject* instance, const TClassInfo* classRef, const std::string& name,
                                         TscMethodHelper& method) {
    if (name == "CREATE") {
        const TClassInfo* made = method.ConstructedClass ? method.ConstructedClass : classRef;
        if (made == &TFont::StaticClass()) return ObjectToVariant(new TFont());
        if (made == &TPen::StaticClass()) return ObjectToVariant(new TPen());
        if (made == &TBrush::StaticClass()) return ObjectToVariant(new TBrush());
        if (made == &TCanvas::StaticClass()) return ObjectToVariant(new TCanvas());
        // A graphic is made by the class the script named: a bitmap for TBitmap.
        if (made->InheritsFrom(TGraphic::StaticClass()) && made->CanCreate()) return ObjectToVariant(made->Create(nullptr));
        throw EScriptError("Объект класса «" + made->Name() + "» нельзя создать");
    }
    if (classRef == &TCanvas::StaticClass()) return CanvasCall(Self<TCanvas>(instance, name), name, method);
    const std::string file = name == "LOADFROMFILE" || name == "SAVETOFILE" ? method.GetParam(0).AsString() : "";
    if (classRef == &TGraphic::StaticClass()) {
        TGraphic& graphic = Self<TGraphic>(instance, name);
        if (name == "LOADFROMFILE") graphic.LoadFromFile(file);
        if (name == "SAVETOFILE") graphic.SaveToFile(file);
    } else if (classRef == &TPicture::StaticClass()) {
        TPicture& picture = Self<TPicture>(instance, name);
        if (name == "LOADFROMFILE") picture.LoadFromFile(file);
        if (name == "SAVETOFILE") picture.SaveToFile(file);
    }
    return Variant(0);
}

Variant TscGraphicsFunctions::GetProp(TObject* instance, const TClassInfo* classRef, const std::string& name) {
    if (classRef == &TCanvas::StaticClass()) {
        TCanvas& canvas = Self<TCanvas>(instance, name);
        if (name == "FONT") return ObjectToVariant(canvas.Font());
        if (name == "PEN") return ObjectToVariant(canvas.Pen());
        if (name == "BRUSH") return ObjectToVariant(canvas.Brush());
    } else if (classRef == &TGraphic::StaticClass()) {
        TGraphic& graphic = Self<TGraphic>(instance, name);
        if (name == "HEIGHT") return Variant(graphic.Height());
        if (name == "WIDTH") return Variant(graphic.Width());
    } else if (classRef == &TPicture::StaticClass()) {
        TPicture& picture = Self<TPicture>(instance, name);
        if (name == "HEIGHT") return Variant(picture.Height());
        if (name == "WIDTH") return Variant(picture.Width());
    } else if (classRef == &TBitmap::StaticClass()) {
        return ObjectToVariant(Self<TBitmap>(instance, name).Canvas());
    }
    return Variant(0);
}

void TscGraphicsFunctions::SetProp(TObject* instance, const TClassInfo* classRef, const std::string& name, const Variant& value) {
    if (classRef != &TGraphic::StaticClass()) return;
    TGraphic& graphic = Self<TGraphic>(instance, name);
    if (name == "HEIGHT") graphic.SetHeight(value.AsInteger());
    if (name == "WIDTH") graphic.SetWidth(value.AsInteger());
}
