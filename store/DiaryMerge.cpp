#include "store/DiaryMerge.h"

#include "store/AtomicFile.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "store/EncryptedSession.h"
#include "store/EntryHistory.h"
#include "store/LegacyCipher.h"
#include "store/Messages.h"
#include "store/RecordCodec.h"
#include "store/SafeReplace.h"
#include "store/SecureBuffer.h"
#include "store/StoreFile.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace {

constexpr uint64_t kMaxOffset = 0xFFFFFFFFull;

const unsigned char* Bytes(const std::string& s)
{
    return reinterpret_cast<const unsigned char*>(s.data());
}

size_t Records(const std::string& part, size_t recordSize)
{
    return part.size() / recordSize;
}

uint32_t FloatBits(float f)
{
    uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

// What identifies an entry's content.
bool SameContent(const DiaryEntry& a, const DiaryEntry& b)
{
    return a.time == b.time && a.mood == b.mood && a.fatigue == b.fatigue && a.shape == b.shape &&
           a.dream == b.dream && a.copulation == b.copulation && a.menstruus == b.menstruus &&
           FloatBits(a.temperature) == FloatBits(b.temperature) && a.weight == b.weight &&
           a.text == b.text;
}

size_t ContentHash(const DiaryEntry& e)
{
    size_t h = std::hash<std::string_view>{}(e.text);
    for (const uint64_t v :
         {uint64_t(e.time), uint64_t(uint32_t(e.mood)), uint64_t(uint32_t(e.fatigue)),
          uint64_t(uint32_t(e.shape)), uint64_t(uint32_t(e.dream)),
          uint64_t(uint32_t(e.copulation)), uint64_t(uint32_t(e.menstruus)),
          uint64_t(FloatBits(e.temperature)), uint64_t(uint32_t(e.weight))})
        h = (h ^ std::hash<uint64_t>{}(v)) * 0x100000001b3ull;
    return h;
}

struct KeyHash
{
    size_t operator()(const CEntryHistory::Key& key) const
    {
        size_t h;
        std::memcpy(&h, key.hash.data(), sizeof h); // already a good hash
        return h ^ static_cast<size_t>(key.time);
    }
};

// A fixed description field as the program reads it back: up to its first
// zero byte, never past the field.
std::string_view Description(const char* field, size_t size)
{
    return {field, strnlen(field, size - 1)};
}

bool SameReminder(const ReminderRecord& a, const ReminderRecord& b)
{
    return uint32_t(a.time) == uint32_t(b.time) &&
           Description(a.description, sizeof a.description) ==
               Description(b.description, sizeof b.description);
}

// A task is the same task when planned for the same time with the same
// words; being done in one copy only does not make it another task.
bool SameTask(const PlannerRecord& a, const PlannerRecord& b)
{
    return uint32_t(a.plannedTime) == uint32_t(b.plannedTime) &&
           Description(a.description, sizeof a.description) ==
               Description(b.description, sizeof b.description);
}

// The records of `other` that `mine` lacks, as a multiset: a record twice in
// the other copy and once here is added once.
template <typename Record>
std::vector<Record> Missing(const std::string& mine, const std::string& other, size_t size,
                            bool (*decode)(const unsigned char*, size_t, Record&),
                            bool (*same)(const Record&, const Record&))
{
    std::vector<Record> have;
    for (size_t i = 0; i < Records(mine, size); ++i)
        decode(Bytes(mine) + i * size, size, have.emplace_back());
    std::vector<bool> used(have.size(), false);
    std::vector<Record> missing;
    for (size_t i = 0; i < Records(other, size); ++i) {
        Record record;
        decode(Bytes(other) + i * size, size, record);
        bool found = false;
        for (size_t j = 0; j < have.size() && !found; ++j)
            if (!used[j] && same(have[j], record))
                used[j] = found = true;
        if (!found)
            missing.push_back(record);
    }
    return missing;
}

// `records` (whole records of `size` bytes) followed by `added`, in time
// order: what a sort leaves.
template <typename Record>
std::string Joined(const std::string& records, const std::vector<Record>& added,
                   const CRecordCodec::Layout& layout,
                   void (*encode)(const Record&, unsigned char*))
{
    std::string bytes = records.substr(0, Records(records, layout.size) * layout.size);
    for (const Record& record : added) {
        const size_t at = bytes.size();
        bytes.resize(at + layout.size);
        encode(record, reinterpret_cast<unsigned char*>(bytes.data()) + at);
    }
    return CRecordCodec::Reassemble(bytes, layout, CRecordCodec::SortedOrder(bytes, layout));
}

// The files rewritten whole, in the order they are renamed: the index last,
// so that the entries change in one step. The texts file only grows.
constexpr DiaryPart kRenameOrder[] = {DiaryPart::Reminders, DiaryPart::Planner, DiaryPart::Index};

} // namespace

std::optional<DiaryEntry> CDiaryMerge::ReadEntry(const DiaryParts& parts, size_t i)
{
    DiaryEntry entry;
    CRecordCodec::DecodeEntry(Bytes(parts[DiaryPart::Index]) + i * kEntryRecordSize,
                              kEntryRecordSize, entry);
    CLegacyCipher::ScramblePassword(entry); // unscrambles
    const std::string& data = parts[DiaryPart::Texts];
    if (uint64_t(entry.textOffset) + entry.textLength > data.size())
        return std::nullopt;
    entry.text.assign(data, entry.textOffset, entry.textLength);
    CLegacyCipher::DecryptText(
        entry, std::string(entry.password,
                           std::min<size_t>(entry.passwordLength, CRecordCodec::kPasswordField)));
    return entry;
}

CDiaryMerge::Plan::~Plan()
{
    for (Change& change : entries)
        WipeString(change.entry.text);
}

size_t CDiaryMerge::Plan::Count(Change::Kind kind) const
{
    return static_cast<size_t>(std::count_if(entries.begin(), entries.end(),
                                             [kind](const Change& c) { return c.kind == kind; }));
}

bool CDiaryMerge::Compare(const DiaryParts& mine, const DiaryParts& other, Plan& plan)
{
    plan = Plan{};
    // This diary's entries, found by the hash of their content; each can
    // match one entry of the other copy.
    struct WipedWhenDone : std::vector<DiaryEntry>
    {
        ~WipedWhenDone()
        {
            for (DiaryEntry& entry : *this)
                WipeString(entry.text);
        }
    } entries, theirs;
    const size_t mineCount = Records(mine[DiaryPart::Index], kEntryRecordSize);
    std::unordered_multimap<size_t, size_t> have;
    have.reserve(mineCount);
    entries.reserve(mineCount);
    for (size_t i = 0; i < mineCount; ++i) {
        std::optional<DiaryEntry> entry = ReadEntry(mine, i);
        if (!entry)
            return false;
        have.emplace(ContentHash(*entry), i);
        entries.push_back(std::move(*entry));
    }
    const size_t otherCount = Records(other[DiaryPart::Index], kEntryRecordSize);
    for (size_t i = 0; i < otherCount; ++i) {
        std::optional<DiaryEntry> entry = ReadEntry(other, i);
        if (!entry)
            return false;
        auto [first, last] = have.equal_range(ContentHash(*entry));
        const auto match = std::find_if(first, last, [&](const auto& candidate) {
            return SameContent(entries[candidate.second], *entry);
        });
        if (match != last) {
            WipeString(entry->text);
            have.erase(match);
            continue;
        }
        std::memset(entry->password, 0, sizeof entry->password);
        entry->passwordLength = 0;
        theirs.push_back(std::move(*entry));
    }
    if (mine.history && other.history) {
        std::vector<size_t> mineOnly;
        for (const auto& [hash, i] : have)
            mineOnly.push_back(i);
        std::sort(mineOnly.begin(), mineOnly.end());
        if (!ApplyHistory(mine, other, mineOnly, entries, theirs, plan)) {
            plan = Plan{};
            return false;
        }
    } else {
        for (DiaryEntry& entry : theirs)
            plan.entries.push_back({Change::Kind::Add, 0, std::move(entry)});
    }
    plan.reminders =
        Missing<ReminderRecord>(mine[DiaryPart::Reminders], other[DiaryPart::Reminders],
                                kReminderRecordSize, &CRecordCodec::DecodeReminder, &SameReminder);
    plan.tasks = Missing<PlannerRecord>(mine[DiaryPart::Planner], other[DiaryPart::Planner],
                                        kPlannerRecordSize, &CRecordCodec::DecodeTask, &SameTask);
    return true;
}

bool CDiaryMerge::ApplyHistory(const DiaryParts& mine, const DiaryParts& other,
                               const std::vector<size_t>& mineOnly,
                               const std::vector<DiaryEntry>& entries,
                               std::vector<DiaryEntry>& theirs, Plan& plan)
{
    using Key = CEntryHistory::Key;
    std::optional<std::vector<CEntryHistory::Change>> changes =
        CEntryHistory::Decode(*mine.history);
    const std::optional<std::vector<CEntryHistory::Change>> more =
        CEntryHistory::Decode(*other.history);
    if (!changes || !more)
        return false;
    changes->insert(changes->end(), more->begin(), more->end());
    plan.deletionsComeBack = false;

    // What became of each form of an entry: when it last left (deleted or
    // edited away), when it last came (as an edit's result), and the forms
    // it was edited into, the latest last.
    struct Fate
    {
        std::optional<int64_t> left;
        std::optional<int64_t> came;
        std::vector<std::pair<int64_t, Key>> edits;
    };
    std::unordered_map<Key, Fate, KeyHash> fates;
    for (const CEntryHistory::Change& change : *changes) {
        Fate& fate = fates[change.from];
        fate.left = std::max(fate.left.value_or(change.when), change.when);
        if (change.what == CEntryHistory::Change::What::Edited) {
            fate.edits.emplace_back(change.when, change.to);
            Fate& result = fates[change.to];
            result.came = std::max(result.came.value_or(change.when), change.when);
        }
    }
    // A form is gone when it last left no earlier than it last came: an
    // entry edited back to an earlier form has that form again. (Within one
    // second a form that came and left is taken as gone, as an edit made
    // twice in a row leaves it.)
    const auto gone = [&](const Key& key) {
        const auto it = fates.find(key);
        return it != fates.end() && it->second.left &&
               (!it->second.came || *it->second.left >= *it->second.came);
    };
    // The newest form an entry was edited into, following the edits.
    const auto newest = [&](Key key) {
        for (size_t step = 0; step <= changes->size(); ++step) {
            const auto it = fates.find(key);
            if (it == fates.end() || it->second.edits.empty() || !gone(key))
                break;
            key = std::max_element(it->second.edits.begin(), it->second.edits.end(),
                                   [](const auto& a, const auto& b) { return a.first < b.first; })
                      ->second;
        }
        return key;
    };

    std::vector<Key> theirKeys;
    std::unordered_multimap<Key, size_t, KeyHash> added;
    for (size_t i = 0; i < theirs.size(); ++i) {
        theirKeys.push_back(CEntryHistory::KeyOf(theirs[i]));
        if (!gone(theirKeys[i]))
            added.emplace(theirKeys[i], i);
    }
    // What the merged diary will hold besides the entries both copies
    // hold: what this plan brings, and this diary's entries that stay.
    std::unordered_set<Key, KeyHash> brought;
    for (const auto& [key, i] : added)
        brought.insert(key);
    std::unordered_set<Key, KeyHash> present = brought;
    std::vector<bool> matched(entries.size(), true);
    // This diary's entries the other copy deleted or edited: an edit whose
    // newest form the other copy holds replaces the entry.
    for (const size_t i : mineOnly) {
        matched[i] = false;
        const Key key = CEntryHistory::KeyOf(entries[i]);
        if (!gone(key)) {
            present.insert(key);
            continue;
        }
        Change& change = plan.entries.emplace_back();
        change.kind = Change::Kind::Delete;
        change.target = static_cast<uint32_t>(i);
        if (const auto it = added.find(newest(key)); it != added.end()) {
            change.kind = Change::Kind::Replace;
            change.entry = std::move(theirs[it->second]);
            added.erase(it);
        }
    }
    std::vector<size_t> adds;
    for (const auto& [key, i] : added)
        adds.push_back(i);
    std::sort(adds.begin(), adds.end());
    for (const size_t i : adds)
        plan.entries.push_back({Change::Kind::Add, 0, std::move(theirs[i])});

    // A form edited into two that both stay, one of them brought by this
    // merge: the same entry edited differently in the two copies. The
    // entries both copies hold are hashed only where a version may be one.
    std::vector<std::vector<Key>> forks;
    std::unordered_set<int64_t> times;
    for (const auto& [key, fate] : fates) {
        std::vector<Key> finals;
        for (const auto& [when, to] : fate.edits)
            if (const Key last = newest(to);
                std::find(finals.begin(), finals.end(), last) == finals.end())
                finals.push_back(last);
        if (finals.size() < 2)
            continue;
        for (const Key& last : finals)
            times.insert(last.time);
        forks.push_back(std::move(finals));
    }
    for (size_t i = 0; i < entries.size() && !forks.empty(); ++i)
        if (matched[i] && times.count(entries[i].time))
            present.insert(CEntryHistory::KeyOf(entries[i]));
    for (const std::vector<Key>& finals : forks) {
        std::vector<int64_t> kept;
        bool anyBrought = false;
        for (const Key& last : finals)
            if (present.count(last)) {
                kept.push_back(last.time);
                anyBrought = anyBrought || brought.count(last);
            }
        if (kept.size() >= 2 && anyBrought)
            plan.conflicts.emplace_back(std::min(kept[0], kept[1]), std::max(kept[0], kept[1]));
    }
    std::sort(plan.conflicts.begin(), plan.conflicts.end());
    return true;
}

bool CDiaryMerge::Apply(const DiaryParts& mine, const Plan& plan, const std::string& password,
                        DiaryParts& merged)
{
    merged = mine;
    if (!plan.entries.empty()) {
        const std::string& index = mine[DiaryPart::Index];
        const size_t count = Records(index, kEntryRecordSize);
        std::vector<bool> dropped(count, false);
        for (const Change& change : plan.entries)
            if (change.kind != Change::Kind::Add && change.target < count)
                dropped[change.target] = true;
        std::string records;
        records.reserve((count + plan.entries.size()) * kEntryRecordSize);
        for (size_t i = 0; i < count; ++i)
            if (!dropped[i])
                records.append(index, i * kEntryRecordSize, kEntryRecordSize);

        // The new records as the store's AppendEntry writes them, under this
        // diary's password.
        const std::string plain = password.substr(
            0, std::min(strnlen(password.c_str(), password.size()), CRecordCodec::kPasswordField));
        std::string& data = merged[DiaryPart::Texts];
        for (const Change& change : plan.entries) {
            if (change.kind == Change::Kind::Delete)
                continue;
            DiaryEntry entry = change.entry;
            if (data.size() + entry.text.size() > kMaxOffset)
                return false;
            entry.textOffset = static_cast<uint32_t>(data.size());
            entry.textLength = static_cast<uint32_t>(entry.text.size());
            std::memset(entry.password, 0, sizeof entry.password);
            std::memcpy(entry.password, plain.data(), plain.size());
            entry.passwordLength = static_cast<uint32_t>(plain.size());
            CLegacyCipher::ScramblePassword(entry);
            const size_t at = records.size();
            records.resize(at + kEntryRecordSize);
            CRecordCodec::EncodeEntry(entry, reinterpret_cast<unsigned char*>(records.data()) + at);
            CLegacyCipher::EncryptText(entry, plain);
            data += entry.text;
        }
        merged[DiaryPart::Index] =
            CRecordCodec::Reassemble(records, CRecordCodec::kEntries,
                                     CRecordCodec::SortedOrder(records, CRecordCodec::kEntries));
    }
    if (!plan.reminders.empty())
        merged[DiaryPart::Reminders] =
            Joined(mine[DiaryPart::Reminders], plan.reminders, CRecordCodec::kReminders,
                   &CRecordCodec::EncodeReminder);
    if (!plan.tasks.empty())
        merged[DiaryPart::Planner] = Joined(mine[DiaryPart::Planner], plan.tasks,
                                            CRecordCodec::kTasks, &CRecordCodec::EncodeTask);
    return true;
}

bool CDiaryMerge::ReadFiles(const CDiaryName& diary, DiaryParts& parts)
{
    const CDiaryStore store(0, diary);
    const std::string* paths[] = {&store.m_strIndexPath, &store.m_strDataPath,
                                  &store.m_strReminderPath, &store.m_strPlannerPath};
    for (size_t i = 0; i < kDiaryPartCount; ++i) {
        parts.bytes[i].clear();
        if (!FileExists(*paths[i]))
            continue;
        CStoreFile file;
        if (const FileErrorCause cause = file.Open(*paths[i]); cause != FileErrorCause::None) {
            ShowFileError(cause, *paths[i]);
            return false;
        }
        try {
            parts.bytes[i].resize(file.Length());
            if (file.ReadAt(0, parts.bytes[i].data(), parts.bytes[i].size()) !=
                parts.bytes[i].size()) {
                ShowFileError(FileErrorCause::EndOfFile, *paths[i]);
                return false;
            }
        } catch (const CFileError& error) {
            ShowStoreMessage(error.what());
            return false;
        }
    }
    return true;
}

bool CDiaryMerge::WriteFiles(const std::array<std::string, kDiaryPartCount>& paths,
                             const std::optional<std::string>& history, const DiaryParts& other,
                             const std::string& password, Plan* applied)
{
    // The live files stay open, and so locked, for the whole rewrite.
    std::array<CStoreFile, kDiaryPartCount> live;
    std::array<bool, kDiaryPartCount> existed{};
    DiaryParts mine;
    try {
        for (size_t i = 0; i < kDiaryPartCount; ++i) {
            existed[i] = FileExists(paths[i]);
            if (!existed[i])
                continue;
            if (const FileErrorCause cause = live[i].Open(paths[i]);
                cause != FileErrorCause::None) {
                ShowFileError(cause, paths[i]);
                return false;
            }
            mine.bytes[i].resize(live[i].Length());
            if (live[i].ReadAt(0, mine.bytes[i].data(), mine.bytes[i].size()) !=
                mine.bytes[i].size()) {
                ShowFileError(FileErrorCause::EndOfFile, paths[i]);
                return false;
            }
        }
    } catch (const CFileError& error) {
        ShowStoreMessage(error.what());
        return false;
    }

    mine.history = history;
    Plan plan;
    if (!CDiaryMerge::Compare(mine, other, plan)) {
        ShowFileError(FileErrorCause::EndOfFile, paths[size_t(DiaryPart::Texts)]);
        return false;
    }
    DiaryParts merged;
    if (!Apply(mine, plan, password, merged)) {
        ShowFileError(FileErrorCause::DiskFull,
                      CAtomicFile::TempPathFor(paths[size_t(DiaryPart::Texts)]));
        return false;
    }

    // The new texts go to the end of the texts file, which the old index
    // never reads, and reach the disk before any index points at them.
    const size_t texts = static_cast<size_t>(DiaryPart::Texts);
    const std::string& oldTexts = mine.bytes[texts];
    const std::string_view newTexts =
        std::string_view(merged.bytes[texts])
            .substr(std::min(oldTexts.size(), merged.bytes[texts].size()));
    const auto takeBackTexts = [&] {
        if (newTexts.empty())
            return;
        if (!existed[texts]) {
            live[texts].Close();
            RemoveFile(paths[texts]);
            return;
        }
        try {
            live[texts].Truncate(oldTexts.size());
            live[texts].Sync();
        } catch (const CFileError&) {
        }
    };
    if (!newTexts.empty()) {
        try {
            if (!existed[texts]) {
                if (const FileErrorCause cause = live[texts].Open(paths[texts]);
                    cause != FileErrorCause::None) {
                    ShowFileError(cause, paths[texts]);
                    return false;
                }
            }
            live[texts].WriteAt(oldTexts.size(), newTexts.data(), newTexts.size());
            live[texts].Sync();
        } catch (const CFileError& error) {
            ShowStoreMessage(error.what());
            takeBackTexts();
            return false;
        }
    }

    // Every other changed file is built beside its live one before any is
    // renamed. A writer that is not committed removes its temporary file.
    std::vector<std::unique_ptr<CAtomicFile>> temps;
    std::vector<DiaryPart> changed;
    for (const DiaryPart part : kRenameOrder) {
        const size_t i = static_cast<size_t>(part);
        if (merged.bytes[i] == mine.bytes[i])
            continue;
        auto file = std::make_unique<CAtomicFile>(paths[i]);
        FileResult written = file->Open();
        if (written.ok())
            written = file->Write(merged.bytes[i]);
        if (written.ok())
            written = file->Finish();
        if (!written.ok()) {
            ShowStoreMessage(written.Message());
            temps.clear();
            takeBackTexts();
            return false;
        }
        temps.push_back(std::move(file));
        changed.push_back(part);
    }

    for (size_t k = 0; k < temps.size(); ++k) {
        if (const FileResult moved = temps[k]->Commit(); !moved.ok()) {
            ShowStoreMessage(moved.Message());
            // The files already renamed get their old contents back.
            for (size_t j = k; j-- > 0;) {
                const size_t back = static_cast<size_t>(changed[j]);
                if (existed[back]) {
                    CStoreFile renamed = temps[j]->TakeFile();
                    if (const FileResult restored =
                            CSafeReplace::Replace(renamed, mine.bytes[back]);
                        !restored.ok())
                        ShowStoreMessage(restored.Message());
                } else if (const int removal = RemoveFile(paths[back])) {
                    ShowFileError(FileErrorCauseFromErrno(removal), paths[back]);
                }
            }
            temps.clear();
            SyncFolderOf(paths[0]);
            takeBackTexts();
            return false;
        }
    }
    if (applied)
        *applied = std::move(plan);
    return true;
}

bool CDiaryMerge::Merge(const CDiarySession& session, const DiaryParts& other, Plan* applied)
{
    const std::unique_ptr<CDiaryStore> store = session.MakeStore();
    const std::array<std::string, kDiaryPartCount> paths = {
        store->m_strIndexPath, store->m_strDataPath, store->m_strReminderPath,
        store->m_strPlannerPath};
    CEncryptedSession* encrypted = session.Encrypted();
    if (!WriteFiles(paths, encrypted ? encrypted->History() : std::nullopt, other,
                    session.Password(), applied))
        return false;
    if (!encrypted)
        return true;
    // An encrypted diary was rewritten in memory: now its file, with both
    // histories joined, in one step.
    encrypted->AdoptMerge(other);
    return encrypted->CommitReported();
}
