#include "report/variables/Variables.h"

#include <gtest/gtest.h>

namespace {

TEST(VariablesTest, MissingNameReadsNullAndAddsNothing) {
    TrpVariables vars;
    EXPECT_TRUE(IsNull(vars.Variables("Total")));
    EXPECT_EQ(vars.Count(), 0);
    EXPECT_EQ(vars.IndexOf("Total"), -1);
}

TEST(VariablesTest, NamesMatchWithoutRegardToCaseAndKeepFirstOrder) {
    TrpVariables vars;
    vars.SetVariables("Total", std::int64_t{5});
    vars.SetVariables("Высота", 2.5);
    EXPECT_EQ(vars.Variables("TOTAL"), TrpValue(std::int64_t{5}));
    EXPECT_EQ(vars.Variables("ВЫСОТА"), TrpValue(2.5));
    vars.SetVariables("total", std::string("x"));
    EXPECT_EQ(vars.Count(), 2);
    EXPECT_EQ(vars.Items(0)->Name(), "Total");
    EXPECT_EQ(vars.Variables("Total"), TrpValue(std::string("x")));
}

TEST(VariablesTest, FirstOfTwoEqualNamesWins) {
    TrpVariables vars;
    vars.Add()->SetName("A");
    vars.Items(0)->SetValue(std::int64_t{1});
    vars.Add()->SetName("a");
    vars.Items(1)->SetValue(std::int64_t{2});
    EXPECT_EQ(vars.Variables("A"), TrpValue(std::int64_t{1}));
    EXPECT_EQ(vars.IndexOf("a"), 0);
}

TEST(VariablesTest, ArrayKeysOfEqualTextAddressOneItem) {
    TrpArray array;
    array.SetVariables(std::int64_t{5}, std::string("five"));
    EXPECT_EQ(array.Variables(std::string("5")), TrpValue(std::string("five")));
    array.SetVariables(std::string("5"), std::string("again"));
    EXPECT_EQ(array.Count(), 1);
    EXPECT_EQ(array.IndexOf(std::int64_t{5}), 0);
    EXPECT_TRUE(IsNull(array.Variables(true)));
}

TEST(VariablesTest, AssignCopiesNameAndValue) {
    TrpVariables vars;
    vars.SetVariables("Copy", 1.5);
    TrpVariables other;
    other.Assign(&vars);
    EXPECT_EQ(other.Variables("copy"), TrpValue(1.5));
}

}  // namespace
