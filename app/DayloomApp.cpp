#include "app/DayloomApp.h"

#include "app/DayloomDlg.h"
#include "app/TerminationSignals.h"
#include "dialogs/SplashDlg.h"
#include "dialogs/TipDlg.h"
#include "planning/ReminderNotices.h"
#include "platform/AppInfo.h"
#include "platform/FileErrorMessage.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "store/Messages.h"

#include <QApplication>
#include <QThread>

void CDayloomApp::InstallStoreMessageHandler()
{
    SetStoreMessageHandler([](const std::string& message) {
        // The store also works on a worker thread (unlocking a diary):
        // windows are shown on the window's thread only.
        QMetaObject::invokeMethod(
            qApp, [message] { CFileErrorMessage::Show(QApplication::activeWindow(), message); },
            QThread::currentThread() == qApp->thread() ? Qt::DirectConnection
                                                       : Qt::QueuedConnection);
    });
}

bool CDayloomApp::InitInstance(const QStringList& arguments, const QString& diary,
                               const QString& diaryProblem)
{
    // The settings live under the company name, in a file named after the
    // program file, so a copy under another name starts afresh.
    QCoreApplication::setOrganizationName(QStringLiteral("Orrinfield"));
    InstallStoreMessageHandler();

    {
        CSplashDlg splash(nullptr);
        CModal::Exec(splash);
    }
    CTipDlg::RunAtStartup(nullptr, arguments);

    CDayloomDlg mainWindow(nullptr, diary);
    if (!diaryProblem.isEmpty()) {
        CMessageBox::Show(&mainWindow, diaryProblem, CAppInfo::Caption(tr("Open/Create Diary")));
    }
    // Today's reminders on the desktop, now and after each midnight.
    CReminderNotices notices([&mainWindow] { return mainWindow.Session(); });
    notices.Start();
    // Ended by a signal, the window unwinds as if closed: the diary's lock
    // file goes with it.
    const CTerminationSignals endSignals;
    CModal::Exec(mainWindow);
    return false;
}
