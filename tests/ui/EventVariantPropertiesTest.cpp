#include "ui/core/Component.h"
#include "ui/core/Events.h"
#include "ui/core/Exceptions.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/TypeInfo.h"
#include "ui/variant/Variant.h"

#include <gtest/gtest.h>

#include <memory>

// Event and variant properties: a component with an event held in a data
// member, one behind a setter, and a variant value.
namespace {

using TCountEvent = std::function<void(TObject* Sender, int& Count)>;

class TProbe : public TComponent {
    DECLARE_CLASS_INFO
public:
    using TComponent::TComponent;
    TNotifyEvent OnClick;
    const TCountEvent& OnCount() const { return onCount_; }
    void SetOnCount(TCountEvent handler) {
        onCount_ = std::move(handler);
        ++countSets;
    }
    const Variant& Value() const { return value_; }
    void SetValue(const Variant& value) { value_ = value; }
    int countSets = 0;

private:
    TCountEvent onCount_;
    Variant value_;
};

const TClassInfo& TProbe::StaticClass() {
    static const TClassInfo info = TPublished<TProbe>("TProbe", TComponent::StaticClass())
                                       .Event("OnClick", &TProbe::OnClick, &TProbe::OnClick)
                                       .Event("OnCount", &TProbe::OnCount, &TProbe::SetOnCount)
                                       .Variant("Value", &TProbe::Value, &TProbe::SetValue)
                                       .Build();
    return info;
}

struct Registered {
    Registered() { RegisterClass(TProbe::StaticClass()); }
    ~Registered() { UnRegisterClass(TProbe::StaticClass()); }
};

}  // namespace

TEST(EventProperties, HandlersAreSetReadAndClearedByName) {
    TProbe probe(nullptr);
    const TPropInfo& click = PropInfoOf(probe, "onclick");
    EXPECT_EQ(click.Kind, TTypeKind::tkMethod);
    EXPECT_EQ(*click.MethodType, typeid(TNotifyEvent));
    EXPECT_TRUE(click.Writable());
    EXPECT_FALSE(GetMethodProp(probe, "OnClick").Assigned());

    TObject* clickedBy = nullptr;
    SetMethodProp(probe, "OnClick", TNotifyEvent([&](TObject* sender) { clickedBy = sender; }));
    ASSERT_TRUE(probe.OnClick);
    probe.OnClick(&probe);
    EXPECT_EQ(clickedBy, &probe);

    // Read back, the handler is the one stored and can be moved to another object.
    TMethod read = GetMethodProp(probe, "OnClick");
    ASSERT_TRUE(read.Assigned());
    ASSERT_NE(read.Target<TNotifyEvent>(), nullptr);
    EXPECT_EQ(read.Target<TCountEvent>(), nullptr);
    TProbe other(nullptr);
    SetMethodProp(other, "OnClick", read);
    other.OnClick(&other);
    EXPECT_EQ(clickedBy, &other);

    SetMethodProp(probe, "OnClick", TMethod());
    EXPECT_FALSE(probe.OnClick);
    EXPECT_FALSE(GetMethodProp(probe, "OnClick").Assigned());
}

TEST(EventProperties, SetterIsCalledAndVarArgumentsReachTheHost) {
    TProbe probe(nullptr);
    SetMethodProp(probe, "OnCount", TCountEvent([](TObject*, int& count) { count *= 2; }));
    EXPECT_EQ(probe.countSets, 1);
    int count = 21;
    probe.OnCount()(&probe, count);
    EXPECT_EQ(count, 42);
    // An empty handler of the right signature is no handler either.
    SetMethodProp(probe, "OnCount", TCountEvent());
    EXPECT_FALSE(probe.OnCount());
    EXPECT_FALSE(GetMethodProp(probe, "OnCount").Assigned());
}

TEST(EventProperties, WrongSignatureOrKindIsRefusedAndLeavesTheHandler) {
    TProbe probe(nullptr);
    bool clicked = false;
    probe.OnClick = [&](TObject*) { clicked = true; };
    EXPECT_THROW(SetMethodProp(probe, "OnClick", TCountEvent([](TObject*, int&) {})), EPropertyConvertError);
    ASSERT_TRUE(probe.OnClick);
    probe.OnClick(nullptr);
    EXPECT_TRUE(clicked);
    // Events are reached only as events, and other kinds never as events.
    EXPECT_THROW(GetOrdProp(probe, "OnClick"), EPropertyError);
    EXPECT_THROW(GetStrProp(probe, "OnClick"), EPropertyError);
    EXPECT_THROW(GetMethodProp(probe, "Tag"), EPropertyError);
    EXPECT_THROW(GetMethodProp(probe, "Value"), EPropertyError);
    EXPECT_THROW(GetMethodProp(probe, "OnMissing"), EPropertyError);
}

TEST(VariantProperties, ValuesKeepTheirKindThroughGetAndSet) {
    TProbe probe(nullptr);
    EXPECT_EQ(PropInfoOf(probe, "Value").Kind, TTypeKind::tkVariant);
    EXPECT_TRUE(GetVariantProp(probe, "Value").IsEmpty());
    SetVariantProp(probe, "value", Variant("текст"));
    EXPECT_EQ(probe.Value().VarType(), varString);
    EXPECT_EQ(GetVariantProp(probe, "Value").AsString(), "текст");
    SetVariantProp(probe, "Value", Variant::Null());
    EXPECT_TRUE(GetVariantProp(probe, "Value").IsNull());
    EXPECT_THROW(GetOrdProp(probe, "Value"), EPropertyError);
    EXPECT_THROW(SetVariantProp(probe, "Tag", Variant(1)), EPropertyError);
}

TEST(VariantProperties, StreamedValuesComeBackOfTheSameKind) {
    Registered registered;
    const Variant values[] = {Variant(std::int32_t{-7}),     Variant(std::int64_t{1} << 40), Variant(2.5),
                              Variant(std::string("a,b")), Variant(true),                   Variant(false),
                              Variant::Null()};
    for (const Variant& value : values) {
        SCOPED_TRACE(VarToStr(value));
        TProbe probe(nullptr);
        probe.SetName("Probe1");
        probe.SetValue(value);
        probe.OnClick = [](TObject*) {};  // handlers are not data: nothing is written for them
        TMemoryStream stream;
        stream.WriteComponent(&probe);
        stream.SetPosition(0);
        std::unique_ptr<TComponent> read(stream.ReadComponent(nullptr));
        auto* copy = dynamic_cast<TProbe*>(read.get());
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(copy->Value().VarType(), value.VarType());
        EXPECT_TRUE(copy->Value() == value);
        EXPECT_FALSE(copy->OnClick);
    }
}

TEST(VariantProperties, EmptyIsNotWrittenAndAnArrayIsRefused) {
    Registered registered;
    TProbe probe(nullptr);
    probe.SetName("Probe1");
    TMemoryStream empty;
    empty.WriteComponent(&probe);
    probe.SetValue(Variant(0));
    TMemoryStream zero;
    zero.WriteComponent(&probe);
    EXPECT_GT(zero.Size(), empty.Size());

    probe.SetValue(VarArrayOf({Variant(1), Variant(2)}));
    TMemoryStream array;
    EXPECT_THROW(array.WriteComponent(&probe), EWriteError);
}
