// Automation members called through the dispatch interface of one of our
// own objects: argument order, property writes, failures and the fixed
// argument block.
#include "script/core/CustomVariable.h"
#include "script/members/MethodHelper.h"
#include "script/members/OLEHelper.h"
#include "ui/core/Exceptions.h"
#include "ui/core/Object.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace {

// Remembers each call; "Sum" adds its arguments, "Value" is a property
// (indexed when given an argument), "Broken" fails with a description.
class RecordingDispatch : public TObject, public IScriptDispatch {
public:
    std::int32_t GetIDsOfNames(const std::string& name, std::int32_t& dispId) override {
        const auto found = ids_.find(name);
        if (found == ids_.end()) return kDispatchUnknownName;
        dispId = found->second;
        return kDispatchOk;
    }

    std::int32_t Invoke(std::int32_t dispId, TDispatchKind kind, const TDispatchParams& params, Variant* result,
                        TDispatchException& error) override {
        lastKind = kind;
        lastParams = params;
        lastHadResult = result != nullptr;
        if (dispId == kBroken) {
            error.Source = "Recorder";
            error.Description = "refused";
            return kDispatchMemberNotFound;
        }
        if (dispId == kSum) {
            std::int64_t sum = 0;
            for (const Variant& arg : params.Args) sum += arg.AsInteger();
            if (result) *result = Variant(sum);
            return kDispatchOk;
        }
        if (kind == TDispatchKind::PropertyPut) {
            // The written value comes first, its index after it.
            values[params.Args.size() > 1 ? params.Args[1].AsString() : ""] = params.Args[0];
            return kDispatchOk;
        }
        if (result) *result = values[params.Args.empty() ? "" : params.Args[0].AsString()];
        return kDispatchOk;
    }

    TDispatchKind lastKind = TDispatchKind::Method;
    TDispatchParams lastParams;
    bool lastHadResult = false;
    std::map<std::string, Variant> values;

private:
    static constexpr std::int32_t kSum = 1;
    static constexpr std::int32_t kValue = 2;
    static constexpr std::int32_t kBroken = 3;
    const std::map<std::string, std::int32_t> ids_{{"Sum", kSum}, {"Value", kValue}, {"Broken", kBroken}};
};

struct Member {
    TscOLEHelper helper;
    RecordingDispatch& target;

    Member(const std::string& name, RecordingDispatch& object) : helper(name), target(object) {
        helper.ParentValue = ObjectToVariant(&object);
    }
    void Argument(const Variant& value) {
        auto param = std::make_unique<TscParamItem>("", fvtVariant, "Variant", false, false);
        param->SetValue(value);
        helper.Add(std::move(param));
    }
};

}  // namespace

TEST(AutomationDispatchTest, MethodCallPassesArgumentsLastFirstAndGivesTheResult) {
    RecordingDispatch object;
    Member sum("Sum", object);
    for (int value : {1, 20, 300}) sum.Argument(Variant(value));
    EXPECT_EQ(sum.helper.GetValue().AsInteger(), 321);
    ASSERT_EQ(object.lastParams.Args.size(), 3u);
    EXPECT_EQ(object.lastParams.Args[0].AsInteger(), 300);
    EXPECT_EQ(object.lastParams.Args[2].AsInteger(), 1);
    EXPECT_TRUE(object.lastParams.NamedArgs.empty());
    EXPECT_EQ(object.lastKind, TDispatchKind::MethodOrGet);
    EXPECT_TRUE(object.lastHadResult);
}

TEST(AutomationDispatchTest, CallStatementPassesNoResultPlace) {
    RecordingDispatch object;
    Member sum("Sum", object);
    sum.helper.NeedResult = false;
    sum.helper.GetValue();
    EXPECT_FALSE(object.lastHadResult);
    EXPECT_EQ(object.lastKind, TDispatchKind::Method);
}

TEST(AutomationDispatchTest, IndexedPropertyWriteNamesItsValueAndReadsBack) {
    RecordingDispatch object;
    Member write("Value", object);
    write.Argument(Variant(std::string("key")));
    write.helper.SetValue(Variant(std::string("stored")));
    EXPECT_EQ(object.lastKind, TDispatchKind::PropertyPut);
    ASSERT_EQ(object.lastParams.Args.size(), 2u);
    ASSERT_EQ(object.lastParams.NamedArgs.size(), 1u);
    EXPECT_EQ(object.lastParams.NamedArgs[0], kDispIdPropertyPut);
    EXPECT_FALSE(object.lastHadResult);

    Member read("Value", object);
    read.Argument(Variant(std::string("key")));
    EXPECT_EQ(read.helper.GetValue().AsString(), "stored");
}

TEST(AutomationDispatchTest, FailuresNameTheCodeAndTheMember) {
    struct Case {
        const char* member;
        const char* message;
    };
    const Case cases[] = {
        {"Missing", "OLE error 80020006: Missing: Unknown name."},
        {"Broken", "OLE error 80020003: Broken: Member not found.\r\nSource        ::  Recorder\r\nDescription ::  refused"},
    };
    for (const Case& test : cases) {
        RecordingDispatch object;
        Member member(test.member, object);
        try {
            member.helper.GetValue();
            ADD_FAILURE() << test.member << " did not fail";
        } catch (const Exception& error) {
            EXPECT_EQ(std::string(error.what()), test.message);
        }
    }
}

TEST(AutomationDispatchTest, ObjectWithoutDispatchIsAnErrorNotACrash) {
    TObject plain;
    TscOLEHelper helper("Anything");
    helper.ParentValue = ObjectToVariant(&plain);
    EXPECT_THROW(helper.GetValue(), Exception);
    helper.ParentValue = Variant::Null();
    EXPECT_THROW(helper.GetValue(), Exception);
}

TEST(AutomationDispatchTest, MoreArgumentsThanTheBlockHoldsAreRefused) {
    RecordingDispatch object;
    Member full("Sum", object);
    for (int i = 0; i < kMaxDispatchArgs; ++i) full.Argument(Variant(1));
    EXPECT_EQ(full.helper.GetValue().AsInteger(), kMaxDispatchArgs);

    Member over("Sum", object);
    for (int i = 0; i <= kMaxDispatchArgs; ++i) over.Argument(Variant(1));
    object.lastParams = {};
    EXPECT_THROW(over.helper.GetValue(), Exception);
    EXPECT_TRUE(object.lastParams.Args.empty()) << "the object was called";

    // A property write adds the value to its indexes: 64 indexes are one too many.
    Member write("Value", object);
    for (int i = 0; i < kMaxDispatchArgs; ++i) write.Argument(Variant(i));
    EXPECT_THROW(write.helper.SetValue(Variant(0)), Exception);
}
