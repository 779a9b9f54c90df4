#pragma once
// Writes components and their published and defined properties as form data.

#include "ui/core/Filer.h"

#include <functional>
#include <string>
#include <string_view>

class TCollection;
class TCollectionItem;
class TPersistent;
class TPropInfo;
class Variant;

class TWriter : public TFiler {
public:
    explicit TWriter(TStream& stream) : TFiler(stream) {}

    // The signature, then the root with its children.
    void WriteRootComponent(TComponent* root);
    void WriteComponent(TComponent* component);
    // Properties and children of a component (its WriteState calls this).
    void WriteData(TComponent* component);

    // Value routines for defined properties.
    void WriteInteger(std::int64_t value);
    void WriteBoolean(bool value);
    void WriteFloat(double value);
    void WriteString(std::string_view value);
    void WriteIdent(std::string_view value);
    void WriteListBegin();
    void WriteListEnd();
    // `itemHeader`, when given, writes leading properties of each item (such
    // as the class of items of different classes).
    void WriteCollection(const TCollection& collection,
                         const std::function<void(TWriter&, const TCollectionItem&)>& itemHeader = nullptr);

    void DefineProperty(const std::string& name, const TReaderProc& read, const TWriterProc& write,
                        bool hasData) override;
    void DefineBinaryProperty(const std::string& name, const TStreamProc& read, const TStreamProc& write,
                              bool hasData) override;
    // The published and defined properties of an object, as a collection item's are;
    // changeable, as its parts and defined properties are reached through it.
    void WriteProperties(TPersistent& instance);

private:
    void WriteProperty(TPersistent& instance, const TPropInfo& property);
    // Null as nil, then by kind: boolean, integer, real (dates and currency
    // too) or text.
    void WriteVariant(const Variant& value, std::string_view propName);
    void WritePropName(std::string_view name);
    void WriteValue(TValueType type);
    void WriteShortString(std::string_view text);
    void WriteBytes(const void* data, std::size_t count);
    std::string ReferenceName(const TComponent& component) const;

    std::string prefix_;  // dotted path of the sub-object being written
};
