#include "store/EncryptedDiaryFile.h"

#include "store/AtomicFile.h"
#include "store/ConflictCopies.h"
#include "store/EncryptedChunks.h"
#include "store/EntryHistory.h"
#include "store/ScriptTexts.h"
#include "store/StoreFile.h"

#include <algorithm>
#include <memory>
#include <new>
#include <sodium.h>
#include <stdexcept>
#include <utility>

using namespace encrypted;

namespace {

EncryptedResult Failed(EncryptedStatus status, FileErrorCause cause = FileErrorCause::None)
{
    return {status, cause};
}

// The associated data of the wrapped data key: the header's bytes before the
// key's nonce; from version 3 without the header length (bytes 10-11), which
// grows with the part table, so that a part can be added to a diary without
// its password.
std::string KeyAssociatedData(std::string_view encoded)
{
    if (static_cast<uint8_t>(encoded[kVersionAt]) >= kFirstUtf8Version) {
        std::string ad(encoded.substr(0, kHeaderLengthAt));
        ad.append(encoded.substr(kHeaderLengthAt + 2, kKeyNonceAt - kHeaderLengthAt - 2));
        return ad;
    }
    return std::string(encoded.substr(0, kKeyNonceAt));
}

// Derives the key of password with the header's salt and parameters, picks a
// fresh key nonce and wraps dataKey with it into the header.
bool WrapKey(const CSecureBuffer& dataKey, std::string_view password, EncryptedHeader& header)
{
    CSecureBuffer passwordKey(kKeySize);
    if (!DeriveKey(password, header.salt.data(), header.kdf, passwordKey))
        return false;
    randombytes_buf(header.keyNonce.data(), header.keyNonce.size());
    const std::string ad = KeyAssociatedData(header.Encode());
    unsigned long long length = 0;
    crypto_aead_xchacha20poly1305_ietf_encrypt(
        header.wrappedKey.data(), &length, dataKey.data(), dataKey.size(),
        reinterpret_cast<const unsigned char*>(ad.data()), ad.size(), nullptr,
        header.keyNonce.data(), passwordKey.data());
    return true;
}

// Derives the key of password from the header's fields and opens the wrapped
// data key of the encoded header's first kKeyBlockSize bytes.
EncryptedStatus OpenWrappedKey(const EncryptedHeader& header, std::string_view encoded,
                               const Passphrase& password, CSecureBuffer& dataKey)
{
    const std::optional<std::string_view> bytes =
        password.ForVersion(header.version, kFirstUtf8Version);
    if (!bytes)
        return EncryptedStatus::WrongPassword; // not writable in this version's encoding
    CSecureBuffer passwordKey(kKeySize);
    if (!DeriveKey(*bytes, header.salt.data(), header.kdf, passwordKey))
        return EncryptedStatus::IoError;
    const std::string ad = KeyAssociatedData(encoded);
    const auto* head = reinterpret_cast<const unsigned char*>(encoded.data());
    unsigned long long length = 0;
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(
            dataKey.data(), &length, nullptr, head + kWrappedKeyAt, kWrappedKeySize,
            reinterpret_cast<const unsigned char*>(ad.data()), ad.size(), header.keyNonce.data(),
            passwordKey.data()) != 0 ||
        length != kKeySize)
        return EncryptedStatus::WrongPassword;
    return EncryptedStatus::Ok;
}

} // namespace

CEncryptedDiaryFile::CEncryptedDiaryFile(std::string path, KdfLimits limits)
    : m_path(std::move(path)), m_limits(limits), m_dataKey(kKeySize)
{
}

CEncryptedDiaryFile::~CEncryptedDiaryFile()
{
    Close();
}

void CEncryptedDiaryFile::Close()
{
    m_dataKey.Wipe();
    m_parts.Wipe();
    for (OtherPart& part : m_otherParts)
        WipeString(part.bytes);
    m_otherParts.clear();
    m_header = {};
    m_bOpen = false;
    m_bOnDisk = false;
}

EncryptedResult CEncryptedDiaryFile::Open(const Passphrase& password)
{
    return Load([&](const EncryptedHeader& header, std::string_view head, CSecureBuffer& dataKey) {
        return UnwrapKey(header, head, password, dataKey);
    });
}

EncryptedResult CEncryptedDiaryFile::Reopen()
{
    if (!m_bOpen)
        return Failed(EncryptedStatus::IoError, FileErrorCause::InvalidHandle);
    return Load([&](const EncryptedHeader& header, std::string_view, CSecureBuffer& dataKey) {
        if (header.diaryId != m_header.diaryId)
            return EncryptedStatus::Damaged; // another diary put in its place
        std::copy(m_dataKey.data(), m_dataKey.data() + kKeySize, dataKey.data());
        return EncryptedStatus::Ok;
    });
}

EncryptedResult CEncryptedDiaryFile::OpenWithKeyOf(const CEncryptedDiaryFile& open)
{
    if (!open.m_bOpen)
        return Failed(EncryptedStatus::IoError, FileErrorCause::InvalidHandle);
    return Load([&](const EncryptedHeader& header, std::string_view, CSecureBuffer& dataKey) {
        if (header.diaryId != open.m_header.diaryId)
            return EncryptedStatus::Damaged;
        std::copy(open.m_dataKey.data(), open.m_dataKey.data() + kKeySize, dataKey.data());
        return EncryptedStatus::Ok;
    });
}

EncryptedResult CEncryptedDiaryFile::Load(const KeySource& key)
{
    if (!FileExists(m_path))
        return Failed(EncryptedStatus::IoError, FileErrorCause::FileNotFound);
    try {
        CStoreFile file;
        if (const FileErrorCause cause = file.Open(m_path); cause != FileErrorCause::None)
            return Failed(EncryptedStatus::IoError, cause);
        const uint64_t size = file.Length();
        std::string head(static_cast<size_t>(std::min<uint64_t>(size, kMaxHeaderSize)), '\0');
        if (file.ReadAt(0, head.data(), head.size()) != head.size())
            return Failed(EncryptedStatus::Damaged);
        // Each part is read into the string that will hold it once the key
        // derivation has given its memory back, and opened there.
        return UnlockWith(head, size, key, [&](uint64_t at, std::string& part) {
            return file.ReadAt(at, part.data(), part.size()) == part.size();
        });
    } catch (const CFileError& error) {
        return Failed(EncryptedStatus::IoError, error.cause());
    } catch (const std::bad_alloc&) {
        return Failed(EncryptedStatus::IoError, FileErrorCause::Generic); // larger than memory
    }
}

EncryptedResult CEncryptedDiaryFile::Unlock(std::string_view fileBytes, const Passphrase& password)
{
    return UnlockWith(
        fileBytes, fileBytes.size(),
        [&](const EncryptedHeader& header, std::string_view head, CSecureBuffer& dataKey) {
            return UnwrapKey(header, head, password, dataKey);
        },
        [&](uint64_t at, std::string& part) {
            std::copy_n(fileBytes.data() + at, part.size(), part.data());
            return true;
        });
}

EncryptedStatus CEncryptedDiaryFile::UnwrapKey(const EncryptedHeader& header, std::string_view head,
                                               const Passphrase& password, CSecureBuffer& dataKey)
{
    // The checksum vouches for the header, so a key that does not open
    // comes from a wrong password, not from damage.
    return OpenWrappedKey(header, head, password, dataKey);
}

EncryptedResult CEncryptedDiaryFile::UnlockWith(std::string_view head, uint64_t fileSize,
                                                const KeySource& key, const PartReader& readPart)
{
    EncryptedHeader header;
    if (const EncryptedStatus status = header.Decode(head, fileSize, m_limits);
        status != EncryptedStatus::Ok)
        return Failed(status);

    CSecureBuffer dataKey(kKeySize);
    if (const EncryptedStatus status = key(header, head, dataKey); status != EncryptedStatus::Ok)
        return Failed(status, status == EncryptedStatus::IoError ? FileErrorCause::Generic
                                                                 : FileErrorCause::None);

    DiaryParts parts;
    std::vector<OtherPart> others;
    for (const EncryptedHeader::Part& entry : header.parts)
        if (entry.kind > kPlannerKind)
            others.push_back({entry.kind, {}});
    std::vector<std::string*> table;
    uint64_t offset = header.Size();
    size_t other = 0;
    for (const EncryptedHeader::Part& entry : header.parts) {
        std::string& part =
            entry.kind <= kPlannerKind ? parts.bytes[entry.kind - 1] : others[other++].bytes;
        part.resize(static_cast<size_t>(entry.sealedLength));
        if (!readPart(offset, part))
            return Failed(EncryptedStatus::Damaged);
        offset += part.size();
        table.push_back(&part);
    }
    if (!OpenChunks(header, head.substr(0, header.Size()), dataKey.data(), table)) {
        for (OtherPart& part : others)
            WipeString(part.bytes);
        return Failed(EncryptedStatus::Damaged);
    }

    // The parts this program knows beyond the diary's four are checked as
    // strictly as the records: a history that does not decode is damage.
    for (auto part = others.begin(); part != others.end();) {
        std::optional<std::string>* known = part->kind == kHistoryKind       ? &parts.history
                                            : part->kind == kScriptTextsKind ? &parts.scriptTexts
                                                                             : nullptr;
        if (!known) {
            ++part;
            continue;
        }
        if (*known || (known == &parts.history ? !CEntryHistory::IsSound(part->bytes)
                                               : !CScriptTexts::IsSound(part->bytes))) {
            for (OtherPart& wiped : others)
                WipeString(wiped.bytes);
            return Failed(EncryptedStatus::Damaged);
        }
        *known = std::move(part->bytes);
        part = others.erase(part);
    }

    Close();
    std::copy(dataKey.data(), dataKey.data() + kKeySize, m_dataKey.data());
    m_parts = std::move(parts);
    m_otherParts = std::move(others);
    m_header = header;
    m_bOpen = true;
    m_bOnDisk = true;
    return {};
}

EncryptedResult CEncryptedDiaryFile::Create(std::string_view password, KdfParams params,
                                            uint32_t chunkSize, uint8_t version)
{
    if (version < kOldestVersion || version > kFormatVersion)
        throw std::invalid_argument("no such format version");
    if (!m_limits.Allow(params))
        throw std::invalid_argument("key derivation parameters outside the accepted limits");
    if (!IsSoundChunkSize(chunkSize))
        throw std::invalid_argument("chunk size outside the accepted limits");
    EnsureSodium();
    EncryptedHeader header;
    header.version = version;
    header.chunkSize = version < 2 ? 0 : chunkSize;
    randombytes_buf(header.diaryId.data(), header.diaryId.size());
    randombytes_buf(header.salt.data(), header.salt.size());
    header.kdf = params;
    CSecureBuffer dataKey(kKeySize);
    crypto_aead_xchacha20poly1305_ietf_keygen(dataKey.data());
    if (!WrapKey(dataKey, password, header))
        return Failed(EncryptedStatus::IoError, FileErrorCause::Generic);
    Close();
    std::copy(dataKey.data(), dataKey.data() + kKeySize, m_dataKey.data());
    m_header = header;
    if (version >= kFirstUtf8Version)
        m_parts.history.emplace(); // a new diary remembers its changes from the start
    m_bOpen = true;
    m_bOnDisk = false;
    return {};
}

EncryptedResult CEncryptedDiaryFile::Commit()
{
    if (!m_bOpen)
        return Failed(EncryptedStatus::IoError, FileErrorCause::InvalidHandle);
    return Write(m_header);
}

EncryptedResult CEncryptedDiaryFile::ChangePassword(std::string_view newPassword, KdfParams params)
{
    if (!m_limits.Allow(params))
        throw std::invalid_argument("key derivation parameters outside the accepted limits");
    if (!m_bOpen)
        return Failed(EncryptedStatus::IoError, FileErrorCause::InvalidHandle);
    EncryptedHeader header = m_header;
    if (header.version < 2)
        header.chunkSize = kChunkSize;
    header.version = kFormatVersion;
    randombytes_buf(header.salt.data(), header.salt.size());
    header.kdf = params;
    // A new data key: whoever kept an older copy of the file and its
    // password learns nothing written from now on.
    CSecureBuffer newKey(kKeySize);
    crypto_aead_xchacha20poly1305_ietf_keygen(newKey.data());
    if (!WrapKey(newKey, newPassword, header))
        return Failed(EncryptedStatus::IoError, FileErrorCause::Generic);
    CSecureBuffer oldKey(kKeySize);
    std::copy(m_dataKey.data(), m_dataKey.data() + kKeySize, oldKey.data());
    std::copy(newKey.data(), newKey.data() + kKeySize, m_dataKey.data());
    const EncryptedResult result = Write(header);
    if (!result.ok())
        std::copy(oldKey.data(), oldKey.data() + kKeySize, m_dataKey.data());
    return result;
}

EncryptedResult CEncryptedDiaryFile::Write(const EncryptedHeader& base)
{
    // The version stays the file's own: the data key's wrapping binds it,
    // so only a password change (which wraps the key anew) moves a file to
    // the current version.
    EncryptedHeader header = base;
    randombytes_buf(header.commitId.data(), header.commitId.size());
    // The diary's four parts, then the parts of other kinds as they came.
    std::vector<const std::string*> table;
    header.parts = EncryptedHeader::DiaryTable();
    for (const std::string& part : m_parts.bytes)
        table.push_back(&part);
    if (header.version >= kFirstUtf8Version) {
        if (m_parts.history) {
            header.parts.push_back({kHistoryKind, {}, 0});
            table.push_back(&*m_parts.history);
        }
        if (m_parts.scriptTexts && !m_parts.scriptTexts->empty()) {
            header.parts.push_back({kScriptTextsKind, {}, 0});
            table.push_back(&*m_parts.scriptTexts);
        }
        for (const OtherPart& part : m_otherParts) {
            header.parts.push_back({part.kind, {}, 0});
            table.push_back(&part.bytes);
        }
    }
    for (size_t i = 0; i < header.parts.size(); ++i) {
        randombytes_buf(header.parts[i].nonce.data(), kNonceSize);
        header.parts[i].sealedLength = header.SealedLength(table[i]->size());
    }
    const std::string encoded = header.Encode();

    // Written whole beside the live file, with its mode, and renamed over it.
    CAtomicFile file(m_path);
    FileResult written = file.Open();
    if (written.ok())
        written = file.Write(encoded);
    for (size_t i = 0; i < table.size() && written.ok(); ++i) {
        SealChunks(header, encoded, m_dataKey.data(), i, *table[i],
                   [&](std::string_view sealed) { written = file.Write(sealed); });
    }
    if (written.ok())
        written = KeepOutsideVersion();
    if (written.ok())
        written = file.Commit();
    if (!written.ok())
        return Failed(EncryptedStatus::IoError, written.cause);
    m_header = header;
    m_bOnDisk = true;
    return {};
}

FileResult CEncryptedDiaryFile::KeepOutsideVersion()
{
    // Each write gives the file a new commit id: a file whose id is not the
    // one this object last read or wrote was written by another program
    // meanwhile (a sync tool bringing another computer's version). That
    // version is kept as a conflict copy, which the program offers to merge,
    // instead of being written over.
    m_strKeptAside.clear();
    if (!m_bOnDisk || !FileExists(m_path))
        return {};
    try {
        CStoreFile live;
        if (const FileErrorCause cause = live.Open(m_path); cause != FileErrorCause::None)
            return {cause, m_path};
        EncryptedHeader::Id onDisk{};
        if (live.ReadAt(kCommitIdAt, onDisk.data(), onDisk.size()) == onDisk.size() &&
            onDisk == m_header.commitId)
            return {};
    } catch (const CFileError& error) {
        return FileResult::From(error);
    }
    return CConflictCopies::KeepAside(m_path, m_strKeptAside);
}

std::string CEncryptedDiaryFile::KeyBlock() const
{
    return m_header.Encode().substr(0, kKeyBlockSize);
}

bool CEncryptedDiaryFile::UnwrapKeyBlock(std::string_view block, const Passphrase& password,
                                         CSecureBuffer& dataKey)
{
    // The block comes from a file beside the diary: its fields are checked
    // as a header's are before any key is derived from them.
    const auto* p = reinterpret_cast<const unsigned char*>(block.data());
    if (block.size() != kKeyBlockSize || dataKey.size() != kKeySize ||
        !std::equal(std::begin(kMagic), std::end(kMagic), p) || p[kVersionAt] < kOldestVersion ||
        p[kVersionAt] > kFormatVersion || p[kAlgorithmAt] != kArgon2id13)
        return false;
    EncryptedHeader header;
    header.version = p[kVersionAt];
    std::copy_n(p + kSaltAt, kSaltSize, header.salt.begin());
    for (int i = 7; i >= 0; --i) {
        header.kdf.opsLimit = header.kdf.opsLimit << 8 | p[kOpsAt + i];
        header.kdf.memLimit = header.kdf.memLimit << 8 | p[kMemAt + i];
    }
    std::copy_n(p + kKeyNonceAt, kNonceSize, header.keyNonce.begin());
    if (!KdfLimits::Accepted().Allow(header.kdf))
        return false;
    return OpenWrappedKey(header, block, password, dataKey) == EncryptedStatus::Ok;
}

namespace {

std::string SealingData(std::string_view diaryId, std::string_view purpose)
{
    return std::string(diaryId) + std::string(purpose);
}

std::string_view IdOf(const EncryptedHeader& header)
{
    return {reinterpret_cast<const char*>(header.diaryId.data()), header.diaryId.size()};
}

} // namespace

std::optional<std::string> CEncryptedDiaryFile::Seal(std::string_view plain,
                                                     std::string_view purpose) const
{
    if (!m_bOpen)
        return std::nullopt;
    return SealWith(m_dataKey, IdOf(m_header), plain, purpose);
}

std::optional<std::string> CEncryptedDiaryFile::Unseal(std::string_view sealed,
                                                       std::string_view purpose) const
{
    if (!m_bOpen)
        return std::nullopt;
    return UnsealWith(m_dataKey, IdOf(m_header), sealed, purpose);
}

std::optional<std::string> CEncryptedDiaryFile::SealWith(const CSecureBuffer& dataKey,
                                                         std::string_view diaryId,
                                                         std::string_view plain,
                                                         std::string_view purpose)
{
    const std::string ad = SealingData(diaryId, purpose);
    std::string out(kNonceSize + plain.size() + kTagSize, '\0');
    auto* nonce = reinterpret_cast<unsigned char*>(out.data());
    randombytes_buf(nonce, kNonceSize);
    unsigned long long length = 0;
    crypto_aead_xchacha20poly1305_ietf_encrypt(
        nonce + kNonceSize, &length, reinterpret_cast<const unsigned char*>(plain.data()),
        plain.size(), reinterpret_cast<const unsigned char*>(ad.data()), ad.size(), nullptr, nonce,
        dataKey.data());
    return out;
}

std::optional<std::string> CEncryptedDiaryFile::UnsealWith(const CSecureBuffer& dataKey,
                                                           std::string_view diaryId,
                                                           std::string_view sealed,
                                                           std::string_view purpose)
{
    if (sealed.size() < kNonceSize + kTagSize)
        return std::nullopt;
    const std::string ad = SealingData(diaryId, purpose);
    const auto* nonce = reinterpret_cast<const unsigned char*>(sealed.data());
    std::string plain(sealed.size() - kNonceSize - kTagSize, '\0');
    unsigned long long length = 0;
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(
            reinterpret_cast<unsigned char*>(plain.data()), &length, nullptr, nonce + kNonceSize,
            sealed.size() - kNonceSize, reinterpret_cast<const unsigned char*>(ad.data()),
            ad.size(), nonce, dataKey.data()) != 0)
        return std::nullopt;
    return plain;
}
