#pragma once
// The program object: from launch to the end of the main window. There is no
// loop of its own; the main window's modal loop is the program's.

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class CDayloomApp
{
    Q_DECLARE_TR_FUNCTIONS(CDayloomApp)

public:
    CDayloomApp() = default;

    // The start-up sequence, then the main window until it closes. Returns
    // false always: there is nothing left to run afterwards. `diary` is the
    // diary named on the command line (opened in place of the last one);
    // `diaryProblem` says why the one named there cannot be opened.
    bool InitInstance(const QStringList& arguments, const QString& diary = QString(),
                      const QString& diaryProblem = QString());

    // Shows the store's messages to the user, captioned with the program's title.
    static void InstallStoreMessageHandler();
};
