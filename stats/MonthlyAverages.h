#pragma once
// The average of each rating over the entries of each month.

#include "store/Records.h"

#include <array>
#include <cstdint>
#include <vector>

struct MonthAverage
{
    int year = 0;
    int month = 0; // 1..12
    // Mood, fatigue, shape, dream: the number of entries whose rating lies
    // on its scale, and their average (meaningless while the count is 0).
    std::array<int, 4> counts{};
    std::array<double, 4> averages{};
};

// One element per month from January of firstYear to December of lastYear,
// in order; headers and their local days (EntryDays) in the same order.
std::vector<MonthAverage> MonthlyAverages(const std::vector<EntryHeader>& headers,
                                          const std::vector<int32_t>& days, int firstYear,
                                          int lastYear);
