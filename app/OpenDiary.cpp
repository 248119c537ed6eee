#include "app/OpenDiary.h"

#include "dialogs/NewPasswordPrompt.h"
#include "platform/AppInfo.h"
#include "platform/DiaryReservation.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "store/FileError.h"
#include "store/StoreFile.h"

COpenDiary::COpenDiary(QObject* parent) : QObject(parent) {}

COpenDiary::~COpenDiary() = default;

std::unique_ptr<CDiaryStore> COpenDiary::Store(int index) const
{
    return m_pSession->MakeStore(static_cast<uint32_t>(index));
}

bool COpenDiary::Take(CDiaryOpener::Opened result, const QString& title)
{
    if (!result.session) {
        return false;
    }
    m_pSession = std::move(result.session);
    m_pLock = std::move(result.lock);
    if (m_pLock) {
        connect(m_pLock.get(), &CDiaryReservation::raiseRequested, this,
                &COpenDiary::raiseRequested);
    }
    m_strTitle = title;
    m_headers.clear();
    m_bHeadersStale = true;
    emit opened();
    return true;
}

void COpenDiary::Close()
{
    if (!IsOpen()) {
        return;
    }
    m_pSession.reset();
    m_pLock.reset(); // unlocks
    m_strTitle.clear();
    m_headers.clear();
    m_bHeadersStale = true;
    emit closed();
}

const std::vector<EntryHeader>& COpenDiary::Headers()
{
    // Read once per change, whatever came of it: a failure is said once.
    if (m_bHeadersStale && IsOpen()) {
        m_bHeadersStale = false;
        m_headers.clear();
        // Reading would create the index file of a diary whose last entry
        // was deleted: no file, no entries.
        const bool none = m_pSession->Encrypted() == nullptr && !FileExists(m_pSession->Path());
        m_bHeadersRead = none || Store()->ReadAllEntryHeaders(m_headers);
        if (!m_bHeadersRead) {
            m_headers.clear();
        }
        m_pSession->RememberFiles(); // what the windows are shown
    }
    return m_headers;
}

void COpenDiary::ReadEntries()
{
    CommitEntries({.all = true});
}

bool COpenDiary::MayChange(QWidget* parent)
{
    if (m_pSession->IsReadOnly()) {
        CMessageBox::Show(parent, tr("This diary is read-only: it cannot be changed."),
                          CAppInfo::Title());
        return false;
    }
    ReloadIfChanged();
    return true;
}

bool COpenDiary::ReloadIfChanged()
{
    if (!m_pSession->FilesChanged()) {
        return false;
    }
    // Another program wrote to the diary: what the windows show is stale.
    m_pSession->ReadFirstEntry();
    m_pSession->RememberFiles();
    emit reloaded();
    CommitEntries({.all = true});
    return true;
}

bool COpenDiary::EnsurePassword(QWidget* parent)
{
    return !m_pSession->IsNew() || AskNewPassword(parent).has_value();
}

bool COpenDiary::EnsureKey(QWidget* parent)
{
    if (m_pSession->Encrypted() == nullptr || !m_pSession->IsNew()) {
        return true;
    }
    if (!AskNewPassword(parent)) {
        return false;
    }
    m_pSession->ReadFirstEntry(); // no longer new: the password is set
    return true;
}

std::optional<std::string> COpenDiary::AskNewPassword(QWidget* parent)
{
    const std::optional<Passphrase> password = CNewPasswordPrompt::Ask(
        parent, CSettings::GetProfileString(QStringLiteral("shortFile"), QString()),
        m_pSession->Encrypted() != nullptr);
    if (!password || !m_pSession->SetPassword(*password)) {
        return std::nullopt;
    }
    // What the records hold: nothing for an encrypted diary.
    return m_pSession->Password();
}

void COpenDiary::CommitEntries(const EntryChange& change)
{
    m_bHeadersStale = true;
    Headers();
    // A diary without entries has no password either: the next entry sets it.
    if (m_bHeadersRead) {
        m_pSession->SetNew(m_headers.empty());
    }
    emit entriesChanged(change);
}

void COpenDiary::CommitReminders()
{
    m_pSession->RememberFiles();
    emit remindersChanged();
}

void COpenDiary::CommitPlanner()
{
    m_pSession->RememberFiles();
    emit plannerChanged();
}

bool COpenDiary::ChangePassword(const Passphrase& password)
{
    // The session takes the new password (and a new key) when it succeeds.
    const bool changed = m_pSession->ChangePassword(password);
    m_pSession->RememberFiles();
    if (changed) {
        emit passwordChanged();
    }
    return changed;
}

void COpenDiary::RememberFiles()
{
    if (IsOpen()) {
        m_pSession->RememberFiles();
    }
}
