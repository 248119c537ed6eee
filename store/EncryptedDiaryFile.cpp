#include "store/EncryptedDiaryFile.h"

#include "store/AtomicFile.h"
#include "store/EncryptedChunks.h"
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

// Derives the key of password with the header's salt and parameters, picks a
// fresh key nonce and wraps dataKey with it into the header.
bool WrapKey(const CSecureBuffer& dataKey, std::string_view password, EncryptedHeader& header)
{
    CSecureBuffer passwordKey(kKeySize);
    if (!DeriveKey(password, header.salt.data(), header.kdf, passwordKey))
        return false;
    randombytes_buf(header.keyNonce.data(), header.keyNonce.size());
    const std::string encoded = header.Encode();
    unsigned long long length = 0;
    crypto_aead_xchacha20poly1305_ietf_encrypt(
        header.wrappedKey.data(), &length, dataKey.data(), dataKey.size(),
        reinterpret_cast<const unsigned char*>(encoded.data()), kKeyNonceAt, nullptr,
        header.keyNonce.data(), passwordKey.data());
    return true;
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

bool CEncryptedDiaryFile::IsEncryptedPath(std::string_view path)
{
    constexpr std::string_view extension = ".dayloom";
    const size_t slash = path.rfind('/');
    const size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    return path.size() > nameStart + extension.size() && path.ends_with(extension);
}

void CEncryptedDiaryFile::Close()
{
    m_dataKey.Wipe();
    m_parts.Wipe();
    m_header = {};
    m_bOpen = false;
    m_bOnDisk = false;
}

EncryptedResult CEncryptedDiaryFile::Open(std::string_view password)
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

EncryptedResult CEncryptedDiaryFile::Load(const KeySource& key)
{
    if (!FileExists(m_path))
        return Failed(EncryptedStatus::IoError, FileErrorCause::FileNotFound);
    try {
        CStoreFile file;
        if (const FileErrorCause cause = file.Open(m_path); cause != FileErrorCause::None)
            return Failed(EncryptedStatus::IoError, cause);
        const uint64_t size = file.Length();
        std::string head(static_cast<size_t>(std::min<uint64_t>(size, kHeaderSize)), '\0');
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

EncryptedResult CEncryptedDiaryFile::Unlock(std::string_view fileBytes, std::string_view password)
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
                                               std::string_view password, CSecureBuffer& dataKey)
{
    CSecureBuffer passwordKey(kKeySize);
    if (!DeriveKey(password, header.salt.data(), header.kdf, passwordKey))
        return EncryptedStatus::IoError;
    const auto* bytes = reinterpret_cast<const unsigned char*>(head.data());
    unsigned long long length = 0;
    // The checksum vouches for the header, so a key that does not open
    // comes from a wrong password, not from damage.
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(
            dataKey.data(), &length, nullptr, bytes + kWrappedKeyAt, kWrappedKeySize, bytes,
            kKeyNonceAt, header.keyNonce.data(), passwordKey.data()) != 0 ||
        length != kKeySize)
        return EncryptedStatus::WrongPassword;
    return EncryptedStatus::Ok;
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
    uint64_t offset = kHeaderSize;
    for (size_t i = 0; i < kDiaryPartCount; ++i) {
        std::string& part = parts.bytes[i];
        part.resize(static_cast<size_t>(header.parts[i].sealedLength));
        if (!readPart(offset, part))
            return Failed(EncryptedStatus::Damaged);
        offset += part.size();
    }
    if (!OpenChunks(header, head.substr(0, kHeaderSize), dataKey.data(), parts))
        return Failed(EncryptedStatus::Damaged);

    Close();
    std::copy(dataKey.data(), dataKey.data() + kKeySize, m_dataKey.data());
    m_parts = std::move(parts);
    m_header = header;
    m_bOpen = true;
    m_bOnDisk = true;
    return {};
}

EncryptedResult CEncryptedDiaryFile::Create(std::string_view password, KdfParams params,
                                            uint32_t chunkSize)
{
    if (!m_limits.Allow(params))
        throw std::invalid_argument("key derivation parameters outside the accepted limits");
    if (!IsSoundChunkSize(chunkSize))
        throw std::invalid_argument("chunk size outside the accepted limits");
    EnsureSodium();
    EncryptedHeader header;
    header.chunkSize = chunkSize;
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
    if (header.version < kFormatVersion) {
        header.version = kFormatVersion;
        header.chunkSize = kChunkSize;
    }
    randombytes_buf(header.salt.data(), header.salt.size());
    header.kdf = params;
    if (!WrapKey(m_dataKey, newPassword, header))
        return Failed(EncryptedStatus::IoError, FileErrorCause::Generic);
    return Write(header);
}

EncryptedResult CEncryptedDiaryFile::Write(const EncryptedHeader& base)
{
    // The version stays the file's own: the data key's wrapping binds it,
    // so only a password change (which wraps the key anew) moves a file to
    // the current version.
    EncryptedHeader header = base;
    randombytes_buf(header.commitId.data(), header.commitId.size());
    for (size_t i = 0; i < kDiaryPartCount; ++i) {
        randombytes_buf(header.parts[i].nonce.data(), kNonceSize);
        header.parts[i].sealedLength = header.SealedLength(m_parts.bytes[i].size());
    }
    const std::string encoded = header.Encode();

    // Written whole beside the live file, with its mode, and renamed over it.
    CAtomicFile file(m_path);
    FileResult written = file.Open();
    if (written.ok())
        written = file.Write(encoded);
    for (size_t i = 0; i < kDiaryPartCount && written.ok(); ++i) {
        SealChunks(header, encoded, m_dataKey.data(), i, m_parts.bytes[i],
                   [&](std::string_view sealed) { written = file.Write(sealed); });
    }
    if (written.ok())
        written = file.Commit();
    if (!written.ok())
        return Failed(EncryptedStatus::IoError, written.cause);
    m_header = header;
    m_bOnDisk = true;
    return {};
}

namespace {

std::string SealingData(const EncryptedHeader& header, std::string_view purpose)
{
    return std::string(header.diaryId.begin(), header.diaryId.end()) + std::string(purpose);
}

} // namespace

std::optional<std::string> CEncryptedDiaryFile::Seal(std::string_view plain,
                                                     std::string_view purpose) const
{
    if (!m_bOpen)
        return std::nullopt;
    const std::string ad = SealingData(m_header, purpose);
    std::string out(kNonceSize + plain.size() + kTagSize, '\0');
    auto* nonce = reinterpret_cast<unsigned char*>(out.data());
    randombytes_buf(nonce, kNonceSize);
    unsigned long long length = 0;
    crypto_aead_xchacha20poly1305_ietf_encrypt(
        nonce + kNonceSize, &length, reinterpret_cast<const unsigned char*>(plain.data()),
        plain.size(), reinterpret_cast<const unsigned char*>(ad.data()), ad.size(), nullptr, nonce,
        m_dataKey.data());
    return out;
}

std::optional<std::string> CEncryptedDiaryFile::Unseal(std::string_view sealed,
                                                       std::string_view purpose) const
{
    if (!m_bOpen || sealed.size() < kNonceSize + kTagSize)
        return std::nullopt;
    const std::string ad = SealingData(m_header, purpose);
    const auto* nonce = reinterpret_cast<const unsigned char*>(sealed.data());
    std::string plain(sealed.size() - kNonceSize - kTagSize, '\0');
    unsigned long long length = 0;
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(
            reinterpret_cast<unsigned char*>(plain.data()), &length, nullptr, nonce + kNonceSize,
            sealed.size() - kNonceSize, reinterpret_cast<const unsigned char*>(ad.data()),
            ad.size(), nonce, m_dataKey.data()) != 0)
        return std::nullopt;
    return plain;
}
