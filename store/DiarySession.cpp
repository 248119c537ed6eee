#include "store/DiarySession.h"

#include "store/DraftFile.h"
#include "store/DraftSealer.h"
#include "store/EncryptedSession.h"
#include "store/FileFaults.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
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

} // namespace

CDiarySession::CDiarySession(CDiaryName name) : m_name(std::move(name))
{
    if (m_name.IsEncrypted())
        m_pEncrypted = std::make_unique<CEncryptedSession>(m_name.Path());
}

CDiarySession::~CDiarySession()
{
    Wipe(m_strPassword);
    Wipe(m_strStored);
}

std::string CDiarySession::RecordPassword(const DiaryEntry& entry)
{
    return std::string(entry.password, strnlen(entry.password, sizeof(entry.password)));
}

bool CDiarySession::ReadFirstEntry()
{
    // An encrypted diary has its password from the moment its file exists,
    // entries or none.
    if (m_pEncrypted) {
        m_bNew = !m_pEncrypted->IsUnlocked() && !FileExists(m_name.Path());
        return !m_bNew;
    }
    const std::unique_ptr<CDiaryStore> store = MakeStore();
    const bool found = store->ReadFirstEntry();
    Wipe(m_strStored);
    if (found)
        m_strStored = RecordPassword(store->entry);
    m_bNew = !found;
    return found;
}

bool CDiarySession::Unlock(const Passphrase& typed)
{
    if (m_pEncrypted) {
        m_unlockResult = m_pEncrypted->Unlock(typed);
        if (m_unlockResult.ok() && !m_bReadOnly && m_pEncrypted->IsOlderVersion())
            CarryingDraftOver([&] { return m_pEncrypted->Upgrade(typed.utf8); });
        return m_unlockResult.ok();
    }
    if (!typed.windows1252)
        return false;
    std::string bytes = *typed.windows1252;
    bytes.resize(strnlen(bytes.c_str(), bytes.size()));
    const bool match = !m_bNew && bytes == m_strStored;
    if (match) {
        Wipe(m_strPassword);
        m_strPassword = bytes;
    }
    Wipe(bytes);
    return match;
}

bool CDiarySession::Reload()
{
    bool opens = true;
    if (m_pEncrypted) {
        const EncryptedResult result = m_pEncrypted->Reload();
        opens = result.ok() || result.status == EncryptedStatus::IoError;
    } else {
        ReadFirstEntry();
    }
    RememberFiles();
    return opens;
}

std::array<CDiarySession::FileStamp, 4> CDiarySession::Stamps() const
{
    std::array<FileStamp, 4> stamps{};
    for (size_t i = 0; i < stamps.size(); ++i) {
        const std::string path = m_name.PartPath(static_cast<DiaryPart>(i));
        struct stat info
        {
        };
        if (::stat(path.c_str(), &info) == 0) {
            stamps[i].size = static_cast<int64_t>(info.st_size);
            stamps[i].mtimeNs =
                static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
        }
    }
    return stamps;
}

void CDiarySession::RememberFiles()
{
    m_stamps = Stamps();
}

bool CDiarySession::FilesChanged() const
{
    return Stamps() != m_stamps;
}

bool CDiarySession::IsFolderReadOnly(const std::string& indexPath)
{
    const std::string folder = CDiaryName(indexPath).Folder();
    if (CFileFaults::Check(FileOp::Write, folder) != 0)
        return true;
    return ::access(folder.c_str(), F_OK) == 0 && ::access(folder.c_str(), W_OK) != 0;
}

bool CDiarySession::SetPassword(const Passphrase& password)
{
    if (m_pEncrypted) {
        // A new encrypted diary gets its key with its password, until its
        // file is first written.
        if (!FileExists(m_name.Path()))
            m_pEncrypted->Create(password.utf8);
        return true;
    }
    if (!password.windows1252)
        return false;
    Wipe(m_strPassword);
    m_strPassword = *password.windows1252;
    m_strPassword.resize(strnlen(m_strPassword.c_str(), m_strPassword.size()));
    return true;
}

bool CDiarySession::ChangePassword(const Passphrase& newPassword)
{
    if (m_pEncrypted)
        return CarryingDraftOver([&] { return m_pEncrypted->ChangePassword(newPassword.utf8); });
    if (!newPassword.windows1252)
        return false;
    return CarryingDraftOver([&] {
        if (!MakeStore()->ChangePassword(*newPassword.windows1252))
            return false;
        SetPassword(newPassword);
        return true;
    });
}

bool CDiarySession::CarryingDraftOver(const std::function<bool()>& change)
{
    const CDraftFile file(m_name);
    std::optional<EntryDraft> draft;
    if (!m_bReadOnly && file.Exists()) {
        if (const std::unique_ptr<CDraftSealer> sealer = CDraftSealer::ForSession(*this)) {
            EntryDraft read;
            if (file.Read(read, *sealer) == CDraftFile::ReadResult::Ok)
                draft = std::move(read);
        }
    }
    const bool changed = change();
    if (changed && draft) {
        // Should this fail, the draft stays under the earlier password,
        // which then restores it.
        if (const std::unique_ptr<CDraftSealer> sealer = CDraftSealer::ForSession(*this))
            file.Write(*draft, *sealer);
    }
    if (draft)
        WipeString(draft->rtf);
    return changed;
}

std::string CDiarySession::UnlockFailureMessage() const
{
    return m_pEncrypted ? CEncryptedSession::MessageFor(m_unlockResult, m_name.Path())
                        : std::string();
}

std::unique_ptr<CDiaryStore> CDiarySession::MakeStore(uint32_t index) const
{
    if (m_pEncrypted)
        return m_pEncrypted->MakeStore(index);
    return std::make_unique<CDiaryStore>(index, m_name);
}

bool CDiarySession::IsNameTooLong(const std::string& indexPath)
{
    const size_t extra = CDiaryName::LongestDerivedExtra();

    const size_t slash = indexPath.rfind('/');
    // The folder may not exist yet (it is made when the diary is created):
    // its nearest existing ancestor lies on the same file system.
    std::string folder = slash == std::string::npos ? std::string(".")
                         : slash == 0               ? std::string("/")
                                                    : indexPath.substr(0, slash);
    struct stat info
    {
    };
    while (::stat(folder.c_str(), &info) != 0 && folder != "/" && folder != ".") {
        const size_t up = folder.rfind('/');
        folder = up == std::string::npos ? std::string(".")
                 : up == 0               ? std::string("/")
                                         : folder.substr(0, up);
    }
    const size_t nameLength =
        slash == std::string::npos ? indexPath.size() : indexPath.size() - slash - 1;
    long nameMax = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    if (nameMax <= 0)
        nameMax = 255;
    long pathMax = ::pathconf(folder.c_str(), _PC_PATH_MAX);
    if (pathMax <= 0)
        pathMax = PATH_MAX;
    // PATH_MAX counts the terminating zero.
    return nameLength + extra > static_cast<size_t>(nameMax) ||
           indexPath.size() + extra >= static_cast<size_t>(pathMax);
}
