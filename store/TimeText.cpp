#include "store/TimeText.h"

#include <ctime>
#include <locale.h>

namespace {

// The C locale, made once: the process locale may be German or anything
// else, but dates are always shown with English names.
locale_t CLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return locale;
}

bool DropsLeadingZeros(char directive)
{
    switch (directive) {
    case 'd':
    case 'H':
    case 'I':
    case 'j':
    case 'm':
    case 'M':
    case 'S':
    case 'U':
    case 'w':
    case 'W':
    case 'y':
    case 'Y':
        return true;
    default:
        return false;
    }
}

// Turns the "#" flag of the Windows C library into its glibc equivalent:
// "%#x" and "%#c" become the long date (and time), "%#d" and its numeric
// twins lose their leading zeros ("%-d"), and on anything else the flag is
// dropped (glibc would read "#" as "swap case").
std::string TranslateFormat(std::string_view format)
{
    std::string out;
    out.reserve(format.size() + 16);
    for (size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c != '%' || i + 1 >= format.size()) {
            out += c;
            continue;
        }
        char next = format[i + 1];
        if (next != '#') {
            out += c;
            out += next;
            ++i;
            continue;
        }
        if (i + 2 >= format.size()) {
            i += 1; // a dangling "%#" prints nothing
            continue;
        }
        const char directive = format[i + 2];
        i += 2;
        if (directive == 'x')
            out += "%A, %B %d, %Y";
        else if (directive == 'c')
            out += "%A, %B %d, %Y %H:%M:%S";
        else if (DropsLeadingZeros(directive))
            out += std::string("%-") + directive;
        else
            out += std::string("%") + directive;
    }
    return out;
}

} // namespace

int64_t LocalMoment(int year, int month, int day, int hour, int minute, int second)
{
    std::tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    parts.tm_isdst = -1;
    return static_cast<int64_t>(std::mktime(&parts));
}

std::string FormatTime(std::string_view format, int64_t time)
{
    const auto value = static_cast<time_t>(time);
    if (static_cast<int64_t>(value) != time)
        return {};
    tzset();
    tm local{};
    if (localtime_r(&value, &local) == nullptr)
        return {};
    const std::string translated = TranslateFormat(format);
    char buffer[256];
    const size_t length = strftime_l(buffer, sizeof buffer, translated.c_str(), &local, CLocale());
    // Zero means "empty" or "did not fit"; either way the answer is empty.
    if (length == 0 || length > 127)
        return {};
    return std::string(buffer, length);
}
