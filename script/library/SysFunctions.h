#pragma once
// The system library every script gets first: the built-in type names,
// True/False/nil/Null, the string and array element members, the variables
// a try statement fills, the variant type codes and the routines for
// conversion, formatting, dates, strings, maths and the rest.

#include "script/bindings/RTTIModule.h"
#include "ui/variant/Variant.h"

#include <string>

class TscMethodHelper;
class TClassInfo;

class TscSysFunctions : public TscRTTIModule {
public:
    explicit TscSysFunctions(TscScript& script);

private:
    Variant CallConversion(const std::string& name, TscMethodHelper& method);
    Variant CallFormat(const std::string& name, TscMethodHelper& method);
    Variant CallDate(const std::string& name, TscMethodHelper& method);
    Variant CallString(const std::string& name, TscMethodHelper& method);
    Variant CallMath(const std::string& name, TscMethodHelper& method);
    Variant CallOther(const std::string& name, TscMethodHelper& method);
    void AddGroup(const char* category, std::initializer_list<const char*> declarations,
                  Variant (TscSysFunctions::*handler)(const std::string&, TscMethodHelper&));
};

// Format with script values: %d %u %x %e %f %g %n %m %s with width, precision
// and "-", "*" taken from the arguments, "%%"; the texts of the program's
// locale (decimal comma). Raises EConvertError for a bad format or argument.
std::string FormatVariants(const std::string& format, const std::vector<Variant>& arguments);
