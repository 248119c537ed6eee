#pragma once
// An encrypted diary: one file NAME.dayloom holding the four parts of a
// diary, sealed under a random data key that is itself wrapped with a key
// derived from the password. While open it holds the data key (in locked
// memory) and the four parts in plain form in memory; Commit() writes them
// back atomically. Nothing in plain form ever reaches the disk.
//
// Failures come back as values: a wrong password, a damaged or altered
// file, a file of a newer format, or a file error with its cause. A failed
// Open, Commit or ChangePassword leaves the object and the file as they
// were.

#include "store/DiaryParts.h"
#include "store/EncryptedFormat.h"
#include "store/FileResult.h"
#include "store/KeyDerivation.h"
#include "store/Passphrase.h"
#include "store/SecureBuffer.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CEncryptedDiaryFile
{
public:
    explicit CEncryptedDiaryFile(std::string path, KdfLimits limits = KdfLimits::Accepted());
    ~CEncryptedDiaryFile();
    CEncryptedDiaryFile(const CEncryptedDiaryFile&) = delete;
    CEncryptedDiaryFile& operator=(const CEncryptedDiaryFile&) = delete;

    const std::string& Path() const { return m_path; }
    bool IsOpen() const { return m_bOpen; }
    // Whether the file holds this diary: opened, or committed since Create().
    bool IsOnDisk() const { return m_bOnDisk; }
    // The conflict copy the last write kept of another program's version of
    // the file, which it would otherwise have written over; empty when none.
    const std::string& KeptAside() const { return m_strKeptAside; }

    // Reads the file and unlocks it with password (the bytes its version
    // derives from): every part is checked before anything is taken. Never
    // writes.
    EncryptedResult Open(const Passphrase& password);
    // Reads the parts again as the file holds them, with the key held (after
    // a failed commit). On failure the object is left as it was.
    EncryptedResult Reopen();
    // Opens the file at this path with the data key `open` holds: another
    // copy of the same diary (a sync tool's conflict copy, a backup) whose
    // key was not changed since. Damaged when it is another diary or the
    // key does not open it.
    EncryptedResult OpenWithKeyOf(const CEncryptedDiaryFile& open);
    // The same on a whole file's bytes already read.
    EncryptedResult Unlock(std::string_view fileBytes, const Passphrase& password);
    // Starts a new, empty diary in memory with a fresh identity and data
    // key, in the current format; password is the UTF-8 bytes of the
    // password's NFC form. Its parts are sealed in chunks of chunkSize bytes (a power of two
    // within the format's limits); nothing is written until Commit().
    // Tests and the fuzzer also make files of an older version (whose key
    // is derived from the password's Windows-1252 bytes, which they pass).
    EncryptedResult Create(std::string_view password, KdfParams params = KdfParams::Default(),
                           uint32_t chunkSize = encrypted::kChunkSize,
                           uint8_t version = encrypted::kFormatVersion);
    // Writes the parts as they are now: a new file beside the live one
    // (mode 0600, or the replaced file's mode), flushed, renamed over it, the
    // folder flushed. On failure the live file is untouched and the
    // temporary file removed.
    EncryptedResult Commit();
    // Draws a new data key, wraps it with the new password (UTF-8 of its NFC
    // form; new salt, params) and commits every part sealed under it, in the
    // current format: an older copy of the file and its password open
    // nothing written from now on. On failure the file, the key and the
    // old password stay as they were.
    EncryptedResult ChangePassword(std::string_view newPassword,
                                   KdfParams params = KdfParams::Default());
    // Wipes the data key and the parts.
    void Close();

    // Seals bytes kept beside the diary (an unsaved draft) under the data
    // key: a fresh nonce, then the sealed bytes; bound to this diary and to
    // purpose, so they open nowhere else. nullopt when the diary is closed.
    std::optional<std::string> Seal(std::string_view plain, std::string_view purpose) const;
    // The plain bytes back; nullopt when altered, sealed elsewhere or closed.
    std::optional<std::string> Unseal(std::string_view sealed, std::string_view purpose) const;

    DiaryParts& Parts() { return m_parts; }
    const DiaryParts& Parts() const { return m_parts; }
    const KdfParams& Params() const { return m_header.kdf; }
    // The diary's id (fixed for its life), as bytes.
    std::string DiaryId() const
    {
        return std::string(m_header.diaryId.begin(), m_header.diaryId.end());
    }
    // The format version of the file as opened (or as it will be written).
    uint8_t Version() const { return m_header.version; }

    // A part of a kind this program does not know, kept as it is and
    // written back with the diary (version 3 on).
    struct OtherPart
    {
        uint32_t kind = 0;
        std::string bytes;
    };
    std::vector<OtherPart>& OtherParts() { return m_otherParts; }
    const std::vector<OtherPart>& OtherParts() const { return m_otherParts; }

    // The first kKeyBlockSize bytes of the header: everything the data key
    // can be had from with the password (see UnwrapKeyBlock).
    std::string KeyBlock() const;
    // The data key wrapped in a key block, with the password (the bytes its
    // version derives from); false when it does not open.
    static bool UnwrapKeyBlock(std::string_view block, const Passphrase& password,
                               CSecureBuffer& dataKey);
    // Seal and Unseal with a data key given, bound to the diary id of the
    // key block's diary.
    static std::optional<std::string> SealWith(const CSecureBuffer& dataKey,
                                               std::string_view diaryId, std::string_view plain,
                                               std::string_view purpose);
    static std::optional<std::string> UnsealWith(const CSecureBuffer& dataKey,
                                                 std::string_view diaryId, std::string_view sealed,
                                                 std::string_view purpose);

    // Test seam: the data key's buffer, to check that Close() wipes it.
    const CSecureBuffer& DataKeyBuffer() const { return m_dataKey; }

private:
    // Gives the data key of a sound header (head: its encoded bytes): Ok,
    // WrongPassword, Damaged, or IoError when no memory could be had.
    using KeySource = std::function<EncryptedStatus(const EncryptedHeader&, std::string_view head,
                                                    CSecureBuffer& dataKey)>;
    // Fills part with the sealed bytes at file offset at; false when the
    // file ends before.
    using PartReader = std::function<bool(uint64_t at, std::string& part)>;

    static EncryptedStatus UnwrapKey(const EncryptedHeader& header, std::string_view head,
                                     const Passphrase& password, CSecureBuffer& dataKey);
    // Opens the file at the path with the key given.
    EncryptedResult Load(const KeySource& key);
    // Unlocks a file of fileSize bytes starting with head: the parts' bytes
    // are read only once the key is had, so the key derivation's memory and
    // the diary's bytes are never held at the same time.
    EncryptedResult UnlockWith(std::string_view head, uint64_t fileSize, const KeySource& key,
                               const PartReader& readPart);
    EncryptedResult Write(const EncryptedHeader& header);
    FileResult KeepOutsideVersion();

    std::string m_path;
    KdfLimits m_limits;
    bool m_bOpen = false;
    bool m_bOnDisk = false;
    std::string m_strKeptAside;
    EncryptedHeader m_header;
    CSecureBuffer m_dataKey;
    DiaryParts m_parts;
    std::vector<OtherPart> m_otherParts;
};
