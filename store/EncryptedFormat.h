#pragma once
// The header of an encrypted diary file (NAME.dayloom) and the rules for
// reading it. docs/encrypted-format.md describes every byte; in short:
//
//   header (kHeaderSize bytes, version 1)
//     magic, version, algorithm, header length, diary id, salt, key
//     derivation parameters, the wrapped data key, the commit id, one
//     (nonce, sealed length) pair per part, and a BLAKE2b checksum of all
//     the bytes before it
//   the four parts, each sealed with XChaCha20-Poly1305 under the data key
//
// Every version keeps the magic, the version byte at offset 8, the header
// length at offset 10 and the checksum in the header's last 32 bytes, so a
// reader checks a newer file's header before telling it is newer.

#include "store/DiaryParts.h"
#include "store/FileError.h"
#include "store/KeyDerivation.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

enum class EncryptedStatus
{
    Ok,
    WrongPassword,
    Damaged,      // checksum, authentication or layout failed
    NewerVersion, // written by a newer program in a format this one cannot read
    IoError,      // the file could not be read or written (see cause)
};

struct EncryptedResult
{
    EncryptedStatus status = EncryptedStatus::Ok;
    FileErrorCause cause = FileErrorCause::None;

    bool ok() const { return status == EncryptedStatus::Ok; }
};

namespace encrypted {

inline constexpr unsigned char kMagic[8] = {0x89, 'D', 'L', 'M', '\r', '\n', 0x1A, '\n'};
inline constexpr uint8_t kFormatVersion = 1;
inline constexpr uint8_t kArgon2id13 = 2;
inline constexpr size_t kIdSize = 16;
inline constexpr size_t kNonceSize = 24;
inline constexpr size_t kTagSize = 16;
inline constexpr size_t kWrappedKeySize = kKeySize + kTagSize;
inline constexpr size_t kChecksumSize = 32;

// Version 1 offsets.
inline constexpr size_t kVersionAt = 8;
inline constexpr size_t kAlgorithmAt = 9;
inline constexpr size_t kHeaderLengthAt = 10;
inline constexpr size_t kReservedAt = 12;
inline constexpr size_t kDiaryIdAt = 16;
inline constexpr size_t kSaltAt = 32;
inline constexpr size_t kOpsAt = 48;
inline constexpr size_t kMemAt = 56;
inline constexpr size_t kKeyNonceAt =
    64; // the bytes before it are the wrapped key's associated data
inline constexpr size_t kWrappedKeyAt = 88;
inline constexpr size_t kCommitIdAt = 136;
inline constexpr size_t kPartTableAt = 152;
inline constexpr size_t kPartEntrySize = kNonceSize + 8;
inline constexpr size_t kChecksumAt = kPartTableAt + kDiaryPartCount * kPartEntrySize; // 280
inline constexpr size_t kHeaderSize = kChecksumAt + kChecksumSize;                     // 312
// No version may have a longer header: a reader never hashes more than this
// before it knows the file is sound.
inline constexpr size_t kMaxHeaderSize = 4096;

} // namespace encrypted

struct EncryptedHeader
{
    using Id = std::array<unsigned char, encrypted::kIdSize>;
    using Nonce = std::array<unsigned char, encrypted::kNonceSize>;

    struct Part
    {
        Nonce nonce{};
        uint64_t sealedLength = 0; // the part's length plus the tag
    };

    Id diaryId{};
    std::array<unsigned char, kSaltSize> salt{};
    KdfParams kdf;
    Nonce keyNonce{};
    std::array<unsigned char, encrypted::kWrappedKeySize> wrappedKey{};
    Id commitId{};
    std::array<Part, kDiaryPartCount> parts{};

    // The kHeaderSize bytes of this header, checksum included.
    std::string Encode() const;
    // Reads the header at the start of a whole file's bytes: checks the
    // magic, the checksum, the version, every fixed field, the key
    // derivation parameters against limits and that the sealed parts fill
    // the rest of the file exactly. Ok, Damaged or NewerVersion.
    EncryptedStatus Decode(std::string_view file, const KdfLimits& limits);
};
