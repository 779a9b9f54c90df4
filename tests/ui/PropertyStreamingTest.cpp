#include "ui/core/Collection.h"
#include "ui/core/Component.h"
#include "ui/core/Exceptions.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/Reader.h"
#include "ui/core/StringList.h"
#include "ui/core/TypeInfo.h"
#include "ui/core/Writer.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// A small tree of components as forms hold them: nodes with a parent, a pen
// sub-object, a collection, a string list, a reference and raw bytes.
namespace {

enum class TShapeKind { skBox, skCircle, skLine };
enum class TNodeOption { noBorder, noShadow, noGlow };

const TEnumInfo& ShapeKindInfo() {
    static const TEnumInfo info("TShapeKind", {"skBox", "skCircle", "skLine"});
    return info;
}
const TEnumInfo& NodeOptionInfo() {
    static const TEnumInfo info("TNodeOption", {"noBorder", "noShadow", "noGlow"});
    return info;
}

class TTestPen : public TPersistent {
    DECLARE_CLASS_INFO
public:
    int Color = 0;
    int Width = 1;
    void Assign(const TPersistent* source) override {
        if (auto* pen = dynamic_cast<const TTestPen*>(source)) {
            Color = pen->Color;
            Width = pen->Width;
            return;
        }
        TPersistent::Assign(source);
    }
};

const TClassInfo& TTestPen::StaticClass() {
    static const TClassInfo info = TPublished<TTestPen>("TTestPen", TPersistent::StaticClass())
                                       .Integer("Color", &TTestPen::Color, &TTestPen::Color, 0)
                                       .Integer("Width", &TTestPen::Width, &TTestPen::Width, 1)
                                       .Build();
    return info;
}

class TTestItem : public TCollectionItem {
    DECLARE_CLASS_INFO
public:
    using TCollectionItem::TCollectionItem;
    std::string Text;
    double Value = 0;
};

const TClassInfo& TTestItem::StaticClass() {
    static const TClassInfo info = TPublished<TTestItem>("TTestItem", TCollectionItem::StaticClass())
                                       .String("Text", &TTestItem::Text, &TTestItem::Text)
                                       .Float("Value", &TTestItem::Value, &TTestItem::Value)
                                       .Build();
    return info;
}

class TTestNode : public TComponent {
    DECLARE_CLASS_INFO
public:
    explicit TTestNode(TComponent* owner) : TComponent(owner), items_(TTestItem::StaticClass(), this) {}
    // Children are freed later by their owner: they must not reach back.
    ~TTestNode() override {
        for (TTestNode* child : children_) child->parent_ = nullptr;
        SetParent(nullptr);
    }

    TTestNode* Parent() const { return parent_; }
    void SetParent(TTestNode* parent) {
        if (parent_) std::erase(parent_->children_, this);
        parent_ = parent;
        if (parent_) parent_->children_.push_back(this);
    }
    const std::vector<TTestNode*>& Children() const { return children_; }

    std::string Caption;
    int Width = 100;
    bool Visible = true;
    double Scale = 0;
    TShapeKind Kind = TShapeKind::skBox;
    TSet<TNodeOption> Options{TNodeOption::noBorder};
    TTestPen Pen;
    TStringList Lines;
    std::string Data;  // raw bytes, kept as a binary property
    int loadedCalls = 0;

    TTestNode* Buddy() const { return buddy_; }
    void SetBuddy(TTestNode* buddy) {
        buddy_ = buddy;
        if (buddy) buddy->FreeNotification(this);
    }
    TCollection& Items() { return items_; }
    TCollection* ItemsPtr() { return &items_; }
    TTestPen* PenPtr() { return &Pen; }
    TStringList* LinesPtr() { return &Lines; }

    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override { return parent_; }
    void SetParentComponent(TComponent* parent) override { SetParent(dynamic_cast<TTestNode*>(parent)); }
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override {
        for (TTestNode* child : children_)
            if (child->Owner() == root) proc(child);
    }
    void DefineProperties(TFiler& filer) override {
        TComponent::DefineProperties(filer);
        filer.DefineBinaryProperty(
            "Data",
            [this](TStream& s) {
                Data.resize(static_cast<std::size_t>(s.Size()));
                s.ReadBuffer(Data.data(), s.Size());
            },
            [this](TStream& s) { s.WriteBuffer(Data.data(), static_cast<std::int64_t>(Data.size())); },
            !Data.empty());
    }
    void Loaded() override {
        TComponent::Loaded();
        ++loadedCalls;
    }
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove && component == buddy_) buddy_ = nullptr;
    }

private:
    TTestNode* parent_ = nullptr;
    std::vector<TTestNode*> children_;
    TTestNode* buddy_ = nullptr;
    TCollection items_;
};

const TClassInfo& TTestNode::StaticClass() {
    static const TClassInfo info =
        TPublished<TTestNode>("TTestNode", TComponent::StaticClass())
            .String("Caption", &TTestNode::Caption, &TTestNode::Caption)
            .Integer("Width", &TTestNode::Width, &TTestNode::Width, 100)
            .Boolean("Visible", &TTestNode::Visible, &TTestNode::Visible, true)
            .Float("Scale", &TTestNode::Scale, &TTestNode::Scale)
            .Enumeration("Kind", ShapeKindInfo(), &TTestNode::Kind, &TTestNode::Kind, 0)
            .Set("Options", NodeOptionInfo(), &TTestNode::Options, &TTestNode::Options, 1)
            .Object("Pen", &TTestPen::StaticClass, &TTestNode::PenPtr, nullptr)
            .Object("Lines", &TStringList::StaticClass, &TTestNode::LinesPtr, nullptr)
            .Object("Items", &TCollection::StaticClass, &TTestNode::ItemsPtr, nullptr)
            .Object("Buddy", &TTestNode::StaticClass, &TTestNode::Buddy, &TTestNode::SetBuddy)
            .Build();
    return info;
}

struct Registered {
    Registered() { RegisterClass(TTestNode::StaticClass()); }
    ~Registered() { UnRegisterClass(TTestNode::StaticClass()); }
};

TTestNode* AddNode(TTestNode& root, TTestNode* parent, const std::string& name) {
    auto* node = new TTestNode(&root);
    node->SetName(name);
    node->SetParent(parent);
    return node;
}

}  // namespace

TEST(TypeInfo, PropertiesComeInheritedFirstAndAreReachedByName) {
    std::vector<std::string> names;
    for (const TPropInfo* p : TTestNode::StaticClass().Properties()) names.push_back(p->Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Name", "Tag", "Caption", "Width", "Visible", "Scale", "Kind",
                                               "Options", "Pen", "Lines", "Items", "Buddy"}));
    TTestNode node(nullptr);
    SetOrdProp(node, "width", 42);
    SetEnumProp(node, "Kind", "SKCIRCLE");
    SetSetProp(node, "Options", "[noShadow, noGlow]");
    SetStrProp(node, "Caption", "Привет");
    SetFloatProp(node, "Scale", 2.5);
    EXPECT_EQ(node.Width, 42);
    EXPECT_EQ(GetEnumProp(node, "Kind"), "skCircle");
    EXPECT_EQ(GetSetProp(node, "Options", true), "[noShadow,noGlow]");
    EXPECT_EQ(GetStrProp(node, "caption"), "Привет");
    EXPECT_EQ(GetFloatProp(node, "Scale"), 2.5);
    EXPECT_EQ(GetObjectProp(node, "Pen"), &node.Pen);
    EXPECT_EQ(GetOrdProp(node, "Visible"), 1);

    EXPECT_THROW(GetOrdProp(node, "Nope"), EPropertyError);
    EXPECT_THROW(GetOrdProp(node, "Caption"), EPropertyError);       // not ordinal
    EXPECT_THROW(SetObjectProp(node, "Pen", nullptr), EPropertyError);  // read-only sub-object
    EXPECT_THROW(SetEnumProp(node, "Kind", "skStar"), EPropertyConvertError);
    EXPECT_THROW(SetSetProp(node, "Options", "[noShadow,noFog]"), EPropertyConvertError);
}

TEST(TypeInfo, ClassRegistryMakesComponentsByName) {
    Registered registered;
    EXPECT_EQ(GetClass("ttestnode"), &TTestNode::StaticClass());
    EXPECT_THROW(FindClass("TNoSuchClass"), EClassNotFound);
    TComponent owner(nullptr);
    TPersistent* made = FindClass("TTestNode").Create(&owner);
    ASSERT_NE(dynamic_cast<TTestNode*>(made), nullptr);
    EXPECT_EQ(static_cast<TTestNode*>(made)->Owner(), &owner);
    EXPECT_EQ(made->ClassName(), "TTestNode");
    EXPECT_TRUE(made->InheritsFrom(TComponent::StaticClass()));
}

TEST(ComponentStreaming, TreeWithSubObjectsReferencesAndBinaryDataRoundTrips) {
    Registered registered;
    TTestNode form(nullptr);
    form.SetName("Form1");
    form.Caption = "Окно";
    TTestNode* panel = AddNode(form, &form, "Panel1");
    panel->Width = 300;
    panel->Visible = false;
    panel->Scale = 0.125;
    panel->Kind = TShapeKind::skLine;
    panel->Options = {TNodeOption::noShadow, TNodeOption::noGlow};
    panel->Pen.Color = 0xB3B3FF;
    panel->Lines.SetText("строка 1\r\nline 2");
    panel->Data = std::string("\0\x01\xFF bytes", 9);
    panel->SetTag(-98);
    auto* item = static_cast<TTestItem*>(panel->Items().Add());
    item->Text = "first";
    item->Value = -1.5;
    static_cast<TTestItem*>(panel->Items().Add())->Text = std::string(300, 'x');  // a long string
    TTestNode* button = AddNode(form, panel, "Button1");
    button->Caption = "OK";
    button->SetBuddy(panel);

    TMemoryStream stream;
    stream.WriteComponent(&form);

    // Read into a fresh root: every child is made from the class registry.
    stream.SetPosition(0);
    std::unique_ptr<TComponent> read(stream.ReadComponent(nullptr));
    auto* copy = dynamic_cast<TTestNode*>(read.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Name(), "Form1");
    EXPECT_EQ(copy->Caption, "Окно");
    auto* panel2 = dynamic_cast<TTestNode*>(copy->FindComponent("Panel1"));
    auto* button2 = dynamic_cast<TTestNode*>(copy->FindComponent("Button1"));
    ASSERT_NE(panel2, nullptr);
    ASSERT_NE(button2, nullptr);
    EXPECT_EQ(panel2->Parent(), copy);
    EXPECT_EQ(button2->Parent(), panel2);
    EXPECT_EQ(panel2->Width, 300);
    EXPECT_FALSE(panel2->Visible);
    EXPECT_EQ(panel2->Scale, 0.125);
    EXPECT_EQ(panel2->Kind, TShapeKind::skLine);
    EXPECT_EQ(panel2->Options, (TSet<TNodeOption>{TNodeOption::noShadow, TNodeOption::noGlow}));
    EXPECT_EQ(panel2->Pen.Color, 0xB3B3FF);
    EXPECT_EQ(panel2->Lines.Text(), "строка 1\r\nline 2\r\n");
    EXPECT_EQ(panel2->Data, panel->Data);
    EXPECT_EQ(panel2->Tag(), -98);
    ASSERT_EQ(panel2->Items().Count(), 2);
    EXPECT_EQ(static_cast<TTestItem*>(panel2->Items().Items(0))->Text, "first");
    EXPECT_EQ(static_cast<TTestItem*>(panel2->Items().Items(0))->Value, -1.5);
    EXPECT_EQ(static_cast<TTestItem*>(panel2->Items().Items(1))->Text.size(), 300u);
    EXPECT_EQ(button2->Buddy(), panel2);  // resolved after reading
    EXPECT_EQ(button2->Caption, "OK");
    EXPECT_EQ(panel2->loadedCalls, 1);
    EXPECT_FALSE(panel2->IsLoading());

    // Written again, the copy gives the same bytes.
    TMemoryStream again;
    again.WriteComponent(copy);
    EXPECT_EQ(again.Bytes(), stream.Bytes());
}

TEST(ComponentStreaming, DefaultsAreNotWrittenAndExistingComponentsAreUpdated) {
    Registered registered;
    TTestNode form(nullptr);
    form.SetName("Form1");
    TTestNode* panel = AddNode(form, &form, "Panel1");
    TMemoryStream plain;
    plain.WriteComponent(&form);
    panel->Width = 7;
    TMemoryStream changed;
    changed.WriteComponent(&form);
    EXPECT_GT(changed.Size(), plain.Size());  // only a changed value adds bytes

    // A form built in code takes the stored values into its own components.
    TTestNode built(nullptr);
    built.SetName("Form1");
    TTestNode* own = AddNode(built, &built, "Panel1");
    changed.SetPosition(0);
    changed.ReadComponent(&built);
    EXPECT_EQ(built.ComponentCount(), 1);
    EXPECT_EQ(own->Width, 7);
}

TEST(ComponentStreaming, DamagedDataRaisesAndLeaksNothing) {
    Registered registered;
    TTestNode form(nullptr);
    form.SetName("Form1");
    TTestNode* panel = AddNode(form, &form, "Panel1");
    panel->Caption = std::string(1000, 'c');
    panel->Data = "bytes";
    TMemoryStream stream;
    stream.WriteComponent(&form);
    std::string bytes(stream.Bytes());

    // Every truncation and a wrong signature raise a read error.
    for (std::size_t length : {std::size_t{0}, std::size_t{3}, std::size_t{10}, bytes.size() / 2, bytes.size() - 1}) {
        TStringStream cut(bytes.substr(0, length));
        EXPECT_THROW(std::unique_ptr<TComponent>(cut.ReadComponent(nullptr)), EReadError) << length;
    }
    // A huge string length is refused before anything is reserved.
    std::string huge = bytes;
    std::size_t at = huge.find(std::string(1, '\x0C'));
    ASSERT_NE(at, std::string::npos);
    huge.replace(at + 1, 4, "\xFF\xFF\xFF\x7F");
    TStringStream bad(huge);
    EXPECT_THROW(std::unique_ptr<TComponent>(bad.ReadComponent(nullptr)), EReadError);
    // An unknown class is a class-not-found error.
    std::string unknown = bytes;
    unknown.replace(unknown.find("TTestNode", 10), 9, "TNotThere");
    TStringStream strange(unknown);
    EXPECT_THROW(std::unique_ptr<TComponent>(strange.ReadComponent(nullptr)), EClassNotFound);
}

TEST(ComponentStreaming, AReadCutAnywhereLeavesTheRootUnmarkedAndItsListsOutOfUpdate) {
    Registered registered;
    TTestNode form(nullptr);
    form.SetName("Form1");
    form.Lines.SetText("one\ntwo\nthree\n");
    for (const char* text : {"a", "b", "c"}) static_cast<TTestItem*>(form.Items().Add())->Text = text;
    AddNode(form, &form, "Panel1")->Caption = "panel";
    TMemoryStream stream;
    stream.WriteComponent(&form);
    std::string bytes(stream.Bytes());

    // Past the signature, so the cut falls in the root's state, its list, its collection or its child.
    for (std::size_t length = 4; length < bytes.size(); ++length) {
        TTestNode target(nullptr);
        TStringStream cut(bytes.substr(0, length));
        EXPECT_THROW(cut.ReadComponent(&target), EReadError) << length;
        EXPECT_FALSE(target.ComponentState().Contains(TComponentStateItem::csLoading)) << length;
        EXPECT_FALSE(target.ComponentState().Contains(TComponentStateItem::csReading)) << length;
        EXPECT_EQ(target.Lines.UpdateCount(), 0) << length;
        EXPECT_EQ(target.Items().UpdateCount(), 0) << length;
    }
}
