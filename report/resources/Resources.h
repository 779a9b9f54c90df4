#pragma once
// The report engine's resource manager: its visible texts by name or number
// from the built-in English string table (an embedded XML text), the list
// of language files beside the program, and help, which opens nothing on
// this platform (there is no help viewer; a request is answered by
// nothing, quietly).

#include "report/text/WideStrings.h"
#include "ui/core/StringList.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

class TBitmap;
class TCustomImageList;
class TStream;

class TrpResources {
public:
    TrpResources();
    ~TrpResources();
    TrpResources(const TrpResources&) = delete;
    TrpResources& operator=(const TrpResources&) = delete;

    // The text (UTF-8) of a name, without a leading '!'; the name itself
    // when the table has no such name (compared without regard to case).
    std::string Get(std::string_view name) const;
    // A name present gets its text replaced in place.
    void Add(const std::string& name, std::u16string_view text);
    void LoadFromString(const std::string& xml);
    // A root other than "Resources" adds nothing. The script engine's
    // messages are refreshed either way. Raises TrpInvalidXMLException for a
    // damaged text and EConvertError for a CodePage that is no number.
    void LoadFromStream(TStream& stream);

    // The preview window's button pictures (16 x 16), drawn on first use.
    TCustomImageList& PreviewIcons();
    // The bitmap cut into 16 x 16 pictures and added, after emptying the list when asked.
    void LoadPreviewIcons(TBitmap& bitmap, bool clearFirst);
    // The designer's object pictures (16 x 16), cut on first use from the
    // bitmap resource "ObjectButtons"; the program embeds none, so the first
    // request raises EResNotFound unless LoadObjectIcons filled the list.
    TCustomImageList& ObjectIcons();
    void LoadObjectIcons(TBitmap& bitmap, bool clearFirst);

    // Files "*.rlc" beside the program, as "Russian" for "RUSSIAN.rlc", sorted.
    void UpdateLanguageList();
    const TStringList& Languages() const { return languages_; }
    int Count() const { return values_.Count(); }
    std::uint32_t CodePage() const { return codePage_; }
    const std::string& HelpFile() const { return helpFile_; }

    // What a help request for a window of the class would open: the help
    // file beside the program and, for the classes of the topic table,
    // "::/" and the topic.
    std::string HelpTarget(std::string_view formClassName) const;
    // No help viewer exists here: nothing opens.
    void Help(std::string_view /*formClassName*/) const {}

    // Told each script-engine message (name, text) whenever a table loads;
    // the script engine connects it at start-up.
    using ScriptMessageSink = std::function<void(std::string_view name, const std::string& text)>;
    void SetScriptMessageSink(ScriptMessageSink sink) { scriptMessages_ = std::move(sink); }

private:
    struct NoCase {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    void RefreshScriptMessages() const;
    // The list of the preview's pictures, made empty on first use.
    TCustomImageList& PreviewList();
    TCustomImageList& ObjectList();

    std::map<std::string, int, NoCase> names_;
    TWideStrings values_;
    TStringList languages_;
    std::string helpFile_ = "DAZedu.zer";
    std::uint32_t codePage_ = 0;
    ScriptMessageSink scriptMessages_;
    std::unique_ptr<TCustomImageList> previewIcons_;
    std::unique_ptr<TCustomImageList> objectIcons_;
};

// The one instance, made on first use with the built-in table loaded.
TrpResources& rpResourceManager();
std::string rpTextById(int id);

// A gzip member (header with an optional file name) unpacked into `dest`;
// the file name it carried. EReadError for data that is no gzip member or
// does not inflate.
std::string rpGunzip(TStream& source, TStream& dest);
