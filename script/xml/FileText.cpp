#include "script/xml/FileText.h"

#include "common/FileHelpers.h"
#include "common/SystemText.h"
#include "ui/core/Exceptions.h"

std::string ReadWholeFile(const std::string& fileName) {
    // One byte more than allowed tells a file that is too large.
    const FileContents contents = ReadRegularFile(fileName, kLargestScriptFile + 1);
    std::string reason;
    switch (contents.outcome) {
    case FileContents::Outcome::Read:
        if (contents.bytes.size() <= kLargestScriptFile)
            return std::string(contents.bytes.begin(), contents.bytes.end());
        reason = "файл больше " + std::to_string(kLargestScriptFile / (1024 * 1024)) + " МБ.";
        break;
    case FileContents::Outcome::NotARegularFile:
        reason = "это не обычный файл.";
        break;
    case FileContents::Outcome::Changed:
        reason = "файл изменился во время чтения.";
        break;
    case FileContents::Outcome::CannotOpen:
    case FileContents::Outcome::ReadFailed:
        reason = SysErrorText(contents.error);
        break;
    }
    throw EFOpenError("Не удалось прочитать файл \"" + fileName + "\": " + reason);
}
