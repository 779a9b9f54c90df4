#include "report/bands/Band.h"
#include "report/objects/MemoView.h"
#include "report/objects/Page.h"
#include "report/objects/Report.h"
#include "report/objects/ReportClasses.h"
#include "report/objects/ShapeView.h"
#include "report/prepared/Outline.h"
#include "report/prepared/PreviewPages.h"
#include "report/utils/TempFiles.h"
#include "ui/core/MemoryStream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

// The store without a screen or a printer: what the preview and printing add is not asked for here.
class Store : public TrpPreviewPages {
public:
    using TrpPreviewPages::TrpPreviewPages;
    void PaintPage(int, TCanvas*, double, double, double, double) override { ADD_FAILURE() << "not drawn here"; }
    TCursor HandlePointer(const TrpPointerInput&) override { return crDefault; }
    void AppendReport(TrpReport*) override { ADD_FAILURE() << "not appended here"; }
    bool Print() override { return false; }
    bool ExportTo(TrpExportFilter*) override { return false; }
    void CachePicture(TrpPictureView*) override {}
};

// A page with a band of two memos and a shape placed on the page itself.
struct Template {
    TrpReport report{nullptr};
    TrpReportPage* page;
    TrpBand* row;
    TrpMemoView* name;
    TrpMemoView* value;
    TrpShapeView* frame;

    Template() {
        RegisterReportClasses();
        page = new TrpReportPage(&report);
        page->SetName("Page1");
        page->SetBounds(0, 0, 794, 1123);
        row = new TrpReportTitle(page);
        row->SetName("Row");
        row->SetBounds(0, 0, 700, 20);
        name = new TrpMemoView(row);
        name->SetName("NameMemo");
        name->SetBounds(0, 0, 300, 20);
        value = new TrpMemoView(row);
        value->SetName("ValueMemo");
        value->SetBounds(300, 0, 100, 20);
        frame = new TrpShapeView(page);
        frame->SetName("Frame");
        frame->SetBounds(10, 10, 50, 50);
    }

    // One band per line of `lines` on each page, as the engine writes them.
    void Prepare(Store& store, const std::vector<std::vector<std::u16string>>& pages) {
        store.RegisterSourcePage(page);
        for (const auto& lines : pages) {
            store.OpenPage(page);
            double y = 0;
            for (const std::u16string& line : lines) {
                row->PrintStart();
                row->SetTop(y);
                name->Memo()->SetText(line);
                value->Memo()->SetText(std::u16string(u"=") + line);
                store.PutOnPage(row);
                row->PrintEnd();
                y += row->Height();
            }
        }
    }
};

struct Placed {
    std::string className;
    std::string name;
    double left, top;
    std::u16string text;
    bool operator==(const Placed&) const = default;
};

std::vector<Placed> ObjectsOf(TrpReportPage& page) {
    std::vector<Placed> all;
    for (TrpComponent* object : page.AllObjects()) {
        auto* memo = dynamic_cast<TrpMemoView*>(object);
        all.push_back({object->ClassName(), object->Name(), object->AbsLeft(), object->AbsTop(),
                       memo ? memo->Memo()->Text() : u""});
    }
    return all;
}

std::string Saved(Store& store) {
    TMemoryStream stream;
    store.SaveToStream(&stream);
    return std::string(stream.Bytes());
}

TEST(PreparedPagesTest, SourceObjectsGetShortNamesByTheirKind) {
    Template t;
    Store store(&t.report);
    store.RegisterSourcePage(t.page);
    struct Case {
        const char* name;
        const char* source;
    };
    for (const Case& c : {Case{"b1", "Page0.Row"}, Case{"m1", "Page0.NameMemo"}, Case{"m2", "Page0.ValueMemo"},
                          Case{"s1", "Page0.Frame"}})
        EXPECT_EQ(store.Dictionary().SourceNameOf(c.name), c.source) << c.name;
    TrpDictionary dictionary;
    for (int i = 0; i < 20; ++i) dictionary.AddUnique("m", "", nullptr);
    EXPECT_EQ(dictionary.AddUnique("m", "", nullptr), "m21");
}

TEST(PreparedPagesTest, PagesAreBuiltBackWithTheirObjectsInPlace) {
    Template t;
    Store store(&t.report);
    t.Prepare(store, {{u"Высота", u"Скорость"}, {u"Время"}});
    ASSERT_EQ(store.PageCount(), 2);
    EXPECT_EQ(store.Pages().Items(0)->Name, "page0");
    EXPECT_EQ(store.Pages().Items(0)->Count(), 2) << "one element per band written";

    const std::vector<Placed> first = {
        {"TrpReportTitle", "Row", 0, 0, u""},
        {"TrpMemoView", "NameMemo", 0, 0, u"Высота\r\n"},
        {"TrpMemoView", "ValueMemo", 300, 0, u"=Высота\r\n"},
        {"TrpReportTitle", "Row", 0, 20, u""},
        {"TrpMemoView", "NameMemo", 0, 20, u"Скорость\r\n"},
        {"TrpMemoView", "ValueMemo", 300, 20, u"=Скорость\r\n"},
    };
    EXPECT_EQ(ObjectsOf(*store.PageAt(0)), first);
    const std::vector<Placed> second = {
        {"TrpReportTitle", "Row", 0, 0, u""},
        {"TrpMemoView", "NameMemo", 0, 0, u"Время\r\n"},
        {"TrpMemoView", "ValueMemo", 300, 0, u"=Время\r\n"},
    };
    EXPECT_EQ(ObjectsOf(*store.PageAt(1)), second);
    EXPECT_EQ(store.PageAt(2), nullptr);
    EXPECT_EQ(store.PageSizeAt(0).Width, 794);
    EXPECT_EQ(store.PageSizeAt(5).Width, 0);
}

TEST(PreparedPagesTest, ASavedFileLoadsBackEqual) {
    Template t;
    Store store(&t.report);
    t.Prepare(store, {{u"Высота \"макс\" & <м>", u"Скорость"}, {u"Время"}});
    store.Outline()->AddItem("Полёт 1", 0);
    store.AddAnchor("Итоги");
    store.FinishPreparing();
    const std::string saved = Saved(store);

    Store loaded(nullptr);
    TStringStream in(saved);
    loaded.LoadFromStream(&in, false);
    EXPECT_EQ(loaded.PageCount(), 2);
    EXPECT_EQ(Saved(loaded), saved);
    for (int i = 0; i < 2; ++i) EXPECT_EQ(ObjectsOf(*loaded.PageAt(i)), ObjectsOf(*store.PageAt(i))) << i;
    TrpOutlineItem item;
    loaded.Outline()->LevelRoot();
    ASSERT_EQ(loaded.Outline()->ItemCount(), 1);
    loaded.Outline()->ReadItem(0, item);
    EXPECT_EQ(item.Text, "Полёт 1");
    EXPECT_EQ(item.Page, 1);
    EXPECT_EQ(loaded.GetAnchorPage("итоги"), 2);
    EXPECT_EQ(loaded.GetAnchorPage("нет такого"), 1);
}

TEST(PreparedPagesTest, FilesAreSavedWholeAndMissingFilesAreTold) {
    Template t;
    Store store(&t.report);
    t.Prepare(store, {{u"Высота"}});
    const std::string folder = rpSystemTempFolder() + "/prepared-" + std::to_string(::getpid());
    std::filesystem::create_directories(folder);
    const std::string file = folder + "/report.rpp";
    store.SaveToFile(file);
    EXPECT_FALSE(std::filesystem::exists(file + ".part"));
    Store loaded(nullptr);
    EXPECT_TRUE(loaded.LoadFromFile(file, true));
    EXPECT_EQ(ObjectsOf(*loaded.PageAt(0)), ObjectsOf(*store.PageAt(0)));
    EXPECT_FALSE(loaded.LoadFromFile(folder + "/none.rpp", false));
    EXPECT_THROW(loaded.LoadFromFile(folder + "/none.rpp", true), Exception);
    std::filesystem::remove_all(folder);
}

TEST(PreparedPagesTest, DamagedFilesGiveAClearErrorAndLeaveTheStoreEmpty) {
    Template t;
    Store store(&t.report);
    t.Prepare(store, {{u"Высота"}});
    const std::string good = Saved(store);
    std::string wrongSource = good;
    wrongSource.replace(wrongSource.find("<page0"), 6, "<page7");
    std::string wrongRoot = good;
    wrongRoot.replace(wrongRoot.find("preparedreport"), 14, "someotherthing");
    wrongRoot.replace(wrongRoot.rfind("preparedreport"), 14, "someotherthing");

    struct Case {
        const char* what;
        std::string text;
        bool failsOnPage;
    };
    const Case cases[] = {{"cut off", good.substr(0, good.size() / 2), false},
                          {"not XML", "PK\x03\x04 binary", false},
                          {"another root", wrongRoot, false},
                          {"page of a missing source page", wrongSource, true}};
    for (const Case& c : cases) {
        Store loaded(nullptr);
        TStringStream in(c.text);
        try {
            loaded.LoadFromStream(&in, false);
            if (c.failsOnPage) loaded.PageAt(0);
            ADD_FAILURE() << c.what << ": read without an error";
        } catch (const TrpPreparedFileError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("Подготовленный отчёт повреждён", 0), 0u) << c.what << ": " << e.what();
        }
        if (!c.failsOnPage) {
            EXPECT_EQ(loaded.PageCount(), 0) << c.what;
        }
    }
}

TEST(PreparedPagesTest, CutObjectsArePastedAtTheNewPlace) {
    Template t;
    Store store(&t.report);
    store.RegisterSourcePage(t.page);
    store.OpenPage(t.page);
    for (double top : {0.0, 500.0, 520.0}) {
        t.row->PrintStart();
        t.row->SetTop(top);
        store.PutOnPage(t.row);
        t.row->PrintEnd();
    }
    EXPECT_DOUBLE_EQ(store.BottomOfBands(0), 540);
    store.CutFrom(1);
    EXPECT_EQ(store.ObjectPosition(), 1);
    EXPECT_DOUBLE_EQ(store.BottomOfBands(0), 20);
    store.OpenPage(t.page);
    store.PasteCut(20, 0);
    EXPECT_EQ(store.ObjectPosition(), 2);
    const std::vector<Placed> moved = ObjectsOf(*store.PageAt(1));
    ASSERT_EQ(moved.size(), 6u);
    EXPECT_DOUBLE_EQ(moved[0].top, 20);
    EXPECT_DOUBLE_EQ(moved[3].top, 40);
    EXPECT_EQ(store.Document().Root().Find("cutted"), -1);
}

TEST(PreparedPagesTest, LogicalPagesAreNumberedAndTotalled) {
    Template t;
    Store store(&t.report);
    t.Prepare(store, {{u"1"}, {u"2"}, {u"3"}});
    store.EndLogicalNumbering();
    for (int page = 0; page < 3; ++page) {
        store.SetCurrentPage(page);
        EXPECT_EQ(store.LogicalPageNumber(), page + 1);
        EXPECT_EQ(store.LogicalPageTotal(), 3);
    }
}

TEST(PreparedPagesTest, PagesBeyondTheMemoryLimitGoToTheSwapFile) {
    Template t;
    t.report.EngineOptions().UseFileCache = true;
    t.report.EngineOptions().MaxMemSize = 0;
    Store store(&t.report);
    store.StartPreparing();
    auto loaded = [&](int page) { return store.Pages().Items(page)->Loaded; };
    t.Prepare(store, {{u"1"}, {u"2"}, {u"3"}, {u"4"}});
    EXPECT_TRUE(loaded(2)) << "nothing swapped before page 5 opens";
    t.row->PrintStart();
    store.OpenPage(t.page);
    store.PutOnPage(t.row);
    t.row->PrintEnd();
    EXPECT_FALSE(loaded(2)) << "page 3 swapped out when page 5 opens";
    EXPECT_TRUE(loaded(0) && loaded(1)) << "the first two pages never go";
    store.OpenPage(t.page);
    EXPECT_FALSE(loaded(3));
    EXPECT_FALSE(store.Document().TempFile().empty());
    EXPECT_EQ(ObjectsOf(*store.PageAt(2))[1].text, u"3\r\n") << "a swapped page is read back";
    Store reread(nullptr);
    TStringStream in(Saved(store));
    reread.LoadFromStream(&in, false);
    EXPECT_EQ(ObjectsOf(*reread.PageAt(3))[1].text, u"4\r\n") << "saving copies swapped pages back";
}

}  // namespace
