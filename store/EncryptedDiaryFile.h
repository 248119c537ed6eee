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
#include "store/KeyDerivation.h"
#include "store/SecureBuffer.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class CEncryptedDiaryFile
{
public:
    explicit CEncryptedDiaryFile(std::string path, KdfLimits limits = KdfLimits::Accepted());
    ~CEncryptedDiaryFile();
    CEncryptedDiaryFile(const CEncryptedDiaryFile&) = delete;
    CEncryptedDiaryFile& operator=(const CEncryptedDiaryFile&) = delete;

    // True for a path naming an encrypted diary (ending in ".dayloom").
    static bool IsEncryptedPath(std::string_view path);
    // Where a commit builds the new file before renaming it over the live one.
    static std::string TempPathFor(const std::string& path) { return path + ".tmp"; }

    const std::string& Path() const { return m_path; }
    bool IsOpen() const { return m_bOpen; }
    // Whether the file holds this diary: opened, or committed since Create().
    bool IsOnDisk() const { return m_bOnDisk; }

    // Reads the file and unlocks it with password: every part is checked
    // before anything is taken. Never writes.
    EncryptedResult Open(std::string_view password);
    // Reads the parts again as the file holds them, with the key held (after
    // a failed commit). On failure the object is left as it was.
    EncryptedResult Reopen();
    // The same on a whole file's bytes already read.
    EncryptedResult Unlock(std::string_view fileBytes, std::string_view password);
    // Starts a new, empty diary in memory with a fresh identity and data
    // key, its parts sealed in chunks of chunkSize bytes (a power of two
    // within the format's limits); nothing is written until Commit().
    EncryptedResult Create(std::string_view password, KdfParams params = KdfParams::Default(),
                           uint32_t chunkSize = encrypted::kChunkSize);
    // Writes the parts as they are now: a new file beside the live one
    // (mode 0600, or the replaced file's mode), flushed, renamed over it, the
    // folder flushed. On failure the live file is untouched and the
    // temporary file removed.
    EncryptedResult Commit();
    // Wraps the same data key with a new password (new salt, params) and
    // commits. On failure the old password still opens the file.
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
                                     std::string_view password, CSecureBuffer& dataKey);
    // Opens the file at the path with the key given.
    EncryptedResult Load(const KeySource& key);
    // Unlocks a file of fileSize bytes starting with head: the parts' bytes
    // are read only once the key is had, so the key derivation's memory and
    // the diary's bytes are never held at the same time.
    EncryptedResult UnlockWith(std::string_view head, uint64_t fileSize, const KeySource& key,
                               const PartReader& readPart);
    EncryptedResult Write(const EncryptedHeader& header);

    std::string m_path;
    KdfLimits m_limits;
    bool m_bOpen = false;
    bool m_bOnDisk = false;
    EncryptedHeader m_header;
    CSecureBuffer m_dataKey;
    DiaryParts m_parts;
};
