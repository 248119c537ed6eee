#pragma once
// The help viewer: the program's HTML help pages, opened at the contents or
// at a window's numbered context. In scripted mode requests are recorded.

#include <QCoreApplication>
#include <QString>
#include <vector>

class QWidget;

// The help context of every window that has a page of its own; the numbers
// are those the help file has always been opened with.
enum class HelpContext : int
{
    Contents = 0,
    Planner = 65537,
    Options = 65538,
    Reminders = 65539,
    MainWindow = 65540,
    NewEntry = 65541,
    Author = 65542,
    Password = 65543,
    SeveralComputers = 65544, // the merge preview, the reload bar
};

class CHelp
{
    Q_DECLARE_TR_FUNCTIONS(CHelp)

public:
    // Shows "Failed to launch help." when the help files are missing.
    static bool Show(QWidget* parent, HelpContext context = HelpContext::Contents);
    static void SetHelpFolder(const QString& folder); // default: the data folder's "help"

    static void SetScripted(bool scripted);
    // The context numbers asked for while scripted.
    static const std::vector<int>& Requests();
    static void Reset();
};
