#pragma once
// Report objects to and from the report XML form, through the published
// properties the objects declare: only what differs from a default (or from
// an ancestor object) is written, references between objects are stored by
// name and resolved after reading, and errors are collected rather than
// stopping the read.
//
// Attribute text: floats with the program's decimal comma (read back with a
// comma or a point), enumerations by name, sets and colours as integers,
// sub-objects as dotted names ("Font.Name"), string lists as "<prop>.Text",
// memo texts as "Text" in UTF-8, and the defined properties of an object as
// "PropData", the hexadecimal bytes of their form data.

#include "report/xml/XmlItem.h"
#include "ui/core/StringList.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TComponent;
class TPersistent;
class TPropInfo;
class TStream;
class TrpComponent;

class TrpXMLSerializer {
public:
    struct Fixup {
        TPersistent* object;
        const TPropInfo* property;
        std::string value;
    };

    // The stream of the whole-tree operations (may be none).
    explicit TrpXMLSerializer(TStream* stream);

    // The attribute text of an object; starts with a blank when not empty.
    std::string PropertiesText(TPersistent& object, const std::string& prefix, TPersistent* ancestor);
    // Sets the object's properties from attribute text; each failing
    // attribute adds its message to Errors and the rest still apply.
    void ApplyPropertiesText(std::string_view text, TPersistent& object);

    // With no item a new indented document is written to the stream.
    void WriteRootComponent(TrpComponent& root, bool saveChildren, TrpXMLItem* item = nullptr,
                            bool alwaysClassNames = false);
    // Sets the root and makes or updates its descendants; with no item the
    // tree is read from the stream (a damaged text raises
    // TrpInvalidXMLException, having made nothing).
    void ReadRootComponent(TrpComponent& root, TrpXMLItem* item = nullptr);
    // One self-closing element straight to the stream.
    void WriteComponent(TrpComponent& object);
    // An object made from a class name, a blank and attribute text; none for an empty text.
    TrpComponent* ReadComponentStr(TComponent* owner, std::string_view text, bool dontFixup);
    void ReadPersistentStr(TComponent* owner, TPersistent& object, std::string_view text);
    // Resolves and empties Fixups.
    void FixupReferences();
    std::string ClassNameAndXML(TPersistent& object);

    TStringList Errors;
    std::vector<Fixup> Fixups;
    TComponent* Owner = nullptr;
    bool LegacyEncoding = true;
    bool WriteDefaults = false;
    // Asked for the object to compare with when none is given.
    std::function<void(const std::string& name, TPersistent*& ancestor)> OnGetAncestor;

private:
    std::string PropertyText(TPersistent& object, const TPropInfo& property, const std::string& prefix,
                             TPersistent* ancestor);
    std::string DefinedPropertiesText(TPersistent& object, const std::string& prefix, TPersistent* ancestor);
    void ApplyAttribute(TPersistent& object, std::string_view name, std::string_view value);
    void ReadElement(TrpXMLItem& item, TrpComponent* parent, bool first, TrpComponent& root,
                     std::vector<TrpComponent*>& read);
    void AddError(const std::string& message) { Errors.Add(message); }

    TStream* stream_;
};
