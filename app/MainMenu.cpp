#include "app/MainMenu.h"

#include "app/DiaryLock.h"
#include "app/EncryptionCommands.h"
#include "app/EntryCommands.h"
#include "app/ExportHost.h"
#include "app/ForeignImportHost.h"
#include "app/ImportHost.h"
#include "app/MergeCommands.h"
#include "app/WindowCommands.h"
#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "platform/RecentDiaries.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
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
void FillRecent(QMenu& menu, QWidget& window, CWindowCommands& commands)
{
    menu.clear();
    const QStringList diaries = CRecentDiaries::Load();
    for (qsizetype i = 0; i < diaries.size(); ++i) {
        const QString path = diaries[i];
        QAction* action = menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QFileInfo(path).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"))));
        action->setToolTip(path);
        QObject::connect(action, &QAction::triggered, &window, [&window, &commands, path] {
            if (!QFileInfo::exists(path)) {
                CRecentDiaries::Remove(path);
                CMessageBox::Show(
                    &window,
                    QCoreApplication::translate("CMainMenu",
                                                "%1 is no longer there; it was taken off the "
                                                "list of recent diaries.")
                        .arg(path),
                    CAppInfo::Caption(QCoreApplication::translate("CMainMenu", "Recent Diaries")));
                return;
            }
            commands.OpenDiaryFile(path);
        });
    }
    menu.addSeparator();
    QAction* clear = menu.addAction(QCoreApplication::translate("CMainMenu", "&Clear list"));
    clear->setEnabled(!diaries.isEmpty());
    QObject::connect(clear, &QAction::triggered, &window, [] { CRecentDiaries::Clear(); });
}

using Command = void (CWindowCommands::*)();

QPushButton* MakeButton(QWidget& window, CWindowCommands& commands, const QString& name,
                        const QString& themeIcon, const QString& fallback, const QString& toolTip,
                        Command command)
{
    auto* button = new QPushButton(&window);
    button->setObjectName(name);
    // A picture button is named for screen readers by what its tip says.
    button->setAccessibleName(toolTip.isEmpty() ? name : toolTip);
    button->setIcon(QIcon::fromTheme(themeIcon, QIcon(QStringLiteral(":/icons/") + fallback)));
    button->setIconSize(QSize(24, 24));
    button->setAutoDefault(false);
    if (!toolTip.isEmpty()) {
        button->setToolTip(toolTip);
    }
    QObject::connect(button, &QPushButton::clicked, &window,
                     [&commands, command] { (commands.*command)(); });
    return button;
}

} // namespace

void CMainMenu::Build(QMenuBar& bar, QWidget& window, const Commands& commands)
{
    // An item running `command` of `group` (the window's own or a command group's).
    auto run = [&window](QMenu* menu, const QString& text, auto* group, auto command,
                         QKeySequence key = QKeySequence()) {
        QAction* action = menu->addAction(text);
        if (!key.isEmpty()) {
            action->setShortcut(key);
            action->setShortcutContext(Qt::WindowShortcut);
            window.addAction(action); // the keys work whether or not the menu was opened
        }
        QObject::connect(action, &QAction::triggered, &window,
                         [group, command] { (group->*command)(); });
        return action;
    };
    CWindowCommands* own = commands.window;
    auto add = [&run, own](QMenu* menu, const QString& text, Command command,
                           QKeySequence key = QKeySequence()) {
        return run(menu, text, own, command, key);
    };

    // What needs no open diary works while it is locked.
    auto worksLocked = [](QAction* action) { action->setProperty(CDiaryLock::kWorksLocked, true); };

    QMenu* file = bar.addMenu(tr("&File"));
    worksLocked(add(file, tr("&Open/Create Diary..."), &CWindowCommands::OnOpenCreateDiary,
                    StandardOr(QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O))));
    QMenu* recent = file->addMenu(tr("Recen&t diaries"));
    worksLocked(recent->menuAction());
    recent->setObjectName(QStringLiteral("recentDiaries"));
    recent->setToolTipsVisible(true); // the full path of each
    QObject::connect(recent, &QMenu::aboutToShow, &window,
                     [recent, &window, own] { FillRecent(*recent, window, *own); });
    if (commands.lock != nullptr) {
        run(file, QCoreApplication::translate("CMainMenu", "&Lock diary"), commands.lock,
            &CDiaryLock::LockNow, QKeySequence(Qt::CTRL | Qt::Key_L));
    }
    file->addSeparator();
    add(file, tr("Print &all entries"), &CWindowCommands::OnPrintAllEntries);
    file->addSeparator();
    run(file, tr("&Export diary..."), commands.exports, &CExportHost::ExportDiary);
    run(file, tr("&Back up diary..."), commands.exports, &CExportHost::BackUpDiary);
    run(file, tr("&Restore from backup..."), commands.exports, &CExportHost::RestoreFromBackup);
    file->addSeparator();
    run(file, tr("&Change password..."), commands.encryption, &CEncryptionCommands::ChangePassword);
    run(file, tr("E&ncrypt diary..."), commands.encryption, &CEncryptionCommands::EncryptDiary);
    run(file, tr("Save &decrypted copy..."), commands.encryption,
        &CEncryptionCommands::SaveDecryptedCopy);
    add(file, tr("O&ptions..."), &CWindowCommands::OnOptions,
        StandardOr(QKeySequence::Preferences, QKeySequence(Qt::CTRL | Qt::Key_Comma)));
    file->addSeparator();
    worksLocked(add(file, tr("E&xit"), &CWindowCommands::OnExit,
                    StandardOr(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q))));

    QMenu* entry = bar.addMenu(tr("&Entry"));
    QAction* newEntry =
        add(entry, tr("&New entry...\tF2"), &CWindowCommands::OnNewEntry, Qt::Key_F2);
    // F2 first (the menu shows it), the desktop's New as well.
    newEntry->setShortcuts({QKeySequence(Qt::Key_F2),
                            StandardOr(QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N))});
    add(entry, tr("&Edit entry...\tCtrl+E"), &CWindowCommands::OnEditEntry,
        QKeySequence(Qt::CTRL | Qt::Key_E));
    entry->addSeparator();
    add(entry, tr("Go to &first"), &CWindowCommands::OnFirst);
    add(entry, tr("Go to &previous"), &CWindowCommands::OnPrevious);
    add(entry, tr("Go to ne&xt"), &CWindowCommands::OnNext);
    add(entry, tr("Go to &last"), &CWindowCommands::OnLast);
    add(entry, tr("&Search...\tCtrl+F"), &CWindowCommands::OnFind,
        QKeySequence(Qt::CTRL | Qt::Key_F));
    entry->addSeparator();
    add(entry, tr("Print &current entry"), &CWindowCommands::OnPrintCurrentEntry,
        StandardOr(QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P)));

    // Delete on the entry list or the entry on view deletes the entry (after
    // its question); text fields keep the key for themselves.
    for (QWidget* target : {commands.entryList, commands.entryView}) {
        if (target == nullptr) {
            continue;
        }
        auto* shortcut = new QShortcut(QKeySequence::Delete, target);
        shortcut->setContext(Qt::WidgetShortcut);
        QObject::connect(shortcut, &QShortcut::activated, &window, [own] { own->OnDeleteEntry(); });
    }

    QMenu* tools = bar.addMenu(tr("&Tools"));
    add(tools, tr("&Reminders...\tF3"), &CWindowCommands::OnReminders, Qt::Key_F3);
    add(tools, tr("&Planner...\tF4"), &CWindowCommands::OnPlanner, Qt::Key_F4);
    run(tools, tr("&Statistics...\tF5"), commands.entries, &CEntryCommands::Statistics, Qt::Key_F5);
    tools->addSeparator();
    run(tools, tr("&Import from another program..."), commands.foreignImports,
        &CForeignImportHost::Run);
    run(tools, tr("&Merge another diary..."), commands.merges, &CMergeCommands::MergeAnother);
    run(tools, tr("Import from Dayloom v1.00"), commands.imports, &CImportHost::Run);

    QMenu* help = bar.addMenu(tr("&Help"));
    add(help, tr("Contents\tF1"), &CWindowCommands::OnHelpContents, Qt::Key_F1);
    add(help, tr("Help on main window"), &CWindowCommands::OnHelpMainWindow);
    help->addSeparator();
    add(help, tr("Tip of the Day..."), &CWindowCommands::OnTipOfTheDay);
    help->addSeparator();
    add(help, tr("&About Dayloom..."), &CWindowCommands::OnAbout);
    for (QAction* action : help->actions()) {
        worksLocked(action);
    }
}

std::vector<QPushButton*> CMainMenu::MakeButtons(QWidget& window, CWindowCommands& commands)
{
    // The picture buttons: name, theme icon, fallback picture, tip, command.
    struct ButtonLayout
    {
        const char* name;
        const char* icon;
        const char* picture;
        QString tip;
        Command command;
    };
    const ButtonLayout layouts[] = {
        {"Go to first", "go-first", "first.svg", tr("Jump to the first entry"),
         &CWindowCommands::OnFirst},
        {"Go to previous", "go-previous", "previous.svg", tr("View the previous entry"),
         &CWindowCommands::OnPrevious},
        {"Go to next", "go-next", "next.svg", tr("View the next entry"), &CWindowCommands::OnNext},
        {"Go to last", "go-last", "last.svg", tr("Jump to the last entry"),
         &CWindowCommands::OnLast},
        {"Delete", "edit-delete", "delete.svg", tr("Delete the current entry"),
         &CWindowCommands::OnDeleteEntry},
        {"Search", "edit-find", "search.svg", tr("Check this box to go into search mode"),
         &CWindowCommands::OnSearch},
        {"New entry", "document-new", "new-entry.svg",
         tr("Create a new entry (keyboard shortcut - F2)"), &CWindowCommands::OnNewEntry},
        {"Reminder", "appointment-new", "reminder.svg",
         tr("Add or delete reminders (keyboard shortcut - F3)"), &CWindowCommands::OnReminders},
        {"Planner", "x-office-calendar", "planner.svg",
         tr("Add, delete and manage plans (keyboard shortcut - F4)"), &CWindowCommands::OnPlanner},
        {"Print current entry", "document-print", "print.svg", tr("Print the current entry"),
         &CWindowCommands::OnPrintCurrentEntry},
        {"Print all entries", "printer", "print-all.svg", tr("Print all entries"),
         &CWindowCommands::OnPrintAllEntries},
        {"Options", "preferences-system", "options.svg", tr("Change Dayloom options"),
         &CWindowCommands::OnOptions},
        {"Web site", "applications-internet", "web.svg",
         tr("Visit the WWW site @ ") + CAppInfo::WebSite(), &CWindowCommands::OnWebSite},
        {"Mail", "mail-send", "mail.svg", tr("Send an e-mail to the author"),
         &CWindowCommands::OnMail},
        {"Exit", "application-exit", "exit.svg", tr("Exit Dayloom"), &CWindowCommands::OnExit}};
    std::vector<QPushButton*> buttons;
    for (const ButtonLayout& button : layouts) {
        buttons.push_back(MakeButton(
            window, commands, QString::fromLatin1(button.name), QString::fromLatin1(button.icon),
            QString::fromLatin1(button.picture), button.tip, button.command));
    }
    return buttons;
}
