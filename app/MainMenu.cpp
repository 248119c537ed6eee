#include "app/MainMenu.h"

#include "app/DayloomDlg.h"
#include "app/EncryptionCommands.h"
#include "app/ExportHost.h"
#include "app/ForeignImportHost.h"
#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "platform/RecentDiaries.h"
#include "widgets/EntryRichEdit.h"

#include <QAction>
#include <QFileInfo>
#include <QKeySequence>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace {

// The desktop's key for a standard command where it has one, else `fallback`.
QKeySequence StandardOr(QKeySequence::StandardKey standard, const QKeySequence& fallback)
{
    const QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    return keys.isEmpty() ? fallback : keys.constFirst();
}

// File, Recent diaries: filled each time it opens. A diary that is gone is
// taken off the list when chosen, with a word why.
void FillRecent(QMenu& menu, CDayloomDlg& window)
{
    menu.clear();
    const QStringList diaries = CRecentDiaries::Load();
    for (qsizetype i = 0; i < diaries.size(); ++i) {
        const QString path = diaries[i];
        QAction* action = menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QFileInfo(path).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"))));
        action->setToolTip(path);
        QObject::connect(action, &QAction::triggered, &window, [&window, path] {
            if (!QFileInfo::exists(path)) {
                CRecentDiaries::Remove(path);
                CMessageBox::Show(&window,
                                  QStringLiteral("%1 is no longer there; it was taken off the "
                                                 "list of recent diaries.")
                                      .arg(path),
                                  CAppInfo::Caption(QStringLiteral("Recent Diaries")));
                return;
            }
            window.OpenDiaryFile(path);
        });
    }
    menu.addSeparator();
    QAction* clear = menu.addAction(QStringLiteral("&Clear list"));
    clear->setEnabled(!diaries.isEmpty());
    QObject::connect(clear, &QAction::triggered, &window, [] { CRecentDiaries::Clear(); });
}

} // namespace

void CMainMenu::Build(QMenuBar& bar, CDayloomDlg& window)
{
    auto add = [&window](QMenu* menu, const QString& text, void (CDayloomDlg::*command)(),
                         QKeySequence key = QKeySequence()) {
        QAction* action = menu->addAction(text);
        if (!key.isEmpty()) {
            action->setShortcut(key);
            action->setShortcutContext(Qt::WindowShortcut);
            window.addAction(action); // the keys work whether or not the menu was opened
        }
        QObject::connect(action, &QAction::triggered, &window, command);
        return action;
    };

    QMenu* file = bar.addMenu(QStringLiteral("&File"));
    add(file, QStringLiteral("&Open/Create Diary..."), &CDayloomDlg::OnOpenCreateDiary,
        StandardOr(QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)));
    QMenu* recent = file->addMenu(QStringLiteral("Recen&t diaries"));
    recent->setObjectName(QStringLiteral("recentDiaries"));
    recent->setToolTipsVisible(true); // the full path of each
    QObject::connect(recent, &QMenu::aboutToShow, &window,
                     [recent, &window] { FillRecent(*recent, window); });
    file->addSeparator();
    add(file, QStringLiteral("Print &all entries"), &CDayloomDlg::OnPrintAllEntries);
    file->addSeparator();
    const auto run = [&window, file](const QString& text, void (*command)(CDayloomDlg&)) {
        QObject::connect(file->addAction(text), &QAction::triggered, &window,
                         [&window, command] { command(window); });
    };
    run(QStringLiteral("&Export diary..."), &CExportHost::ExportDiary);
    run(QStringLiteral("&Back up diary..."), &CExportHost::BackUpDiary);
    run(QStringLiteral("&Restore from backup..."), &CExportHost::RestoreFromBackup);
    file->addSeparator();
    add(file, QStringLiteral("&Change password..."), &CDayloomDlg::OnChangePassword);
    run(QStringLiteral("E&ncrypt diary..."), &CEncryptionCommands::EncryptDiary);
    run(QStringLiteral("Save &decrypted copy..."), &CEncryptionCommands::SaveDecryptedCopy);
    add(file, QStringLiteral("O&ptions..."), &CDayloomDlg::OnOptions,
        StandardOr(QKeySequence::Preferences, QKeySequence(Qt::CTRL | Qt::Key_Comma)));
    file->addSeparator();
    QAction* exitAction = file->addAction(QStringLiteral("E&xit"));
    exitAction->setShortcut(StandardOr(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));
    exitAction->setShortcutContext(Qt::WindowShortcut);
    window.addAction(exitAction);
    QObject::connect(exitAction, &QAction::triggered, &window, &CDayloomDlg::accept);

    QMenu* entry = bar.addMenu(QStringLiteral("&Entry"));
    QAction* newEntry =
        add(entry, QStringLiteral("&New entry...\tF2"), &CDayloomDlg::OnNewEntry, Qt::Key_F2);
    // F2 first (the menu shows it), the desktop's New as well.
    newEntry->setShortcuts({QKeySequence(Qt::Key_F2),
                            StandardOr(QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N))});
    add(entry, QStringLiteral("&Edit entry...\tCtrl+E"), &CDayloomDlg::OnEditEntry,
        QKeySequence(Qt::CTRL | Qt::Key_E));
    entry->addSeparator();
    add(entry, QStringLiteral("Go to &first"), &CDayloomDlg::OnFirst);
    add(entry, QStringLiteral("Go to &previous"), &CDayloomDlg::OnPrevious);
    add(entry, QStringLiteral("Go to ne&xt"), &CDayloomDlg::OnNext);
    add(entry, QStringLiteral("Go to &last"), &CDayloomDlg::OnLast);
    add(entry, QStringLiteral("&Search...\tCtrl+F"), &CDayloomDlg::OnFind,
        QKeySequence(Qt::CTRL | Qt::Key_F));
    entry->addSeparator();
    add(entry, QStringLiteral("Print &current entry"), &CDayloomDlg::OnPrintCurrentEntry,
        StandardOr(QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P)));

    // Delete on the entry list or the entry on view deletes the entry (after
    // its question); text fields keep the key for themselves.
    for (QWidget* target :
         {static_cast<QWidget*>(window.EntryList()), static_cast<QWidget*>(window.EntryView())}) {
        auto* shortcut = new QShortcut(QKeySequence::Delete, target);
        shortcut->setContext(Qt::WidgetShortcut);
        QObject::connect(shortcut, &QShortcut::activated, &window, &CDayloomDlg::OnDeleteEntry);
    }

    QMenu* tools = bar.addMenu(QStringLiteral("&Tools"));
    add(tools, QStringLiteral("&Reminders...\tF3"), &CDayloomDlg::OnReminders, Qt::Key_F3);
    add(tools, QStringLiteral("&Planner...\tF4"), &CDayloomDlg::OnPlanner, Qt::Key_F4);
    add(tools, QStringLiteral("&Statistics...\tF5"), &CDayloomDlg::OnStatistics, Qt::Key_F5);
    tools->addSeparator();
    QObject::connect(tools->addAction(QStringLiteral("&Import from another program...")),
                     &QAction::triggered, &window,
                     [&window] { CForeignImportHost::Import(window); });
    add(tools, QStringLiteral("Import from Dayloom v1.00"), &CDayloomDlg::ImportVersion1);

    QMenu* help = bar.addMenu(QStringLiteral("&Help"));
    add(help, QStringLiteral("Contents\tF1"), &CDayloomDlg::OnHelpContents, Qt::Key_F1);
    add(help, QStringLiteral("Help on main window"), &CDayloomDlg::OnHelpMainWindow);
    help->addSeparator();
    add(help, QStringLiteral("Tip of the Day..."), &CDayloomDlg::OnTipOfTheDay);
    help->addSeparator();
    add(help, QStringLiteral("&About Dayloom..."), &CDayloomDlg::OnAbout);
}
