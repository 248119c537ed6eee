#include "stats/DiaryFigures.h"

#include <algorithm>

DiaryFigures ComputeFigures(const std::vector<EntryHeader>& headers,
                            const std::vector<int32_t>& days, int32_t today)
{
    DiaryFigures figures;
    figures.entries = static_cast<int>(headers.size());
    for (const EntryHeader& header : headers) {
        if (header.mood >= -3 && header.mood <= 3) {
            ++figures.moodCounts[static_cast<size_t>(header.mood + 3)];
        }
    }
    if (days.empty()) {
        return figures;
    }

    // The store keeps entries in time order, so the days are sorted already;
    // a damaged index file may not be.
    std::vector<int32_t> distinct = days;
    if (!std::is_sorted(distinct.begin(), distinct.end())) {
        std::sort(distinct.begin(), distinct.end());
    }
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());

    figures.daysWithEntry = static_cast<int>(distinct.size());
    figures.daySpan = std::max(today, distinct.back()) - distinct.front() + 1;

    int run = 0;
    for (size_t k = 0; k < distinct.size(); ++k) {
        run = k > 0 && distinct[k] == distinct[k - 1] + 1 ? run + 1 : 1;
        figures.longestStreak = std::max(figures.longestStreak, run);
    }

    // Walk back from today (or yesterday) through consecutive days.
    auto at = std::upper_bound(distinct.begin(), distinct.end(), today);
    if (at != distinct.begin()) {
        --at;
        if (*at == today || *at == today - 1) {
            int32_t expected = *at;
            while (*at == expected) {
                ++figures.currentStreak;
                --expected;
                if (at == distinct.begin()) {
                    break;
                }
                --at;
            }
        }
    }
    return figures;
}
