#include "stats/MonthlyAverages.h"

#include "stats/LocalDays.h"

std::vector<MonthAverage> MonthlyAverages(const std::vector<EntryHeader>& headers,
                                          const std::vector<int32_t>& days, int firstYear,
                                          int lastYear)
{
    std::vector<MonthAverage> months;
    if (lastYear < firstYear) {
        return months;
    }
    months.resize(size_t(lastYear - firstYear + 1) * 12);
    for (size_t m = 0; m < months.size(); ++m) {
        months[m].year = firstYear + static_cast<int>(m / 12);
        months[m].month = static_cast<int>(m % 12) + 1;
    }
    std::vector<std::array<int64_t, 4>> sums(months.size());

    const int32_t first = DayNumber({firstYear, 1, 1});
    const int32_t last = DayNumber({lastYear, 12, 31});
    // Consecutive entries mostly share a month: convert a day to its date
    // only when it leaves the month of the entry before.
    int32_t monthStart = 1;
    int32_t monthEnd = 0;
    size_t slot = 0;
    for (size_t k = 0; k < headers.size() && k < days.size(); ++k) {
        const int32_t day = days[k];
        if (day < first || day > last) {
            continue;
        }
        if (day < monthStart || day > monthEnd) {
            const CivilDate date = DateOfDay(day);
            monthStart = DayNumber({date.year, date.month, 1});
            monthEnd = monthStart + DaysInMonth(date.year, date.month) - 1;
            slot = size_t(date.year - firstYear) * 12 + size_t(date.month - 1);
        }
        const EntryHeader& h = headers[k];
        const int32_t values[4] = {h.mood, h.fatigue, h.shape, h.dream};
        static constexpr int kLow[4] = {-3, -2, -3, -2};
        static constexpr int kHigh[4] = {3, 0, 0, 2};
        for (size_t r = 0; r < 4; ++r) {
            if (values[r] >= kLow[r] && values[r] <= kHigh[r]) {
                ++months[slot].counts[r];
                sums[slot][r] += values[r];
            }
        }
    }
    for (size_t m = 0; m < months.size(); ++m) {
        for (size_t r = 0; r < 4; ++r) {
            if (months[m].counts[r] > 0) {
                months[m].averages[r] = double(sums[m][r]) / months[m].counts[r];
            }
        }
    }
    return months;
}
