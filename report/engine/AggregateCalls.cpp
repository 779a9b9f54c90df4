#include "report/engine/Aggregates.h"

#include "ui/core/TextCase.h"

#include <optional>

namespace {

constexpr std::size_t kMaxArguments = 3;

bool IsSkipped(char c) {
    const auto code = static_cast<unsigned char>(c);
    return (code >= 1 && code <= ' ') || std::string_view("!#$%&*+,-./=[]^|").find(c) != std::string_view::npos ||
           (c >= '0' && c <= '9');
}

bool EndsName(char c) {
    const auto code = static_cast<unsigned char>(c);
    return (code >= 1 && code <= ' ') || std::string_view("!#$%&(*+,-./=[]^|").find(c) != std::string_view::npos;
}

std::string Trimmed(std::string_view text) {
    std::size_t begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string_view::npos) return {};
    std::size_t end = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(begin, end - begin + 1));
}

std::optional<TrpAggregateKind> KindOf(std::string_view name) {
    const std::string upper = AnsiUpperCase(name);
    if (upper == "SUM") return TrpAggregateKind::Sum;
    if (upper == "AVG") return TrpAggregateKind::Avg;
    if (upper == "MIN") return TrpAggregateKind::Min;
    if (upper == "MAX") return TrpAggregateKind::Max;
    if (upper == "COUNT") return TrpAggregateKind::Count;
    return std::nullopt;
}

// From just past "(": the arguments, and the position past the closing ")".
std::vector<std::string> ReadArguments(std::string_view text, std::size_t& at) {
    std::vector<std::string> arguments;
    int depth = 1;
    char quote = 0;
    std::size_t start = at;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (quote) {
            if (c == quote) quote = 0;
            continue;
        }
        if (c == '"' || c == '\'') quote = c;
        else if (c == '(') ++depth;
        else if (c == ')' && --depth == 0) break;
        else if (c == ',' && depth == 1) {
            arguments.push_back(Trimmed(text.substr(start, at - start)));
            start = at + 1;
        }
    }
    arguments.push_back(Trimmed(text.substr(start, at - start)));
    if (at < text.size()) ++at;
    return arguments;
}

void Scan(std::string_view text, std::vector<TrpAggregateCall>& calls) {
    std::size_t at = 0;
    while (at < text.size()) {
        const char c = text[at];
        if (IsSkipped(c)) {
            ++at;
        } else if (c == '"' || c == '\'') {
            std::size_t close = text.find(c, at + 1);
            at = close == std::string_view::npos ? text.size() : close + 1;
        } else if (c == '(' || c == '<') {
            const char closing = c == '(' ? ')' : '>';
            int depth = 0;
            std::size_t end = at;
            for (; end < text.size(); ++end) {
                if (text[end] == c) ++depth;
                else if (text[end] == closing && --depth == 0) break;
            }
            Scan(text.substr(at + 1, end - at - 1), calls);
            at = end + 1;
        } else {
            std::size_t end = at;
            while (end < text.size() && !EndsName(text[end])) ++end;
            if (end == at) {
                ++at;
                continue;
            }
            const std::string_view name = text.substr(at, end - at);
            std::optional<TrpAggregateKind> kind = KindOf(name);
            if (kind && end < text.size() && text[end] == '(') {
                std::size_t past = end + 1;
                std::vector<std::string> arguments = ReadArguments(text, past);
                // More arguments than a call takes: not an aggregate, and its text is searched no further.
                if (arguments.size() <= kMaxArguments)
                    calls.push_back({*kind, std::move(arguments), Trimmed(text.substr(at, past - at))});
                at = past;
            } else {
                at = end;
            }
        }
    }
}

}  // namespace

std::vector<TrpAggregateCall> FindAggregateCalls(std::string_view expression) {
    std::vector<TrpAggregateCall> calls;
    Scan(expression, calls);
    return calls;
}
