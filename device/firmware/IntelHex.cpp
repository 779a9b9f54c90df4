#include "device/firmware/IntelHex.h"

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

HexLineResult Fail(std::string error) {
    HexLineResult result;
    result.error = std::move(error);
    return result;
}

// The fixed data size a record type must have; -1 when any size goes.
int FixedDataSize(HexRecordType type) {
    switch (type) {
    case HexRecordType::Data: return -1;
    case HexRecordType::EndOfFile: return 0;
    case HexRecordType::ExtendedSegmentAddress:
    case HexRecordType::ExtendedLinearAddress: return 2;
    case HexRecordType::StartSegmentAddress:
    case HexRecordType::StartLinearAddress: return 4;
    }
    return -1;
}

}  // namespace

HexLineResult ParseHexLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    if (line.empty() || line.front() != ':') return Fail("строка не начинается с \":\"");
    std::string_view digits = line.substr(1);
    if (digits.size() % 2 != 0) return Fail("нечётное число шестнадцатеричных цифр");
    if (digits.size() < 10) return Fail("запись слишком короткая");

    std::vector<std::uint8_t> bytes;
    bytes.reserve(digits.size() / 2);
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        int high = HexDigit(digits[i]);
        int low = HexDigit(digits[i + 1]);
        if (high < 0 || low < 0) return Fail("недопустимый символ в записи");
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }

    std::size_t count = bytes[0];
    if (bytes.size() != count + 5) return Fail("длина записи не совпадает с её счётчиком байтов");
    std::uint8_t sum = 0;
    for (std::uint8_t b : bytes) sum = static_cast<std::uint8_t>(sum + b);
    if (sum != 0) return Fail("неверная контрольная сумма записи");

    std::uint8_t type = bytes[3];
    if (type > static_cast<std::uint8_t>(HexRecordType::StartLinearAddress)) return Fail("неизвестный тип записи");

    HexLineResult result;
    result.record.type = static_cast<HexRecordType>(type);
    result.record.address = static_cast<std::uint16_t>(bytes[1] << 8 | bytes[2]);
    result.record.data.assign(bytes.begin() + 4, bytes.end() - 1);

    int fixed = FixedDataSize(result.record.type);
    if (fixed >= 0 && count != static_cast<std::size_t>(fixed)) return Fail("неверная длина служебной записи");
    if (result.record.type != HexRecordType::Data && result.record.address != 0)
        return Fail("служебная запись с ненулевым адресом");
    result.ok = true;
    return result;
}
