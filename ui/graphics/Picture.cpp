#include "ui/graphics/Picture.h"

#include "ui/core/Exceptions.h"
#include "ui/core/Filer.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/TextCase.h"
#include "ui/core/TypeInfo.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Icon.h"

#include <mutex>

namespace {

struct Format {
    std::string extension;  // lower case
    std::string description;
    const TClassInfo* graphicClass;
};

struct Formats {
    std::mutex lock;
    std::vector<Format> list{{"bmp", "Bitmaps", &TBitmap::StaticClass()}, {"ico", "Icons", &TIcon::StaticClass()}};
};

Formats& Registry() {
    static Formats formats;
    return formats;
}

std::unique_ptr<TGraphic> MakeGraphic(const TClassInfo& graphicClass) {
    std::unique_ptr<TPersistent> made(graphicClass.Create(nullptr));
    auto* graphic = dynamic_cast<TGraphic*>(made.get());
    if (!graphic) throw EInvalidGraphic("Class " + graphicClass.Name() + " is not a graphic");
    made.release();
    return std::unique_ptr<TGraphic>(graphic);
}

// A class of a registered format, or else of the class registry.
const TClassInfo& FindGraphicClass(const std::string& name) {
    {
        auto& r = Registry();
        std::lock_guard guard(r.lock);
        for (const Format& f : r.list)
            if (AnsiSameText(f.graphicClass->Name(), name)) return *f.graphicClass;
    }
    return FindClass(name);
}

std::string ExtensionOf(const std::string& fileName) {
    std::size_t dot = fileName.find_last_of('.');
    std::size_t slash = fileName.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    return fileName.substr(dot + 1);
}

}  // namespace

const TClassInfo& TPicture::StaticClass() {
    static const TClassInfo info("TPicture", &TPersistent::StaticClass());
    return info;
}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Take(std::unique_ptr<TGraphic> graphic) {
    graphic_ = std::move(graphic);
    if (graphic_) graphic_->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

void TPicture::Changed() { FireEvent(OnChange, this); }

void TPicture::SetGraphic(const TGraphic* graphic) {
    if (!graphic) {
        Take(nullptr);
        return;
    }
    std::unique_ptr<TGraphic> copy = MakeGraphic(graphic->ClassType());
    copy->Assign(graphic);
    Take(std::move(copy));
}

TBitmap* TPicture::Bitmap() {
    if (!dynamic_cast<TBitmap*>(graphic_.get())) Take(std::make_unique<TBitmap>());
    return static_cast<TBitmap*>(graphic_.get());
}

int TPicture::Width() const { return graphic_ ? graphic_->Width() : 0; }
int TPicture::Height() const { return graphic_ ? graphic_->Height() : 0; }

void TPicture::LoadFromFile(const std::string& fileName) {
    std::string extension = ExtensionOf(fileName);
    const TClassInfo* graphicClass = GraphicClassOf(extension);
    if (!graphicClass) throw EInvalidGraphic("Unknown picture file extension (." + extension + ")");
    std::unique_ptr<TGraphic> graphic = MakeGraphic(*graphicClass);
    graphic->LoadFromFile(fileName);
    Take(std::move(graphic));
}

void TPicture::SaveToFile(const std::string& fileName) {
    if (graphic_) graphic_->SaveToFile(fileName);
}

void TPicture::Assign(const TPersistent* source) {
    if (!source) {
        SetGraphic(nullptr);
    } else if (auto* picture = dynamic_cast<const TPicture*>(source)) {
        SetGraphic(picture->graphic_.get());
    } else if (auto* graphic = dynamic_cast<const TGraphic*>(source)) {
        SetGraphic(graphic);
    } else {
        TPersistent::Assign(source);
    }
}

void TPicture::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Data",
        [this](TStream& s) {
            unsigned char length = 0;
            s.ReadBuffer(&length, 1);
            std::string name(length, '\0');
            s.ReadBuffer(name.data(), length);
            std::unique_ptr<TGraphic> graphic = MakeGraphic(FindGraphicClass(name));
            graphic->LoadFromStream(s);
            Take(std::move(graphic));
        },
        [this](TStream& s) {
            std::string name = graphic_->ClassName();
            auto length = static_cast<unsigned char>(name.size());
            s.WriteBuffer(&length, 1);
            s.WriteBuffer(name.data(), length);
            graphic_->SaveToStream(s);
        },
        graphic_ && !graphic_->Empty());
}

void TPicture::RegisterFileFormat(const std::string& extension, const std::string& description,
                                  const TClassInfo& graphicClass) {
    auto& r = Registry();
    std::lock_guard guard(r.lock);
    std::string key = AnsiLowerCase(extension);
    std::erase_if(r.list, [&](const Format& f) { return f.extension == key; });
    r.list.push_back({key, description, &graphicClass});
}

void TPicture::UnregisterGraphicClass(const TClassInfo& graphicClass) {
    auto& r = Registry();
    std::lock_guard guard(r.lock);
    std::erase_if(r.list, [&](const Format& f) { return f.graphicClass == &graphicClass; });
}

const TClassInfo* TPicture::GraphicClassOf(std::string_view extension) {
    auto& r = Registry();
    std::lock_guard guard(r.lock);
    std::string key = AnsiLowerCase(extension);
    for (const Format& f : r.list)
        if (f.extension == key) return f.graphicClass;
    return nullptr;
}

std::string TPicture::GraphicFilter(const TClassInfo& graphicClass) {
    auto& r = Registry();
    std::lock_guard guard(r.lock);
    std::string filter;
    for (const Format& f : r.list) {
        if (!f.graphicClass->InheritsFrom(graphicClass)) continue;
        if (!filter.empty()) filter += "|";
        filter += f.description + " (*." + f.extension + ")|*." + f.extension;
    }
    return filter;
}
