#pragma once
// A picture holds one graphic of any registered format; files are read and
// written by the format their extension names.

#include "ui/core/Events.h"
#include "ui/core/Persistent.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TBitmap;
class TClassInfo;
class TGraphic;

class TPicture : public TPersistent {
    DECLARE_CLASS_INFO
public:
    TPicture();
    ~TPicture() override;

    // Nothing when empty.
    TGraphic* Graphic() const { return graphic_.get(); }
    // A copy of the given graphic (nothing for nullptr).
    void SetGraphic(const TGraphic* graphic);
    // The graphic as a bitmap: any other graphic is replaced by an empty bitmap.
    TBitmap* Bitmap();
    int Width() const;
    int Height() const;

    // Raise EInvalidGraphic "Unknown picture file extension (.<ext>)" for an
    // extension no format has registered.
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName);
    void Assign(const TPersistent* source) override;
    // Form data: "Data" holds the graphic's class name and its own data.
    void DefineProperties(TFiler& filer) override;

    TNotifyEvent OnChange;

    // The format registry: extension (without the dot, any case), a
    // description for file dialogs, and the graphic class that reads it.
    // "bmp" and "ico" are there from the start.
    static void RegisterFileFormat(const std::string& extension, const std::string& description,
                                   const TClassInfo& graphicClass);
    static void UnregisterGraphicClass(const TClassInfo& graphicClass);
    // Nothing when no format has the extension.
    static const TClassInfo* GraphicClassOf(std::string_view extension);
    // "Bitmaps (*.bmp)|*.bmp|..." for the registered formats of the class
    // (and of classes derived from it).
    static std::string GraphicFilter(const TClassInfo& graphicClass);

private:
    void Take(std::unique_ptr<TGraphic> graphic);
    void Changed();
    std::unique_ptr<TGraphic> graphic_;
};
