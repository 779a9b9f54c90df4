#include "platform/system/SystemMessages.h"

#include "platform/system/LastError.h"

#include <cstring>
#include <string_view>

namespace platform {
namespace {

constexpr DWORD ERROR_MR_MID_NOT_FOUND = 317;

// Russian, like the rest of the interface, and saying what happened rather
// than only that something failed.
std::string_view TextOf(DWORD code) {
    switch (code) {
        case ERROR_SUCCESS: return "Операция успешно завершена.";
        case ERROR_INVALID_FUNCTION: return "Неверная функция.";
        case ERROR_FILE_NOT_FOUND: return "Файл не найден.";
        case ERROR_PATH_NOT_FOUND: return "Путь не найден: такой папки нет.";
        case ERROR_TOO_MANY_OPEN_FILES: return "Открыто слишком много файлов.";
        case ERROR_ACCESS_DENIED: return "Отказано в доступе: нет прав на этот файл или папку.";
        case ERROR_INVALID_HANDLE: return "Неверный дескриптор.";
        case ERROR_NOT_ENOUGH_MEMORY: return "Недостаточно памяти для выполнения команды.";
        case ERROR_INVALID_DATA: return "Неверные данные.";
        case ERROR_WRITE_PROTECT: return "Носитель защищён от записи: файловая система только для чтения.";
        case ERROR_NOT_READY: return "Устройство не готово: принтер не принял задание.";
        case ERROR_NO_MORE_FILES: return "Больше файлов нет.";
        case ERROR_GEN_FAILURE: return "Устройство, подключённое к системе, не работает.";
        case ERROR_SHARING_VIOLATION: return "Файл занят другим процессом.";
        case ERROR_HANDLE_EOF: return "Достигнут конец файла.";
        case ERROR_NOT_SUPPORTED: return "Запрос не поддерживается.";
        case ERROR_DEV_NOT_EXIST: return "Устройство больше не доступно.";
        case ERROR_FILE_EXISTS: return "Файл уже существует.";
        case ERROR_INVALID_PARAMETER: return "Неверный параметр.";
        case ERROR_DISK_FULL: return "Недостаточно места на диске.";
        case ERROR_INSUFFICIENT_BUFFER: return "Область данных, переданная системному вызову, слишком мала.";
        case ERROR_INVALID_NAME: return "Неверное имя файла, папки или метки тома.";
        case ERROR_BUSY: return "Устройство или ресурс занят.";
        case ERROR_FILE_TOO_LARGE: return "Файл слишком велик.";
        case ERROR_ALREADY_EXISTS: return "Невозможно создать файл: такой файл уже существует.";
        case ERROR_FILENAME_EXCED_RANGE: return "Слишком длинное имя файла.";
        case ERROR_DIRECTORY_NOT_SUPPORTED: return "Это папка, а не файл.";
        case ERROR_OPERATION_ABORTED: return "Операция ввода-вывода прервана программой или завершением потока.";
        case ERROR_IO_PENDING: return "Выполняется операция ввода-вывода.";
        case ERROR_FILE_INVALID: return "Открытый файл больше недействителен: он изменён извне или пуст.";
        case ERROR_IO_DEVICE: return "Ошибка ввода-вывода на устройстве.";
        case ERROR_DEVICE_NOT_CONNECTED: return "Устройство не подключено.";
        case ERROR_INVALID_PRINTER_NAME: return "Принтер не найден: такой очереди печати в системе нет.";
        case ERROR_CANT_RESOLVE_FILENAME: return "Не удаётся найти файл по имени: слишком много символических ссылок.";
        case ERROR_TIMEOUT: return "Время ожидания операции истекло.";
        default: return {};
    }
}

}  // namespace

DWORD FormatMessageA(DWORD flags, const void*, DWORD messageId, DWORD, char* buffer, DWORD size, void*) {
    if (!(flags & FORMAT_MESSAGE_FROM_SYSTEM) || !buffer || size == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::string_view text = TextOf(messageId);
    if (text.empty()) {
        buffer[0] = '\0';
        SetLastError(ERROR_MR_MID_NOT_FOUND);
        return 0;
    }
    std::string full(text);
    full += "\r\n";
    if (full.size() + 1 > size) {
        buffer[0] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::memcpy(buffer, full.c_str(), full.size() + 1);
    return static_cast<DWORD>(full.size());
}

}  // namespace platform
