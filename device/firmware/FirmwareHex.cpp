#include "device/firmware/FirmwareHex.h"

#include "common/TextFormatting.h"
#include "device/firmware/IntelHex.h"

#include <optional>

namespace {

std::string LineError(std::size_t lineNumber, const std::string& reason) {
    return "Строка " + std::to_string(lineNumber) + ": " + reason;
}

bool IsBlank(std::string_view line) {
    for (char c : line)
        if (c != ' ' && c != '\t') return false;
    return true;
}

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Lines end in CR LF, LF or a lone CR, as the programs that write HEX files
// have it; the last line may lack its end.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        std::size_t end = text.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            lines.push_back(text);
            break;
        }
        lines.push_back(text.substr(0, end));
        std::size_t next = text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
        text.remove_prefix(next);
    }
    return lines;
}

// Places data records into the window and keeps what was written where.
class WindowWriter {
public:
    explicit WindowWriter(FirmwareHexFile& file) : file_(file), written_(FirmwareWindowSize, false) {
        file_.image.assign(FirmwareWindowSize, 0xFF);
    }

    void SelectSegment(std::uint16_t upper) {
        capturing_ = upper == FirmwareSegment;
        file_.loadLines.push_back("Offset:" + FormatString("%02X", {upper}));
    }

    // Empty when the record was taken; otherwise why it was refused.
    std::string Write(const HexRecord& record) {
        if (record.data.empty()) return {};
        if (!capturing_) return "данные вне области адресов прошивки (сегмент 0800)";
        if (!start_) {
            start_ = record.address;
            file_.startAddress = record.address;
            file_.loadLines.push_back("StartAddr: " + FormatString("%08X", {record.address}));
        }
        if (record.address < *start_) return "данные ниже начального адреса прошивки";
        std::size_t end = std::size_t(record.address) + record.data.size();
        if (end > FirmwareWindowSize) return "запись выходит за границу сегмента";
        std::size_t offset = record.address - *start_;
        for (std::size_t i = 0; i < record.data.size(); ++i)
            if (written_[offset + i]) return "данные перекрывают уже записанные";
        for (std::size_t i = 0; i < record.data.size(); ++i) {
            file_.image[offset + i] = record.data[i];
            written_[offset + i] = true;
        }
        file_.size = std::max<std::uint32_t>(file_.size, static_cast<std::uint32_t>(offset + record.data.size()));
        return {};
    }

private:
    FirmwareHexFile& file_;
    std::vector<bool> written_;
    bool capturing_ = false;
    std::optional<std::uint16_t> start_;
};

FirmwareHexResult Refuse(std::string error) {
    FirmwareHexResult result;
    result.error = std::move(error);
    return result;
}

}  // namespace

FirmwareHexResult ReadFirmwareHex(std::string_view text) {
    if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
    std::vector<std::string_view> lines = SplitLines(text);
    if (lines.size() < 2) return Refuse("в файле меньше двух строк");

    FirmwareHexResult result;
    FirmwareHexFile& file = result.file;
    WindowWriter writer(file);
    bool ended = false;

    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::size_t lineNumber = i + 1;
        bool header = i < 2;
        if (!header && IsBlank(lines[i])) continue;
        if (ended) return Refuse(LineError(lineNumber, "данные после записи конца файла"));

        HexLineResult parsed = ParseHexLine(lines[i]);
        if (!parsed.ok) return Refuse(LineError(lineNumber, parsed.error));
        const HexRecord& record = parsed.record;

        if (i == 0) {
            if (record.data.size() < 2) return Refuse(LineError(lineNumber, "нет маркера файла прошивки"));
            file.marker = static_cast<std::uint16_t>(record.data[0] << 8 | record.data[1]);
        } else if (i == 1) {
            if (record.type != HexRecordType::Data || record.data.size() < 4)
                return Refuse(LineError(lineNumber, "нет идентификатора прошивки"));
            file.id = std::uint32_t(record.data[0]) << 24 | std::uint32_t(record.data[1]) << 16 |
                      std::uint32_t(record.data[2]) << 8 | record.data[3];
        }

        switch (record.type) {
        case HexRecordType::Data:
            if (std::string reason = writer.Write(record); !reason.empty()) return Refuse(LineError(lineNumber, reason));
            break;
        case HexRecordType::ExtendedLinearAddress:
            writer.SelectSegment(static_cast<std::uint16_t>(record.data[0] << 8 | record.data[1]));
            break;
        case HexRecordType::ExtendedSegmentAddress:
            return Refuse(LineError(lineNumber, "сегментная адресация (тип 02) не поддерживается"));
        case HexRecordType::EndOfFile:
            ended = true;
            break;
        case HexRecordType::StartSegmentAddress:
        case HexRecordType::StartLinearAddress:
            break;  // the bootloader starts the program itself
        }
    }
    if (!ended) return Refuse("нет записи конца файла: файл обрезан");
    if (file.size == 0) return Refuse("в файле нет данных прошивки");
    result.ok = true;
    return result;
}
