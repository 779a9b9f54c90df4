#include "report/storage/XmlSerializer.h"

#include "platform/text/Utf8Text.h"
#include "report/objects/MemoView.h"
#include "report/objects/Report.h"
#include "report/resources/Resources.h"
#include "report/text/CodePages.h"
#include "report/text/Utf16Text.h"
#include "report/text/WideStrings.h"
#include "report/utils/Conversions.h"
#include "report/utils/StoragePaths.h"
#include "report/xml/XmlDocument.h"
#include "report/xml/XmlText.h"
#include "ui/core/Exceptions.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/NumberConversion.h"
#include "ui/core/Reader.h"
#include "ui/core/ScopeGuards.h"
#include "ui/core/TextCase.h"
#include "ui/core/TypeInfo.h"
#include "ui/variant/Variant.h"

#include <cctype>

namespace {

constexpr std::string_view kInherited = "inherited";
constexpr std::string_view kNil = "nil";

// 8-bit text of the system code page: the program's UTF-8, else Windows-1251.
std::u16string SystemText(std::string_view bytes) {
    if (platform::IsValidUtf8(bytes)) return Utf8ToUtf16(bytes);
    return AnsiToUnicode(bytes, 0, kSystemAnsiCodePage);
}

bool IsDecimalInteger(std::string_view text) {
    std::size_t start = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (start == text.size()) return false;
    for (std::size_t i = start; i < text.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    return true;
}

// A set keeps only the bits of its own elements, so a stray sign or high bit
// in a file is not written back as a number the next read refuses.
std::int64_t SetMask(const TPropInfo& p, std::int64_t value) {
    if (!p.EnumType) return value;
    std::int64_t elements = (std::int64_t{1} << p.EnumType->Count()) - 1;
    return value & elements;
}

void SetMemoText(TPersistent& object, const std::u16string& text) {
    if (auto* memo = dynamic_cast<TrpCustomMemoView*>(&object)) memo->Memo()->SetText(text);
}

void ReadPropData(TPersistent& object, std::string_view hex) {
    TMemoryStream bytes;
    rpHexToStream(hex, bytes);
    bytes.SetPosition(0);
    TReader reader(bytes);
    try {
        while (bytes.Position() < bytes.Size()) reader.ReadProperty(object);
    } catch (const Exception&) {
        // A damaged PropData ends only its own reading.
    }
}

}  // namespace

void TrpXMLSerializer::ApplyPropertiesText(std::string_view text, TPersistent& object) {
    std::size_t at = 0;
    for (;;) {
        while (at < text.size() && text[at] == ' ') ++at;
        std::size_t equals = text.find('=', at);
        if (equals == std::string_view::npos) return;
        std::string_view name = text.substr(at, equals - at);
        while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
        if (name.empty()) return;
        std::size_t open = text.find('"', equals + 1);
        if (open == std::string_view::npos) return;
        std::size_t close = text.find('"', open + 1);
        if (close == std::string_view::npos) close = text.size();
        std::string_view value = text.substr(open + 1, close - open - 1);
        at = close + 1;

        TPersistent* current = &object;
        for (std::size_t dot; (dot = name.find('.')) != std::string_view::npos;) {
            const TPropInfo* p = current->ClassType().FindProperty(name.substr(0, dot));
            auto* part = p && p->Kind == TTypeKind::tkClass ? dynamic_cast<TPersistent*>(p->GetObject(*current)) : nullptr;
            if (!part) break;  // the rest is taken as a name, which matches nothing
            // A font is stored only when it is the object's own, so one read
            // back is the object's own too, even where it equals the parent's.
            if (auto* component = dynamic_cast<TrpComponent*>(current); component && part == component->Font())
                component->SetParentFont(false);
            current = part;
            name.remove_prefix(dot + 1);
        }
        try {
            ApplyAttribute(*current, name, value);
        } catch (const Exception& e) {
            AddError(e.Message());
        }
        if (at >= text.size()) return;
    }
}

void TrpXMLSerializer::ApplyAttribute(TPersistent& object, std::string_view name, std::string_view value) {
    if (name.size() == 1) {
        auto* component = dynamic_cast<TrpComponent*>(&object);
        switch (name[0]) {
            case 'l': if (component) component->SetLeft(rpTextToFloat(value)); return;
            case 't': if (component) component->SetTop(rpTextToFloat(value)); return;
            case 'w': if (component) component->SetWidth(rpTextToFloat(value)); return;
            case 'h': if (component) component->SetHeight(rpTextToFloat(value)); return;
            case 'u': SetMemoText(object, Utf8ToUtf16(UnescapeAttrText(value))); return;
            case 'x': SetMemoText(object, SystemText(UnescapeAttrText(value))); return;
            default: break;
        }
    }
    if (name == "Text") {
        if (auto* list = dynamic_cast<TStrings*>(&object)) {
            list->SetText(UnescapeAttrText(value));
            return;
        }
        if (auto* wide = dynamic_cast<TWideStrings*>(&object)) {
            wide->SetText(SystemText(UnescapeAttrText(value)));
            return;
        }
        if (auto* memo = dynamic_cast<TrpCustomMemoView*>(&object)) {
            // The lines were written joined by CR LF: the break put back at
            // the end keeps a last empty line that SetText would drop.
            memo->Memo()->SetText(value.empty() ? std::u16string() : Utf8ToUtf16(UnescapeAttrText(value)) + u"\r\n");
            return;
        }
    }
    if (name == "PropData") {
        ReadPropData(object, value);
        return;
    }
    if (name == "Name" && dynamic_cast<TrpReport*>(&object)) return;

    const TPropInfo* p = object.ClassType().FindProperty(name);
    if (!p || !p->Writable()) return;
    switch (p->Kind) {
        case TTypeKind::tkEnumeration: {
            if (IsDecimalInteger(value)) {
                p->SetOrd(object, StrToInt(value));
                return;
            }
            int ordinal = p->EnumType ? p->EnumType->Value(value) : -1;
            if (ordinal < 0) throw EConvertError("'" + std::string(value) + "' is not a valid value of " + p->Name);
            p->SetOrd(object, ordinal);
            return;
        }
        case TTypeKind::tkFloat: p->SetFloat(object, rpTextToFloat(value)); return;
        case TTypeKind::tkString: p->SetStr(object, UnescapeAttrText(value)); return;
        case TTypeKind::tkClass:
            if (p->PropClass && p->PropClass().InheritsFrom(TComponent::StaticClass()))
                Fixups.push_back({&object, p, std::string(value)});
            return;
        case TTypeKind::tkSet: p->SetOrd(object, SetMask(*p, StrToInt(value))); return;
        case TTypeKind::tkInteger:
        case TTypeKind::tkChar: p->SetOrd(object, StrToInt(value)); return;
        case TTypeKind::tkVariant: p->SetVariant(object, Variant(UnescapeAttrText(value))); return;
        case TTypeKind::tkMethod:
        case TTypeKind::tkInt64: return;
    }
}

void TrpXMLSerializer::FixupReferences() {
    auto* report = dynamic_cast<TrpComponent*>(Owner);
    for (const Fixup& fixup : Fixups) {
        try {
            if (fixup.value == kNil) {
                fixup.property->SetObject(*fixup.object, nullptr);
                continue;
            }
            TComponent* found = report ? report->FindObject(fixup.value) : nullptr;
            if (!found) found = rpFindComponentByPath(Owner, fixup.value);
            if (found) fixup.property->SetObject(*fixup.object, found);
        } catch (const Exception& e) {
            AddError(e.Message());
        }
    }
    Fixups.clear();
}

void TrpXMLSerializer::ReadElement(TrpXMLItem& item, TrpComponent* parent, bool first, TrpComponent& root,
                                   std::vector<TrpComponent*>& read) {
    bool inherited = AnsiSameText(item.Name, kInherited);
    const TClassInfo* type = inherited ? nullptr : GetClass(item.Name);
    // Only report objects can be made, and a report only at the root.
    bool makeable = type && type->InheritsFrom(TrpComponent::StaticClass()) && type->CanCreate() &&
                    (first || !type->InheritsFrom(TrpReport::StaticClass()));
    if (!inherited && !makeable) {
        AddError(rpResourceManager().Get("xrCantFindClass") + " " + item.Name);
        return;
    }
    TrpComponent* object = first ? &root : nullptr;
    if (!object) {
        std::string name = item.Prop("Name");
        if (!name.empty() && Owner) object = dynamic_cast<TrpComponent*>(Owner->FindComponent(name));
    }
    if (!object) {
        if (inherited) return;
        try {
            object = dynamic_cast<TrpComponent*>(type->Create(parent));
        } catch (const Exception& e) {
            AddError(e.Message());
            return;
        }
    }
    object->SetLoadingObject(true);
    read.push_back(object);
    ApplyPropertiesText(item.Text, *object);
    for (int i = 0; i < item.Count(); ++i) ReadElement(*item.Items(i), object, false, root, read);
}

void TrpXMLSerializer::ReadRootComponent(TrpComponent& root, TrpXMLItem* item) {
    if (!Owner) Owner = &root;
    TrpXMLDocument doc;
    if (!item) {
        if (!stream_) return;
        doc.LoadFromStream(*stream_);
        LegacyEncoding = doc.LegacyHeader;
        item = &doc.Root();
    }
    std::vector<TrpComponent*> read;
    ReadElement(*item, nullptr, true, root, read);
    FixupReferences();
    for (TrpComponent* object : read) {
        object->SetLoadingObject(false);
        if (!dynamic_cast<TrpReport*>(object)) object->Loaded();
    }
}

TrpComponent* TrpXMLSerializer::ReadComponentStr(TComponent* owner, std::string_view text, bool dontFixup) {
    Owner = owner;
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    if (text.empty()) return nullptr;
    std::size_t blank = text.find(' ');
    std::string className(text.substr(0, blank));
    const TClassInfo& type = FindClass(className);
    if (!type.InheritsFrom(TrpComponent::StaticClass())) throw EClassNotFound("Class " + className + " not found");
    auto* object = dynamic_cast<TrpComponent*>(type.Create(owner));
    object->SetLoadingObject(true);
    {
        ScopeExit finish([&] {
            if (dontFixup) Fixups.clear();
            else FixupReferences();
            object->SetLoadingObject(false);
            if (!dynamic_cast<TrpReport*>(object)) object->Loaded();
        });
        if (blank != std::string_view::npos) ApplyPropertiesText(text.substr(blank + 1), *object);
    }
    return object;
}

void TrpXMLSerializer::ReadPersistentStr(TComponent* owner, TPersistent& object, std::string_view text) {
    Owner = owner;
    ApplyPropertiesText(text, object);
    FixupReferences();
}
