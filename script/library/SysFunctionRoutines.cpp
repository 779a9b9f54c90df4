#include "script/library/SysFunctions.h"

#include "platform/text/Utf8Text.h"
#include "script/core/ScriptErrors.h"
#include "script/members/MethodHelper.h"
#include "ui/controls/EditMask.h"
#include "ui/controls/MaskedText.h"
#include "ui/core/CalendarDates.h"
#include "ui/core/DateTimeFormatting.h"
#include "ui/core/Exceptions.h"
#include "ui/core/FloatFormatting.h"
#include "ui/core/NumberConversion.h"
#include "ui/core/TextCase.h"
#include "ui/dialogs/MessageDialogs.h"
#include "ui/variant/VariantErrors.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <limits>
#include <random>

namespace {

constexpr double kPi = 3.1415926535897932385;
constexpr double kSecondsPerDay = 86400.0;
constexpr double kMillisecondsPerDay = kSecondsPerDay * 1000.0;
constexpr const char* kDateFormat = "dd.mm.yyyy";
constexpr const char* kTimeFormat = "hh:nn:ss";

std::mt19937_64& Generator() {
    static std::mt19937_64 generator(std::random_device{}());
    return generator;
}

// Code points of a text, for positions counted in characters.
std::u32string Chars(const Variant& value) { return platform::DecodeUtf8(value.AsString()); }
Variant Text(const std::u32string& chars) { return Variant(platform::EncodeUtf8(chars)); }

// A 1-based position and a count clipped to the text, as the library's Copy does.
std::u32string CopyOf(const std::u32string& chars, std::int64_t from, std::int64_t count) {
    if (from < 1) from = 1;
    const auto size = static_cast<std::int64_t>(chars.size());
    if (from > size || count <= 0) return {};
    count = std::min(count, size - from + 1);
    return chars.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(count));
}

std::int32_t ToInt32(double value, const char* routine) {
    if (!std::isfinite(value) || value > std::numeric_limits<std::int32_t>::max() || value < std::numeric_limits<std::int32_t>::min())
        throw EScriptError(std::string(routine) + ": число вне диапазона целых");
    return static_cast<std::int32_t>(value);
}

double NowValue() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    const auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(since).count() % 1000;
    return CalendarDateToDays(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           ((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec + static_cast<double>(millis) / 1000.0) / kSecondsPerDay;
}

// "d.m.yyyy" (also with "/" or "-"), EConvertError otherwise.
double ParseDate(const std::string& text) {
    int parts[3] = {0, 0, 0};
    int count = 0;
    bool digit = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            if (count >= 3 || parts[count] > 99999) throw EConvertError("'" + text + "' is not a valid date");
            parts[count] = parts[count] * 10 + (c - '0');
            digit = true;
        } else if ((c == '.' || c == '/' || c == '-') && digit) {
            ++count;
            digit = false;
        } else if (c != ' ') {
            throw EConvertError("'" + text + "' is not a valid date");
        }
    }
    if (digit) ++count;
    if (count != 3) throw EConvertError("'" + text + "' is not a valid date");
    return CalendarDateToDays(parts[2], parts[1], parts[0]);
}

// "h:n[:s]", EConvertError otherwise.
double ParseTime(const std::string& text) {
    int parts[3] = {0, 0, 0};
    int count = 0;
    bool digit = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            if (count >= 3 || parts[count] > 999) throw EConvertError("'" + text + "' is not a valid time");
            parts[count] = parts[count] * 10 + (c - '0');
            digit = true;
        } else if (c == ':' && digit) {
            ++count;
            digit = false;
        } else if (c != ' ') {
            throw EConvertError("'" + text + "' is not a valid time");
        }
    }
    if (digit) ++count;
    if (count < 2 || parts[0] > 23 || parts[1] > 59 || parts[2] > 59) throw EConvertError("'" + text + "' is not a valid time");
    return ((parts[0] * 60 + parts[1]) * 60 + parts[2]) / kSecondsPerDay;
}

double ParseDateTime(const std::string& text) {
    const std::size_t blank = text.find(' ', text.find_first_not_of(' '));
    if (blank == std::string::npos || text.find(':') == std::string::npos) {
        if (text.find(':') != std::string::npos) return ParseTime(text);
        return ParseDate(text);
    }
    return ParseDate(text.substr(0, blank)) + ParseTime(text.substr(blank + 1));
}

bool IsLeap(std::int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

template <class Convert>
bool Succeeds(Convert convert) {
    try {
        convert();
        return true;
    } catch (const Exception&) {
        return false;
    }
}

}  // namespace

Variant TscSysFunctions::CallConversion(const std::string& name, TscMethodHelper& method) {
    const Variant argument = method.GetParam(0);
    if (name == "INTTOSTR") return Variant(std::to_string(argument.AsInt64()));
    if (name == "FLOATTOSTR") return Variant(FloatToStr(argument.AsDouble()));
    if (name == "DATETOSTR") return Variant(DateTimeToString(kDateFormat, argument.AsDouble()));
    if (name == "TIMETOSTR") return Variant(DateTimeToString(kTimeFormat, argument.AsDouble()));
    if (name == "DATETIMETOSTR") return Variant(DateTimeToString(std::string(kDateFormat) + " " + kTimeFormat, argument.AsDouble()));
    if (name == "BOOLTOSTR") return Variant(std::string(argument.AsBoolean() ? "-1" : "0"));
    if (name == "STRTOINT") return Variant(StrToInt(argument.AsString()));
    if (name == "STRTOINT64") return Variant(argument.AsString()).AsType(varInt64);
    if (name == "STRTOFLOAT") return Variant(StrToFloat(argument.AsString()));
    if (name == "STRTODATE") return Variant(ParseDate(argument.AsString()));
    if (name == "STRTOTIME") return Variant(ParseTime(argument.AsString()));
    if (name == "STRTODATETIME") return Variant(ParseDateTime(argument.AsString()));
    if (name == "STRTOBOOL") return Variant(argument.AsBoolean());
    return Variant(0);
}

Variant TscSysFunctions::CallFormat(const std::string& name, TscMethodHelper& method) {
    if (name == "FORMAT") {
        const Variant args = method.GetParam(1);
        std::vector<Variant> values;
        if (args.IsArray() && args.ArrayDimCount() == 1)
            for (int i = args.ArrayLowBound(1); i <= args.ArrayHighBound(1); ++i) values.push_back(args.GetElement({i}));
        return Variant(FormatVariants(method.GetParam(0).AsString(), values));
    }
    if (name == "FORMATFLOAT") return Variant(FormatFloat(method.GetParam(0).AsString(), method.GetParam(1).AsDouble()));
    if (name == "FORMATDATETIME") return Variant(DateTimeToString(method.GetParam(0).AsString(), method.GetParam(1).AsDouble()));
    if (name == "FORMATMASKTEXT") {
        // The value goes through the mask as a masked edit takes it; the
        // literals show and an unfilled position is a space.
        const TEditMask mask(method.GetParam(0).AsString());
        TMaskedText text(mask);
        text.SetText(method.GetParam(1).AsString());
        std::u32string shown = platform::DecodeUtf8(text.EditText());
        for (int i = 0; i < mask.Length() && i < static_cast<int>(shown.size()); ++i)
            if (!mask.IsLiteral(i) && shown[static_cast<std::size_t>(i)] == mask.Blank()) shown[static_cast<std::size_t>(i)] = U' ';
        return Text(shown);
    }
    return Variant(0);
}

Variant TscSysFunctions::CallDate(const std::string& name, TscMethodHelper& method) {
    if (name == "ENCODEDATE")
        return Variant(CalendarDateToDays(method.GetParam(0).AsInteger(), method.GetParam(1).AsInteger(), method.GetParam(2).AsInteger()));
    if (name == "DECODEDATE") {
        int year = 0, month = 0, day = 0;
        DaysToCalendarDate(method.GetParam(0).AsDouble(), year, month, day);
        method.SetParam(1, Variant(year));
        method.SetParam(2, Variant(month));
        method.SetParam(3, Variant(day));
        return Variant(0);
    }
    if (name == "ENCODETIME") {
        const int hour = method.GetParam(0).AsInteger(), minute = method.GetParam(1).AsInteger();
        const int second = method.GetParam(2).AsInteger(), millisecond = method.GetParam(3).AsInteger();
        if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 || millisecond > 999)
            throw EConvertError("Invalid argument to time encode");
        return Variant((((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) / kMillisecondsPerDay);
    }
    if (name == "DECODETIME") {
        const double day = method.GetParam(0).AsDouble();
        auto millis = static_cast<std::int64_t>(std::llround((day - std::floor(day)) * kMillisecondsPerDay));
        millis %= static_cast<std::int64_t>(kMillisecondsPerDay);
        method.SetParam(1, Variant(static_cast<std::int32_t>(millis / 3600000)));
        method.SetParam(2, Variant(static_cast<std::int32_t>(millis / 60000 % 60)));
        method.SetParam(3, Variant(static_cast<std::int32_t>(millis / 1000 % 60)));
        method.SetParam(4, Variant(static_cast<std::int32_t>(millis % 1000)));
        return Variant(0);
    }
    if (name == "DATE") return Variant(std::floor(NowValue()));
    if (name == "TIME") {
        const double now = NowValue();
        return Variant(now - std::floor(now));
    }
    if (name == "NOW") return Variant(NowValue());
    if (name == "DAYOFWEEK") {
        // Day 0 (30 December 1899) was a Saturday; Sunday is 1.
        const auto days = static_cast<std::int64_t>(std::floor(method.GetParam(0).AsDouble()));
        return Variant(static_cast<std::int32_t>(((days + 6) % 7 + 7) % 7 + 1));
    }
    if (name == "ISLEAPYEAR") return Variant(IsLeap(method.GetParam(0).AsInt64()));
    if (name == "DAYSINMONTH") {
        constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const std::int64_t year = method.GetParam(0).AsInt64();
        const std::int64_t month = method.GetParam(1).AsInt64();
        if (month < 1 || month > 12) throw EScriptRangeError("DaysInMonth: месяца " + std::to_string(month) + " нет");
        return Variant(kLengths[month - 1] + (month == 2 && IsLeap(year) ? 1 : 0));
    }
    return Variant(0);
}

Variant TscSysFunctions::CallString(const std::string& name, TscMethodHelper& method) {
    const Variant first = method.GetParam(0);
    if (name == "LENGTH") {
        if (first.IsArray()) return Variant(first.ArrayHighBound(1) - first.ArrayLowBound(1) + 1);
        return Variant(static_cast<std::int32_t>(Chars(first).size()));
    }
    if (name == "COPY") return Text(CopyOf(Chars(first), method.GetParam(1).AsInt64(), method.GetParam(2).AsInt64()));
    if (name == "POS") {
        const std::size_t at = Chars(method.GetParam(1)).find(Chars(first));
        return Variant(at == std::u32string::npos ? 0 : static_cast<std::int32_t>(at + 1));
    }
    if (name == "DELETE" || name == "DELETESTR") {
        std::u32string chars = Chars(first);
        const std::int64_t from = method.GetParam(1).AsInt64();
        const std::int64_t count = method.GetParam(2).AsInt64();
        if (from >= 1 && from <= static_cast<std::int64_t>(chars.size()) && count > 0)
            chars.erase(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(count));
        method.SetParam(0, Text(chars));
        return Variant(0);
    }
    if (name == "INSERT") {
        std::u32string target = Chars(method.GetParam(1));
        std::int64_t at = method.GetParam(2).AsInt64();
        at = std::clamp<std::int64_t>(at, 1, static_cast<std::int64_t>(target.size()) + 1);
        target.insert(static_cast<std::size_t>(at - 1), Chars(first));
        method.SetParam(1, Text(target));
        return Variant(0);
    }
    if (name == "UPPERCASE") return Variant(AnsiUpperCase(first.AsString()));
    if (name == "LOWERCASE") return Variant(AnsiLowerCase(first.AsString()));
    if (name == "TRIM") {
        const std::string text = first.AsString();
        const std::size_t begin = text.find_first_not_of(std::string_view("\0\t\n\v\f\r ", 7));
        if (begin == std::string::npos) return Variant(std::string());
        std::size_t end = text.size();
        while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
        std::size_t start = 0;
        while (start < end && static_cast<unsigned char>(text[start]) <= ' ') ++start;
        return Variant(text.substr(start, end - start));
    }
    if (name == "NAMECASE") {
        std::u32string chars = Chars(Variant(AnsiLowerCase(first.AsString())));
        std::string out;
        for (std::size_t i = 0; i < chars.size(); ++i) {
            std::string one;
            platform::AppendUtf8(one, chars[i]);
            out += i == 0 || chars[i - 1] == U' ' ? AnsiUpperCase(one) : one;
        }
        return Variant(out);
    }
    if (name == "COMPARETEXT") return Variant(AnsiCompareText(first.AsString(), method.GetParam(1).AsString()));
    if (name == "CHR") {
        const std::int64_t code = first.AsInt64();
        if (code < 0 || code > 0x10FFFF) throw EScriptRangeError("Chr: кода символа " + std::to_string(code) + " нет");
        std::string one;
        platform::AppendUtf8(one, static_cast<char32_t>(code));
        return Variant(one);
    }
    if (name == "ORD") {
        // A number passed for a character is its own code.
        if (first.IsOrdinal()) return Variant(first.AsInteger());
        const std::u32string chars = Chars(first);
        if (chars.empty()) throw EScriptRangeError("Ord: пустая строка не содержит символа");
        return Variant(static_cast<std::int32_t>(chars[0]));
    }
    if (name == "SETLENGTH") {
        const std::int64_t length = method.GetParam(1).AsInt64();
        if (length < 0) throw EScriptRangeError("SetLength: отрицательная длина " + std::to_string(length));
        if (first.IsString()) {
            std::u32string chars = Chars(first);
            chars.resize(static_cast<std::size_t>(length), U' ');
            method.SetParam(0, Text(chars));
        } else {
            Variant resized = VarArrayCreate({0, static_cast<int>(length) - 1}, varVariant);
            if (first.IsArray() && first.ArrayDimCount() == 1)
                for (int i = first.ArrayLowBound(1); i <= first.ArrayHighBound(1) && i < length; ++i)
                    if (i >= 0) resized.PutElement({i}, first.GetElement({i}));
            method.SetParam(0, resized);
        }
        return Variant(0);
    }
    return Variant(0);
}

Variant TscSysFunctions::CallMath(const std::string& name, TscMethodHelper& method) {
    if (name == "PI") return Variant(kPi);
    const double x = method.GetParam(0).AsDouble();
    if (name == "ROUND") return Variant(ToInt32(std::nearbyint(x), "Round"));
    if (name == "TRUNC") return Variant(ToInt32(std::trunc(x), "Trunc"));
    if (name == "INT") return Variant(std::trunc(x));
    if (name == "FRAC") return Variant(x - std::trunc(x));
    if (name == "SQRT") {
        if (x < 0) throw EMathError("Sqrt: отрицательный аргумент");
        return Variant(std::sqrt(x));
    }
    if (name == "ABS") return Variant(std::fabs(x));
    if (name == "SIN") return Variant(std::sin(x));
    if (name == "COS") return Variant(std::cos(x));
    if (name == "ARCTAN") return Variant(std::atan(x));
    if (name == "TAN") return Variant(std::sin(x) / std::cos(x));
    if (name == "EXP") return Variant(std::exp(x));
    if (name == "LN") {
        if (x <= 0) throw EMathError("Ln: аргумент не больше нуля");
        return Variant(std::log(x));
    }
    return Variant(0);
}

Variant TscSysFunctions::CallOther(const std::string& name, TscMethodHelper& method) {
    if (name == "INC") {
        method.SetParam(0, method.GetParam(0) + method.GetParam(1));
    } else if (name == "DEC") {
        method.SetParam(0, method.GetParam(0) - method.GetParam(1));
    } else if (name == "RAISEEXCEPTION") {
        throw Exception(method.GetParam(0).AsString());
    } else if (name == "SHOWMESSAGE") {
        ShowMessage(method.GetParam(0).AsString());
    } else if (name == "RANDOMIZE") {
        Generator().seed(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    } else if (name == "RANDOM") {
        return Variant(std::uniform_real_distribution<double>(0.0, 1.0)(Generator()));
    } else if (name == "VALIDINT") {
        return Variant(Succeeds([&] { StrToInt(method.GetParam(0).AsString()); }));
    } else if (name == "VALIDFLOAT") {
        return Variant(Succeeds([&] { StrToFloat(method.GetParam(0).AsString()); }));
    } else if (name == "VALIDDATE") {
        const Variant value = method.GetParam(0);
        const std::string text = value.VarType() == varDate ? DateTimeToString(kDateFormat, value.AsDouble()) : value.AsString();
        return Variant(Succeeds([&] { ParseDate(text); }));
    } else if (name == "EXTRACTFILEPATH") {
        const std::string file = method.GetParam(0).AsString();
        const std::size_t last = file.find_last_of("\\/:");
        return Variant(last == std::string::npos ? std::string() : file.substr(0, last + 1));
    } else if (name == "CREATEOLEOBJECT") {
        throw EScriptError("CreateOleObject: объекты автоматизации («" + method.GetParam(0).AsString() +
                           "») на этой системе недоступны");
    } else if (name == "VARARRAYCREATE") {
        const Variant boundsArray = method.GetParam(0);
        std::vector<int> bounds;
        if (boundsArray.IsArray() && boundsArray.ArrayDimCount() == 1)
            for (int i = boundsArray.ArrayLowBound(1); i <= boundsArray.ArrayHighBound(1); ++i)
                bounds.push_back(boundsArray.GetElement({i}).AsInteger());
        return VarArrayCreate(bounds, static_cast<TVarType>(method.GetParam(1).AsInteger()));
    } else if (name == "VARTYPE") {
        return Variant(static_cast<std::int32_t>(method.GetParam(0).VarType()));
    } else if (name == "VARTOSTR") {
        return Variant(VarToStr(method.GetParam(0)));
    }
    return Variant(0);
}
