#include "app/DiaryLock.h"

#include "app/EntryBrowser.h"
#include "app/EntryCommands.h"
#include "app/LockedView.h"
#include "app/OpenDiary.h"
#include "dialogs/NewEntryDlg.h"
#include "platform/Clock.h"
#include "platform/IdleWatch.h"
#include "platform/Modal.h"
#include "platform/PassphraseText.h"
#include "platform/PathText.h"
#include "platform/ScreenLockWatch.h"
#include "platform/Settings.h"
#include "platform/WaitCursor.h"
#include "store/DiarySession.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTimer>

namespace {
// How often a lock looks again whether the cancelled commands have returned.
constexpr int kUnwindRetryMs = 20;
} // namespace

CDiaryLock::CDiaryLock(COpenDiary& diary, CEntryBrowser& browser, CEntryCommands& entries,
                       QWidget& window)
    : QObject(&window), m_diary(diary), m_browser(browser), m_entries(entries), m_window(window)
{
    setObjectName(QStringLiteral("diaryLock"));
    m_pIdle = new CIdleWatch(this, [] { return CClock::Now(); });
    m_pScreen = new CScreenLockWatch(this);
    m_pScreen->Listen();
    connect(m_pIdle, &CIdleWatch::idle, this, &CDiaryLock::LockNow);
    connect(m_pScreen, &CScreenLockWatch::lockRequested, this, &CDiaryLock::LockNow);
    connect(&m_diary, &COpenDiary::opened, this, &CDiaryLock::OnOpened);
    connect(&m_diary, &COpenDiary::closed, this, &CDiaryLock::OnClosed);
}

CDiaryLock::~CDiaryLock() = default;

QWidget* CDiaryLock::Wrap(QWidget* content)
{
    m_pContent = content;
    m_pPages = new QStackedWidget(&m_window);
    m_pPages->addWidget(content);
    m_pView = new CLockedView(m_pPages);
    m_pPages->addWidget(m_pView);
    connect(m_pView, &CLockedView::unlockRequested, this, &CDiaryLock::OnUnlockRequested);
    return m_pPages;
}

void CDiaryLock::ApplySettings()
{
    if (m_diary.IsOpen()) {
        m_pIdle->Start(CSettings::Get(CSettings::kLockAfterMinutes));
    }
}

void CDiaryLock::LockNow()
{
    if (!m_diary.IsOpen() || m_diary.Session()->IsNew()) {
        m_pScreen->SleepLockDone(); // nothing to lock: sleep need not wait
        return;
    }
    if (m_bPending) {
        return;
    }
    m_bPending = true;
    // An editor keeps what was typed in its draft (sealed as the diary is);
    // everything else waiting on the user is cancelled.
    for (CNewEntryDlg* editor : m_window.findChildren<CNewEntryDlg*>()) {
        if (editor->isVisible()) {
            editor->CloseForLock();
        }
    }
    CModal::CancelAll(&m_window);
    FinishWhenUnwound();
}

void CDiaryLock::FinishWhenUnwound()
{
    // The commands whose windows were cancelled still hold the session
    // until they return.
    if (CModal::Waiting(&m_window)) {
        CModal::CancelAll(&m_window);
        QTimer::singleShot(kUnwindRetryMs, this, &CDiaryLock::FinishWhenUnwound);
        return;
    }
    Finish();
}

void CDiaryLock::Finish()
{
    m_bPending = false;
    if (m_diary.IsOpen()) {
        m_nShown = m_browser.ShownEntry();
        if (m_diary.Lock()) {
            m_pIdle->Stop();
            ShowLocked(true);
        }
    }
    m_pScreen->SleepLockDone();
}

void CDiaryLock::OnUnlockRequested(const QString& password)
{
    std::string why;
    COpenDiary::UnlockOutcome outcome = COpenDiary::UnlockOutcome::Failed;
    {
        CWaitCursor wait;
        outcome = m_diary.Unlock(CPassphraseText::From(password), why);
    }
    switch (outcome) {
    case COpenDiary::UnlockOutcome::WrongPassword:
        m_pView->Refuse(tr("That is not this diary's password. Please try again; the password "
                           "is case sensitive."));
        return;
    case COpenDiary::UnlockOutcome::Failed:
        m_pView->Refuse(why.empty() ? tr("The diary can no longer be read; it may have been "
                                         "moved or emptied.")
                                    : CPathText::Decoded(why));
        return;
    case COpenDiary::UnlockOutcome::Cancelled:
        return;
    case COpenDiary::UnlockOutcome::Unlocked:
        break;
    }
    ShowLocked(false);
    {
        CWaitCursor wait;
        m_diary.CommitEntries({.all = true, .shown = m_nShown});
    }
    ApplySettings();
    // Not inside the field's key press: the editor is a window of its own.
    QTimer::singleShot(0, this, [this] { m_entries.ReopenLockedEditor(); });
}

void CDiaryLock::OnOpened()
{
    ShowLocked(false);
    ApplySettings();
}

void CDiaryLock::OnClosed()
{
    ShowLocked(false);
    m_pIdle->Stop();
}

void CDiaryLock::ShowLocked(bool locked)
{
    if (m_pPages == nullptr || (m_pPages->currentWidget() == m_pView) == locked) {
        return;
    }
    if (locked) {
        // Every item that needs the diary goes off (their keys with them).
        // (The menus as the bar has them: the bar's overflow menu keeps
        // stale copies of its titles.)
        QList<QAction*> actions = m_window.actions();
        if (const auto* bar = m_window.findChild<QMenuBar*>()) {
            for (const QAction* title : bar->actions()) {
                if (title->menu() != nullptr) {
                    actions += title->menu()->actions();
                }
            }
        }
        for (QAction* action : actions) {
            if (action->isEnabled() && !action->property(kWorksLocked).toBool()) {
                action->setEnabled(false);
                m_disabled.emplace_back(action);
            }
        }
        m_pPages->setCurrentWidget(m_pView);
        m_pView->Reset();
        return;
    }
    for (const QPointer<QAction>& action : m_disabled) {
        if (action) {
            action->setEnabled(true);
        }
    }
    m_disabled.clear();
    m_pView->Reset();
    m_pPages->setCurrentWidget(m_pContent);
}
