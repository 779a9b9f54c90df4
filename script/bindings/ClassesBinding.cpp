#include "script/bindings/ClassesBinding.h"

#include "script/component/Script.h"
#include "script/core/ScriptErrors.h"
#include "script/members/ClassVariable.h"
#include "script/members/LiveObjects.h"
#include "ui/core/Component.h"
#include "ui/core/Stream.h"
#include "ui/core/StringList.h"

namespace {

// The instance a member of an object needs; nil is a script error, not a crash.
template <class T>
T& Self(TObject* instance, const std::string& name) {
    auto* object = dynamic_cast<T*>(instance);
    if (!object) throw EScriptError("«" + name + "»: нет объекта (nil)");
    return *object;
}

}  // namespace

TscClassesFunctions::TscClassesFunctions(TscScript& script) : TscRTTIModule(script) {
    auto call = [this](TObject* instance, const TClassInfo* classRef, const std::string& name, TscMethodHelper& method) {
        return CallMethod(instance, classRef, name, method);
    };
    auto get = [this](TObject* instance, const TClassInfo* classRef, const std::string& name) { return GetProp(instance, classRef, name); };
    auto set = [this](TObject* instance, const TClassInfo* classRef, const std::string& name, const Variant& value) {
        SetProp(instance, classRef, name, value);
    };
    script.AddEnum("TDuplicates", "dupIgnore, dupAccept, dupError");
    if (TscClassVariable* object = script.AddClass(TObject::StaticClass(), "")) {
        object->AddConstructor("constructor Create", call);
        object->AddMethod("procedure Free", call);
        object->AddMethod("function ClassName: String", call);
    }
    script.AddClass(TPersistent::StaticClass(), "TObject");
    RegisterStreamsAndCollections(call, get, set);
    if (TscClassVariable* strings = script.AddClass(TStrings::StaticClass(), "TPersistent")) {
        strings->AddMethod("function Add(const S: string): Integer", call);
        strings->AddMethod("function AddObject(const S: string; AObject: TObject): Integer", call);
        strings->AddMethod("function IndexOfName(const Name: string): Integer", call);
        strings->AddMethod("function IndexOfObject(AObject: TObject): Integer", call);
        strings->AddMethod("procedure InsertObject(Index: Integer; const S: string; AObject: TObject)", call);
        strings->AddMethod("procedure LoadFromStream(Stream: TStream)", call);
        strings->AddMethod("procedure SaveToStream(Stream: TStream)", call);
        strings->AddMethod("procedure Move(CurIndex, NewIndex: Integer)", call);
        strings->AddIndexProperty("Objects", "Integer", "TObject", call);
        strings->AddMethod("procedure Clear", call);
        strings->AddMethod("procedure Delete(Index: Integer)", call);
        strings->AddMethod("function IndexOf(const S: string): Integer", call);
        strings->AddMethod("procedure Insert(Index: Integer; const S: string)", call);
        strings->AddMethod("procedure Exchange(Index1, Index2: Integer)", call);
        strings->AddMethod("procedure LoadFromFile(const FileName: string)", call);
        strings->AddMethod("procedure SaveToFile(const FileName: string)", call);
        strings->AddProperty("Count", "Integer", get);
        strings->AddProperty("Text", "String", get, set);
        strings->AddProperty("CommaText", "String", get, set);
        strings->AddIndexProperty("Names", "Integer", "String", call, true);
        strings->AddIndexProperty("Values", "String", "String", call);
        strings->AddDefaultProperty("Strings", "Integer", "String", call);
    }
    if (TscClassVariable* list = script.AddClass(TStringList::StaticClass(), "TStrings")) {
        list->AddMethod("function Find(s: String; var Index: Integer): Boolean", call);
        list->AddMethod("procedure Sort", call);
        list->AddProperty("Sorted", "Boolean", get, set);
        list->AddProperty("Duplicates", "TDuplicates", get, set);
    }
    if (TscClassVariable* component = script.AddClass(TComponent::StaticClass(), "TPersistent")) {
        component->AddConstructor("constructor Create(AOwner: TComponent)", call);
        component->AddMethod("function FindComponent(AName: String): TComponent", call);
        component->AddProperty("Owner", "TComponent", get);
        component->AddProperty("ComponentCount", "Integer", get);
        component->AddIndexProperty("Components", "Integer", "TComponent", call, true);
    }
}

Variant TscClassesFunctions::CallMethod(TObject* instance, const TClassInfo* classRef, const std::string& name,
                                        TscMethodHelper& method) {
    Variant result(0);
    if (CallStreamsAndCollections(instance, classRef, name, method, result)) return result;
    if (classRef == &TObject::StaticClass()) {
        if (name == "CREATE") {
            const TClassInfo* made = method.ConstructedClass ? method.ConstructedClass : classRef;
            if (!made->CanCreate()) throw EScriptError("Объект класса «" + made->Name() + "» нельзя создать");
            return ObjectToVariant(made->Create(nullptr));
        }
        if (name == "FREE") {
            if (!instance) return Variant(0);
            ForgetLiveObject(instance);
            delete instance;
        }
        if (name == "CLASSNAME") return Variant(Self<TObject>(instance, name).ClassName());
    } else if (classRef == &TStrings::StaticClass()) {
        TStrings& strings = Self<TStrings>(instance, name);
        if (name == "ADD") return Variant(strings.Add(method.GetParam(0).AsString()));
        if (name == "CLEAR") strings.Clear();
        if (name == "DELETE") strings.Delete(method.GetParam(0).AsInteger());
        if (name == "INDEXOF") return Variant(strings.IndexOf(method.GetParam(0).AsString()));
        if (name == "INSERT") strings.Insert(method.GetParam(0).AsInteger(), method.GetParam(1).AsString());
        if (name == "EXCHANGE") strings.Exchange(method.GetParam(0).AsInteger(), method.GetParam(1).AsInteger());
        if (name == "LOADFROMFILE") strings.LoadFromFile(method.GetParam(0).AsString());
        if (name == "SAVETOFILE") strings.SaveToFile(method.GetParam(0).AsString());
        if (name == "ADDOBJECT") return Variant(strings.AddObject(method.GetParam(0).AsString(), VariantToObject(method.GetParam(1))));
        if (name == "INDEXOFNAME") return Variant(strings.IndexOfName(method.GetParam(0).AsString()));
        if (name == "INDEXOFOBJECT") return Variant(strings.IndexOfObject(VariantToObject(method.GetParam(0))));
        if (name == "INSERTOBJECT")
            strings.InsertObject(method.GetParam(0).AsInteger(), method.GetParam(1).AsString(), VariantToObject(method.GetParam(2)));
        if (name == "LOADFROMSTREAM") strings.LoadFromStream(Self<TStream>(VariantToObject(method.GetParam(0)), name));
        if (name == "SAVETOSTREAM") strings.SaveToStream(Self<TStream>(VariantToObject(method.GetParam(0)), name));
        if (name == "MOVE") strings.Move(method.GetParam(0).AsInteger(), method.GetParam(1).AsInteger());
        if (name == "OBJECTS.GET") return ObjectToVariant(strings.Objects(method.GetParam(0).AsInteger()));
        if (name == "OBJECTS.SET") strings.SetObject(method.GetParam(0).AsInteger(), VariantToObject(method.GetParam(1)));
        if (name == "NAMES.GET") return Variant(strings.Names(method.GetParam(0).AsInteger()));
        if (name == "VALUES.GET") return Variant(strings.Values(method.GetParam(0).AsString()));
        if (name == "VALUES.SET") strings.SetValue(method.GetParam(0).AsString(), method.GetParam(1).AsString());
        if (name == "STRINGS.GET") return Variant(strings.Strings(method.GetParam(0).AsInteger()));
        if (name == "STRINGS.SET") strings.SetString(method.GetParam(0).AsInteger(), method.GetParam(1).AsString());
    } else if (classRef == &TStringList::StaticClass()) {
        TStringList& list = Self<TStringList>(instance, name);
        if (name == "FIND") {
            int index = 0;
            const bool found = list.Find(method.GetParam(0).AsString(), index);
            method.SetParam(1, Variant(index));
            return Variant(found);
        }
        if (name == "SORT") list.Sort();
    } else if (classRef == &TComponent::StaticClass()) {
        if (name == "CREATE") {
            const TClassInfo* made = method.ConstructedClass ? method.ConstructedClass : classRef;
            if (!made->CanCreate()) throw EScriptError("Объект класса «" + made->Name() + "» нельзя создать");
            return ObjectToVariant(made->Create(VariantToObject(method.GetParam(0))));
        }
        TComponent& component = Self<TComponent>(instance, name);
        if (name == "FINDCOMPONENT") return ObjectToVariant(component.FindComponent(method.GetParam(0).AsString()));
        if (name == "COMPONENTS.GET") {
            const int index = method.GetParam(0).AsInteger();
            if (index < 0 || index >= component.ComponentCount())
                throw EScriptRangeError("Components: индекс " + std::to_string(index) + " вне списка");
            return ObjectToVariant(component.Components(index));
        }
    }
    return Variant(0);
}

Variant TscClassesFunctions::GetProp(TObject* instance, const TClassInfo* classRef, const std::string& name) {
    Variant result(0);
    if (GetStreamsAndCollections(instance, classRef, name, result)) return result;
    if (classRef == &TStrings::StaticClass()) {
        TStrings& strings = Self<TStrings>(instance, name);
        if (name == "COUNT") return Variant(strings.Count());
        if (name == "TEXT") return Variant(strings.Text());
        if (name == "COMMATEXT") return Variant(strings.CommaText());
    } else if (classRef == &TStringList::StaticClass()) {
        TStringList& list = Self<TStringList>(instance, name);
        if (name == "SORTED") return Variant(list.Sorted());
        if (name == "DUPLICATES") return Variant(static_cast<int>(list.Duplicates()));
    } else if (classRef == &TComponent::StaticClass()) {
        TComponent& component = Self<TComponent>(instance, name);
        if (name == "OWNER") return ObjectToVariant(component.Owner());
        if (name == "COMPONENTCOUNT") return Variant(component.ComponentCount());
    }
    return Variant(0);
}

void TscClassesFunctions::SetProp(TObject* instance, const TClassInfo* classRef, const std::string& name, const Variant& value) {
    if (SetStreamsAndCollections(instance, classRef, name, value)) return;
    if (classRef == &TStrings::StaticClass()) {
        TStrings& strings = Self<TStrings>(instance, name);
        if (name == "TEXT") strings.SetText(value.AsString());
        if (name == "COMMATEXT") strings.SetCommaText(value.AsString());
    } else if (classRef == &TStringList::StaticClass()) {
        TStringList& list = Self<TStringList>(instance, name);
        if (name == "SORTED") list.SetSorted(value.AsBoolean());
        if (name == "DUPLICATES") list.SetDuplicates(static_cast<TDuplicates>(value.AsInteger()));
    }
}
