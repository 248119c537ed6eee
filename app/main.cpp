#include "app/CommandLine.h"
#include "app/DataSelfCheck.h"
#include "app/DayloomApp.h"
#include "platform/Translations.h"
#include "store/ProcessHardening.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <iostream>

int main(int argc, char** argv)
{
    // Before anything of a diary is in memory: no core file, no dumping.
    CProcessHardening::Apply();

    // The command line first: --help, --version and mistakes need no
    // display, and leave the settings alone.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QFile::decodeName(argv[i]));
    }
    const CCommandLine commandLine = CCommandLine::Parse(arguments);
    switch (commandLine.WhatToDo()) {
    case CCommandLine::Action::Help:
    case CCommandLine::Action::Version:
        std::cout << commandLine.Output().toLocal8Bit().constData() << std::flush;
        return 0;
    case CCommandLine::Action::Error:
        std::cerr << commandLine.Output().toLocal8Bit().constData() << std::flush;
        return 2;
    case CCommandLine::Action::Run:
        break;
    }

    QApplication application(argc, argv);
    // LANGUAGE=de or LANG=ru_RU.UTF-8 chooses the interface's language.
    CTranslations::Install(application, QLocale::system().uiLanguages());
    QString diary = commandLine.Diary();
    const QString problem = diary.isEmpty() ? QString() : CCommandLine::DiaryProblem(diary);
    if (!problem.isEmpty()) {
        std::cerr << "dayloom: " << problem.toLocal8Bit().constData() << std::endl;
        diary.clear();
    }
    // Installation self-check (DAYLOOM_CHECK_DATA=1): lists the data files
    // found and ends before any window opens.
    if (CDataSelfCheck::Requested()) {
        return CDataSelfCheck::Run(std::cout);
    }
    CDayloomApp program;
    program.InitInstance(QApplication::arguments(), diary, problem);
    return 0;
}
