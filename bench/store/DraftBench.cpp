// Writing the entry editor's draft: a 20 KB entry sealed and put in place
// atomically (temporary file, flush, rename, folder flush), as the editor
// does ten seconds after the last change. Goal: at most 5 ms. Beside it,
// "floor_sync_ms": one plain write of the same bytes with the two flushes
// any atomic replacement needs (the file's and the folder's), measured in
// the same run on the same disk.

#include "store/DraftFile.h"
#include "store/DraftSealer.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

double FloorMilliseconds(const std::filesystem::path& folder, size_t bytes, int rounds)
{
    const std::string data(bytes, 'x');
    const std::string path = (folder / "floor").string();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        benchmark::DoNotOptimize(::write(fd, data.data(), data.size()));
        ::fdatasync(fd);
        ::close(fd);
        const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
        ::fsync(dir);
        ::close(dir);
    }
    const std::chrono::duration<double, std::milli> spent =
        std::chrono::steady_clock::now() - start;
    return spent.count() / rounds;
}

void BM_DraftWrite(benchmark::State& state)
{
    const auto folder = std::filesystem::temp_directory_path() /
                        ("dayloom-draft-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    EntryDraft draft;
    draft.time = 1710489907;
    draft.mood = 2;
    draft.weight = "72";
    draft.temperature = "36.6";
    draft.rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs24 ";
    while (draft.rtf.size() < static_cast<size_t>(state.range(0))) {
        draft.rtf += "Dear diary, today I wrote a long entry \\b about\\b0  nothing.\\par\n";
    }
    draft.rtf += "}";
    const CTextCipherSealer sealer("secret");
    const CDraftFile file{CDiaryName((folder / "travel.ilm").string())};
    for (auto _ : state) {
        ++draft.writtenAt;
        if (!file.Write(draft, sealer).ok()) {
            state.SkipWithError("draft not written");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
    state.counters["floor_sync_ms"] = FloorMilliseconds(folder, draft.rtf.size(), 50);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_DraftWrite)->Arg(20 * 1024)->Unit(benchmark::kMillisecond);

} // namespace
