#pragma once
// The sealed form of an encrypted diary's parts. A part is cut into chunks of
// the header's chunk size (version 1: one chunk), each sealed with
// XChaCha20-Poly1305 under the data key with its own nonce and associated
// data (EncryptedHeader::ChunkNonce, ChunkAssociatedData). The sealed part is
// the chunks' cipher text, as long as the plain part and at the same
// offsets, followed by the chunks' tags: so a part is opened in place, and
// its chunks are opened and sealed on all cores at once.

#include "store/DiaryParts.h"
#include "store/EncryptedFormat.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Opens every chunk of every part in place: *parts[i] holds the sealed bytes
// of the header's table entry i, and is left holding the plain bytes. False
// when any chunk does not open (the parts are then meaningless). encoded is
// the header as the file holds it.
bool OpenChunks(const EncryptedHeader& header, std::string_view encoded, const unsigned char* key,
                const std::vector<std::string*>& parts);

// Seals the plain bytes of the header's table entry `part` as the header (its nonces and encoded
// form) says, handing the sealed bytes to write in order and in pieces of a few megabytes at most,
// so that a long part is never held twice.
void SealChunks(const EncryptedHeader& header, std::string_view encoded, const unsigned char* key,
                size_t part, std::string_view plain,
                const std::function<void(std::string_view sealed)>& write);
