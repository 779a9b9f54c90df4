#include "report/resources/Resources.h"

#include "report/text/Utf16Text.h"
#include "report/utils/ProgramFiles.h"
#include "report/xml/XmlDocument.h"
#include "report/xml/XmlText.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/NumberConversion.h"
#include "ui/core/ResourceStream.h"
#include "ui/core/TextCase.h"
#include "ui/graphics/ImageList.h"

#include <algorithm>
#include <filesystem>

void RegisterReportResources();  // generated from resources/report/

namespace {

constexpr char kHiddenMark = '!';
constexpr std::string_view kLanguageExtension = ".rlc";

constexpr std::string_view kScriptMessages[] = {
    "SLangNotFound",   "SInvalidLanguage", "SIdRedeclared", "SUnknownType",     "SIncompatibleTypes", "SIdUndeclared",
    "SClassRequired",  "SIndexRequired",   "SStringError",  "SClassError",      "SArrayRequired",     "SVarRequired",
    "SNotEnoughParams", "STooManyParams",  "SLeftCantAssigned", "SForError",    "SEventError",
};

struct HelpTopic {
    std::string_view className;
    std::string_view topic;
};
constexpr HelpTopic kHelpTopics[] = {
    {"TrpDesignerForm", "Designer.htm"},
    {"TrpOptionsEditor", "Designer_options.htm"},
    {"TrpReportEditorForm", "Report_options.htm"},
    {"TrpPageEditorForm", "Page_options.htm"},
    {"TrpCrossEditorForm", "Cross_tab_reports.htm"},
    {"TrpChartEditorForm", "Diagrams.htm"},
    {"TrpSyntaxMemo", "Script.htm"},
    {"TrpDialogPage", "Dialogue_forms.htm"},
    {"TrpDialogComponent", "Data_access_components.htm"},
    {"TrpVarEditorForm", "Variables.htm"},
    {"TrpHighlightEditorForm", "Conditional_highlighting.htm"},
    {"TrpSysMemoEditorForm", "Inserting_aggregate_function.htm"},
    {"TrpFormatEditorForm", "Values_formatting.htm"},
    {"TrpGroupEditorForm", "Report_with_groups.htm"},
    {"TrpPictureEditorForm", "Picture_object.htm"},
    {"TrpMemoEditorForm", "Text_object.htm"},
    {"TrpSQLEditorForm", "TrpADOQuery.htm"},
};

}  // namespace

bool TrpResources::NoCase::operator()(const std::string& a, const std::string& b) const {
    return AnsiCompareText(a, b) < 0;
}

TrpResources::TrpResources() { UpdateLanguageList(); }

TrpResources::~TrpResources() = default;

std::string TrpResources::Get(std::string_view name) const {
    auto found = names_.find(std::string(name));
    if (found == names_.end()) return std::string(name);
    std::string text = Utf16ToUtf8(values_.Get(found->second));
    if (!text.empty() && text[0] == kHiddenMark) text.erase(0, 1);
    return text;
}

void TrpResources::Add(const std::string& name, std::u16string_view text) {
    auto found = names_.find(name);
    if (found != names_.end()) {
        values_.Put(found->second, text);
        return;
    }
    names_.emplace(name, values_.Add(text));
}

void TrpResources::LoadFromString(const std::string& xml) {
    TStringStream stream(xml);
    LoadFromStream(stream);
}

void TrpResources::LoadFromStream(TStream& stream) {
    TrpXMLDocument doc;
    doc.LoadFromStream(stream);
    TrpXMLItem& root = doc.Root();
    if (root.Name == "Resources") {
        codePage_ = static_cast<std::uint32_t>(StrToInt(root.Prop("CodePage")));
        for (int i = 0; i < root.Count(); ++i) {
            TrpXMLItem& item = *root.Items(i);
            if (item.Name != "StrRes") continue;
            // The attribute reader resolves one level of references; the
            // table's texts carry a second.
            Add(item.Prop("Name"), Utf8ToUtf16(UnescapeAttrText(item.Prop("Text"))));
        }
    }
    RefreshScriptMessages();
}

void TrpResources::RefreshScriptMessages() const {
    if (!scriptMessages_) return;
    for (auto name : kScriptMessages) scriptMessages_(name, Get(name));
}

void TrpResources::UpdateLanguageList() {
    languages_.Clear();
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(rpProgramFolder(), error)) {
        std::string file = entry.path().filename().string();
        if (file.size() <= kLanguageExtension.size() || !AnsiSameText(entry.path().extension().string(), kLanguageExtension))
            continue;
        std::string name = AnsiLowerCase(file.substr(0, file.size() - kLanguageExtension.size()));
        // The first letter upper-cased, whatever its length in bytes.
        std::size_t firstLength = 1;
        while (firstLength < name.size() && (static_cast<unsigned char>(name[firstLength]) & 0xC0) == 0x80)
            ++firstLength;
        languages_.Add(AnsiUpperCase(name.substr(0, firstLength)) + name.substr(firstLength));
    }
    languages_.SetSorted(true);
}

std::string TrpResources::HelpTarget(std::string_view formClassName) const {
    std::string suffix;
    for (const auto& entry : kHelpTopics)
        if (AnsiSameText(entry.className, formClassName)) suffix = "::/" + std::string(entry.topic);
    return rpProgramFolder() + helpFile_ + suffix;
}

TrpResources& rpResourceManager() {
    static TrpResources instance;
    static const bool builtInTableLoaded = [] {
        RegisterReportResources();
        TResourceStream table("StringTable", RT_RCDATA);
        instance.LoadFromStream(table);
        return true;
    }();
    (void)builtInTableLoaded;
    return instance;
}

std::string rpTextById(int id) { return rpResourceManager().Get(std::to_string(id)); }
