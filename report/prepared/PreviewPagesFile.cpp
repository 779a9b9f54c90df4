#include "report/prepared/PreviewPages.h"

#include "report/objects/Page.h"
#include "report/objects/Report.h"
#include "report/prepared/Outline.h"
#include "report/storage/XmlSerializer.h"
#include "report/xml/XmlText.h"
#include "ui/core/Exceptions.h"
#include "ui/core/HandleStream.h"
#include "ui/core/ScopeGuards.h"
#include "ui/core/TextCase.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

constexpr std::size_t kNameAttributeStart = 6;  // name="
constexpr const char* kDamaged = "Подготовленный отчёт повреждён: ";

}  // namespace

void TrpPreviewPages::ClearPages() {
    cache_.clear();
    sourcePages_.clear();
    sources_.clear();
    sourceInfo_.clear();
    document_.Clear();
    document_.Root().Name = "preparedreport";
    static_cast<TrpOutline*>(Outline())->SetRoot(&Element("outline"));
    dictionary_.Clear();
    SetCurrentPage(-1);
    treeSize_ = 0;
    logicalCounter_ = 0;
    passPage_ = -1;
    appendPages_ = false;
}

void TrpPreviewPages::WriteReportElement() {
    TrpXMLItem& holder = Element("report");
    holder.Clear();
    TrpXMLItem* report = holder.Add();
    report->Name = Report() ? Report()->ClassName() : "TrpReport";
    // Options of the preview and dot-matrix printing have no settings in this program yet: their defaults.
    report->Text = std::string("DotMatrixReport=\"0\" PreviewOptions.OutlineVisible=\"0\"") +
                   " PreviewOptions.OutlineWidth=\"120\" ReportOptions.Name=\"" +
                   EscapeAttrText(Report() ? Report()->Name() : std::string()) + "\"";
}

void TrpPreviewPages::SaveToStream(TStream* stream) {
    WriteReportElement();
    TrpXMLItem& sources = Element("sourcepages");
    sources.Clear();
    TrpXMLSerializer serializer(nullptr);
    for (const auto& page : sourcePages_) {
        TrpXMLItem* element = sources.Add();
        serializer.WriteRootComponent(*page, true, element);
        element->Text = "Name=\"" + EscapeAttrText(page->Name()) + "\"" +
                        (element->Text.empty() || element->Text[0] == ' ' ? "" : " ") + element->Text;
    }
    TrpXMLItem& dictionary = Element("dictionary");
    dictionary.Clear();
    for (const std::string& name : dictionary_.Names()) {
        TrpXMLItem* entry = dictionary.Add();
        entry->Name = name;
        entry->Text = "name=\"" + EscapeAttrText(dictionary_.SourceNameOf(name)) + "\"";
    }
    Element("picturecache");
    document_.SaveToStream(*stream);
    // The source pages and the dictionary live as objects; their text was only for the file.
    sources.Clear();
}

void TrpPreviewPages::ReadDictionary() {
    TrpXMLItem& dictionary = Element("dictionary");
    for (int i = 0; i < dictionary.Count(); ++i) {
        const TrpXMLItem& entry = *dictionary.Items(i);
        const std::string& text = entry.Text;
        std::string sourceName =
            text.size() > kNameAttributeStart ? UnescapeAttrText(text.substr(kNameAttributeStart, text.size() - kNameAttributeStart - 1)) : "";
        TrpComponent* object = nullptr;
        std::size_t dot = sourceName.find('.');
        if (dot != std::string::npos && sourceName.compare(0, 4, "Page") == 0) {
            char* end = nullptr;
            long index = std::strtol(sourceName.c_str() + 4, &end, 10);
            if (end == sourceName.c_str() + dot && index >= 0 && index < static_cast<long>(sourcePages_.size()))
                object = sourcePages_[static_cast<std::size_t>(index)]->FindObject(sourceName.substr(dot + 1));
        }
        dictionary_.Add(entry.Name, sourceName, object);
        if (object) {
            TrpXMLSerializer serializer(nullptr);
            sourceInfo_[object] = {entry.Name, object->ObjectStyleFlags() & kStyleFullPreparedForm
                                                   ? object->ClassName()
                                                   : serializer.ClassNameAndXML(*object)};
        }
    }
    dictionary.Clear();
}

void TrpPreviewPages::LoadFromStream(TStream* stream, bool partialLoading) {
    ClearPages();
    // Nothing half-read stays behind a failed load.
    ScopeExit empty([&] { ClearPages(); });
    // The caller keeps its stream, so pages are read whole even when partial loading is asked for.
    static_cast<void>(partialLoading);
    try {
        document_.LoadFromStream(*stream);
    } catch (const TrpInvalidXMLException& e) {
        throw TrpPreparedFileError(std::string(kDamaged) + "неверный формат файла (байт " +
                                   std::to_string(e.Position()) + ")");
    }
    if (!AnsiSameText(document_.Root().Name, "preparedreport"))
        throw TrpPreparedFileError(std::string(kDamaged) + "это не подготовленный отчёт");
    TrpXMLItem& sources = Element("sourcepages");
    TrpXMLSerializer serializer(nullptr);
    for (int i = 0; i < sources.Count(); ++i) {
        TrpXMLItem& element = *sources.Items(i);
        auto page = std::make_unique<TrpReportPage>(nullptr);
        serializer.ReadRootComponent(*page, &element);
        if (std::string name = element.Prop("Name"); !name.empty()) page->SetName(name);
        sourcePages_.push_back(std::move(page));
    }
    if (serializer.Errors.Count())
        throw TrpPreparedFileError(std::string(kDamaged) + serializer.Errors.Strings(0));
    sources.Clear();
    ReadDictionary();
    static_cast<TrpOutline*>(Outline())->SetRoot(&Element("outline"));
    SetCurrentPage(PageCount() - 1);
    empty.Dismiss();
}

bool TrpPreviewPages::LoadFromFile(const std::string& fileName, bool failWhenMissing) {
    const bool exists = std::filesystem::exists(fileName);
    if (!exists && !failWhenMissing) return false;
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&file, false);
    return exists;
}

void TrpPreviewPages::SaveToFile(const std::string& fileName) {
    const std::string partial = fileName + ".part";
    {
        ScopeExit removePartial([&] { std::remove(partial.c_str()); });
        TFileStream file(partial, fmCreate);
        SaveToStream(&file);
        removePartial.Dismiss();
    }
    std::error_code error;
    std::filesystem::rename(partial, fileName, error);
    if (error) {
        std::remove(partial.c_str());
        throw EFCreateError("Не удалось записать файл " + fileName + ": " + error.message());
    }
}
