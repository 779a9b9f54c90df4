#include "report/variables/ReportValue.h"

#include "ui/core/NumberConversion.h"

std::string ValueText(const TrpValue& value) {
    struct Visitor {
        std::string operator()(std::monostate) const { return {}; }
        std::string operator()(bool b) const { return b ? "True" : "False"; }
        std::string operator()(std::int64_t i) const { return std::to_string(i); }
        std::string operator()(double d) const { return FloatToStr(d); }
        std::string operator()(const std::string& s) const { return s; }
    };
    return std::visit(Visitor{}, value);
}
