// Unlocks arbitrary bytes as an encrypted diary file (NAME.dayloom), with
// key-derivation limits so low that every derivation is cheap. The first
// input byte chooses whether the header's checksum is first made to match
// (odd) so that the fuzzer reaches the fields behind it, the key unwrapping
// and the parts; the rest is the file.

#include "store/EncryptedDiaryFile.h"

#include <cstddef>
#include <cstdint>
#include <sodium.h>
#include <string>

namespace {

void MatchChecksum(std::string& file)
{
    using namespace encrypted;
    if (file.size() < kHeaderLengthAt + 2)
        return;
    auto* p = reinterpret_cast<unsigned char*>(file.data());
    const size_t length = size_t(p[kHeaderLengthAt]) | size_t(p[kHeaderLengthAt + 1]) << 8;
    if (length < kHeaderLengthAt + 2 + kChecksumSize || length > file.size())
        return;
    crypto_generichash(p + length - kChecksumSize, kChecksumSize, p, length - kChecksumSize,
                       nullptr, 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    std::string file(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] & 1)
        MatchChecksum(file);
    const KdfLimits cheap{1, 2, 8 << 10, 64 << 10};
    CEncryptedDiaryFile diary("/nonexistent/fuzz.dayloom", cheap);
    diary.Unlock(file, "fuzz");
    return 0;
}
