// The test programs' main. Run plainly it is GoogleTest's usual main. With
// VELZAR_TEST_RESULTS naming a folder, the program runs once for the whole
// suite and leaves one small file a test there ("passed", "skipped", or
// "failed" and what failed), which the CTest entry of that test reads: every
// test keeps its own name and result in CTest without a process of its own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// The file of a test "Suite.Test"; parameterised names carry '/', which a
// file name cannot (TestDiscovery.cmake names the same files).
std::string ResultFileName(std::string testName) {
    for (char& c : testName)
        if (c == '/') c = '~';
    return testName;
}

class ResultFiles : public testing::EmptyTestEventListener {
public:
    explicit ResultFiles(std::filesystem::path folder) : folder_(std::move(folder)) {}

    void OnTestStart(const testing::TestInfo& test) override {
        // Stays when the program dies inside the test.
        Write(test, "failed\nthe test program ended inside this test (see the run of the whole program)\n");
    }

    void OnTestEnd(const testing::TestInfo& test) override {
        const testing::TestResult& result = *test.result();
        if (result.Skipped()) {
            Write(test, "skipped\n");
            return;
        }
        if (result.Passed()) {
            Write(test, "passed\n");
            return;
        }
        std::string text = "failed\n";
        for (int i = 0; i < result.total_part_count(); ++i) {
            const testing::TestPartResult& part = result.GetTestPartResult(i);
            if (!part.failed()) continue;
            text += std::string(part.file_name() ? part.file_name() : "?") + ":" + std::to_string(part.line_number()) +
                    ": " + part.message() + "\n";
        }
        Write(test, text);
    }

private:
    void Write(const testing::TestInfo& test, const std::string& text) const {
        const std::string name = std::string(test.test_suite_name()) + "." + test.name();
        std::ofstream(folder_ / ResultFileName(name), std::ios::trunc) << text;
    }

    std::filesystem::path folder_;
};

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const char* folder = std::getenv("VELZAR_TEST_RESULTS");
    if (!folder || !*folder) return RUN_ALL_TESTS();
    // No result of an earlier run may pass for this one.
    std::filesystem::create_directories(folder);
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file()) std::filesystem::remove(entry.path());
    testing::UnitTest::GetInstance()->listeners().Append(new ResultFiles(folder));
    // Failures are each test's own to report; the run itself went through.
    [[maybe_unused]] const int failed = RUN_ALL_TESTS();
    return 0;
}
