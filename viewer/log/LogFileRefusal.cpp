#include "viewer/log/LogFileRefusal.h"

#include "common/SystemText.h"

std::optional<std::string> LogFileRefusal(const FileContents& file, const std::string& fileName) {
    using Outcome = FileContents::Outcome;
    switch (file.outcome) {
    case Outcome::CannotOpen:
        return "Не удалось открыть файл лога " + fileName + ": " + SysErrorText(file.error);
    case Outcome::NotARegularFile:
        return "Файл лога " + fileName + " не открыт: это не обычный файл, а канал или устройство";
    case Outcome::ReadFailed:
        return "Не удалось прочитать файл лога " + fileName + ": " + SysErrorText(file.error);
    case Outcome::Changed:
        return "Файл лога " + fileName + " изменился во время чтения, откройте его ещё раз";
    case Outcome::Read:
        break;
    }
    if (file.bytes.empty()) return "Файл лога пуст: " + fileName;
    return std::nullopt;
}
