#include "stats/YearGrid.h"

#include "stats/LocalDays.h"

#include <algorithm>

YearGrid BuildYearGrid(const std::vector<EntryHeader>& headers, const std::vector<int32_t>& days,
                       int year)
{
    YearGrid grid;
    grid.year = year;
    const int32_t first = DayNumber({year, 1, 1});
    const int32_t last = DayNumber({year, 12, 31});
    for (size_t k = 0; k < headers.size() && k < days.size(); ++k) {
        if (days[k] < first || days[k] > last) {
            continue;
        }
        const CivilDate date = DateOfDay(days[k]);
        GridDay& cell = grid.At(date.month, date.day);
        ++cell.entries;
        const EntryHeader& header = headers[k];
        // The latest entry of the day wins; between equal times the later
        // one in the file.
        if (cell.entry < 0 || header.time >= headers[size_t(cell.entry)].time) {
            cell.entry = static_cast<int32_t>(k);
            cell.mood = header.mood;
            cell.fatigue = header.fatigue;
            cell.shape = header.shape;
            cell.dream = header.dream;
        }
    }
    return grid;
}

std::vector<int> DiaryYears(const std::vector<int32_t>& days)
{
    std::vector<int> years;
    if (days.empty()) {
        return years;
    }
    const auto [low, high] = std::minmax_element(days.begin(), days.end());
    for (int year = DateOfDay(*low).year; year <= DateOfDay(*high).year; ++year) {
        years.push_back(year);
    }
    return years;
}

int32_t FirstDayShown(const std::vector<int32_t>& days, int32_t today)
{
    const int thisYear = DateOfDay(today).year;
    if (days.empty() || std::any_of(days.begin(), days.end(), [thisYear](int32_t day) {
            return DateOfDay(day).year == thisYear;
        })) {
        return today;
    }
    return *std::max_element(days.begin(), days.end());
}
