#include "app/MainMenu.h"

#include "app/EncryptionCommands.h"
#include "app/EntryCommands.h"
#include "app/ExportHost.h"
#include "app/ImportHost.h"
#include "app/WindowCommands.h"
#include "platform/AppInfo.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

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
    };
    CWindowCommands* own = commands.window;
    auto add = [&run, own](QMenu* menu, const QString& text, Command command,
                           QKeySequence key = QKeySequence()) {
        run(menu, text, own, command, key);
    };

    QMenu* file = bar.addMenu(QStringLiteral("&File"));
    add(file, QStringLiteral("&Open/Create Diary..."), &CWindowCommands::OnOpenCreateDiary);
    file->addSeparator();
    add(file, QStringLiteral("Print &all entries"), &CWindowCommands::OnPrintAllEntries);
    file->addSeparator();
    run(file, QStringLiteral("&Export diary..."), commands.exports, &CExportHost::ExportDiary);
    run(file, QStringLiteral("&Back up diary..."), commands.exports, &CExportHost::BackUpDiary);
    run(file, QStringLiteral("&Restore from backup..."), commands.exports,
        &CExportHost::RestoreFromBackup);
    file->addSeparator();
    run(file, QStringLiteral("&Change password..."), commands.encryption,
        &CEncryptionCommands::ChangePassword);
    run(file, QStringLiteral("E&ncrypt diary..."), commands.encryption,
        &CEncryptionCommands::EncryptDiary);
    run(file, QStringLiteral("Save &decrypted copy..."), commands.encryption,
        &CEncryptionCommands::SaveDecryptedCopy);
    add(file, QStringLiteral("O&ptions..."), &CWindowCommands::OnOptions);
    file->addSeparator();
    add(file, QStringLiteral("E&xit\tAlt+F4"), &CWindowCommands::OnExit);

    QMenu* entry = bar.addMenu(QStringLiteral("&Entry"));
    add(entry, QStringLiteral("&New entry...\tF2"), &CWindowCommands::OnNewEntry, Qt::Key_F2);
    add(entry, QStringLiteral("&Edit entry...\tCtrl+E"), &CWindowCommands::OnEditEntry,
        QKeySequence(Qt::CTRL | Qt::Key_E));
    entry->addSeparator();
    add(entry, QStringLiteral("Go to &first"), &CWindowCommands::OnFirst);
    add(entry, QStringLiteral("Go to &previous"), &CWindowCommands::OnPrevious);
    add(entry, QStringLiteral("Go to ne&xt"), &CWindowCommands::OnNext);
    add(entry, QStringLiteral("Go to &last"), &CWindowCommands::OnLast);
    add(entry, QStringLiteral("&Search...\tCtrl+F"), &CWindowCommands::OnFind,
        QKeySequence(Qt::CTRL | Qt::Key_F));
    entry->addSeparator();
    add(entry, QStringLiteral("Print &current entry"), &CWindowCommands::OnPrintCurrentEntry);

    QMenu* tools = bar.addMenu(QStringLiteral("&Tools"));
    add(tools, QStringLiteral("&Reminders...\tF3"), &CWindowCommands::OnReminders, Qt::Key_F3);
    add(tools, QStringLiteral("&Planner...\tF4"), &CWindowCommands::OnPlanner, Qt::Key_F4);
    run(tools, QStringLiteral("&Statistics...\tF5"), commands.entries, &CEntryCommands::Statistics,
        Qt::Key_F5);
    tools->addSeparator();
    run(tools, QStringLiteral("Import from Dayloom v1.00"), commands.imports, &CImportHost::Run);

    QMenu* help = bar.addMenu(QStringLiteral("&Help"));
    add(help, QStringLiteral("Contents\tF1"), &CWindowCommands::OnHelpContents, Qt::Key_F1);
    add(help, QStringLiteral("Help on main window"), &CWindowCommands::OnHelpMainWindow);
    help->addSeparator();
    add(help, QStringLiteral("Tip of the Day..."), &CWindowCommands::OnTipOfTheDay);
    help->addSeparator();
    add(help, QStringLiteral("&About Dayloom..."), &CWindowCommands::OnAbout);
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
        {"Go to first", "go-first", "first.svg", "Jump to the first entry",
         &CWindowCommands::OnFirst},
        {"Go to previous", "go-previous", "previous.svg", "View the previous entry",
         &CWindowCommands::OnPrevious},
        {"Go to next", "go-next", "next.svg", "View the next entry", &CWindowCommands::OnNext},
        {"Go to last", "go-last", "last.svg", "Jump to the last entry", &CWindowCommands::OnLast},
        {"Delete", "edit-delete", "delete.svg", "Delete the current entry",
         &CWindowCommands::OnDeleteEntry},
        {"Search", "edit-find", "search.svg", "Check this box to go into search mode",
         &CWindowCommands::OnSearch},
        {"New entry", "document-new", "new-entry.svg",
         "Create a new entry (keyboard shortcut - F2)", &CWindowCommands::OnNewEntry},
        {"Reminder", "appointment-new", "reminder.svg",
         "Add or delete reminders (keyboard shortcut - F3)", &CWindowCommands::OnReminders},
        {"Planner", "x-office-calendar", "planner.svg",
         "Add, delete and manage plans (keyboard shortcut - F4)", &CWindowCommands::OnPlanner},
        {"Print current entry", "document-print", "print.svg", "Print the current entry",
         &CWindowCommands::OnPrintCurrentEntry},
        {"Print all entries", "printer", "print-all.svg", "Print all entries",
         &CWindowCommands::OnPrintAllEntries},
        {"Options", "preferences-system", "options.svg", "Change Dayloom options",
         &CWindowCommands::OnOptions},
        {"Web site", "applications-internet", "web.svg",
         QStringLiteral("Visit the WWW site @ ") + CAppInfo::WebSite(),
         &CWindowCommands::OnWebSite},
        {"Mail", "mail-send", "mail.svg", "Send an e-mail to the author", &CWindowCommands::OnMail},
        {"Exit", "application-exit", "exit.svg", "Exit Dayloom", &CWindowCommands::OnExit}};
    std::vector<QPushButton*> buttons;
    for (const ButtonLayout& button : layouts) {
        buttons.push_back(MakeButton(
            window, commands, QString::fromLatin1(button.name), QString::fromLatin1(button.icon),
            QString::fromLatin1(button.picture), button.tip, button.command));
    }
    return buttons;
}
