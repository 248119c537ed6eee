#pragma once
// Turning a password into a key: Argon2id (libsodium's crypto_pwhash) with a
// random salt. The cost parameters travel with each encrypted diary, so they
// can be raised for new diaries without breaking old ones; a reader accepts
// only parameters inside fixed limits, so a damaged or hostile file can
// never make it allocate gigabytes or work for hours.

#include "store/SecureBuffer.h"

#include <cstdint>
#include <string_view>

struct KdfParams
{
    uint64_t opsLimit = 0; // Argon2 passes over the memory
    uint64_t memLimit = 0; // bytes of memory

    // What new diaries use: 64 MiB and 16 passes, 0.3-0.9 s on a current
    // two-core machine (bench_store's BM_EncryptedKeyDerivation measures it).
    static KdfParams Default() { return {16, 64ull << 20}; }
    // The cheapest parameters Argon2id allows; only tests and the fuzzer
    // write diaries with them.
    static KdfParams Cheapest() { return {1, 8ull << 10}; }

    bool operator==(const KdfParams&) const = default;
};

struct KdfLimits
{
    uint64_t minOps = 1;
    uint64_t maxOps = 32;
    uint64_t minMem = 8ull << 10;
    uint64_t maxMem = 512ull << 20;

    // What the program accepts when it opens a diary.
    static KdfLimits Accepted() { return {}; }
    bool Allow(const KdfParams& params) const
    {
        return params.opsLimit >= minOps && params.opsLimit <= maxOps &&
               params.memLimit >= minMem && params.memLimit <= maxMem;
    }
};

constexpr size_t kSaltSize = 16;
constexpr size_t kKeySize = 32;

// Derives a kKeySize-byte key from password and a kSaltSize-byte salt into
// key (which must be kKeySize bytes). False when the memory for the
// derivation could not be had.
bool DeriveKey(std::string_view password, const unsigned char* salt, const KdfParams& params,
               CSecureBuffer& key);
