#pragma once
// Locking the open diary: by the File menu's "Lock diary" (Ctrl+L), after
// the minutes without input the options name, when the desktop locks its
// screen and before the computer sleeps. A lock first ends what waits on
// the user (an open editor writes its draft; every other window and
// question is cancelled) and, once those commands have returned, lets the
// open diary drop its session: the windows empty themselves and the locked
// view takes the window's place, the menu keeping only what needs no
// diary. The right password brings back the same entry, and an editor the
// lock closed reopens with its draft.

#include <QObject>
#include <QPointer>
#include <vector>

class CEntryBrowser;
class CEntryCommands;
class CIdleWatch;
class CLockedView;
class COpenDiary;
class CScreenLockWatch;
class QAction;
class QStackedWidget;
class QWidget;

class CDiaryLock : public QObject
{
    Q_OBJECT
public:
    CDiaryLock(COpenDiary& diary, CEntryBrowser& browser, CEntryCommands& entries, QWidget& window);
    ~CDiaryLock() override;

    // The property of a menu item that works while the diary is locked
    // (opening another diary, the help, exiting).
    static constexpr const char* kWorksLocked = "worksLocked";

    // The window's content, with the locked view beside it; made once.
    QWidget* Wrap(QWidget* content);

    // Locks now, or as soon as the commands waiting on the user have
    // returned. Nothing happens without an open diary that has a password.
    void LockNow();
    // The minutes of the options again.
    void ApplySettings();

    CIdleWatch* IdleWatch() const { return m_pIdle; }
    CScreenLockWatch* ScreenWatch() const { return m_pScreen; }
    CLockedView* View() const { return m_pView; }

private:
    void FinishWhenUnwound();
    void Finish();
    void OnUnlockRequested(const QString& password);
    void OnOpened();
    void OnClosed();
    void ShowLocked(bool locked);

    COpenDiary& m_diary;
    CEntryBrowser& m_browser;
    CEntryCommands& m_entries;
    QWidget& m_window;
    CIdleWatch* m_pIdle = nullptr;
    CScreenLockWatch* m_pScreen = nullptr;
    QStackedWidget* m_pPages = nullptr;
    QWidget* m_pContent = nullptr;
    CLockedView* m_pView = nullptr;
    bool m_bPending = false;
    int m_nShown = -1; // the entry on view when the lock came
    // The menu items switched off while locked.
    std::vector<QPointer<QAction>> m_disabled;
};
