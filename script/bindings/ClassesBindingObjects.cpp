// The classes binding's streams, collections, lists and XML classes.
#include "script/bindings/ClassesBinding.h"

#include "script/component/Script.h"
#include "script/core/ScriptErrors.h"
#include "script/members/ClassVariable.h"
#include "script/xml/XMLDocument.h"
#include "script/xml/XMLItem.h"
#include "ui/core/Collection.h"
#include "ui/core/HandleStream.h"
#include "ui/core/List.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/TypeInfo.h"

#include <algorithm>

namespace {

// The library's streams and the XML classes describe no class of their own;
// scripts know them by these.
const TClassInfo& StreamClass() {
    static const TClassInfo info("TStream", &TObject::StaticClass());
    return info;
}
const TClassInfo& FileStreamClass() {
    static const TClassInfo info("TFileStream", &StreamClass());
    return info;
}
const TClassInfo& MemoryStreamClass() {
    static const TClassInfo info("TMemoryStream", &StreamClass());
    return info;
}
const TClassInfo& XMLItemClass() {
    static const TClassInfo info("TscXMLItem", &TObject::StaticClass());
    return info;
}
const TClassInfo& XMLDocumentClass() {
    static const TClassInfo info("TscXMLDocument", &TObject::StaticClass());
    return info;
}

const TClassInfo& ListClass() {
    static const TClassInfo info("TList", &TObject::StaticClass());
    return info;
}

// The library's plain list behind an object a script can hold; its items
// are object references.
class TscObjectList : public TObject {
public:
    const TClassInfo& ClassType() const override { return ListClass(); }
    TList List;
};

template <class T>
T& Self(TObject* instance, const std::string& name) {
    auto* object = dynamic_cast<T*>(instance);
    if (!object) throw EScriptError("«" + name + "»: нет объекта (nil)");
    return *object;
}

template <class T>
T& Argument(const TscMethodHelper& method, int index, const std::string& name) {
    return Self<T>(VariantToObject(method.GetParam(index)), name);
}

TSeekOrigin SeekOrigin(int origin) {
    switch (origin) {
    case 1: return TSeekOrigin::soCurrent;
    case 2: return TSeekOrigin::soEnd;
    default: return TSeekOrigin::soBeginning;
    }
}

}  // namespace

void TscClassesFunctions::RegisterStreamsAndCollections(const TscMethodCall& call, const TscPropertyGet& get,
                                                        const TscPropertySet& set) {
    TscScript& script = Script;
    const std::pair<const char*, int> constants[] = {
        {"fmCreate", 0xFFFF},     {"fmOpenRead", 0},        {"fmOpenWrite", 1},     {"fmOpenReadWrite", 2},
        {"fmShareExclusive", 16}, {"fmShareDenyWrite", 32}, {"fmShareDenyNone", 64}, {"soFromBeginning", 0},
        {"soFromCurrent", 1},     {"soFromEnd", 2},
    };
    for (const auto& [name, value] : constants) script.AddConst(name, "Integer", Variant(value));
    script.AddEnum("TPrinterOrientation", "poPortrait, poLandscape");
    script.AddClass(TCollectionItem::StaticClass(), "TPersistent");
    if (TscClassVariable* collection = script.AddClass(TCollection::StaticClass(), "TPersistent")) {
        collection->AddMethod("procedure Clear", call);
        collection->AddProperty("Count", "Integer", get);
        collection->AddDefaultProperty("Items", "Integer", "TCollectionItem", call, true);
    }
    if (TscClassVariable* list = script.AddClass(ListClass(), "TObject")) {
        list->AddConstructor("constructor Create", call);
        list->AddMethod("function Add(Item: TObject): Integer", call);
        list->AddMethod("procedure Clear", call);
        list->AddMethod("procedure Delete(Index: Integer)", call);
        list->AddMethod("function IndexOf(Item: TObject): Integer", call);
        list->AddMethod("procedure Insert(Index: Integer; Item: TObject)", call);
        list->AddMethod("function Remove(Item: TObject): Integer", call);
        list->AddProperty("Count", "Integer", get);
        list->AddDefaultProperty("Items", "Integer", "TObject", call);
    }
    if (TscClassVariable* stream = script.AddClass(StreamClass(), "TObject")) {
        stream->AddMethod("function Read(var Buffer: string; Count: Longint): Longint", call);
        stream->AddMethod("function Write(Buffer: string; Count: Longint): Longint", call);
        stream->AddMethod("function Seek(Offset: Longint; Origin: Word): Longint", call);
        stream->AddMethod("function CopyFrom(Source: TStream; Count: Longint): Longint", call);
        stream->AddProperty("Position", "Longint", get, set);
        stream->AddProperty("Size", "Longint", get);
    }
    if (TscClassVariable* file = script.AddClass(FileStreamClass(), "TStream"))
        file->AddConstructor("constructor Create(Filename: String; Mode: Word)", call);
    if (TscClassVariable* memory = script.AddClass(MemoryStreamClass(), "TStream")) {
        // The library's memory stream has no class description to make it by name.
        memory->AddConstructor("constructor Create", call);
        memory->AddMethod("procedure Clear", call);
        memory->AddMethod("procedure LoadFromStream(Stream: TStream)", call);
        memory->AddMethod("procedure LoadFromFile(Filename: String)", call);
        memory->AddMethod("procedure SaveToStream(Stream: TStream)", call);
        memory->AddMethod("procedure SaveToFile(Filename: String)", call);
    }
    if (TscClassVariable* item = script.AddClass(XMLItemClass(), "TObject")) {
        item->AddConstructor("constructor Create", call);
        item->AddMethod("procedure AddItem(Item: TscXMLItem)", call);
        item->AddMethod("procedure Clear", call);
        item->AddMethod("procedure InsertItem(Index: Integer; Item: TscXMLItem)", call);
        item->AddMethod("function Add: TscXMLItem", call);
        item->AddMethod("function Find(const Name: String): Integer", call);
        item->AddMethod("function FindItem(const Name: String): TscXMLItem", call);
        item->AddMethod("function Root: TscXMLItem", call);
        item->AddProperty("Data", "Integer", get, set);
        item->AddProperty("Count", "Integer", get);
        item->AddProperty("Name", "String", get, set);
        item->AddProperty("Parent", "TscXMLItem", get);
        item->AddProperty("Text", "String", get, set);
        item->AddDefaultProperty("Items", "Integer", "TscXMLItem", call, true);
        item->AddIndexProperty("Prop", "String", "String", call);
    }
    if (TscClassVariable* document = script.AddClass(XMLDocumentClass(), "TObject")) {
        document->AddConstructor("constructor Create", call);
        document->AddMethod("procedure SaveToStream(Stream: TStream)", call);
        document->AddMethod("procedure LoadFromStream(Stream: TStream)", call);
        document->AddMethod("procedure SaveToFile(const FileName: String)", call);
        document->AddMethod("procedure LoadFromFile(const FileName: String)", call);
        document->AddProperty("Root", "TscXMLItem", get);
    }
}

bool TscClassesFunctions::CallStreamsAndCollections(TObject* instance, const TClassInfo* classRef, const std::string& name,
                                                    TscMethodHelper& method, Variant& result) {
    if (classRef == &TCollection::StaticClass()) {
        TCollection& collection = Self<TCollection>(instance, name);
        if (name == "CLEAR") collection.Clear();
        if (name == "ITEMS.GET") result = ObjectToVariant(collection.Items(method.GetParam(0).AsInteger()));
    } else if (classRef == &ListClass()) {
        if (name == "CREATE") {
            result = ObjectToVariant(new TscObjectList());
            return true;
        }
        TList& list = Self<TscObjectList>(instance, name).List;
        auto item = [&](int index) { return static_cast<void*>(VariantToObject(method.GetParam(index))); };
        if (name == "ADD") result = Variant(list.Add(item(0)));
        if (name == "CLEAR") list.Clear();
        if (name == "DELETE") list.Delete(method.GetParam(0).AsInteger());
        if (name == "INDEXOF") result = Variant(list.IndexOf(item(0)));
        if (name == "INSERT") list.Insert(method.GetParam(0).AsInteger(), item(1));
        if (name == "REMOVE") result = Variant(list.Remove(item(0)));
        if (name == "ITEMS.GET") result = ObjectToVariant(static_cast<TObject*>(list.Items(method.GetParam(0).AsInteger())));
        if (name == "ITEMS.SET") list.SetItem(method.GetParam(0).AsInteger(), item(1));
    } else if (classRef == &StreamClass()) {
        TStream& stream = Self<TStream>(instance, name);
        if (name == "READ") {
            std::string buffer(static_cast<std::size_t>(std::max(0, method.GetParam(1).AsInteger())), '\0');
            const std::int64_t read = stream.Read(buffer.data(), static_cast<std::int64_t>(buffer.size()));
            buffer.resize(static_cast<std::size_t>(read));
            method.SetParam(0, Variant(buffer));
            result = Variant(static_cast<std::int32_t>(read));
        }
        if (name == "WRITE") {
            const std::string buffer = method.GetParam(0).AsString();
            const int count = method.GetParam(1).AsInteger();
            if (count < 0 || static_cast<std::size_t>(count) > buffer.size())
                throw EScriptRangeError("Write: " + std::to_string(count) + " байт больше, чем в строке (" +
                                        std::to_string(buffer.size()) + ")");
            result = Variant(static_cast<std::int32_t>(stream.Write(buffer.data(), count)));
        }
        if (name == "SEEK")
            result = Variant(stream.Seek(method.GetParam(0).AsInt64(), SeekOrigin(method.GetParam(1).AsInteger())));
        if (name == "COPYFROM") result = Variant(stream.CopyFrom(Argument<TStream>(method, 0, name), method.GetParam(1).AsInt64()));
    } else if (classRef == &FileStreamClass()) {
        if (name == "CREATE")
            result = ObjectToVariant(new TFileStream(method.GetParam(0).AsString(), static_cast<std::uint16_t>(method.GetParam(1).AsInteger())));
    } else if (classRef == &MemoryStreamClass()) {
        if (name == "CREATE") {
            result = ObjectToVariant(new TMemoryStream());
            return true;
        }
        TMemoryStream& stream = Self<TMemoryStream>(instance, name);
        if (name == "CLEAR") stream.Clear();
        if (name == "LOADFROMSTREAM") stream.LoadFromStream(Argument<TStream>(method, 0, name));
        if (name == "LOADFROMFILE") stream.LoadFromFile(method.GetParam(0).AsString());
        if (name == "SAVETOSTREAM") stream.SaveToStream(Argument<TStream>(method, 0, name));
        if (name == "SAVETOFILE") stream.SaveToFile(method.GetParam(0).AsString());
    } else if (classRef == &XMLItemClass()) {
        if (name == "CREATE") {
            result = ObjectToVariant(new TscXMLItem());
            return true;
        }
        TscXMLItem& item = Self<TscXMLItem>(instance, name);
        if (name == "ADDITEM") item.AddItem(&Argument<TscXMLItem>(method, 0, name));
        if (name == "CLEAR") item.Clear();
        if (name == "INSERTITEM") item.InsertItem(method.GetParam(0).AsInteger(), &Argument<TscXMLItem>(method, 1, name));
        if (name == "ADD") result = ObjectToVariant(item.Add());
        if (name == "FIND") result = Variant(item.Find(method.GetParam(0).AsString()));
        if (name == "FINDITEM") result = ObjectToVariant(item.FindItem(method.GetParam(0).AsString()));
        if (name == "ROOT") result = ObjectToVariant(item.Root());
        if (name == "ITEMS.GET") result = ObjectToVariant(item.Items(method.GetParam(0).AsInteger()));
        if (name == "PROP.GET") result = Variant(item.Prop(method.GetParam(0).AsString()));
        if (name == "PROP.SET") item.SetProp(method.GetParam(0).AsString(), method.GetParam(1).AsString());
    } else if (classRef == &XMLDocumentClass()) {
        if (name == "CREATE") {
            result = ObjectToVariant(new TscXMLDocument());
            return true;
        }
        TscXMLDocument& document = Self<TscXMLDocument>(instance, name);
        if (name == "SAVETOSTREAM") document.SaveToStream(Argument<TStream>(method, 0, name));
        if (name == "LOADFROMSTREAM") document.LoadFromStream(Argument<TStream>(method, 0, name));
        if (name == "SAVETOFILE") document.SaveToFile(method.GetParam(0).AsString());
        if (name == "LOADFROMFILE") document.LoadFromFile(method.GetParam(0).AsString());
    } else {
        return false;
    }
    return true;
}

bool TscClassesFunctions::GetStreamsAndCollections(TObject* instance, const TClassInfo* classRef, const std::string& name,
                                                   Variant& result) {
    if (classRef == &TCollection::StaticClass()) {
        if (name == "COUNT") result = Variant(Self<TCollection>(instance, name).Count());
    } else if (classRef == &ListClass()) {
        if (name == "COUNT") result = Variant(Self<TscObjectList>(instance, name).List.Count());
    } else if (classRef == &StreamClass()) {
        TStream& stream = Self<TStream>(instance, name);
        if (name == "POSITION") result = Variant(stream.Position());
        if (name == "SIZE") result = Variant(stream.Size());
    } else if (classRef == &XMLItemClass()) {
        TscXMLItem& item = Self<TscXMLItem>(instance, name);
        if (name == "DATA") result = Variant(item.Data());
        if (name == "COUNT") result = Variant(item.Count());
        if (name == "NAME") result = Variant(item.Name());
        if (name == "PARENT") result = ObjectToVariant(item.Parent());
        if (name == "TEXT") result = Variant(item.Text());
    } else if (classRef == &XMLDocumentClass()) {
        if (name == "ROOT") result = ObjectToVariant(Self<TscXMLDocument>(instance, name).Root());
    } else {
        return false;
    }
    return true;
}

bool TscClassesFunctions::SetStreamsAndCollections(TObject* instance, const TClassInfo* classRef, const std::string& name,
                                                   const Variant& value) {
    if (classRef == &StreamClass()) {
        if (name == "POSITION") Self<TStream>(instance, name).SetPosition(value.AsInt64());
    } else if (classRef == &XMLItemClass()) {
        TscXMLItem& item = Self<TscXMLItem>(instance, name);
        if (name == "DATA") item.SetData(value.AsInteger());
        if (name == "NAME") item.SetName(value.AsString());
        if (name == "TEXT") item.SetText(value.AsString());
    } else {
        return false;
    }
    return true;
}
