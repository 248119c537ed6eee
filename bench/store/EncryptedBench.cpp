// The encrypted diary's costs: deriving the key from a password with the
// parameters new diaries get (aim: 0.3-1.0 s on a two-core machine, slow
// for a password guesser, bearable once per unlock).

#include "store/KeyDerivation.h"

#include <benchmark/benchmark.h>

namespace {

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

} // namespace
