#include "store/EncryptedFormat.h"

#include "store/LittleEndian.h"

#include <algorithm>
#include <sodium.h>

using namespace encrypted;

static_assert(kNonceSize == crypto_aead_xchacha20poly1305_ietf_NPUBBYTES);
static_assert(kTagSize == crypto_aead_xchacha20poly1305_ietf_ABYTES);
static_assert(kArgon2id13 == crypto_pwhash_ALG_ARGON2ID13);
static_assert(kHeaderSize == 312);
static_assert(V3HeaderSize(kMaxPartCount) <= kMaxHeaderSize);

namespace {

using namespace LittleEndian;

template <size_t N> void Put(unsigned char* at, const std::array<unsigned char, N>& field)
{
    std::copy(field.begin(), field.end(), at);
}

template <size_t N> void Get(const unsigned char* at, std::array<unsigned char, N>& field)
{
    std::copy(at, at + N, field.begin());
}

void Checksum(const unsigned char* bytes, size_t size, unsigned char* out)
{
    crypto_generichash(out, kChecksumSize, bytes, size, nullptr, 0);
}

} // namespace

std::vector<EncryptedHeader::Part> EncryptedHeader::DiaryTable()
{
    std::vector<Part> table(kDiaryPartCount);
    for (size_t i = 0; i < table.size(); ++i)
        table[i].kind = KindOf(i);
    return table;
}

size_t EncryptedHeader::Size() const
{
    return version >= 3 ? V3HeaderSize(parts.size()) : kHeaderSize;
}

std::string EncryptedHeader::Encode() const
{
    EnsureSodium();
    const size_t size = Size();
    std::string out(size, '\0');
    auto* p = reinterpret_cast<unsigned char*>(out.data());
    std::copy(std::begin(kMagic), std::end(kMagic), p);
    p[kVersionAt] = version;
    p[kAlgorithmAt] = kArgon2id13;
    p[kHeaderLengthAt] = static_cast<unsigned char>(size & 0xFF);
    p[kHeaderLengthAt + 1] = static_cast<unsigned char>(size >> 8);
    if (version >= 2)
        PutU32(p + kChunkSizeAt, chunkSize);
    Put(p + kDiaryIdAt, diaryId);
    Put(p + kSaltAt, salt);
    PutU64(p + kOpsAt, kdf.opsLimit);
    PutU64(p + kMemAt, kdf.memLimit);
    Put(p + kKeyNonceAt, keyNonce);
    Put(p + kWrappedKeyAt, wrappedKey);
    Put(p + kCommitIdAt, commitId);
    if (version >= 3) {
        PutU32(p + kPartCountAt, static_cast<uint32_t>(parts.size()));
        for (size_t i = 0; i < parts.size(); ++i) {
            unsigned char* entry = p + kV3PartTableAt + i * kV3PartEntrySize;
            PutU32(entry, parts[i].kind);
            Put(entry + 4, parts[i].nonce);
            PutU64(entry + 4 + kNonceSize, parts[i].sealedLength);
        }
    } else {
        for (size_t i = 0; i < kDiaryPartCount; ++i) {
            unsigned char* entry = p + kPartTableAt + i * kPartEntrySize;
            Put(entry, parts[i].nonce);
            PutU64(entry + kNonceSize, parts[i].sealedLength);
        }
    }
    Checksum(p, size - kChecksumSize, p + size - kChecksumSize);
    return out;
}

EncryptedStatus EncryptedHeader::Decode(std::string_view head, uint64_t fileSize,
                                        const KdfLimits& limits)
{
    EnsureSodium();
    head = head.substr(0, static_cast<size_t>(std::min<uint64_t>(head.size(), fileSize)));
    const auto* p = reinterpret_cast<const unsigned char*>(head.data());
    if (head.size() < kHeaderLengthAt + 2 || !std::equal(std::begin(kMagic), std::end(kMagic), p))
        return EncryptedStatus::Damaged;
    const size_t headerLength = size_t(p[kHeaderLengthAt]) | size_t(p[kHeaderLengthAt + 1]) << 8;
    if (headerLength < kHeaderLengthAt + 2 + kChecksumSize || headerLength > kMaxHeaderSize ||
        headerLength > head.size())
        return EncryptedStatus::Damaged;
    unsigned char sum[kChecksumSize];
    Checksum(p, headerLength - kChecksumSize, sum);
    if (sodium_memcmp(sum, p + headerLength - kChecksumSize, kChecksumSize) != 0)
        return EncryptedStatus::Damaged;

    if (p[kVersionAt] > kFormatVersion)
        return EncryptedStatus::NewerVersion;
    if (p[kVersionAt] < kOldestVersion || p[kAlgorithmAt] != kArgon2id13 ||
        headerLength < kV3PartTableAt + kChecksumSize)
        return EncryptedStatus::Damaged;

    EncryptedHeader h;
    h.version = p[kVersionAt];
    if (h.version >= 3) {
        const uint32_t count = GetU32(p + kPartCountAt);
        if (count < kDiaryPartCount || count > kMaxPartCount || headerLength != V3HeaderSize(count))
            return EncryptedStatus::Damaged;
        h.parts.assign(count, Part{});
        std::array<int, kDiaryPartCount> seen{};
        for (size_t i = 0; i < count; ++i) {
            const unsigned char* entry = p + kV3PartTableAt + i * kV3PartEntrySize;
            h.parts[i].kind = GetU32(entry);
            Get(entry + 4, h.parts[i].nonce);
            h.parts[i].sealedLength = GetU64(entry + 4 + kNonceSize);
            if (h.parts[i].kind == 0)
                return EncryptedStatus::Damaged;
            if (h.parts[i].kind <= kPlannerKind && ++seen[h.parts[i].kind - 1] > 1)
                return EncryptedStatus::Damaged;
        }
        if (std::count(seen.begin(), seen.end(), 1) != kDiaryPartCount)
            return EncryptedStatus::Damaged; // a diary part is missing
    } else {
        if (headerLength != kHeaderSize)
            return EncryptedStatus::Damaged;
        for (size_t i = 0; i < kDiaryPartCount; ++i) {
            const unsigned char* entry = p + kPartTableAt + i * kPartEntrySize;
            Get(entry, h.parts[i].nonce);
            h.parts[i].sealedLength = GetU64(entry + kNonceSize);
        }
    }
    h.chunkSize = GetU32(p + kChunkSizeAt);
    if (h.version == 1 ? h.chunkSize != 0 : !IsSoundChunkSize(h.chunkSize))
        return EncryptedStatus::Damaged;
    Get(p + kDiaryIdAt, h.diaryId);
    Get(p + kSaltAt, h.salt);
    h.kdf.opsLimit = GetU64(p + kOpsAt);
    h.kdf.memLimit = GetU64(p + kMemAt);
    Get(p + kKeyNonceAt, h.keyNonce);
    Get(p + kWrappedKeyAt, h.wrappedKey);
    Get(p + kCommitIdAt, h.commitId);
    if (!limits.Allow(h.kdf))
        return EncryptedStatus::Damaged;
    uint64_t left = fileSize - headerLength;
    for (const Part& part : h.parts) {
        if (part.sealedLength > left || !h.PlainLength(part.sealedLength))
            return EncryptedStatus::Damaged;
        left -= part.sealedLength;
    }
    if (left != 0)
        return EncryptedStatus::Damaged;
    *this = std::move(h);
    return EncryptedStatus::Ok;
}

uint64_t EncryptedHeader::ChunkCount(uint64_t plainLength) const
{
    if (version < 2 || plainLength == 0)
        return 1;
    return (plainLength - 1) / chunkSize + 1;
}

std::optional<uint64_t> EncryptedHeader::PlainLength(uint64_t sealedLength) const
{
    if (sealedLength < kTagSize)
        return std::nullopt;
    if (version < 2)
        return sealedLength - kTagSize;
    // Every chunk but the last is chunkSize + kTagSize sealed bytes; the
    // last one kTagSize to chunkSize + kTagSize.
    const uint64_t chunks = (sealedLength - 1) / (uint64_t(chunkSize) + kTagSize) + 1;
    const uint64_t plain = sealedLength - chunks * kTagSize;
    if (ChunkCount(plain) != chunks)
        return std::nullopt;
    return plain;
}

EncryptedHeader::Nonce EncryptedHeader::ChunkNonce(size_t part, uint64_t k) const
{
    Nonce nonce = parts[part].nonce;
    unsigned char* counter = nonce.data() + kNonceSize - 8;
    PutU64(counter, GetU64(counter) + k);
    return nonce;
}

EncryptedHeader::AssociatedData EncryptedHeader::ChunkAssociatedData(std::string_view encoded,
                                                                     size_t part, uint64_t k) const
{
    AssociatedData ad;
    if (version >= 3) {
        std::copy_n(encoded.data() + Size() - kChecksumSize, kChecksumSize, ad.bytes.data());
        PutU32(ad.bytes.data() + kChecksumSize, static_cast<uint32_t>(part));
        PutU64(ad.bytes.data() + kChecksumSize + 4, k);
        ad.size = kChecksumSize + 4 + 8;
        return ad;
    }
    std::copy_n(encoded.data(), kChecksumAt, ad.bytes.data());
    ad.bytes[kChecksumAt] = static_cast<unsigned char>(part);
    ad.size = kChecksumAt + 1;
    if (version >= 2) {
        PutU64(ad.bytes.data() + ad.size, k);
        ad.size += 8;
    }
    return ad;
}
