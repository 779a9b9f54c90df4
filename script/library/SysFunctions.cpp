#include "script/library/SysFunctions.h"

#include "script/component/Script.h"
#include "script/core/ScriptErrors.h"
#include "script/members/CustomHelper.h"
#include "script/members/MethodHelper.h"

namespace {

struct TypeName {
    const char* name;
    TscVarType type;
};

constexpr TypeName kTypes[] = {
    {"Byte", fvtInt}, {"Word", fvtInt}, {"Integer", fvtInt}, {"Longint", fvtInt}, {"Cardinal", fvtInt}, {"TColor", fvtInt},
    {"Boolean", fvtBool}, {"Real", fvtFloat}, {"Single", fvtFloat}, {"Double", fvtFloat}, {"Extended", fvtFloat},
    {"Currency", fvtFloat}, {"TDate", fvtFloat}, {"TTime", fvtFloat}, {"TDateTime", fvtFloat}, {"Char", fvtChar},
    {"String", fvtString}, {"Variant", fvtVariant}, {"Pointer", fvtVariant}, {"Array", fvtArray},
    {"Constructor", fvtConstructor}};

struct VarTypeConstant {
    const char* name;
    int code;
};

constexpr VarTypeConstant kVarTypeConstants[] = {
    {"varEmpty", 0}, {"varNull", 1}, {"varSmallint", 2}, {"varInteger", 3}, {"varSingle", 4}, {"varDouble", 5},
    {"varCurrency", 6}, {"varDate", 7}, {"varOleStr", 8}, {"varDispatch", 9}, {"varError", 10}, {"varBoolean", 11},
    {"varVariant", 12}, {"varUnknown", 13}, {"varShortInt", 16}, {"varByte", 17}, {"varWord", 18},
    {"varLongWord", 19}, {"varInt64", 20}, {"varStrArg", 72}, {"varString", 256}, {"varAny", 257},
    {"varTypeMask", 4095}, {"varArray", 8192}, {"varByRef", 16384}};

}  // namespace

void TscSysFunctions::AddGroup(const char* category, std::initializer_list<const char*> declarations,
                               Variant (TscSysFunctions::*handler)(const std::string&, TscMethodHelper&)) {
    for (const char* declaration : declarations)
        Script.AddMethod(declaration,
                         [this, handler](TObject*, const TClassInfo*, const std::string& name, TscMethodHelper& method) {
                             return (this->*handler)(name, method);
                         },
                         category);
}

TscSysFunctions::TscSysFunctions(TscScript& script) : TscRTTIModule(script) {
    for (const TypeName& type : kTypes) script.AddType(type.name, type.type);
    script.AddConst("True", "Boolean", Variant(true));
    script.AddConst("False", "Boolean", Variant(false));
    script.AddConst("nil", "Variant", Variant(0));
    script.AddConst("Null", "Variant", Variant::Null());
    script.Add("__StringHelper", std::make_unique<TscStringHelper>());
    script.Add("__ArrayHelper", std::make_unique<TscArrayHelper>("__ArrayHelper", "", fvtVariant, -1));
    script.AddVariable("ExceptionClassName", "String", Variant(std::string()));
    script.AddVariable("ExceptionMessage", "String", Variant(std::string()));

    AddGroup("ctConv",
             {"function IntToStr(i: Integer): String", "function FloatToStr(e: Extended): String",
              "function DateToStr(e: Extended): String", "function TimeToStr(e: Extended): String",
              "function DateTimeToStr(e: Extended): String", "function BoolToStr(B: Boolean): string;",
              "function StrToInt(s: String): Integer", "function StrToInt64(s: String): Integer",
              "function StrToFloat(s: String): Extended", "function StrToDate(s: String): Extended",
              "function StrToTime(s: String): Extended", "function StrToDateTime(s: String): Extended",
              "function StrToBool(const S: string): Boolean;"},
             &TscSysFunctions::CallConversion);
    AddGroup("ctConv", {"function VarToStr(v: Variant): String"}, &TscSysFunctions::CallOther);
    AddGroup("ctFormat",
             {"function Format(Fmt: String; Args: array): String", "function FormatFloat(Fmt: String; Value: Extended): String",
              "function FormatDateTime(Fmt: String; DateTime: TDateTime): String",
              "function FormatMaskText(EditMask: string; Value: string): string"},
             &TscSysFunctions::CallFormat);
    AddGroup("ctDate",
             {"function EncodeDate(Year, Month, Day: Word): TDateTime",
              "procedure DecodeDate(Date: TDateTime; var Year, Month, Day: Word)",
              "function EncodeTime(Hour, Min, Sec, MSec: Word): TDateTime",
              "procedure DecodeTime(Time: TDateTime; var Hour, Min, Sec, MSec: Word)", "function Date: TDateTime",
              "function Time: TDateTime", "function Now: TDateTime", "function DayOfWeek(aDate: TDateTime): Integer",
              "function IsLeapYear(Year: Word): Boolean", "function DaysInMonth(nYear, nMonth: Integer): Integer"},
             &TscSysFunctions::CallDate);
    AddGroup("ctString",
             {"function Length(s: Variant): Integer", "function Copy(s: String; from, count: Integer): String",
              "function Pos(substr, s: String): Integer", "procedure Delete(var s: String; from, count: Integer)",
              "procedure DeleteStr(var s: String; from, count: Integer)",
              "procedure Insert(s: String; var s2: String; pos: Integer)", "function Uppercase(s: String): String",
              "function Lowercase(s: String): String", "function Trim(s: String): String",
              "function NameCase(s: String): String", "function CompareText(s, s1: String): Integer",
              "function Chr(i: Integer): Char", "function Ord(ch: Char): Integer",
              "procedure SetLength(var S: Variant; L: Integer)"},
             &TscSysFunctions::CallString);
    AddGroup("ctMath",
             {"function Round(e: Extended): Integer", "function Trunc(e: Extended): Integer",
              "function Int(e: Extended): Integer", "function Frac(X: Extended): Extended",
              "function Sqrt(e: Extended): Extended", "function Abs(e: Extended): Extended",
              "function Sin(e: Extended): Extended", "function Cos(e: Extended): Extended",
              "function ArcTan(X: Extended): Extended", "function Tan(X: Extended): Extended",
              "function Exp(X: Extended): Extended", "function Ln(X: Extended): Extended", "function Pi: Extended"},
             &TscSysFunctions::CallMath);
    AddGroup("ctOther",
             {"procedure Inc(var i: Integer; incr: Integer = 1)", "procedure Dec(var i: Integer; decr: Integer = 1)",
              "procedure RaiseException(Param: String)", "procedure ShowMessage(Msg: Variant)", "procedure Randomize",
              "function Random: Extended", "function ValidInt(cInt: String): Boolean",
              "function ValidFloat(cFlt: String): Boolean", "function ValidDate(cDate: String): Boolean",
              "function ExtractFilePath(const FileName: string): string;",
              "function CreateOleObject(ClassName: String): Variant",
              "function VarArrayCreate(Bounds: Array; Typ: Integer): Variant", "function VarType(V: Variant): Integer"},
             &TscSysFunctions::CallOther);
    for (const VarTypeConstant& constant : kVarTypeConstants) script.AddConst(constant.name, "Integer", Variant(constant.code));
}
