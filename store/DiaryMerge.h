#pragma once
// Merging another copy of a diary into this one: what a sync tool's conflict
// copy, or any other diary, holds that this diary lacks. Entries are matched
// by their time and content (ratings, marks, measurements and plain text;
// not where the text lies nor the password it is kept under): an entry in
// both copies stays once, an entry only in the other copy is added.
// Reminders and planner tasks are joined without duplicates. The merge is
// worked out first (a plan the user previews) and then written as one safe
// rewrite of the diary, for a four-file diary and an encrypted one alike.
//
// A plan is a list of changes to this diary's entries. Without a record of
// deletions and edits (four-file diaries keep none) the only change is an
// addition, so an entry deleted in one copy comes back. When both copies
// are encrypted diaries that keep a history (store/EntryHistory.h), the
// deletions and edits either copy made since they parted are applied: a
// deleted entry stays deleted, an edited one keeps its newest form, and an
// entry edited differently in both keeps both versions (a conflict, named
// in the result). The merged diary's history is both histories joined.

#include "store/DiaryName.h"
#include "store/DiaryParts.h"
#include "store/Records.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class CDiarySession;

class CDiaryMerge
{
public:
    struct Change
    {
        enum class Kind
        {
            Add,    // `entry` joins the diary
            Delete, // entry `target` leaves it
            Replace // entry `target` gives way to `entry`
        };
        Kind kind = Kind::Add;
        uint32_t target = 0; // this diary's entry, by its place in the index
        DiaryEntry entry;    // plain text; the password field is not used
    };

    // The texts it holds in plain form are wiped when it is dropped.
    struct Plan
    {
        Plan() = default;
        Plan(const Plan&) = default;
        Plan& operator=(const Plan&) = default;
        Plan(Plan&&) = default;
        Plan& operator=(Plan&&) = default;
        ~Plan();

        std::vector<Change> entries;
        std::vector<ReminderRecord> reminders; // to add
        std::vector<PlannerRecord> tasks;      // to add
        // No history was consulted: entries deleted in one copy come back.
        bool deletionsComeBack = true;
        // Entries edited differently in both copies: the times of the two
        // versions kept of each.
        std::vector<std::pair<int64_t, int64_t>> conflicts;

        size_t Count(Change::Kind kind) const;
        bool IsEmpty() const { return entries.empty() && reminders.empty() && tasks.empty(); }
    };

    // What `other` holds that `mine` lacks, and, when both carry a history,
    // which of this diary's entries the other copy deleted or edited. The
    // texts are read with each record's own password. False when a record's
    // text lies outside its data part or a history does not decode (a
    // damaged copy): nothing is planned then.
    static bool Compare(const DiaryParts& mine, const DiaryParts& other, Plan& plan);

    // This diary's parts with the plan applied: the kept records in time
    // order, the new texts appended under `password` (this diary's), the
    // parts the plan does not touch byte for byte as they were. False when
    // the texts would pass the 4 GB their offsets reach.
    static bool Apply(const DiaryParts& mine, const Plan& plan, const std::string& password,
                      DiaryParts& merged);

    // The four files of a four-file diary, a missing one as empty. False
    // (reported) when one exists but cannot be read.
    static bool ReadFiles(const CDiaryName& diary, DiaryParts& parts);

    // Merges `other` into the open diary in one safe rewrite: the files are
    // locked and read and compared with `other` afresh; the new texts are
    // appended to the texts file (where no index record points yet) and
    // flushed, then every other changed file is built beside the live one,
    // flushed and renamed over it, the index last. A failure at any step
    // leaves every file of the diary as it was and is reported. An encrypted diary is rewritten in
    // memory and its file written once. `applied` receives what was merged.
    static bool Merge(const CDiarySession& session, const DiaryParts& other,
                      Plan* applied = nullptr);

private:
    // Entry `i` of an index part with its plain text (read with the record's
    // own password), or nullopt when the text lies outside the data part.
    static std::optional<DiaryEntry> ReadEntry(const DiaryParts& parts, size_t i);
    static bool WriteFiles(const std::array<std::string, kDiaryPartCount>& paths,
                           const std::optional<std::string>& history, const DiaryParts& other,
                           const std::string& password, Plan* applied);
    // The deletions and edits of both histories applied to the entries only
    // one copy holds: entries[i] for each i of mineOnly, and theirs.
    static bool ApplyHistory(const DiaryParts& mine, const DiaryParts& other,
                             const std::vector<size_t>& mineOnly,
                             const std::vector<DiaryEntry>& entries,
                             std::vector<DiaryEntry>& theirs, Plan& plan);
};
