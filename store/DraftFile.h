#pragma once
// The unsaved draft of the entry editor, kept beside the diary
// ("travel.ilm" -> "travel.ilm.draft") so that a crash, a power cut or a
// flat battery does not lose what was being written. The file is sealed by
// the diary's protection (CDraftSealer), written owner-only through a
// temporary file that is flushed and renamed over the old draft.
//
// Layout, little-endian:
//   8 bytes  "DLDRAFT1"
//   4 bytes  the sealer's form (CDraftSealer::Form)
//   4 bytes  length n of the sealed payload
//   4 bytes  FNV-1a 32-bit checksum of the sealed payload
//   n bytes  the sealed payload
// The payload, once unsealed, is a run of fields "name:length:bytes\n" in a
// fixed order, starting with "draft:1:1\n" (its version).

#include "store/DiaryName.h"
#include "store/FileResult.h"

#include <cstdint>
#include <optional>
#include <string>

class CDraftSealer;

struct EntryDraft
{
    int64_t writtenAt = 0; // when the draft was written
    // The stored entry being edited, or none for a new entry. Its time and
    // text offset tell it apart should the diary have changed meanwhile.
    bool editing = false;
    uint32_t editedIndex = 0;
    int64_t editedTime = 0;
    uint32_t editedTextOffset = 0;

    int64_t time = 0; // the entry's date with its time of day
    int32_t mood = 0;
    int32_t fatigue = 0;
    int32_t shape = 0;
    int32_t dream = 0;
    bool copulation = false;
    bool menstruus = false;
    std::string weight;      // as typed, checked only on saving
    std::string temperature; // as typed
    std::string rtf;         // the text with its formatting

    bool operator==(const EntryDraft&) const = default;
};

class CDraftFile
{
public:
    enum class ReadResult
    {
        Ok,
        Missing,
        Damaged,        // unreadable or altered
        SealedElsewhere // whole, but the diary's protection does not open it: sealed
                        // under an earlier password (see CDraftSealer::ForEarlierPassword)
    };

    // diaryPath is the diary's index file (or encrypted file) path.
    explicit CDraftFile(const CDiaryName& diary);

    const std::string& Path() const { return m_strPath; }
    bool Exists() const;

    // The file's bytes for a draft; nullopt when the sealer refuses.
    static std::optional<std::string> Encode(const EntryDraft& draft, const CDraftSealer& sealer);
    static std::optional<EntryDraft> Decode(const std::string& bytes, const CDraftSealer& sealer);

    // Writes the draft whole (CAtomicFile, mode 0600). The failure, if any
    // (access denied when the sealer refuses); the previous draft, if any,
    // is then left as it was.
    FileResult Write(const EntryDraft& draft, const CDraftSealer& sealer) const;
    ReadResult Read(EntryDraft& draft, const CDraftSealer& sealer) const;
    // 0, or the errno; a missing draft counts as removed.
    int Remove() const;
    // Renames a draft that could not be read to "<draft>.damaged" (or
    // "<draft>.damaged-2" and on, never over an earlier one) and returns the
    // name it now has; nullopt when it could not be moved.
    std::optional<std::string> KeepAside() const;

private:
    CDiaryName m_diary;
    std::string m_strPath;
};
