#pragma once
// The main window's menu bar (File, Entry, Tools and Help) and its picture
// buttons, each running one of the window's commands; the F-key items work
// whether or not their menu was ever opened.

#include <QCoreApplication>
#include <vector>

class CDiaryLock;
class CEncryptionCommands;
class CEntryCommands;
class CExportHost;
class CForeignImportHost;
class CImportHost;
class CMergeCommands;
class QMenuBar;
class CWindowCommands;
class QPushButton;
class QWidget;

class CMainMenu
{
    Q_DECLARE_TR_FUNCTIONS(CMainMenu)

public:
    // The window's own commands, and the command groups the menu reaches
    // past the window.
    struct Commands
    {
        CWindowCommands* window = nullptr;
        CEntryCommands* entries = nullptr;
        CEncryptionCommands* encryption = nullptr;
        CExportHost* exports = nullptr;
        CImportHost* imports = nullptr;
        CForeignImportHost* foreignImports = nullptr;
        CMergeCommands* merges = nullptr;
        // Delete on these deletes the entry on view.
        QWidget* entryList = nullptr;
        QWidget* entryView = nullptr;
        CDiaryLock* lock = nullptr;
    };

    // The menus on `window`, whose shortcuts work wherever its focus is.
    static void Build(QMenuBar& bar, QWidget& window, const Commands& commands);
    // The picture buttons in the window's order: First, Previous, Next,
    // Last, Delete, Search, New entry, Reminder, Planner, Print current
    // entry, Print all entries, Options, Web site, Mail, Exit.
    static std::vector<QPushButton*> MakeButtons(QWidget& window, CWindowCommands& commands);
};
