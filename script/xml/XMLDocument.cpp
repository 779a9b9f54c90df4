#include "script/xml/XMLDocument.h"

#include "script/xml/FileText.h"
#include "script/xml/XMLReader.h"
#include "script/xml/XMLWriter.h"
#include "ui/core/HandleStream.h"
#include "ui/core/MemoryStream.h"

void TscXMLDocument::LoadFromStream(TStream& stream) {
    root_.Clear();
    TscXMLReader reader(stream);
    reader.ReadHeader();
    reader.ReadRootItem(root_);
}

void TscXMLDocument::SaveToStream(TStream& stream) const {
    TscXMLWriter writer(stream, autoIndent_);
    writer.WriteHeader();
    writer.WriteRootItem(root_);
    writer.Flush();
}

void TscXMLDocument::LoadFromFile(const std::string& fileName) {
    TStringStream stream(ReadWholeFile(fileName));
    LoadFromStream(stream);
}

void TscXMLDocument::SaveToFile(const std::string& fileName) const {
    TFileStream stream(fileName, fmCreate);
    SaveToStream(stream);
}
