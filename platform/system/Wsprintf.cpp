#include "platform/system/Wsprintf.h"

#include <cstring>
#include <string>

namespace platform {
namespace {

class ArgumentList {
public:
    ArgumentList(const WsprintfArg* arguments, std::size_t count) : arguments_(arguments), count_(count) {}

    std::int32_t NextNumber() {
        if (next_ >= count_) return 0;
        const WsprintfArg& argument = arguments_[next_++];
        if (auto number = std::get_if<std::int32_t>(&argument)) return *number;
        return 0;
    }

    const char* NextText() {
        if (next_ >= count_) return nullptr;
        const WsprintfArg& argument = arguments_[next_++];
        if (auto text = std::get_if<const char*>(&argument)) return *text;
        return nullptr;
    }

private:
    const WsprintfArg* arguments_;
    std::size_t count_;
    std::size_t next_ = 0;
};

struct Spec {
    bool left = false, zero = false, prefix = false;
    int width = 0;
    int precision = -1;
};

void Pad(std::string& out, std::string body, const Spec& spec, bool numeric) {
    if (numeric && spec.precision >= 0 && static_cast<int>(body.size()) < spec.precision)
        body.insert(0, spec.precision - body.size(), '0');
    int padding = spec.width - static_cast<int>(body.size());
    if (padding <= 0) {
        out += body;
    } else if (spec.left) {
        out += body;
        out.append(padding, ' ');
    } else if (spec.zero && numeric) {
        std::size_t signEnd = (!body.empty() && body[0] == '-') ? 1 : (body.rfind("0x", 0) == 0 || body.rfind("0X", 0) == 0) ? 2 : 0;
        body.insert(signEnd, padding, '0');
        out += body;
    } else {
        out.append(padding, ' ');
        out += body;
    }
}

std::string Hex(std::uint32_t value, bool upper) {
    const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string text;
    do {
        text.insert(text.begin(), digits[value & 0xF]);
        value >>= 4;
    } while (value);
    return text;
}

}  // namespace

int wvsprintfA(char* buffer, const char* format, const WsprintfArg* arguments, std::size_t count) {
    ArgumentList list(arguments, count);
    std::string out;
    for (const char* p = format ? format : ""; *p; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        ++p;
        Spec spec;
        for (;; ++p) {
            if (*p == '-') spec.left = true;
            else if (*p == '0') spec.zero = true;
            else if (*p == '#') spec.prefix = true;
            else break;
        }
        while (*p >= '0' && *p <= '9') spec.width = spec.width * 10 + (*p++ - '0');
        if (*p == '.') {
            spec.precision = 0;
            ++p;
            while (*p >= '0' && *p <= '9') spec.precision = spec.precision * 10 + (*p++ - '0');
        }
        while (*p == 'l' || *p == 'h' || *p == 'L') ++p;
        switch (*p) {
            case 'd':
            case 'i': Pad(out, std::to_string(list.NextNumber()), spec, true); break;
            case 'u': Pad(out, std::to_string(static_cast<std::uint32_t>(list.NextNumber())), spec, true); break;
            case 'x':
            case 'X': {
                std::uint32_t value = static_cast<std::uint32_t>(list.NextNumber());
                std::string text = Hex(value, *p == 'X');
                if (spec.prefix && value) text.insert(0, *p == 'X' ? "0X" : "0x");
                Pad(out, text, spec, true);
                break;
            }
            case 'c': Pad(out, std::string(1, static_cast<char>(list.NextNumber())), spec, false); break;
            case 's': {
                const char* text = list.NextText();
                std::string body = text ? text : "(null)";
                if (spec.precision >= 0 && static_cast<int>(body.size()) > spec.precision) body.resize(spec.precision);
                Pad(out, body, spec, false);
                break;
            }
            case '\0': --p; break;  // a lone '%' at the end is dropped
            default: out += *p; break;  // "%%" and unknown letters stand for themselves
        }
    }
    if (out.size() > WSPRINTF_BUFFER_SIZE - 1) out.resize(WSPRINTF_BUFFER_SIZE - 1);
    std::memcpy(buffer, out.c_str(), out.size() + 1);
    return static_cast<int>(out.size());
}

}  // namespace platform
