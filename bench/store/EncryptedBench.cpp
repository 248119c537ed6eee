// The encrypted diary's costs. Key derivation with the parameters new
// diaries get (aim: 0.3-1.0 s on a two-core machine, slow for a password
// guesser, bearable once per unlock). Opening, saving and changing the
// password on diaries of 10,000 and 100,000 entries of about 1 KB of text:
// the others derive their keys with the cheapest parameters, so that they
// measure the file and its sealing, except the password change, which
// includes one derivation with the default ones.

#include "BenchFolder.h"
#include "store/DiarySession.h"
#include "store/EncryptedSession.h"
#include "store/Messages.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr size_t kTextSize = 1000;
const std::string kPassword = "benchmark";

std::string Folder()
{
    return benchfolder::Scratch("encrypted");
}

using benchfolder::PutU32;

// An encrypted diary of n entries one hour apart (index records and texts
// in the four-file layout), made once per size.
std::string MakeDiary(int n)
{
    const std::string path = Folder() + "/bench" + std::to_string(n) + ".dayloom";
    if (std::filesystem::exists(path))
        return path;
    CEncryptedDiaryFile file(path);
    file.Create(kPassword, KdfParams::Cheapest());
    std::string& index = file.Parts()[DiaryPart::Index];
    std::string& texts = file.Parts()[DiaryPart::Texts];
    std::string field;
    for (unsigned char c : kPassword)
        field += static_cast<char>(c ^ 0xB4);
    field.resize(30, '\0');
    std::string text = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 ";
    while (text.size() < kTextSize)
        text += "Dear diary, today was a day like any other. ";
    text.resize(kTextSize);
    for (int i = 0; i < n; ++i) {
        PutU32(index, static_cast<uint32_t>(kPassword.size()));
        index += field;
        PutU32(index, 1000000000u + uint32_t(i) * 3600u);
        for (uint32_t v : {uint32_t(i % 7), uint32_t(i % 3), uint32_t(i % 4)})
            PutU32(index, v);
        index += std::string("\0\1", 2);
        for (uint32_t v : {0x42124000u /* 36.6 */, 70u, uint32_t(i % 5),
                           static_cast<uint32_t>(texts.size()), uint32_t(kTextSize)})
            PutU32(index, v);
        texts += text;
    }
    file.Commit();
    return path;
}

double MaxRssMegabytes()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_EncryptedKeyDerivation(benchmark::State& state)
{
    const unsigned char salt[kSaltSize] = {1, 2, 3};
    CSecureBuffer key(kKeySize);
    for (auto _ : state) {
        if (!DeriveKey("a diary password", salt, KdfParams::Default(), key))
            state.SkipWithError("no memory for the key derivation");
        benchmark::DoNotOptimize(key.data());
    }
    state.counters["mem_MiB"] = static_cast<double>(KdfParams::Default().memLimit >> 20);
    state.counters["passes"] = static_cast<double>(KdfParams::Default().opsLimit);
}
BENCHMARK(BM_EncryptedKeyDerivation)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// Unlocking (the file read, every part opened) up to the list's headers and
// the last entry's text read, as the main window shows them. Closing (the
// parts wiped) is not timed.
void BM_EncryptedOpen(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const std::string path = MakeDiary(n);
    for (auto _ : state) {
        auto session = std::make_unique<CDiarySession>(CDiaryName(path));
        std::vector<EntryHeader> headers;
        if (!session->Encrypted()->Unlock(Passphrase(kPassword)).ok() ||
            !session->MakeStore()->ReadAllEntryHeaders(headers) || headers.size() != size_t(n) ||
            !session->MakeStore(uint32_t(n - 1))->ReadEntry()) {
            state.SkipWithError("the diary did not open");
            break;
        }
        state.PauseTiming();
        session.reset();
        state.ResumeTiming();
    }
    state.counters["maxrss_MB"] = MaxRssMegabytes();
}
BENCHMARK(BM_EncryptedOpen)->Arg(10'000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Saving one more entry, the file rewritten and flushed to the disk.
void BM_EncryptedSave(benchmark::State& state)
{
    const std::string path = MakeDiary(static_cast<int>(state.range(0)));
    CDiarySession session{CDiaryName(path)};
    if (!session.Encrypted()->Unlock(Passphrase(kPassword)).ok())
        state.SkipWithError("the diary did not open");
    uint32_t time = 2000000000u;
    for (auto _ : state) {
        auto store = session.MakeStore();
        store->entry.time = time++;
        store->entry.text = "{\\rtf1 One more day.}";
        std::strcpy(store->entry.password, kPassword.c_str());
        store->AppendEntry();
        store->SortEntries();
    }
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
}
BENCHMARK(BM_EncryptedSave)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A password change: the key derived with the default parameters, the
// store's rewrite in memory, the file rewritten once.
void BM_EncryptedChangePassword(benchmark::State& state)
{
    const std::string path = MakeDiary(static_cast<int>(state.range(0)));
    CDiarySession session{CDiaryName(path)};
    if (!session.Encrypted()->Unlock(Passphrase(kPassword)).ok())
        state.SkipWithError("the diary did not open");
    bool flip = false;
    for (auto _ : state) {
        if (!session.Encrypted()->ChangePassword((flip = !flip) ? "changed" : kPassword)) {
            state.SkipWithError("the password was not changed");
            break;
        }
    }
    // The next repetition opens the diary with the first password again
    // (after the loop: not timed).
    if (flip && !session.Encrypted()->ChangePassword(kPassword))
        state.SkipWithError("the first password was not restored");
}
BENCHMARK(BM_EncryptedChangePassword)
    ->Arg(10'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

} // namespace
