#include "platform/hid/HidReportDescriptor.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace platform {
namespace {

enum ItemType { kMain = 0, kGlobal = 1, kLocal = 2 };
enum MainTag { kInput = 8, kOutput = 9, kCollection = 10, kFeature = 11, kEndCollection = 12 };
enum GlobalTag { kUsagePage = 0, kReportSize = 7, kReportId = 8, kReportCount = 9, kPush = 10, kPop = 11 };
enum LocalTag { kUsage = 0 };

struct GlobalState {
    std::uint32_t usagePage = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint32_t reportId = 0;
};

constexpr std::size_t kMostPushes = 16;
constexpr std::uint64_t kMostBits = 0xFFFEull * 8;

std::uint16_t LengthOf(const std::map<std::uint32_t, std::uint64_t>& bitsById) {
    std::uint64_t longest = 0;
    for (const auto& [id, bits] : bitsById) longest = std::max(longest, bits);
    if (bitsById.empty()) return 0;
    return static_cast<std::uint16_t>((longest + 7) / 8 + 1);
}

}  // namespace

HidReportLengths ParseHidReportLengths(const std::uint8_t* descriptor, std::size_t size) {
    HidReportLengths lengths;
    GlobalState global;
    std::vector<GlobalState> stack;
    std::uint32_t lastUsage = 0;
    bool lastUsageHasPage = false;
    int depth = 0;
    bool sawCollection = false;
    std::map<std::uint32_t, std::uint64_t> bits[3];  // input, output, feature by report ID

    std::size_t at = 0;
    while (at < size) {
        std::uint8_t prefix = descriptor[at++];
        if (prefix == 0xFE) {  // long item: skipped whole
            if (size - at < 2) return lengths;
            std::size_t dataSize = descriptor[at];
            at += 2;
            if (size - at < dataSize) return lengths;
            at += dataSize;
            continue;
        }
        std::size_t dataSize = (prefix & 3) == 3 ? 4 : (prefix & 3);
        if (size - at < dataSize) return lengths;
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < dataSize; ++i) value |= std::uint32_t(descriptor[at + i]) << (8 * i);
        at += dataSize;
        int type = (prefix >> 2) & 3;
        int tag = prefix >> 4;

        if (type == kGlobal) {
            switch (tag) {
            case kUsagePage: global.usagePage = value; break;
            case kReportSize: global.reportSize = value; break;
            case kReportCount: global.reportCount = value; break;
            case kReportId:
                global.reportId = value;
                lengths.numberedReports = true;
                break;
            case kPush:
                if (stack.size() >= kMostPushes) return lengths;
                stack.push_back(global);
                break;
            case kPop:
                if (stack.empty()) return lengths;
                global = stack.back();
                stack.pop_back();
                break;
            default: break;
            }
        } else if (type == kLocal) {
            if (tag == kUsage) {
                lastUsage = value;
                lastUsageHasPage = dataSize == 4;
            }
        } else if (type == kMain) {
            int kind = tag == kInput ? 0 : tag == kOutput ? 1 : tag == kFeature ? 2 : -1;
            if (kind >= 0) {
                std::uint64_t& total = bits[kind][global.reportId];
                total = std::min(kMostBits, total + std::uint64_t(global.reportSize) * global.reportCount);
            } else if (tag == kCollection) {
                if (depth == 0 && !sawCollection) {
                    sawCollection = true;
                    lengths.usagePage = static_cast<std::uint16_t>(lastUsageHasPage ? lastUsage >> 16 : global.usagePage);
                    lengths.usage = static_cast<std::uint16_t>(lastUsage);
                }
                ++depth;
            } else if (tag == kEndCollection) {
                if (depth == 0) return lengths;
                --depth;
            }
            lastUsage = 0;
            lastUsageHasPage = false;
        }
    }
    lengths.input = LengthOf(bits[0]);
    lengths.output = LengthOf(bits[1]);
    lengths.feature = LengthOf(bits[2]);
    lengths.valid = depth == 0 && sawCollection;
    return lengths;
}

}  // namespace platform
