#pragma once
// The header of an encrypted diary file (NAME.dayloom) and the rules for
// reading it. docs/encrypted-format.md describes every byte; in short:
//
//   header (kHeaderSize bytes)
//     magic, version, algorithm, header length, chunk size, diary id, salt,
//     key derivation parameters, the wrapped data key, the commit id, one
//     (nonce, sealed length) pair per part, and a BLAKE2b checksum of all
//     the bytes before it
//   the parts, each sealed with XChaCha20-Poly1305 under the data key:
//     versions 2 and 3 seal a part in chunks of the chunk size (so that they
//     can be opened and sealed on several cores at once): the chunks' cipher
//     text, then their tags; version 1 sealed each part as one chunk
//
// Versions 1 and 2 hold exactly the four parts of a diary, in a fixed order,
// and derive the key from the password's Windows-1252 bytes. Version 3 has a
// part table with a count and a kind for each part, so that later kinds of
// part are added without another version, and derives the key from the
// UTF-8 bytes of the password's NFC form.
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
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
inline constexpr uint8_t kFormatVersion = 3;    // what is written
inline constexpr uint8_t kOldestVersion = 1;    // what can still be read
inline constexpr uint8_t kFirstUtf8Version = 3; // derives its key from UTF-8 (NFC)
inline constexpr uint8_t kArgon2id13 = 2;
inline constexpr size_t kIdSize = 16;
inline constexpr size_t kNonceSize = 24;
inline constexpr size_t kTagSize = 16;
inline constexpr size_t kWrappedKeySize = kKeySize + kTagSize;
inline constexpr size_t kChecksumSize = 32;

// Chunk sizes: a power of two within these limits (a file outside them is
// damaged). New diaries use kChunkSize.
inline constexpr uint32_t kChunkSize = 256u << 10;
inline constexpr uint32_t kMinChunkSize = 16;
inline constexpr uint32_t kMaxChunkSize = 64u << 20;
constexpr bool IsSoundChunkSize(uint32_t size)
{
    return size >= kMinChunkSize && size <= kMaxChunkSize && (size & (size - 1)) == 0;
}

// Offsets of every version up to the commit id.
inline constexpr size_t kVersionAt = 8;
inline constexpr size_t kAlgorithmAt = 9;
inline constexpr size_t kHeaderLengthAt = 10;
inline constexpr size_t kChunkSizeAt = 12; // zero (reserved) in version 1
inline constexpr size_t kDiaryIdAt = 16;
inline constexpr size_t kSaltAt = 32;
inline constexpr size_t kOpsAt = 48;
inline constexpr size_t kMemAt = 56;
inline constexpr size_t kKeyNonceAt =
    64; // the bytes before it are the wrapped key's associated data
inline constexpr size_t kWrappedKeyAt = 88;
inline constexpr size_t kKeyBlockSize = kWrappedKeyAt + kWrappedKeySize; // 136: all a key needs
inline constexpr size_t kCommitIdAt = 136;
// Versions 1 and 2: four (nonce, sealed length) pairs, then the checksum.
inline constexpr size_t kPartTableAt = 152;
inline constexpr size_t kPartEntrySize = kNonceSize + 8;
inline constexpr size_t kChecksumAt = kPartTableAt + kDiaryPartCount * kPartEntrySize; // 280
inline constexpr size_t kHeaderSize = kChecksumAt + kChecksumSize;                     // 312
// Version 3: the part count (4 bytes), then per part its kind (4 bytes),
// nonce and sealed length, then the checksum.
inline constexpr size_t kPartCountAt = 152;
inline constexpr size_t kV3PartTableAt = 156;
inline constexpr size_t kV3PartEntrySize = 4 + kNonceSize + 8;
inline constexpr size_t kMaxPartCount = 64;
constexpr size_t V3HeaderSize(size_t partCount)
{
    return kV3PartTableAt + partCount * kV3PartEntrySize + kChecksumSize;
}
// The kinds of part. A diary's four parts are kinds 1-4 (DiaryPart + 1) and
// each is there exactly once; a reader keeps the parts of kinds it does not
// know as they are and writes them back with the diary.
inline constexpr uint32_t kIndexKind = 1;
inline constexpr uint32_t kPlannerKind = 4;
// Later kinds this program knows: the history of deleted and edited entries
// (store/EntryHistory.h) and the reminder and task texts in any script
// (store/ScriptTexts.h).
inline constexpr uint32_t kHistoryKind = 5;
inline constexpr uint32_t kScriptTextsKind = 6;
constexpr uint32_t KindOf(size_t diaryPart)
{
    return static_cast<uint32_t>(diaryPart) + 1;
}
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
        uint32_t kind = 0;         // versions 1-2: the position's kind (1-4)
        Nonce nonce{};             // of the first chunk; chunk k's has k added (see ChunkNonce)
        uint64_t sealedLength = 0; // the part's length plus one tag per chunk
    };

    uint8_t version = encrypted::kFormatVersion;
    uint32_t chunkSize = encrypted::kChunkSize; // version 1: each part is one chunk
    Id diaryId{};
    std::array<unsigned char, kSaltSize> salt{};
    KdfParams kdf;
    Nonce keyNonce{};
    std::array<unsigned char, encrypted::kWrappedKeySize> wrappedKey{};
    Id commitId{};
    // In the order the parts lie in the file. Versions 1 and 2: exactly the
    // four parts of a diary, kinds 1-4 in that order.
    std::vector<Part> parts = DiaryTable();

    // The four parts of a diary, kinds 1-4, in that order.
    static std::vector<Part> DiaryTable();

    // The header's length in bytes: 312 for versions 1 and 2.
    size_t Size() const;
    // The Size() bytes of this header, checksum included.
    std::string Encode() const;
    // Reads the header at the start of a file of fileSize bytes (head holds
    // at least its first kMaxHeaderSize bytes, or the whole file when shorter):
    // checks the magic, the checksum, the version, every fixed field, the
    // key derivation parameters and the chunk size against limits and that
    // the sealed parts fill the rest of the file exactly. Ok, Damaged or
    // NewerVersion.
    EncryptedStatus Decode(std::string_view head, uint64_t fileSize, const KdfLimits& limits);
    EncryptedStatus Decode(std::string_view file, const KdfLimits& limits)
    {
        return Decode(file, file.size(), limits);
    }

    // How a part of plainLength bytes is cut: the number of chunks (one at
    // least, so an empty part has its tag too) and its sealed length.
    uint64_t ChunkCount(uint64_t plainLength) const;
    uint64_t SealedLength(uint64_t plainLength) const
    {
        return plainLength + ChunkCount(plainLength) * encrypted::kTagSize;
    }
    // The plain length of a part sealed into sealedLength bytes; nullopt
    // when no plain length seals to exactly that.
    std::optional<uint64_t> PlainLength(uint64_t sealedLength) const;
    // The nonce of chunk k of part i: the part's nonce with k added to its
    // last eight bytes (little-endian, modulo 2^64).
    Nonce ChunkNonce(size_t part, uint64_t k) const;
    // The associated data of chunk k of part i (its position in the table):
    // versions 1-2 the encoded header up to its checksum, the part's number
    // and, from version 2, k; version 3 the header's checksum (a hash of all
    // of it), i (4 bytes) and k. Either binds the chunk to this diary, this
    // commit and the part table. Built in place (chunks are opened on
    // several threads, which must not allocate).
    struct AssociatedData
    {
        std::array<unsigned char, encrypted::kChecksumAt + 1 + 8> bytes{};
        size_t size = 0;
    };
    AssociatedData ChunkAssociatedData(std::string_view encoded, size_t part, uint64_t k) const;
};
