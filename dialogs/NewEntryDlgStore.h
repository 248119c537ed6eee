#pragma once
// What the entry editor does to the diary: read a stored entry for editing,
// find it again should its index have moved, and store the entry written,
// new or replacing the edited one, saying where it landed after the re-sort.

#include "store/DraftFile.h"
#include "store/Records.h"

#include <cstdint>
#include <optional>
#include <string>

class CDiarySession;

class CNewEntryDlgStore
{
public:
    // A stored entry: its index when read, and its time and text offset,
    // which tell it apart should its index have moved. The text it had when
    // read (empty when not known, as for a restored draft) tells it apart
    // should another program have replaced the diary meanwhile: the entry
    // is still there when one of the same time has the same text.
    struct Identity
    {
        uint32_t index = 0;
        int64_t time = 0;
        uint32_t textOffset = 0;
        std::string text;
    };
    struct Saved
    {
        std::optional<uint32_t> replacedIndex; // where the edited entry was
        std::optional<uint32_t> savedIndex;    // where the saved entry is now
    };

    // Stored entry `index` in the editor's terms; nullopt when unreadable.
    static std::optional<std::pair<EntryDraft, Identity>> Load(const CDiarySession& session,
                                                               uint32_t index);
    // Where the entry is now; nullopt when it is no longer in the diary.
    static std::optional<uint32_t> Locate(const CDiarySession& session, const Identity& entry);
    // Stores `values` (plain text and password) as a new entry, or in place
    // of `edited` while that is still in the diary. nullopt when the store
    // refused (it has told the user); file errors are thrown (CFileError).
    static std::optional<Saved> Save(const CDiarySession& session, const DiaryEntry& values,
                                     const std::optional<Identity>& edited);
    // A temperature as the editor shows it: the shortest text that reads
    // back as the same value, so an unchanged entry is stored unchanged.
    static std::string TemperatureText(float value);
};
