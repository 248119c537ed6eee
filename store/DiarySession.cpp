#include "store/DiarySession.h"

#include "store/MemoryFiles.h"
#include "store/Messages.h"

#include <utility>

namespace {

// Overwrites a secret before its memory is given back; the volatile access
// keeps the compiler from dropping stores to a buffer about to die.
void Wipe(std::string& secret)
{
    volatile char* p = secret.data();
    for (size_t i = 0; i < secret.size(); ++i)
        p[i] = 0;
    secret.clear();
}

// Inside the memory folder of an encrypted diary the parts go by the names
// a four-file diary "diary.ilm" would give them.
constexpr const char* kPartNames[kDiaryPartCount] = {"diary.ilm", "diary.dlm", "diary.rlm",
                                                     "diary.plm"};

std::string MessageFor(const EncryptedResult& result, const std::string& path)
{
    return FileErrorMessage(
        result.cause == FileErrorCause::None ? FileErrorCause::Generic : result.cause, path);
}

} // namespace

struct CDiarySession::Encrypted
{
    explicit Encrypted(const std::string& path) : file(path) {}
    ~Encrypted() { Release(); }

    std::string PartPath(size_t i) const { return file.Path() + '/' + kPartNames[i]; }
    // The parts as the commands left them in memory.
    DiaryParts Current() const
    {
        DiaryParts parts;
        for (size_t i = 0; i < kDiaryPartCount; ++i)
            if (const auto part = memory->Find(PartPath(i)))
                parts.bytes[i] = *part;
        return parts;
    }
    void Release()
    {
        file.Close();
        memory.reset();
        if (lock.IsOpen()) {
            RemoveFile(LockPathFor(file.Path())); // while still holding it
            lock.Close();
        }
    }

    CEncryptedDiaryFile file;
    // Serves the parts while the diary is unlocked.
    std::unique_ptr<CMemoryFiles> memory;
    CStoreFile lock;
};

// The store of one command on an encrypted diary: what it changed is
// written to the file when it is done with.
class CCommittingStore final : public CDiaryStore
{
public:
    CCommittingStore(uint32_t index, std::string path, const CDiarySession& session)
        : CDiaryStore(index, path, static_cast<uint16_t>(path.size() - 3)), m_session(session)
    {
    }
    ~CCommittingStore() override { m_session.CommitReported(); }

private:
    const CDiarySession& m_session;
};

CDiarySession::CDiarySession(std::string indexPath, uint16_t extLoc)
    : m_strPath(std::move(indexPath)), m_nExtLoc(extLoc)
{
    if (CEncryptedDiaryFile::IsEncryptedPath(m_strPath))
        m_encrypted = std::make_unique<Encrypted>(m_strPath);
}

CDiarySession::~CDiarySession()
{
    Wipe(m_strPassword);
}

bool CDiarySession::IsUsableExtension(const std::string& indexPath, int extLoc)
{
    if (extLoc <= 0 || static_cast<size_t>(extLoc) >= indexPath.size())
        return false;
    const size_t slash = indexPath.rfind('/');
    return indexPath[static_cast<size_t>(extLoc) - 1] == '.' &&
           (slash == std::string::npos || slash < static_cast<size_t>(extLoc));
}

uint16_t CDiarySession::ExtensionLocation(const std::string& indexPath)
{
    const size_t dot = indexPath.rfind('.');
    const size_t slash = indexPath.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash) || dot + 1 > 0xFFFF)
        return 0;
    return static_cast<uint16_t>(dot + 1);
}

void CDiarySession::SetPassword(const std::string& password)
{
    Wipe(m_strPassword);
    m_strPassword = password;
}

std::unique_ptr<CDiaryStore> CDiarySession::MakeStore(uint32_t index) const
{
    if (m_encrypted)
        return std::make_unique<CCommittingStore>(index, m_encrypted->PartPath(0), *this);
    return std::make_unique<CDiaryStore>(index, m_strPath, m_nExtLoc);
}

bool CDiarySession::IsUnlocked() const
{
    return m_encrypted && m_encrypted->file.IsOpen();
}

const CEncryptedDiaryFile* CDiarySession::EncryptedFile() const
{
    return m_encrypted ? &m_encrypted->file : nullptr;
}

EncryptedResult CDiarySession::TakeLock()
{
    CStoreFile& lock = m_encrypted->lock;
    if (lock.IsOpen())
        return {};
    const FileErrorCause cause = lock.Open(LockPathFor(m_strPath));
    if (cause != FileErrorCause::None)
        return {EncryptedStatus::IoError, cause};
    return {};
}

EncryptedResult CDiarySession::UnlockEncrypted(std::string_view password)
{
    if (!m_encrypted)
        return {};
    if (IsUnlocked())
        Lock();
    EncryptedResult result = TakeLock();
    if (result.ok())
        result = m_encrypted->file.Open(password);
    if (!result.ok()) {
        if (result.cause != FileErrorCause::SharingViolation)
            m_encrypted->Release();
        return result;
    }
    LoadParts();
    SetPassword(std::string(password));
    return result;
}

EncryptedResult CDiarySession::CreateEncrypted(std::string_view password, KdfParams params)
{
    if (!m_encrypted)
        return {};
    EncryptedResult result = TakeLock();
    if (result.ok())
        result = m_encrypted->file.Create(password, params);
    if (!result.ok())
        return result;
    LoadParts();
    m_encrypted->memory->MarkDirty(); // the first commit writes the file
    SetPassword(std::string(password));
    return result;
}

void CDiarySession::Lock()
{
    if (m_encrypted)
        m_encrypted->Release();
}

void CDiarySession::LoadParts() const
{
    auto& memory = m_encrypted->memory;
    if (!memory)
        memory = std::make_unique<CMemoryFiles>(m_strPath);
    memory->Clear();
    for (size_t i = 0; i < kDiaryPartCount; ++i)
        *memory->Open(m_encrypted->PartPath(i)) = m_encrypted->file.Parts().bytes[i];
    memory->MarkClean();
}

EncryptedResult CDiarySession::Commit() const
{
    if (!IsUnlocked() || !m_encrypted->memory->IsDirty())
        return {};
    CEncryptedDiaryFile& file = m_encrypted->file;
    DiaryParts previous = std::exchange(file.Parts(), m_encrypted->Current());
    const EncryptedResult result = file.Commit();
    if (result.ok()) {
        m_encrypted->memory->MarkClean();
    } else {
        file.Parts() = std::move(previous);
        LoadParts();
    }
    return result;
}

void CDiarySession::CommitReported() const
{
    const EncryptedResult result = Commit();
    if (!result.ok())
        ShowStoreMessage(MessageFor(result, m_strPath));
}

bool CDiarySession::ChangePassword(const std::string& newPassword, KdfParams params)
{
    if (!m_encrypted) {
        if (!MakeStore()->ChangePassword(newPassword))
            return false;
        SetPassword(newPassword);
        return true;
    }
    if (!IsUnlocked())
        return false;
    CommitReported(); // nothing of an earlier command may ride on the new key
    // The store's own rewrite runs in memory; the file gets it together with
    // the new key wrapping, in one commit.
    const std::string index = m_encrypted->PartPath(0);
    const bool changed =
        CDiaryStore(0, index, static_cast<uint16_t>(index.size() - 3)).ChangePassword(newPassword);
    CEncryptedDiaryFile& file = m_encrypted->file;
    EncryptedResult result;
    if (changed) {
        DiaryParts previous = std::exchange(file.Parts(), m_encrypted->Current());
        result = file.ChangePassword(newPassword, params);
        if (!result.ok()) {
            file.Parts() = std::move(previous);
            ShowStoreMessage(MessageFor(result, m_strPath));
        }
    }
    LoadParts();
    if (!changed || !result.ok())
        return false;
    SetPassword(newPassword);
    return true;
}
