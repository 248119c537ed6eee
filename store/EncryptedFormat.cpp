#include "store/EncryptedFormat.h"

#include <algorithm>
#include <sodium.h>

using namespace encrypted;

static_assert(kNonceSize == crypto_aead_xchacha20poly1305_ietf_NPUBBYTES);
static_assert(kTagSize == crypto_aead_xchacha20poly1305_ietf_ABYTES);
static_assert(kArgon2id13 == crypto_pwhash_ALG_ARGON2ID13);
static_assert(kHeaderSize == 312);

namespace {

void PutU64(unsigned char* p, uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        p[i] = static_cast<unsigned char>(v >> (8 * i));
}

uint64_t GetU64(const unsigned char* p)
{
    uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = v << 8 | p[i];
    return v;
}

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

std::string EncryptedHeader::Encode() const
{
    EnsureSodium();
    std::string out(kHeaderSize, '\0');
    auto* p = reinterpret_cast<unsigned char*>(out.data());
    std::copy(std::begin(kMagic), std::end(kMagic), p);
    p[kVersionAt] = kFormatVersion;
    p[kAlgorithmAt] = kArgon2id13;
    p[kHeaderLengthAt] = static_cast<unsigned char>(kHeaderSize & 0xFF);
    p[kHeaderLengthAt + 1] = static_cast<unsigned char>(kHeaderSize >> 8);
    Put(p + kDiaryIdAt, diaryId);
    Put(p + kSaltAt, salt);
    PutU64(p + kOpsAt, kdf.opsLimit);
    PutU64(p + kMemAt, kdf.memLimit);
    Put(p + kKeyNonceAt, keyNonce);
    Put(p + kWrappedKeyAt, wrappedKey);
    Put(p + kCommitIdAt, commitId);
    for (size_t i = 0; i < kDiaryPartCount; ++i) {
        unsigned char* entry = p + kPartTableAt + i * kPartEntrySize;
        Put(entry, parts[i].nonce);
        PutU64(entry + kNonceSize, parts[i].sealedLength);
    }
    Checksum(p, kChecksumAt, p + kChecksumAt);
    return out;
}

EncryptedStatus EncryptedHeader::Decode(std::string_view file, const KdfLimits& limits)
{
    EnsureSodium();
    const auto* p = reinterpret_cast<const unsigned char*>(file.data());
    if (file.size() < kHeaderLengthAt + 2 || !std::equal(std::begin(kMagic), std::end(kMagic), p))
        return EncryptedStatus::Damaged;
    const size_t headerLength = size_t(p[kHeaderLengthAt]) | size_t(p[kHeaderLengthAt + 1]) << 8;
    if (headerLength < kHeaderLengthAt + 2 + kChecksumSize || headerLength > kMaxHeaderSize ||
        headerLength > file.size())
        return EncryptedStatus::Damaged;
    unsigned char sum[kChecksumSize];
    Checksum(p, headerLength - kChecksumSize, sum);
    if (sodium_memcmp(sum, p + headerLength - kChecksumSize, kChecksumSize) != 0)
        return EncryptedStatus::Damaged;

    if (p[kVersionAt] > kFormatVersion)
        return EncryptedStatus::NewerVersion;
    if (p[kVersionAt] != kFormatVersion || p[kAlgorithmAt] != kArgon2id13 ||
        headerLength != kHeaderSize ||
        std::any_of(p + kReservedAt, p + kDiaryIdAt, [](unsigned char c) { return c != 0; }))
        return EncryptedStatus::Damaged;

    EncryptedHeader h;
    Get(p + kDiaryIdAt, h.diaryId);
    Get(p + kSaltAt, h.salt);
    h.kdf.opsLimit = GetU64(p + kOpsAt);
    h.kdf.memLimit = GetU64(p + kMemAt);
    Get(p + kKeyNonceAt, h.keyNonce);
    Get(p + kWrappedKeyAt, h.wrappedKey);
    Get(p + kCommitIdAt, h.commitId);
    if (!limits.Allow(h.kdf))
        return EncryptedStatus::Damaged;
    uint64_t left = file.size() - kHeaderSize;
    for (size_t i = 0; i < kDiaryPartCount; ++i) {
        const unsigned char* entry = p + kPartTableAt + i * kPartEntrySize;
        Get(entry, h.parts[i].nonce);
        h.parts[i].sealedLength = GetU64(entry + kNonceSize);
        if (h.parts[i].sealedLength < kTagSize || h.parts[i].sealedLength > left)
            return EncryptedStatus::Damaged;
        left -= h.parts[i].sealedLength;
    }
    if (left != 0)
        return EncryptedStatus::Damaged;
    *this = h;
    return EncryptedStatus::Ok;
}
