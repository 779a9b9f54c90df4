#include "tools/emulator/EmulatorConsole.h"

#include "device/firmware/FirmwareChecksum.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace {

constexpr const char* kHelp =
    "commands (for the selected device):\n"
    "  status | help | quit\n"
    "  add flight|dip|boot | select N\n"
    "  plug | unplug | kind flight|dip|boot [delay-ms]\n"
    "  delay MS | erase-steps N [interval-ms] | refuse-rw on|off\n"
    "  logs FOLDER | block N HEXBYTES\n"
    "  fault no-answer|wrong-command|wrong-block|garbage|slow [count=N] [after=N] [command=X] [sub=Y] [ms=Z]\n"
    "  unplug-after N | faults off";

std::uint32_t Number(const std::string& word) {
    std::size_t used = 0;
    unsigned long value = std::stoul(word, &used, 0);
    if (used != word.size() || value > 0xFFFFFFFFul) throw std::invalid_argument(word);
    return static_cast<std::uint32_t>(value);
}

std::vector<std::uint8_t> HexBytes(const std::string& text) {
    if (text.size() % 2 != 0) throw std::invalid_argument(text);
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) bytes.push_back(static_cast<std::uint8_t>(Number("0x" + text.substr(i, 2))));
    return bytes;
}

bool ParseFaultKind(const std::string& word, FaultKind& kind) {
    const struct {
        const char* name;
        FaultKind kind;
    } kinds[] = {{"no-answer", FaultKind::NoAnswer},
                 {"wrong-command", FaultKind::WrongCommand},
                 {"wrong-block", FaultKind::WrongBlock},
                 {"garbage", FaultKind::Garbage},
                 {"slow", FaultKind::SlowAnswer}};
    for (const auto& k : kinds)
        if (word == k.name) {
            kind = k.kind;
            return true;
        }
    return false;
}

}  // namespace

bool ParseDeviceKind(const std::string& word, DeviceKind& kind) {
    if (word == "flight") kind = DeviceKind::FlightController;
    else if (word == "dip") kind = DeviceKind::Dip;
    else if (word == "boot") kind = DeviceKind::Bootloader;
    else return false;
    return true;
}

std::string EmulatorConsole::Run(const std::string& line) {
    std::istringstream in(line);
    std::string command;
    std::vector<std::string> words;
    in >> command;
    for (std::string word; in >> word;) words.push_back(word);
    auto arg = [&words](std::size_t i) -> const std::string& {
        if (i >= words.size()) throw std::invalid_argument("missing argument");
        return words[i];
    };

    try {
        if (command.empty()) return {};
        if (command == "help") return kHelp;
        if (command == "quit") {
            quit_ = true;
            return "ok";
        }
        if (command == "add") {
            DeviceKind kind;
            if (!ParseDeviceKind(arg(0), kind)) return "error: unknown kind " + arg(0);
            selected_ = emulator_.AddDevice(kind);
            return "ok device " + std::to_string(selected_);
        }
        if (command == "select") {
            int device = static_cast<int>(Number(arg(0)));
            if (device >= emulator_.DeviceCount()) return "error: no device " + arg(0);
            selected_ = device;
            return "ok";
        }
        if (command == "status") {
            std::ostringstream out;
            for (int i = 0; i < emulator_.DeviceCount(); ++i) {
                std::string path = emulator_.DevicePath(i);
                emulator_.WithDevice(i, [&](EmulatedDevice& d) {
                    char checksum[16];
                    std::snprintf(checksum, sizeof checksum, "%08X",
                                  ChecksumOfBytes(d.installedFirmware.data(), d.installedFirmware.size()));
                    out << (i == selected_ ? "* " : "  ") << i << " \"" << ProductStringOf(d.Kind()) << "\" "
                        << (path.empty() ? "unplugged" : path) << ", " << d.logs.Files().size() << " log files, "
                        << d.logs.UsedBytes() << " of " << d.logs.Capacity() << " bytes, requests " << d.RequestCount()
                        << ", installed firmware " << d.installedFirmware.size() << " bytes checksum 0x" << checksum << "\n";
                });
            }
            std::string text = out.str();
            if (!text.empty()) text.pop_back();
            return text;
        }
        if (emulator_.DeviceCount() == 0) return "error: no device; add one first";
        if (command == "plug") {
            emulator_.Plug(selected_);
            return "ok";
        }
        if (command == "unplug") {
            emulator_.Unplug(selected_);
            return "ok";
        }
        if (command == "kind") {
            DeviceKind kind;
            if (!ParseDeviceKind(arg(0), kind)) return "error: unknown kind " + arg(0);
            emulator_.Replug(selected_, kind, words.size() > 1 ? Number(words[1]) : 0);
            return "ok";
        }
        return emulator_.WithDevice(selected_, [&](EmulatedDevice& d) -> std::string {
            if (command == "delay") {
                d.answerDelayMs = Number(arg(0));
            } else if (command == "erase-steps") {
                d.eraseSteps = static_cast<int>(Number(arg(0)));
                if (words.size() > 1) d.eraseIntervalMs = Number(words[1]);
            } else if (command == "refuse-rw") {
                d.refuseReadWrite = arg(0) == "on";
            } else if (command == "logs") {
                if (std::string why = d.logs.LoadFolder(arg(0)); !why.empty()) return "error: " + why;
                return "ok " + std::to_string(d.logs.Files().size()) + " files";
            } else if (command == "block") {
                d.settingsBlocks[static_cast<std::uint8_t>(Number(arg(0)))] = words.size() > 1 ? HexBytes(words[1]) : std::vector<std::uint8_t>{};
            } else if (command == "fault") {
                FaultRule rule;
                if (!ParseFaultKind(arg(0), rule.kind)) return "error: unknown fault " + arg(0);
                for (std::size_t i = 1; i < words.size(); ++i) {
                    auto eq = words[i].find('=');
                    std::string key = words[i].substr(0, eq);
                    std::uint32_t value = Number(eq == std::string::npos ? "" : words[i].substr(eq + 1));
                    if (key == "count") rule.count = static_cast<int>(value);
                    else if (key == "after") rule.after = static_cast<int>(value);
                    else if (key == "command") rule.command = static_cast<std::uint8_t>(value);
                    else if (key == "sub") rule.sub = static_cast<std::uint8_t>(value);
                    else if (key == "ms") rule.delayMs = value;
                    else return "error: unknown setting " + key;
                }
                d.AddFault(rule);
            } else if (command == "unplug-after") {
                d.UnplugAfterRequests(static_cast<int>(Number(arg(0))));
            } else if (command == "faults" && arg(0) == "off") {
                d.ClearFaults();
            } else {
                return "error: unknown command " + command + " (try help)";
            }
            return "ok";
        });
    } catch (const std::exception&) {
        return "error: bad or missing argument in \"" + line + "\"";
    }
}
