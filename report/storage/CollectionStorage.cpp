#include "report/storage/CollectionStorage.h"

#include "report/objects/Report.h"
#include "report/storage/XmlSerializer.h"
#include "report/utils/Conversions.h"
#include "ui/core/Collection.h"
#include "ui/core/Reader.h"
#include "ui/core/TypeInfo.h"
#include "ui/core/Writer.h"
#include "ui/variant/Variant.h"

namespace {

// Texts of the older form data keep bytes of 128 and above escaped, in
// string properties and in variants holding a string.
void DecodeHighChars(TCollectionItem& item) {
    for (const TPropInfo* property : item.ClassType().Properties()) {
        if (property->Kind == TTypeKind::tkString && property->GetStr && property->SetStr)
            property->SetStr(item, rpEscapeHighChars(property->GetStr(item), false));
        if (property->Kind == TTypeKind::tkVariant && property->GetVariant && property->SetVariant) {
            const Variant value = property->GetVariant(item);
            if (value.IsString()) property->SetVariant(item, Variant(rpEscapeHighChars(value.AsString(), false)));
        }
    }
}

void AddErrors(TrpReport& report, const TStringList& errors) {
    for (int i = 0; i < errors.Count(); ++i) report.Errors().Add(errors.Strings(i));
}

}  // namespace

void rpStoreCollection(const TCollection& collection, TWriter& writer, TrpReport& report) {
    if (!report.IsWritingObject()) {
        writer.WriteCollection(collection);
        return;
    }
    TrpXMLSerializer serializer(nullptr);
    serializer.Owner = &report;
    writer.WriteListBegin();
    for (int i = 0; i < collection.Count(); ++i) {
        writer.WriteListBegin();
        writer.WriteString(serializer.PropertiesText(*collection.Items(i), "", nullptr));
        writer.WriteListEnd();
    }
    writer.WriteListEnd();
}

void rpLoadCollection(TCollection& collection, TReader& reader, TrpReport& report) {
    if (reader.NextValue() == TValueType::vaCollection) {
        reader.ReadCollection(collection);
        for (int i = 0; i < collection.Count(); ++i) DecodeHighChars(*collection.Items(i));
        return;
    }
    collection.Clear();
    TrpXMLSerializer own(nullptr);
    reader.ReadListBegin();
    while (!reader.EndOfList()) {
        reader.ReadListBegin();
        TCollectionItem* item = collection.Add();
        std::string text = reader.ReadString();
        if (TrpXMLSerializer* active = report.CurrentReader()) {
            active->ApplyPropertiesText(text, *item);
        } else {
            own.ReadPersistentStr(&report, *item, text);
            AddErrors(report, own.Errors);
            own.Errors.Clear();
        }
        reader.ReadListEnd();
    }
    reader.ReadListEnd();
}
