#include "ui/core/HandleStream.h"
#include "ui/core/MemoryStream.h"

#include "tests/support/TempFolder.h"
#include "ui/core/Exceptions.h"

#include <gtest/gtest.h>

TEST(MemoryStream, ReadsShortAtTheEndAndGrowsOnWrite) {
    TMemoryStream stream;
    stream.WriteBuffer("abcdef", 6);
    EXPECT_EQ(stream.Position(), 6);
    stream.Seek(-2, TSeekOrigin::soEnd);
    char buffer[8] = {};
    EXPECT_EQ(stream.Read(buffer, 8), 2);
    EXPECT_STREQ(buffer, "ef");
    stream.SetPosition(4);
    EXPECT_THROW(stream.ReadBuffer(buffer, 3), EReadError);
    stream.SetPosition(8);  // past the end: a write fills the gap with zeros
    stream.WriteBuffer("z", 1);
    EXPECT_EQ(stream.Bytes(), std::string("abcdef\0\0z", 9));
    stream.SetSize(3);
    EXPECT_EQ(stream.Position(), 3);
    EXPECT_EQ(stream.Bytes(), "abc");
}

TEST(MemoryStream, CopyFromTakesACountOrTheWholeSource) {
    TStringStream source("0123456789");
    source.SetPosition(3);
    TMemoryStream target;
    EXPECT_EQ(target.CopyFrom(source, 4), 4);
    EXPECT_EQ(target.Bytes(), "3456");
    EXPECT_EQ(target.CopyFrom(source, 0), 10);  // 0: all of it from the start
    EXPECT_EQ(target.Bytes(), "34560123456789");
    source.SetPosition(8);
    EXPECT_THROW(target.CopyFrom(source, 5), EReadError);
}

TEST(FileStream, CreatesOpensAndReportsFailuresWithTheFileName) {
    TempFolder folder;
    std::string name = (folder.Path() / "data.bin").string();
    {
        TFileStream out(name, fmCreate);
        out.WriteBuffer("hello world", 11);
        out.SetSize(5);
    }
    {
        TFileStream in(name, fmOpenRead | fmShareDenyWrite);
        EXPECT_EQ(in.Size(), 5);
        char text[6] = {};
        in.ReadBuffer(text, 5);
        EXPECT_STREQ(text, "hello");
        EXPECT_THROW(in.WriteBuffer("x", 1), EWriteError);  // opened for reading only
    }
    std::string missing = (folder.Path() / "none" / "x.bin").string();
    try {
        TFileStream in(missing, fmOpenRead);
        FAIL() << "opened a missing file";
    } catch (const EFOpenError& e) {
        EXPECT_NE(e.Message().find("Cannot open file \"" + missing + "\". "), std::string::npos) << e.Message();
    }
    EXPECT_THROW(TFileStream(missing, fmCreate), EFCreateError);
}
