#include "store/EncryptedSession.h"

#include "store/Messages.h"

#include <algorithm>
#include <utility>

namespace {

// Inside the memory folder the parts go by the names the four files of a
// diary "diary.ilm" would have.
constexpr const char* kPartNames[kDiaryPartCount] = {"diary.ilm", "diary.dlm", "diary.rlm",
                                                     "diary.plm"};

void Report(const EncryptedResult& result, const std::string& path)
{
    ShowStoreMessage(CEncryptedSession::MessageFor(result, path));
}

// The store of one command: what it changed is written to the file when it
// is done with.
class CCommittingStore final : public CDiaryStore
{
public:
    CCommittingStore(uint32_t index, const std::string& path, CEncryptedSession& session)
        : CDiaryStore(index, CDiaryName(path)), m_session(session)
    {
    }
    ~CCommittingStore() override { m_session.CommitReported(); }

private:
    CEncryptedSession& m_session;
};

} // namespace

CEncryptedSession::CEncryptedSession(const std::string& path) : m_file(path) {}

std::string CEncryptedSession::MessageFor(const EncryptedResult& result, const std::string& path)
{
    switch (result.status) {
    case EncryptedStatus::Ok:
    case EncryptedStatus::WrongPassword:
        return {};
    case EncryptedStatus::Damaged: {
        const size_t slash = path.rfind('/');
        const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
        return "The diary file " + name + " is damaged or was altered. Nothing was opened.";
    }
    case EncryptedStatus::NewerVersion:
        return "This diary was made by a newer Dayloom and cannot be opened here.";
    case EncryptedStatus::IoError:
        break;
    }
    return FileErrorMessage(
        result.cause == FileErrorCause::None ? FileErrorCause::Generic : result.cause, path);
}

CEncryptedSession::~CEncryptedSession()
{
    Lock();
}

std::string CEncryptedSession::PartPath(size_t i) const
{
    return m_file.Path() + '/' + kPartNames[i];
}

std::unique_ptr<CDiaryStore> CEncryptedSession::MakeStore(uint32_t index)
{
    return std::make_unique<CCommittingStore>(index, PartPath(0), *this);
}

EncryptedResult CEncryptedSession::Unlock(const Passphrase& password)
{
    Lock();
    const EncryptedResult result = m_file.Open(password);
    if (result.ok())
        LoadParts();
    return result;
}

EncryptedResult CEncryptedSession::Reload()
{
    if (!IsUnlocked())
        return {EncryptedStatus::IoError, FileErrorCause::InvalidHandle};
    const EncryptedResult result = m_file.Reopen();
    if (result.ok())
        LoadParts();
    return result;
}

EncryptedResult CEncryptedSession::Create(std::string_view password, KdfParams params)
{
    const EncryptedResult result = m_file.Create(password, params);
    if (result.ok())
        LoadParts(); // the first command that stores something writes the file
    return result;
}

void CEncryptedSession::Lock()
{
    m_file.Close();
    m_memory.reset();
}

DiaryParts CEncryptedSession::CurrentParts() const
{
    DiaryParts parts;
    for (size_t i = 0; i < kDiaryPartCount; ++i)
        if (const auto part = m_memory->Find(PartPath(i)))
            parts.bytes[i] = *part;
    return parts;
}

void CEncryptedSession::LoadParts()
{
    if (!m_memory)
        m_memory = std::make_unique<CMemoryFiles>(m_file.Path());
    m_memory->Clear();
    // Moved, not copied: while the diary is open its parts are held once.
    for (size_t i = 0; i < kDiaryPartCount; ++i)
        m_memory->Open(PartPath(i))->swap(m_file.Parts().bytes[i]);
    m_file.Parts().Wipe();
    m_memory->MarkClean();
}

EncryptedResult CEncryptedSession::WithPartsInFile(
    const std::function<EncryptedResult(CEncryptedDiaryFile&)>& write)
{
    const auto swap = [&] {
        for (size_t i = 0; i < kDiaryPartCount; ++i)
            if (const auto part = m_memory->Find(PartPath(i)))
                part->swap(m_file.Parts().bytes[i]);
    };
    swap();
    const EncryptedResult result = write(m_file);
    swap();
    if (result.ok())
        m_memory->MarkClean();
    else
        RollBack();
    return result;
}

void CEncryptedSession::RollBack()
{
    // A diary not yet written goes back to empty; one on the disk to what
    // the file holds. Should the file not read back, what is in memory is
    // kept (still to be written), rather than lost. The file holds no
    // parts here: they were lent back to the memory files.
    if (!m_file.IsOnDisk() || m_file.Reopen().ok())
        LoadParts();
}

EncryptedResult CEncryptedSession::Commit()
{
    if (!IsUnlocked() || !m_memory->IsDirty())
        return {};
    return WithPartsInFile([](CEncryptedDiaryFile& file) { return file.Commit(); });
}

bool CEncryptedSession::CommitReported()
{
    const EncryptedResult result = Commit();
    if (!result.ok())
        Report(result, m_file.Path());
    return result.ok();
}

bool CEncryptedSession::ChangePassword(const std::string& newPassword, KdfParams params)
{
    // Nothing of an earlier command may ride on the new key.
    if (!IsUnlocked() || !CommitReported())
        return false;
    // The store's own rewrite runs in memory; the file gets it together with
    // the new key. The key alone protects the diary: its records get no
    // password and their texts no mask.
    const std::string index = PartPath(0);
    if (!CDiaryStore(0, CDiaryName(index)).ChangePassword(std::string())) {
        RollBack();
        return false;
    }
    const EncryptedResult result = WithPartsInFile(
        [&](CEncryptedDiaryFile& file) { return file.ChangePassword(newPassword, params); });
    if (!result.ok())
        Report(result, m_file.Path());
    return result.ok();
}

bool CEncryptedSession::IsOlderVersion() const
{
    return IsUnlocked() && m_file.Version() < encrypted::kFormatVersion;
}

bool CEncryptedSession::Upgrade(const std::string& password)
{
    const KdfParams own = m_file.Params();
    const KdfParams standard = KdfParams::Default();
    return ChangePassword(password, {std::max(own.opsLimit, standard.opsLimit),
                                     std::max(own.memLimit, standard.memLimit)});
}
