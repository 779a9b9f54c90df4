// The velzar-emulator program running beside this test, reached through its
// socket as the ground program reaches it, and steered through its input.

#include "tests/support/TempFolder.h"
#include "tests/tools/HidTestCalls.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;

namespace {

// The program with pipes to its standard input and output.
class EmulatorProgram {
public:
    explicit EmulatorProgram(const std::vector<std::string>& arguments) {
        int toChild[2], fromChild[2];
        if (::pipe(toChild) != 0 || ::pipe(fromChild) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(toChild[0], 0);
            ::dup2(fromChild[1], 1);
            ::close(toChild[1]);
            ::close(fromChild[0]);
            std::vector<char*> argv = {const_cast<char*>(VELZAR_EMULATOR_PROGRAM)};
            for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(toChild[0]);
        ::close(fromChild[1]);
        input_ = ::fdopen(toChild[1], "w");
        output_ = ::fdopen(fromChild[0], "r");
    }
    ~EmulatorProgram() {
        if (pid_ > 0 && !exited_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (input_) std::fclose(input_);
        if (output_) std::fclose(output_);
    }

    // The next line the program writes, without its line end; empty at its end.
    std::string ReadLine() {
        char line[4096];
        if (!output_ || !std::fgets(line, sizeof line, output_)) return {};
        std::string text = line;
        if (!text.empty() && text.back() == '\n') text.pop_back();
        return text;
    }
    // Sends a command and gives the program's answer.
    std::string Command(const std::string& command) {
        std::fprintf(input_, "%s\n", command.c_str());
        std::fflush(input_);
        return ReadLine();
    }
    // The exit status once the program has ended.
    int Wait() {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        exited_ = true;
        return status;
    }

private:
    pid_t pid_ = -1;
    bool exited_ = false;
    FILE* input_ = nullptr;
    FILE* output_ = nullptr;
};

}  // namespace

TEST(EmulatorProgram, ServesTheHidLayerBesideThisProcessAndFollowsItsCommands) {
    TempFolder folder;
    folder.Write("LOG00001.log", std::string(256, '\x42'));
    std::string socket = (folder.Path() / "hid.sock").string();
    EmulatorProgram program({"--socket", socket, "--kind", "flight", "--logs", folder.Path().string()});
    ASSERT_EQ(program.ReadLine(), "ready " + socket);
    ::setenv(HID_EMULATOR_VARIABLE, socket.c_str(), 1);

    std::string path = PathOfProduct("Velzar flight controller");
    ASSERT_FALSE(path.empty());
    {
        HidHandle handle(path);
        auto info = Ask(handle.Get(), Request(7, 1, {}, 3));
        ASSERT_TRUE(info);
        EXPECT_EQ((*info)[5], 1) << "one file from the folder";
        auto data = Ask(handle.Get(), Request(7, 3, {0, 0, 0, 0, 0}, 8));
        ASSERT_TRUE(data);
        EXPECT_EQ((*data)[5], 0x42);

        EXPECT_EQ(program.Command("fault no-answer count=1"), "ok");
        EXPECT_FALSE(Ask(handle.Get(), Request(7, 1, {}, 3), 100));
        EXPECT_TRUE(Ask(handle.Get(), Request(7, 1, {}, 3)));

        EXPECT_EQ(program.Command("unplug"), "ok");
        EXPECT_FALSE(Send(handle.Get(), Request(7, 1, {}, 3)));
        EXPECT_EQ(GetLastError(), ERROR_DEVICE_NOT_CONNECTED);
    }
    EXPECT_TRUE(HidGetInterfaces().empty());
    EXPECT_EQ(program.Command("kind boot"), "ok");
    EXPECT_FALSE(PathOfProduct("Velzar mini bootloader").empty());
    EXPECT_EQ(program.Command("frobnicate").rfind("error:", 0), 0u);

    EXPECT_EQ(program.Command("quit"), "ok");
    EXPECT_EQ(program.ReadLine(), "stopped");
    int status = program.Wait();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(HidGetInterfaces().empty()) << "the program took its socket with it";
    ::unsetenv(HID_EMULATOR_VARIABLE);
}

TEST(EmulatorProgram, RefusesUnknownOptions) {
    EmulatorProgram program({"--colour", "blue"});
    int status = program.Wait();
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2);
}
