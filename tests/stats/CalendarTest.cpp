// Figures, year grid and monthly averages count each entry on its local day.

#include "stats/DiaryFigures.h"
#include "stats/LocalDays.h"
#include "stats/MonthlyAverages.h"
#include "stats/YearGrid.h"
#include "tests/stats/StatsTestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

int32_t Day(int year, int month, int day)
{
    return DayNumber({year, month, day});
}

// As localtime() on days of 23 and 25 hours, without a midnight (Sao Paulo),
// with half-hour shifts (Lord Howe) and around Samoa's skipped 30 Dec 2011.
TEST(LocalDays, WalkAgreesWithLocaltimeInEveryZone)
{
    for (const char* zone : {"Europe/Berlin", "America/Sao_Paulo", "Australia/Lord_Howe",
                             "Pacific/Apia", "America/New_York"}) {
        PinTimeZone(zone);
        CLocalDays calendar;
        const int64_t from = LocalTime(2011, 1, 1, 0);
        const int64_t to = LocalTime(2013, 1, 1, 0);
        for (int64_t t = from; t < to; t += 37 * 60) {
            const auto time = static_cast<std::time_t>(t);
            std::tm local{};
            localtime_r(&time, &local);
            const int32_t expected = Day(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
            ASSERT_EQ(calendar.DayOf(t), expected) << zone << " at " << t;
        }
    }
    EXPECT_EQ(DateOfDay(Day(2024, 2, 29)), (CivilDate{2024, 2, 29}));
    EXPECT_EQ(Day(2024, 3, 1) - Day(2024, 2, 28), 2);
    EXPECT_EQ(Day(2100, 3, 1) - Day(2100, 2, 28), 1);
}

TEST(Figures, StreaksFollowLocalDays)
{
    PinTimeZone("Europe/Berlin");
    // Across the year end, three entries on New Year's Day.
    std::vector<EntryHeader> headers = {
        Header(LocalTime(2023, 12, 30, 23, 59), 1),
        Header(LocalTime(2023, 12, 31, 0, 1), 2),
        Header(LocalTime(2024, 1, 1, 0, 1), 3),
        Header(LocalTime(2024, 1, 1, 12, 0), 3),
        Header(LocalTime(2024, 1, 1, 23, 59), 3),
        Header(LocalTime(2024, 1, 2, 0, 1), 7), // out of scale: counted, in no mood share
    };
    // 23:59 and 00:01 on alternate days from 27 February to 2 April 2024:
    // across 29 February, two month ends and the switch to summer time.
    for (int32_t day = Day(2024, 2, 27); day <= Day(2024, 4, 2); ++day) {
        const CivilDate date = DateOfDay(day);
        const bool late = day % 2 == 0;
        headers.push_back(
            Header(LocalTime(date.year, date.month, date.day, late ? 23 : 0, late ? 59 : 1),
                   late ? -1 : 0));
    }
    const std::vector<int32_t> days = EntryDays(headers);

    // (now, current streak, the span's last day: today, or a later entry's day)
    for (const auto& [now, current, last] :
         {std::tuple{LocalTime(2024, 4, 2, 0, 0), 36, Day(2024, 4, 2)},
          std::tuple{LocalTime(2024, 4, 3, 23, 59), 36, Day(2024, 4, 3)}, // today not written yet
          std::tuple{LocalTime(2024, 4, 4, 0, 0), 0, Day(2024, 4, 4)},
          std::tuple{LocalTime(2024, 1, 2, 9, 0), 4, Day(2024, 4, 2)}}) {
        const DiaryFigures figures = ComputeFigures(headers, days, LocalToday(now));
        EXPECT_EQ(figures.entries, 6 + 36);
        EXPECT_EQ(figures.daysWithEntry, 4 + 36);
        EXPECT_EQ(figures.longestStreak, 36);
        EXPECT_EQ(figures.currentStreak, current) << now;
        EXPECT_EQ(figures.daySpan, last - Day(2023, 12, 30) + 1) << now;
    }
    const DiaryFigures figures = ComputeFigures(headers, days, Day(2024, 4, 2));
    EXPECT_EQ(figures.moodCounts, (std::array{0, 0, 18, 18, 1, 1, 3}));

    EXPECT_EQ(ComputeFigures({}, {}, Day(2024, 1, 1)).daySpan, 0);
}

TEST(YearGrid, DaysTakeTheirLatestEntry)
{
    PinTimeZone("America/New_York");
    const std::vector<EntryHeader> headers = {
        Header(LocalTime(2023, 12, 31, 23, 59), -3),
        Header(LocalTime(2024, 1, 1, 0, 1), -2, -2, -3, -2),
        Header(LocalTime(2024, 1, 1, 8, 0), 1, -1, -1, 1),
        Header(LocalTime(2024, 1, 1, 22, 0), 2, 0, 0, 2),
        Header(LocalTime(2024, 2, 29, 12, 0), 3),
        Header(LocalTime(2024, 3, 10, 3, 30), -1), // the morning clocks went forward
        Header(LocalTime(2024, 11, 3, 1, 30), 1),  // the hour that came twice
        Header(LocalTime(2024, 12, 31, 23, 59), -1),
        Header(LocalTime(2025, 1, 1, 0, 1), 3),
        Header(LocalTime(2024, 4, 5, 10), 9, 1, -4, 1), // damaged: only its dream is on its scale
    };
    const std::vector<int32_t> days = EntryDays(headers);
    const YearGrid grid = BuildYearGrid(headers, days, 2024);

    const GridDay& newYear = grid.At(1, 1);
    EXPECT_EQ(newYear.entry, 3);
    EXPECT_EQ(newYear.entries, 3);
    EXPECT_EQ((std::array{newYear.mood, newYear.fatigue, newYear.shape, newYear.dream}),
              (std::array{2, 0, 0, 2}));
    for (const auto& [month, day, entry] :
         {std::tuple{2, 29, 4}, std::tuple{3, 10, 5}, std::tuple{11, 3, 6}, std::tuple{12, 31, 7}})
        EXPECT_EQ(grid.At(month, day).entry, entry) << month << '/' << day;
    EXPECT_EQ(std::count_if(grid.days.begin(), grid.days.end(),
                            [](const GridDay& day) { return day.entry >= 0; }),
              6); // nothing of 2023 or 2025 leaked in
    EXPECT_EQ(DiaryYears(days), (std::vector<int>{2023, 2024, 2025}));

    const std::vector<MonthAverage> months = MonthlyAverages(headers, days, 2024, 2024);
    ASSERT_EQ(months.size(), 12u);
    EXPECT_EQ(months[0].counts[0], 3);
    EXPECT_DOUBLE_EQ(months[0].averages[0], (-2 + 1 + 2) / 3.0);
    EXPECT_DOUBLE_EQ(months[0].averages[2], (-3 - 1 + 0) / 3.0);
    EXPECT_DOUBLE_EQ(months[0].averages[3], (-2 + 1 + 2) / 3.0);
    EXPECT_EQ(months[1].counts[0], 1);
    EXPECT_EQ(months[3].counts, (std::array{0, 0, 0, 1}));
    EXPECT_EQ(months[4].counts, (std::array{0, 0, 0, 0}));
    EXPECT_EQ(months[11].counts[0], 1);
    EXPECT_DOUBLE_EQ(months[11].averages[0], -1.0);
}

} // namespace
