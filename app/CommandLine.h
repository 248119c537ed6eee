#pragma once
// The program's command line: `dayloom [options] [DIARY]`. Parsed before
// anything starts a window system, so --help, --version and mistakes are
// answered on a terminal without a display and without touching settings.

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class CCommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CCommandLine)

public:
    enum class Action
    {
        Run,     // start the window (with Diary() when one was named)
        Help,    // print Output() on standard output, exit 0
        Version, // likewise
        Error    // print Output() on standard error, exit 2
    };

    // `arguments` as the program got them, the program itself first.
    static CCommandLine Parse(const QStringList& arguments);

    Action WhatToDo() const { return m_action; }
    // The text to print for Help, Version and Error (ends with a new line).
    QString Output() const { return m_output; }
    // The diary named on the command line as an absolute path; empty for none.
    QString Diary() const { return m_diary; }

    // Why the diary at `path` cannot be opened ("... is a folder, not a
    // diary."), or an empty string when it can be tried: an existing,
    // readable .dayloom or .ilm file, or a name that does not exist yet
    // (which is offered as a new diary).
    static QString DiaryProblem(const QString& path);

private:
    Action m_action = Action::Run;
    QString m_output;
    QString m_diary;
};
