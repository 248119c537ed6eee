#include "store/DraftSealer.h"

#include "store/DiarySession.h"
#include "store/EncryptedDiaryFile.h"
#include "store/EncryptedSession.h"
#include "store/LegacyCipher.h"

#include <cstring>

namespace {

void Wipe(std::string& secret)
{
    volatile char* p = secret.data();
    for (size_t i = 0; i < secret.size(); ++i)
        p[i] = 0;
    secret.clear();
}

} // namespace

std::unique_ptr<CDraftSealer> CDraftSealer::ForSession(const CDiarySession& session)
{
    if (session.Name().IsEncrypted()) {
        // Sealed with the diary's data key, never the text cipher; none
        // while the diary is locked.
        const CEncryptedSession* encrypted = session.Encrypted();
        if (encrypted == nullptr || !encrypted->IsUnlocked())
            return nullptr;
        return std::make_unique<CDataKeySealer>(encrypted->File());
    }
    return std::make_unique<CTextCipherSealer>(session.Password());
}

std::unique_ptr<CDraftSealer> CDraftSealer::ForEarlierPassword(const CDiarySession& session,
                                                               const Passphrase& password)
{
    if (session.Name().IsEncrypted()) {
        const CEncryptedSession* encrypted = session.Encrypted();
        if (encrypted == nullptr || !encrypted->IsUnlocked())
            return nullptr;
        return std::make_unique<CEarlierKeySealer>(encrypted->File().DiaryId(), password);
    }
    if (!password.windows1252)
        return nullptr;
    return std::make_unique<CTextCipherSealer>(*password.windows1252);
}

CDataKeySealer::CDataKeySealer(const CEncryptedDiaryFile& file) : m_file(file) {}

std::optional<std::string> CDataKeySealer::Seal(const std::string& plain) const
{
    std::optional<std::string> sealed = m_file.Seal(plain, "draft");
    if (!sealed)
        return std::nullopt;
    return m_file.KeyBlock() + *sealed;
}

std::optional<std::string> CDataKeySealer::Unseal(const std::string& sealed) const
{
    if (sealed.size() < encrypted::kKeyBlockSize)
        return std::nullopt;
    return m_file.Unseal(std::string_view(sealed).substr(encrypted::kKeyBlockSize), "draft");
}

bool CDataKeySealer::Reads(unsigned form) const
{
    return form == kForm || form == kFormWithoutKeyBlock;
}

std::optional<std::string> CDataKeySealer::UnsealForm(const std::string& sealed,
                                                      unsigned form) const
{
    if (form == kFormWithoutKeyBlock)
        return m_file.Unseal(sealed, "draft");
    return form == kForm ? Unseal(sealed) : std::nullopt;
}

CEarlierKeySealer::CEarlierKeySealer(std::string diaryId, Passphrase password)
    : m_diaryId(std::move(diaryId)), m_password(std::move(password))
{
}

std::optional<std::string> CEarlierKeySealer::Unseal(const std::string& sealed) const
{
    using namespace encrypted;
    if (sealed.size() < kKeyBlockSize ||
        sealed.compare(kDiaryIdAt, kIdSize, m_diaryId) != 0) // another diary's draft
        return std::nullopt;
    CSecureBuffer key(kKeySize);
    if (!CEncryptedDiaryFile::UnwrapKeyBlock(std::string_view(sealed).substr(0, kKeyBlockSize),
                                             m_password, key))
        return std::nullopt;
    return CEncryptedDiaryFile::UnsealWith(key, m_diaryId,
                                           std::string_view(sealed).substr(kKeyBlockSize), "draft");
}

CTextCipherSealer::CTextCipherSealer(std::string password) : m_strPassword(std::move(password)) {}

CTextCipherSealer::~CTextCipherSealer()
{
    Wipe(m_strPassword);
}

std::optional<std::string> CTextCipherSealer::Seal(const std::string& plain) const
{
    // A zero byte would not come back; a key of zero would change nothing.
    if (m_strPassword.empty() || plain.find('\0') != std::string::npos)
        return std::nullopt;
    unsigned sum = 0;
    for (const char c : m_strPassword)
        sum += static_cast<unsigned char>(c);
    if (sum % 256 == 0)
        return std::nullopt;
    return Run(plain, true);
}

std::optional<std::string> CTextCipherSealer::Unseal(const std::string& sealed) const
{
    if (m_strPassword.empty() || sealed.find('\0') != std::string::npos)
        return std::nullopt;
    return Run(sealed, false);
}

// The store's own text cipher does the work, on a working entry of its own.
std::string CTextCipherSealer::Run(const std::string& bytes, bool encrypt) const
{
    DiaryEntry entry;
    entry.text = bytes;
    entry.textLength = static_cast<uint32_t>(bytes.size());
    entry.passwordLength = static_cast<uint32_t>(m_strPassword.size());
    if (encrypt)
        CLegacyCipher::EncryptText(entry, m_strPassword);
    else
        CLegacyCipher::DecryptText(entry, m_strPassword);
    return std::move(entry.text);
}
