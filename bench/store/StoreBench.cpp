// The store's speed on diaries of 1,000, 10,000 and 100,000 entries of about
// 1 KB of text each. Every benchmark prints, beside its own time, the floor
// measured in the same run: the time of one plain read or write of the same
// bytes ("floor_ms"; "floor_sync_ms" adds the flush to the disk that a
// rewrite must do anyway).

#include "BenchFolder.h"
#include "store/DiaryStore.h"
#include "store/Messages.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr size_t kTextSize = 1000;

std::string Folder()
{
    return benchfolder::Scratch("store");
}

using benchfolder::PutU32;

void WriteAll(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

struct Diary
{
    std::string index;
    std::string dataPath;
    std::string indexBytes;
    std::string dataBytes;
    uint16_t extLoc = 0;
};

// A diary of n entries one hour apart, written directly in the file format.
const Diary& MakeDiary(int n)
{
    static std::vector<std::pair<int, Diary>> made;
    for (const auto& [count, diary] : made)
        if (count == n)
            return diary;
    Diary d;
    d.index = Folder() + "/bench" + std::to_string(n) + ".ilm";
    d.extLoc = static_cast<uint16_t>(d.index.size() - 3);
    d.dataPath = d.index;
    d.dataPath[d.extLoc] = 'd';
    const std::string password = "benchmark";
    unsigned key = 0;
    for (unsigned char c : password)
        key += c;
    key &= 0xFF;
    std::string field;
    for (unsigned char c : password)
        field += static_cast<char>(c == 0xB4 ? c : c ^ 0xB4);
    field.resize(30, '\0');
    std::string text = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 ";
    while (text.size() < kTextSize - 1)
        text += "Dear diary, today was a day like any other. ";
    text.resize(kTextSize - 1);
    text += '}';
    for (auto& c : text)
        if (static_cast<unsigned char>(c) != key)
            c = static_cast<char>(static_cast<unsigned char>(c) ^ key);
    d.indexBytes.reserve(size_t(n) * 72);
    d.dataBytes.reserve(size_t(n) * kTextSize);
    for (int i = 0; i < n; ++i) {
        PutU32(d.indexBytes, static_cast<uint32_t>(password.size()));
        d.indexBytes += field;
        PutU32(d.indexBytes, 1000000000u + uint32_t(i) * 3600u);
        for (int32_t v : {i % 7 - 3, i % 3, i % 4})
            PutU32(d.indexBytes, static_cast<uint32_t>(v));
        d.indexBytes += '\0';
        d.indexBytes += '\1';
        float temperature = 36.6f;
        uint32_t bits;
        std::memcpy(&bits, &temperature, 4);
        PutU32(d.indexBytes, bits);
        PutU32(d.indexBytes, 70);
        PutU32(d.indexBytes, uint32_t(i % 5));
        PutU32(d.indexBytes, static_cast<uint32_t>(d.dataBytes.size()));
        PutU32(d.indexBytes, static_cast<uint32_t>(text.size()));
        d.dataBytes += text;
    }
    WriteAll(d.index, d.indexBytes);
    WriteAll(d.dataPath, d.dataBytes);
    made.emplace_back(n, std::move(d));
    return made.back().second;
}

void Restore(const Diary& d)
{
    WriteAll(d.index, d.indexBytes);
    WriteAll(d.dataPath, d.dataBytes);
}

double Millis(const std::function<void()>& work, int repeats = 5)
{
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The floors: one plain read of a file, one plain write of bytes (with or
// without the flush), on the same disk.
double ReadFloor(const std::string& path)
{
    return Millis([&] {
        const int fd = ::open(path.c_str(), O_RDONLY);
        std::string buffer(static_cast<size_t>(std::filesystem::file_size(path)), '\0');
        benchmark::DoNotOptimize(::read(fd, buffer.data(), buffer.size()));
        ::close(fd);
    });
}

double WriteFloor(const std::string& bytes, bool sync)
{
    const std::string path = Folder() + "/floor.bin";
    return Millis([&] {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
        if (sync)
            ::fdatasync(fd);
        ::close(fd);
    });
}

void Floors(benchmark::State& state, double floor, double floorSync = -1)
{
    state.counters["floor_ms"] = floor;
    if (floorSync >= 0)
        state.counters["floor_sync_ms"] = floorSync;
}

void BM_ReadAllEntryHeaders(benchmark::State& state)
{
    const Diary& d = MakeDiary(static_cast<int>(state.range(0)));
    Restore(d);
    std::vector<EntryHeader> headers;
    for (auto _ : state) {
        CDiaryStore store(0, CDiaryName(d.index, d.extLoc));
        store.ReadAllEntryHeaders(headers);
        benchmark::DoNotOptimize(headers.data());
    }
    Floors(state, ReadFloor(d.index));
}

// What opening a diary does: the first entry, then NextEntry to the end,
// with the index file held open for the walk.
void BM_WalkHeaders(benchmark::State& state)
{
    const Diary& d = MakeDiary(static_cast<int>(state.range(0)));
    Restore(d);
    for (auto _ : state) {
        CDiaryStore store(0, CDiaryName(d.index, d.extLoc));
        store.OpenIndexFile();
        store.ReadEntryHeader();
        int64_t sum = 0;
        do {
            sum += store.entry.mood;
        } while (store.NextEntry());
        store.CloseIndexFile();
        benchmark::DoNotOptimize(sum);
    }
    Floors(state, ReadFloor(d.index));
}

// The same walk opening and closing the index file for every entry.
void BM_WalkHeadersReopening(benchmark::State& state)
{
    const Diary& d = MakeDiary(static_cast<int>(state.range(0)));
    Restore(d);
    for (auto _ : state) {
        CDiaryStore store(0, CDiaryName(d.index, d.extLoc));
        store.ReadEntryHeader();
        while (store.NextEntry()) {
        }
    }
    Floors(state, ReadFloor(d.index));
}

void Save(const Diary& d, uint32_t time)
{
    CDiaryStore store(0, CDiaryName(d.index, d.extLoc));
    store.entry.time = time;
    store.entry.text = std::string(kTextSize, 'x');
    std::strcpy(store.entry.password, "benchmark");
    store.AppendEntry();
    store.SortEntries();
}

// Saving the newest entry: AppendEntry, then SortEntries finds the order intact.
void BM_SaveLatestEntry(benchmark::State& state)
{
    const Diary& d = MakeDiary(static_cast<int>(state.range(0)));
    Restore(d);
    for (auto _ : state) {
        Save(d, 4000000000u);
        state.PauseTiming();
        std::filesystem::resize_file(d.index, d.indexBytes.size());
        std::filesystem::resize_file(d.dataPath, d.dataBytes.size());
        state.ResumeTiming();
    }
    Floors(state, WriteFloor(std::string(kTextSize + 72, 'x'), false),
           WriteFloor(std::string(kTextSize + 72, 'x'), true));
}

// Saving an entry older than all others: SortEntries rewrites the index file.
void BM_SaveEarliestEntry(benchmark::State& state)
{
    const Diary& d = MakeDiary(static_cast<int>(state.range(0)));
    Restore(d);
    for (auto _ : state) {
        Save(d, 1000);
        state.PauseTiming();
        WriteAll(d.index, d.indexBytes);
        std::filesystem::resize_file(d.dataPath, d.dataBytes.size());
        state.ResumeTiming();
    }
    Floors(state, WriteFloor(d.indexBytes, false), WriteFloor(d.indexBytes, true));
}

// Editing the entry in the middle of the diary, its date unchanged: its text
// appended, the index rewritten once through the temporary file.
void BM_ReplaceEntry(benchmark::State& state)
{
    const Diary& d = MakeDiary(static_cast<int>(state.range(0)));
    Restore(d);
    const auto middle = static_cast<uint32_t>(state.range(0) / 2);
    for (auto _ : state) {
        CDiaryStore store(0, CDiaryName(d.index, d.extLoc));
        store.entry.time = 1000000000u + middle * 3600u;
        store.entry.text = std::string(kTextSize, 'x');
        std::strcpy(store.entry.password, "benchmark");
        store.ReplaceEntry(middle);
        state.PauseTiming();
        WriteAll(d.index, d.indexBytes);
        std::filesystem::resize_file(d.dataPath, d.dataBytes.size());
        state.ResumeTiming();
    }
    Floors(state, WriteFloor(d.indexBytes, false), WriteFloor(d.indexBytes, true));
}

void BM_DeleteEntry(benchmark::State& state)
{
    const Diary& d = MakeDiary(static_cast<int>(state.range(0)));
    Restore(d);
    for (auto _ : state) {
        CDiaryStore store(0, CDiaryName(d.index, d.extLoc));
        store.DeleteEntry(static_cast<uint32_t>(state.range(0) / 2));
        state.PauseTiming();
        WriteAll(d.index, d.indexBytes);
        state.ResumeTiming();
    }
    const std::string remaining = d.indexBytes.substr(72);
    Floors(state, WriteFloor(remaining, false), WriteFloor(remaining, true));
}

void BM_ChangePassword(benchmark::State& state)
{
    const Diary& d = MakeDiary(static_cast<int>(state.range(0)));
    Restore(d);
    int round = 0;
    for (auto _ : state) {
        CDiaryStore store(0, CDiaryName(d.index, d.extLoc));
        store.ChangePassword(++round % 2 ? "another" : "benchmark");
    }
    // Floor: read both files, write both files.
    const double read = ReadFloor(d.index) + ReadFloor(d.dataPath);
    Floors(state, read + WriteFloor(d.indexBytes, false) + WriteFloor(d.dataBytes, false),
           read + WriteFloor(d.indexBytes, true) + WriteFloor(d.dataBytes, true));
}

void Sizes(benchmark::internal::Benchmark* b)
{
    b->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_ReadAllEntryHeaders)->Apply(Sizes);
BENCHMARK(BM_WalkHeaders)->Apply(Sizes);
BENCHMARK(BM_WalkHeadersReopening)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveLatestEntry)->Apply(Sizes);
BENCHMARK(BM_SaveEarliestEntry)->Apply(Sizes);
BENCHMARK(BM_ReplaceEntry)->Apply(Sizes);
BENCHMARK(BM_DeleteEntry)->Apply(Sizes);
BENCHMARK(BM_ChangePassword)->Apply(Sizes)->Iterations(5);
