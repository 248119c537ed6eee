#pragma once
// The figures for a whole diary: how many entries, on how many days, the
// longest and the current run of days with an entry, and how often each
// mood was given.

#include "store/Records.h"

#include <array>
#include <cstdint>
#include <vector>

struct DiaryFigures
{
    int entries = 0;
    int daysWithEntry = 0;
    // Days from the first entry's day through today (or through the last
    // entry's day when an entry is dated later): the M of "N of M".
    int daySpan = 0;
    int longestStreak = 0;
    // The run of days with an entry that ends today, or yesterday while
    // today has none yet (the run is not broken before the day is over).
    int currentStreak = 0;
    // Entries per mood value, -3 first; moods outside the scale (only a
    // damaged diary has them) are counted in neither.
    std::array<int, 7> moodCounts{};
};

// headers and their local days (EntryDays) in the same order; today is
// LocalToday(now).
DiaryFigures ComputeFigures(const std::vector<EntryHeader>& headers,
                            const std::vector<int32_t>& days, int32_t today);
