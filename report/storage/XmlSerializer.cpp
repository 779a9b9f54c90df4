#include "report/storage/XmlSerializer.h"

#include "report/objects/MemoView.h"
#include "report/objects/ReportComponent.h"
#include "report/text/Utf16Text.h"
#include "report/text/WideStrings.h"
#include "report/utils/Conversions.h"
#include "report/utils/StoragePaths.h"
#include "report/xml/XmlDocument.h"
#include "report/xml/XmlText.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/NumberConversion.h"
#include "ui/core/ScopeGuards.h"
#include "ui/core/TextCase.h"
#include "ui/core/TypeInfo.h"
#include "ui/core/Writer.h"
#include "ui/variant/Variant.h"

#include <cmath>

namespace {

constexpr double kFloatTolerance = 0.000001;
constexpr std::string_view kLineBreak = "\r\n";

std::string WithoutLastBreak(std::string text) {
    if (text.ends_with(kLineBreak)) text.resize(text.size() - kLineBreak.size());
    return text;
}

std::string MemoText(const TrpCustomMemoView& memo) { return WithoutLastBreak(Utf16ToUtf8(memo.Memo().Text())); }

// Sets the serializing flag of a report object for the time of a write.
class WritingFlag {
public:
    explicit WritingFlag(TPersistent* object) : object_(dynamic_cast<TrpComponent*>(object)) {
        if (object_) object_->SetWritingObject(true);
    }
    ~WritingFlag() {
        if (object_) object_->SetWritingObject(false);
    }
    WritingFlag(const WritingFlag&) = delete;
    WritingFlag& operator=(const WritingFlag&) = delete;

private:
    TrpComponent* object_;
};

std::string DefinedPropertyBytes(TPersistent& object) {
    TMemoryStream bytes;
    {
        TWriter writer(bytes);
        object.DefineProperties(writer);
    }
    return std::string(bytes.Bytes());
}

std::uint32_t Crc32Of(const std::string& bytes) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    return rpCrc32OfStream(stream);
}

}  // namespace

TrpXMLSerializer::TrpXMLSerializer(TStream* stream) : stream_(stream) {
    Errors.SetSorted(true);
    Errors.SetDuplicates(TDuplicates::dupIgnore);
}

std::string TrpXMLSerializer::PropertiesText(TPersistent& object, const std::string& prefix, TPersistent* ancestor) {
    if (!ancestor && OnGetAncestor)
        if (auto* component = dynamic_cast<TComponent*>(&object)) OnGetAncestor(component->Name(), ancestor);
    if (ancestor && !ancestor->InheritsFrom(object.ClassType())) ancestor = nullptr;
    WritingFlag writing(&object);
    WritingFlag ancestorWriting(ancestor);

    std::string text;
    for (const TPropInfo* property : object.ClassType().Properties())
        if (property->IsStored(object)) text += PropertyText(object, *property, prefix, ancestor);

    if (auto* memo = dynamic_cast<TrpCustomMemoView*>(&object)) {
        auto* ancestorMemo = dynamic_cast<TrpCustomMemoView*>(ancestor);
        std::string memoText = MemoText(*memo);
        if (!ancestorMemo || MemoText(*ancestorMemo) != memoText) text += " Text=\"" + EscapeAttrText(memoText) + "\"";
    }
    text += DefinedPropertiesText(object, prefix, ancestor);
    return text;
}

std::string TrpXMLSerializer::PropertyText(TPersistent& object, const TPropInfo& p, const std::string& prefix,
                                           TPersistent* ancestor) {
    std::string value;
    switch (p.Kind) {
        case TTypeKind::tkInteger:
        case TTypeKind::tkChar:
        case TTypeKind::tkEnumeration:
        case TTypeKind::tkSet: {
            std::int64_t v = p.GetOrd(object);
            bool write = WriteDefaults || (ancestor ? v != p.GetOrd(*ancestor) : !p.Default || v != *p.Default);
            if (!write) return {};
            value = p.Kind == TTypeKind::tkEnumeration && p.EnumType ? p.EnumType->ValueName(v) : std::to_string(v);
            break;
        }
        case TTypeKind::tkFloat: {
            double v = p.GetFloat(object);
            if (!WriteDefaults && ancestor && std::fabs(v - p.GetFloat(*ancestor)) < kFloatTolerance) return {};
            value = FloatToStr(v);
            break;
        }
        case TTypeKind::tkString: {
            std::string v = p.GetStr(object);
            bool write = WriteDefaults || (ancestor ? v != p.GetStr(*ancestor) : !v.empty());
            if (!write) return {};
            value = EscapeAttrText(v);
            break;
        }
        case TTypeKind::tkClass: {
            TObject* sub = p.GetObject(object);
            TObject* ancestorSub = ancestor ? p.GetObject(*ancestor) : nullptr;
            auto* reference = dynamic_cast<TComponent*>(sub);
            if (p.SetObject && (reference || (p.PropClass && p.PropClass().InheritsFrom(TComponent::StaticClass())))) {
                auto* ancestorReference = dynamic_cast<TComponent*>(ancestorSub);
                if (ancestor) {
                    bool oneSet = (reference == nullptr) != (ancestorReference == nullptr);
                    bool namesDiffer = reference && ancestorReference &&
                                       !AnsiSameText(reference->Name(), ancestorReference->Name());
                    if (!oneSet && !namesDiffer) return {};
                    value = reference ? rpComponentPath(Owner, reference) : "nil";
                } else {
                    value = rpComponentPath(Owner, reference);
                }
                break;
            }
            if (auto* list = dynamic_cast<TStrings*>(sub)) {
                auto* ancestorList = dynamic_cast<TStrings*>(ancestorSub);
                if (ancestorList && ancestorList->Text() == list->Text()) return {};
                return " " + prefix + p.Name + ".Text=\"" + EscapeAttrText(WithoutLastBreak(list->Text())) + "\"";
            }
            if (dynamic_cast<TWideStrings*>(sub)) return {};
            if (auto* part = dynamic_cast<TPersistent*>(sub))
                return PropertiesText(*part, prefix + p.Name + ".", dynamic_cast<TPersistent*>(ancestorSub));
            return {};
        }
        case TTypeKind::tkVariant: {
            Variant v = p.GetVariant(object);
            bool write = WriteDefaults || (ancestor ? v != p.GetVariant(*ancestor) : !v.IsEmpty());
            if (!write || v.IsArray()) return {};
            value = EscapeAttrText(VarToStr(v));
            break;
        }
        case TTypeKind::tkMethod:
        case TTypeKind::tkInt64:
            return {};
    }
    if (value.empty()) return {};
    return " " + prefix + p.Name + "=\"" + value + "\"";
}

std::string TrpXMLSerializer::DefinedPropertiesText(TPersistent& object, const std::string& prefix,
                                                    TPersistent* ancestor) {
    std::string bytes = DefinedPropertyBytes(object);
    if (bytes.empty()) return {};
    if (ancestor && Crc32Of(DefinedPropertyBytes(*ancestor)) == Crc32Of(bytes)) return {};
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    return " " + prefix + "PropData=\"" + rpStreamToHex(stream) + "\"";
}

std::string TrpXMLSerializer::ClassNameAndXML(TPersistent& object) {
    return object.ClassName() + PropertiesText(object, "", nullptr);
}

void TrpXMLSerializer::WriteRootComponent(TrpComponent& root, bool saveChildren, TrpXMLItem* item,
                                          bool alwaysClassNames) {
    if (!Owner) Owner = &root;
    TrpXMLDocument doc;
    doc.AutoIndent = true;
    bool ownDocument = item == nullptr;
    if (ownDocument) item = &doc.Root();

    std::function<void(TrpComponent&, TrpXMLItem&, bool)> write = [&](TrpComponent& object, TrpXMLItem& element,
                                                                       bool isRoot) {
        element.Name = object.FromAncestor() && !alwaysClassNames ? "inherited" : object.ClassName();
        std::string attributes = PropertiesText(object, "", nullptr);
        element.Text = isRoot ? attributes : "Name=\"" + EscapeAttrText(object.Name()) + "\"" + attributes;
        if (!saveChildren) return;
        for (TrpComponent* child : object.Objects()) write(*child, *element.Add(), false);
    };
    write(root, *item, true);
    if (ownDocument && stream_) doc.SaveToStream(*stream_);
}

void TrpXMLSerializer::WriteComponent(TrpComponent& object) {
    std::string text = "<" + ClassNameAndXML(object) + "/>";
    if (stream_) stream_->WriteBuffer(text.data(), static_cast<std::int64_t>(text.size()));
}
