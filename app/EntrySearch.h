#pragma once
// Search mode's walk over the diary: from the entry on view to the next (or
// previous) entry whose displayed text holds the search text.

#include <QString>
#include <functional>
#include <optional>

struct EntryHit
{
    int index = 0;        // the entry that matched
    qsizetype offset = 0; // where the found text starts in its displayed text
    bool operator==(const EntryHit&) const = default;
};

// Looks at the entries after `from` (before it when !forward; from -1, the
// walk starts at entry 0) for `needle`, ignoring letter case: forward takes
// an entry's first occurrence, backward its last. An empty needle matches
// every entry at offset 0. `textOf(i)` gives entry i's text as displayed; it
// is asked only for the entries walked over. nullopt when no entry matched.
std::optional<EntryHit> FindEntry(int count, int from, bool forward, const QString& needle,
                                  const std::function<QString(int)>& textOf);
