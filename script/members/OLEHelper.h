#pragma once
// Automation members: a name after an automation object is resolved when the
// script runs, through the object's dispatch interface. This platform has no
// automation service; any object of ours that implements IScriptDispatch can
// be called this way.

#include "script/members/CustomHelper.h"

#include <cstdint>
#include <string>
#include <vector>

enum class TDispatchKind : int { Method = 1, PropertyGet = 2, MethodOrGet = 3, PropertyPut = 4 };

// The id that names the value argument of a property write.
constexpr std::int32_t kDispIdPropertyPut = -3;
constexpr std::int32_t kDispatchOk = 0;
constexpr std::int32_t kDispatchUnknownName = static_cast<std::int32_t>(0x80020006u);
constexpr std::int32_t kDispatchBadParamCount = static_cast<std::int32_t>(0x8002000Eu);
constexpr std::int32_t kDispatchMemberNotFound = static_cast<std::int32_t>(0x80020003u);
// The argument block holds at most this many values.
constexpr int kMaxDispatchArgs = 64;

struct TDispatchParams {
    // Last argument first.
    std::vector<Variant> Args;
    // kDispIdPropertyPut for a property write, whose value is Args[0].
    std::vector<std::int32_t> NamedArgs;
};

struct TDispatchException {
    std::string Source;
    std::string Description;
    std::string HelpFile;
};

class IScriptDispatch {
public:
    virtual ~IScriptDispatch() = default;
    // kDispatchOk and the member's id, or a failure code.
    virtual std::int32_t GetIDsOfNames(const std::string& name, std::int32_t& dispId) = 0;
    // `result` is null when the caller wants none; a failure code may fill `error`.
    virtual std::int32_t Invoke(std::int32_t dispId, TDispatchKind kind, const TDispatchParams& params, Variant* result,
                                TDispatchException& error) = 0;
};

class TscOLEHelper : public TscCustomHelper {
public:
    explicit TscOLEHelper(std::string name);

    // Calls the member (a method or a property read) with the parameters' values.
    Variant GetValue() override;
    // Writes the member as a property, the parameters' values as its indexes.
    void SetValue(const Variant& value) override;

private:
    Variant Invoke(const std::vector<Variant>& args, TDispatchKind kind);
};

// "OLE error XXXXXXXX: member: text" with the source, description and help
// file of the failure when it gave them.
std::string OLEErrorText(std::int32_t code, const std::string& member, const TDispatchException& error);
