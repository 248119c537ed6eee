#include "store/DraftSealer.h"

#include "store/DiarySession.h"
#include "store/DiaryStore.h"

#include <cstring>

namespace {

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

void Wipe(std::string& secret)
{
    volatile char* p = secret.data();
    for (size_t i = 0; i < secret.size(); ++i)
        p[i] = 0;
    secret.clear();
}

// The store's own routines do the work, on a store that never opens a file.
std::string RunCipher(const std::string& password, const std::string& bytes, bool encrypt)
{
    CDiaryStore scratch(0, std::string(), 0);
    scratch.entry.text = bytes;
    scratch.entry.textLength = static_cast<uint32_t>(bytes.size());
    scratch.entry.passwordLength = static_cast<uint32_t>(password.size());
    if (encrypt)
        scratch.EncryptText(password);
    else
        scratch.DecryptText(password);
    std::string result = std::move(scratch.entry.text);
    return result;
}

} // namespace

std::unique_ptr<CDraftSealer> CDraftSealer::ForSession(const CDiarySession& session)
{
    if (EndsWith(session.Path(), ".dayloom")) {
        // Hook for the encrypted form: return its sealer here once the diary
        // has one (sealed with the diary's data key, never the text cipher).
        return nullptr;
    }
    return std::make_unique<CTextCipherSealer>(session.Password());
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
    return RunCipher(m_strPassword, plain, true);
}

std::optional<std::string> CTextCipherSealer::Unseal(const std::string& sealed) const
{
    if (m_strPassword.empty() || sealed.find('\0') != std::string::npos)
        return std::nullopt;
    return RunCipher(m_strPassword, sealed, false);
}
