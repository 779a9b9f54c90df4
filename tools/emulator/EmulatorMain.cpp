// velzar-emulator: serves emulated controllers to the ground program through
// the socket that VELZAR_HID_EMULATOR names, and takes commands on its
// standard input until "quit", SIGINT or SIGTERM.
//
//   velzar-emulator [--socket PATH] [--kind flight|dip|boot] [--logs FOLDER]
//                   [--delay MS] [--unplugged]

#include "platform/hid/Hid.h"
#include "tools/emulator/EmulatorConsole.h"

#include <csignal>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <pthread.h>
#include <string>
#include <thread>

int main(int argc, char** argv) {
    const char* fromEnvironment = std::getenv(platform::HID_EMULATOR_VARIABLE);
    std::string socketPath = fromEnvironment && *fromEnvironment ? fromEnvironment : "/tmp/velzar-emulator.sock";
    std::vector<std::string> startCommands;
    std::string kind = "flight";
    bool plugged = true;
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        bool hasValue = i + 1 < argc;
        if (option == "--socket" && hasValue) socketPath = argv[++i];
        else if (option == "--kind" && hasValue) kind = argv[++i];
        else if (option == "--logs" && hasValue) startCommands.push_back(std::string("logs ") + argv[++i]);
        else if (option == "--delay" && hasValue) startCommands.push_back(std::string("delay ") + argv[++i]);
        else if (option == "--unplugged") plugged = false;
        else {
            std::cerr << "usage: velzar-emulator [--socket PATH] [--kind flight|dip|boot] [--logs FOLDER] [--delay MS] [--unplugged]\n";
            return 2;
        }
    }
    DeviceKind deviceKind;
    if (!ParseDeviceKind(kind, deviceKind)) {
        std::cerr << "unknown kind " << kind << "\n";
        return 2;
    }

    // Signals are taken by sigwait below, not by whichever thread runs.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    // Started in the background of a terminal (`... &`), reading or writing
    // the terminal must not stop the emulator: a read then fails, which ends
    // the commands and leaves it serving.
    std::signal(SIGTTIN, SIG_IGN);
    std::signal(SIGTTOU, SIG_IGN);

    try {
        ControllerEmulator emulator(socketPath);
        EmulatorConsole console(emulator);
        std::mutex consoleLock;
        emulator.AddDevice(deviceKind, false);
        for (const std::string& command : startCommands) {
            std::string answer = console.Run(command);
            if (answer.rfind("error", 0) == 0) {
                std::cerr << answer << "\n";
                return 1;
            }
        }
        if (plugged) emulator.Plug(0);
        std::cout << "ready " << socketPath << std::endl;

        // Commands come on standard input; its end (or a terminal that is not
        // ours to read) leaves the emulator serving.
        std::thread([&] {
            for (std::string line; std::getline(std::cin, line);) {
                std::lock_guard guard(consoleLock);
                std::string answer = console.Run(line);
                if (!answer.empty()) std::cout << answer << std::endl;
                if (console.QuitRequested()) {
                    ::kill(::getpid(), SIGTERM);
                    return;
                }
            }
        }).detach();

        int signal = 0;
        sigwait(&stopSignals, &signal);
        std::lock_guard guard(consoleLock);
        std::cout << "stopped" << std::endl;
        // The emulator removes its socket as it goes; the console thread stays
        // blocked on its input until the process ends.
        return 0;
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
}
