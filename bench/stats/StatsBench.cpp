// The statistics of a long diary, computed from its headers: the figures, a
// year in colours and the monthly averages when the Statistics window opens,
// and the "on this day" lines whenever the main window rebuilds its summaries.
#include "stats/DiaryFigures.h"
#include "stats/LocalDays.h"
#include "stats/MonthlyAverages.h"
#include "stats/OnThisDay.h"
#include "stats/YearGrid.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <ctime>
#include <random>

namespace {

// Entries 4 to 16 hours apart from 1975 on (100,000 of them reach the 2080s),
// with random ratings; Berlin time, so that the walk meets two clock changes
// a year.
std::vector<EntryHeader> History(int count)
{
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    std::mt19937 random(7);
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::vector<EntryHeader> headers(static_cast<size_t>(count));
    int64_t time = 157766400; // 1975-01-01
    for (EntryHeader& header : headers) {
        time += pick(4 * 3600, 16 * 3600);
        header.time = time;
        header.mood = pick(-3, 3);
        header.fatigue = pick(-2, 0);
        header.shape = pick(-3, 0);
        header.dream = pick(-2, 2);
    }
    return headers;
}

void BM_YearStats(benchmark::State& state)
{
    const std::vector<EntryHeader> headers = History(static_cast<int>(state.range(0)));
    const int64_t now = headers.back().time + 3600;
    for (auto _ : state) {
        const std::vector<int32_t> days = EntryDays(headers);
        const DiaryFigures figures = ComputeFigures(headers, days, LocalToday(now));
        const std::vector<int> years = DiaryYears(days);
        const YearGrid grid = BuildYearGrid(headers, days, years.back());
        const std::vector<MonthAverage> months =
            MonthlyAverages(headers, days, years.front(), years.back());
        benchmark::DoNotOptimize(figures);
        benchmark::DoNotOptimize(grid);
        benchmark::DoNotOptimize(months.data());
    }
}
BENCHMARK(BM_YearStats)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_OnThisDay(benchmark::State& state)
{
    const std::vector<EntryHeader> headers = History(static_cast<int>(state.range(0)));
    const int64_t now = headers.back().time + 3600;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindOnThisDay(headers, now));
    }
}
BENCHMARK(BM_OnThisDay)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
