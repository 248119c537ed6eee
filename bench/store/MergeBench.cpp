// Merging two copies of a diary that parted 200 entries ago (100 written on
// each side), each of n entries of about 1 KB of text: the other copy read,
// compared entry by entry, and this diary rewritten and flushed to the disk.
// The encrypted variant starts with both copies unlocked (keys derived) and
// ends with the one file sealed and written; both copies keep a history (the
// other one of 1,000 earlier deletions), which the merge consults and joins. Beside its time each
// prints "floor_sync_ms": plain writes of the bytes the merge must put on the disk, each flushed,
// as this disk takes them now (on a busy shared disk the flushes are most of the time).

#include "BenchFolder.h"
#include "store/DiaryConversion.h"
#include "store/DiaryMerge.h"
#include "store/DiarySession.h"
#include "store/EncryptedSession.h"
#include "store/EntryHistory.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

const std::string kPassword = "benchmark";

std::string Folder()
{
    return benchfolder::Scratch("merge");
}

// Entries `first` to `first + count - 1`, one hour apart, as additions.
void AddEntries(CDiaryMerge::Plan& plan, int first, int count)
{
    for (int i = first; i < first + count; ++i) {
        CDiaryMerge::Change& change = plan.entries.emplace_back();
        change.entry.time = 1'000'000'000 + int64_t(i) * 3600;
        change.entry.mood = i % 10;
        std::string text = "{\\rtf1\\ansi Day " + std::to_string(i) + ". ";
        while (text.size() < 1000)
            text += "Walked along the river and wrote about it. ";
        change.entry.text = text + '}';
    }
}

// The two copies' parts: a shared past of n - 100 entries, then 100 each.
struct Copies
{
    DiaryParts mine;
    DiaryParts other;
    std::string history; // the other encrypted copy's
};

const Copies& MakeCopies(int n)
{
    static std::vector<std::pair<int, Copies>> made;
    for (const auto& [count, copies] : made)
        if (count == n)
            return copies;
    CDiaryMerge::Plan mine;
    CDiaryMerge::Plan other;
    AddEntries(mine, 0, n - 100);
    other.entries = mine.entries;
    AddEntries(mine, n, 100);
    AddEntries(other, n + 100, 100);
    Copies copies;
    CDiaryMerge::Apply({}, mine, kPassword, copies.mine);
    CDiaryMerge::Apply({}, other, kPassword, copies.other);
    // Entries deleted long before the copies parted, for the encrypted copy.
    std::string history;
    for (int i = 0; i < 1000; ++i) {
        CEntryHistory::Change deleted;
        deleted.when = 900'000'000 + i;
        deleted.from.time = 800'000'000 + int64_t(i) * 3600;
        deleted.from.hash.fill(static_cast<unsigned char>(i));
        deleted.from.hash[1] = static_cast<unsigned char>(i >> 8);
        CEntryHistory::Append(history, deleted);
    }
    copies.history = history;
    return made.emplace_back(n, std::move(copies)).second;
}

void WriteFourFiles(const std::string& indexPath, const DiaryParts& parts)
{
    for (size_t i = 0; i < kDiaryPartCount; ++i) {
        const std::string path = CDiaryName(indexPath).PartPath(static_cast<DiaryPart>(i));
        std::ofstream(path, std::ios::binary | std::ios::trunc) << parts.bytes[i];
    }
}

// The median time of writing each of `files` to a new file and flushing it.
double SyncFloor(const std::vector<std::string_view>& files)
{
    std::vector<double> times;
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        for (const std::string_view bytes : files) {
            const std::string path = Folder() + "/floor.bin";
            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
            ::fdatasync(fd);
            ::close(fd);
        }
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    return times[1];
}

void BM_MergeDiaries(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Copies& copies = MakeCopies(n);
    const std::string mine = Folder() + "/mine.ilm";
    const std::string other = Folder() + "/other.ilm";
    WriteFourFiles(other, copies.other);
    for (auto _ : state) {
        state.PauseTiming();
        WriteFourFiles(mine, copies.mine);
        CDiarySession session{CDiaryName(mine)};
        session.SetPassword(Passphrase(kPassword));
        DiaryParts parts;
        state.ResumeTiming();
        CDiaryMerge::Plan applied;
        if (!CDiaryMerge::ReadFiles(CDiaryName(other), parts) ||
            !CDiaryMerge::Merge(session, parts, &applied) || applied.entries.size() != 100) {
            state.SkipWithError("the copies were not merged");
            break;
        }
    }
    // The new index and the 100 texts appended.
    const std::string& index = copies.mine[DiaryPart::Index];
    state.counters["floor_sync_ms"] =
        SyncFloor({index, std::string_view(copies.other[DiaryPart::Texts]).substr(0, 100 * 1000)});
}
BENCHMARK(BM_MergeDiaries)->Arg(10'000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MergeEncryptedDiaries(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Copies& copies = MakeCopies(n);
    const std::string plain = Folder() + "/plain.ilm";
    const std::string mine = Folder() + "/mine.dayloom";
    WriteFourFiles(plain, copies.mine);
    std::remove(mine.c_str());
    if (!CDiaryConversion::Encrypt(CDiaryName(plain), mine, kPassword, KdfParams::Cheapest())
             .ok()) {
        state.SkipWithError("the diary was not encrypted");
        return;
    }
    std::string sealed;
    {
        std::ifstream in(mine, std::ios::binary);
        sealed.assign(std::istreambuf_iterator<char>(in), {});
    }
    // Each session ends (its parts wiped) outside the timing.
    DiaryParts other = copies.other;
    other.history = copies.history;
    std::unique_ptr<CDiarySession> session;
    for (auto _ : state) {
        state.PauseTiming();
        session.reset();
        std::ofstream(mine, std::ios::binary | std::ios::trunc) << sealed;
        session = std::make_unique<CDiarySession>(CDiaryName(mine));
        const bool unlocked = session->Unlock(Passphrase(kPassword));
        state.ResumeTiming();
        CDiaryMerge::Plan applied;
        if (!unlocked || !session->Encrypted()->History() ||
            !CDiaryMerge::Merge(*session, other, &applied) || applied.entries.size() != 100 ||
            applied.deletionsComeBack) {
            state.SkipWithError("the copies were not merged");
            break;
        }
    }
    state.counters["floor_sync_ms"] = SyncFloor({sealed});
}
BENCHMARK(BM_MergeEncryptedDiaries)->Arg(10'000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
