// A script draws on a bitmap's canvas; the pixels are read back by the host.
#include "script/component/Script.h"
#include "script/core/Declarations.h"
#include "script/grammar/ScriptGrammars.h"
#include "script/members/MethodHelper.h"
#include "ui/core/StringList.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Colors.h"
#include "ui/variant/VariantErrors.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

struct GraphicsScript {
    TscScript script{nullptr};
    std::string output;
    std::unique_ptr<TObject> kept;

    GraphicsScript() {
        RegisterScriptGrammars();
        script.AddRTTI();
        script.AddMethod("procedure Print(Value: Variant)",
                         [this](TObject*, const TClassInfo*, const std::string&, TscMethodHelper& method) {
                             output += VarToStr(method.GetParam(0)) + "\n";
                             return Variant(0);
                         });
        // The script hands its bitmap over for checking.
        script.AddMethod("procedure Keep(B: TBitmap)",
                         [this](TObject*, const TClassInfo*, const std::string&, TscMethodHelper& method) {
                             kept.reset(VariantToObject(method.GetParam(0)));
                             return Variant(0);
                         });
    }

    std::string Run(const std::string& source) {
        TStringList lines;
        lines.SetText(source);
        script.SetLines(lines);
        if (!script.Compile()) return "error: " + script.ErrorMessage() + " at " + script.ErrorPosition();
        script.Execute();
        return output;
    }
};

TEST(GraphicsBindingTest, ColourNamesHaveThePlatformValues) {
    GraphicsScript hosted;
    EXPECT_EQ(hosted.Run("begin Print(clRed); Print(clBtnFace); Print(clNavy); Print(clNone); Print(clSkyBlue) end."),
              "255\n-16777201\n8388608\n536870911\n15780518\n");
}

TEST(GraphicsBindingTest, ScriptDrawsOnABitmapCanvas) {
    GraphicsScript hosted;
    ASSERT_EQ(hosted.Run("var b: TBitmap; c: TCanvas;\n"
                         "begin\n"
                         "  b := TBitmap.Create; b.Width := 20; b.Height := 10;\n"
                         "  c := b.Canvas;\n"
                         "  c.Brush.Color := clWhite; c.Pen.Color := clWhite; c.Rectangle(0, 0, 20, 10);\n"
                         "  c.Brush.Color := clRed; c.Pen.Color := clBlue; c.Rectangle(2, 2, 8, 8);\n"
                         "  c.Pen.Color := clLime; c.MoveTo(10, 1); c.LineTo(18, 1);\n"
                         "  c.Pixels[15, 8] := clYellow;\n"
                         "  Print(c.Pixels[15, 8] = clYellow); Print(b.Width * b.Height);\n"
                         "  Keep(b);\n"
                         "end."),
              "True\n200\n");
    auto* bitmap = dynamic_cast<TBitmap*>(hosted.kept.get());
    ASSERT_NE(bitmap, nullptr);
    TCanvas& canvas = *bitmap->Canvas();
    struct Expected {
        int x, y;
        TColor color;
    };
    const Expected pixels[] = {
        {0, 0, clWhite}, {2, 2, clBlue},  {7, 5, clBlue},  {4, 4, clRed},    {5, 6, clRed},
        {8, 8, clWhite}, {10, 1, clLime}, {17, 1, clLime}, {18, 1, clWhite}, {15, 8, clYellow},
    };
    for (const Expected& p : pixels)
        EXPECT_EQ(ColorToRGB(canvas.Pixels(p.x, p.y)), ColorToRGB(p.color)) << "at " << p.x << "," << p.y;
}

TEST(GraphicsBindingTest, GraphicCreateMakesTheNamedClassAndNilDrawsNothing) {
    GraphicsScript hosted;
    EXPECT_EQ(hosted.Run("var g: TGraphic; b: TBitmap;\n"
                         "begin\n"
                         "  b := TBitmap.Create; Print(b.ClassName); b.Width := 4; b.Height := 4;\n"
                         "  b.Canvas.Draw(0, 0, nil); b.Canvas.StretchDraw(0, 0, 2, 2, nil); Print('nil draws nothing');\n"
                         "  try g := TGraphic.Create except Print(ExceptionMessage) end;\n"
                         "  b.Free;\n"
                         "end."),
              "TBitmap\nnil draws nothing\nОбъект класса «TGraphic» нельзя создать\n");
}

}  // namespace
