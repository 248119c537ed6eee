#pragma once
// One calendar year, day by day: the ratings each local day was given. A day
// with several entries takes the ratings of its latest entry.

#include "store/Records.h"

#include <array>
#include <cstdint>
#include <vector>

struct GridDay
{
    int32_t entry = -1; // the entry that rates the day; -1 for a day without one
    int32_t entries = 0;
    int32_t mood = 0;
    int32_t fatigue = 0;
    int32_t shape = 0;
    int32_t dream = 0;
};

struct YearGrid
{
    int year = 0;
    // 12 rows of 31 days; cells past a month's end stay blank.
    std::array<GridDay, 12 * 31> days{};

    const GridDay& At(int month, int day) const { return days[size_t((month - 1) * 31 + day - 1)]; }
    GridDay& At(int month, int day) { return days[size_t((month - 1) * 31 + day - 1)]; }
};

// headers and their local days (EntryDays) in the same order.
YearGrid BuildYearGrid(const std::vector<EntryHeader>& headers, const std::vector<int32_t>& days,
                       int year);

// The years from the first entry's to the last entry's, oldest first (empty
// for an empty diary).
std::vector<int> DiaryYears(const std::vector<int32_t>& days);

// The day the window first shows: today when its year has an entry (or the
// diary has none), otherwise the last entry's day, in the latest year that
// has entries.
int32_t FirstDayShown(const std::vector<int32_t>& days, int32_t today);
