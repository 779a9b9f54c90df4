#include "ui/core/Reader.h"

#include "ui/core/Collection.h"
#include "ui/core/Component.h"
#include "ui/core/Exceptions.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/ScopeGuards.h"
#include "ui/core/TextCase.h"
#include "ui/core/TypeInfo.h"
#include "ui/variant/Variant.h"

#include <cstring>

namespace {

template <class T>
T GetLittleEndian(const unsigned char* in) {
    std::make_unsigned_t<T> bits = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) bits |= static_cast<std::make_unsigned_t<T>>(in[i]) << (8 * i);
    return static_cast<T>(bits);
}

}  // namespace

TComponent* TReader::ReadRootComponent(TComponent* root) {
    char signature[4];
    if (stream_.Read(signature, 4) != 4 || std::memcmp(signature, kFormDataSignature, 4) != 0)
        throw EReadError("Invalid stream format");
    std::string className = ReadShortString();
    std::string name = ReadShortString();
    bool made = false;
    if (!root) {
        TPersistent* object = FindClass(className).Create(nullptr);
        root = dynamic_cast<TComponent*>(object);
        if (!root) {
            delete object;
            throw EReadError("Class " + className + " is not a component");
        }
        made = true;
    }
    // A failed read leaves no component marked as being read, and no root of its own making.
    ScopeExit undoOnFailure([&] {
        for (TComponent* c : loaded_) {
            c->SetComponentStateItem(TComponentStateItem::csReading, false);
            c->SetComponentStateItem(TComponentStateItem::csLoading, false);
        }
        if (made) delete root;
    });
    root_ = root;
    if (root->Name().empty() && !name.empty()) root->SetName(name);
    root->SetComponentStateItem(TComponentStateItem::csLoading, true);
    root->SetComponentStateItem(TComponentStateItem::csReading, true);
    loaded_.push_back(root);
    root->ReadState(*this);
    ResolveFixups();
    for (TComponent* c : loaded_) c->SetComponentStateItem(TComponentStateItem::csReading, false);
    for (TComponent* c : loaded_) c->Loaded();
    undoOnFailure.Dismiss();
    return root;
}

void TReader::ReadData(TComponent* component) {
    while (!EndOfList()) ReadProperty(*component);
    ReadListEnd();
    TComponent* parent = component->GetChildParent();
    while (!EndOfList()) ReadComponent(parent);
    ReadListEnd();
}

TComponent* TReader::ReadComponent(TComponent* parent) {
    std::string className = ReadShortString();
    std::string name = ReadShortString();
    TComponent* component = root_->FindComponent(name);
    if (component && !AnsiSameText(component->ClassName(), className))
        throw EReadError("Component " + name + " is a " + component->ClassName() + ", not a " + className);
    if (!component) {
        TPersistent* object = FindClass(className).Create(root_);
        component = dynamic_cast<TComponent*>(object);
        if (!component) {
            delete object;
            throw EReadError("Class " + className + " is not a component");
        }
        component->SetName(name);
    }
    component->SetComponentStateItem(TComponentStateItem::csLoading, true);
    component->SetComponentStateItem(TComponentStateItem::csReading, true);
    loaded_.push_back(component);
    if (component->HasParent() && parent) component->SetParentComponent(parent);
    component->ReadState(*this);
    return component;
}

void TReader::ReadProperty(TPersistent& instance) {
    std::string path = ReadShortString();
    TPersistent* target = &instance;
    std::string_view rest = path;
    for (std::size_t dot; (dot = rest.find('.')) != std::string_view::npos; rest.remove_prefix(dot + 1)) {
        const TPropInfo* p = target->ClassType().FindProperty(rest.substr(0, dot));
        auto* next = p && p->Kind == TTypeKind::tkClass ? dynamic_cast<TPersistent*>(p->GetObject(*target)) : nullptr;
        if (!next) throw EReadError("Property " + path + " does not exist");
        target = next;
    }
    if (const TPropInfo* p = target->ClassType().FindProperty(rest)) {
        ReadPropValue(*target, *p);
        return;
    }
    pendingName_ = std::string(rest);
    pendingFound_ = false;
    target->DefineProperties(*this);
    bool found = pendingFound_;
    pendingName_.clear();
    if (!found) throw EReadError("Property " + path + " does not exist");
}

void TReader::ReadPropValue(TPersistent& instance, const TPropInfo& p) {
    switch (p.Kind) {
        case TTypeKind::tkInteger:
        case TTypeKind::tkChar:
        case TTypeKind::tkInt64:
            if (!p.SetOrd) InvalidValue();
            p.SetOrd(instance, ReadInteger());
            return;
        case TTypeKind::tkEnumeration: {
            if (!p.SetOrd) InvalidValue();
            TValueType type = NextValue();
            std::int64_t value;
            if (type == TValueType::vaFalse || type == TValueType::vaTrue) {
                value = ReadBoolean() ? 1 : 0;
            } else {
                value = p.EnumType->Value(ReadIdent());
                if (value < 0) InvalidValue();
            }
            p.SetOrd(instance, value);
            return;
        }
        case TTypeKind::tkSet: {
            if (!p.SetOrd || ReadValue() != TValueType::vaSet) InvalidValue();
            std::uint32_t mask = 0;
            for (std::string name = ReadShortString(); !name.empty(); name = ReadShortString()) {
                int value = p.EnumType->Value(name);
                if (value < 0 || value >= 32) InvalidValue();
                mask |= 1u << value;
            }
            p.SetOrd(instance, mask);
            return;
        }
        case TTypeKind::tkFloat:
            if (!p.SetFloat) InvalidValue();
            p.SetFloat(instance, ReadFloat());
            return;
        case TTypeKind::tkString:
            if (!p.SetStr) InvalidValue();
            p.SetStr(instance, ReadString());
            return;
        case TTypeKind::tkClass: {
            TValueType type = NextValue();
            if (type == TValueType::vaCollection) {
                auto* collection = dynamic_cast<TCollection*>(p.GetObject(instance));
                if (!collection) InvalidValue();
                ReadCollection(*collection);
            } else if (type == TValueType::vaNil) {
                ReadValue();
                if (!p.SetObject) InvalidValue();
                p.SetObject(instance, nullptr);
            } else if (type == TValueType::vaIdent) {
                if (!p.SetObject) InvalidValue();
                fixups_.push_back({&instance, &p, ReadIdent()});
            } else {
                InvalidValue();
            }
            return;
        }
        case TTypeKind::tkMethod:
            // Handlers are hooked up by the program; a stream never names one.
            InvalidValue();
        case TTypeKind::tkVariant:
            if (!p.SetVariant) InvalidValue();
            p.SetVariant(instance, ReadVariant());
            return;
    }
}

Variant TReader::ReadVariant() {
    switch (NextValue()) {
        case TValueType::vaNil: ReadValue(); return Variant::Null();
        case TValueType::vaFalse:
        case TValueType::vaTrue: return Variant(ReadBoolean());
        case TValueType::vaInt8:
        case TValueType::vaInt16:
        case TValueType::vaInt32:
        case TValueType::vaInt64: {
            std::int64_t value = ReadInteger();
            return value == static_cast<std::int32_t>(value) ? Variant(static_cast<std::int32_t>(value)) : Variant(value);
        }
        case TValueType::vaDouble: return Variant(ReadFloat());
        case TValueType::vaString:
        case TValueType::vaLString: return Variant(ReadString());
        default: InvalidValue();
    }
}

void TReader::ResolveFixups() {
    for (const Fixup& f : fixups_) {
        TComponent* found = nullptr;
        std::string_view name = f.name;
        std::size_t dot = name.find('.');
        if (dot == std::string_view::npos) {
            found = AnsiSameText(root_->Name(), name) ? root_ : root_->FindComponent(name);
        } else if (TComponent* owner = AnsiSameText(root_->Name(), name.substr(0, dot))
                                           ? root_
                                           : root_->FindComponent(name.substr(0, dot))) {
            found = owner->FindComponent(name.substr(dot + 1));
        }
        // A name that no component has leaves the property as it was.
        if (found && found->InheritsFrom(f.property->PropClass())) f.property->SetObject(*f.instance, found);
    }
    fixups_.clear();
}

void TReader::ReadCollection(TCollection& collection,
                             const std::function<TCollectionItem*(TReader&)>& makeItem) {
    if (ReadValue() != TValueType::vaCollection) InvalidValue();
    UpdateScope update(collection);
    collection.Clear();
    while (!EndOfList()) {
        TValueType next = NextValue();
        if (next == TValueType::vaInt8 || next == TValueType::vaInt16 || next == TValueType::vaInt32) ReadInteger();
        ReadListBegin();
        TCollectionItem* item = makeItem ? makeItem(*this) : collection.Add();
        while (!EndOfList()) ReadProperty(*item);
        ReadListEnd();
    }
    ReadListEnd();
}

std::string TReader::ReadPropName() { return ReadShortString(); }

void TReader::DefineProperty(const std::string& name, const TReaderProc& read, const TWriterProc&, bool) {
    if (pendingFound_ || pendingName_.empty() || !read || !AnsiSameText(name, pendingName_)) return;
    pendingFound_ = true;
    read(*this);
}

void TReader::DefineBinaryProperty(const std::string& name, const TStreamProc& read, const TStreamProc&, bool) {
    if (pendingFound_ || pendingName_.empty() || !read || !AnsiSameText(name, pendingName_)) return;
    pendingFound_ = true;
    if (ReadValue() != TValueType::vaBinary) InvalidValue();
    std::uint32_t length = ReadLength();
    TMemoryStream bytes;
    bytes.SetSize(length);
    ReadBytes(bytes.Memory(), length);
    bytes.SetPosition(0);
    read(bytes);
}

TValueType TReader::NextValue() {
    TValueType type = ReadValue();
    stream_.Seek(-1, TSeekOrigin::soCurrent);
    return type;
}

std::int64_t TReader::ReadInteger() {
    unsigned char bytes[8];
    switch (ReadValue()) {
        case TValueType::vaInt8: ReadBytes(bytes, 1); return GetLittleEndian<std::int8_t>(bytes);
        case TValueType::vaInt16: ReadBytes(bytes, 2); return GetLittleEndian<std::int16_t>(bytes);
        case TValueType::vaInt32: ReadBytes(bytes, 4); return GetLittleEndian<std::int32_t>(bytes);
        case TValueType::vaInt64: ReadBytes(bytes, 8); return GetLittleEndian<std::int64_t>(bytes);
        default: InvalidValue();
    }
}

bool TReader::ReadBoolean() {
    TValueType type = ReadValue();
    if (type != TValueType::vaFalse && type != TValueType::vaTrue) InvalidValue();
    return type == TValueType::vaTrue;
}

double TReader::ReadFloat() {
    TValueType type = NextValue();
    if (type != TValueType::vaDouble) return static_cast<double>(ReadInteger());
    ReadValue();
    unsigned char bytes[8];
    ReadBytes(bytes, 8);
    std::uint64_t bits = GetLittleEndian<std::uint64_t>(bytes);
    double value;
    std::memcpy(&value, &bits, 8);
    return value;
}

std::string TReader::ReadString() {
    TValueType type = ReadValue();
    if (type == TValueType::vaString) return ReadShortString();
    if (type != TValueType::vaLString) InvalidValue();
    std::string text(ReadLength(), '\0');
    ReadBytes(text.data(), text.size());
    return text;
}

std::string TReader::ReadIdent() {
    if (ReadValue() != TValueType::vaIdent) InvalidValue();
    return ReadShortString();
}

void TReader::ReadListBegin() {
    if (ReadValue() != TValueType::vaList) InvalidValue();
}

void TReader::ReadListEnd() {
    if (ReadValue() != TValueType::vaNull) InvalidValue();
}

bool TReader::EndOfList() { return NextValue() == TValueType::vaNull; }

TValueType TReader::ReadValue() {
    unsigned char byte;
    ReadBytes(&byte, 1);
    return static_cast<TValueType>(byte);
}

std::string TReader::ReadShortString() {
    unsigned char length;
    ReadBytes(&length, 1);
    std::string text(length, '\0');
    ReadBytes(text.data(), length);
    return text;
}

std::uint32_t TReader::ReadLength() {
    unsigned char bytes[4];
    ReadBytes(bytes, 4);
    auto length = GetLittleEndian<std::uint32_t>(bytes);
    // A damaged length must not make us reserve what the data cannot hold.
    if (length > stream_.Size() - stream_.Position()) throw EReadError("Stream read error");
    return length;
}

void TReader::ReadBytes(void* data, std::size_t count) { stream_.ReadBuffer(data, static_cast<std::int64_t>(count)); }

void TReader::InvalidValue() const { throw EReadError("Invalid property value"); }
