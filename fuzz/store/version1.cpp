// Runs the version-1 reader over arbitrary file contents and names: the
// reader must take any bytes, and what it hands on must never carry a zero
// byte into an entry's RTF.

#include "store/Version1File.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const Version1ReadResult read = ReadVersion1Entry(bytes);
    if (read.entry) {
        if (size < kVersion1TextOffset) {
            std::abort();
        }
        const std::string rtf = Version1Rtf(read.entry->text);
        if (rtf.find('\0') != std::string::npos) {
            std::abort();
        }
    } else if (size >= kVersion1TextOffset) {
        std::abort();
    } else {
        (void)Version1FieldMessage(read.failedField);
    }

    if (const auto stamp = ParseVersion1Name(bytes.substr(0, 16))) {
        (void)stamp->LocalTime();
    }
    return 0;
}
