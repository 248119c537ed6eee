#include "app/DiaryCommands.h"

#include "app/DayloomDlg.h"
#include "app/DiaryOpener.h"
#include "app/SearchMode.h"
#include "dialogs/ChangePasswordDlg.h"
#include "dialogs/NewEntryDlg.h"
#include "platform/AnsiCodec.h"
#include "platform/AppInfo.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/PassphraseText.h"
#include "platform/Settings.h"
#include "platform/WaitCursor.h"
#include "stats/OnThisDayLines.h"
#include "stats/OnThisDayView.h"
#include "stats/StatisticsDlg.h"
#include "store/DiarySession.h"

#include <QListView>

CDiaryCommands::CDiaryCommands(CDayloomDlg& window) : QObject(&window), m_window(window) {}

void CDiaryCommands::EditEntry()
{
    m_window.Guarded([this] {
        if (m_window.EntryCount() == 0) {
            return;
        }
        const int selected = m_window.SelectedIndex();
        if (selected < 0) {
            CMessageBox::Show(
                &m_window, QStringLiteral("You must have an entry selected in order to edit it!"),
                CAppInfo::Caption(QStringLiteral("Edit Entry")));
            return;
        }
        if (m_window.m_pSession->IsReadOnly()) {
            m_window.MayChange(); // says why
            return;
        }
        // Another program changed the diary: the list is read again and the
        // user chooses anew what to edit.
        if (m_window.ReloadIfChanged()) {
            return;
        }
        const CNewEntryDlg::Outcome outcome = CNewEntryDlg::Run(
            &m_window, *m_window.m_pSession, static_cast<uint32_t>(selected), CClock::Now());
        if (outcome.saved) {
            CWaitCursor wait;
            m_window.FillEntryList(false);
            ShowEntry(outcome.savedIndex ? static_cast<int>(*outcome.savedIndex) : selected);
        }
        m_window.m_pEntryList->setFocus();
    });
}

void CDiaryCommands::Statistics()
{
    m_window.Guarded([this] {
        if (!m_window.IsDiaryOpen()) {
            return;
        }
        CStatisticsDlg dialog(*m_window.m_pSession, CClock::Now(), &m_window);
        connect(&dialog, &CStatisticsDlg::ShowEntryRequested, this,
                [this](int entry) { ShowEntry(entry); });
        CModal::Exec(dialog);
        m_window.m_pEntryList->setFocus();
    });
}

void CDiaryCommands::ChangePassword()
{
    m_window.Guarded([this] {
        if (!m_window.IsDiaryOpen()) {
            m_window.OnOpenCreateDiary();
            if (!m_window.IsDiaryOpen()) {
                return;
            }
        }
        if (!m_window.MayChange()) {
            return;
        }
        CChangePasswordDlg dialog(&m_window, m_window.m_pSession->Encrypted() != nullptr
                                                 ? CNewPasswordFields::Kind::Encrypted
                                                 : CNewPasswordFields::Kind::FourFile);
        if (CModal::Exec(dialog) != QDialog::Accepted) {
            return;
        }
        // The texts are written anew, elsewhere in the data file; an unsaved
        // draft is carried over.
        m_window.m_pSearchMode->Forget();
        const bool changed =
            m_window.m_pSession->ChangePassword(CPassphraseText::From(dialog.NewPassword()));
        m_window.m_pSession->RememberFiles();
        CMessageBox::Show(&m_window,
                          changed ? QStringLiteral("Password successfully changed!")
                                  : QStringLiteral("An error occured! Your password was not "
                                                   "changed successfully!"),
                          CAppInfo::Title());
    });
}

COnThisDayView* CDiaryCommands::MakeOnThisDayView(QWidget* parent)
{
    m_pOnThisDay = new COnThisDayView(parent);
    m_pOnThisDay->setObjectName(QStringLiteral("OnThisDay"));
    m_pOnThisDay->setAccessibleName(QStringLiteral("On this day"));
    connect(m_pOnThisDay, &COnThisDayView::EntryRequested, this,
            [this](int entry) { ShowEntry(entry); });
    return m_pOnThisDay;
}

void CDiaryCommands::RefreshOnThisDay()
{
    if (m_pOnThisDay == nullptr) {
        return;
    }
    m_pOnThisDay->SetLines({});
    if (!m_window.IsDiaryOpen() || CSettings::Get(CSettings::kShowOnThisDay) == 0) {
        return;
    }
    m_window.Guarded([this] {
        m_pOnThisDay->SetLines(ReadOnThisDayLines(*m_window.m_pSession, CClock::Now()));
    });
}

void CDiaryCommands::ShowEntry(int index)
{
    if (index < 0 || index >= m_window.EntryCount()) {
        return;
    }
    m_window.SelectRow(index);
    m_window.ReadAndDisplay(index);
}
