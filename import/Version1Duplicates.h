#pragma once
// Recognises version-1 files whose entry a diary already holds, so that
// importing a folder again adds nothing twice. An entry is the same when its
// time and its text are: the text as this import wraps it, or as earlier
// releases wrapped it (unescaped).

#include "import/KnownEntries.h"

#include <cstdint>
#include <string>

class CDiaryStore;

class CVersion1Duplicates
{
public:
    // Reads the times of the diary's entries; texts are read only for
    // entries whose time matches a file's.
    explicit CVersion1Duplicates(CDiaryStore& store);

    // True when the diary holds an entry at `time` with this version-1 text
    // (its plain text, before wrapping). Uses the store's working entry.
    bool Contains(int64_t time, const std::string& plainText);

    // An entry this import has just appended.
    void Added(int64_t time, const std::string& rtf);

private:
    CKnownEntries m_known; // entries this import added are keyed by their RTF
};
