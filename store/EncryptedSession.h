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
#include "store/MemoryFiles.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

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

    // The parts as the commands left them in memory.
    DiaryParts CurrentParts() const;

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

    CEncryptedDiaryFile m_file;
    // Serves the parts while the diary is unlocked.
    std::unique_ptr<CMemoryFiles> m_memory;
};
