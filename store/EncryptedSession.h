#pragma once
// The open encrypted diary behind a CDiarySession. Unlocking derives the
// key once; from then on it holds the key and the four parts in memory
// (served to the store as files under "NAME.dayloom/", so nothing in plain
// form reaches the disk), the stores it makes work on those parts, and each
// command's changes are written to the file once, atomically, when the
// command's store is destroyed. A failed write is reported and the parts go
// back to what the file holds.

#include "store/DiaryStore.h"
#include "store/EncryptedDiaryFile.h"
#include "store/EntryHistory.h"
#include "store/MemoryFiles.h"
#include "store/ScriptTexts.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CEncryptedSession
{
public:
    explicit CEncryptedSession(const std::string& path);
    ~CEncryptedSession();
    CEncryptedSession(const CEncryptedSession&) = delete;
    CEncryptedSession& operator=(const CEncryptedSession&) = delete;

    bool IsUnlocked() const { return m_file.IsOpen(); }

    // Opens the existing file with password: wrong password, damage, a
    // newer format and file errors come back as values and leave the
    // session locked.
    EncryptedResult Unlock(const Passphrase& password);
    // The first password of a new encrypted diary (UTF-8 of its NFC form):
    // the file is written with the first command that stores something
    // (until then Create() may be called again).
    EncryptedResult Create(std::string_view password, KdfParams params = KdfParams::Default());
    // Whether the unlocked file is of an older format version, which the
    // first unlock on writable media upgrades (Upgrade()).
    bool IsOlderVersion() const;
    // Writes the file once in the current format: a key derived from the
    // password's UTF-8 (NFC) bytes, a new data key, the records' password
    // fields cleared and their texts unmasked. The cost parameters are the
    // file's own or the default, whichever is higher. False when it failed
    // (reported); the file then stays as it was, and open.
    bool Upgrade(const std::string& password);
    // Reads the file again with the key held, after another program replaced
    // it. On failure (its password was changed elsewhere: a new data key;
    // damage; a file error) the parts in memory stay as they were.
    EncryptedResult Reload();
    // A store for one command, positioned at entry `index`.
    std::unique_ptr<CDiaryStore> MakeStore(uint32_t index);
    // Writes the parts if a command changed them; on failure the parts go
    // back to what the file holds.
    EncryptedResult Commit();
    // Commit(), a failure reported through the store's message handler.
    bool CommitReported();
    // A new data key wrapped under the new password (UTF-8 of its NFC form)
    // and every part sealed under it, in one commit; the records keep no
    // password (their fields zeroed, their texts unmasked, texts no record
    // refers to dropped). False when it failed (reported); the old password
    // still opens the file.
    bool ChangePassword(const std::string& newPassword, KdfParams params = KdfParams::Default());
    // Wipes the key and the parts.
    void Lock();

    // What the user is told when opening failed other than by a wrong
    // password (empty for Ok and WrongPassword).
    static std::string MessageFor(const EncryptedResult& result, const std::string& path);

    // The parts as the commands left them in memory, with the history.
    DiaryParts CurrentParts() const;

    // What the diary remembers of its deleted and edited entries (the
    // history part's bytes); nullopt for a file of a version before it.
    // Every commit that removes an entry records a deletion, and one that
    // replaces an entry by another (one removed, one added, or the same
    // time) an edit, with when it happened.
    const std::optional<std::string>& History() const { return m_history; }
    // Where "when" comes from: seconds since 1970, the system clock unless
    // a test sets another.
    void SetClock(std::function<int64_t()> now) { m_now = std::move(now); }
    // Before a merge's commit: the other copy's history joins this one's,
    // and the entries the merge removed or added are taken as they are now,
    // without recording them (what the other copy did is in its history
    // already). Does nothing to the history when either copy keeps none.
    // The other copy's texts in any script join this one's.
    void AdoptMerge(const DiaryParts& other);

    // Whether reminder and task texts in any script can be kept (a file of
    // the current version).
    bool KeepsScriptTexts() const;
    // The reminder and task texts in any script (store/ScriptTexts.h).
    const std::optional<std::string>& ScriptTexts() const { return m_scriptTexts; }
    // Keeps `text` for its record (written with the next commit, which drops
    // the texts whose record is gone). False when the file cannot keep it.
    bool SetScriptText(const CScriptTexts::Text& text);

    // The file: its key block (a password is checked against it again) and,
    // for tests, its key (Lock() wipes it).
    const CEncryptedDiaryFile& File() const { return m_file; }

private:
    std::string PartPath(size_t i) const;
    // Hands the file's parts to the memory files.
    void LoadParts();
    // Runs write with the parts in memory lent to the file; on failure the
    // parts go back to what the file holds.
    EncryptedResult
    WithPartsInFile(const std::function<EncryptedResult(CEncryptedDiaryFile&)>& write);
    void RollBack();
    // The entries the index holds now, by their records' bytes, for the next
    // commit to tell what it removed and added.
    void RememberEntries();
    using RecordBytes = std::array<char, kEntryRecordSize>;
    struct RecordHash
    {
        size_t operator()(const RecordBytes& r) const
        {
            return std::hash<std::string_view>{}(std::string_view(r.data(), r.size()));
        }
    };
    struct KnownEntry
    {
        uint32_t count = 0;        // identical records
        mutable uint32_t seen = 0; // while an index is compared
    };
    using KnownEntries = std::unordered_map<RecordBytes, KnownEntry, RecordHash>;
    // What the index gained and lost since RememberEntries().
    struct EntryDelta
    {
        std::vector<RecordBytes> added;
        std::vector<RecordBytes> removed;
    };
    // Lets go of the texts the remembered records point into, wiped when
    // nothing else holds them.
    void ReleaseTexts();
    // The deletions and edits since RememberEntries(), as history records;
    // `delta` gets what changed, for ApplyDelta() once it is written.
    std::vector<CEntryHistory::Change> ChangesSinceRemembered(EntryDelta& delta) const;
    void ApplyDelta(const EntryDelta& delta);

    CEncryptedDiaryFile m_file;
    std::optional<std::string> m_history;
    std::optional<std::string> m_scriptTexts;
    // The history or the texts changed without a part being written.
    bool m_bHistoryChanged = false;
    // The index records as of the last commit, and the texts they point
    // into then: an entry is hashed only when it leaves or comes (the texts
    // part only grows, and what replaces it whole is kept here until the
    // records are remembered anew).
    KnownEntries m_known;
    CMemoryFiles::File m_texts;
    std::function<int64_t()> m_now;
    uint64_t m_nLoads = 0; // how often the parts were taken from the file
    // Serves the parts while the diary is unlocked.
    std::unique_ptr<CMemoryFiles> m_memory;
};
