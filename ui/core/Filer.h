#pragma once
// The common part of the form-data reader and writer: the value kinds of the
// byte format and the hook through which objects define properties of their
// own beside the published ones.
//
// Form data: the signature "VFD1", then a component: its class name and its
// name as short strings (a length byte and the bytes), its properties (each
// a short-string name, dotted for properties of sub-objects, then a value)
// closed by vaNull, its child components the same way closed by vaNull.
// A value is a kind byte and its bytes, little-endian; strings are UTF-8.

#include <cstdint>
#include <functional>
#include <string>

class TComponent;
class TReader;
class TStream;
class TWriter;

enum class TValueType : std::uint8_t {
    vaNull = 0,        // end of a list
    vaList = 1,        // values up to vaNull
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaDouble = 5,      // 8 bytes
    vaString = 6,      // length byte, bytes
    vaIdent = 7,       // length byte, bytes: an enumeration value or a component name
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,     // 32-bit length, bytes
    vaSet = 11,        // identifiers up to an empty one
    vaLString = 12,    // 32-bit length, bytes
    vaNil = 13,
    vaCollection = 14, // items, each a vaList of properties, up to vaNull
    vaInt64 = 19,
};

inline constexpr char kFormDataSignature[4] = {'V', 'F', 'D', '1'};

class TFiler {
public:
    using TReaderProc = std::function<void(TReader&)>;
    using TWriterProc = std::function<void(TWriter&)>;
    using TStreamProc = std::function<void(TStream&)>;

    explicit TFiler(TStream& stream) : stream_(stream) {}
    TFiler(const TFiler&) = delete;
    TFiler& operator=(const TFiler&) = delete;
    virtual ~TFiler() = default;

    // A property written through the writer's value routines; `hasData`
    // false leaves it out of the data.
    virtual void DefineProperty(const std::string& name, const TReaderProc& read, const TWriterProc& write,
                                bool hasData) = 0;
    // A property of raw bytes.
    virtual void DefineBinaryProperty(const std::string& name, const TStreamProc& read, const TStreamProc& write,
                                      bool hasData) = 0;

    // The component at the top of what is read or written; component
    // references are names among its components.
    TComponent* Root() const { return root_; }

protected:
    TStream& stream_;
    TComponent* root_ = nullptr;
};
