#pragma once
// The open diary: what names it (CDiaryName), whether it is new (no entry and no password yet),
// whether it can only be read, and (for a four-file diary) the password it was unlocked with; an
// encrypted diary keeps its key instead. Every command that touches the diary asks the session for
// a store instead of building one from a path and a number of its own.

#include "store/DiaryName.h"
#include "store/DiaryStore.h"
#include "store/EncryptedFormat.h"
#include "store/Passphrase.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class CEncryptedSession;

class CDiarySession
{
public:
    explicit CDiarySession(CDiaryName name);
    ~CDiarySession();
    CDiarySession(const CDiarySession&) = delete;
    CDiarySession& operator=(const CDiarySession&) = delete;

    // The password bytes of a record: up to the first zero byte.
    static std::string RecordPassword(const DiaryEntry& entry);

    // True when the index file's name, or a name the program derives from
    // it beside it (CDiaryName), would pass the file system's limit for one name (the
    // folder's NAME_MAX, 255 when it cannot be asked) or for a whole path
    // (PATH_MAX). Such a diary would open but fail at its first rewrite.
    static bool IsNameTooLong(const std::string& indexPath);

    const CDiaryName& Name() const { return m_name; }
    // The index file's path: Name().Path().
    const std::string& Path() const { return m_name.Path(); }

    // A diary is new until its first entry (and with it its password) is
    // written.
    bool IsNew() const { return m_bNew; }
    void SetNew(bool isNew) { m_bNew = isNew; }

    // A diary in a folder that cannot be written is opened for reading.
    bool IsReadOnly() const { return m_bReadOnly; }
    void SetReadOnly(bool readOnly) { m_bReadOnly = readOnly; }

    // The password a four-file diary was unlocked (or created) with, in its
    // single-byte encoding; wiped when replaced and when the session ends.
    // Empty for an encrypted diary, which keeps only its key: what its
    // records' password fields get is nothing, and its texts are stored
    // unmasked.
    const std::string& Password() const { return m_strPassword; }
    // The first password of a new diary (a new encrypted diary gets its key
    // from it) or, for a four-file diary, the one it now has. False when the
    // password cannot be written in the four-file diary's encoding.
    bool SetPassword(const Passphrase& password);

    // Reads the first entry. False when the diary has none yet: it is then
    // new and its next entry sets the password. Otherwise the diary stays
    // locked until Unlock() is given the first entry's password.
    bool ReadFirstEntry();
    // Checks a typed password (its single-byte form cut at a zero byte as
    // stored ones are) against the first entry read; on success it becomes
    // Password(). An encrypted diary is opened with it instead, and a file
    // of an older format version on writable media is upgraded then, once
    // (its draft re-sealed under the new key).
    bool Unlock(const Passphrase& typed);
    // Why an encrypted diary did not unlock when it was not the password
    // (damage, a newer format, a file error); empty for a wrong password
    // and for four-file diaries.
    std::string UnlockFailureMessage() const;
    // Changes the password in one step: for an encrypted diary the store's
    // rewrite and a new data key are written together. An unsaved draft is
    // carried over, sealed anew under the new password (or key). False when
    // it failed (reported); the old password still opens the diary.
    bool ChangePassword(const Passphrase& newPassword);

    // Reads the diary again after another program changed its files (and
    // remembers them). False when an encrypted diary's file no longer opens
    // with the key held (its password was changed on another computer, or
    // it is damaged): Unlock() it anew or close it. A file that is gone
    // for the moment keeps what was read.
    bool Reload();

    // Remembers the size and modification time of the diary's four files,
    // as the window has just read them.
    void RememberFiles();
    // True when a file changed (another program wrote to the diary) since
    // RememberFiles().
    bool FilesChanged() const;

    // The folder holding the diary cannot be written to (or the file-fault
    // seam fails writes to it).
    static bool IsFolderReadOnly(const std::string& indexPath);

    // A store on this diary for one command, positioned at entry `index`.
    std::unique_ptr<CDiaryStore> MakeStore(uint32_t index = 0) const;

    // An encrypted diary (CDiaryName::IsEncrypted()): its key and its
    // parts; null for a four-file diary. The stores made while it is
    // unlocked work on its parts in memory.
    CEncryptedSession* Encrypted() const { return m_pEncrypted.get(); }

private:
    // Runs change (which replaces the diary's password or key) with the
    // draft read before and written again after under the new protection.
    bool CarryingDraftOver(const std::function<bool()>& change);

    CDiaryName m_name;
    bool m_bNew = false;
    bool m_bReadOnly = false;
    std::string m_strPassword;
    std::string m_strStored; // the first entry's password until unlocked

    struct FileStamp
    {
        int64_t size = -1; // -1: no such file
        int64_t mtimeNs = 0;
        bool operator==(const FileStamp&) const = default;
    };
    std::array<FileStamp, 4> Stamps() const;
    std::array<FileStamp, 4> m_stamps{};
    std::unique_ptr<CEncryptedSession> m_pEncrypted;
    EncryptedResult m_unlockResult;
};
