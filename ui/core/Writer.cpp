#include "ui/core/Writer.h"

#include "ui/core/Collection.h"
#include "ui/core/Component.h"
#include "ui/core/Exceptions.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/ScopeGuards.h"
#include "ui/core/TypeInfo.h"
#include "ui/variant/Variant.h"

#include <cstring>

namespace {

template <class T>
void PutLittleEndian(unsigned char* out, T value) {
    auto bits = static_cast<std::make_unsigned_t<T>>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i) out[i] = static_cast<unsigned char>(bits >> (8 * i));
}

}  // namespace

void TWriter::WriteRootComponent(TComponent* root) {
    root_ = root;
    WriteBytes(kFormDataSignature, sizeof kFormDataSignature);
    WriteComponent(root);
}

void TWriter::WriteComponent(TComponent* component) {
    component->SetComponentStateItem(TComponentStateItem::csWriting, true);
    ScopeExit written([component] { component->SetComponentStateItem(TComponentStateItem::csWriting, false); });
    WriteShortString(component->ClassName());
    WriteShortString(component->Name());
    component->WriteState(*this);
}

void TWriter::WriteData(TComponent* component) {
    WriteProperties(*component);
    WriteListEnd();
    component->GetChildren([this](TComponent* child) { WriteComponent(child); }, root_);
    WriteListEnd();
}

void TWriter::WriteProperties(TPersistent& instance) {
    for (const TPropInfo* p : instance.ClassType().Properties())
        if (p->IsStored(instance)) WriteProperty(instance, *p);
    instance.DefineProperties(*this);
}

void TWriter::WriteProperty(TPersistent& instance, const TPropInfo& p) {
    switch (p.Kind) {
        case TTypeKind::tkInteger:
        case TTypeKind::tkChar:
        case TTypeKind::tkInt64:
        case TTypeKind::tkEnumeration:
        case TTypeKind::tkSet: {
            std::int64_t value = p.GetOrd(instance);
            if (p.Default && *p.Default == value) return;
            WritePropName(p.Name);
            if (p.Kind == TTypeKind::tkEnumeration) {
                if (p.EnumType == &BooleanInfo()) WriteBoolean(value != 0);
                else WriteIdent(p.EnumType->ValueName(value));
            } else if (p.Kind == TTypeKind::tkSet) {
                WriteValue(TValueType::vaSet);
                for (int i = 0; i < p.EnumType->Count() && i < 32; ++i)
                    if (value & (std::int64_t{1} << i)) WriteShortString(p.EnumType->ValueName(i));
                WriteShortString("");
            } else {
                WriteInteger(value);
            }
            return;
        }
        case TTypeKind::tkFloat: {
            double value = p.GetFloat(instance);
            if (value == 0) return;
            WritePropName(p.Name);
            WriteFloat(value);
            return;
        }
        case TTypeKind::tkString: {
            std::string value = p.GetStr(instance);
            if (value.empty()) return;
            WritePropName(p.Name);
            WriteString(value);
            return;
        }
        case TTypeKind::tkClass: {
            TObject* object = p.GetObject(instance);
            if (!object) return;
            if (auto* component = dynamic_cast<TComponent*>(object); component && p.SetObject) {
                std::string name = ReferenceName(*component);
                if (name.empty()) return;
                WritePropName(p.Name);
                WriteIdent(name);
            } else if (auto* collection = dynamic_cast<TCollection*>(object)) {
                WritePropName(p.Name);
                WriteCollection(*collection);
            } else if (auto* persistent = dynamic_cast<TPersistent*>(object)) {
                std::string saved = prefix_;
                prefix_ += p.Name + ".";
                WriteProperties(*persistent);
                prefix_ = saved;
            }
            return;
        }
        case TTypeKind::tkMethod:
            // Handlers are code the program hooks up, not data.
            return;
        case TTypeKind::tkVariant: {
            Variant value = p.GetVariant(instance);
            if (value.IsEmpty()) return;
            WritePropName(p.Name);
            WriteVariant(value, p.Name);
            return;
        }
    }
}

void TWriter::WriteVariant(const Variant& value, std::string_view propName) {
    if (value.IsArray()) throw EWriteError("Property " + std::string(propName) + ": an array cannot be stored");
    if (value.IsNull()) WriteValue(TValueType::vaNil);
    else if (value.VarType() == varBoolean) WriteBoolean(value.AsBoolean());
    else if (value.IsOrdinal()) WriteInteger(value.AsInt64());
    else if (value.IsFloat()) WriteFloat(value.AsDouble());
    else WriteString(value.AsString());
}

std::string TWriter::ReferenceName(const TComponent& component) const {
    if (component.Name().empty()) return {};
    if (&component == root_ || component.Owner() == root_) return component.Name();
    if (component.Owner() && !component.Owner()->Name().empty())
        return component.Owner()->Name() + "." + component.Name();
    return {};
}

void TWriter::WriteCollection(const TCollection& collection,
                              const std::function<void(TWriter&, const TCollectionItem&)>& itemHeader) {
    WriteValue(TValueType::vaCollection);
    std::string saved = prefix_;
    prefix_.clear();
    for (int i = 0; i < collection.Count(); ++i) {
        WriteListBegin();
        if (itemHeader) itemHeader(*this, *collection.Items(i));
        WriteProperties(*collection.Items(i));
        WriteListEnd();
    }
    prefix_ = saved;
    WriteListEnd();
}

void TWriter::DefineProperty(const std::string& name, const TReaderProc&, const TWriterProc& write, bool hasData) {
    if (!hasData || !write) return;
    WritePropName(name);
    write(*this);
}

void TWriter::DefineBinaryProperty(const std::string& name, const TStreamProc&, const TStreamProc& write,
                                   bool hasData) {
    if (!hasData || !write) return;
    TMemoryStream bytes;
    write(bytes);
    WritePropName(name);
    WriteValue(TValueType::vaBinary);
    unsigned char length[4];
    PutLittleEndian(length, static_cast<std::uint32_t>(bytes.Size()));
    WriteBytes(length, 4);
    WriteBytes(bytes.Memory(), static_cast<std::size_t>(bytes.Size()));
}

void TWriter::WriteInteger(std::int64_t value) {
    unsigned char bytes[8];
    if (value >= INT8_MIN && value <= INT8_MAX) {
        WriteValue(TValueType::vaInt8);
        PutLittleEndian(bytes, static_cast<std::int8_t>(value));
        WriteBytes(bytes, 1);
    } else if (value >= INT16_MIN && value <= INT16_MAX) {
        WriteValue(TValueType::vaInt16);
        PutLittleEndian(bytes, static_cast<std::int16_t>(value));
        WriteBytes(bytes, 2);
    } else if (value >= INT32_MIN && value <= INT32_MAX) {
        WriteValue(TValueType::vaInt32);
        PutLittleEndian(bytes, static_cast<std::int32_t>(value));
        WriteBytes(bytes, 4);
    } else {
        WriteValue(TValueType::vaInt64);
        PutLittleEndian(bytes, value);
        WriteBytes(bytes, 8);
    }
}

void TWriter::WriteBoolean(bool value) { WriteValue(value ? TValueType::vaTrue : TValueType::vaFalse); }

void TWriter::WriteFloat(double value) {
    WriteValue(TValueType::vaDouble);
    std::uint64_t bits;
    std::memcpy(&bits, &value, 8);
    unsigned char bytes[8];
    PutLittleEndian(bytes, bits);
    WriteBytes(bytes, 8);
}

void TWriter::WriteString(std::string_view value) {
    if (value.size() <= 255) {
        WriteValue(TValueType::vaString);
        WriteShortString(value);
        return;
    }
    WriteValue(TValueType::vaLString);
    unsigned char length[4];
    PutLittleEndian(length, static_cast<std::uint32_t>(value.size()));
    WriteBytes(length, 4);
    WriteBytes(value.data(), value.size());
}

void TWriter::WriteIdent(std::string_view value) {
    WriteValue(TValueType::vaIdent);
    WriteShortString(value);
}

void TWriter::WriteListBegin() { WriteValue(TValueType::vaList); }

void TWriter::WriteListEnd() { WriteValue(TValueType::vaNull); }

void TWriter::WritePropName(std::string_view name) { WriteShortString(prefix_ + std::string(name)); }

void TWriter::WriteValue(TValueType type) {
    auto byte = static_cast<unsigned char>(type);
    WriteBytes(&byte, 1);
}

void TWriter::WriteShortString(std::string_view text) {
    if (text.size() > 255) throw EWriteError("Name too long for form data: " + std::string(text.substr(0, 40)));
    auto length = static_cast<unsigned char>(text.size());
    WriteBytes(&length, 1);
    WriteBytes(text.data(), text.size());
}

void TWriter::WriteBytes(const void* data, std::size_t count) {
    stream_.WriteBuffer(data, static_cast<std::int64_t>(count));
}
