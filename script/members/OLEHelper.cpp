#include "script/members/OLEHelper.h"

#include "script/members/MethodHelper.h"
#include "ui/core/Exceptions.h"

#include <cstdio>
#include <utility>

namespace {

std::string CodeText(std::int32_t code) {
    switch (code) {
    case kDispatchUnknownName: return "Unknown name.";
    case kDispatchBadParamCount: return "Invalid number of parameters.";
    case kDispatchMemberNotFound: return "Member not found.";
    default: return "Unspecified error.";
    }
}

IScriptDispatch& DispatchOf(const Variant& parent, const std::string& member) {
    auto* target = dynamic_cast<IScriptDispatch*>(VariantToObject(parent));
    if (!target) throw Exception(OLEErrorText(kDispatchMemberNotFound, member, {}));
    return *target;
}

}  // namespace

std::string OLEErrorText(std::int32_t code, const std::string& member, const TDispatchException& error) {
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08X", static_cast<unsigned>(code));
    std::string text = "OLE error " + std::string(hex) + ": " + member + ": " + CodeText(code);
    if (!error.Source.empty()) text += "\r\nSource        ::  " + error.Source;
    if (!error.Description.empty()) text += "\r\nDescription ::  " + error.Description;
    if (!error.HelpFile.empty()) text += "\r\nHelp File     ::  " + error.HelpFile;
    return text;
}

TscOLEHelper::TscOLEHelper(std::string name) : TscCustomHelper(std::move(name), "Variant", fvtVariant) {}

Variant TscOLEHelper::GetValue() {
    std::vector<Variant> args;
    for (int i = 0; i < ParamCount(); ++i) args.push_back(GetParam(i)->GetValue());
    return Invoke(args, TDispatchKind::Method);
}

void TscOLEHelper::SetValue(const Variant& value) {
    std::vector<Variant> args;
    for (int i = 0; i < ParamCount(); ++i) args.push_back(GetParam(i)->GetValue());
    args.push_back(value);
    Invoke(args, TDispatchKind::PropertyPut);
}

Variant TscOLEHelper::Invoke(const std::vector<Variant>& args, TDispatchKind kind) {
    // The argument block is fixed in size: more arguments are refused, never written past it.
    if (static_cast<int>(args.size()) > kMaxDispatchArgs)
        throw Exception(OLEErrorText(kDispatchBadParamCount, Name(), {}) + " (" + std::to_string(args.size()) +
                        " > " + std::to_string(kMaxDispatchArgs) + ")");
    IScriptDispatch& target = DispatchOf(ParentValue, Name());
    std::int32_t dispId = 0;
    std::int32_t code = target.GetIDsOfNames(Name(), dispId);
    if (code != kDispatchOk) throw Exception(OLEErrorText(code, Name(), {}));
    TDispatchParams params;
    params.Args.assign(args.rbegin(), args.rend());
    if (kind == TDispatchKind::PropertyPut) params.NamedArgs.push_back(kDispIdPropertyPut);
    const bool wantsResult = NeedResult && kind != TDispatchKind::PropertyPut;
    Variant result = Variant::Null();
    TDispatchException error;
    code = target.Invoke(dispId, wantsResult ? TDispatchKind::MethodOrGet : kind, params, wantsResult ? &result : nullptr, error);
    if (code != kDispatchOk) throw Exception(OLEErrorText(code, Name(), error));
    return result;
}
