#pragma once
// The diary open in the main window: its session and the lock that keeps
// other Dayloom windows off it. Every command that changes the diary goes
// through here: it asks first whether it may (a read-only diary may not;
// another program's changes are read first), and says afterwards what it
// changed. The signals tell every window what changed, so that no command
// refreshes a window itself. While a diary is open its files are watched:
// what another program (a sync tool) changes is read again at once, and the
// program's own writes are acknowledged, so they are never taken for one.

#include "app/DiaryOpener.h"
#include "store/DiaryMerge.h"
#include "store/Passphrase.h"
#include "store/Records.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CDiarySession;
class CDiaryStore;
class CDiaryReservation;
class CDiaryWatcher;
class QWidget;

// What a change to the diary's entries touched.
struct EntryChange
{
    // Every entry may have moved (an import, a reload, a deletion, opening).
    bool all = false;
    // The entries written, by their index after the change.
    std::vector<int> indexes;
    // The entry the command leaves on view (the one saved); -1 for the last.
    int shown = -1;
    // The entry a deletion removed, by its index before; -1 for none.
    int removed = -1;
};

class COpenDiary : public QObject
{
    Q_OBJECT
public:
    explicit COpenDiary(QObject* parent = nullptr);
    ~COpenDiary() override;

    bool IsOpen() const { return m_pSession != nullptr; }
    // The open diary, null when none is open.
    const CDiarySession* Session() const { return m_pSession.get(); }
    // A store on the open diary for one command, positioned at entry `index`.
    std::unique_ptr<CDiaryStore> Store(int index = 0) const;

    // Takes what opening gave (emits opened); false when nothing was
    // opened. `title` is the diary's name as the window's title shows it.
    bool Take(CDiaryOpener::Opened result, const QString& title);
    const QString& Title() const { return m_strTitle; }
    // Closes the diary and lets its lock go (emits closed when one was open,
    // locked or not).
    void Close();

    // Locking: the session goes (its password, key and decrypted parts are
    // wiped with it) and so do the headers; the diary stays reserved for
    // this window (locked). Nothing happens to a diary that has no password
    // yet. The windows that show the diary must have let go of it first.
    bool Lock();
    bool IsLocked() const { return m_lockedName.has_value(); }
    // Opens the locked diary again with `typed` (unlocked). Failed: the
    // diary could not be read (emptied or taken away while locked, damaged),
    // with the store's reason in `why` where it gave one. An encrypted
    // diary is unlocked beside the window behind "Unlocking...", whose
    // Cancel leaves it locked.
    enum class UnlockOutcome
    {
        Unlocked,
        WrongPassword,
        Failed,
        Cancelled
    };
    UnlockOutcome Unlock(const Passphrase& typed, std::string& why);

    // The entries' headers in diary order, read when first asked after
    // opening or a change (a file error escapes as CFileError).
    const std::vector<EntryHeader>& Headers();
    // Reads the entries' headers and tells every window (entriesChanged, all).
    void ReadEntries();

    // Before a command changes the diary: false (after saying why) when it
    // is read-only. When another program changed its files since they were
    // read, they are read again first (reloaded), so that the command acts
    // on what is there now.
    bool MayChange(QWidget* parent);
    // True (after reloaded and entriesChanged) when another program changed
    // the diary's files since they were read.
    bool ReloadIfChanged();
    // A new diary's password, asked before its first record is written;
    // false when the user gave none. Nothing is asked of a diary that has one.
    bool EnsurePassword(QWidget* parent);
    // The same for a new encrypted diary only, which needs its key before
    // its reminders or plans are written.
    bool EnsureKey(QWidget* parent);
    // The new-diary password prompt; the password, kept by the session, or
    // nullopt when the user gave none.
    std::optional<std::string> AskNewPassword(QWidget* parent);

    // What a command changed; each remembers the files as they are now and
    // tells every window.
    void CommitEntries(const EntryChange& change);
    void CommitReminders();
    void CommitPlanner();
    // Gives the whole diary a new password in one step (passwordChanged);
    // false when it failed (reported): the old password still opens it.
    bool ChangePassword(const Passphrase& password);
    // The files were read (a summary's first read may create its file).
    void RememberFiles();

    // The entry on view (-1 for none), which a reload keeps on view.
    void SetEntryOnView(std::function<int()> entryOnView)
    {
        m_entryOnView = std::move(entryOnView);
    }
    // While the entry editor is open a change from outside is read at once
    // (the editor finds its entry again when it saves); under any other
    // dialog it is read once the dialog has closed.
    // A diary to be closed under the editor is closed when it ends.
    void SetEditorOpen(bool open);
    // Merges another copy's parts into the open diary in one safe rewrite
    // and tells every window; false when it failed (reported) or the user
    // gave no password for a new diary. `applied` receives what was merged.
    bool Merge(const DiaryParts& other, CDiaryMerge::Plan* applied);
    // The conflict copies a sync tool left beside the open diary (full paths).
    QStringList ConflictCopies() const;
    // The watch on the diary's files (null when none is open).
    CDiaryWatcher* Watcher() const { return m_pWatcher.get(); }

signals:
    void opened();
    void closed();
    // Locking and unlocking an open diary (after locked nothing of it is
    // left to show), and another program's changes read again.
    void locked();
    void unlocked();
    void reloaded();
    // A command is about to change the diary (or to edit an entry): what
    // was said about an earlier reload is old news.
    void commandStarting();
    void entriesChanged(const EntryChange& change);
    void remindersChanged();
    void plannerChanged();
    void passwordChanged();
    // Another Dayloom window tried to open this diary: this one should come
    // forward instead.
    void raiseRequested();
    // Conflict copies of the diary (full paths) appeared beside it while it
    // was open.
    void conflictCopiesAppeared(const QStringList& paths);

protected:
    // A change from outside held back by a dialog is read when the window
    // is active again.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnChangedOnDisk();
    // A dialog of a command is open over the window.
    bool UnderDialog() const;
    // Reads the diary again after another program changed it, keeping the
    // entry on view; a diary whose password was changed elsewhere is
    // unlocked anew or, when the user gives none, closed.
    void Reload();
    // The index of the entry that was `before`, by its time and length.
    int Find(const EntryHeader& before) const;
    // The files as they are now are this program's writing.
    void RememberOwnFiles();
    // The headers read again, then entriesChanged.
    void TellEntries(const EntryChange& change);

    std::unique_ptr<CDiarySession> m_pSession;
    std::unique_ptr<CDiaryReservation> m_pLock;
    // Set while the diary is locked: what names it and whether it was
    // opened read-only.
    std::optional<CDiaryName> m_lockedName;
    bool m_bLockedReadOnly = false;
    QString m_strTitle;
    std::vector<EntryHeader> m_headers;
    bool m_bHeadersStale = true;
    bool m_bHeadersRead = false; // the last read succeeded
    std::unique_ptr<CDiaryWatcher> m_pWatcher;
    std::function<int()> m_entryOnView;
    bool m_bEditorOpen = false;
    bool m_bReloadPending = false;
    bool m_bCloseAfterEditor = false;
};
