#include "report/objects/ReportClasses.h"
#include "report/objects/Report.h"
#include "report/xml/XmlDocument.h"
#include "ui/core/MemoryStream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string Saved(TrpReport& report) {
    TMemoryStream out;
    report.SaveToStream(out);
    return std::string(out.Bytes());
}

// Inputs the fuzz target found: whatever a read makes is written and read
// again to the same text.
TEST(FuzzFindingsTest, WhatWasReadWritesAndReadsBackTheSame) {
    RegisterReportClasses();
    for (const auto& entry : std::filesystem::directory_iterator(VELZAR_TEST_DATA_DIR)) {
        std::ifstream file(entry.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << file.rdbuf();
        TrpReport report(nullptr);
        TStringStream in(bytes.str());
        try {
            report.LoadFromStream(in);
        } catch (const TrpInvalidXMLException&) {
            continue;
        }
        std::string first = Saved(report);
        TrpReport again(nullptr);
        TStringStream back(first);
        again.LoadFromStream(back);
        EXPECT_EQ(Saved(again), first) << entry.path();
    }
}

}  // namespace
