// The later parts of an encrypted diary, as their bytes come out of a file
// that opened: the history of deleted and edited entries and the reminder
// and task texts in any script. The first input byte chooses the part. A
// part that decodes must encode to the very same bytes, and a history
// joined with itself must stay as it is, sorted.

#include "store/EntryHistory.h"
#include "store/ScriptTexts.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const std::string_view part(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] & 1) {
        if (const auto changes = CEntryHistory::Decode(part)) {
            if (CEntryHistory::Encode(*changes) != part)
                std::abort();
            const auto joined = CEntryHistory::Union(part, part);
            if (!joined || CEntryHistory::Union(*joined, *joined) != joined)
                std::abort();
        }
    } else if (const auto texts = CScriptTexts::Decode(part)) {
        if (CScriptTexts::Encode(*texts) != part)
            std::abort();
    }
    return 0;
}
