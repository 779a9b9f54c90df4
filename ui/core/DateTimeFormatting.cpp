#include "ui/core/DateTimeFormatting.h"

#include "ui/core/CalendarDates.h"
#include "ui/core/Rounding.h"

#include <cctype>

std::string DateTimeToString(const std::string& format, double dateTime) {
    // whole milliseconds first, so a value a hair below midnight shows midnight
    const long long total = Round(dateTime * 86400000.0);
    const long long days = total >= 0 ? total / 86400000 : -((-total + 86399999) / 86400000);
    const long long ms = total - days * 86400000;
    int year, month, day;
    DaysToCalendarDate(static_cast<double>(days), year, month, day);
    const int hour = static_cast<int>(ms / 3600000);
    const int minute = static_cast<int>(ms / 60000 % 60);
    const int second = static_cast<int>(ms / 1000 % 60);
    const int milli = static_cast<int>(ms % 1000);
    auto padded = [](int v, int width) {
        const std::string s = std::to_string(v);
        return static_cast<int>(s.size()) < width ? std::string(width - s.size(), '0') + s : s;
    };
    std::string out;
    bool afterHour = false;
    const std::size_t n = format.size();
    for (std::size_t i = 0; i < n;) {
        const char c = format[i];
        const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        std::size_t run = 1;
        while (i + run < n && std::tolower(static_cast<unsigned char>(format[i + run])) == lower) ++run;
        if (c == '"' || c == '\'') {
            std::size_t close = format.find(c, i + 1);
            if (close == std::string::npos) close = n;
            out += format.substr(i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        switch (lower) {
            case 'y': out += run <= 2 ? padded(year % 100, 2) : padded(year, 4); break;
            case 'm':
                if (afterHour)
                    out += run >= 2 ? padded(minute, 2) : std::to_string(minute);
                else
                    out += run >= 2 ? padded(month, 2) : std::to_string(month);
                afterHour = false;
                break;
            case 'd': out += run >= 2 ? padded(day, 2) : std::to_string(day); break;
            case 'h':
                out += run >= 2 ? padded(hour, 2) : std::to_string(hour);
                afterHour = true;
                break;
            case 'n': out += run >= 2 ? padded(minute, 2) : std::to_string(minute); break;
            case 's': out += run >= 2 ? padded(second, 2) : std::to_string(second); break;
            case 'z': out += run >= 3 ? padded(milli, 3) : std::to_string(milli); break;
            default: out.append(run, c); break;
        }
        i += run;
    }
    return out;
}
