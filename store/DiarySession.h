#pragma once
// The open diary: what names it (the index file's path and its extension
// position), whether it is new (no entry and no password yet), whether it
// can only be read, and the password it was unlocked with. Every command
// that touches the diary asks the session for a store instead of building
// one from a path and a number of its own.
//
// An encrypted diary (a path ending in ".dayloom") keeps its four parts in
// one sealed file. Unlocking it derives the key once; from then on the
// session holds the key and the parts in memory, every store it makes works
// on those parts (nothing in plain form reaches the disk), and each
// command's changes are written to the file once, atomically, when the
// command's store is destroyed. While unlocked the session holds the lock
// file NAME.dayloom.lock, so a second program cannot open the diary too.

#include "store/DiaryStore.h"
#include "store/EncryptedDiaryFile.h"

#include <cstdint>
#include <memory>
#include <string>

class CDiarySession
{
public:
    // indexPath is the index file's path in the file system's encoding;
    // extLoc the byte offset of its extension's first character.
    CDiarySession(std::string indexPath, uint16_t extLoc);
    ~CDiarySession();
    CDiarySession(const CDiarySession&) = delete;
    CDiarySession& operator=(const CDiarySession&) = delete;

    // True when extLoc points just past a '.' inside the file name (not in
    // a folder name) and something follows it: the one rule that decides
    // whether a path can name a diary.
    static bool IsUsableExtension(const std::string& indexPath, int extLoc);
    // The offset just past the file name's last '.', or 0 when the name
    // has no extension.
    static uint16_t ExtensionLocation(const std::string& indexPath);

    const std::string& Path() const { return m_strPath; }
    uint16_t ExtLoc() const { return m_nExtLoc; }

    // A diary is new until its first entry (and with it its password) is
    // written.
    bool IsNew() const { return m_bNew; }
    void SetNew(bool isNew) { m_bNew = isNew; }

    // A diary in a folder that cannot be written is opened for reading.
    bool IsReadOnly() const { return m_bReadOnly; }
    void SetReadOnly(bool readOnly) { m_bReadOnly = readOnly; }

    // The password the diary was unlocked (or created) with, in the diary's
    // single-byte encoding; wiped when replaced and when the session ends.
    const std::string& Password() const { return m_strPassword; }
    void SetPassword(const std::string& password);

    // A store on this diary for one command, positioned at entry `index`.
    std::unique_ptr<CDiaryStore> MakeStore(uint32_t index = 0) const;

    // Changes the password of the diary of either kind in one step (the
    // store's rewrite, and for an encrypted diary the new key wrapping, in
    // one commit). False when it failed; the failure was reported and the
    // old password still opens the diary.
    bool ChangePassword(const std::string& newPassword, KdfParams params = KdfParams::Default());

    // Encrypted diaries.
    bool IsEncrypted() const { return m_encrypted != nullptr; }
    bool IsUnlocked() const;
    // Opens the existing encrypted file with password: wrong password,
    // damage, a newer format and file errors come back as values and leave
    // the session locked.
    EncryptedResult UnlockEncrypted(std::string_view password);
    // The first password of a new encrypted diary: the file is written with
    // the first command that stores something.
    EncryptedResult CreateEncrypted(std::string_view password,
                                    KdfParams params = KdfParams::Default());
    // Writes the parts if a command changed them. On failure the parts go
    // back to what the file holds.
    EncryptedResult Commit() const;
    // Wipes the key and the parts and releases the lock file.
    void Lock();
    // The lock file beside an encrypted diary.
    static std::string LockPathFor(const std::string& path) { return path + ".lock"; }
    // Test seam: the encrypted file, to check its key is wiped by Lock().
    const CEncryptedDiaryFile* EncryptedFile() const;

private:
    struct Encrypted;
    EncryptedResult TakeLock();
    void LoadParts() const;
    void CommitReported() const;
    friend class CCommittingStore;

    std::string m_strPath;
    uint16_t m_nExtLoc = 0;
    bool m_bNew = false;
    bool m_bReadOnly = false;
    std::string m_strPassword;
    std::unique_ptr<Encrypted> m_encrypted;
};
