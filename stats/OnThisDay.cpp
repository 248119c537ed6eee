#include "stats/OnThisDay.h"

#include "stats/LocalDays.h"

#include <algorithm>

std::vector<OnThisDayEntry> FindOnThisDay(const std::vector<EntryHeader>& headers, int64_t now,
                                          size_t most)
{
    std::vector<OnThisDayEntry> found;
    if (headers.empty() || most == 0) {
        return found;
    }
    const CivilDate today = DateOfDay(LocalToday(now));
    const int firstYear = DateOfDay(LocalToday(headers.front().time)).year;
    const bool lastOfShortFebruary = today.month == 2 && today.day == 28 && !IsLeapYear(today.year);

    for (int year = today.year - 1; year >= firstYear && found.size() < most; --year) {
        if (today.month == 2 && today.day == 29 && !IsLeapYear(year)) {
            continue;
        }
        const int32_t day = DayNumber({year, today.month, today.day});
        const int32_t span = lastOfShortFebruary && IsLeapYear(year) ? 2 : 1;
        const int64_t start = LocalDayStart(day);
        const int64_t end = LocalDayStart(day + span);
        // The last entry before the day's end; it is the day's latest when
        // it does not lie before the day's start.
        const auto after =
            std::partition_point(headers.begin(), headers.end(),
                                 [end](const EntryHeader& header) { return header.time < end; });
        if (after == headers.begin() || std::prev(after)->time < start) {
            continue;
        }
        found.push_back({today.year - year, static_cast<int32_t>(after - headers.begin() - 1)});
    }
    return found;
}
