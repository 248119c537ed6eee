// Finding every matching entry. Goals: a text that matches about 1% of
// one-kilobyte entries, with the plain texts already remembered, within
// 15 ms at 10,000 entries and 100 ms at 100,000; the same with nothing
// remembered yet (every entry read, decrypted and converted first) within
// 150 ms at 10,000. The remembered texts may keep at most 1.2 times their
// own size ("kept_ratio"); peak memory with 100,000 entries searched at most
// 250 MB ("maxrss_MB").
#include "search/EntryTextCache.h"
#include "search/EntryTextLoader.h"
#include "search/SearchEngine.h"
#include "store/DiarySession.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstring>
#include <map>
#include <sys/resource.h>

namespace {

const char* const kWords[] = {
    "the",     "morning", "was",    "grey",  "and",    "walk",   "to",     "work",    "took",
    "longer",  "than",    "usual",  "we",    "had",    "coffee", "with",   "Anna",    "after",
    "rain",    "garden",  "tired",  "slept", "well",   "dream",  "about",  "train",   "station",
    "in",      "a",       "small",  "town",  "letter", "from",   "mother", "cooked",  "soup",
    "evening", "quiet",   "read",   "book",  "until",  "late",   "felt",   "better",  "today",
    "market",  "bought",  "apples", "bread", "called", "Peter",  "office", "meeting", "long",
};

// About a kilobyte of plain diary prose; every hundredth entry mentions the lake.
QString EntryText(int n)
{
    uint32_t seed = uint32_t(n) * 2654435761u + 1;
    QString text = QStringLiteral("Entry %1. ").arg(n);
    while (text.size() < 1000) {
        seed = seed * 1103515245u + 12345u;
        text += QLatin1String(kWords[(seed >> 16) % std::size(kWords)]);
        text += (seed >> 8) % 11 == 0 ? QStringLiteral(". ") : QStringLiteral(" ");
        if (n % 100 == 0 && text.size() > 500 && !text.contains(QLatin1String("lake")))
            text += QStringLiteral("swam in the lake ");
    }
    return text;
}

double MaxRssMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void Report(benchmark::State& state, const CEntryTextCache& cache)
{
    state.counters["text_MB"] = double(cache.TextBytes()) / 1e6;
    state.counters["kept_MB"] = double(cache.MemoryBytes()) / 1e6;
    state.counters["kept_ratio"] = double(cache.MemoryBytes()) / double(cache.TextBytes());
    state.counters["maxrss_MB"] = MaxRssMegabytes();
}

void Search(benchmark::State& state, const CEntryTextCache& cache)
{
    const auto hits = SearchEntries(cache.Snapshot(), {.text = QStringLiteral("LAKE")});
    if (hits.size() != size_t(cache.Count() / 100))
        state.SkipWithError("wrong number of results");
    benchmark::DoNotOptimize(hits.data());
}

void BM_SearchAllResults(benchmark::State& state)
{
    CEntryTextCache cache;
    for (int i = 0; i < state.range(0); ++i) {
        EntryHeader header;
        header.time = 946'684'800 + int64_t{i} * 86'400;
        header.textOffset = uint32_t(i) * 1024;
        cache.Append(header, EntryText(i));
    }
    cache.FinishFill();
    for (auto _ : state)
        Search(state, cache);
    Report(state, cache);
}
BENCHMARK(BM_SearchAllResults)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// An encrypted diary on disk, entries as the editor writes them.
const CDiarySession& Diary(int count)
{
    static QTemporaryDir dir;
    static std::map<int, std::unique_ptr<CDiarySession>> made;
    auto& session = made[count];
    if (session)
        return *session;
    const std::string path = dir.filePath(QStringLiteral("diary%1.ilm").arg(count)).toStdString();
    session = std::make_unique<CDiarySession>(CDiaryName(path));
    auto store = session->MakeStore();
    for (int i = 0; i < count; ++i) {
        store->entry = DiaryEntry{};
        store->entry.time = 946'684'800 + int64_t{i} * 86'400;
        store->entry.text = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs24 " +
                            EntryText(i).toStdString() + "\\par\n}";
        std::strcpy(store->entry.password, "Secret1");
        store->AppendEntry();
    }
    return *session;
}

void BM_SearchFirstTime(benchmark::State& state)
{
    const CDiarySession& session = Diary(static_cast<int>(state.range(0)));
    CEntryTextCache cache;
    for (auto _ : state) {
        if (!FillEntryTexts(session, cache))
            state.SkipWithError("the diary could not be read");
        Search(state, cache);
    }
    Report(state, cache);
}
BENCHMARK(BM_SearchFirstTime)->Arg(10'000)->Unit(benchmark::kMillisecond);

} // namespace
