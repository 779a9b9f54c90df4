// Any bytes as a report in its XML form: reading stays inside the input,
// errors are exceptions of the library or collected texts, and what a read
// made is written and read again to the same text.
#include "report/objects/ReportClasses.h"
#include "report/objects/Report.h"
#include "report/xml/XmlDocument.h"
#include "ui/core/MemoryStream.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

std::string Saved(TrpReport& report) {
    TMemoryStream out;
    report.SaveToStream(out);
    return std::string(out.Bytes());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool registered = (RegisterReportClasses(), true);
    (void)registered;
    std::string bytes(reinterpret_cast<const char*>(data), size);

    TrpXMLDocument partial;
    try {
        partial.LoadPartially(std::make_unique<TStringStream>(bytes));
        TMemoryStream out;
        partial.SaveToStream(out);
    } catch (const Exception&) {
    }

    TrpReport report(nullptr);
    try {
        TStringStream in(bytes);
        report.LoadFromStream(in);
    } catch (const Exception&) {
        return 0;
    }
    std::string first = Saved(report);
    TrpReport again(nullptr);
    TStringStream in(first);
    again.LoadFromStream(in);  // our own output never raises
    if (Saved(again) != first) std::abort();
    return 0;
}
