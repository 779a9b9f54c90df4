#include "ui/core/ScopeGuards.h"
#include "ui/core/StringList.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

TEST(ScopeExit, RunsOnceOnAReturnAndOnAnException) {
    int runs = 0;
    { ScopeExit count([&] { ++runs; }); }
    EXPECT_EQ(runs, 1);
    try {
        ScopeExit count([&] { ++runs; });
        throw std::runtime_error("body");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(runs, 2);
}

TEST(ScopeExit, ADismissedCleanupDoesNotRun) {
    int runs = 0;
    {
        ScopeExit undo([&] { ++runs; });
        undo.Dismiss();
    }
    EXPECT_EQ(runs, 0);
    try {
        ScopeExit undo([&] { ++runs; });
        throw std::runtime_error("before the work was done");
        undo.Dismiss();
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(runs, 1);
}

TEST(ScopeExit, ACleanupFailureReachesTheCallerOnlyWhenNothingElseUnwinds) {
    auto failingCleanup = [] { throw std::runtime_error("cleanup"); };
    try {
        ScopeExit fail(failingCleanup);
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "cleanup");
    }
    try {
        ScopeExit fail(failingCleanup);
        throw std::logic_error("body");
    } catch (const std::logic_error& e) {
        EXPECT_EQ(std::string(e.what()), "body");
    } catch (...) {
        ADD_FAILURE() << "the body's exception was replaced";
    }
}

TEST(UpdateScope, EndsTheUpdateItBeganOnEveryPath) {
    TStringList list;
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    {
        UpdateScope update(list);
        EXPECT_EQ(list.UpdateCount(), 1);
        list.Add("a");
        list.Add("b");
        EXPECT_EQ(changes, 0);
    }
    EXPECT_EQ(list.UpdateCount(), 0);
    EXPECT_EQ(changes, 1);
    try {
        UpdateScope update(list);
        throw std::runtime_error("body");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(list.UpdateCount(), 0);
}
