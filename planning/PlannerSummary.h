#pragma once
// How a planner task reads in the Planner dialog's list and in the main
// window's planner list: "12 Dec [ Buy paint ] NOT DONE" and its variants.

#include "store/Records.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>

class CDiarySession;

class CPlannerSummary
{
    Q_DECLARE_TR_FUNCTIONS(CPlannerSummary)

public:
    // The Planner dialog's wording: a finished task shows its done date.
    static QString DialogLine(const PlannerRecord& task);
    // The main window's wording: a task done on its planned day reads
    // " ] DONE ON TIME".
    static QString MainWindowLine(const PlannerRecord& task);

    // One line per task of the diary, in file order; empty without tasks. A
    // file error is shown to the user here (the lines read until then are
    // returned).
    static QStringList MainWindowLines(const CDiarySession& diary);
    static QStringList DialogLines(const CDiarySession& diary);
};
