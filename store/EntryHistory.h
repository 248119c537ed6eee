#pragma once
// What an encrypted diary remembers of its deleted and edited entries, so
// that a merge of two copies that parted can tell an entry one copy deleted
// from one the other copy added, and an older form of an entry from a newer
// one. Each change names the entry by its time and a BLAKE2b hash of its
// content (time, ratings, marks, measurements and plain text; not where its
// text lies nor the password it is kept under), and says when it happened.
//
// The history is kept as the bytes of its part of the encrypted file: one
// 96-byte record per change, oldest first (docs/encrypted-format.md):
//
//   0   1  what: 1 deleted, 2 edited
//   1   7  zero
//   8   8  when it happened (seconds since 1970, signed)
//   16  8  the entry's old time (signed)
//   24  8  its new time (an edit; zero for a deletion)
//   32 32  the hash of its old content
//   64 32  the hash of its new content (an edit; zero for a deletion)
//
// At most kMaxChanges are kept: when more are added the oldest go.

#include "store/Records.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CEntryHistory
{
public:
    using Hash = std::array<unsigned char, 32>;

    // An entry as a history knows it.
    struct Key
    {
        int64_t time = 0;
        Hash hash{};
        bool operator==(const Key&) const = default;
    };

    struct Change
    {
        enum class What : uint8_t
        {
            Deleted = 1,
            Edited = 2
        };
        What what = What::Deleted;
        int64_t when = 0;
        Key from;
        Key to; // an edit's new form; zero for a deletion
        bool operator==(const Change&) const = default;
    };

    static constexpr size_t kRecordSize = 96;
    // 9.6 MB of history; a diary would need decades of daily edits to fill it.
    static constexpr size_t kMaxChanges = 100'000;

    // The hash that names an entry's content: BLAKE2b-256 of its time (8
    // bytes), mood, fatigue, shape and dream (4 each), the two marks (one
    // byte each), temperature (the float's 4 bytes), weight (4) and its plain
    // text, all little-endian.
    static Hash ContentHash(const DiaryEntry& entry);
    static Key KeyOf(const DiaryEntry& entry) { return {entry.time, ContentHash(entry)}; }

    // Entry `i` of an index part with its plain text (unmasked with the
    // record's own password), or nullopt when the text lies outside the texts.
    static std::optional<DiaryEntry> ReadEntry(std::string_view index, std::string_view texts,
                                               size_t i);

    // The changes of a history part; nullopt when it is not sound (a length
    // that is no whole number of records, more than kMaxChanges, an unknown
    // kind of change or reserved bytes that are not zero).
    static std::optional<std::vector<Change>> Decode(std::string_view part);
    static bool IsSound(std::string_view part) { return Decode(part).has_value(); }
    // The part of these changes: the newest kMaxChanges, in the order given.
    static std::string Encode(const std::vector<Change>& changes);
    // One change's record, appended to part.
    static void Append(std::string& part, const Change& change);
    // Both histories' changes once each, oldest first (ties in a fixed
    // order), the oldest dropped beyond kMaxChanges. nullopt when either is
    // not sound.
    static std::optional<std::string> Union(std::string_view a, std::string_view b);
};
