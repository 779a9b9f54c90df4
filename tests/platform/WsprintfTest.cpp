#include "platform/system/Wsprintf.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
std::string Format(const char* format, std::vector<platform::WsprintfArg> arguments) {
    char buffer[platform::WSPRINTF_BUFFER_SIZE];
    int length = platform::wvsprintfA(buffer, format, arguments.data(), arguments.size());
    EXPECT_EQ(static_cast<std::size_t>(length), std::string(buffer).size());
    return buffer;
}
}  // namespace

TEST(wvsprintfA, FormatsTheLettersItKnows) {
    const struct {
        const char* format;
        std::vector<platform::WsprintfArg> arguments;
        const char* text;
    } cases[] = {
        {"%d %i", {-5, 12}, "-5 12"},
        {"%u", {-1}, "4294967295"},
        {"%x %X %#x", {255, 255, 255}, "ff FF 0xff"},
        {"%05d|%-5d|%5d", {-42, 7, 7}, "-0042|7    |    7"},
        {"%.3d", {5}, "005"},
        {"%c%c", {'O', 'K'}, "OK"},
        {"[%s] [%.2s] [%4s]", {"abc", "abc", "ab"}, "[abc] [ab] [  ab]"},
        {"%ld %lu %lx", {1, 2, 26}, "1 2 1a"},
        {"50%% done%", {}, "50% done"},
    };
    for (const auto& c : cases) EXPECT_EQ(Format(c.format, c.arguments), c.text) << c.format;
}

TEST(wvsprintfA, NeverReadsPastTheArguments) {
    EXPECT_EQ(Format("%d %s %x", {}), "0 (null) 0");
    EXPECT_EQ(Format("%s %d", {7, "x"}), "(null) 0");
}
