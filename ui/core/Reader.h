#pragma once
// Reads form data back into components: existing components of the root are
// found by name and updated, others are made from the class registry; names
// of referenced components are resolved once everything is read, and every
// read component then gets Loaded.

#include "ui/core/Filer.h"

#include <functional>
#include <string>
#include <vector>

class TCollection;
class TCollectionItem;
class TObject;
class TPersistent;
class TPropInfo;
class Variant;

class TReader : public TFiler {
public:
    explicit TReader(TStream& stream) : TFiler(stream) {}

    // Raises EReadError "Invalid stream format" without the signature.
    // With `root` nullptr the stored class is made (the caller owns it).
    TComponent* ReadRootComponent(TComponent* root);
    // Properties and children of a component (its ReadState calls this).
    void ReadData(TComponent* component);

    // Value routines for defined properties; a value of another kind raises
    // EReadError "Invalid property value".
    TValueType NextValue();
    std::int64_t ReadInteger();
    bool ReadBoolean();
    double ReadFloat();
    std::string ReadString();
    std::string ReadIdent();
    void ReadListBegin();
    void ReadListEnd();
    bool EndOfList();
    // `makeItem`, when given, reads an item's leading properties and adds
    // the item (items of different classes); otherwise Add makes it. An
    // index written before an item is skipped.
    void ReadCollection(TCollection& collection, const std::function<TCollectionItem*(TReader&)>& makeItem = nullptr);
    // The name of the next property.
    std::string ReadPropName();

    void DefineProperty(const std::string& name, const TReaderProc& read, const TWriterProc& write,
                        bool hasData) override;
    void DefineBinaryProperty(const std::string& name, const TStreamProc& read, const TStreamProc& write,
                              bool hasData) override;
    // One property of an object, as a collection item's are read.
    void ReadProperty(TPersistent& instance);

private:
    struct Fixup {
        TObject* instance;
        const TPropInfo* property;
        std::string name;
    };

    TComponent* ReadComponent(TComponent* parent);
    void ReadPropValue(TPersistent& instance, const TPropInfo& property);
    Variant ReadVariant();
    void ResolveFixups();
    TValueType ReadValue();
    std::string ReadShortString();
    std::uint32_t ReadLength();
    void ReadBytes(void* data, std::size_t count);
    [[noreturn]] void InvalidValue() const;

    std::vector<Fixup> fixups_;
    std::vector<TComponent*> loaded_;
    std::string pendingName_;   // a defined property being looked for
    bool pendingFound_ = false;
};
