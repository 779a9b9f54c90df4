#include "script/bindings/IniFilesBinding.h"

#include "script/component/Script.h"
#include "script/core/ScriptErrors.h"
#include "script/members/ClassVariable.h"
#include "script/members/MethodHelper.h"
#include "ui/core/IniFiles.h"
#include "ui/core/StringList.h"

namespace {

constexpr const char* kItemKey = "Items";
constexpr const char* kCountKey = "Count";

template <class T>
T& Self(TObject* instance, const std::string& name) {
    auto* object = dynamic_cast<T*>(instance);
    if (!object) throw EScriptError("«" + name + "»: нет объекта (nil)");
    return *object;
}

// A list argument; nil is a script error, not a crash.
TStrings& ListParam(TscMethodHelper& method, int index, const std::string& name) {
    auto* list = dynamic_cast<TStrings*>(VariantToObject(method.GetParam(index)));
    if (!list) throw EScriptError("«" + name + "»: не задан список строк");
    return *list;
}

void WriteTStrings(TCustomIniFile& ini, const std::string& section, const TStrings& lines, bool clear) {
    if (clear) ini.EraseSection(section);
    for (int i = 0; i < lines.Count(); ++i) ini.WriteString(section, kItemKey + std::to_string(i), lines.Strings(i));
    ini.WriteInteger(section, kCountKey, lines.Count());
}

void ReadTStrings(TCustomIniFile& ini, const std::string& section, TStrings& lines, bool clear) {
    const int count = ini.ReadInteger(section, kCountKey, 0);
    if (clear) lines.Clear();
    for (int i = 0; i < count; ++i) lines.Add(ini.ReadString(section, kItemKey + std::to_string(i), ""));
}

// The values of a section's lines without their names; a name written twice
// gives its first value each time, as a look-up by name does.
void ReadSectionValuesEx(TCustomIniFile& ini, const std::string& section, TStrings& values) {
    TStringList pairs;
    ini.ReadSectionValues(section, pairs);
    values.Clear();
    for (int i = 0; i < pairs.Count(); ++i) values.Add(pairs.Values(pairs.Names(i)));
}

}  // namespace

TscIniFilesFunctions::TscIniFilesFunctions(TscScript& script) : TscRTTIModule(script) {
    auto call = [this](TObject* instance, const TClassInfo* classRef, const std::string& name, TscMethodHelper& method) {
        return CallMethod(instance, classRef, name, method);
    };
    auto fileName = [](TObject* instance, const TClassInfo*, const std::string& name) {
        return Variant(Self<TCustomIniFile>(instance, name).FileName());
    };
    if (TscClassVariable* custom = script.AddClass(TCustomIniFile::StaticClass(), "TObject")) {
        custom->AddConstructor("constructor Create(const FileName: String)", call);
        custom->AddMethod("function ReadInteger(const Section, Ident: String; Default: LongInt): LongInt", call);
        custom->AddMethod("procedure WriteInteger(const Section, Ident: String; Value: LongInt)", call);
        custom->AddMethod("function ReadBool(const Section, Ident: String; Default: Boolean): Boolean", call);
        custom->AddMethod("procedure WriteBool(const Section, Ident: String; Value: Boolean)", call);
        custom->AddMethod("function ReadFloat(const Section, Name: String; Default: Double): Double", call);
        custom->AddMethod("procedure WriteFloat(const Section, Name: String; Value: Double)", call);
        custom->AddMethod("function SectionExists(const Section: String): Boolean", call);
        custom->AddMethod("function ValueExists(const Section, Ident: String): Boolean", call);
        custom->AddMethod("procedure WriteTStrings(const Section :String; Value :TStrings; IsClear :Boolean = True)", call);
        custom->AddMethod("function ReadTStrings(const Section :String; Value :TStrings; IsClear :Boolean = True): String;", call);
        custom->AddProperty("FileName", "String", fileName);
    }
    // Both files answer the same string and section members.
    for (const TClassInfo* info : {&TMemIniFile::StaticClass(), &TIniFile::StaticClass()}) {
        TscClassVariable* file = script.AddClass(*info, "TCustomIniFile");
        if (!file) continue;
        if (info == &TMemIniFile::StaticClass()) file->AddConstructor("constructor Create(const FileName: String)", call);
        file->AddMethod("procedure WriteString(const Section, Ident, Value: String)", call);
        file->AddMethod("function ReadString(const Section, Ident, Default: String): String;", call);
        file->AddMethod("procedure ReadSectionValuesEx(const Section: String; Strings: TStrings)", call);
        file->AddMethod("procedure DeleteKey(const Section, Ident: String)", call);
        file->AddMethod("procedure ReadSection(const Section: String; Strings: TStrings)", call);
        file->AddMethod("procedure ReadSections(Strings: TStrings)", call);
        file->AddMethod("procedure ReadSectionValues(const Section: String; Strings: TStrings)", call);
        file->AddMethod("procedure EraseSection(const Section: String)", call);
        if (info == &TMemIniFile::StaticClass()) {
            file->AddMethod("procedure Clear", call);
            file->AddMethod("procedure GetStrings(List: TStrings)", call);
            file->AddMethod("procedure SetStrings(List: TStrings)", call);
        }
    }
}

Variant TscIniFilesFunctions::CallMethod(TObject* instance, const TClassInfo* classRef, const std::string& name,
                                         TscMethodHelper& method) {
    if (name == "CREATE") {
        const TClassInfo* made = method.ConstructedClass ? method.ConstructedClass : classRef;
        const std::string file = method.GetParam(0).AsString();
        if (made->InheritsFrom(TMemIniFile::StaticClass())) return ObjectToVariant(new TMemIniFile(file));
        if (made->InheritsFrom(TIniFile::StaticClass())) return ObjectToVariant(new TIniFile(file));
        throw EScriptError("Объект класса «" + made->Name() + "» нельзя создать");
    }
    TCustomIniFile& ini = Self<TCustomIniFile>(instance, name);
    auto text = [&method](int index) { return method.GetParam(index).AsString(); };
    if (name == "READINTEGER") return Variant(ini.ReadInteger(text(0), text(1), method.GetParam(2).AsInteger()));
    if (name == "WRITEINTEGER") ini.WriteInteger(text(0), text(1), method.GetParam(2).AsInteger());
    if (name == "READBOOL") return Variant(ini.ReadBool(text(0), text(1), method.GetParam(2).AsBoolean()));
    if (name == "WRITEBOOL") ini.WriteBool(text(0), text(1), method.GetParam(2).AsBoolean());
    if (name == "READFLOAT") return Variant(ini.ReadFloat(text(0), text(1), method.GetParam(2).AsDouble()));
    if (name == "WRITEFLOAT") ini.WriteFloat(text(0), text(1), method.GetParam(2).AsDouble());
    if (name == "SECTIONEXISTS") return Variant(ini.SectionExists(text(0)));
    if (name == "VALUEEXISTS") return Variant(ini.ValueExists(text(0), text(1)));
    if (name == "WRITETSTRINGS") WriteTStrings(ini, text(0), ListParam(method, 1, name), method.GetParam(2).AsBoolean());
    if (name == "READTSTRINGS") {
        ReadTStrings(ini, text(0), ListParam(method, 1, name), method.GetParam(2).AsBoolean());
        return Variant(0);
    }
    if (name == "WRITESTRING") ini.WriteString(text(0), text(1), text(2));
    if (name == "READSTRING") return Variant(ini.ReadString(text(0), text(1), text(2)));
    if (name == "READSECTIONVALUESEX") ReadSectionValuesEx(ini, text(0), ListParam(method, 1, name));
    if (name == "DELETEKEY") ini.DeleteKey(text(0), text(1));
    if (name == "READSECTION") ini.ReadSection(text(0), ListParam(method, 1, name));
    if (name == "READSECTIONS") ini.ReadSections(ListParam(method, 0, name));
    if (name == "READSECTIONVALUES") ini.ReadSectionValues(text(0), ListParam(method, 1, name));
    if (name == "ERASESECTION") ini.EraseSection(text(0));
    if (auto* memory = dynamic_cast<TMemIniFile*>(&ini)) {
        if (name == "CLEAR") memory->Clear();
        if (name == "GETSTRINGS") memory->GetStrings(ListParam(method, 0, name));
        if (name == "SETSTRINGS") memory->SetStrings(ListParam(method, 0, name));
    }
    return Variant(0);
}
