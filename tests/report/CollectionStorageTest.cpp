#include "report/objects/Report.h"
#include "report/storage/CollectionStorage.h"
#include "report/storage/XmlSerializer.h"
#include "report/utils/Conversions.h"
#include "report/variables/Variables.h"
#include "ui/core/Collection.h"
#include "ui/core/Exceptions.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/Reader.h"
#include "ui/core/Writer.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

class TStoredItem : public TCollectionItem {
    DECLARE_CLASS_INFO
public:
    using TCollectionItem::TCollectionItem;
    std::string Name;
    int Size = 0;
};

}  // namespace

const TClassInfo& TStoredItem::StaticClass() {
    static const TClassInfo info = TPublished<TStoredItem>("TStoredItem", TCollectionItem::StaticClass())
                                       .String("Name", &TStoredItem::Name, &TStoredItem::Name)
                                       .Integer("Size", &TStoredItem::Size, &TStoredItem::Size, 0)
                                       .Build();
    return info;
}

namespace {

using Items = std::vector<std::pair<std::string, int>>;

void Fill(TCollection& c, const Items& items) {
    for (const auto& [name, size] : items) {
        auto* item = static_cast<TStoredItem*>(c.Add());
        item->Name = name;
        item->Size = size;
    }
}

Items Contents(const TCollection& c) {
    Items items;
    for (int i = 0; i < c.Count(); ++i) {
        auto* item = static_cast<TStoredItem*>(c.Items(i));
        items.emplace_back(item->Name, item->Size);
    }
    return items;
}

struct CollectionStorage : ::testing::Test {
    TrpReport report{nullptr};
    TCollection stored{TStoredItem::StaticClass()};
    TCollection loaded{TStoredItem::StaticClass()};
    TMemoryStream data;

    void Store(bool writingXml) {
        report.SetWritingObject(writingXml);
        TWriter writer(data);
        rpStoreCollection(stored, writer, report);
        report.SetWritingObject(false);
        data.SetPosition(0);
    }
    void Load() {
        TReader reader(data);
        rpLoadCollection(loaded, reader, report);
    }
};

TEST_F(CollectionStorage, BothFormsGiveTheItemsBack) {
    const Items items = {{"Заголовок", 12}, {"", 0}, {"Итог \"сумма\" <всего>", -3}};
    for (bool writingXml : {true, false}) {
        stored.Clear();
        loaded.Clear();
        data.Clear();
        Fill(stored, items);
        Fill(loaded, {{"старый", 1}});  // what was there goes
        Store(writingXml);
        TValueType form = static_cast<TValueType>(static_cast<unsigned char>(data.Memory()[0]));
        EXPECT_EQ(form, writingXml ? TValueType::vaList : TValueType::vaCollection);
        Load();
        EXPECT_EQ(Contents(loaded), items) << writingXml;
        EXPECT_EQ(data.Position(), data.Size()) << writingXml;
        EXPECT_EQ(report.Errors().Count(), 0);
    }
}

TEST_F(CollectionStorage, TheXmlFormCarriesEachItemsAttributeText) {
    Fill(stored, {{"Шапка", 4}});
    Store(true);
    TReader reader(data);
    reader.ReadListBegin();
    reader.ReadListBegin();
    EXPECT_EQ(reader.ReadString(), " Name=\"Шапка\" Size=\"4\"");
    reader.ReadListEnd();
    EXPECT_TRUE(reader.EndOfList());
}

TEST_F(CollectionStorage, PlainFormDataTextsHaveTheirHighBytesDecoded) {
    Fill(stored, {{rpEscapeHighChars("Пуск", true), 7}});
    Store(false);
    Load();
    EXPECT_EQ(Contents(loaded), (Items{{"Пуск", 7}}));
}

TEST_F(CollectionStorage, ABadAttributeIsReportedAndTheRestOfTheItemStays) {
    {
        TWriter writer(data);
        writer.WriteListBegin();
        writer.WriteListBegin();
        writer.WriteString(" Name=\"Шапка\" Size=\"много\"");
        writer.WriteListEnd();
        writer.WriteListEnd();
    }
    data.SetPosition(0);
    Load();
    EXPECT_EQ(Contents(loaded), (Items{{"Шапка", 0}}));
    EXPECT_EQ(report.Errors().Count(), 1);
}

TEST_F(CollectionStorage, TheReadersSerializerCollectsTheErrorsWhileOneIsActive) {
    {
        TWriter writer(data);
        writer.WriteListBegin();
        writer.WriteListBegin();
        writer.WriteString(" Size=\"много\"");
        writer.WriteListEnd();
        writer.WriteListEnd();
    }
    data.SetPosition(0);
    TrpXMLSerializer active(nullptr);
    report.SetCurrentReader(&active);
    Load();
    report.SetCurrentReader(nullptr);
    EXPECT_EQ(active.Errors.Count(), 1);
    EXPECT_EQ(report.Errors().Count(), 0);
    EXPECT_EQ(loaded.Count(), 1);
}

TEST_F(CollectionStorage, DataOfAnotherShapeIsRefused) {
    const std::vector<std::vector<unsigned char>> damaged = {
        {},                                                  // nothing
        {static_cast<unsigned char>(TValueType::vaInt8), 5},  // no list
        {static_cast<unsigned char>(TValueType::vaList), static_cast<unsigned char>(TValueType::vaList),
         static_cast<unsigned char>(TValueType::vaInt8), 5},  // an item without its text
        {static_cast<unsigned char>(TValueType::vaList), static_cast<unsigned char>(TValueType::vaList),
         static_cast<unsigned char>(TValueType::vaLString), 0xFF, 0xFF, 0xFF, 0x7F, 'a'},  // cut long text
        {static_cast<unsigned char>(TValueType::vaList)},  // the list never ends
    };
    for (const auto& bytes : damaged) {
        data.Clear();
        if (!bytes.empty()) data.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
        data.SetPosition(0);
        EXPECT_ANY_THROW(Load()) << bytes.size();
    }
}

}  // namespace

namespace {

// Report variables keep their values in both forms; texts of the older
// form data come back with their high bytes decoded.
TEST(VariableCollectionStorage, ValuesSurviveBothForms) {
    for (bool writingXml : {true, false}) {
        SCOPED_TRACE(writingXml ? "report XML form" : "form data");
        TrpReport report(nullptr);
        TrpVariables stored;
        stored.SetVariables("Count", std::int64_t{42});
        stored.SetVariables("Title", std::string("Апогей"));
        stored.SetVariables("Escaped", rpEscapeHighChars("Пуск", true));
        TMemoryStream data;
        report.SetWritingObject(writingXml);
        {
            TWriter writer(data);
            rpStoreCollection(stored, writer, report);
        }
        report.SetWritingObject(false);
        data.SetPosition(0);
        TrpVariables loaded;
        TReader reader(data);
        rpLoadCollection(loaded, reader, report);
        EXPECT_EQ(report.Errors().Count(), 0) << report.Errors().Text();
        ASSERT_EQ(loaded.Count(), 3);
        EXPECT_EQ(ValueText(loaded.Variables("Count")), "42");
        EXPECT_EQ(ValueText(loaded.Variables("Title")), "Апогей");
        const std::string escaped = ValueText(loaded.Variables("Escaped"));
        EXPECT_EQ(escaped, writingXml ? rpEscapeHighChars("Пуск", true) : "Пуск");
    }
}

}  // namespace
