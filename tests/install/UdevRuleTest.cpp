// The access rule must match exactly the devices the device link talks to:
// a product string spelled differently leaves that device root-only.
#include "device/link/DeviceProtocol.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Assignment {
    std::string Key, Operator, Value;
    bool operator<(const Assignment& other) const {
        return std::tie(Key, Operator, Value) < std::tie(other.Key, other.Operator, other.Value);
    }
};

// One rule line as its key-operator-"value" pairs; values may hold commas.
std::vector<Assignment> ParseRule(const std::string& line) {
    std::vector<Assignment> pairs;
    std::size_t at = 0;
    while (at < line.size()) {
        at = line.find_first_not_of(", \t", at);
        if (at == std::string::npos) break;
        const std::size_t op = line.find_first_of("=!+:", at);
        const std::size_t quote = line.find('"', op);
        const std::size_t end = line.find('"', quote + 1);
        if (op == std::string::npos || quote == std::string::npos || end == std::string::npos) {
            ADD_FAILURE() << "unreadable rule: " << line;
            break;
        }
        pairs.push_back({line.substr(at, op - at), line.substr(op, quote - op), line.substr(quote + 1, end - quote - 1)});
        at = end + 1;
    }
    return pairs;
}

std::vector<std::vector<Assignment>> ReadRules(const std::string& fileName) {
    std::ifstream file(fileName);
    EXPECT_TRUE(file) << fileName;
    std::vector<std::vector<Assignment>> rules;
    for (std::string line; std::getline(file, line);)
        if (line.find_first_not_of(" \t") != std::string::npos && line[line.find_first_not_of(" \t")] != '#')
            rules.push_back(ParseRule(line));
    return rules;
}

TEST(UdevRule, ParserReadsQuotedValuesWithCommasAndEveryOperator) {
    const auto pairs = ParseRule(R"(SUBSYSTEM=="hidraw", ATTRS{product}=="A, B", TAG+="uaccess", MODE:="0660")");
    const std::vector<Assignment> expected{
        {"SUBSYSTEM", "==", "hidraw"}, {"ATTRS{product}", "==", "A, B"}, {"TAG", "+=", "uaccess"}, {"MODE", ":=", "0660"}};
    ASSERT_EQ(pairs.size(), expected.size());
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        EXPECT_EQ(pairs[i].Key, expected[i].Key);
        EXPECT_EQ(pairs[i].Operator, expected[i].Operator);
        EXPECT_EQ(pairs[i].Value, expected[i].Value);
    }
}

TEST(UdevRule, MatchesEachProductStringTheDeviceLinkLooksFor) {
    std::set<std::string> matched;
    for (const auto& rule : ReadRules(VELZAR_UDEV_RULES)) {
        std::set<Assignment> rest(rule.begin(), rule.end());
        EXPECT_EQ(rest.erase({"SUBSYSTEM", "==", "hidraw"}), 1u) << "a rule for other nodes than hidraw";
        EXPECT_EQ(rest.erase({"TAG", "+=", "uaccess"}), 1u) << "a rule that gives the seat's user nothing";
        ASSERT_EQ(rest.size(), 1u) << "one product match a rule, nothing else";
        EXPECT_EQ(rest.begin()->Key, "ATTRS{product}");
        EXPECT_EQ(rest.begin()->Operator, "==");
        EXPECT_TRUE(matched.insert(rest.begin()->Value).second) << "matched twice: " << rest.begin()->Value;
    }
    EXPECT_EQ(matched, (std::set<std::string>{kFlightControllerProduct, kDipProduct, kBootloaderProduct}));
}

TEST(UdevRule, RunsBeforeTheSeatRulesThatActOnTheTag) {
    // The seat rules that turn the uaccess tag into access are numbered 73.
    constexpr int kSeatRulesNumber = 73;
    const std::string name = std::filesystem::path(VELZAR_UDEV_RULES).filename().string();
    ASSERT_TRUE(name.size() > 3 && std::isdigit(name[0]) && std::isdigit(name[1]) && name[2] == '-') << name;
    EXPECT_LT(std::stoi(name.substr(0, 2)), kSeatRulesNumber);
    EXPECT_EQ(std::filesystem::path(name).extension(), ".rules");
}

}  // namespace
