#include "store/EncryptedChunks.h"

#include "store/ParallelFor.h"

#include <algorithm>
#include <atomic>
#include <sodium.h>
#include <string>
#include <vector>

using namespace encrypted;

namespace {

// Below this many bytes the chunks are done on the calling thread: starting
// threads would cost more than they save.
constexpr uint64_t kParallelFrom = 1u << 20;
// What SealChunks holds of cipher text at a time.
constexpr uint64_t kSealWindow = 1u << 20;

// Where chunk k of a part of plainLength bytes lies in the plain (and the
// cipher) text.
struct Chunk
{
    uint64_t at = 0;
    uint64_t length = 0;
};

Chunk ChunkAt(const EncryptedHeader& header, uint64_t plainLength, uint64_t k)
{
    if (header.version < 2)
        return {0, plainLength};
    const uint64_t at = k * header.chunkSize;
    return {at, std::min<uint64_t>(header.chunkSize, plainLength - at)};
}

// Runs job(0) .. job(count - 1), on all cores when bytes is large.
void ForEachChunk(uint64_t count, uint64_t bytes, const std::function<void(size_t)>& job)
{
    if (bytes < kParallelFrom) {
        for (size_t k = 0; k < count; ++k)
            job(k);
    } else {
        ParallelFor(static_cast<size_t>(count), job);
    }
}

} // namespace

bool OpenChunks(const EncryptedHeader& header, std::string_view encoded, const unsigned char* key,
                const std::vector<std::string*>& parts)
{
    // The chunks of all parts, numbered one after the other.
    const size_t count = parts.size();
    std::vector<uint64_t> plainLength(count);
    std::vector<uint64_t> firstChunk(count + 1);
    uint64_t sealedBytes = 0;
    for (size_t i = 0; i < count; ++i) {
        const auto plain = header.PlainLength(parts[i]->size());
        if (!plain)
            return false;
        plainLength[i] = *plain;
        firstChunk[i + 1] = firstChunk[i] + header.ChunkCount(*plain);
        sealedBytes += parts[i]->size();
    }
    std::atomic<bool> sound{true};
    ForEachChunk(firstChunk[count], sealedBytes, [&](size_t n) {
        size_t i = 0;
        while (n >= firstChunk[i + 1])
            ++i;
        const uint64_t k = n - firstChunk[i];
        auto* bytes = reinterpret_cast<unsigned char*>(parts[i]->data());
        const Chunk chunk = ChunkAt(header, plainLength[i], k);
        const auto ad = header.ChunkAssociatedData(encoded, i, k);
        const auto nonce = header.ChunkNonce(i, k);
        if (crypto_aead_xchacha20poly1305_ietf_decrypt_detached(
                bytes + chunk.at, nullptr, bytes + chunk.at, chunk.length,
                bytes + plainLength[i] + k * kTagSize, ad.bytes.data(), ad.size, nonce.data(),
                key) != 0)
            sound = false;
    });
    if (!sound)
        return false;
    for (size_t i = 0; i < count; ++i)
        parts[i]->resize(static_cast<size_t>(plainLength[i]));
    return true;
}

void SealChunks(const EncryptedHeader& header, std::string_view encoded, const unsigned char* key,
                size_t part, std::string_view plain,
                const std::function<void(std::string_view sealed)>& write)
{
    const uint64_t count = header.ChunkCount(plain.size());
    const uint64_t span =
        header.version < 2 ? std::max<uint64_t>(plain.size(), 1) : header.chunkSize;
    const uint64_t perWindow = std::max<uint64_t>(1, kSealWindow / span);
    std::string tags(static_cast<size_t>(count * kTagSize), '\0');
    std::string window;
    for (uint64_t first = 0; first < count; first += perWindow) {
        const uint64_t last = std::min(count, first + perWindow);
        const uint64_t from = ChunkAt(header, plain.size(), first).at;
        const Chunk end = ChunkAt(header, plain.size(), last - 1);
        window.resize(static_cast<size_t>(end.at + end.length - from));
        ForEachChunk(last - first, window.size(), [&](size_t n) {
            const uint64_t k = first + n;
            const Chunk chunk = ChunkAt(header, plain.size(), k);
            const auto ad = header.ChunkAssociatedData(encoded, part, k);
            const auto nonce = header.ChunkNonce(part, k);
            crypto_aead_xchacha20poly1305_ietf_encrypt_detached(
                reinterpret_cast<unsigned char*>(window.data()) + (chunk.at - from),
                reinterpret_cast<unsigned char*>(tags.data()) + k * kTagSize, nullptr,
                reinterpret_cast<const unsigned char*>(plain.data()) + chunk.at, chunk.length,
                ad.bytes.data(), ad.size, nullptr, nonce.data(), key);
        });
        write(window);
    }
    write(tags);
}
