#include "app/OpenDiary.h"

#include "app/BackgroundUnlock.h"
#include "dialogs/NewPasswordPrompt.h"
#include "platform/AppInfo.h"
#include "platform/DiaryReservation.h"
#include "platform/DiaryWatcher.h"
#include "platform/MessageBox.h"
#include "platform/PathText.h"
#include "platform/Settings.h"
#include "store/ConflictCopies.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "store/EncryptedSession.h"
#include "store/FileError.h"
#include "store/StoreFile.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <utility>

namespace {

// The files a watch on the diary looks at: the one file of an encrypted
// diary, else the index, texts, reminders and planner.
QStringList WatchedFiles(const CDiaryName& name)
{
    QStringList files{CPathText::Decoded(name.Path())};
    if (!name.IsEncrypted()) {
        for (DiaryPart part : {DiaryPart::Texts, DiaryPart::Reminders, DiaryPart::Planner}) {
            files << CPathText::Decoded(name.PartPath(part));
        }
    }
    return files;
}

} // namespace

COpenDiary::COpenDiary(QObject* parent) : QObject(parent)
{
    if (parent != nullptr) {
        parent->installEventFilter(this);
    }
}

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
    m_bReloadPending = false;
    m_pWatcher = std::make_unique<CDiaryWatcher>(WatchedFiles(m_pSession->Name()));
    connect(m_pWatcher.get(), &CDiaryWatcher::changedOnDisk, this, &COpenDiary::OnChangedOnDisk);
    connect(m_pWatcher.get(), &CDiaryWatcher::conflictCopiesAppeared, this,
            [this](const QStringList& names) {
                const QString folder =
                    CPathText::Decoded(m_pSession->Name().Folder()) + QLatin1Char('/');
                QStringList paths;
                for (const QString& name : names) {
                    paths << folder + name;
                }
                emit conflictCopiesAppeared(paths);
            });
    emit opened();
    return true;
}

void COpenDiary::Close()
{
    if (!IsOpen() && !IsLocked()) {
        return;
    }
    m_lockedName.reset();
    m_pWatcher.reset();
    m_bReloadPending = false;
    m_bCloseAfterEditor = false;
    m_pSession.reset();
    m_pLock.reset(); // unlocks
    m_strTitle.clear();
    m_headers.clear();
    m_bHeadersStale = true;
    emit closed();
}

bool COpenDiary::Lock()
{
    if (!IsOpen() || m_pSession->IsNew()) {
        return false;
    }
    m_lockedName = m_pSession->Name();
    m_bLockedReadOnly = m_pSession->IsReadOnly();
    m_pSession.reset(); // wipes the password, the key and the parts in memory
    std::vector<EntryHeader>().swap(m_headers);
    m_bHeadersStale = true;
    emit locked();
    return true;
}

COpenDiary::UnlockOutcome COpenDiary::Unlock(const Passphrase& typed, std::string& why)
{
    why.clear();
    if (!IsLocked()) {
        return UnlockOutcome::Failed;
    }
    auto session = std::make_unique<CDiarySession>(*m_lockedName);
    session->SetReadOnly(m_bLockedReadOnly);
    if (!session->ReadFirstEntry()) {
        // Emptied or taken away while locked: there is nothing to check the
        // password against.
        why = session->UnlockFailureMessage();
        return UnlockOutcome::Failed;
    }
    // The key derivation runs beside the window, which keeps painting.
    CBackgroundUnlock::Result result =
        CBackgroundUnlock::Unlock(qobject_cast<QWidget*>(parent()), std::move(session), typed);
    switch (result.outcome) {
    case CBackgroundUnlock::Outcome::Cancelled:
        return UnlockOutcome::Cancelled;
    case CBackgroundUnlock::Outcome::WrongPassword:
        return UnlockOutcome::WrongPassword;
    case CBackgroundUnlock::Outcome::Failed:
        why = result.failure;
        return UnlockOutcome::Failed;
    case CBackgroundUnlock::Outcome::Unlocked:
        break;
    }
    m_pSession = std::move(result.session);
    m_lockedName.reset();
    m_bHeadersStale = true;
    emit unlocked();
    return UnlockOutcome::Unlocked;
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
        RememberOwnFiles(); // what the windows are shown
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
    // Its password may have been changed elsewhere, and none given here.
    return IsOpen();
}

bool COpenDiary::ReloadIfChanged()
{
    if (!IsOpen()) {
        return false;
    }
    emit commandStarting();
    if (!m_pSession->FilesChanged()) {
        return false;
    }
    // Another program wrote to the diary: what the windows show is stale.
    Reload();
    return true;
}

void COpenDiary::SetEditorOpen(bool open)
{
    m_bEditorOpen = open;
    if (!open && std::exchange(m_bCloseAfterEditor, false)) {
        Close();
    }
}

void COpenDiary::OnChangedOnDisk()
{
    if (!IsOpen() || m_bCloseAfterEditor) {
        return;
    }
    // Under another command's dialog the change may be that command's own
    // writing, not yet acknowledged: it waits until the dialog has closed.
    if (!m_bEditorOpen && UnderDialog()) {
        m_bReloadPending = true;
        return;
    }
    m_bReloadPending = false;
    Reload();
}

bool COpenDiary::UnderDialog() const
{
    // The main window is itself run as a modal dialog.
    const QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr && modal != parent();
}

bool COpenDiary::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && m_bReloadPending && !UnderDialog()) {
        OnChangedOnDisk();
    }
    return QObject::eventFilter(watched, event);
}

void COpenDiary::Reload()
{
    // The entry on view, to be found again where the new files put it.
    std::optional<EntryHeader> onView;
    const int shown = m_entryOnView ? m_entryOnView() : -1;
    if (shown >= 0 && static_cast<size_t>(shown) < m_headers.size()) {
        onView = m_headers[static_cast<size_t>(shown)];
    }
    auto* window = qobject_cast<QWidget*>(parent());
    if (!m_pSession->Reload() && !CDiaryOpener::UnlockAgain(window, *m_pSession)) {
        // Nothing is written under a key that no longer opens the file. The
        // editor keeps the session until it ends (its SAVE then fails and
        // keeps the text); the diary is closed then.
        if (m_bEditorOpen) {
            if (CEncryptedSession* encrypted = m_pSession->Encrypted()) {
                encrypted->Lock();
            }
            m_bCloseAfterEditor = true;
            return;
        }
        Close();
        return;
    }
    RememberOwnFiles();
    emit reloaded();
    m_bHeadersStale = true;
    Headers();
    TellEntries({.all = true, .shown = onView ? Find(*onView) : -1});
}

int COpenDiary::Find(const EntryHeader& before) const
{
    int sameTime = -1;
    int earlier = -1;
    for (size_t i = 0; i < m_headers.size(); ++i) {
        const EntryHeader& header = m_headers[i];
        if (header.time == before.time && header.textLength == before.textLength) {
            return static_cast<int>(i);
        }
        if (header.time == before.time && sameTime < 0) {
            sameTime = static_cast<int>(i);
        }
        if (header.time <= before.time) {
            earlier = static_cast<int>(i);
        }
    }
    return sameTime >= 0 ? sameTime : earlier;
}

void COpenDiary::RememberOwnFiles()
{
    m_pSession->RememberFiles();
    if (m_pWatcher) {
        m_pWatcher->Acknowledge();
    }
}

bool COpenDiary::Merge(const DiaryParts& other, CDiaryMerge::Plan* applied)
{
    auto* window = qobject_cast<QWidget*>(parent());
    // A new diary's password first (an encrypted one's key comes with it).
    if (m_pSession->Encrypted() != nullptr ? !EnsureKey(window) : !EnsurePassword(window)) {
        return false;
    }
    const bool merged = CDiaryMerge::Merge(*m_pSession, other, applied);
    m_bReloadPending = false;
    CommitEntries({.all = true});
    CommitReminders();
    CommitPlanner();
    return merged;
}

QStringList COpenDiary::ConflictCopies() const
{
    QStringList copies;
    if (IsOpen()) {
        for (const std::string& path : CConflictCopies::FindBeside(m_pSession->Path())) {
            copies << CPathText::Decoded(path);
        }
    }
    return copies;
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
    m_bReloadPending = false;
    m_bHeadersStale = true;
    Headers();
    TellEntries(change);
}

void COpenDiary::TellEntries(const EntryChange& change)
{
    // A diary without entries has no password either: the next entry sets it.
    if (m_bHeadersRead) {
        m_pSession->SetNew(m_headers.empty());
    }
    emit entriesChanged(change);
}

void COpenDiary::CommitReminders()
{
    m_bReloadPending = false;
    RememberOwnFiles();
    emit remindersChanged();
}

void COpenDiary::CommitPlanner()
{
    m_bReloadPending = false;
    RememberOwnFiles();
    emit plannerChanged();
}

bool COpenDiary::ChangePassword(const Passphrase& password)
{
    // The session takes the new password (and a new key) when it succeeds.
    const bool changed = m_pSession->ChangePassword(password);
    RememberOwnFiles();
    if (changed) {
        emit passwordChanged();
    }
    return changed;
}

void COpenDiary::RememberFiles()
{
    if (IsOpen()) {
        RememberOwnFiles();
    }
}
