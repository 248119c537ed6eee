#include "stats/LocalDays.h"

#include <ctime>

namespace {

constexpr int64_t kDaySeconds = 86400;

int64_t FloorDiv(int64_t a, int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

int32_t SlowDayOf(int64_t time)
{
    const auto t = static_cast<std::time_t>(time);
    std::tm local{};
    if (localtime_r(&t, &local) == nullptr) {
        return static_cast<int32_t>(FloorDiv(time, kDaySeconds));
    }
    return DayNumber({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
}

} // namespace

int32_t DayNumber(const CivilDate& date)
{
    // Days from civil (H. Hinnant's algorithm): March-based years put the
    // leap day last.
    const int y = date.year - (date.month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int mp = (date.month + 9) % 12;
    const int doy = (153 * mp + 2) / 5 + date.day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate DateOfDay(int32_t day)
{
    const int z = day + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    const int d = doy - (153 * mp + 2) / 5 + 1;
    const int m = mp < 10 ? mp + 3 : mp - 9;
    return {yoe + era * 400 + (m <= 2 ? 1 : 0), m, d};
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[(month - 1) % 12];
}

int64_t LocalDayStart(int32_t day)
{
    const CivilDate date = DateOfDay(day);
    std::tm local{};
    local.tm_year = date.year - 1900;
    local.tm_mon = date.month - 1;
    local.tm_mday = date.day;
    local.tm_isdst = -1;
    const auto start = static_cast<int64_t>(std::mktime(&local));
    if (local.tm_mday == date.day && local.tm_hour == 0 && local.tm_min == 0 && local.tm_sec == 0) {
        return start;
    }
    // Midnight did not exist that day (the clock jumped over it, or over the
    // whole day): the day starts at the first second that is on it or after
    // it, found by bisection around mktime's guess.
    int64_t low = start - kDaySeconds;  // before the day
    int64_t high = start + kDaySeconds; // on it or after it
    while (high - low > 1) {
        const int64_t middle = low + (high - low) / 2;
        (SlowDayOf(middle) >= day ? high : low) = middle;
    }
    return high;
}

int32_t CLocalDays::DayOf(int64_t time)
{
    if (m_bKnown && time >= m_nStart && time < m_nEnd) {
        return m_nDay;
    }
    if (!m_bKnown) {
        const auto t = static_cast<std::time_t>(time);
        std::tm local{};
        if (localtime_r(&t, &local) != nullptr) {
            m_nOffset = local.tm_gmtoff;
        }
    }
    auto guess = static_cast<int32_t>(FloorDiv(time + m_nOffset, kDaySeconds));
    for (int tries = 0; tries < 4; ++tries) {
        const int64_t start = m_bKnown && guess == m_nDay + 1 ? m_nEnd : LocalDayStart(guess);
        if (time < start) {
            --guess;
            continue;
        }
        const int64_t end = LocalDayStart(guess + 1);
        if (time >= end) {
            ++guess;
            continue;
        }
        m_bKnown = true;
        m_nDay = guess;
        m_nStart = start;
        m_nEnd = end;
        m_nOffset = int64_t{guess} * kDaySeconds - start;
        return guess;
    }
    return SlowDayOf(time);
}

std::vector<int32_t> EntryDays(const std::vector<EntryHeader>& headers)
{
    std::vector<int32_t> days;
    days.reserve(headers.size());
    CLocalDays calendar;
    for (const EntryHeader& header : headers) {
        days.push_back(calendar.DayOf(header.time));
    }
    return days;
}

int32_t LocalToday(int64_t now)
{
    return SlowDayOf(now);
}
