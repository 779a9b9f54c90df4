#include "report/objects/MemoView.h"
#include "report/objects/Report.h"
#include "report/text/Utf16Text.h"
#include "report/utils/Conversions.h"
#include "report/variables/Variables.h"
#include "ui/core/DateTimeFormatting.h"
#include "ui/core/Exceptions.h"
#include "ui/core/FloatFormatting.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr std::size_t kMaxDelimiter = 255;
constexpr int kDefaultFixedDigits = 2;
constexpr int kFullPrecision = 15;
constexpr int kExponentDigits = 3;
constexpr std::u16string_view kFormatMark = u" #";
constexpr std::u16string_view kTotalPagesExpression = u"TOTALPAGES#";
constexpr std::u16string_view kCopyNameExpression = u"COPYNAME#";
constexpr std::u16string_view kTotalPagesMarker = u"[TOTALPAGES#]";
constexpr std::u16string_view kCopyNameMarker = u"[COPYNAME#]";

char16_t UpperAscii(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

// The first place of `what` (upper-case ASCII) in `text`, case ignored.
std::size_t FindNoCase(std::u16string_view text, std::u16string_view what) {
    if (what.size() > text.size()) return std::u16string_view::npos;
    for (std::size_t i = 0; i + what.size() <= text.size(); ++i) {
        std::size_t k = 0;
        while (k < what.size() && UpperAscii(text[i + k]) == what[k]) ++k;
        if (k == what.size()) return i;
    }
    return std::u16string_view::npos;
}

bool EqualNoCase(std::u16string_view text, std::u16string_view what) {
    return text.size() == what.size() && FindNoCase(text, what) == 0;
}

// One conversion of the class library's printf-style format: %[-][width][.precision]letter.
std::string FormatOne(char letter, int precision, const Variant& value) {
    switch (letter) {
        case 'd':
        case 'u': {
            const std::int64_t n = value.AsInt64();
            if (letter == 'u' && n < 0) throw EConvertError("Отрицательное число для %u");
            std::string digits = std::to_string(n < 0 ? -n : n);
            if (precision > static_cast<int>(digits.size()))
                digits.insert(0, static_cast<std::size_t>(precision) - digits.size(), '0');
            return (n < 0 ? "-" : "") + digits;
        }
        case 'f': return FloatToStrF(value.AsDouble(), TFloatFormat::ffFixed, kFullPrecision, precision < 0 ? kDefaultFixedDigits : precision);
        case 'n': return FloatToStrF(value.AsDouble(), TFloatFormat::ffNumber, kFullPrecision, precision < 0 ? kDefaultFixedDigits : precision);
        case 'e': return FloatToStrF(value.AsDouble(), TFloatFormat::ffExponent, precision < 0 ? kFullPrecision : precision, kExponentDigits);
        case 'g': return FloatToStrF(value.AsDouble(), TFloatFormat::ffGeneral, precision < 0 ? kFullPrecision : precision, kExponentDigits);
        case 's': return value.AsString();
        default: throw EConvertError(std::string("Неверный формат: %") + letter);
    }
}

std::string FormatPrintf(const std::string& format, const Variant& value) {
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        if (++i < format.size() && format[i] == '%') {
            out += '%';
            continue;
        }
        const bool leftJustify = i < format.size() && format[i] == '-';
        if (leftJustify) ++i;
        int width = 0, precision = -1;
        constexpr int kMaxWidth = 1024;
        while (i < format.size() && format[i] >= '0' && format[i] <= '9')
            width = std::min(kMaxWidth, width * 10 + (format[i++] - '0'));
        if (i < format.size() && format[i] == '.') {
            precision = 0;
            while (++i < format.size() && format[i] >= '0' && format[i] <= '9')
                precision = std::min(kMaxWidth, precision * 10 + (format[i] - '0'));
        }
        if (i >= format.size()) throw EConvertError("Неверный формат: " + format);
        const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(format[i])));
        std::string field = FormatOne(letter, precision, value);
        const std::size_t pad = static_cast<std::size_t>(width) > field.size() ? width - field.size() : 0;
        out += leftJustify ? field + std::string(pad, ' ') : std::string(pad, ' ') + field;
    }
    return out;
}

std::string FormatNumeric(const TrpFormat& format, const Variant& value) {
    const std::string& picture = format.FormatStr;
    std::string text;
    if (picture.find('#') != std::string::npos) text = FormatFloat(picture, value.AsDouble());
    else text = FormatPrintf(picture, value);
    std::size_t decimalAt = std::string::npos;
    if (format.DecimalSeparator.size() == 1 && format.DecimalSeparator[0] != DecimalSeparator)
        decimalAt = text.rfind(DecimalSeparator);
    if (format.ThousandSeparator.size() == 1 && format.ThousandSeparator[0] != ThousandSeparator)
        std::replace(text.begin(), text.end(), ThousandSeparator, format.ThousandSeparator[0]);
    if (decimalAt != std::string::npos) text[decimalAt] = format.DecimalSeparator[0];
    return text;
}

// Both texts of a Boolean format, split at the first comma.
std::string BooleanText(const std::string& formats, bool value) {
    const std::size_t comma = formats.find(',');
    if (comma == std::string::npos) return value ? formats.substr(0, kMaxDelimiter) : std::string();
    return (value ? formats.substr(0, comma) : formats.substr(comma + 1)).substr(0, kMaxDelimiter);
}

bool IsTrue(const Variant& value) {
    try {
        return value.VarType() == varBoolean ? value.AsBoolean() : false;
    } catch (const Exception&) {
        return false;
    }
}

bool IsNumericZero(const Variant& value) {
    if (!value.IsNumeric()) return false;
    try {
        return value.AsDouble() == 0;
    } catch (const Exception&) {
        return false;
    }
}

}  // namespace

std::u16string TrpCustomMemoView::FormatValue(const Variant& value, const TrpFormat* format) const {
    if (value.IsNull()) return {};
    const TrpFormat& f = format ? *format : displayFormat_;
    auto plain = [&value]() -> std::u16string {
        try {
            return Utf8ToUtf16(value.AsString());
        } catch (const Exception&) {
            return {};
        }
    };
    try {
        switch (f.Kind) {
            case TrpFormatKind::fkNumeric: return Utf8ToUtf16(FormatNumeric(f, value));
            case TrpFormatKind::fkDateTime: return Utf8ToUtf16(DateTimeToString(f.FormatStr, value.AsDouble()));
            case TrpFormatKind::fkBoolean: return Utf8ToUtf16(BooleanText(f.FormatStr, IsTrue(value)));
            case TrpFormatKind::fkText: return plain();
        }
    } catch (const Exception&) {
        // A format that does not fit the value shows the value as it is.
    }
    return plain();
}

std::u16string TrpCustomMemoView::EvaluateEmbedded(const std::u16string& expression) {
    std::u16string source = expression;
    TrpFormat suffixFormat;
    bool hasFormat = false;
    const std::size_t mark = expression.find(kFormatMark);
    if (mark != std::u16string::npos) {
        std::u16string suffix = expression.substr(mark + kFormatMark.size());
        if (suffix.find(u')') == std::u16string::npos && !suffix.empty()) {
            source = expression.substr(0, mark);
            hasFormat = true;
            switch (UpperAscii(suffix[0])) {
                case u'B': suffixFormat.Kind = TrpFormatKind::fkBoolean; break;
                case u'D':
                case u'T': suffixFormat.Kind = TrpFormatKind::fkDateTime; break;
                case u'N':
                    suffixFormat.Kind = TrpFormatKind::fkNumeric;
                    for (char16_t& c : suffix)
                        if (c == u',' || c == u'-' || c == u'.') {
                            suffixFormat.DecimalSeparator = std::string(1, static_cast<char>(c));
                            c = u'.';
                        }
                    break;
                default: break;
            }
            suffixFormat.FormatStr = Utf16ToUtf8(suffix.substr(1));
        }
    }
    if (EqualNoCase(source, kTotalPagesExpression)) value_ = Variant("[TotalPages#]");
    else if (EqualNoCase(source, kCopyNameExpression)) value_ = Variant("[CopyName#]");
    else if (TrpReport* report = Report()) value_ = report->Calc(Utf16ToUtf8(source));
    else value_ = Variant::Null();
    if (HideZeros && !value_.IsString() && IsNumericZero(value_)) return {};
    return FormatValue(value_, hasFormat ? &suffixFormat : nullptr);
}

void TrpCustomMemoView::ExpandExpressions() {
    const std::u16string delimiters = Utf8ToUtf16(ExpressionDelimiters);
    const std::size_t comma = delimiters.find(u',');
    const std::u16string open = delimiters.substr(0, comma);
    const std::u16string close = comma == std::u16string::npos ? u"" : delimiters.substr(comma + 1, kMaxDelimiter);
    std::u16string text;
    for (int line = 0; line < memo_.Count(); ++line) text += (line > 0 ? u"\r\n" : u"") + memo_.Get(line);
    if (open.empty() || close.empty() || text.find(open) == std::u16string::npos) return;
    std::size_t i = 0;
    while (true) {
        while (i < text.size() && text.compare(i, open.size(), open) != 0) ++i;
        if (i >= text.size()) break;
        std::size_t start = i, end = i;
        const std::u16string expression = rpFindBracketedW(text, open, close, start, end);
        end = std::min(end, text.size() - 1);
        const std::u16string value = EvaluateEmbedded(expression);
        text.replace(start, end - start + 1, value);
        i = start + value.size();
    }
    memo_.SetText(text);
}

void TrpCustomMemoView::FetchData() {
    if (AllowExpressions) ExpandExpressions();
    highlight_.Active = false;
    if (!highlight_.Condition.empty())
        if (TrpReport* report = Report()) highlight_.Active = IsTrue(report->Calc(highlight_.Condition));
    if (SuppressRepeated) {
        const std::string text = Utf16ToUtf8(memo_.Text());
        if (!lastShownValue_.IsNull() && lastShownValue_.IsString() && lastShownValue_.AsString() == text)
            memo_.Clear();
        else
            lastShownValue_ = Variant(text);
    }
}

void TrpCustomMemoView::FillPageTotals() {
    if (!AllowExpressions) return;
    std::u16string text = memo_.Text();
    bool changed = false;
    if (std::size_t at = FindNoCase(text, kTotalPagesMarker); at != std::u16string::npos) {
        text.replace(at, kTotalPagesMarker.size(), Utf8ToUtf16(std::to_string(TotalPages)));
        changed = true;
    }
    if (std::size_t at = FindNoCase(text, kCopyNameMarker); at != std::u16string::npos) {
        const TrpValue copyName = rpGlobalVariables().Variables("CopyName" + std::to_string(CopyNo));
        text.replace(at, kCopyNameMarker.size(), Utf8ToUtf16(ValueText(copyName)));
        changed = true;
    }
    if (changed) memo_.SetText(text);
}
